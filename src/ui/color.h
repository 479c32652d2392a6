// Colours as the project stores them: 0x00BBGGRR, or a system colour written as 0xFF000000 plus
// the system colour index (any value with the top bit set is taken as a system colour).
#pragma once

#include <cstdint>

namespace ui {

using Color = uint32_t;

constexpr Color kSystemColorFlag = 0x80000000u;
constexpr Color kSystemColorBase = 0xFF000000u;

constexpr Color SystemColor(uint8_t index) {
  return kSystemColorBase | index;
}
constexpr bool IsSystemColor(Color c) {
  return (c & kSystemColorFlag) != 0;
}
constexpr uint8_t SystemColorIndex(Color c) {
  return static_cast<uint8_t>(c & 0xFFu);
}

constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr uint8_t RedOf(Color c) {
  return static_cast<uint8_t>(c & 0xFF);
}
constexpr uint8_t GreenOf(Color c) {
  return static_cast<uint8_t>((c >> 8) & 0xFF);
}
constexpr uint8_t BlueOf(Color c) {
  return static_cast<uint8_t>((c >> 16) & 0xFF);
}

// System colour indices used by the toolkit (the platform's COLOR_* numbering).
constexpr uint8_t kColorIndexWindowText = 8;
constexpr uint8_t kColorIndexButtonFace = 15;
constexpr uint8_t kColorIndexButtonShadow = 16;
constexpr uint8_t kColorIndexButtonText = 18;
constexpr uint8_t kColorIndexButtonHighlight = 20;
constexpr uint8_t kColorIndexDarkShadow = 21;
constexpr uint8_t kColorIndexLight = 22;

constexpr Color kColorSilver = 0xC0C0C0;
constexpr Color kColorBlue = 0xFF0000;
constexpr Color kColorWhite = 0xFFFFFF;
constexpr Color kColorMagenta = Rgb(255, 0, 255);
constexpr Color kColorWindowText = SystemColor(kColorIndexWindowText);
constexpr Color kColorButtonFace = SystemColor(kColorIndexButtonFace);
constexpr Color kColorButtonShadow = SystemColor(kColorIndexButtonShadow);
constexpr Color kColorButtonHighlight = SystemColor(kColorIndexButtonHighlight);
constexpr Color kColorDarkShadow = SystemColor(kColorIndexDarkShadow);
constexpr Color kColorLight = SystemColor(kColorIndexLight);

}  // namespace ui
