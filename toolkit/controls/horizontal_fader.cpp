// HorizontalFader: the fader's painting and dragging, taken along the x axis.
#include "toolkit/controls/horizontal_fader.h"

HorizontalFader::HorizontalFader(const Rect& size, ValueListener* listener, int32_t tag,
                                 int32_t minimumPosition, int32_t maximumPosition, Pixmap* handle,
                                 Pixmap* background, Point backgroundOffset, int32_t style)
    : Fader(size, listener, tag, minimumPosition, maximumPosition, handle, background, backgroundOffset,
            style, Axis::horizontal) {}

void HorizontalFader::paint(Canvas* canvas) { paintAlong(canvas, Axis::horizontal); }

void HorizontalFader::mousePressed(Canvas* canvas, Point& point) {
  trackAlong(canvas, point, Axis::horizontal);
}
