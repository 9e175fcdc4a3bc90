// RockerSwitch: a three-position bitmap switch, -1 while held on its left half, +1 on its right half,
// springing back to 0 on release. Its pixmap stacks the -1, 0 and +1 frames.
#pragma once

#include <cstdint>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "toolkit/graphics/point.h"

class Pixmap;

class RockerSwitch : public ValueWidget {
public:
  // The -1 frame starts at sourceOffset in the pixmap, the 0 and +1 frames frameHeight rows apart below it.
  RockerSwitch(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameHeight, Pixmap* pixmap,
               Point sourceOffset);

  void paint(Canvas* canvas) override;
  void mousePressed(Canvas* canvas, Point& point) override;

private:
  // -1 on the left half, +1 on the right half, the fallback elsewhere; the middle column is the left's.
  float sideOf(Point point, float fallback) const;

  PixmapRef pixmap_;
  Point sourceOffset_;
  int32_t frameHeight_;
};
