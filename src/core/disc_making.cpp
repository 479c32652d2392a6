// Listing, checking and imaging the CD folder for the designer and the command line alike.
#include "core/disc_making.h"

#include <algorithm>
#include <ctime>

#include "core/iso_names.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/project_ops.h"
#include "core/text.h"
#include "core/utf8.h"

namespace core {

std::string PathInCapitalsBelow(const std::string& folder, const std::string& file) {
  const auto windows_form = [](const std::string& path) {
    std::string capitals = fs::NameInCapitals(path);
    std::replace(capitals.begin(), capitals.end(), '/', '\\');
    while (!capitals.empty() && capitals.back() == '\\') capitals.pop_back();
    return capitals;
  };
  const std::string below = RelativeToFolder(windows_form(folder), windows_form(file));
  return below.empty() ? below : std::string(below.begin() + 1, below.end());
}

void LeaveOff(const std::string& cd_folder, const std::string& file,
              std::vector<fs::FolderItem>& listing) {
  const std::string below = PathInCapitalsBelow(fs::FullPath(cd_folder), fs::FullPath(file));
  if (below.empty()) return;
  std::erase_if(listing, [&](const fs::FolderItem& item) {
    const std::string capitals = fs::NameInCapitals(item.path);
    const size_t more = capitals.size() - below.size();  // what follows `below`, if it starts so
    return !item.info.folder && capitals.starts_with(below) &&
           (more == 0 ||
            EqualsIgnoringAsciiCase({capitals.data() + below.size(), more}, fs::kTemporarySuffix));
  });
}

namespace {

// Reads the files of the CD folder for the writer, by the names the listing gave.
class CdFolderSource : public disc::FileSource {
 public:
  explicit CdFolderSource(const std::string& folder) : folder_(folder) {}
  bool Read(const std::string& path, disc::ByteSink& pieces) override {
    failed_path_ = Joined({folder_, "\\", path});
    return fs::ReadInPieces(
        failed_path_,
        [](void* sink, const uint8_t* data, size_t size) {
          return static_cast<disc::ByteSink*>(sink)->Write(data, size);
        },
        &pieces);
  }
  const std::string& LastPath() const { return failed_path_; }

 private:
  std::string folder_;
  std::string failed_path_;
};

class ImageFileSink : public disc::ByteSink {
 public:
  explicit ImageFileSink(fs::PiecewiseFile& file) : file_(file) {}
  bool Write(const uint8_t* data, size_t size) override { return file_.Write(data, size); }

 private:
  fs::PiecewiseFile& file_;
};

}  // namespace

std::vector<Finding> CheckCdFolder(const AppState& app, const CheckOptions& options,
                                   std::vector<fs::FolderItem>& listing,
                                   std::initializer_list<const std::string*> left_off) {
  if (!fs::ListFolderTree(app.CDFolder, listing)) {
    std::vector<Finding> unreadable(1);  // an error of the folder
    unreadable[0].what = Joined({"The CD folder cannot be read. ", fs::LastErrorText()});
    return unreadable;
  }
  for (const std::string* file : left_off) {
    if (!file->empty()) LeaveOff(app.CDFolder, *file, listing);
  }
  return CheckDisc(app, listing, options);
}

std::string FindingObjectName(const AppState& app, const Finding& finding) {
  if (finding.object < 0 || static_cast<size_t>(finding.object) >= app.Project.Objects.size()) {
    return {};
  }
  const AutoObjectType& object = *app.Project.Objects[static_cast<size_t>(finding.object)];
  const char* kinds[] = {"Label", "Button", "Image"};
  std::string_view caption;
  if (const auto* label = LabelOf(object)) caption = label->Caption;
  if (const auto* button = ButtonOf(object)) caption = button->Caption;
  caption = {caption.data(), std::min<size_t>(caption.size(), 40)};
  const std::string_view quote = caption.empty() ? "" : "\"";
  return Joined({kinds[IsKnownKind(object.Kind) ? object.Kind : 0], " ",
                 Decimal(static_cast<uint64_t>(finding.object) + 1), caption.empty() ? "" : " ",
                 quote, caption, quote});
}

std::string FindingLine(const AppState& app, const Finding& finding) {
  const std::string object = FindingObjectName(app, finding);
  const bool file = !finding.file.empty();
  return Joined({finding.severity == Severity::Error ? "Error: " : "Warning: ", object,
                 object.empty() ? "" : ": ", finding.what, file ? " (" : "", finding.file,
                 file ? ")" : ""});
}

std::string DefaultImageFileName(const std::string& caption) {
  std::string name = caption;
  for (char& c : name) {
    if (static_cast<unsigned char>(c) < 32 ||
        std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
      c = '_';
    }
  }
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  if (name.empty()) name = "Disc";
  name += ".iso";
  return name;
}

std::string DefaultVolumeLabel(const std::string& caption) {
  // Cut by characters, not bytes, so that every character stays whole.
  size_t end = 0;
  for (size_t characters = 0; end < caption.size() && characters < 16; ++characters) {
    do {
      ++end;
    } while (end < caption.size() && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80);
  }
  std::string label = caption.substr(0, end);
  while (!label.empty() && label.back() == ' ') label.pop_back();
  return label.empty() ? "DISC" : label;
}

std::string RecordedVolumeLabel(const std::string& label) {
  char16_t units[32];
  const size_t count = disc::VolumeLabel(label, true, units);
  std::string text;
  for (size_t i = 0; i < count; ++i) AppendUtf8(text, units[i]);
  return text;
}

disc::ImageResult MakeDiscImage(AppState& app, std::vector<fs::FolderItem>& listing,
                                const std::string& image_path, const std::string& label,
                                disc::ImageProgress progress, void* context) {
  // An image saved into the CD folder itself is not part of the disc, nor is its temporary file.
  LeaveOff(app.CDFolder, image_path, listing);
  disc::ImageOptions options;
  options.volume_label = label;
  options.created = static_cast<int64_t>(std::time(nullptr));

  fs::PiecewiseFile file(image_path);
  if (!file.IsOpen()) {
    ShowError(app.platform, CannotWriteText(image_path));
    return disc::ImageResult::WriteFailed;
  }
  CdFolderSource source(app.CDFolder);
  ImageFileSink sink(file);
  disc::ImageResult result = disc::WriteImage(listing, options, source, sink, progress, context);
  if (result == disc::ImageResult::Written && !file.Commit()) {
    result = disc::ImageResult::WriteFailed;
  }
  switch (result) {
    case disc::ImageResult::Written:
    case disc::ImageResult::Cancelled:
      break;
    case disc::ImageResult::ReadFailed:
      ShowError(app.platform,
                Joined({"Cannot read file \"", source.LastPath(), "\". ", fs::LastErrorText()}));
      break;
    case disc::ImageResult::Changed:
      ShowError(app.platform, Joined({"The file \"", source.LastPath(),
                                      "\" changed while the disc image was written."}));
      break;
    case disc::ImageResult::WriteFailed:
      ShowError(app.platform, CannotWriteText(image_path));
      break;
    case disc::ImageResult::TooLarge:
      ShowError(app.platform, "The CD folder does not fit a disc image: Check Disc lists why.");
      break;
  }
  return result;
}

}  // namespace core
