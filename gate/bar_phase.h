// Where a block starts in the bar and how fast it moves, from the host's time record; a record that
// gives no usable tempo gives no phase.
#pragma once

#include "host/plugin_record.h"

struct BarPhase {
  // Table point of the block's first frame, 0 to 1024.
  double start;
  // Table points per frame, 0 to 1024.
  double increment;
};

// False for a tempo or sample rate that is not a positive finite number, a position that is not finite,
// or a bar shorter than one frame.
bool barPhaseOf(const HostTimeInfo& time, BarPhase& phase);
