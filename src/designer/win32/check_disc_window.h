// "Check Disc": what would go wrong if the CD folder were made into a disc now, on the medium the
// author picks, one finding a row, the chosen one's whole text below the list. A finding's row
// opens the editor of what it names; "Make Image..." goes on to Make Disc Image on the same
// medium, or, while there are errors, says so and leaves the list open. The rules and texts are
// core's (disc_check.h, disc_making.h); the window, from its template in the resources, only
// shows them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/app_state.h"
#include "core/disc_check.h"
#include "core/file_system.h"

// How the author left the window.
struct CheckDiscChoice {
  enum Action : uint8_t { Close, MakeImage, OpenFinding } action = Close;
  core::DiscMedium medium = core::DiscMedium::Cd700;
  int object = -1;  // OpenFinding: the index in Project.Objects, -1 for the window
  core::FindingPlace place = core::FindingPlace::Folder;  // OpenFinding: which editor
  std::vector<core::fs::FolderItem> listing;              // MakeImage: the folder as checked
};

// Checks app.CDFolder with `design`, on its medium first and again whenever the author picks
// another, and shows the findings modally over `owner` until the author closes the window or
// chooses what comes next. `for_image`: Make Disc Image opened the window, which then says at
// once why there can be no image yet when there are errors.
CheckDiscChoice ShowCheckDisc(HWND owner, const core::AppState& app,
                              const core::CheckOptions& design, bool for_image);
