// "Check Disc": what would go wrong if the CD folder were made into a disc now, on the medium the
// author picks, one finding a row. A finding's row opens the object it names; "Make Image..."
// goes on to Make Disc Image on the same medium. The rules and texts are core's (disc_check.h,
// disc_making.h); the window, from its template in the resources, only shows them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/app_state.h"
#include "core/disc_check.h"

// How the author left the window.
struct CheckDiscChoice {
  enum Action : uint8_t { Close, MakeImage, OpenObject } action = Close;
  core::DiscMedium medium = core::DiscMedium::Cd700;
  int object = -1;  // OpenObject: the index in Project.Objects
};

// Checks app.CDFolder with `design`, on its medium first and again whenever the author picks
// another, and shows the findings modally over `owner` until the author closes the window or
// chooses what comes next.
CheckDiscChoice ShowCheckDisc(HWND owner, const core::AppState& app,
                              const core::CheckOptions& design);
