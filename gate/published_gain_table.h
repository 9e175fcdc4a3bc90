// PublishedGainTable: hands finished gain tables from the threads that build them to the audio thread,
// which never waits for a build and never sees one half done.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "gate/gain_table.h"

// Three tables change hands through one atomic slot, each owned by one side at a time:
// - the audio thread owns the table it plays; once per block, if the slot holds a fresh table, it
//   exchanges its own for it (acquire: it sees the whole build; release: it is done reading the old one);
// - the builder owns a spare, copies the newest finished table into it, builds there and exchanges it
//   into the slot marked fresh, getting back whichever table the slot held, which nobody reads any more.
// No table is ever written while another thread may read it. Builders take turns on a mutex; the
// audio side takes no lock, so it is wait-free.
class PublishedGainTable {
public:
  PublishedGainTable();

  // Builds a new table from `pattern` on a copy of the newest one, so entries the build leaves alone
  // keep their values, and publishes it with its silent entries (subnormal ones among them) flushed to zero.
  void rebuild(const StepPattern& pattern);
  // A copy of the newest finished table, for drawing and inspection.
  void copyNewest(GainTable& out) const;

  // Audio thread only: the table to play this block; it stays untouched until the next call.
  const GainTable& acquire();

private:
  static constexpr int32_t kFresh = 4;
  static constexpr int32_t kSlotMask = 3;

  GainTable tables_[3];
  mutable std::mutex builders_;
  int32_t spare_;
  int32_t newest_;
  std::atomic<int32_t> handover_;
  int32_t playing_;
};
