// Pattern: the 34 values of one pattern as plain numbers, by what they do and by parameter number. The
// editor's commands and the pattern text work on it, and a gain table is built from it.
#pragma once

#include <array>
#include <cstdint>

#include "gate/gate_parameter.h"

struct ProgramRecord;

struct Pattern {
  std::array<float, kStepCount> levels;
  std::array<float, kStepCount> switches;
  float interpol;
  float barWidth;

  // Parameter `index`, 0 to 33, as an array's element; BarWidth for any other number, which no caller passes.
  float& operator[](int32_t index) { return const_cast<float&>(static_cast<const Pattern&>(*this)[index]); }
  const float& operator[](int32_t index) const;
};

// Value by value, so NaN differs from itself as it does in an array.
bool operator==(const Pattern& a, const Pattern& b);
inline bool operator!=(const Pattern& a, const Pattern& b) { return !(a == b); }

Pattern patternOf(const ProgramRecord& record);
Pattern initPattern();
