// HorizontalSwitch: the switch's press, taken along the x axis.
#include "toolkit/controls/horizontal_switch.h"

HorizontalSwitch::HorizontalSwitch(const Rect& size, ValueListener* listener, int32_t tag,
                                   int32_t frameHeight, int32_t positions, Pixmap* pixmap)
    : VerticalSwitch(size, listener, tag, frameHeight, positions, pixmap) {}

void HorizontalSwitch::mousePressed(Canvas* canvas, Point& point) {
  trackAlong(canvas, point, Axis::horizontal);
}
