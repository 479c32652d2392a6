// "Volume Label": the name a disc image gives its disc, which Windows shows beside the drive
// letter. Joliet holds 16 characters, so the edit takes no more.
#pragma once

#include <windows.h>

#include <string>

// Shows `label` modally over `owner`; true when the author confirmed, with the label as it then
// reads in `label`.
bool AskVolumeLabel(HWND owner, std::string& label);
