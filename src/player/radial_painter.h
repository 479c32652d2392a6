// The rows of the radial background gradient painted from its ellipses: each row once, from the
// spans the ellipses leave on it, and rows and half rows that mirror others as copies.
#pragma once

#include <cstdint>
#include <vector>

#include "player/ellipse_fill.h"
#include "player/row_runs.h"
#include "ui/geometry.h"
#include "ui/pixel_bitmap.h"

namespace player {

// Paints the rows of the clip from the ellipses, added in painting order, each box within the one
// before (every edge moves inwards, or not at all, from a step to the next). A row is painted
// once, every pixel once when the row's spans nest (PaintNestedRow, PaintSymmetricRow), else
// ellipse over ellipse (PaintOverlappingRow).
//
// Most boxes share their middle column(s) and their middle row(s) (all do when the rectangle's
// sides are even). Rows whose spans nest then need only their left part painted, mirrored into the
// right part, and each row above the middle serves its twin below as a copy. The few boxes half a
// pixel off the others' middle (a rounding tie) leave spans that differ from the mirrored or
// copied ones; the pixels where they differ are painted again (ReplaceSpan).
//
// Columns count from the clip's left edge. Ellipse k's span on a row is [centre_left - j,
// span_sum - centre_left + j) for the row's reach j (see EstimatedReach); FindSpans works out every
// span of a row at once, clipped, and the painting loops take them from there.
class RadialPainter {
 public:
  // `clip` lies inside the bitmap; `background` shows where no ellipse does.
  RadialPainter(ui::PixelBitmap& target, const ui::Rect& clip, uint32_t background);

  void Add(const ui::Rect& box, uint32_t pixel);
  void Paint();

 private:
  int Count() const { return static_cast<int>(boxes_.size()); }
  int64_t Width() const { return int64_t{clip_.right} - clip_.left; }
  uint32_t* RowOf(int64_t y) { return target_.Row(static_cast<int32_t>(y)) + clip_.left; }

  void PlanColumns();
  void PaintRows(int64_t from, int64_t to, bool twins);
  int ReachingAt(int64_t y, int reaching) const;
  bool PaintRow(uint32_t* row, int64_t y, int reaching);

  bool FindSpans(int64_t y, int reaching, bool with_ends);
  template <bool kEnds, bool kMiddleRows>
  bool EstimateSpans(int first, int reaching, float y2, int32_t* __restrict begins,
                     int32_t* __restrict ends) const;
  Span ExactSpan(int k, int64_t y) const;

  bool PaintNestedRow(uint32_t* row, int64_t y, int reaching);
  bool PaintSymmetricRow(uint32_t* row, int64_t y, int reaching);
  template <bool kInBlocks>
  int64_t PaintLeftParts(uint32_t* row, int64_t y, int reaching, int64_t limit);
  void PaintOverlappingRow(uint32_t* row, int64_t y, int reaching);

  bool PatchColumns(uint32_t* row, int64_t y, int reaching);
  bool PatchTwin(uint32_t* twin_row, int64_t twin, int reaching, int twin_reaching);
  void ListEnds();
  Span ListedSpan(int k) const;
  bool ReplaceSpan(uint32_t* row, int k, Span now);

  static constexpr int32_t kUnsure = -1;  // a begin FindSpans leaves to ExactSpan: all bits set
  static constexpr int64_t kEstimatedRange = int64_t{1} << 22;
  static constexpr size_t kMostPatched = 16;  // boxes off the common middle worth patching for

  ui::PixelBitmap& target_;
  ui::Rect clip_;
  std::vector<ui::Rect> boxes_;
  std::vector<Quad> colours_;  // the background's, then each ellipse's
  int estimated_from_ = 0;     // the first of the boxes small enough for FindSpans
  // What FindSpans needs of each ellipse, one array per field: the box's top + bottom less twice
  // the clip's top, h, 256 w / h, p, the middle rows' reach (see EstimatedEdge), centre_left and
  // span_sum.
  std::vector<float> middles_, heights_, scales_;
  std::vector<int32_t> parities_, halves_, centre_lefts_, span_sums_;
  float lowest_middle_ = 0.0f;  // the least and greatest of middles_ (see FindSpans)
  float highest_middle_ = 0.0f;

  // The spans of the row painted last: begins_[k] and ends_[k + 1] for ellipse k (ends_[0] is the
  // row's end). Once it is painted from nesting spans, the first listed_ of them are its spans,
  // the others empty; while mirrored_, the ends are those of the mirrored spans, not yet listed.
  std::vector<int32_t> begins_, ends_;
  int listed_ = 0;
  bool mirrored_ = false;

  // Mirroring: column x mirrors column mirror_sum_ - 1 - x, the columns from split_ on are
  // mirrored, and the boxes in column_patches_ have spans around another middle.
  bool symmetric_ = false;
  int64_t mirror_sum_ = 0;
  int64_t split_ = 0;
  std::vector<int> column_patches_;
  // Twin rows: row y mirrors row twin_sum_ - 1 - y but for the boxes in row_patches_.
  int64_t twin_sum_ = 0;
  std::vector<int> row_patches_;
};

}  // namespace player
