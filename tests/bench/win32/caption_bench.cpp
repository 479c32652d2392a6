// Times the drawing of 200 captions through the canvas, which converts each UTF-8 caption and
// draws it with the wide entry point, against the narrow DrawTextA call it replaced, with the same
// Western text, the same fonts and the same bitmap. Prints both medians and their ratio. Run
// under Wine on a display by scripts/bench.sh.
//
//   caption_bench.exe [ROUNDS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/gdi_canvas.h"

namespace {

constexpr int kCaptions = 200;

struct Caption {
  std::string text;
  ui::Rect box;
  ui::Font font;
};

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 40;
  ui::win32::DibSurface surface;
  surface.Resize({1024, 768});
  std::vector<Caption> captions;
  const char* faces[] = {"MS Sans Serif", "Arial", "Tahoma"};
  for (int i = 0; i < kCaptions; ++i) {
    ui::Font font;
    font.name = faces[i % 3];
    font.size = 8 + i % 5 * 2;
    font.style = static_cast<uint8_t>(i % 2 == 0 ? ui::kFontBold : 0);
    const int left = i % 8 * 120, top = i / 8 * 30;
    captions.push_back(
        {"Install the drivers " + std::to_string(i), {left, top, left + 118, top + 28}, font});
  }
  // Both paths keep their fonts, as a paint does: the canvas its own list, the narrow path one
  // font a caption made beforehand. Neither count includes making them.
  ui::win32::GdiCanvas canvas(surface.Dc());
  std::vector<ui::win32::GdiObject<HFONT>> fonts;
  for (const Caption& c : captions) {
    fonts.push_back(ui::win32::CreateDesignFont(c.font));
    canvas.DrawText(c.text, c.box, c.font, {});
  }
  HDC dc = surface.Dc();
  std::vector<double> wide_ms, narrow_ms;
  for (int round = 0; round < rounds; ++round) {
    double start = bench::Now();
    for (const Caption& c : captions) canvas.DrawText(c.text, c.box, c.font, {});
    ::GdiFlush();
    wide_ms.push_back(bench::Now() - start);
    start = bench::Now();
    for (size_t i = 0; i < captions.size(); ++i) {
      const Caption& c = captions[i];
      const HGDIOBJ old = ::SelectObject(dc, fonts[i].Get());
      ::SetTextColor(dc, ui::win32::ToColorRef(c.font.color));
      RECT r{c.box.left, c.box.top, c.box.right, c.box.bottom};
      ::DrawTextA(dc, c.text.c_str(), static_cast<int>(c.text.size()), &r,
                  DT_NOPREFIX | DT_EXPANDTABS | DT_LEFT);
      ::SelectObject(dc, old);
    }
    ::GdiFlush();
    narrow_ms.push_back(bench::Now() - start);
  }
  const double wide = bench::Median(wide_ms), narrow = bench::Median(narrow_ms);
  std::printf(
      "%d captions through the wide path: %.3f ms; the narrow path: %.3f ms "
      "(medians of %d); ratio %.2f\n",
      kCaptions, wide, narrow, rounds, wide / narrow);
  return 0;
}
