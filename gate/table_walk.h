// TableWalk: steps the bar's phase through a block the way a frame-by-frame double-precision walk
// does, but a whole run of frames that read the same table entry at a time.
#pragma once

#include <cstdint>

class TableWalk {
public:
  struct Run {
    int32_t index;
    int32_t frames;
  };

  TableWalk(double phase, double increment) : phase_(phase), increment_(increment) {}

  // The entry the next frames read and how many of them (1 to `limit`) read it; moves past them.
  Run next(int32_t limit);
  double phase() const { return phase_; }

private:
  // Frames from here that stay below `boundary`, counted exactly; leaves the phase at the last of them.
  int32_t framesBelow(int32_t boundary, int32_t limit);
  // One frame of the walk: add the increment, wrap once past the end of the bar.
  void step();

  double phase_;
  double increment_;
};
