// The presentation window: fixed structure, resizing, the start-up tick and the window icon.
#include "player/win32/autorun_form.h"

#include "core/project_file.h"
#include "core/project_ops.h"
#include "ui/win32/application.h"
#include "ui/win32/bitmap_file.h"

namespace {

constexpr char kClassName[] = "TAutoRunForm";
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 10;  // ms
// Resource id of the built-in default glyph bitmap.
constexpr int kDefaultGlyphId = 2;

ui::PixelBitmap LoadDefaultGlyph() {
  ui::win32::GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
      ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kDefaultGlyphId), IMAGE_BITMAP,
                   0, 0, LR_CREATEDIBSECTION)));
  auto pixels = ui::win32::PixelsOfBitmap(bitmap.Get());
  return pixels ? *pixels : ui::PixelBitmap(32, 32, 0x00FF00FF);
}

}  // namespace

TAutoRunForm::TAutoRunForm() : FormWindow(form_) {
  // The window's own resource values; a loaded or new project replaces most of them.
  form_.SetCaption("AutoRun");
  form_.SetBorderStyle(ui::kBorderNone);
  form_.SetBorderIcons(ui::kIconSystemMenu);
  form_.SetBounds(0, 0, 466, 288);
  form_.SetPosition(ui::kPositionScreenCenter);
  Panel.BevelOuter = ui::kBevelNone;
  Panel1.BevelOuter = ui::kBevelNone;
  Panel1.SetParent(&Panel);
  Image1.Stretch = true;
  Image1.SetParent(&Panel1);
  Image2.Visible = false;
  Image2.AutoSize = true;
  Image2.Transparent = true;
  Image2.SetBounds(80, 8, 32, 32);
  Image2.SetParent(&Panel1);
}

TAutoRunForm::~TAutoRunForm() { SetIcon(nullptr, false); }

bool TAutoRunForm::Create() {
  default_glyph_ = LoadDefaultGlyph();
  if (!CreateForm(kClassName)) return false;
  FormCreate();
  ::SetTimer(Handle(), kTimer1, kTimer1Interval, nullptr);
  return true;
}

void TAutoRunForm::FormCreate() {
  // The window starts at zero size and stays invisible in practice until a project sizes it.
  Constructing = true;
  form_.SetWidth(0);
  form_.SetHeight(0);
  Constructing = false;
}

void TAutoRunForm::FormResize() {
  LayoutPanels();
  if (Constructing || app_ == nullptr) return;
  RenderBackground();
  app_->Modified = true;
}

void TAutoRunForm::LayoutPanels() {
  RECT client{};
  if (Handle() != nullptr) ::GetClientRect(Handle(), &client);
  const int32_t band = form_.BorderWidth();
  Panel.SetBounds(band, band, client.right - 2 * band, client.bottom - 2 * band);
  const ui::Rect inner = Panel.ContentRect();
  Panel1.SetBounds(inner.left, inner.top, inner.Width(), inner.Height());
  Image1.SetBounds(0, 0, inner.Width(), inner.Height());
}

void TAutoRunForm::RenderBackground() {
  LayoutPanels();
  if (Handle() != nullptr) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TAutoRunForm::AttachObjects() {
  if (app_ == nullptr) return;
  for (auto& object : app_->Project.Objects) {
    if (object->Control) object->Control->SetParent(&Panel1);
  }
}

void TAutoRunForm::SetIcon(HICON icon, bool owned) {
  if (Handle() != nullptr && icon != nullptr) {
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  if (icon_owned_ && icon_ != nullptr) ::DestroyIcon(icon_);
  icon_ = icon;
  icon_owned_ = owned;
}

void TAutoRunForm::LoadWindowIcon(const std::string& path) {
  HICON icon = static_cast<HICON>(::LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 32, 32,
                                                LR_LOADFROMFILE));
  if (icon != nullptr) SetIcon(icon, true);  // a file that cannot be loaded keeps the old icon
}

void TAutoRunForm::UseApplicationIcon() { SetIcon(ui::win32::Application::Icon(), false); }

void TAutoRunForm::Timer1Timer() {
  ::KillTimer(Handle(), kTimer1);
  app_->Modified = false;
  if (app_->DesignMode) return;

  const bool loaded = core::LoadProject(*app_, app_->ProjectFilePath);
  // A player left with no visible area (no project file, or one that is not a project) could
  // only be closed from the taskbar; it ends instead, once the message has been read.
  if (!loaded && (form_.Width() <= 0 || form_.Height() <= 0)) {
    ::DestroyWindow(Handle());
    return;
  }
  Panel1.Color = app_->Project.BackColor;
  core::BindAllObjects(*app_);
  RenderBackground();
  ui::win32::Application::SetTitle(form_.Caption());
  ui::win32::Application::SetTaskbarIcon(icon_ != nullptr ? icon_ : ui::win32::Application::Icon());
}

void TAutoRunForm::OnPaint(HDC dc, const RECT& client) {
  ui::win32::FillSolid(dc, client, Panel.Color);
  const RECT inner{Panel.Left + Panel1.Left, Panel.Top + Panel1.Top,
                   Panel.Left + Panel1.Left + Panel1.Width, Panel.Top + Panel1.Top + Panel1.Height};
  ui::win32::FillSolid(dc, inner, Panel1.Color);
}

LRESULT TAutoRunForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER && wparam == kTimer1) {
    Timer1Timer();
    return 0;
  }
  return FormWindow::HandleMessage(message, wparam, lparam);
}
