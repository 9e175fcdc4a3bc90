// Fader: the vertical bitmap slider. A handle pixmap slides over a track pixmap; dragging the handle sets
// the value, one tenth as fast with Shift held, and Alt+click or a double click restores the reset value.
#pragma once

#include <cstdint>

#include "toolkit/controls/control_common.h"
#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "toolkit/graphics/point.h"

class Pixmap;

// Where value 0 lies. A fader carries one of the two bits of its axis: paint reads the top (left) bit,
// the mouse the bottom (right) bit.
enum FaderStyle : int32_t {
  faderOriginLeft = 8,
  faderOriginRight = 16,
  faderOriginTop = 32,
  faderOriginBottom = 64,
};

class Fader : public ValueWidget {
public:
  // The positions are the window y of the handle's top at the two ends of its travel. The background may
  // be null; background offset is where the copied area starts in it.
  Fader(const Rect& size, ValueListener* listener, int32_t tag, int32_t minimumPosition,
        int32_t maximumPosition, Pixmap* handle, Pixmap* background, Point backgroundOffset, int32_t style);

  void paint(Canvas* canvas) override;
  void mousePressed(Canvas* canvas, Point& point) override;
  // One notch moves the value by a twentieth, with Shift by a two-hundredth, reported like a drag.
  void wheelTurned(Canvas* canvas, int32_t notches) override;

  // Both take effect at the next paint.
  virtual void useHandleTransparency(bool transparent);
  virtual void setHandleOrigin(Point origin);

protected:
  Fader(const Rect& size, ValueListener* listener, int32_t tag, int32_t minimumPosition,
        int32_t maximumPosition, Pixmap* handle, Pixmap* background, Point backgroundOffset, int32_t style,
        Axis axis);

  void paintAlong(Canvas* canvas, Axis axis);
  void trackAlong(Canvas* canvas, Point& point, Axis axis);

private:
  int32_t handleExtent(Axis axis) const { return axis == Axis::vertical ? handleHeight_ : handleWidth_; }

  PixmapRef handle_;
  PixmapRef background_;
  int32_t handleWidth_;
  int32_t handleHeight_;
  Point backgroundOffset_;
  Point handleOrigin_;
  int32_t minimumPosition_;
  int32_t maximumPosition_;
  int32_t style_;
  // The handle's leading edge in window coordinates as last painted: presses grab the handle there.
  int32_t handlePosition_;
  bool transparentHandle_ = true;
  DoubleClick doubleClick_;
  // Handle travel in control coordinates, from the leading edge at the minimum position to the
  // trailing edge at the maximum position.
  int32_t travelStart_;
  int32_t travelEnd_;
  int32_t controlWidth_;
  int32_t controlHeight_;
};
