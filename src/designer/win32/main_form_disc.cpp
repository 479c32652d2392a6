// The main window's disc commands: Check Disc, and Make Disc Image with its save dialog, volume
// label and progress window.
#include <optional>
#include <vector>

#include "core/disc_making.h"
#include "core/file_system.h"
#include "core/messages.h"
#include "designer/disc_commands.h"
#include "designer/win32/check_disc_window.h"
#include "designer/win32/designer_commands.h"
#include "designer/win32/disc_image_progress.h"
#include "designer/win32/main_form.h"
#include "designer/win32/volume_label_form.h"
#include "ui/win32/common_dialogs.h"
#include "ui/win32/modal_loop.h"

namespace {

// Asks where and under which label, then writes the image of the CD folder `listing`, which
// the check passed, and says so when it is written.
void WriteDiscImage(HWND owner, core::AppState& app, std::vector<core::fs::FolderItem>& listing) {
  const std::string& caption = app.Project.Window->Caption();
  const std::optional<std::string> path = [&] {
    const ui::win32::ModalScope modal(owner);
    return ui::win32::ChooseSaveFile(owner, "Disc images (*.iso)|*.iso",
                                     designer::ImageFolder(app.CDFolder),
                                     core::DefaultImageFileName(caption), L"iso");
  }();
  if (!path) return;
  const std::optional<std::string> label = AskVolumeLabel(owner, core::DefaultVolumeLabel(caption));
  if (!label) return;
  core::disc::ImageResult result;
  {
    // The designer stays disabled while the image is written, whether the progress window has
    // come or not. Its windows come back before the progress window goes, so that the
    // activation returns to them.
    DiscImageProgress progress(owner);
    const ui::win32::ModalScope modal(nullptr);
    result = core::MakeDiscImage(
        app, listing, *path, *label,
        [](void* window, uint64_t done, uint64_t total) {
          return static_cast<DiscImageProgress*>(window)->Step(done, total);
        },
        &progress);
  }
  if (result == core::disc::ImageResult::Written) {
    app.platform.ShowMessageBox(designer::ImageWrittenText(*path), "Make Disc Image",
                                ui::MessageIcon::Information, ui::MessageButtons::Ok);
  }
}

}  // namespace

bool TMainForm::CdFolderFound() {
  if (core::fs::DirectoryExists(app_.CDFolder)) return true;
  core::ShowDirectoryNotFound(app_.platform, app_.CDFolder);
  return false;
}

void TMainForm::CheckDisc1Click() {
  if (CdFolderFound()) ShowFindings(false);
}

void TMainForm::ShowFindings(bool for_image) {
  CheckDiscChoice choice = ShowCheckDisc(
      Handle(), app_, designer::DesignCheck(disc_medium_, Modified(), saved_at_), for_image);
  disc_medium_ = choice.medium;
  if (choice.action == CheckDiscChoice::MakeImage) WriteDiscImage(Handle(), app_, choice.listing);
  if (choice.action == CheckDiscChoice::OpenFinding) {
    // As a double click on the object does: it alone selected, then its editor.
    const bool object = choice.object >= 0;
    if (object) EditForm->SelectObject(static_cast<size_t>(choice.object));
    const bool link = choice.place == core::FindingPlace::Link;
    const int command = object ? (link ? kCmdObjectLink : kCmdObjectProperties)
                               : (link ? kCmdStartLink : kCmdFormProperties);
    ::PostMessageW(Handle(), WM_COMMAND, command, 0);
  }
}

void TMainForm::MakeDiscImage1Click(core::DiscMedium medium) {
  if (!CdFolderFound()) return;
  std::vector<core::fs::FolderItem> listing;
  const std::vector<core::Finding> findings =
      core::CheckCdFolder(app_, designer::DesignCheck(medium, Modified(), saved_at_), listing);
  // Anything found is shown first: errors keep the image from being made, and warnings are the
  // author's to weigh before "Make Image...".
  if (findings.empty()) {
    WriteDiscImage(Handle(), app_, listing);
  } else {
    disc_medium_ = medium;
    ShowFindings(true);
  }
}
