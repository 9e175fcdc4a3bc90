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

  // Fills `runs` with at most `capacity` runs covering at most `frames` frames, in order, and moves
  // past them; answers the number of runs. Every run reads one entry for 1 or more frames.
  int32_t walk(Run* runs, int32_t capacity, int32_t frames);
  // The phase of the next frame.
  double phase() const;

private:
  // Switches to counting on the grid of the phase's binade when the additions there are predictable.
  bool enterGrid();
  // Runs on the grid, until the frames, the room or the binade ends.
  int32_t walkOnGrid(Run* runs, int32_t capacity, int32_t& frames);
  // Frames off the grid, one by one: the first run's worth at most.
  Run walkFrameByFrame(int32_t frames);
  // One frame of the walk: add the increment, wrap once past the end of the bar.
  void step();

  double phase_;
  double increment_;
  // On the grid: the phase as a whole number of ulps (hidden bit included), the rounded increment in
  // ulps, and the binade's exponent; an entry spans 2^shift ulps, of which stride fits quotient times.
  bool onGrid_ = false;
  uint64_t here_ = 0;
  uint64_t stride_ = 0;
  uint64_t exponentBits_ = 0;
  int32_t shift_ = 0;
  uint64_t quotient_ = 0;
  uint64_t remainder_ = 0;
};
