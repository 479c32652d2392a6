// "Volume Label": the name a disc image gives its disc, which Windows shows beside the drive
// letter. Joliet holds 16 characters, so the edit takes no more.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Shows `proposed` modally over `owner`; the label as it then reads when the author confirmed.
std::optional<std::string> AskVolumeLabel(HWND owner, const std::string& proposed);
