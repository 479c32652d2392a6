// What Check Disc, Make Disc Image and the command line's /check and /image share: the CD
// folder listed and checked, and its image written under a temporary name that replaces the
// chosen file only once it is complete.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/disc_check.h"
#include "core/disc_image.h"
#include "core/file_system.h"

namespace core {

// Where `file` lies in `folder`, both full paths (fs::FullPath): its path below the folder in
// capitals (fs::NameInCapitals), or "" when it lies elsewhere. Letter case does not count, as
// Windows compares names, and a slash is a backslash.
std::string PathInCapitalsBelow(const std::string& folder, const std::string& file);

// Takes `file` and its temporary file out of `listing` when they lie in the CD folder
// `cd_folder`, comparing full paths: the disc does not hold an image made into it, nor the
// command line's report.
void LeaveOff(const std::string& cd_folder, const std::string& file,
              std::vector<fs::FolderItem>& listing);

// Lists app.CDFolder into `listing`, leaves the files `left_off` (the command line's report and
// image, empty when not given) out of it and checks the design against it. A folder that cannot
// be read is itself an error finding, so the caller has one list to show.
std::vector<Finding> CheckCdFolder(const AppState& app, const CheckOptions& options,
                                   std::vector<fs::FolderItem>& listing,
                                   std::initializer_list<const std::string*> left_off = {});

// The object a finding belongs to as the author knows it ("Button 2 \"Play\""), or "" for the
// window and the folder.
std::string FindingObjectName(const AppState& app, const Finding& finding);
// One finding as a line of text: "Error: Button 2 \"Play\": The button's glyph ... (\a.bmp)".
std::string FindingLine(const AppState& app, const Finding& finding);

// The image's file name a save dialog offers: "<caption>.iso", with the characters a file name
// cannot hold turned into '_'; "Disc.iso" for an empty caption.
std::string DefaultImageFileName(const std::string& caption);
// The volume label an image gets unless the author gives another: the caption's first 16
// characters (Joliet's limit), "DISC" for an empty caption.
std::string DefaultVolumeLabel(const std::string& caption);

// The label Windows shows for an image made with `label`: its Joliet volume label, cut to 16
// characters and with '_' for a character a label cannot hold.
std::string RecordedVolumeLabel(const std::string& label);

// Writes the image of the CD folder `listing` (CheckCdFolder's, its names recorded as they are;
// the image itself left out of it, should it lie there) to `image_path` with `label`, telling
// `progress` (may be null), with `context`, the bytes written and the total after every piece; its
// false cancels. Reports a failure through app.platform and returns its kind; a cancelled write
// reports nothing. Either way no file is left behind and a previous image stays as it was.
disc::ImageResult MakeDiscImage(AppState& app, std::vector<fs::FolderItem>& listing,
                                const std::string& image_path, const std::string& label,
                                disc::ImageProgress progress = nullptr, void* context = nullptr);

}  // namespace core
