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

bool TMainForm::CdFolderFound() {
  if (core::fs::DirectoryExists(app_.CDFolder)) return true;
  core::ShowDirectoryNotFound(app_.platform, app_.CDFolder);
  return false;
}

void TMainForm::CheckDisc1Click() {
  if (!CdFolderFound()) return;
  const CheckDiscChoice choice =
      ShowCheckDisc(Handle(), app_, designer::DesignCheck(disc_medium_, Modified(), saved_at_));
  disc_medium_ = choice.medium;
  if (choice.action == CheckDiscChoice::MakeImage) MakeDiscImage1Click(choice.medium);
  if (choice.action == CheckDiscChoice::OpenObject) {
    // As a double click on the object does: it alone selected, then its properties.
    EditForm->SelectObject(static_cast<size_t>(choice.object));
    ::PostMessageW(Handle(), WM_COMMAND, kCmdObjectProperties, 0);
  }
}

void TMainForm::MakeDiscImage1Click(core::DiscMedium medium) {
  if (!CdFolderFound()) return;
  std::vector<core::fs::FolderItem> listing;
  const std::vector<core::Finding> findings =
      core::CheckCdFolder(app_, designer::DesignCheck(medium, Modified(), saved_at_), listing);
  if (const std::string refusal = designer::ImageRefusal(app_, findings); !refusal.empty()) {
    core::ShowError(app_.platform, refusal);
    return;
  }
  const std::string& caption = app_.Project.Window->Caption();
  const std::optional<std::string> path = [&] {
    const ui::win32::ModalScope modal(Handle());
    return ui::win32::ChooseSaveFile(Handle(), "Disc images (*.iso)|*.iso",
                                     designer::ImageFolder(app_.CDFolder),
                                     core::DefaultImageFileName(caption), L"iso");
  }();
  if (!path) return;
  const std::optional<std::string> label =
      AskVolumeLabel(Handle(), core::DefaultVolumeLabel(caption));
  if (!label) return;
  core::disc::ImageResult result;
  {
    // The designer stays disabled while the image is written, whether the progress window has
    // come or not. Its windows come back before the progress window goes, so that the
    // activation returns to them.
    DiscImageProgress progress(Handle());
    const ui::win32::ModalScope modal(nullptr);
    result = core::MakeDiscImage(
        app_, listing, *path, *label,
        [](void* window, uint64_t done, uint64_t total) {
          return static_cast<DiscImageProgress*>(window)->Step(done, total);
        },
        &progress);
  }
  if (result == core::disc::ImageResult::Written) {
    app_.platform.ShowMessageBox(designer::ImageWrittenText(*path), "Make Disc Image",
                                 ui::MessageIcon::Information, ui::MessageButtons::Ok);
  }
}
