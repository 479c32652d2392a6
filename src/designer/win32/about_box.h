// The About box: product name, version, the maker's contact points and a picture; modal,
// created when opened and destroyed when closed.
#pragma once

#include <windows.h>

// The resource ids of the box's template and controls.
constexpr int kAboutBoxId = 100;
constexpr int kAboutPictureId = 101;
constexpr int kAboutProductId = 102;
constexpr int kAboutVersionId = 103;
constexpr int kAboutContactId = 104;

void ShowAboutBox(HWND owner);
