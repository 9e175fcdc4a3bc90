// Fader: painting through an offscreen canvas, and the drag with its grab, fine adjustment and reset.
// HorizontalFader runs the same code along the x axis.
#include "toolkit/controls/fader.h"

#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/native_handles.h"
#include "toolkit/graphics/offscreen_canvas.h"
#include "toolkit/graphics/pixmap.h"
#include "toolkit/graphics/root_view.h"

namespace {

constexpr float kWheelStep = 1.0f / 20.0f;
constexpr float kFineWheelStep = 1.0f / 200.0f;

} // namespace

Fader::Fader(const Rect& size, ValueListener* listener, int32_t tag, int32_t minimumPosition,
             int32_t maximumPosition, Pixmap* handle, Pixmap* background, Point backgroundOffset,
             int32_t style)
    : Fader(size, listener, tag, minimumPosition, maximumPosition, handle, background, backgroundOffset,
            style, Axis::vertical) {}

Fader::Fader(const Rect& size, ValueListener* listener, int32_t tag, int32_t minimumPosition,
             int32_t maximumPosition, Pixmap* handle, Pixmap* background, Point backgroundOffset,
             int32_t style, Axis axis)
    : ValueWidget(size, listener, tag), handle_(handle), background_(background),
      handleWidth_(handle != nullptr ? handle->width() : 0),
      handleHeight_(handle != nullptr ? handle->height() : 0), backgroundOffset_(backgroundOffset),
      minimumPosition_(minimumPosition), maximumPosition_(maximumPosition), style_(style),
      handlePosition_(maximumPosition), controlWidth_(size.width()), controlHeight_(size.height()) {
  travelStart_ = minimumPosition_ - leadingEdge(size, axis);
  travelEnd_ = maximumPosition_ + handleExtent(axis) - leadingEdge(size, axis);
}

void Fader::paint(Canvas* canvas) { paintAlong(canvas, Axis::vertical); }

void Fader::mousePressed(Canvas* canvas, Point& point) { trackAlong(canvas, point, Axis::vertical); }

void Fader::wheelTurned(Canvas* canvas, int32_t notches) {
  if (!isClickable()) return;
  const float step = (canvas->buttonState() & shiftKey) != 0 ? kFineWheelStep : kWheelStep;
  putValue(clampToUnit(value() + static_cast<float>(notches) * step));
  reportIfChanged(*this, canvas);
}

void Fader::useHandleTransparency(bool transparent) { transparentHandle_ = transparent; }

void Fader::setHandleOrigin(Point origin) { handleOrigin_ = origin; }

void Fader::paintAlong(Canvas* canvas, Axis axis) {
  const int32_t originBit = axis == Axis::vertical ? faderOriginTop : faderOriginLeft;
  const float t = (style_ & originBit) != 0 ? value() : 1.0f - value();

  // Track and handle meet offscreen and reach the window in one copy, so the handle never flickers.
  OffscreenCanvas offscreen(
      parent(), Rect(size().left, size().top, size().left + controlWidth_, size().top + controlHeight_),
      colorBlack, parent() != nullptr ? parent()->offscreenSurface() : nullptr);
  if (background_ != nullptr)
    background_->drawOpaque(&offscreen, Rect(0, 0, controlWidth_, controlHeight_), backgroundOffset_);

  // A value from outside 0 to 1 still paints inside the control: the leading edge stops at the start
  // of travel, the trailing edge at its end (the handle then shrinks, and past the end vanishes).
  const float range = static_cast<float>(maximumPosition_ - minimumPosition_);
  int32_t lead = coordinateAlong(handleOrigin_, axis) + truncateToPixels(t * range);
  if (lead < travelStart_) lead = travelStart_;
  int32_t trail = lead + handleExtent(axis);
  if (trail > travelEnd_) trail = travelEnd_;
  const Rect handleArea = axis == Axis::vertical
                              ? Rect(handleOrigin_.h, lead, handleOrigin_.h + handleWidth_, trail)
                              : Rect(lead, handleOrigin_.v, trail, handleOrigin_.v + handleHeight_);
  if (handle_ != nullptr && trail > lead) {
    if (transparentHandle_)
      handle_->drawKeyed(&offscreen, handleArea, Point(0, 0));
    else
      handle_->drawOpaque(&offscreen, handleArea, Point(0, 0));
  }

  offscreen.blitTo(canvas, size(), Point(0, 0));
  handlePosition_ = lead + leadingEdge(size(), axis);
  setShownValue(value());
}

void Fader::trackAlong(Canvas* canvas, Point& point, Axis axis) {
  if (!isClickable()) return;
  ButtonState state = canvas->buttonState();
  if (resetOnPress(*this, canvas, state, point, &doubleClick_) || !isPlainOrFineLeftPress(state)) return;

  // Only the handle as last painted can be grabbed, so the handle never jumps to the pointer.
  const Rect grabArea =
      axis == Axis::vertical
          ? Rect(size().left, handlePosition_, size().left + handleWidth_, handlePosition_ + handleHeight_)
          : Rect(handlePosition_, size().top, handlePosition_ + handleWidth_, size().top + handleHeight_);
  if (!point.liesIn(grabArea)) return;

  const int32_t invertBit = axis == Axis::vertical ? faderOriginBottom : faderOriginRight;
  const float range = static_cast<float>(maximumPosition_ - minimumPosition_);
  const int32_t grab = coordinateAlong(point, axis) - handlePosition_;
  float anchor = value();
  ButtonState anchorState = state;
  const auto valueAt = [&](Point at, ButtonState held) {
    // A Shift state anchors only when it differs from the one last anchored at: Shift released and
    // pressed again keeps the first anchor, while releasing it returns to the pointer's own mapping.
    if (held != anchorState && (held & shiftKey) != 0) {
      anchor = value();
      anchorState = held;
    }
    float position = static_cast<float>(coordinateAlong(at, axis) - minimumPosition_ - grab) / range;
    if ((style_ & invertBit) != 0) position = 1.0f - position;
    // Fine adjustment moves one tenth as fast as the pointer, around the anchor.
    if ((held & shiftKey) != 0) position = anchor + (position - anchor) / 10.0f;
    return clampToUnit(position);
  };
  trackPointer(*this, canvas, point, state, valueAt, isPlainOrFineLeftPress);
}
