// The platform tick count (GetTickCount) and the slot that may replace it.
#include "toolkit/graphics/tick_source.h"

#include <windows.h>

namespace {

TickSource* installed = nullptr;

} // namespace

uint32_t currentTicks() {
  return installed != nullptr ? installed->milliseconds() : static_cast<uint32_t>(GetTickCount());
}

void installTickSource(TickSource* source) { installed = source; }
