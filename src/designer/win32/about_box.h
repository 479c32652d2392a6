// The About box: product name, version, the maker's contact points and a picture; modal,
// created when opened and destroyed when closed.
#pragma once

#include <windows.h>

void ShowAboutBox(HWND owner);
