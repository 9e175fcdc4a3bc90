// The gain curve: 298 columns sampling the table from entry 0 to entry 1020, each a short line from this
// column's gain to the next one's, on the strip's dark green.
#include "editor/gain_curve_view.h"

#include "editor/display_colors.h"
#include "toolkit/graphics/canvas.h"

namespace {

// A gain of 1 lies on row 7, a gain of 0 on row 69.
constexpr float kCurveTop = 7.0f;
constexpr float kCurveRows = 62.0f;

int32_t rowOf(float gain, int32_t below) {
  return static_cast<int32_t>((1.0f - gain) * kCurveRows + kCurveTop + below);
}

} // namespace

GainCurveView::GainCurveView(const Rect& strip, const LiveParameters& live)
    : Widget(strip), live_(live), table_(live) {}

void GainCurveView::paint(Canvas* canvas) {
  const GainTable& table = table_.follow(live_);
  canvas->setBrushColor(kDisplayColor);
  // paintRect fills inside the outline of its rectangle: one pixel less at the left and top.
  canvas->paintRect(Rect(size().left - 1, size().top - 1, size().right, size().bottom));
  canvas->setPenColor(kCurveColor);
  // 1024 points over 298 columns is no whole step: the positions accumulate in float, so each column
  // reads the table where the pictures of the curve, and the musicians who know them, expect it.
  const float step = static_cast<float>(kBarPoints) / static_cast<float>(kColumns);
  float a = 0.0f, b = step;
  for (int32_t column = 0; column < kColumns; ++column) {
    const int32_t ya = rowOf(table[static_cast<size_t>(a)], 0);
    const float next = column < kColumns - 1 ? b : a;
    const int32_t yb = rowOf(table[static_cast<size_t>(next)], 1);
    // The end point of a line is not painted: each segment ends just short of the next column.
    canvas->movePen(Point(size().left + column, ya));
    canvas->strokeTo(Point(size().left + 1 + column, yb));
    a += step;
    b += step;
  }
}

void GainCurveView::refreshIfChanged(Canvas* canvas) {
  if (table_.isStale(live_)) paint(canvas);
}
