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
#include <cstring>
#include <iterator>
#include <limits>
#include <optional>
#include <vector>

#include "player/ellipse_fill.h"
#include "player/x87_precision.h"

namespace player {
namespace {

constexpr int kMaxSteps = 256;  // t runs from at most 255 down to 0
constexpr int64_t kBlock = 8;   // pixels painted by one copy (see PaintRun)

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

// One colour, kBlock times.
struct Block {
  uint32_t pixels[kBlock];
};

Block BlockOf(uint32_t pixel) {
  Block block;
  std::fill(std::begin(block.pixels), std::end(block.pixels), pixel);
  return block;
}

// Paints columns begin .. end of a row in blocks of kBlock pixels, the last one reaching up to
// kBlock - 1 pixels past the run's end, which must still be inside the row: runs go left to
// right and meet, so the next run paints over them again.
inline void PaintRunInBlocks(uint32_t* row, int64_t begin, int64_t end, const Block& block) {
  do {
    std::memcpy(row + begin, block.pixels, sizeof block.pixels);
    begin += kBlock;
  } while (begin < end);
}

// Paints columns begin .. end of the clipped row `row`, which is `width` long, in blocks where
// the row goes on far enough, else exactly.
inline void PaintRun(uint32_t* row, int64_t begin, int64_t end, const Block& block, int64_t width) {
  if (end <= width - kBlock) return PaintRunInBlocks(row, begin, end, block);
  for (; begin + kBlock <= end; begin += kBlock) {
    std::memcpy(row + begin, block.pixels, sizeof block.pixels);
  }
  std::fill(row + begin, row + end, block.pixels[0]);
}

// Copies the four pixels from `source` in reverse order to `dest`.
inline void CopyFourReversed(const uint32_t* source, uint32_t* dest) {
  uint32_t four[4];
  std::memcpy(four, source, sizeof four);
  const uint32_t reversed[4] = {four[3], four[2], four[1], four[0]};
  std::memcpy(dest, reversed, sizeof reversed);
}

// Copies the `count` pixels before `source_end`, last first, from `dest` on; the two ranges do
// not overlap. Sixteen at a time, which the compiler turns into a few vector moves.
void CopyReversed(const uint32_t* __restrict source_end, uint32_t* __restrict dest, int64_t count) {
  int64_t i = 0;
  for (; i + 16 <= count; i += 16) {
    for (int64_t j = 0; j < 16; j += 4) CopyFourReversed(source_end - i - j - 4, dest + i + j);
  }
  for (; i < count; ++i) dest[i] = source_end[-1 - i];
}

// An ellipse that reaches a row of the clip, as the rows see it. Columns count from the clip's
// left edge: a row's span is [centre_left - j, span_sum - centre_left + j) for the row's reach j
// (see EstimatedReach).
struct Ring {
  ui::Rect box;
  int64_t centre_left;
  int64_t span_sum;
  Block colour;
};

// Paints the rows of the clip from the ellipses, added in painting order. Each row is painted
// once, every pixel once when the row's spans nest (PaintNestedRow, PaintSymmetricRow), else
// ellipse over ellipse (PaintOverlappingRow); rows that mirror a row painted before are copied.
class RadialPainter {
 public:
  RadialPainter(ui::PixelBitmap& target, const ui::Rect& clip, uint32_t background)
      : target_(target), canvas_(target, clip), clip_(clip), background_(BlockOf(background)) {}

  void Add(const ui::Rect& box, uint32_t pixel) {
    const int64_t w = int64_t{box.right} - box.left, h = int64_t{box.bottom} - box.top;
    const int64_t parity = (w + 1) & 1;
    // Row numbers relative to the clip stay well inside 32 bits for the estimate.
    const bool estimated = w < kEstimatedSide && h < kEstimatedSide &&
                           int64_t{clip_.bottom} - clip_.top < (int64_t{1} << 29);
    if (!estimated) estimated_from_ = rings_.size() + 1;
    rings_.push_back({box, box.left - int64_t{clip_.left} + (w - 1 - parity) / 2,
                      int64_t{box.left} + box.right - 2 * int64_t{clip_.left}, BlockOf(pixel)});
    const int64_t middle = int64_t{box.top} + box.bottom - 2 * int64_t{clip_.top};
    middles_.push_back(estimated ? static_cast<int32_t>(middle) : 0);
    room_bases_.push_back(estimated ? static_cast<int32_t>(h * h) : 0);
    scales_.push_back(
        estimated ? static_cast<float>(256.0 * static_cast<double>(w) / static_cast<double>(h))
                  : 0.0f);
    parities_.push_back(static_cast<int32_t>(parity));
    halves_.push_back(static_cast<int32_t>((w - 1 - parity) / 2));
  }

  void Paint() {
    const size_t count = rings_.size();
    reaches_.resize(count);
    ends_.resize(count);
    // When all spans share their centre column(s) (boxes of even width do), which lie in the
    // clip, and the clip's columns right of them mirror columns left of them, only the left part
    // of a row needs painting. PaintSymmetricRow also wants all boxes small enough for the
    // estimate.
    const int64_t width = Width();
    symmetric_ = count > 0;
    for (const Ring& ring : rings_) {
      symmetric_ &=
          ring.span_sum == rings_[0].span_sum && ring.centre_left == rings_[0].centre_left;
    }
    if (symmetric_) {
      mirror_sum_ = rings_[0].span_sum;
      centre_ = rings_[0].centre_left;
      symmetric_ = centre_ >= 0 && mirror_sum_ - centre_ <= width && mirror_sum_ >= width &&
                   estimated_from_ == 0;
      split_ = std::min((mirror_sum_ + 1) / 2, width);
    }
    // Each ellipse's rows mirror about its box's middle. When all boxes share that middle (boxes
    // of even height do), so do whole rows, and each row painted serves its twin as well.
    std::optional<int64_t> twin_sum;
    if (count > 0) twin_sum = int64_t{rings_[0].box.top} + rings_[0].box.bottom;
    for (const Ring& ring : rings_) {
      if (int64_t{ring.box.top} + ring.box.bottom != twin_sum) twin_sum.reset();
    }
    common_middle_ = twin_sum.has_value();
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
    const int count = static_cast<int>(rings_.size());
    int reaching = 0;
    for (int64_t y = from; y < to; ++y) {
      uint32_t* const row = target_.Row(static_cast<int32_t>(y)) + clip_.left;
      // Each box lies within the one before (every edge moves inwards, or not at all, from a
      // step to the next), so the ellipses that reach the row come first.
      while (reaching > 0 &&
             (y < rings_[reaching - 1].box.top || y >= rings_[reaching - 1].box.bottom)) {
        --reaching;
      }
      while (reaching < count && rings_[reaching].box.top <= y && y < rings_[reaching].box.bottom) {
        ++reaching;
      }
      EstimateReaches(y, reaching);
      if (!(symmetric_ && PaintSymmetricRow(row, y, reaching)) &&
          !PaintNestedRow(row, y, reaching)) {
        PaintOverlappingRow(row, y, reaching);
      }
      const int64_t twin = twin_sum.value_or(y) - 1 - y;
      if (twin > y) canvas_.CopyRow(y, twin, twin + 1);
    }
  }

  // Estimates the reaches of the first `reaching` ellipses on row y, which they all reach; below
  // 0 where the estimate cannot tell (see EstimatedReach), and for boxes too large for it. The loop
  // over the small boxes has no branches, so that it runs four ellipses at a time.
  void EstimateReaches(int64_t y, int reaching) {
    int32_t* const reaches = reaches_.data();
    const int first = std::min(static_cast<int>(estimated_from_), reaching);
    std::fill(reaches, reaches + first, -1);
    const int32_t y2 = static_cast<int32_t>(2 * (y - clip_.top) + 1);
    const int32_t* const middles = middles_.data();
    const int32_t* const room_bases = room_bases_.data();
    const float* const scales = scales_.data();
    const int32_t* const parities = parities_.data();
    const int32_t* const halves = halves_.data();
    if (common_middle_ && first < reaching) {  // Y is the same for all
      const int32_t Y = y2 - middles[first];
      if (Y * Y <= 1) {  // the middle row(s), which span the box
        std::copy(halves + first, halves + reaching, reaches + first);
        return;
      }
      for (int k = first; k < reaching; ++k) {
        reaches[k] = EstimatedReach(scales[k], room_bases[k] - Y * Y, parities[k]);
      }
      return;
    }
    for (int k = first; k < reaching; ++k) {
      const int32_t Y = y2 - middles[k];
      const int32_t reach = EstimatedReach(scales[k], room_bases[k] - Y * Y, parities[k]);
      const int32_t middle_row = -static_cast<int32_t>(Y * Y <= 1);  // which spans the box
      reaches[k] = (halves[k] & middle_row) | (reach & ~middle_row);
    }
  }

  // The reach of ellipse k on row y, which it reaches, once EstimateReaches has run.
  int64_t Reach(int k, int64_t y) {
    const int32_t estimate = reaches_[k];
    if (estimate >= 0) return estimate;
    const ui::Rect& box = rings_[k].box;
    if (static_cast<size_t>(k) < estimated_from_) {
      return rings_[k].centre_left - (EllipseRowSpan(box, y).begin - clip_.left);
    }
    const int64_t w = int64_t{box.right} - box.left, h = int64_t{box.bottom} - box.top;
    const int64_t Y = 2 * y + 1 - box.top - int64_t{box.bottom};
    return ResolvedReach(estimate, w, h, h * h - Y * Y, parities_[k]);
  }

  // Ellipse k's span on row y, which it reaches, clipped.
  Span SpanOf(int k, int64_t y) {
    const int64_t begin = rings_[k].centre_left - Reach(k, y);
    return {std::max<int64_t>(begin, 0), std::min(rings_[k].span_sum - begin, Width())};
  }

  // Paints the row when the spans of the ellipses reaching it nest, each inside the one before,
  // as the rings each span leaves around the next. Returns false, having painted garbage,
  // otherwise. Empty spans paint nothing; when the spans nest, they come last.
  [[gnu::noinline]] bool PaintNestedRow(uint32_t* row, int64_t y, int reaching) {
    const int64_t width = Width();
    int64_t begin = 0, end = width;  // the innermost span so far
    int k = 0;
    for (; k < reaching; ++k) {
      const Span span = SpanOf(k, y);
      if (span.Empty()) break;
      if (span.begin < begin || span.end > end) return false;
      PaintRun(row, begin, span.begin, k == 0 ? background_ : rings_[k - 1].colour, width);
      ends_[k] = end;
      begin = span.begin, end = span.end;
    }
    for (int j = k + 1; j < reaching; ++j) {
      if (!SpanOf(j, y).Empty()) return false;
    }
    PaintRun(row, begin, end, k == 0 ? background_ : rings_[k - 1].colour, width);
    for (; k > 0; --k) {  // the right parts of the rings
      PaintRun(row, end, ends_[k - 1], k == 1 ? background_ : rings_[k - 2].colour, width);
      end = ends_[k - 1];
    }
    return true;
  }

  // As PaintNestedRow for spans around a common centre, but painting only up to split_ and
  // mirroring that into the rest of the row. Left of split_ a pixel lies in a span when it lies
  // right of the span's beginning, so the spans there nest when their clipped beginnings do not
  // move left.
  [[gnu::noinline]] bool PaintSymmetricRow(uint32_t* row, int64_t y, int reaching) {
    const int64_t width = Width(), split = split_;
    const int32_t centre = static_cast<int32_t>(centre_);
    const int32_t* const reaches = reaches_.data();
    // The left parts of the rings and of the innermost span, then their mirror image.
    const Ring* const rings = rings_.data();
    int64_t x = 0;
    const Block* colour = &background_;
    const auto next_begin = [&](int k) {  // where span k begins, clipped
      return std::max<int64_t>(centre - (reaches[k] >= 0 ? reaches[k] : Reach(k, y)), 0);
    };
    if (split <= width - kBlock) {  // every run ends kBlock columns before the row does
      for (int k = 0; k < reaching; ++k) {
        const int64_t begin = next_begin(k);
        if (begin < x) return false;
        PaintRunInBlocks(row, x, begin, *colour);
        x = begin;
        colour = &rings[k].colour;
      }
    } else {
      for (int k = 0; k < reaching; ++k) {
        const int64_t begin = next_begin(k);
        if (begin < x) return false;
        PaintRun(row, x, begin, *colour, width);
        x = begin;
        colour = &rings[k].colour;
      }
    }
    PaintRun(row, x, split, *colour, width);
    // Columns split .. width - 1 mirror columns mirror_sum_ - 1 - x, which lie left of split.
    CopyReversed(row + (mirror_sum_ - split), row + split, width - split);
    return true;
  }

  // Paints the row ellipse over ellipse, the painter's way, whatever the spans.
  [[gnu::noinline]] void PaintOverlappingRow(uint32_t* row, int64_t y, int reaching) {
    std::fill(row, row + Width(), background_.pixels[0]);
    for (int k = 0; k < reaching; ++k) {
      const Span span = SpanOf(k, y);
      if (!span.Empty()) std::fill(row + span.begin, row + span.end, rings_[k].colour.pixels[0]);
    }
  }

  ui::PixelBitmap& target_;
  ClippedCanvas canvas_;
  ui::Rect clip_;
  Block background_;
  std::vector<Ring> rings_;
  size_t estimated_from_ = 0;  // the first of the boxes small enough for EstimateReaches
  // What EstimateReaches needs of each ellipse, one array per field: the box's top + bottom
  // less twice the clip's top, h^2, 256 w / h, p and the middle rows' reach (see EstimatedReach).
  std::vector<int32_t> middles_, room_bases_;
  std::vector<float> scales_;
  std::vector<int32_t> parities_, halves_;
  std::vector<int32_t> reaches_;  // on the row being painted
  std::vector<int64_t> ends_;     // PaintNestedRow's ends of the spans around the innermost
  bool symmetric_ = false;        // see Paint
  bool common_middle_ = false;    // all boxes share their middle row(s)
  int64_t centre_ = 0;            // the spans' common centre_left
  int64_t mirror_sum_ = 0;        // column x mirrors column mirror_sum_ - 1 - x
  int64_t split_ = 0;             // columns from here on are mirrored
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
