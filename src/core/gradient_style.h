// The background's gradient styles, as the project stores them (GradientStyle), the painter
// draws them and Form Properties lists them, in that list's order.
#pragma once

#include <cstdint>

namespace core {

// "X to Y" names where BackColor lies (X) and where GradientColor lies (Y).
enum GradientStyleCode : uint8_t {
  kGradientTopBottom = 0,       // horizontal bands
  kGradientBottomTop = 1,       // horizontal bands
  kGradientLeftRight = 2,       // vertical bands
  kGradientRightLeft = 3,       // vertical bands
  kGradientFromCenter = 4,      // rings: GradientColor on the border, BackColor inside
  kGradientFromTopLeft = 5,     // quarter rings around the top-left corner
  kGradientFromBottomLeft = 6,  // quarter rings around the bottom-left corner
  kGradientRadial = 7,          // BackColor in the middle, GradientColor outside
  kGradientNone = 8,            // no gradient, a plain BackColor (so are all higher values)
};
inline constexpr int kGradientStyleCount = kGradientNone + 1;

}  // namespace core
