// The designer's main window.
#include "designer/win32/main_form.h"

#include "core/deployment.h"
#include "core/file_system.h"
#include "core/project_file.h"
#include "core/project_ops.h"
#include "core/run_mode.h"
#include "designer/win32/folder_browser.h"
#include "designer/win32/main_menu.h"
#include "ui/win32/application.h"

namespace {

constexpr char kProductName[] = "Quorvane";
constexpr char kFolderPrompt[] = "Select the folder for CD files";
// The strip shows only the menu bar and the tool bar, whose buttons are 38 pixels high.
constexpr int kToolBarHeight = 38 + 4;

}  // namespace

TMainForm::TMainForm(core::AppState& app, TAutoRunForm& autorun_form)
    : FormWindow(form_), app_(app), autorun_form_(autorun_form) {
  form_.SetCaption(kProductName);
  form_.SetBorderStyle(ui::kBorderSizeable);
  form_.SetBorderIcons(ui::kIconSystemMenu | ui::kIconMinimize | ui::kIconMaximize);
}

TMainForm::~TMainForm() {
  if (MainMenu1 != nullptr && (Handle() == nullptr || ::GetMenu(Handle()) != MainMenu1)) {
    ::DestroyMenu(MainMenu1);
  }
  ui::win32::Application::SetAccelerators(nullptr, nullptr);
  if (Shortcuts != nullptr) ::DestroyAcceleratorTable(Shortcuts);
}

bool TMainForm::Create() {
  FormCreate();
  if (!CreateForm("TMainForm")) return false;
  MainMenu1 = BuildMainMenu();
  ::SetMenu(Handle(), MainMenu1);
  Shortcuts = BuildMainMenuShortcuts();
  ui::win32::Application::SetAccelerators(Shortcuts, Handle());
  FormResize();
  return true;
}

void TMainForm::FormCreate() {
  form_.SetBounds(0, 0, app_.platform.ScreenSize().width, 100);
  BaseCaption = form_.Caption();
  ClosingAllowed = false;
}

void TMainForm::FormResize() {
  if (Handle() == nullptr) return;
  RECT client{};
  ::GetClientRect(Handle(), &client);
  if (client.bottom != kToolBarHeight) SetClientSize(client.right, kToolBarHeight);
}

void TMainForm::ShowAtStartUp() {
  Show(SW_SHOW);
  FormShow();
}

void TMainForm::FormShow() {
  const ui::Size screen = app_.platform.ScreenSize();
  autorun_form_.WindowProperties().SetBounds(autorun_form_.WindowProperties().Left(),
                                             autorun_form_.WindowProperties().Top(), screen.width,
                                             screen.height);
  EditForm->Show(SW_SHOWNOACTIVATE);
  EditForm->RefreshCanvas();
  UpdateCaption();
  if (!app_.CDFolder.empty()) {
    OpenProject(app_.CDFolder + "\\" + core::kProjectFileName);
  } else {
    Open1Click();
  }
  if (!app_.CDFolder.empty()) {
    app_.Modified = true;
  } else {
    Close();  // no folder chosen: the designer ends
  }
}

void TMainForm::UpdateCaption() {
  form_.SetCaption(app_.CDFolder.empty() ? BaseCaption : app_.CDFolder + " - " + BaseCaption);
}

bool TMainForm::AskToSaveChanges() {
  if (!app_.Modified || app_.CDFolder.empty()) return true;
  switch (app_.platform.ShowMessageBox("Save Changes to file?", "Exit", ui::MessageIcon::Question,
                                       ui::MessageButtons::YesNoCancel)) {
    case ui::MessageResult::Yes:
      return core::DeployToCDFolder(app_, app_.CDFolder);
    case ui::MessageResult::No:
      return true;
    default:
      return false;
  }
}

bool TMainForm::Save1Click() {
  if (!core::DeployToCDFolder(app_, app_.CDFolder)) return false;
  app_.Modified = false;
  return true;
}

void TMainForm::est1Click() {
  Save1Click();  // the deployed player starts whether or not this save succeeded
  const std::string player = app_.CDFolder + "\\" + core::kPlayerFileName;
  ::WinExec(player.c_str(), SW_SHOWNORMAL);
}

void TMainForm::Open1Click() {
  if (!AskToSaveChanges()) return;
  // The browser works on the CD folder itself: a folder that no longer exists is forgotten.
  if (!core::fs::DirectoryExists(app_.CDFolder)) app_.CDFolder.clear();
  const auto chosen = BrowseForFolder(Handle(), kFolderPrompt, app_.CDFolder);
  if (!chosen) return;
  app_.CDFolder = *chosen;
  if (!app_.CDFolder.empty() && app_.CDFolder.back() == '\\') app_.CDFolder.pop_back();
  OpenProject(app_.CDFolder + "\\" + core::kProjectFileName);
}

void TMainForm::OpenProject(const std::string& path) {
  if (core::fs::FileExists(path)) {
    core::LoadProject(app_, path);  // a failed load has reported itself
  } else {
    NewProject();
  }
  EditForm->CopyFrameFromPresentation();
  EditForm->FormResize();
  EditForm->RefreshCanvas();
  UpdateCaption();
  app_.Modified = false;
}

void TMainForm::NewProject() {
  core::ApplyNewProjectDefaults(app_);
}

bool TMainForm::FormCloseQuery() {
  if (!AskToSaveChanges()) return false;
  ClosingAllowed = true;
  return true;
}

void TMainForm::Exit1Click() {
  Close();
}

void TMainForm::OnCommand(int id) {
  switch (static_cast<MainMenuCommand>(id)) {
    case MainMenuCommand::Open:
      Open1Click();
      break;
    case MainMenuCommand::Save:
      Save1Click();
      break;
    case MainMenuCommand::SaveAndTest:
      est1Click();
      break;
    case MainMenuCommand::Exit:
      Exit1Click();
      break;
  }
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam));
      return 0;
    case WM_CLOSE:
      if (FormCloseQuery()) ::DestroyWindow(Handle());
      return 0;
    default:
      return FormWindow::HandleMessage(message, wparam, lparam);
  }
}
