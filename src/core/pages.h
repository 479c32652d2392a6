// A menu with pages: each page is a design file "<Name>.ard" in the CD folder, in the project
// file's format; AutoRun.ard is the start page. A link with kActionShowPage names a page's file
// CD-relative ("\Drivers.ard"), as file actions name their files. The names of pages and their
// files, shared by the player, the designer, Check Disc and the command line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/file_system.h"

namespace core {

inline constexpr std::string_view kPageExtension = ".ard";

// "Drivers" for "Drivers.ard", "\Drivers.ard" or "folder\Drivers.ard"; the start page's name for
// AutoRun.ard ("AutoRun").
std::string PageName(std::string_view file);
// The link target that shows the page named `name`: "\<name>.ard".
std::string PageTarget(std::string_view name);
// Whether `name` (a file name without folder) is a page's file: it ends in ".ard", in any case.
bool IsPageFile(std::string_view name);
// Whether `file` (a name or CD-relative path) is the start page, AutoRun.ard, in any case.
bool IsStartPage(std::string_view file);

// The pages among the CD folder's listing (fs::ListFolderTree or its root alone): the page files
// directly in the folder, the start page first when it is there, then the others by name, letter
// case aside. Each as its file name ("Drivers.ard").
std::vector<std::string> PageFiles(const std::vector<fs::FolderItem>& listing);

}  // namespace core
