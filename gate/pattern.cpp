// Pattern's map from parameter numbers to its values, and the patterns of stored programs.
#include "gate/pattern.h"

#include "gate/program_record.h"

const float& Pattern::operator[](int32_t index) const {
  const ParameterSlot slot = parameterSlot(index);
  switch (slot.kind) {
  case ParameterKind::StepLevel:
    return levels[slot.step];
  case ParameterKind::StepSwitch:
    return switches[slot.step];
  case ParameterKind::Interpol:
    return interpol;
  case ParameterKind::BarWidth:
  case ParameterKind::None:
    break;
  }
  return barWidth;
}

bool operator==(const Pattern& a, const Pattern& b) {
  return a.levels == b.levels && a.switches == b.switches && a.interpol == b.interpol &&
         a.barWidth == b.barWidth;
}

Pattern patternOf(const ProgramRecord& record) {
  Pattern pattern{};
  for (int32_t index = 0; index < GateParameterCount; ++index) pattern[index] = *record.slotOf(index);
  return pattern;
}

Pattern initPattern() {
  ProgramRecord record{};
  record.reset();
  return patternOf(record);
}
