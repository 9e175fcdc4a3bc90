// The gate's parameter numbers as the host sees them: 16 step levels, 16 step switches, Interpol and
// BarWidth, and the one place that tells which kind of parameter a number is.
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

enum class ParameterKind : int32_t { StepLevel, StepSwitch, Interpol, BarWidth, None };

struct ParameterSlot {
  ParameterKind kind;
  // 0 to 15 for a step's level or switch, else 0.
  int32_t step;
};

// The kind of parameter `index` is, None for a number outside 0 to 33.
constexpr ParameterSlot parameterSlot(int32_t index) {
  if (index >= FirstStepLevel && index < FirstStepSwitch)
    return {ParameterKind::StepLevel, index - FirstStepLevel};
  if (index >= FirstStepSwitch && index < InterpolParameter)
    return {ParameterKind::StepSwitch, index - FirstStepSwitch};
  if (index == InterpolParameter) return {ParameterKind::Interpol, 0};
  if (index == BarWidthParameter) return {ParameterKind::BarWidth, 0};
  return {ParameterKind::None, 0};
}

constexpr bool isGateParameter(int32_t index) { return parameterSlot(index).kind != ParameterKind::None; }
