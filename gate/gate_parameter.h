// The gate's parameter numbers as the host sees them: 16 step levels, 16 step switches, Interpol and
// BarWidth.
#pragma once

#include <cstdint>

constexpr int32_t kStepCount = 16;

enum GateParameter : int32_t {
  FirstStepLevel = 0,
  FirstStepSwitch = 16,
  InterpolParameter = 32,
  BarWidthParameter = 33,
  GateParameterCount = 34,
};
