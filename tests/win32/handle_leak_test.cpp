// Long runs of the player's busiest paths give every handle back: the wrappers' own counts and the
// process's count of kernel handles (files, events, threads), but for the sounds, where Wine's
// driver opens its own. Wine reports 0 GDI and USER objects for every process, so those two are
// not read: the wrappers' counts carry the proof for them.
// Each run is done once briefly first, so that caches the system fills on first use are not taken
// for leaks.
#include <windows.h>
#include <gtest/gtest.h>
#include <mmsystem.h>
#include <winternl.h>

#include <cstdlib>
#include <vector>

#include "core/project_ops.h"
#include "fake_desktop.h"
#include "player/background_render.h"
#include "player/hot_tracking.h"
#include "sample_pictures.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/gdi_canvas.h"
#include "ui/win32/gdi_picture.h"
#include "ui/win32/mci_player.h"
#include "ui/win32/picture_loader.h"
#include "ui/win32/win32_platform.h"

namespace ui::win32 {
namespace {

// The kernel handles this process holds, as the system's handle table lists them: Wine keeps
// that table, where its GetGuiResources and GetProcessHandleCount always say 0.
int KernelHandles() {
  struct Entry {
    ULONG process;
    BYTE type, flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
  };
  constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
  std::vector<ULONG> table(1 << 16);
  ULONG size = 0;
  while (::NtQuerySystemInformation(kSystemHandleInformation, table.data(),
                                    table.size() * sizeof(ULONG), &size) != 0) {
    table.resize(table.size() * 2);
  }
  const auto* entries = reinterpret_cast<const Entry*>(table.data() + 1);  // after the count
  int count = 0;
  for (ULONG i = 0; i < table[0]; ++i) count += entries[i].process == ::GetCurrentProcessId();
  EXPECT_GT(count, 0) << "a process holds kernel handles from its start";
  return count;
}

// The wrappers' counts and, with `kernel`, the process's kernel handles.
std::vector<int> Held(bool kernel) {
  return {
      GdiObject<HFONT>::LiveCount(), GdiObject<HBITMAP>::LiveCount(), Brush::LiveCount(),
      OwnedIcon::LiveCount(),        OwnedEnhMetaFile::LiveCount(),   OwnedMetaFile::LiveCount(),
      MemoryDc::LiveCount(),         OwnedKernelHandle::LiveCount(),  MciPlayer::OpenCount(),
      kernel ? KernelHandles() : 0};
}

template <typename Run>
void ExpectNothingKept(Run run, int times, bool kernel = true) {
  run(4);
  const std::vector<int> before = Held(kernel);
  run(times);
  EXPECT_EQ(Held(kernel), before);
}

TEST(HandleCounts, FollowOwnershipThroughMovesResetsAndDisown) {
  const int start = Brush::LiveCount();
  Brush a(::CreateSolidBrush(0)), b(::CreateSolidBrush(0)), none(nullptr);
  EXPECT_EQ(Brush::LiveCount(), start + 2) << "a null handle is not counted";
  Brush c(std::move(a));
  b = std::move(c);  // frees b's own brush
  EXPECT_EQ(Brush::LiveCount(), start + 1);
  b.Reset(::CreateSolidBrush(0));
  EXPECT_EQ(Brush::LiveCount(), start + 1);
  ::DeleteObject(b.Disown());
  EXPECT_EQ(Brush::LiveCount(), start);
}

// Labels swap fonts, a button glyphs, two images icon/metafile/bitmap pictures, all reloaded from
// their files every round and painted after every swap.
TEST(HandleCounts, TenThousandHotSwapsPaintedThroughGdi) {
  testing_support::TempFolder dir;
  dir.Write("a.bmp", win32_tests::BitmapFileBytes(PixelBitmap(8, 8, 0x00FF00)));
  dir.Write("b.bmp", win32_tests::BitmapFileBytes(PixelBitmap(8, 8, 0x0000FF)));
  dir.Write("a.ico", win32_tests::IconFileBytes({16, 32}));
  dir.Write("a.emf", win32_tests::EnhancedMetafileBytes(30, 20));
  dir.Write("a.wmf", win32_tests::WindowsMetafileBytes(30, 20, 96));
  Win32Platform platform;
  ExpectNothingKept(
      [&](int swaps) {
        testing_support::TestApp t;
        t.panel1.SetBounds(0, 0, 300, 60);
        core::AutoObjectType* o[4];
        for (int i = 0; i < 4; ++i) {
          o[i] = &core::AddNewObject(t.app, i < 2 ? i : core::kKindImage, {i * 70, 0});
          o[i]->Control->SetBounds(i * 70, 0, 60, 60);
        }
        o[0]->HotFont = Font{"Arial", Rgb(255, 0, 0), 14, kFontBold};
        o[1]->HotFont = Font{"Courier New", Rgb(0, 0, 255), 10, kFontItalic};
        core::ImageOf(*o[2])->Stretch = core::ImageOf(*o[3])->Stretch = true;
        DibSurface surface;
        ASSERT_TRUE(surface.Resize({300, 60}));
        int changed = 0;
        for (int i = 0; i < swaps; ++i) {
          if (i % 4 == 0) {
            o[1]->NormalGlyph = platform.LoadBitmapFile(dir.File("a.bmp"));
            o[1]->HotGlyph = platform.LoadBitmapFile(dir.File("b.bmp"));
            o[2]->NormalPicture = LoadPictureFromFile(dir.File("a.emf"));
            o[2]->HotPicture = LoadPictureFromFile(dir.File("a.ico"));
            o[3]->NormalPicture = LoadPictureFromFile(dir.File("a.bmp"));
            o[3]->HotPicture = LoadPictureFromFile(dir.File("a.wmf"));
          }
          changed += player::UpdateHot(t.app.Project, i % 4, t.presentation.DefaultGlyph());
          GdiCanvas canvas(surface.Dc());
          t.panel1.Paint(canvas);
        }
        EXPECT_EQ(changed, swaps);
        EXPECT_EQ(surface.PixelAt(145, 30), win32_tests::kPatternLeft) << "the metafile shows";
      },
      10000);
}

TEST(HandleCounts, AHundredBackgroundRendersPaintedThroughGdi) {
  ExpectNothingKept(
      [](int renders) {
        DibSurface surface;  // resized every time, as a window's back buffer is
        for (int i = 0; i < renders; ++i) {
          const Size size{60 + i, 40 + i % 7};
          auto pixels = player::RenderBackgroundPicture(size.width, size.height, Rgb(0, 0, 255),
                                                        Rgb(255, 255, 0), i % 8, nullptr);
          ASSERT_TRUE(pixels && surface.Resize(size));
          const BitmapPicture picture(std::make_shared<const PixelBitmap>(std::move(*pixels)));
          GdiCanvas(surface.Dc()).DrawPicture(picture, {0, 0, size.width, size.height}, false);
          EXPECT_EQ(surface.PixelAt(size.width - 1, 0), picture.Pixels().At(size.width - 1, 0));
        }
      },
      100);
}

int OpenMciDevices() {
  char count[16] = "";
  ::mciSendStringA("sysinfo all quantity open", count, sizeof count, nullptr);
  return std::atoi(count);
}

// A short 8-bit mono wave of silence.
std::string SilentWave() {
  static const char kHeader[] =
      "RIFF\x44\x03\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x40\x1F\0\0\x40\x1F\0\0"
      "\1\0\x08\0data\x20\x03\0\0";
  return std::string(kHeader, sizeof kHeader - 1) + std::string(800, '\x80');
}

// Under Wine without a sound device every wave still opens and its play request is accepted
// (the failure stays inside the driver), so this checks the channel's bookkeeping, and a file
// that is no sound covers a failed open.
TEST(HandleCounts, AThousandSoundsStartedAndCutKeepOneDeviceAtMost) {
  testing_support::TempFolder dir;
  dir.Write("chime.wav", SilentWave());
  dir.Write("noise.wav", "this is not a wave file at all");
  const HWND notices =
      ::CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  const int others = OpenMciDevices();
  ExpectNothingKept(
      [&](int sounds) {
        MciPlayer channel;
        channel.SetNotifyWindow(notices);
        for (int i = 0; i < sounds; ++i) {
          const bool playing = channel.Play(dir.File(i % 10 == 9 ? "noise.wav" : "chime.wav"));
          ASSERT_EQ(channel.IsOpen(), playing);
          ASSERT_EQ(OpenMciDevices(), others + (playing ? 1 : 0));
          MSG msg;
          while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        }
      },
      1000, false);  // Wine's sound driver keeps a thread handle of its own now and then
  EXPECT_EQ(OpenMciDevices(), others);
  ::DestroyWindow(notices);
}

// The real interface, except that play requests are refused as a machine without sound output
// refuses them.
int opened = 0;
MCIERROR WINAPI RefusePlay(MCIDEVICEID device, UINT command, DWORD_PTR flags, DWORD_PTR params) {
  if (command == MCI_PLAY) return MCIERR_HARDWARE;
  const MCIERROR result = ::mciSendCommandW(device, command, flags, params);
  opened += command == MCI_OPEN && result == 0 ? 1 : 0;
  return result;
}

TEST(HandleCounts, ARefusedPlayClosesTheDeviceItOpened) {
  testing_support::TempFolder dir;
  dir.Write("chime.wav", SilentWave());
  const int others = OpenMciDevices();
  MciPlayer channel(&RefusePlay);
  EXPECT_FALSE(channel.Play(dir.File("chime.wav")));
  ASSERT_EQ(opened, 1) << "the device was opened";
  EXPECT_FALSE(channel.IsOpen());
  EXPECT_EQ(MciPlayer::OpenCount(), 0);
  EXPECT_EQ(OpenMciDevices(), others);
}

}  // namespace
}  // namespace ui::win32
