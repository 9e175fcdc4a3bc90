// HorizontalSwitch: the VerticalSwitch chosen along the x axis, its bands dividing the pixmap's width;
// the frames stay stacked vertically.
#pragma once

#include "toolkit/controls/vertical_switch.h"

class HorizontalSwitch : public VerticalSwitch {
public:
  HorizontalSwitch(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameHeight,
                   int32_t positions, Pixmap* pixmap);

  void mousePressed(Canvas* canvas, Point& point) override;
};
