// VerticalSwitch: a bitmap switch of N positions (values 0, 1/(N-1), ..., 1) chosen by where the pointer
// lies along the control's height; Alt+click restores the reset value, 0 unless changed.
#pragma once

#include <cstdint>

#include "toolkit/controls/control_common.h"
#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/pixmap_ref.h"

class Pixmap;

class VerticalSwitch : public ValueWidget {
public:
  // The pixmap stacks the N frames, each frameHeight rows high, from position 0 down. N must be at least
  // 2 and the frame height non-zero.
  VerticalSwitch(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameHeight,
                 int32_t positions, Pixmap* pixmap);

  void paint(Canvas* canvas) override;
  void mousePressed(Canvas* canvas, Point& point) override;

protected:
  void trackAlong(Canvas* canvas, Point& point, Axis axis);

private:
  // The position whose band holds the offset from the control's leading edge.
  float positionAt(int32_t offset, float band, Axis axis) const;

  PixmapRef pixmap_;
  int32_t frameHeight_;
  int32_t positions_;
};
