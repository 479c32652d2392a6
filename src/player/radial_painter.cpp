// RadialPainter: the spans of a row from a single-precision estimate checked against the exact rule
// (see EstimatedReach), painted as runs; mirrored and copied rows with the pixels of boxes off the
// common middle painted again.
#include "player/radial_painter.h"

#include <algorithm>
#include <cmath>

namespace player {
namespace {

// The value most of `values` share (the majority vote's candidate) and the indices of the others.
template <typename Value>
Value MostCommon(const std::vector<Value>& values, std::vector<int>& others) {
  Value candidate{};
  int lead = 0;
  for (const Value& value : values) {
    if (lead == 0) candidate = value;
    lead += value == candidate ? 1 : -1;
  }
  others.clear();
  for (size_t k = 0; k < values.size(); ++k) {
    if (values[k] != candidate) others.push_back(static_cast<int>(k));
  }
  return candidate;
}

// Whether `inner` lies within `outer`; an empty span lies within any.
bool Within(Span inner, Span outer) {
  return inner.Empty() || (outer.begin <= inner.begin && inner.end <= outer.end);
}

// Paints the columns of `span` that are not in `other`.
void PaintDifference(uint32_t* row, Span span, Span other, uint32_t pixel) {
  if (span.Empty()) return;
  if (other.Empty()) return std::fill(row + span.begin, row + span.end, pixel);
  std::fill(row + span.begin, row + std::max(span.begin, std::min(span.end, other.begin)), pixel);
  std::fill(row + std::min(span.end, std::max(span.begin, other.end)), row + span.end, pixel);
}

}  // namespace

RadialPainter::RadialPainter(ui::PixelBitmap& target, const ui::Rect& clip, uint32_t background)
    : target_(target), clip_(clip) {
  colours_.push_back(QuadOf(background));
}

void RadialPainter::Add(const ui::Rect& box, uint32_t pixel) {
  const int64_t w = int64_t{box.right} - box.left, h = int64_t{box.bottom} - box.top;
  const int64_t parity = (w + 1) & 1;
  const int64_t left = int64_t{box.left} - clip_.left;
  // Row numbers relative to the clip stay exact in single precision, columns well inside 32 bits.
  const bool estimated = w < kEstimatedSide && h < kEstimatedSide &&
                         int64_t{clip_.bottom} - clip_.top < kEstimatedRange &&
                         left > -kEstimatedRange && left < kEstimatedRange;
  if (!estimated) estimated_from_ = Count() + 1;
  boxes_.push_back(box);
  colours_.push_back(QuadOf(pixel));
  const auto narrow = [estimated](int64_t value) {
    return estimated ? static_cast<int32_t>(value) : 0;
  };
  middles_.push_back(
      static_cast<float>(narrow(int64_t{box.top} + box.bottom - 2 * int64_t{clip_.top})));
  heights_.push_back(static_cast<float>(narrow(h)));
  scales_.push_back(
      estimated ? static_cast<float>(256.0 * static_cast<double>(w) / static_cast<double>(h))
                : 0.0f);
  parities_.push_back(static_cast<int32_t>(parity));
  halves_.push_back(narrow((w - 1 - parity) / 2));
  centre_lefts_.push_back(narrow(left + (w - 1 - parity) / 2));
  span_sums_.push_back(narrow(2 * left + w));
}

void RadialPainter::Paint() {
  const int count = Count();
  begins_.assign(count, 0);
  ends_.assign(count + 1, 0);
  ends_[0] = static_cast<int32_t>(Width());
  if (count == 0) return PaintRows(clip_.top, clip_.bottom, false);
  const auto [lowest, highest] = std::minmax_element(middles_.begin(), middles_.end());
  lowest_middle_ = *lowest, highest_middle_ = *highest;
  PlanColumns();
  // Each ellipse's rows mirror about its box's middle, so when most boxes share that middle
  // (boxes of even height do), each row painted serves its twin as well.
  std::vector<int64_t> row_sums;
  for (const ui::Rect& box : boxes_) row_sums.push_back(int64_t{box.top} + box.bottom);
  twin_sum_ = MostCommon(row_sums, row_patches_);
  if (row_patches_.size() > kMostPatched) return PaintRows(clip_.top, clip_.bottom, false);
  // Rows below the middle whose twin lies in the clip are painted with the twin.
  const int64_t twins_begin = std::max<int64_t>(clip_.top, ((twin_sum_ - 1) >> 1) + 1);
  const int64_t twins_end = std::clamp<int64_t>(twin_sum_ - clip_.top, twins_begin, clip_.bottom);
  PaintRows(clip_.top, std::min<int64_t>(twins_begin, clip_.bottom), true);
  PaintRows(twins_end, clip_.bottom, false);
}

// When most spans share their centre column(s) (boxes of even width do), which lie in the clip,
// and the clip's columns right of them mirror columns left of them, only the left part of a row
// needs painting. All boxes must be small enough for the estimate, and those around another
// centre must begin left of the mirrored columns too.
void RadialPainter::PlanColumns() {
  if (estimated_from_ > 0) return;
  const int64_t width = Width();
  mirror_sum_ = MostCommon(span_sums_, column_patches_);
  split_ = std::min((mirror_sum_ + 1) / 2, width);
  const int64_t centre = (mirror_sum_ - 1) >> 1;  // centre_left of the boxes with that sum
  symmetric_ = column_patches_.size() <= kMostPatched && centre >= 0 &&
               mirror_sum_ - centre <= width && mirror_sum_ >= width;
  for (const int k : column_patches_) {
    symmetric_ = symmetric_ && centre_lefts_[k] >= 0 && centre_lefts_[k] <= split_;
  }
}

void RadialPainter::PaintRows(int64_t from, int64_t to, bool twins) {
  int reaching = 0;
  for (int64_t y = from; y < to; ++y) {
    reaching = ReachingAt(y, reaching);
    uint32_t* const row = RowOf(y);
    const bool listed = PaintRow(row, y, reaching);
    const int64_t twin = twin_sum_ - 1 - y;
    if (!twins || twin <= y || twin >= clip_.bottom) continue;
    uint32_t* const twin_row = RowOf(twin);
    std::copy(row, row + Width(), twin_row);
    const int twin_reaching = ReachingAt(twin, reaching);
    if (!(listed && PatchTwin(twin_row, twin, reaching, twin_reaching))) {
      PaintRow(twin_row, twin, twin_reaching);
    }
  }
}

// How many ellipses reach row y, from how many reach a row near it: they come first, as each box
// lies within the one before.
int RadialPainter::ReachingAt(int64_t y, int reaching) const {
  const auto reaches = [this, y](int k) { return boxes_[k].top <= y && y < boxes_[k].bottom; };
  while (reaching > 0 && !reaches(reaching - 1)) --reaching;
  while (reaching < Count() && reaches(reaching)) ++reaching;
  return reaching;
}

// Paints row y; returns whether from nesting spans, which are then listed (see ListedSpan).
bool RadialPainter::PaintRow(uint32_t* row, int64_t y, int reaching) {
  if (symmetric_ && FindSpans(y, reaching, false) && PaintSymmetricRow(row, y, reaching) &&
      PatchColumns(row, y, reaching)) {
    return true;
  }
  if (FindSpans(y, reaching, true) && PaintNestedRow(row, y, reaching)) return true;
  PaintOverlappingRow(row, y, reaching);
  return false;
}

// The clipped spans of the first `reaching` ellipses on row y, which they all reach: begins_[k]
// and, when asked for, ends_[k + 1] for ellipse k. Where the estimate cannot tell (see
// EstimatedEdge), and for boxes too large for it, begins_[k] is kUnsure and ExactSpan has the
// answer. Returns true, so that it can go into a chain of painting attempts.
bool RadialPainter::FindSpans(int64_t y, int reaching, bool with_ends) {
  const int first = std::min(estimated_from_, reaching);
  std::fill(begins_.begin(), begins_.begin() + first, kUnsure);
  const float y2 = static_cast<float>(2 * (y - clip_.top) + 1);
  int32_t* const begins = begins_.data();
  int32_t* const ends = ends_.data() + 1;
  // Only rows next to some box's middle have middle rows (|Y| <= 1) among theirs.
  const bool middle_rows = y2 >= lowest_middle_ - 1.0f && y2 <= highest_middle_ + 1.0f;
  if (with_ends) {
    return middle_rows ? EstimateSpans<true, true>(first, reaching, y2, begins, ends)
                       : EstimateSpans<true, false>(first, reaching, y2, begins, ends);
  }
  return middle_rows ? EstimateSpans<false, true>(first, reaching, y2, begins, ends)
                     : EstimateSpans<false, false>(first, reaching, y2, begins, ends);
}

// FindSpans for the ellipses first .. reaching - 1, y2 being 2 (y - clip top) + 1. The spans go
// where nothing else read here lies, so the loop, which has no branches, runs four ellipses at a
// time.
template <bool kEnds, bool kMiddleRows>
bool RadialPainter::EstimateSpans(int first, int reaching, float y2, int32_t* __restrict begins,
                                  int32_t* __restrict ends) const {
  const int32_t width = static_cast<int32_t>(Width());
  for (int k = first; k < reaching; ++k) {
    const float Y = y2 - middles_[k];
    const int32_t edge = EstimatedEdge(scales_[k], (heights_[k] - Y) * (heights_[k] + Y));
    int32_t reach = ReachOfEdge(edge, parities_[k]);
    int32_t unsure = EdgeIsUnsure(edge);
    if constexpr (kMiddleRows) {  // a middle row spans the box
      const int32_t middle_row = -static_cast<int32_t>(Y * Y <= 1.0f);
      reach = (halves_[k] & middle_row) | (reach & ~middle_row);
      unsure &= ~middle_row;
    }
    const int32_t begin = centre_lefts_[k] - reach;
    begins[k] = std::max(begin, 0) | unsure;  // kUnsure has all bits set
    if constexpr (kEnds) ends[k] = std::min(span_sums_[k] - begin, width);
  }
  return true;
}

// Ellipse k's span on row y, which it reaches, clipped; exact whatever the box.
Span RadialPainter::ExactSpan(int k, int64_t y) const {
  const ui::Rect& box = boxes_[k];
  int64_t begin;
  if (k < estimated_from_) {
    begin = EllipseRowSpan(box, y).begin - clip_.left;
  } else {
    const int64_t w = int64_t{box.right} - box.left, h = int64_t{box.bottom} - box.top;
    const int64_t Y = 2 * y + 1 - box.top - int64_t{box.bottom};
    int32_t reach = halves_[k];
    if (Y * Y > 1) {
      reach = EstimatedReach(scales_[k], static_cast<float>(h * h - Y * Y), parities_[k]);
      if (reach < 0) reach = ResolvedReach(reach, w, h, h * h - Y * Y, parities_[k]);
    }
    begin = int64_t{centre_lefts_[k]} - reach;
  }
  // The span is symmetric about the box's centre.
  const int64_t end = int64_t{box.left} + box.right - 2 * int64_t{clip_.left} - begin;
  return {std::max<int64_t>(begin, 0), std::min(end, Width())};
}

// Paints the row when the spans of the ellipses reaching it nest, each inside the one before, as
// the rings each span leaves around the next. Returns false, having painted garbage, otherwise.
// Empty spans paint nothing; when the spans nest, they come last.
[[gnu::noinline]] bool RadialPainter::PaintNestedRow(uint32_t* row, int64_t y, int reaching) {
  int32_t* const begins = begins_.data();
  int32_t* const ends = ends_.data();
  const Quad* const colours = colours_.data();  // colours[k + 1] is ellipse k's
  const int64_t width = Width(), limit = width - kBlock;
  int64_t x = 0;  // where the innermost span so far begins
  int k = 0;
  for (; k < reaching; ++k) {
    int64_t begin = begins[k], end = ends[k + 1];
    if (begin < x || end > ends[k] || begin >= end) {  // unsure, empty, or not nested
      if (begin == kUnsure) {
        const Span span = ExactSpan(k, y);
        begin = span.begin, end = span.end;
        begins[k] = static_cast<int32_t>(begin), ends[k + 1] = static_cast<int32_t>(end);
      }
      if (begin >= end) break;
      if (begin < x || end > ends[k]) return false;
    }
    PaintRun(row, x, begin, colours[k], limit);
    x = begin;
  }
  for (int j = k + 1; j < reaching; ++j) {
    if (!(begins[j] == kUnsure ? ExactSpan(j, y).Empty() : begins[j] >= ends[j + 1])) {
      return false;
    }
  }
  listed_ = k, mirrored_ = false;
  PaintRun(row, x, ends[k], colours[k], limit);
  for (; k > 0; --k) PaintRun(row, ends[k], ends[k - 1], colours[k - 1], limit);
  return true;
}

// As PaintNestedRow for the spans mirrored about mirror_sum_, but painting only up to split_ and
// mirroring that into the rest of the row. Left of split_ a pixel lies in a span when it lies
// right of the span's beginning, so the spans there nest when their clipped beginnings do not
// move left.
[[gnu::noinline]] bool RadialPainter::PaintSymmetricRow(uint32_t* row, int64_t y, int reaching) {
  const int64_t width = Width(), limit = width - kBlock;
  // Every run ends at split_ or before, so when that leaves room for a block, runs need no
  // check of their own.
  const int64_t x = split_ <= limit ? PaintLeftParts<true>(row, y, reaching, limit)
                                    : PaintLeftParts<false>(row, y, reaching, limit);
  if (x < 0) return false;
  listed_ = reaching, mirrored_ = true;
  PaintRun(row, x, split_, colours_[reaching], limit);
  // Columns split .. width - 1 mirror columns mirror_sum_ - 1 - x, which lie left of split.
  CopyReversed(row + (mirror_sum_ - split_), row + split_, width - split_);
  return true;
}

// PaintSymmetricRow's left parts of the rings; returns where the innermost span begins, or -1 when
// the spans do not nest.
template <bool kInBlocks>
int64_t RadialPainter::PaintLeftParts(uint32_t* row, int64_t y, int reaching, int64_t limit) {
  int32_t* const begins = begins_.data();
  const Quad* colour = colours_.data();
  int64_t x = 0;
  for (int k = 0; k < reaching; ++k, ++colour) {
    int64_t begin = begins[k];
    if (begin < x) {  // unsure, or not nested
      if (begin == kUnsure) begins[k] = static_cast<int32_t>(begin = ExactSpan(k, y).begin);
      if (begin < x) return -1;
    }
    if constexpr (kInBlocks) {
      PaintRunInBlocks(row, x, begin, *colour);
    } else {
      PaintRun(row, x, begin, *colour, limit);
    }
    x = begin;
  }
  return x;
}

// Paints the row ellipse over ellipse, the painter's way, whatever the spans.
[[gnu::noinline]] void RadialPainter::PaintOverlappingRow(uint32_t* row, int64_t y, int reaching) {
  std::fill(row, row + Width(), colours_[0].pixels[0]);
  for (int k = 0; k < reaching; ++k) {
    const Span span = ExactSpan(k, y);
    if (!span.Empty()) std::fill(row + span.begin, row + span.end, colours_[k + 1].pixels[0]);
  }
}

// Gives the boxes around another centre that reach the mirrored row y their own spans.
bool RadialPainter::PatchColumns(uint32_t* row, int64_t y, int reaching) {
  if (column_patches_.empty() || column_patches_[0] >= reaching) return true;
  ListEnds();
  for (const int k : column_patches_) {
    if (k >= reaching) break;
    if (!ReplaceSpan(row, k, ExactSpan(k, y))) return false;
  }
  return true;
}

// Turns row `twin`, a copy of its listed twin, into itself: the boxes around another middle row
// get their spans there, empty where they do not reach it.
bool RadialPainter::PatchTwin(uint32_t* twin_row, int64_t twin, int reaching, int twin_reaching) {
  if (row_patches_.empty()) return true;
  if (mirrored_) ListEnds();
  for (const int k : row_patches_) {
    if (k >= std::max(reaching, twin_reaching)) break;
    if (!ReplaceSpan(twin_row, k, k < twin_reaching ? ExactSpan(k, twin) : Span{})) return false;
  }
  return true;
}

// Lists the ends of the mirrored spans.
void RadialPainter::ListEnds() {
  const int32_t* const begins = begins_.data();
  int32_t* const ends = ends_.data() + 1;
  const auto mirror_sum = static_cast<int32_t>(mirror_sum_), width = static_cast<int32_t>(Width());
  const int count = listed_;
  for (int k = 0; k < count; ++k) ends[k] = std::min(mirror_sum - begins[k], width);
  mirrored_ = false;
}

// Listed span k of the row painted last; the whole row for k = -1.
Span RadialPainter::ListedSpan(int k) const {
  if (k < 0) return {0, Width()};
  if (k >= listed_) return {};
  return {begins_[k], ends_[k + 1]};
}

// Replaces listed span k, painted in `row`, by `now` when the spans still nest; then only the
// pixels that enter or leave span k change, to ellipse k's colour or to that of the one around
// it. Returns false, having painted nothing, otherwise.
bool RadialPainter::ReplaceSpan(uint32_t* row, int k, Span now) {
  const Span old = ListedSpan(k);
  if (!Within(ListedSpan(k + 1), now) || !Within(now, ListedSpan(k - 1))) return false;
  PaintDifference(row, now, old, colours_[k + 1].pixels[0]);
  PaintDifference(row, old, now, colours_[k].pixels[0]);
  begins_[k] = static_cast<int32_t>(now.begin), ends_[k + 1] = static_cast<int32_t>(now.end);
  listed_ = now.Empty() ? std::min(listed_, k) : std::max(listed_, k + 1);
  return true;
}

}  // namespace player
