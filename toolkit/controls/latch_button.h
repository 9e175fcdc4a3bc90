// LatchButton: a two-state bitmap button that changes state when released inside it; dragged out before
// the release, it goes back to where it was.
#pragma once

#include <cstdint>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/pixmap_ref.h"

class Pixmap;

class LatchButton : public ValueWidget {
public:
  // The pixmap holds the off frame above the on frame, each frameHeight rows high.
  LatchButton(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameHeight, Pixmap* pixmap);

  void paint(Canvas* canvas) override;
  void mousePressed(Canvas* canvas, Point& point) override;

private:
  PixmapRef pixmap_;
  int32_t frameHeight_;
};
