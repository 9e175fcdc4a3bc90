// ValueWidget: what every control shares. A value with advisory bounds, the value last painted (a control
// repaints only when they differ), the Alt+click reset value, a tag naming it to its listener.
#pragma once

#include <cstdint>

#include "toolkit/graphics/widget.h"

class ValueListener;

class ValueWidget : public Widget {
public:
  ValueWidget(const Rect& size, ValueListener* listener, int32_t tag)
      : Widget(size), listener_(listener), tag_(tag) {}

  void paint(Canvas* canvas) override = 0;
  void refreshIfChanged(Canvas* canvas) override;

  // Lets the editor bring the display and the host up to date, at most every 50 ms, during a drag.
  virtual void requestRefresh();
  // Stored as given: each control decides where it clamps.
  virtual void putValue(float value) { value_ = value; }
  virtual float value() const { return value_; }
  virtual void setMinimum(float minimum) { minimum_ = minimum; }
  virtual float minimum() const { return minimum_; }
  virtual void setMaximum(float maximum) { maximum_ = maximum; }
  virtual float maximum() const { return maximum_; }
  virtual void setShownValue(float shown) { shownValue_ = shown; }
  virtual float shownValue() const { return shownValue_; }
  virtual void setResetValue(float reset) { resetValue_ = reset; }
  virtual float resetValue() const { return resetValue_; }
  virtual void setClickable(bool clickable) { clickable_ = clickable; }
  virtual bool isClickable() const { return clickable_; }

  ValueListener* listener() const { return listener_; }
  int32_t tag() const { return tag_; }

private:
  ValueListener* listener_;
  int32_t tag_;
  bool clickable_ = true;
  // -1 is no value any control shows, so the first refresh always paints.
  float shownValue_ = -1.0f;
  float resetValue_ = 0.5f;
  float value_ = 0.0f;
  float minimum_ = 0.0f;
  float maximum_ = 1.0f;
};
