// Dial: the arc's geometry in both directions, painting the handle and following the pointer.
#include "toolkit/controls/dial.h"

#include <cmath>

#include "toolkit/controls/control_common.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/pixmap.h"

namespace {

// Angles clockwise from straight up: the minimum sits at 225 degrees and the range spans 270.
constexpr float kStartAngle = 3.9269907f;
constexpr float kSweep = 4.712389f;
constexpr float kQuarterTurn = 1.5707964f;
constexpr float kHalfTurn = 3.1415927f;
constexpr float kFullTurn = 6.2831855f;
// The gap at the bottom, as counter-clockwise fractions of a turn from the positive x axis.
constexpr float kGapStart = 0.625f;
constexpr float kGapMiddle = 0.75f;
constexpr float kGapEnd = 0.875f;
constexpr int32_t kInsetWithoutHandle = 5;

} // namespace

Dial::Dial(const Rect& size, ValueListener* listener, int32_t tag, Pixmap* background, Pixmap* handle,
           Point backgroundOffset)
    : ValueWidget(size, listener, tag), inset_(handle != nullptr ? handle->width() / 2 : kInsetWithoutHandle),
      background_(background), handle_(handle), backgroundOffset_(backgroundOffset) {}

Dial::Dial(const Rect& size, ValueListener* listener, int32_t tag, Pixmap* strip, int32_t inset)
    : ValueWidget(size, listener, tag), inset_(inset), background_(nullptr), handle_(strip) {}

float Dial::radius() const { return static_cast<float>(size().width() - 2 * inset_) / 2.0f; }

void Dial::valueToPointer(Point& point) const {
  float fraction = (value() - minimum()) / (maximum() - minimum());
  // An empty range, or a value that is no number, would give no position at all: the handle stays at
  // the minimum's end.
  if (!std::isfinite(fraction)) fraction = 0.0f;
  const float angle = kStartAngle + kSweep * fraction;
  const float r = radius();
  point = Point(inset_ + static_cast<int32_t>(r * std::sin(angle) + r),
                inset_ + static_cast<int32_t>(r - r * std::cos(angle)));
}

float Dial::pointerToValue(const Point& point) const {
  const float r = radius();
  const float dx = static_cast<float>(point.h - inset_) - r;
  const float dy = r - static_cast<float>(point.v - inset_);
  float g = 0.0f;
  if (std::fabs(dx) >= 1e-12f || std::fabs(dy) >= 1e-12f) g = -std::atan(dx / dy);
  g += kQuarterTurn;
  if (dy < 0.0f) g += kHalfTurn;
  g /= kFullTurn;
  if (g > kGapStart && g < kGapEnd) return g < kGapMiddle ? minimum() : maximum();

  const float t = g >= kGapEnd ? g - kGapEnd : g + (1.0f - kGapEnd);
  const float range = maximum() - minimum();
  float result = minimum() + (range - range * (t * 1.3333334f));
  if (result > maximum()) result = maximum();
  if (result < minimum()) result = minimum();
  return result;
}

void Dial::paint(Canvas* canvas) {
  if (background_ != nullptr) background_->drawOpaque(canvas, size(), backgroundOffset_);
  if (handle_ != nullptr) {
    Point p;
    valueToPointer(p);
    const int32_t left = size().left + p.h - inset_;
    const int32_t top = size().top + p.v - inset_;
    handle_->drawKeyed(canvas, Rect(left, top, left + handle_->width(), top + handle_->height()),
                       Point(0, 0));
  }
  setShownValue(value());
}

void Dial::mousePressed(Canvas* canvas, Point& point) {
  if (!isClickable()) return;
  const ButtonState state = canvas->buttonState();
  if (resetOnPress(*this, canvas, state, point, nullptr)) return;
  // Relative to the control's corner, the frame valueToPointer answers in: the angle is measured around
  // the centre of the arc the handle is drawn on.
  trackPointer(
      *this, canvas, point, state,
      [this](Point at, ButtonState) { return pointerToValue(Point(at.h - size().left, at.v - size().top)); },
      anyButtonHeld);
}

void Dial::changeBackground(Pixmap* background) { background_ = PixmapRef(background); }

Pixmap* Dial::background() const { return background_; }
