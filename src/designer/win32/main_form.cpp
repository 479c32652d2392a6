// The designer's main window.
#include "designer/win32/main_form.h"

#include <shellapi.h>

#include <algorithm>

#include "core/deployment.h"
#include "core/file_system.h"
#include "core/messages.h"
#include "core/project_file.h"
#include "core/project_ops.h"
#include "core/run_mode.h"
#include "core/settings_file.h"
#include "designer/cd_icon.h"
#include "designer/maker_contact.h"
#include "designer/tool_strip.h"
#include "designer/win32/about_box.h"
#include "designer/win32/designer_commands.h"
#include "designer/win32/help_contents.h"
#include "ui/win32/application.h"
#include "ui/win32/bitmap_file.h"
#include "ui/win32/common_dialogs.h"
#include "ui/win32/dialog_font.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/shell.h"
#include "ui/win32/wide_text.h"

namespace {

constexpr char kFolderPrompt[] = "Select the folder for CD files";
constexpr char kUnsavedChangesReason[] = "Unsaved changes to the menu design";
// Design units: on a screen above 96 DPI the strip is scaled as a whole.
constexpr SIZE kButtonSize{39, 38};
constexpr int kGlyphSize = 32;
constexpr int kLogoWidth = 173;
// Right of the tool bar's buttons (at 96 DPI from 414) lie the CD icon button, the align and size
// buttons, the read-out and Check Disc, and the logo at the strip's right end
// (designer/tool_strip.h).
constexpr int kArrangeBarGap = 8;
constexpr int kReadOutMargin = 8;
constexpr int kReadOutTop = 4;
// Wide enough for "1024, 768  1024 x 768" and a reference's name; before the strip wraps it
// shortens to what the pointer's place needs.
constexpr int kReadOutWidth = 120;
constexpr int kReadOutLeast = 60;
// Posted when the designer becomes the active program again.
constexpr UINT kOfferReloadMessage = WM_APP + 1;

}  // namespace

TMainForm::TMainForm(core::AppState& app, TAutoRunForm& autorun_form)
    : FormWindow(form_), app_(app), autorun_form_(autorun_form) {
  form_.SetCaption(core::kProductName);
  form_.SetBorderStyle(ui::kBorderSizeable);
  form_.SetBorderIcons(ui::kIconSystemMenu | ui::kIconMinimize | ui::kIconMaximize);
}

TMainForm::~TMainForm() {
  ui::win32::Application::SetAccelerators(Handle(), nullptr);
}

bool TMainForm::Create() {
  FormCreate();
  if (!CreateForm(L"TMainForm")) return false;
  MainMenu1 = BuildMainMenu();
  if (::SetMenu(Handle(), MainMenu1.Get())) MainMenu1.Disown();  // the window owns it now
  shortcuts_ = BuildMainShortcuts();
  ui::win32::Application::SetAccelerators(Handle(), shortcuts_.Get());
  if (!CreateStripControls()) return false;
  FormResize();
  return true;
}

bool TMainForm::CreateStripControls() {
  const ui::Scale& scale = DeviceScale();
  if (!ToolBar1.Create(Handle(), kButtonSize, ToolBarButtons(), scale)) return false;
  HINSTANCE module = ::GetModuleHandleW(nullptr);
  SpeedButton1 = ::CreateWindowExW(
      0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 0, 0, Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCmdCDIcon)), module, nullptr);
  Panel1 =
      ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_OWNERDRAW,
                        0, 0, 0, 0, Handle(), nullptr, module, nullptr);
  if (SpeedButton1 == nullptr || Panel1 == nullptr) return false;
  // Both lie over the tool bar's free right part.
  ::SetWindowPos(Panel1, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ToolBar1.AddHint(SpeedButton1, "CD Icon");
  if (!ArrangeBar.Create(Handle(), kButtonSize, ArrangeBarButtons(), scale, true)) return false;
  // Check Disc stands apart, so that every other button keeps its place.
  if (!DiscBar.Create(Handle(), kButtonSize, DiscBarButtons(), scale, true)) return false;
  ReadOutText = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                  0, 0, 0, 0, Handle(), nullptr, module, nullptr);
  if (ReadOutText == nullptr) return false;
  ::SetWindowPos(ReadOutText, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ScaleStripPictures();
  return true;
}

designer::StripMeasures TMainForm::StripMeasures() const {
  const ui::Scale& scale = DeviceScale();
  const int32_t button = scale.ToDevice(kButtonSize.cx);
  designer::StripMeasures m;
  for (const ui::win32::ToolBar::Group& group : ToolBar1.Groups()) {
    m.bar_groups.push_back({group.width, group.gap});
  }
  m.cd_icon = {button, scale.ToDevice(kArrangeBarGap)};
  m.arrange = static_cast<int32_t>(ArrangeBarButtons().size()) * button;
  m.margin = scale.ToDevice(kReadOutMargin);
  m.read_out = scale.ToDevice(kReadOutWidth);
  m.read_out_least = scale.ToDevice(kReadOutLeast);
  m.disc = static_cast<int32_t>(DiscBarButtons().size()) * button;
  m.logo = scale.ToDevice(kLogoWidth);
  return m;
}

void TMainForm::ScaleStripPictures() {
  const ui::Scale& scale = DeviceScale();
  HGDIOBJ font = ::GetStockObject(DEFAULT_GUI_FONT);
  if (!scale.IsIdentity()) {
    read_out_font_ = ui::win32::CreateDialogFont(scale);
    font = read_out_font_.Get();
  }
  ::SendMessageW(ReadOutText, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  logo_ = ui::win32::LoadArtwork(QUORVANE_BITMAP_LOGO, scale);
  cd_icon_glyph_.Resize(scale.ToDevice(ui::Size{kGlyphSize, kGlyphSize}));
  UpdateCDIconButton();
}

void TMainForm::OnScaleChanged() {
  ToolBar1.Rescale(DeviceScale());
  ArrangeBar.Rescale(DeviceScale());
  DiscBar.Rescale(DeviceScale());
  ScaleStripPictures();
  FormResize();
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TMainForm::SetCanvas(TEditForm& canvas) {
  EditForm = &canvas;
  canvas.Connect(*this, Handle());
  canvas.SetReadOut(*this);
  canvas.Undo().OnModifiedChange([this] { UpdateCaption(); });
  canvas.Editor().Snap = core::ReadSnapSettings(core::ReadSettingsFile(SettingsFile()));
  autorun_form_.DesignStartTick = [this] { EditForm->Undo().StartTick(); };
}

void TMainForm::FormCreate() {
  form_.SetBounds(0, 0, app_.platform.ScreenSize().width, 100);
  BaseCaption = form_.Caption();
  ClosingAllowed = false;
}

void TMainForm::FormResize() {
  if (Handle() == nullptr || ToolBar1.Handle() == nullptr) return;
  const ui::Scale& scale = DeviceScale();
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const designer::StripLayout strip = designer::LayOutStrip(client.right, StripMeasures());
  std::vector<bool> starts;
  for (size_t i = 0; i < strip.bar_groups.size(); ++i) {
    starts.push_back(i > 0 && strip.bar_groups[i].row > strip.bar_groups[i - 1].row);
  }
  ToolBar1.StartRows(starts);
  ::SendMessageW(ToolBar1.Handle(), TB_AUTOSIZE, 0, 0);
  // The client area (design units) is the least that shows every row: the bar's own rows, with
  // the bar's margin below them, and the rows of the pieces after it.
  const LONG row_height = scale.ToDevice(kButtonSize.cy);
  const int32_t bar_rows = strip.bar_groups.empty() ? 1 : strip.bar_groups.back().row + 1;
  const LONG height = ToolBar1.Extent().cy + (strip.rows - bar_rows) * row_height;
  const ui::Size design_client = DesignClientSize();
  const int32_t design_height = scale.ToDesign(height - 1) + 1;
  if (design_client.height != design_height) SetClientSize(design_client.width, design_height);
  const auto top = [row_height](const designer::StripPlace& at) { return at.row * row_height; };
  // Above the bar, which lies across the window's top.
  ::SetWindowPos(SpeedButton1, HWND_TOP, strip.cd_icon.left, top(strip.cd_icon),
                 strip.cd_icon.width, row_height, 0);
  ArrangeBar.MoveTo(strip.arrange.left, top(strip.arrange));
  const LONG read_out_top = scale.ToDevice(kReadOutTop);
  ::MoveWindow(ReadOutText, strip.read_out.left, top(strip.read_out) + read_out_top,
               strip.read_out.width, row_height - read_out_top, TRUE);
  DiscBar.MoveTo(strip.disc.left, top(strip.disc));
  // The logo at the right end of the first row, while it shows.
  const LONG logo = scale.ToDevice(kLogoWidth);
  ::MoveWindow(Panel1, client.right - logo, 0, logo, row_height, TRUE);
  ::ShowWindow(Panel1, strip.logo_shown ? SW_SHOWNA : SW_HIDE);
}

void TMainForm::ShowReadOut(const std::string& text) {
  if (ReadOutText == nullptr) return;
  const std::wstring wide = ui::win32::WideOf(text);
  wchar_t shown[128] = L"";
  ::GetWindowTextW(ReadOutText, shown, static_cast<int>(std::size(shown)));
  if (wide != shown) ::SetWindowTextW(ReadOutText, wide.c_str());  // no flicker while it stays
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
  if (!app_.CDFolder.empty() && !MayUseFolder(app_.CDFolder)) app_.CDFolder.clear();
  if (!app_.CDFolder.empty()) {
    // There is no design yet to stay with: one that could not be read shows what it put in place,
    // and a save asks before it replaces the file.
    if (!OpenProject(DesignFilePath())) {
      ShowOpenedDesign();
      design_file_ = {core::fs::Stat(DesignFilePath()), false, {}};
    }
    folder_lock_.Hold(app_.CDFolder);
  } else {
    // Asked again after a folder whose design could not be read, until one opens or the author
    // gives up.
    while (Open1Click() == OpenOutcome::Failed) {
    }
  }
  if (!app_.CDFolder.empty()) {
    UpdateCDIconButton();
    EditForm->Undo().CountStartAsChange();
  } else {
    Close();  // no folder chosen: the designer ends
  }
}

void TMainForm::UpdateCaption() {
  const std::string caption =
      app_.CDFolder.empty() ? BaseCaption : app_.CDFolder + " - " + BaseCaption;
  form_.SetCaption(Modified() ? "*" + caption : caption);
}

bool TMainForm::Modified() const {
  // Without a CD folder there is no design of the author's yet, and nothing to save it to.
  return !app_.CDFolder.empty() && EditForm != nullptr && EditForm->Undo().Modified();
}

std::string TMainForm::SettingsFile() const {
  return core::SettingsFilePath(app_.ExePath);
}

void TMainForm::est1Click() {
  Save1Click();  // the deployed player starts whether or not this save succeeded
  // Quoted, so that a folder name with blanks cannot make Windows start another program.
  std::wstring player =
      ui::win32::WideOf("\"" + app_.CDFolder + "\\" + core::kPlayerFileName + "\"");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (::CreateProcessW(nullptr, player.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &started)) {
    ::CloseHandle(started.hThread);  // the player runs on its own
    ::CloseHandle(started.hProcess);
  }
}

TMainForm::OpenOutcome TMainForm::Open1Click() {
  if (!AskToSaveChanges()) return OpenOutcome::Cancelled;
  return BrowseAndOpen();
}

TMainForm::OpenOutcome TMainForm::BrowseAndOpen() {
  // A CD folder that has vanished stays the CD folder when the author cancels: the caption, the
  // save prompt and a save go on naming it, and a save reports it missing instead of writing
  // elsewhere. The browser then starts at no folder.
  const std::string start = core::fs::DirectoryExists(app_.CDFolder) ? app_.CDFolder : "";
  const auto chosen = ChooseFolder(kFolderPrompt, start, false);
  if (!chosen) return OpenOutcome::Cancelled;
  return OpenFolder(*chosen) ? OpenOutcome::Opened : OpenOutcome::Failed;
}

bool TMainForm::OpenFolder(std::string folder) {
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();  // a drive root: "D:"
  const std::string previous_folder = app_.CDFolder;
  const designer::DesignSnapshot previous_design = EditForm->Undo().Snapshot();
  const ui::Form& window = autorun_form_.WindowProperties();
  const ui::Point previous_place{window.Left(), window.Top()};
  app_.CDFolder = folder;
  const int32_t previous_reference = EditForm->Editor().ReferenceIndex();
  if (!OpenProject(DesignFilePath())) {
    // A save must not write the old design over the file that could not be read.
    app_.CDFolder = previous_folder;
    EditForm->Undo().PutBack(previous_design, previous_place);
    EditForm->Editor().KeepReferenceAt(previous_reference);
    EditForm->CopyFrameFromPresentation();
    EditForm->FormResize();
    return false;
  }
  // The list of recent folders is a convenience: a settings file that cannot be written is
  // reported by the next save, which writes it too.
  core::RememberRecentFolder(SettingsFile(), app_.CDFolder);
  saved_at_.reset();  // not saved into this folder yet
  folder_lock_.Hold(app_.CDFolder);
  UpdateCDIconButton();
  return true;
}

void TMainForm::OpenRecentFolder(size_t index) {
  const std::vector<std::string> folders =
      core::RecentFolders(core::ReadSettingsFile(SettingsFile()));
  if (index >= folders.size()) return;
  if (!core::fs::DirectoryExists(folders[index])) {
    core::ShowDirectoryNotFound(app_.platform, folders[index]);
    return;
  }
  if (!AskToSaveChanges()) return;
  if (MayUseFolder(folders[index])) {
    OpenFolder(folders[index]);
  } else {
    BrowseAndOpen();
  }
}

bool TMainForm::OpenProject(const std::string& path) {
  // Taken before the read: a change while it reads shows as a change afterwards.
  const designer::FileFacts read = core::fs::Stat(path);
  if (!core::fs::FileExists(path)) {
    NewProject();
  } else if (!core::LoadProject(app_, path)) {
    return false;  // the reader has reported it
  }
  design_file_ = {read, true, {}};
  ShowOpenedDesign();
  return true;
}

void TMainForm::ShowOpenedDesign() {
  EditForm->CopyFrameFromPresentation();
  EditForm->FormResize();
  EditForm->RefreshCanvas();
  EditForm->Undo().Reset();  // another design: nothing to undo or redo, nothing changed
  EditForm->Editor().KeepReferenceAt(-1);
  UpdateCaption();
}

bool TMainForm::QueryEndSession() {
  if (!Modified()) return true;
  // Windows names the reason while the designer holds the session up, the prompt included.
  end_session_block_.Create(Handle(), kUnsavedChangesReason);
  const bool may_end = AskToSaveChanges();
  if (may_end) end_session_block_.Destroy();
  return may_end;
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
  const ui::win32::ModalScope modal(Handle());
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
  const ui::Size size = cd_icon_glyph_.GetSize();
  const RECT all{0, 0, size.width, size.height};
  ui::win32::FillSolid(dc, all, ui::kColorButtonFace);
  const std::string icon_file = designer::CdIconPath(app_);
  ui::win32::OwnedIcon loaded;
  if (!app_.CDFolder.empty() && core::fs::FileExists(icon_file)) {
    loaded.Reset(
        static_cast<HICON>(::LoadImageW(nullptr, ui::win32::WideOf(icon_file).c_str(), IMAGE_ICON,
                                        size.width, size.height, LR_LOADFROMFILE)));
  }
  ::DrawIconEx(dc, 0, 0, loaded ? loaded.Get() : ui::win32::Application::Icon(), size.width,
               size.height, 0, nullptr, DI_NORMAL);
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
    const ui::Size glyph = cd_icon_glyph_.GetSize();
    const int x = (item.rcItem.right - glyph.width) / 2 + shift;
    const int y = (item.rcItem.bottom - glyph.height) / 2 + shift;
    ::BitBlt(item.hDC, x, y, glyph.width, glyph.height, cd_icon_glyph_.Dc(), 0, 0, SRCCOPY);
  } else if (item.hwndItem == Panel1 && logo_) {
    // The logo is centred in its image at the panel's right edge.
    const SIZE size = ui::win32::BitmapSize(logo_.Get());
    const int width = DeviceScale().ToDevice(kLogoWidth);
    ui::win32::DrawKeyedBitmap(item.hDC, logo_.Get(),
                               item.rcItem.right - width + (width - size.cx) / 2,
                               (item.rcItem.bottom - size.cy) / 2);
  }
}

void TMainForm::HelpContentsandIndex1Click() {
  OpenHelpContents(Handle(), app_);
}

void TMainForm::echnialSupport1Click() {
  const std::string mail = std::string("mailto: ") + designer::kSupportAddress;
  ::ShellExecuteW(Handle(), nullptr, ui::win32::WideOf(mail).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

void TMainForm::HomePage1Click() {
  ::ShellExecuteW(Handle(), L"Open", ui::win32::WideOf(designer::kHomePage).c_str(), nullptr,
                  nullptr, SW_SHOW);
}

void TMainForm::About1Click() {
  ShowAboutBox(Handle());
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam));
      return 0;
    case WM_ACTIVATEAPP:
      // Asked once the activation is over, not in the middle of it.
      if (wparam) ::PostMessageW(Handle(), kOfferReloadMessage, 0, 0);
      break;
    case kOfferReloadMessage:
      OfferReload();
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header->code == TTN_GETDISPINFOW) {
        auto* tip = reinterpret_cast<NMTTDISPINFOW*>(lparam);
        const int id = static_cast<int>(header->idFrom);
        const char* hint = ToolBar1.HintFor(id);
        for (const ui::win32::ToolBar* bar : {&ArrangeBar, &DiscBar}) {
          if (hint == nullptr) hint = bar->HintFor(id);
        }
        if (hint != nullptr) {
          ::lstrcpynW(tip->szText, ui::win32::WideOf(hint).c_str(),
                      static_cast<int>(std::size(tip->szText)));
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
      const UINT first = ::GetMenuItemID(popup, 0);
      if (first == kCmdUndo) {
        ShowUndoState(popup, EditForm->Undo().History());
        TEditForm::ShowPasteState(popup);
        ShowEditState(popup, EditForm->Editor().Facts());
      }
      ShowSnapState(popup, EditForm->Editor().Snap);
      if (first == kCmdAlignLefts) {
        const auto& objects = app_.Project.Objects;
        ShowArrangeState(popup, static_cast<size_t>(std::count_if(
                                    objects.begin(), objects.end(),
                                    [](const auto& object) { return object->Selected; })));
      }
      if (first == kCmdOpen) {
        ShowRecentFolders(popup, core::RecentFolders(core::ReadSettingsFile(SettingsFile())));
      }
      return 0;
    }
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_CLOSE:
      if (FormCloseQuery()) ::DestroyWindow(Handle());
      return 0;
    case WM_QUERYENDSESSION:
      return QueryEndSession() ? TRUE : FALSE;
    case WM_ENDSESSION:
      // The session ends, or another program kept it from ending: the reason has done its work.
      end_session_block_.Destroy();
      return 0;
    default:
      break;
  }
  return FormWindow::HandleMessage(message, wparam, lparam);
}
