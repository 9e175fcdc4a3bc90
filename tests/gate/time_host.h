// A host for the gate's tests: answers the time request with a record the test sets and counts the
// requests it receives, without allocating, so it can stand by while allocations are counted.
#pragma once

#include <cstdint>

#include "host/plugin_record.h"

class TimeHost {
public:
  TimeHost();
  ~TimeHost();

  HostCallback callback() const { return &TimeHost::receive; }
  // The record answered to the time request; null answers that there is no time information.
  void answerTime(const HostTimeInfo* time) { time_ = time; }
  int32_t timeRequests() const { return timeRequests_; }
  int32_t otherRequests() const { return otherRequests_; }
  int32_t lastTimeMask() const { return lastTimeMask_; }
  void resetCounts() { timeRequests_ = otherRequests_ = 0; }

private:
  static intptr_t PLUGIN_CDECL receive(PluginRecord* record, int32_t request, int32_t index, intptr_t value,
                                       void* data, float scalar);
  const HostTimeInfo* time_ = nullptr;
  int32_t timeRequests_ = 0;
  int32_t otherRequests_ = 0;
  int32_t lastTimeMask_ = 0;
};

// A time record with the three values the gate reads.
HostTimeInfo timeAt(double sampleRate, double quarterNotes, double tempo);
