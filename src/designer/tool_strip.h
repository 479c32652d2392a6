// Where the pieces of the main window's tool strip go at the window's width, so that none draws
// over another. Left to right they are the tool bar's groups of buttons, the CD icon button, the
// align and size buttons, the read-out, Check Disc and the logo at the right end. When the width
// runs short the logo goes first, then the read-out shortens down to its least width, then the
// strip wraps: a piece that does not fit on its row starts the next one, the read-out and Check
// Disc together. Check Disc stays at the right end of its row, the read-out takes what lies
// between. Widths are device pixels, as the window lays its pieces out.
#pragma once

#include <cstdint>
#include <vector>

namespace designer {

// A piece of the strip and the space after it on its row (the separator after a group of tool
// bar buttons).
struct StripPiece {
  int32_t width = 0;
  int32_t gap = 0;
};

struct StripMeasures {
  std::vector<StripPiece> bar_groups;  // the tool bar's groups, left to right
  StripPiece cd_icon;                  // its gap lies before the align and size buttons
  int32_t arrange = 0;                 // the align and size buttons
  int32_t margin = 0;                  // on either side of the read-out
  int32_t read_out = 0;                // enough for what it says
  int32_t read_out_least = 0;          // the least it shortens to before the strip wraps
  int32_t disc = 0;                    // Check Disc
  int32_t logo = 0;
};

// A piece's place: its left edge on its row (rows counted from 0 at the top) and its width.
struct StripPlace {
  int32_t left = 0;
  int32_t row = 0;
  int32_t width = 0;
  friend bool operator==(const StripPlace&, const StripPlace&) = default;
};

struct StripLayout {
  std::vector<StripPlace> bar_groups;
  StripPlace cd_icon, arrange, read_out, disc;
  bool logo_shown = false;  // at the right end of the first row
  int32_t rows = 1;
};

StripLayout LayOutStrip(int32_t width, const StripMeasures& measures);

}  // namespace designer
