// ProgramRecord's Init values, its parameter map and the bounded rename.
#include "gate/program_record.h"

#include <cstring>

#include "gate/gate_parameter.h"

void ProgramRecord::reset() {
  for (float& level : stepLevels) level = 1.0f;
  for (float& stepSwitch : stepSwitches) stepSwitch = 1.0f;
  barWidth = 1.0f;
  interpol = 0.5f;
  rename(kInitName);
}

float* ProgramRecord::slotOf(int32_t index) {
  return const_cast<float*>(static_cast<const ProgramRecord*>(this)->slotOf(index));
}

const float* ProgramRecord::slotOf(int32_t index) const {
  const ParameterSlot slot = parameterSlot(index);
  switch (slot.kind) {
  case ParameterKind::StepLevel:
    return &stepLevels[slot.step];
  case ParameterKind::StepSwitch:
    return &stepSwitches[slot.step];
  case ParameterKind::Interpol:
    return &interpol;
  case ParameterKind::BarWidth:
    return &barWidth;
  case ParameterKind::None:
    break;
  }
  return nullptr;
}

void ProgramRecord::rename(const char* text) {
  std::memset(name, 0, sizeof name);
  std::strncpy(name, text, sizeof name - 1);
}

// In place, with the compiler's atomic built-ins (the same instructions as a plain 32-bit store and load
// here), so the record keeps the layout files and the bank resource share.
void storeSlot(ProgramRecord& record, int32_t index, float value) {
  if (float* slot = record.slotOf(index)) __atomic_store(slot, &value, __ATOMIC_RELAXED);
}

float loadSlot(const ProgramRecord& record, int32_t index) {
  float value = 0.0f;
  if (const float* slot = record.slotOf(index)) __atomic_load(slot, &value, __ATOMIC_RELAXED);
  return value;
}

static_assert(__atomic_always_lock_free(sizeof(float), nullptr));
