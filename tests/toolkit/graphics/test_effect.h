// A minimal effect for the editor tests, and a host callback that counts the requests it receives.
#pragma once

#include <cstdint>

#include "host/plugin_effect.h"

class TestEffect : public PluginEffect {
public:
  TestEffect();
  void processAccumulating(float**, float**, int32_t) override {}
};

// Requests of each code received by the callback since the last reset.
int32_t hostRequestCount(HostRequest request);
void resetHostRequests();
