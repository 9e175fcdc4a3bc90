// LevelMeter: a bar of on and off images that rises at once to its value and falls by at most the fall
// step per paint; a passive view with no listener.
#pragma once

#include <cstdint>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/pixmap_ref.h"

class Pixmap;

enum LevelMeterStyle : int32_t {
  meterVertical = 0,
  meterHorizontal = 1,
};

class LevelMeter : public ValueWidget {
public:
  // The on pixmap is required (without it the meter draws nothing); the off pixmap may be null. The bar
  // moves in steps of 1 / steps of its length; fewer than one step is taken as one.
  LevelMeter(const Rect& size, Pixmap* on, Pixmap* off, int32_t steps, int32_t style);

  // Holds the value within the bounds and the fall limit (storing the result), then draws the on part
  // from the left or the bottom and the off part over the rest.
  void paint(Canvas* canvas) override;

  // The most the shown value may fall in one paint.
  virtual void setFallStep(float step);

  const Rect& onRect() const { return onRect_; }
  const Rect& offRect() const { return offRect_; }

private:
  PixmapRef on_;
  PixmapRef off_;
  int32_t steps_;
  int32_t style_;
  float fallStep_ = 1.0f;
  Rect onRect_;
  Rect offRect_;
};
