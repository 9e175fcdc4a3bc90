// The block's start in the bar and its speed through the table, with the host's values checked.
#include "gate/bar_phase.h"

#include <cmath>

#include "gate/gain_table.h"

namespace {

bool positiveFinite(double value) { return std::isfinite(value) && value > 0.0; }

} // namespace

bool barPhaseOf(const HostTimeInfo& time, BarPhase& phase) {
  if (!positiveFinite(time.tempo) || !positiveFinite(time.sampleRate) ||
      !std::isfinite(time.quarterNotePosition))
    return false;
  // 15 / tempo is a sixteenth note in seconds; times the sample rate and 16, the frames of a 4/4 bar.
  const double increment = kBarPoints / ((15.0 / time.tempo) * time.sampleRate * 16.0);
  // One wrap per frame brings the phase back into the bar only while a step is at most one bar.
  if (!(increment <= kBarPoints)) return false;
  // floor rather than trunc, so a count-in before the song's start lands inside the bar too.
  const double bars = time.quarterNotePosition / 4.0;
  phase.start = (bars - std::floor(bars)) * kBarPoints;
  phase.increment = increment;
  return true;
}
