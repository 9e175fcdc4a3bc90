// The test effect and its counting host callback.
#include "tests/toolkit/graphics/test_effect.h"

namespace {

int32_t requestCounts[64] = {};

intptr_t PLUGIN_CDECL countingHost(PluginRecord*, int32_t request, int32_t, intptr_t, void*, float) {
  if (request >= 0 && request < 64) ++requestCounts[request];
  return 0;
}

} // namespace

TestEffect::TestEffect() : PluginEffect(countingHost, 1, 1) {}

int32_t hostRequestCount(HostRequest request) { return requestCounts[static_cast<int32_t>(request)]; }

void resetHostRequests() {
  for (int32_t& count : requestCounts) count = 0;
}
