// The main window's commands: the table of each command, the undo step it is and what it does,
// as the menus are tables of their items; Save, Save As and the save prompt, with the questions
// that keep a save from replacing what another program or a damaged file left in AutoRun.ard and
// a folder another designer has open from being opened unasked; the snapping switches and the
// tool group.
#include <ctime>
#include <string>

#include "core/deployment.h"
#include "core/disc_check.h"
#include "core/file_system.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/settings_file.h"
#include "core/text.h"
#include "designer/win32/designer_commands.h"
#include "designer/win32/folder_browser.h"
#include "designer/win32/main_form.h"

namespace {

constexpr char kSaveAsPrompt[] = "Select the folder to save the CD files in";
constexpr char kSaveAsTitle[] = "Save As";

}  // namespace

std::string TMainForm::DesignFilePath() const {
  return core::Joined({app_.CDFolder, "\\", core::kProjectFileName});
}

bool TMainForm::AskToSaveChanges() {
  if (!Modified()) return true;
  switch (app_.platform.ShowMessageBox("Save Changes to file?", "Exit", ui::MessageIcon::Question,
                                       ui::MessageButtons::YesNoCancel)) {
    case ui::MessageResult::Yes:
      return Save1Click();
    case ui::MessageResult::No:
      return true;
    default:
      return false;
  }
}

bool TMainForm::Ask(std::initializer_list<std::string_view> text, const char* title,
                    ui::MessageButtons buttons, ui::MessageIcon icon) {
  return app_.platform.ShowMessageBox(core::Joined(text), title, icon, buttons) ==
         ui::MessageResult::Yes;
}

bool TMainForm::Save1Click() {
  if (core::fs::DirectoryExists(app_.CDFolder)) return SaveHere();
  // Moved or deleted: another folder is the only place the design can still go.
  return Ask({core::DirectoryNotFoundText(app_.CDFolder),
              ".\n\nSave the design into another folder with Save As?"},
             core::kErrorTitle, ui::MessageButtons::YesNo, ui::MessageIcon::Error) &&
         SaveAs1Click();
}

bool TMainForm::SaveHere() {
  const designer::SaveQuestion question =
      designer::QuestionBeforeSave(design_file_, core::fs::Stat(DesignFilePath()));
  // No keeps the file and the design as they are.
  return (question == designer::SaveQuestion::None ||
          Ask({designer::SaveQuestionText(question)}, "Save",
              ui::MessageButtons::YesNoDefaultNo)) &&
         DeployInto(app_.CDFolder);
}

bool TMainForm::SaveAs1Click() {
  for (;;) {
    // In the folder that holds the CD folder, or held it before it was moved: where a new CD
    // folder beside it is made.
    auto chosen = ChooseFolder(kSaveAsPrompt, core::FolderPart(app_.CDFolder), true);
    if (!chosen) return false;
    std::string& folder = *chosen;
    if (folder_lock_.Holds(folder)) return SaveHere();
    if (folder.back() == '\\') folder.pop_back();  // a drive root: "D:"
    if (core::fs::FileExists(core::Joined({folder, "\\", core::kProjectFileName})) &&
        !Ask({"The folder \"", folder, "\" already holds a menu (", core::kProjectFileName,
              "). Replace it with this design?"},
             kSaveAsTitle, ui::MessageButtons::YesNoDefaultNo)) {
      continue;
    }
    const std::vector<std::string> files =
        designer::FilesToCopy(core::FilesTheDesignNames(app_), app_.CDFolder, folder);
    const core::Decimal count(files.size());
    const bool one = files.size() == 1;
    if (!files.empty() && Ask({"Copy the ", one ? std::string_view() : count,
                               one ? "file" : " files", " the menu uses into the new folder?"},
                              kSaveAsTitle, ui::MessageButtons::YesNo)) {
      if (const std::string failed = designer::CopyFiles(files, app_.CDFolder, folder);
          !failed.empty()) {
        core::ShowError(app_.platform, core::CannotWriteText(failed));
        return false;
      }
    }
    if (!DeployInto(folder)) return false;
    app_.CDFolder = std::move(folder);
    folder_lock_.Hold(app_.CDFolder);
    UpdateCaption();
    UpdateCDIconButton();
    return true;
  }
}

std::optional<std::string> TMainForm::ChooseFolder(const char* prompt, const std::string& start,
                                                   bool new_folders) {
  for (;;) {
    const auto chosen = PickFolder(Handle(), prompt, start, new_folders);
    if (!chosen || MayUseFolder(*chosen)) return chosen;
  }
}

bool TMainForm::MayUseFolder(const std::string& folder) {
  return !folder_lock_.HeldElsewhere(folder) ||
         Ask({"Another ", core::kProductName, " has the CD folder \"", folder,
              "\" open. When both save, one replaces the other's work.\n\n"
              "Go on with this folder? Choose No to pick another one."},
             core::kProductName, ui::MessageButtons::YesNo);
}

bool TMainForm::DeployInto(const std::string& folder) {
  // Taken before the files are written, so that none of them can seem older than the save.
  const auto started = static_cast<int64_t>(std::time(nullptr));
  if (!core::DeployToCDFolder(app_, folder)) return false;
  design_file_ = {core::fs::Stat(core::Joined({folder, "\\", core::kProjectFileName})), true, {}};
  EditForm->Undo().NoteSaved();
  saved_at_ = started;
  return true;
}

void TMainForm::OfferReload() {
  // Not while a dialog is open over the design: the next return to the designer offers it.
  if (app_.CDFolder.empty() || !::IsWindowEnabled(Handle())) return;
  const designer::FileFacts now = core::fs::Stat(DesignFilePath());
  if (!designer::OffersReload(design_file_, now, Modified())) return;
  design_file_.offered = now;
  if (Ask({designer::kReloadOfferText}, core::kProductName, ui::MessageButtons::YesNo)) {
    OpenFolder(app_.CDFolder);  // a file that cannot be read leaves the design as it is
  }
}

void TMainForm::ChangeSnapSetting(int id) {
  core::SnapSettings& snap = EditForm->Editor().Snap;
  const char* name = core::kGridSizeKey;
  std::string value;
  if (id == kCmdGridSize) {
    if (!EditForm->EditGridSize()) return;
    value = std::to_string(snap.GridSize);
  } else {
    const core::SnapFlag& flag = core::kSnapFlags[id - kCmdSnapToObjects];
    bool& on = snap.*flag.setting;
    on = !on;
    name = flag.key;
    value = on ? "1" : "0";
  }
  const std::string path = SettingsFile();
  if (!core::RememberSetting(path, name, value)) {
    core::ShowError(app_.platform, core::CannotWriteText(path));
  }
  EditForm->RefreshCanvas();  // the grid shows or goes
}

designer::Tool TMainForm::CurrentTool() const {
  if (ToolBar1.IsDown(kCmdToolAddLabel)) return designer::Tool::AddLabel;
  if (ToolBar1.IsDown(kCmdToolAddButton)) return designer::Tool::AddButton;
  if (ToolBar1.IsDown(kCmdToolAddImage)) return designer::Tool::AddImage;
  return designer::Tool::Select;
}

void TMainForm::PutSelectDown() {
  ToolBar1.PutDown(kCmdToolSelect);
}

void TMainForm::OnCommand(int id) {
  // Each command, the undo step it is (none: it takes no step, or records its own) and what it
  // does: a command of the main window, of the design window or of its editing rules, or a call.
  // The clipboard, snapping, recent folder and arrange commands go by their ranges below.
  using designer::CanvasEditor;
  struct Route {
    int id;
    const char* step;
    enum Kind : uint8_t { Main, Design, Editing, Call } kind;
    union {
      void (TMainForm::*main)();
      void (TEditForm::*design)();
      void (CanvasEditor::*editing)();
      void (*call)(TMainForm& form);
    };
  };
  constexpr auto main = [](int id, void (TMainForm::*action)()) {
    return Route{id, nullptr, Route::Main, {.main = action}};
  };
  constexpr auto design = [](int id, const char* step, void (TEditForm::*action)()) {
    return Route{id, step, Route::Design, {.design = action}};
  };
  constexpr auto editing = [](int id, const char* step, void (CanvasEditor::*action)()) {
    return Route{id, step, Route::Editing, {.editing = action}};
  };
  constexpr auto call = [](int id, const char* step, void (*action)(TMainForm&)) {
    return Route{id, step, Route::Call, {.call = action}};
  };
  static constexpr Route kRoutes[] = {
      call(kCmdOpen, nullptr, [](TMainForm& f) { f.Open1Click(); }),
      call(kCmdSave, nullptr, [](TMainForm& f) { f.Save1Click(); }),
      call(kCmdSaveAs, nullptr, [](TMainForm& f) { f.SaveAs1Click(); }),
      main(kCmdSaveAndTest, &TMainForm::est1Click),
      main(kCmdExit, &TMainForm::Exit1Click),
      main(kCmdCheckDisc, &TMainForm::CheckDisc1Click),
      call(kCmdMakeDiscImage, nullptr, [](TMainForm& f) { f.MakeDiscImage1Click(f.disc_medium_); }),
      design(kCmdUndo, nullptr, &TEditForm::UndoStep),
      design(kCmdRedo, nullptr, &TEditForm::RedoStep),
      design(kCmdFormProperties, "Form Properties", &TEditForm::EditFormProperties),
      design(kCmdStartLink, "Start Link", &TEditForm::EditStartLink),
      design(kCmdObjectProperties, "Object Properties", &TEditForm::EditObjectProperties),
      design(kCmdObjectLink, "Object Link", &TEditForm::EditObjectLink),
      call(kCmdSelectionFont, "Font", [](TMainForm& f) { f.EditForm->SetSelectionFont(false); }),
      call(kCmdSelectionHotFont, "Hot Track Font",
           [](TMainForm& f) { f.EditForm->SetSelectionFont(true); }),
      design(kCmdBold, "Bold", &TEditForm::ToggleBold),
      design(kCmdEditCaption, nullptr, &TEditForm::EditCaption),  // its closing is the step
      editing(kCmdDelete, "Delete", &CanvasEditor::DeleteSelected),
      editing(kCmdClear, "Clear", &CanvasEditor::ClearDesign),
      editing(kCmdBringToFront, "Bring to Front", &CanvasEditor::BringSelectedToFront),
      editing(kCmdSendToBack, "Send to Back", &CanvasEditor::SendSelectedToBack),
      editing(kCmdSelectAll, nullptr, &CanvasEditor::SelectAll),
      design(kCmdPositionAndSize, "Position and Size", &TEditForm::EditPositionAndSize),
      main(kCmdSelectCDIcon, &TMainForm::SelectCDIcon1Click),
      main(kCmdCDIcon, &TMainForm::SelectCDIcon1Click),
      main(kCmdHelpContents, &TMainForm::HelpContentsandIndex1Click),
      main(kCmdTechnicalSupport, &TMainForm::echnialSupport1Click),
      main(kCmdHomePage, &TMainForm::HomePage1Click),
      main(kCmdAbout, &TMainForm::About1Click),
  };
  TEditForm& edit = *EditForm;
  for (const Route& route : kRoutes) {
    if (route.id != id) continue;
    const auto act = [&] {
      switch (route.kind) {
        case Route::Main:
          (this->*route.main)();
          break;
        case Route::Design:
          (edit.*route.design)();
          break;
        case Route::Editing:
          (edit.Editor().*route.editing)();
          break;
        case Route::Call:
          route.call(*this);
          break;
      }
    };
    if (route.step == nullptr) {
      act();
    } else {
      edit.AsStep(route.step, act);
    }
    return;
  }
  if (id >= kCmdCut && id <= kCmdDuplicate) edit.ClipboardCommand(id);
  if (id >= kCmdSnapToObjects && id <= kCmdGridSize) ChangeSnapSetting(id);
  if (id >= kCmdRecentFolder && id < kCmdRecentFolder + int{core::kMaxRecentFolders}) {
    OpenRecentFolder(static_cast<size_t>(id - kCmdRecentFolder));
  }
  if (id >= kCmdAlignLefts && id <= kCmdCenterVertically) {
    const auto command = static_cast<designer::ArrangeCommand>(id - kCmdAlignLefts);
    edit.AsStep(ArrangeCaption(id), [&] { edit.Editor().Arrange(command); });
  }
  // The tool buttons only change which tool is down.
}
