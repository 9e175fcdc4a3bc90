// MomentaryButton: a bitmap button that is on only while held inside it and always ends a press off.
#pragma once

#include <cstdint>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "toolkit/graphics/point.h"

class Pixmap;

class MomentaryButton : public ValueWidget {
public:
  // The off frame starts at sourceOffset in the pixmap, the on frame frameHeight rows below it.
  MomentaryButton(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameHeight, Pixmap* pixmap,
                  Point sourceOffset);

  void paint(Canvas* canvas) override;
  void mousePressed(Canvas* canvas, Point& point) override;

private:
  PixmapRef pixmap_;
  Point sourceOffset_;
  int32_t frameHeight_;
};
