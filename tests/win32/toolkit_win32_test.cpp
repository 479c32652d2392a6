// The toolkit's Win32 side: the GDI canvas (origin, clip, system colours, text, glyphs), the
// back-buffer surface, window frames and the colour key, the shell and the sound channel.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <string>

#include "fake_desktop.h"
#include "ui/form.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/form_window.h"
#include "ui/win32/gdi_canvas.h"
#include "ui/win32/mci_player.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/shell.h"

namespace ui::win32 {
namespace {

uint32_t PixelOf(COLORREF c) {
  return (uint32_t{GetRValue(c)} << 16) | (uint32_t{GetGValue(c)} << 8) | GetBValue(c);
}

class Surface : public ::testing::Test {
 protected:
  Surface() {
    EXPECT_TRUE(surface.Resize({40, 30}));
    GdiCanvas canvas(surface.Dc());
    canvas.FillRect({0, 0, 40, 30}, 0x000000);
  }
  int Count(uint32_t pixel, const Rect& area) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) n += surface.PixelAt(x, y) == pixel ? 1 : 0;
    }
    return n;
  }
  DibSurface surface;
};

TEST_F(Surface, FillsFollowTheOriginAndStayInsideTheClip) {
  {
    GdiCanvas canvas(surface.Dc());
    CanvasScope scope(canvas, {10, 5}, Rect{0, 0, 8, 8});
    canvas.FillRect({-5, -5, 20, 20}, Rgb(255, 0, 0));
  }
  EXPECT_EQ(Count(0xFF0000, {10, 5, 18, 13}), 64);
  EXPECT_EQ(Count(0xFF0000, {0, 0, 40, 30}), 64) << "nothing outside the clip";
  {
    GdiCanvas canvas(surface.Dc());
    canvas.FillRect({0, 0, 2, 2}, Rgb(0, 0, 255));  // the scope's origin is gone again
  }
  EXPECT_EQ(surface.PixelAt(0, 0), 0x0000FFu);
}

TEST_F(Surface, SystemColoursAreResolvedToTheirCurrentValue) {
  {
    GdiCanvas canvas(surface.Dc());
    canvas.FillRect({0, 0, 4, 4}, kColorButtonFace);
    canvas.FillRect({4, 0, 8, 4}, kColorButtonShadow);
  }
  EXPECT_EQ(surface.PixelAt(1, 1), PixelOf(::GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(surface.PixelAt(5, 1), PixelOf(::GetSysColor(COLOR_BTNSHADOW)));
}

TEST_F(Surface, GlyphKeyColourIsNotPainted) {
  PixelBitmap glyph(4, 4, 0x00FF00FF);
  glyph.Set(1, 1, 0x0000FF00);
  {
    GdiCanvas canvas(surface.Dc());
    canvas.DrawBitmap(glyph, {10, 10}, true);
    canvas.DrawBitmap(glyph, {20, 10}, false);
  }
  EXPECT_EQ(surface.PixelAt(11, 11), 0x00FF00u);
  EXPECT_EQ(surface.PixelAt(10, 10), 0x000000u) << "magenta (the bottom-left colour) left out";
  EXPECT_EQ(surface.PixelAt(20, 10), 0xFF00FFu) << "drawn as it is when not transparent";
}

TEST_F(Surface, TextIsDrawnInItsColourInsideItsBox) {
  Font font;
  font.name = "Tahoma";
  font.size = 12;
  font.color = Rgb(0, 255, 0);
  {
    GdiCanvas canvas(surface.Dc());
    CanvasScope scope(canvas, {0, 0}, Rect{0, 0, 20, 30});
    canvas.DrawText("MMMMMMMM", {0, 0, 40, 30}, font, TextFormat{});
  }
  EXPECT_GT(Count(0x00FF00, {0, 0, 20, 30}), 10);
  EXPECT_EQ(Count(0x00FF00, {20, 0, 40, 30}), 0) << "clipped to the scope";
}

TEST(GdiCanvasText, MeasuringGrowsWithTheTextAndWrapsIntoLines) {
  DibSurface surface;
  ASSERT_TRUE(surface.Resize({10, 10}));
  GdiCanvas canvas(surface.Dc());
  Font font;
  const Size one = canvas.MeasureText("Quorvane", font, 0);
  const Size two = canvas.MeasureText("Quorvane Quorvane", font, 0);
  EXPECT_GT(one.width, 0);
  EXPECT_GT(one.height, 0);
  EXPECT_GT(two.width, one.width);
  EXPECT_EQ(two.height, one.height);
  const Size wrapped = canvas.MeasureText("Quorvane Quorvane", font, one.width + 2);
  EXPECT_EQ(wrapped.height, 2 * one.height);
  const Size empty = canvas.MeasureText("", font, 0);
  EXPECT_EQ(empty.width, 0);
  EXPECT_EQ(empty.height, one.height) << "an empty caption still takes a line";
  Font big = font;
  big.size = 24;
  EXPECT_GT(canvas.MeasureText("Quorvane", big, 0).height, one.height);
}

TEST(DesignFonts, StyleFlagsReachTheGdiFont) {
  Font font;
  font.name = "Arial";
  font.style = kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut;
  GdiObject<HFONT> gdi = CreateDesignFont(font);
  ASSERT_TRUE(gdi);
  LOGFONTA log{};
  ASSERT_NE(::GetObjectA(gdi.Get(), sizeof log, &log), 0);
  EXPECT_EQ(log.lfWeight, FW_BOLD);
  EXPECT_TRUE(log.lfItalic && log.lfUnderline && log.lfStrikeOut);
  EXPECT_STREQ(log.lfFaceName, "Arial");
  EXPECT_LT(log.lfHeight, 0) << "a size in points, not a cell height";
}

// A window mirroring a Form, as the program's windows do.
class MirrorWindow : public FormWindow {
 public:
  MirrorWindow() : FormWindow(form) {}
  bool Create() { return CreateForm(L"QuorvaneTestMirror"); }
  ui::Form form;
};

TEST(FormWindows, FramesFollowTheBorderStyle) {
  MirrorWindow w;
  w.form.SetBorderStyle(kBorderNone);
  w.form.SetBounds(100, 50, 300, 200);
  ASSERT_TRUE(w.Create());
  RECT outer{}, client{};
  ::GetWindowRect(w.Handle(), &outer);
  ::GetClientRect(w.Handle(), &client);
  EXPECT_EQ(outer.right - outer.left, 300);
  EXPECT_EQ(client.right, 300) << "no frame: the client area is the whole window";
  EXPECT_EQ(client.bottom, 200);

  w.form.SetBorderStyle(kBorderSizeable);
  EXPECT_NE(::GetWindowLongA(w.Handle(), GWL_STYLE) & WS_THICKFRAME, 0);
  ::GetClientRect(w.Handle(), &client);
  EXPECT_LT(client.bottom, 200) << "a title bar takes room now";
  w.form.SetBorderStyle(kBorderToolWindow);
  EXPECT_NE(::GetWindowLongA(w.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_EQ(::GetWindowLongA(w.Handle(), GWL_STYLE) & WS_THICKFRAME, 0);
}

TEST(FormWindows, TheColourKeyMakesALayeredWindowAndGoesAwayAgain) {
  MirrorWindow w;
  w.form.SetBounds(0, 0, 100, 100);
  ASSERT_TRUE(w.Create());
  EXPECT_EQ(::GetWindowLongA(w.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  w.form.SetTransparentColorValue(Rgb(0, 255, 0));
  w.form.SetTransparentColor(true);
  ASSERT_NE(::GetWindowLongA(w.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  COLORREF key = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(w.Handle(), &key, nullptr, &flags));
  EXPECT_EQ(key, RGB(0, 255, 0));
  EXPECT_NE(flags & LWA_COLORKEY, 0u);
  w.form.SetTransparentColor(false);
  EXPECT_EQ(::GetWindowLongA(w.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

TEST(FormWindows, SizesTheUserMakesAreWrittenBack) {
  MirrorWindow w;
  w.form.SetBorderStyle(kBorderSizeable);
  w.form.SetBounds(10, 10, 200, 150);
  ASSERT_TRUE(w.Create());
  ::SetWindowPos(w.Handle(), nullptr, 30, 40, 250, 180, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(w.form.BoundsRect(), Rect::FromBounds(30, 40, 250, 180));
}

TEST(FormWindows, AModalScopeHoldsEveryOtherShownWindowOfTheProgram) {
  MirrorWindow owner, other, hidden, disabled;
  for (MirrorWindow* w : {&owner, &other, &hidden, &disabled}) {
    w->form.SetBounds(0, 0, 50, 50);
    ASSERT_TRUE(w->Create());
    if (w != &hidden) ::ShowWindow(w->Handle(), SW_SHOWNOACTIVATE);
  }
  ::EnableWindow(disabled.Handle(), FALSE);
  {
    const ModalScope modal(owner.Handle());
    EXPECT_TRUE(::IsWindowEnabled(owner.Handle())) << "the dialog disables its owner itself";
    EXPECT_FALSE(::IsWindowEnabled(other.Handle()));
    EXPECT_TRUE(::IsWindowEnabled(hidden.Handle()));
  }
  EXPECT_TRUE(::IsWindowEnabled(other.Handle()));
  EXPECT_FALSE(::IsWindowEnabled(disabled.Handle())) << "what was disabled before stays so";
}

TEST(Shell, FailuresComeBackAsTheShellsCodes) {
  testing_support::TempFolder dir;
  dir.Write("doc.qzx9", "no program opens this");
  EXPECT_EQ(ShellExecuteRequest(nullptr, "open", dir.File("missing.exe"), "", "", SW_SHOWNORMAL),
            SE_ERR_FNF);
  EXPECT_EQ(ShellExecuteRequest(nullptr, "print", dir.File("doc.qzx9"), "", "", SW_SHOWNORMAL),
            SE_ERR_NOASSOC);
}

TEST(SoundChannel, FilesThatCannotBePlayedLeaveTheChannelClosed) {
  testing_support::TempFolder dir;
  dir.Write("noise.wav", "this is not a wave file at all");
  MciPlayer player;
  EXPECT_FALSE(player.Play(dir.File("missing.wav")));
  EXPECT_FALSE(player.IsOpen());
  EXPECT_FALSE(player.Play(dir.File("noise.wav")));
  player.Close();
  player.Close();
  EXPECT_FALSE(player.IsOpen());
}

}  // namespace
}  // namespace ui::win32
