// ManualClock: the millisecond tick count the toolkit reads while it lives; the test sets and advances it.
#pragma once

#include <cstdint>

#include "toolkit/graphics/tick_source.h"

class ManualClock final : public TickSource {
public:
  explicit ManualClock(uint32_t start) : now_(start) { installTickSource(this); }
  ~ManualClock() override { installTickSource(nullptr); }

  ManualClock(const ManualClock&) = delete;
  ManualClock& operator=(const ManualClock&) = delete;

  uint32_t milliseconds() override { return now_; }
  void set(uint32_t now) { now_ = now; }
  // Unsigned, so advancing past 2^32 - 1 wraps like the platform's count.
  void advance(uint32_t milliseconds) { now_ += milliseconds; }

private:
  uint32_t now_;
};
