// HorizontalFader: the Fader along the x axis, with the same fields and rules; the positions are the
// window x of the handle's left edge, and the origin bits are the left and right ones.
#pragma once

#include "toolkit/controls/fader.h"

class HorizontalFader : public Fader {
public:
  HorizontalFader(const Rect& size, ValueListener* listener, int32_t tag, int32_t minimumPosition,
                  int32_t maximumPosition, Pixmap* handle, Pixmap* background, Point backgroundOffset,
                  int32_t style);

  void paint(Canvas* canvas) override;
  void mousePressed(Canvas* canvas, Point& point) override;
};
