// The radial gradient: ellipse boxes and colours from double arithmetic as the style defines
// them, then each row painted once. Painting the up to 256 ellipses one over another would write
// every middle pixel about a hundred times; instead each row takes the spans of the ellipses that
// reach it and, when they nest (they do whenever the ellipses share their centre), paints only
// the ring each ellipse leaves around the next smaller one, so every pixel once. Rows whose spans
// do not nest are painted ellipse over ellipse, which gives the same pixels. The spans come from
// a single-precision estimate checked against the exact rule (see EstimatedReach), and where the
// ellipses share their middle, half a row is the mirror image of the other half and the rows
// below the middle are copies of the rows above.
#include "player/radial_gradient.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "player/ellipse_fill.h"
#include "player/row_runs.h"
#include "player/x87_precision.h"

namespace player {
namespace {

constexpr int kMaxSteps = 256;  // t runs from at most 255 down to 0

struct Step {
  ui::Rect box;
  uint32_t pixel;
};

int32_t ToCoordinate(double rounded) {
  return static_cast<int32_t>(std::clamp<double>(rounded, std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max()));
}

uint8_t StepComponent(int32_t start, double t, double delta) {
  // Taken modulo 256, as the conversion to uint8_t does.
  return static_cast<uint8_t>(start + static_cast<int32_t>(RoundHalfEven(t * delta)));
}

// The ellipses in painting order, largest first; returns how many. Kept out of line so that all
// of its floating point runs inside the caller's DoubleRoundingScope.
[[gnu::noinline]] int PlanSteps(const ui::Rect& rect, RgbComponents start, RgbComponents end,
                                std::array<Step, kMaxSteps>& steps) {
  const int64_t width = int64_t{rect.right} - rect.left;
  const int64_t height = int64_t{rect.bottom} - rect.top;
  int64_t times = std::min<int64_t>(255, std::max(width, height));
  const double inv = 1.0 / static_cast<double>(times);
  const double delta_r = static_cast<double>(end.r - start.r) * inv;
  const double delta_g = static_cast<double>(end.g - start.g) * inv;
  const double delta_b = static_cast<double>(end.b - start.b) * inv;
  const double rx = static_cast<double>(width) * 0.5 * inv;
  const double ry = static_cast<double>(height) * 0.5 * inv;
  if (width % 2 != 0 || height % 2 != 0) --times;
  const double cx = 1.0 + static_cast<double>(int64_t{rect.left} + rect.right) * 0.5;
  const double cy = 1.0 + static_cast<double>(int64_t{rect.top} + rect.bottom) * 0.5;
  int count = 0;
  for (int64_t step = times; step >= 0; --step) {
    const double t = static_cast<double>(step);
    steps[count++] = {
        {ToCoordinate(RoundHalfEven(cx - t * rx)), ToCoordinate(RoundHalfEven(cy - t * ry)),
         ToCoordinate(RoundHalfEven(cx + t * rx)), ToCoordinate(RoundHalfEven(cy + t * ry))},
        PixelOf(StepComponent(start.r, t, delta_r), StepComponent(start.g, t, delta_g),
                StepComponent(start.b, t, delta_b))};
  }
  return count;
}

// Paints the rows of the clip from the ellipses, added in painting order. Each row is painted
// once, every pixel once when the row's spans nest (PaintNestedRow, PaintSymmetricRow), else
// ellipse over ellipse (PaintOverlappingRow); rows that mirror a row painted before are copied.
//
// Columns count from the clip's left edge. Ellipse k's span on a row is [centre_left - j,
// span_sum - centre_left + j) for the row's reach j (see EstimatedReach); FindSpans works out
// every span of a row at once, clipped, and the painting loops take them from there.
class RadialPainter {
 public:
  RadialPainter(ui::PixelBitmap& target, const ui::Rect& clip, uint32_t background)
      : target_(target), canvas_(target, clip), clip_(clip) {
    colours_.push_back(QuadOf(background));
  }

  void Add(const ui::Rect& box, uint32_t pixel) {
    const int64_t w = int64_t{box.right} - box.left, h = int64_t{box.bottom} - box.top;
    const int64_t parity = (w + 1) & 1;
    const int64_t left = int64_t{box.left} - clip_.left;
    // Row numbers relative to the clip stay exact in single precision, columns well inside 32
    // bits.
    const bool estimated = w < kEstimatedSide && h < kEstimatedSide &&
                           int64_t{clip_.bottom} - clip_.top < kEstimatedRange &&
                           left > -kEstimatedRange && left < kEstimatedRange;
    if (!estimated) estimated_from_ = static_cast<int>(boxes_.size()) + 1;
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

  void Paint() {
    const int count = static_cast<int>(boxes_.size());
    if (count > 0) {
      const auto [lowest, highest] = std::minmax_element(middles_.begin(), middles_.end());
      lowest_middle_ = *lowest, highest_middle_ = *highest;
    }
    begins_.resize(count);
    ends_.resize(count + 1);
    ends_[0] = static_cast<int32_t>(Width());
    // When all spans share their centre column(s) (boxes of even width do), which lie in the
    // clip, and the clip's columns right of them mirror columns left of them, only the left part
    // of a row needs painting. All boxes must be small enough for the estimate.
    const int64_t width = Width();
    symmetric_ = count > 0 && estimated_from_ == 0;
    for (int k = 0; symmetric_ && k < count; ++k) {
      symmetric_ = span_sums_[k] == span_sums_[0] && centre_lefts_[k] == centre_lefts_[0];
    }
    if (symmetric_) {
      const int64_t mirror_sum = span_sums_[0], centre = centre_lefts_[0];
      symmetric_ = centre >= 0 && mirror_sum - centre <= width && mirror_sum >= width;
      mirror_sum_ = mirror_sum;
      split_ = std::min((mirror_sum + 1) / 2, width);
    }
    // Each ellipse's rows mirror about its box's middle. When all boxes share that middle (boxes
    // of even height do), so do whole rows, and each row painted serves its twin as well.
    std::optional<int64_t> twin_sum;
    if (count > 0) twin_sum = int64_t{boxes_[0].top} + boxes_[0].bottom;
    for (const ui::Rect& box : boxes_) {
      if (int64_t{box.top} + box.bottom != twin_sum) twin_sum.reset();
    }
    if (!twin_sum) return PaintRows(clip_.top, clip_.bottom, std::nullopt);
    // Rows below the middle whose twin lies in the clip were copied when the twin was painted.
    const int64_t copied_begin = std::max<int64_t>(clip_.top, ((*twin_sum - 1) >> 1) + 1);
    const int64_t copied_end =
        std::clamp<int64_t>(*twin_sum - clip_.top, copied_begin, clip_.bottom);
    PaintRows(clip_.top, std::min<int64_t>(copied_begin, clip_.bottom), twin_sum);
    PaintRows(copied_end, clip_.bottom, twin_sum);
  }

 private:
  int64_t Width() const { return int64_t{clip_.right} - clip_.left; }

  void PaintRows(int64_t from, int64_t to, std::optional<int64_t> twin_sum) {
    const int count = static_cast<int>(boxes_.size());
    int reaching = 0;
    for (int64_t y = from; y < to; ++y) {
      uint32_t* const row = target_.Row(static_cast<int32_t>(y)) + clip_.left;
      // Each box lies within the one before (every edge moves inwards, or not at all, from a
      // step to the next), so the ellipses that reach the row come first.
      while (reaching > 0 && (y < boxes_[reaching - 1].top || y >= boxes_[reaching - 1].bottom)) {
        --reaching;
      }
      while (reaching < count && boxes_[reaching].top <= y && y < boxes_[reaching].bottom) {
        ++reaching;
      }
      if (!(symmetric_ && FindSpans(y, reaching, false) && PaintSymmetricRow(row, y, reaching)) &&
          !(FindSpans(y, reaching, true) && PaintNestedRow(row, y, reaching))) {
        PaintOverlappingRow(row, y, reaching);
      }
      const int64_t twin = twin_sum.value_or(y) - 1 - y;
      if (twin > y) canvas_.CopyRow(y, twin, twin + 1);
    }
  }

  // The clipped spans of the first `reaching` ellipses on row y, which they all reach: begins_[k]
  // and, when asked for, ends_[k + 1] for ellipse k. Where the estimate cannot tell (see
  // EstimatedEdge), and for boxes too large for it, begins_[k] is kUnsure and ExactSpan has the
  // answer. Returns true, so that it can go into a chain of painting attempts.
  bool FindSpans(int64_t y, int reaching, bool with_ends) {
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
  bool EstimateSpans(int first, int reaching, float y2, int32_t* __restrict begins,
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
  Span ExactSpan(int k, int64_t y) const {
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

  // Paints the row when the spans of the ellipses reaching it nest, each inside the one before,
  // as the rings each span leaves around the next. Returns false, having painted garbage,
  // otherwise. Empty spans paint nothing; when the spans nest, they come last.
  [[gnu::noinline]] bool PaintNestedRow(uint32_t* row, int64_t y, int reaching) {
    int32_t* const begins = begins_.data();
    int32_t* const ends = ends_.data();           // ends[k + 1] is span k's, ends[0] the row's
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
          ends[k + 1] = static_cast<int32_t>(end);
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
    PaintRun(row, x, ends[k], colours[k], limit);
    for (; k > 0; --k) PaintRun(row, ends[k], ends[k - 1], colours[k - 1], limit);
    return true;
  }

  // As PaintNestedRow for spans around a common centre, but painting only up to split_ and
  // mirroring that into the rest of the row. Left of split_ a pixel lies in a span when it lies
  // right of the span's beginning, so the spans there nest when their clipped beginnings do not
  // move left.
  [[gnu::noinline]] bool PaintSymmetricRow(uint32_t* row, int64_t y, int reaching) {
    const int64_t width = Width(), limit = width - kBlock;
    // Every run ends at split_ or before, so when that leaves room for a block, runs need no
    // check of their own.
    const int64_t x = split_ <= limit ? PaintLeftParts<true>(row, y, reaching, limit)
                                      : PaintLeftParts<false>(row, y, reaching, limit);
    if (x < 0) return false;
    PaintRun(row, x, split_, colours_[reaching], limit);
    // Columns split .. width - 1 mirror columns mirror_sum_ - 1 - x, which lie left of split.
    CopyReversed(row + (mirror_sum_ - split_), row + split_, width - split_);
    return true;
  }

  // PaintSymmetricRow's left parts of the rings; returns where the innermost span begins, or -1
  // when the spans do not nest.
  template <bool kInBlocks>
  int64_t PaintLeftParts(uint32_t* row, int64_t y, int reaching, int64_t limit) {
    const int32_t* const begins = begins_.data();
    const Quad* colour = colours_.data();
    int64_t x = 0;
    for (int k = 0; k < reaching; ++k, ++colour) {
      int64_t begin = begins[k];
      if (begin < x) {  // unsure, or not nested
        if (begin == kUnsure) begin = ExactSpan(k, y).begin;
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
  [[gnu::noinline]] void PaintOverlappingRow(uint32_t* row, int64_t y, int reaching) {
    std::fill(row, row + Width(), colours_[0].pixels[0]);
    for (int k = 0; k < reaching; ++k) {
      const Span span = ExactSpan(k, y);
      if (!span.Empty()) std::fill(row + span.begin, row + span.end, colours_[k + 1].pixels[0]);
    }
  }

  static constexpr int32_t kUnsure = -1;  // a begin FindSpans leaves to ExactSpan: all bits set
  static constexpr int64_t kEstimatedRange = int64_t{1} << 22;

  ui::PixelBitmap& target_;
  ClippedCanvas canvas_;
  ui::Rect clip_;
  std::vector<ui::Rect> boxes_;
  std::vector<Quad> colours_;  // the background's, then each ellipse's
  int estimated_from_ = 0;     // the first of the boxes small enough for FindSpans
  // What FindSpans needs of each ellipse, one array per field: the box's top + bottom less twice
  // the clip's top, h, 256 w / h, p, the middle rows' reach (see EstimatedEdge), centre_left and
  // span_sum.
  std::vector<float> middles_, heights_, scales_;
  std::vector<int32_t> parities_, halves_, centre_lefts_, span_sums_;
  std::vector<int32_t> begins_, ends_;  // the spans on the row being painted (see FindSpans)
  bool symmetric_ = false;              // see Paint
  float lowest_middle_ = 0.0f;          // the least and greatest of middles_ (see FindSpans)
  float highest_middle_ = 0.0f;
  int64_t mirror_sum_ = 0;  // column x mirrors column mirror_sum_ - 1 - x
  int64_t split_ = 0;       // columns from here on are mirrored
};

}  // namespace

double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;  // exact for every double
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

void FillRadial(ui::PixelBitmap& target, const ui::Rect& clip, const ui::Rect& rect,
                RgbComponents start, RgbComponents end) {
  std::array<Step, kMaxSteps> steps;
  int step_count = 0;
  {
    DoubleRoundingScope double_rounding;
    step_count = PlanSteps(rect, start, end, steps);
  }
  RadialPainter painter(target, clip,
                        PixelOf(static_cast<uint8_t>(end.r), static_cast<uint8_t>(end.g),
                                static_cast<uint8_t>(end.b)));
  // Empty boxes and those that miss the clip's rows paint nothing.
  for (int k = 0; k < step_count; ++k) {
    const ui::Rect& box = steps[k].box;
    if (box.left < box.right && std::max(box.top, clip.top) < std::min(box.bottom, clip.bottom)) {
      painter.Add(box, steps[k].pixel);
    }
  }
  painter.Paint();
}

}  // namespace player
