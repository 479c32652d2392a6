// The designer's main window.
#include "designer/win32/main_form.h"

#include <shellapi.h>

#include "core/deployment.h"
#include "core/file_system.h"
#include "core/paths.h"
#include "core/project_file.h"
#include "core/project_ops.h"
#include "core/run_mode.h"
#include "designer/cd_icon.h"
#include "designer/maker_contact.h"
#include "designer/win32/about_box.h"
#include "designer/win32/designer_commands.h"
#include "designer/win32/folder_browser.h"
#include "ui/win32/application.h"
#include "ui/win32/common_dialogs.h"
#include "ui/win32/shell.h"

namespace {

constexpr char kProductName[] = "Quorvane";
constexpr char kFolderPrompt[] = "Select the folder for CD files";
constexpr char kHelpFileName[] = "Quorvane.hlp";
// Resource ids of the tool bar's image strip and the logo.
constexpr int kToolBarImagesId = 5;
constexpr int kLogoId = 6;
constexpr SIZE kButtonSize{39, 38};
constexpr int kCDIconButtonLeft = 414;
constexpr int kLogoPanelLeft = 453;
constexpr int kLogoWidth = 173;
constexpr UINT kHelpFinder = 11;  // WinHelp's contents-and-index command

}  // namespace

TMainForm::TMainForm(core::AppState& app, TAutoRunForm& autorun_form)
    : FormWindow(form_), app_(app), autorun_form_(autorun_form) {
  form_.SetCaption(kProductName);
  form_.SetBorderStyle(ui::kBorderSizeable);
  form_.SetBorderIcons(ui::kIconSystemMenu | ui::kIconMinimize | ui::kIconMaximize);
}

TMainForm::~TMainForm() {
  ui::win32::Application::SetAccelerators(Handle(), nullptr);
}

bool TMainForm::Create() {
  FormCreate();
  if (!CreateForm("TMainForm")) return false;
  MainMenu1 = BuildMainMenu();
  if (::SetMenu(Handle(), MainMenu1.Get())) MainMenu1.Disown();  // the window owns it now
  shortcuts_ = BuildMainShortcuts();
  ui::win32::Application::SetAccelerators(Handle(), shortcuts_.Get());
  if (!CreateStripControls()) return false;
  FormResize();
  return true;
}

bool TMainForm::CreateStripControls() {
  if (!ToolBar1.Create(Handle(), kToolBarImagesId, kButtonSize, ToolBarButtons())) return false;
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  SpeedButton1 =
      ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, kCDIconButtonLeft, 0,
                        kButtonSize.cx, kButtonSize.cy, Handle(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCmdCDIcon)), module, nullptr);
  Panel1 = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, kLogoPanelLeft,
                             0, 213, kButtonSize.cy, Handle(), nullptr, module, nullptr);
  if (SpeedButton1 == nullptr || Panel1 == nullptr) return false;
  // Both lie over the tool bar's free right part.
  ::SetWindowPos(SpeedButton1, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::SetWindowPos(Panel1, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ToolBar1.AddHint(SpeedButton1, "CD Icon");
  logo_.Reset(static_cast<HBITMAP>(
      ::LoadImageA(module, MAKEINTRESOURCEA(kLogoId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  cd_icon_glyph_.Resize({32, 32});
  UpdateCDIconButton();
  return true;
}

void TMainForm::SetCanvas(TEditForm& canvas) {
  EditForm = &canvas;
  canvas.Connect(*this, Handle());
}

void TMainForm::FormCreate() {
  form_.SetBounds(0, 0, app_.platform.ScreenSize().width, 100);
  BaseCaption = form_.Caption();
  ClosingAllowed = false;
}

void TMainForm::FormResize() {
  if (Handle() == nullptr || ToolBar1.Handle() == nullptr) return;
  ::SendMessageA(ToolBar1.Handle(), TB_AUTOSIZE, 0, 0);
  const SIZE bar = ToolBar1.Extent();
  RECT client{};
  ::GetClientRect(Handle(), &client);
  if (client.bottom != bar.cy) SetClientSize(client.right, bar.cy);
  // The logo sits at the right end of the strip.
  ::MoveWindow(Panel1, kLogoPanelLeft, 0, std::max<LONG>(bar.cx - kLogoPanelLeft, 0),
               kButtonSize.cy, TRUE);
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
    UpdateCDIconButton();
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
      if (!core::DeployToCDFolder(app_, app_.CDFolder)) return false;
      EditForm->Undo().NoteSaved();
      return true;
    case ui::MessageResult::No:
      return true;
    default:
      return false;
  }
}

bool TMainForm::Save1Click() {
  if (!core::DeployToCDFolder(app_, app_.CDFolder)) return false;
  app_.Modified = false;
  EditForm->Undo().NoteSaved();
  return true;
}

void TMainForm::est1Click() {
  Save1Click();  // the deployed player starts whether or not this save succeeded
  // Quoted, so that a folder name with blanks cannot make Windows start another program.
  const std::string player = "\"" + app_.CDFolder + "\\" + core::kPlayerFileName + "\"";
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
  UpdateCDIconButton();
}

void TMainForm::OpenProject(const std::string& path) {
  bool loaded = false;
  if (core::fs::FileExists(path)) {
    loaded = core::LoadProject(app_, path);  // a failed load has reported itself
  } else {
    NewProject();
  }
  EditForm->CopyFrameFromPresentation();
  EditForm->FormResize();
  EditForm->RefreshCanvas();
  UpdateCaption();
  app_.Modified = false;
  EditForm->Undo().Reset(loaded);  // another design: nothing to undo or redo
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

void TMainForm::SelectCDIcon1Click() {
  // A typed name of a file that does not exist is taken; the copy then reports it.
  const auto chosen = ui::win32::ChooseOpenFile(Handle(), "Icons (*.ico)|*.ico", "",
                                                designer::CdIconPath(app_), false);
  if (!chosen) return;
  if (designer::ReplaceCdIcon(app_, *chosen) == designer::CdIconChange::Replaced) {
    UpdateCDIconButton();
  }
}

void TMainForm::UpdateCDIconButton() {
  HDC dc = cd_icon_glyph_.Dc();
  if (dc == nullptr) return;
  const RECT all{0, 0, 32, 32};
  ui::win32::FillSolid(dc, all, ui::kColorButtonFace);
  const std::string icon_file = designer::CdIconPath(app_);
  ui::win32::OwnedIcon loaded;
  if (!app_.CDFolder.empty() && core::fs::FileExists(icon_file)) {
    loaded.Reset(static_cast<HICON>(
        ::LoadImageA(nullptr, icon_file.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE)));
  }
  ::DrawIconEx(dc, 0, 0, loaded ? loaded.Get() : ui::win32::Application::Icon(), 32, 32, 0, nullptr,
               DI_NORMAL);
  ::GdiFlush();
  if (SpeedButton1 != nullptr) ::InvalidateRect(SpeedButton1, nullptr, FALSE);
}

void TMainForm::DrawItem(const DRAWITEMSTRUCT& item) {
  ui::win32::FillSolid(item.hDC, item.rcItem, ui::kColorButtonFace);
  if (item.hwndItem == SpeedButton1) {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    RECT edge = item.rcItem;
    if (pressed) ::DrawEdge(item.hDC, &edge, BDR_SUNKENOUTER, BF_RECT);
    const int shift = pressed ? 1 : 0;
    const int x = (item.rcItem.right - 32) / 2 + shift;
    const int y = (item.rcItem.bottom - 32) / 2 + shift;
    ::BitBlt(item.hDC, x, y, 32, 32, cd_icon_glyph_.Dc(), 0, 0, SRCCOPY);
  } else if (item.hwndItem == Panel1 && logo_) {
    // The logo is centred in its image at the panel's right edge.
    const SIZE size = ui::win32::BitmapSize(logo_.Get());
    ui::win32::DrawKeyedBitmap(item.hDC, logo_.Get(),
                               item.rcItem.right - kLogoWidth + (kLogoWidth - size.cx) / 2,
                               (item.rcItem.bottom - size.cy) / 2);
  }
}

void TMainForm::HelpContentsandIndex1Click() {
  const std::string help =
      core::FolderWithoutTrailingBackslash(app_.ExePath) + "\\" + kHelpFileName;
  ::WinHelpA(Handle(), help.c_str(), kHelpFinder, 0);
}

void TMainForm::echnialSupport1Click() {
  const std::string mail = std::string("mailto: ") + designer::kSupportAddress;
  ::ShellExecuteA(Handle(), nullptr, mail.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TMainForm::HomePage1Click() {
  ::ShellExecuteA(Handle(), "Open", designer::kHomePage, nullptr, nullptr, SW_SHOW);
}

void TMainForm::About1Click() {
  ShowAboutBox(Handle());
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
  designer::CanvasEditor& canvas = EditForm->Editor();
  TEditForm& edit = *EditForm;
  switch (id) {
    case kCmdOpen:
      Open1Click();
      break;
    case kCmdSave:
      Save1Click();
      break;
    case kCmdSaveAndTest:
      est1Click();
      break;
    case kCmdExit:
      Exit1Click();
      break;
    case kCmdUndo:
      edit.UndoStep();
      break;
    case kCmdRedo:
      edit.RedoStep();
      break;
    case kCmdFormProperties:
      edit.AsStep("Form Properties", [&] { edit.EditFormProperties(); });
      break;
    case kCmdStartLink:
      edit.AsStep("Start Link", [&] { edit.EditStartLink(); });
      break;
    case kCmdObjectProperties:
      edit.AsStep("Object Properties", [&] { edit.EditObjectProperties(); });
      break;
    case kCmdObjectLink:
      edit.AsStep("Object Link", [&] { edit.EditObjectLink(); });
      break;
    case kCmdDelete:
      edit.AsStep("Delete", [&] { canvas.DeleteSelected(); });
      break;
    case kCmdClear:
      edit.AsStep("Clear", [&] { canvas.ClearDesign(); });
      break;
    case kCmdBringToFront:
      edit.AsStep("Bring to Front", [&] { canvas.BringSelectedToFront(); });
      break;
    case kCmdSendToBack:
      edit.AsStep("Send to Back", [&] { canvas.SendSelectedToBack(); });
      break;
    case kCmdSelectAll:
      canvas.SelectAll();
      break;
    case kCmdSelectCDIcon:
    case kCmdCDIcon:
      SelectCDIcon1Click();
      break;
    case kCmdHelpContents:
      HelpContentsandIndex1Click();
      break;
    case kCmdTechnicalSupport:
      echnialSupport1Click();
      break;
    case kCmdHomePage:
      HomePage1Click();
      break;
    case kCmdAbout:
      About1Click();
      break;
    default:
      break;  // the tool buttons only change which tool is down
  }
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam));
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header->code == TTN_GETDISPINFOA) {
        auto* tip = reinterpret_cast<NMTTDISPINFOA*>(lparam);
        if (const char* hint = ToolBar1.HintFor(static_cast<int>(header->idFrom))) {
          tip->lpszText = const_cast<char*>(hint);
        }
        return 0;
      }
      break;
    }
    case WM_ERASEBKGND: {
      // The flat tool bar is see-through: it asks its parent for the face beneath its buttons.
      RECT client{};
      ::GetClientRect(Handle(), &client);
      ui::win32::FillSolid(reinterpret_cast<HDC>(wparam), client, ui::kColorButtonFace);
      return 1;
    }
    case WM_INITMENUPOPUP: {
      HMENU popup = reinterpret_cast<HMENU>(wparam);
      if (::GetMenuItemID(popup, 0) == kCmdUndo) ShowUndoState(popup, EditForm->Undo().History());
      return 0;
    }
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_CLOSE:
      if (FormCloseQuery()) ::DestroyWindow(Handle());
      return 0;
    default:
      break;
  }
  return FormWindow::HandleMessage(message, wparam, lparam);
}
