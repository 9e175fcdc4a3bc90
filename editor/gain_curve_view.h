// GainCurveView: the display strip at the top of the editor, showing the gain table the gate plays for
// its live values. A widget like the controls, so every repaint of the window shows it.
#pragma once

#include <cstdint>

#include "gate/live_parameters.h"
#include "toolkit/graphics/widget.h"

class GainCurveView : public Widget {
public:
  static constexpr int32_t kColumns = 298;

  // `strip` is where the curve is drawn; the view reads `live` for as long as it exists.
  GainCurveView(const Rect& strip, const LiveParameters& live);

  void paint(Canvas* canvas) override;
  // Repaints once the parameters were written since the curve was last drawn.
  void refreshIfChanged(Canvas* canvas) override;

private:
  const LiveParameters& live_;
  FollowedGainTable table_;
};
