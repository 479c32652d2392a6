// What Check Disc and Make Disc Image decide around their windows: which check to run, the
// message that refuses an image of a folder with errors, where the save dialog opens and what
// the author hears once the image is written. The windows only show these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/disc_check.h"

namespace designer {

// An error message box shows this many findings; more would run off the screen.
inline constexpr int kRefusalLines = 10;

// The check the designer runs on `medium`: a design with unsaved changes is reported, as the disc
// would hold the design last saved, and so are saved files older than the last save in this
// session (`saved_at`, seconds since 1970), which something else put back.
core::CheckOptions DesignCheck(core::DiscMedium medium, bool unsaved_changes,
                               std::optional<int64_t> saved_at);

// "The disc image cannot be made. Mend these errors first:" and the errors one a line, the first
// kRefusalLines of them, then "and N more"; "" when the findings hold no error (warnings do not
// keep an image from being made).
std::string ImageRefusal(const core::AppState& app, const std::vector<core::Finding>& findings);

// The folder the image's save dialog opens in: the CD folder's parent, so that the image does not
// land on the disc it is made of; the CD folder itself when it is a drive's root ("D:"). With its
// trailing backslash, which names a drive's root as it names any folder.
std::string ImageFolder(const std::string& cd_folder);

// Disc image "<path>" written.
std::string ImageWrittenText(const std::string& image_path);

// How far the image is: "45% (450 MB of 1,000 MB) written", in whole percents and megabytes of
// 1,048,576 bytes, each rounded down; "" while the total is not known (0).
std::string ImageProgressText(uint64_t done, uint64_t total);

}  // namespace designer
