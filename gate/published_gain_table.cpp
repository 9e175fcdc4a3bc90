// PublishedGainTable's handover between builders and the audio thread.
#include "gate/published_gain_table.h"

PublishedGainTable::PublishedGainTable() : tables_{}, spare_(2), newest_(0), handover_(1), playing_(0) {}

void PublishedGainTable::rebuild(const StepPattern& pattern) {
  const std::lock_guard<std::mutex> lock(builders_);
  GainTable& table = tables_[spare_];
  table = tables_[newest_];
  layOutSteps(table, pattern);
  smoothGainTable(table, smoothingPasses(pattern.interpol));
  flushInaudibleGains(table);
  newest_ = spare_;
  spare_ = handover_.exchange(spare_ | kFresh, std::memory_order_acq_rel) & kSlotMask;
}

void PublishedGainTable::copyNewest(GainTable& out) const {
  const std::lock_guard<std::mutex> lock(builders_);
  out = tables_[newest_];
}

const GainTable& PublishedGainTable::acquire() {
  if ((handover_.load(std::memory_order_relaxed) & kFresh) != 0)
    playing_ = handover_.exchange(playing_, std::memory_order_acq_rel) & kSlotMask;
  return tables_[playing_];
}
