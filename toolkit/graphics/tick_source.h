// The millisecond clock behind the editor's 50 ms throttle: the platform's tick count by default, a
// test's own clock when installed, so time can be advanced (and wrapped) at will.
#pragma once

#include <cstdint>

class TickSource {
public:
  virtual ~TickSource() = default;
  virtual uint32_t milliseconds() = 0;
};

uint32_t currentTicks();
// Null gives the platform's tick count back.
void installTickSource(TickSource* source);
