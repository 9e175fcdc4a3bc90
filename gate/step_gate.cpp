// StepGate's life cycle, programs, parameters and table builds; the audio entries are in
// step_gate_audio.cpp.
#include "gate/step_gate.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "host/parameter_text.h"

const char kProgramDumpPath[] = "c:\\ryn.dat";

namespace {

constexpr char kParameterUnit[] = "        ";
// The gate alone, without an editor, which no host sees: the plug-in replaces it with its own.
constexpr int32_t kGatePluginId = fourCharacterCode("Ktvo");

} // namespace

StepGate::StepGate(HostCallback callback)
    : PluginEffectExt(callback, kProgramCount, GateParameterCount), peakLevel_(0.0f) {
  for (ProgramRecord& record : programs_) record.reset();
  selectProgram(0);
  assignInputCount(2);
  assignOutputCount(2);
  declareMeter(true);
  declareOverwriting(true);
  assignPluginId(kGatePluginId);
}

StepGate::~StepGate() {
  if (dumpsPrograms_) writeProgramDump(kProgramDumpPath, programs_.data(), programs_.size(), replaceFile_);
}

void StepGate::selectProgram(int32_t program) {
  // The dispatcher checks the number, but the editor and tools call in directly.
  if (program < 0 || program >= kProgramCount) return;
  storeCurrentProgram(program);
  // Into the live values only, never back into a record: another thread may select meanwhile, and a copy
  // of one program must not land in another. Whichever selection stores its number last copies its
  // program after every other copy, or sees the number change and copies again.
  for (int32_t copied = program;;) {
    for (int32_t index = 0; index < GateParameterCount; ++index)
      live_.write(index, loadSlot(programs_[copied], index));
    if (confirmCurrentProgram(copied)) break;
    copied = currentProgram();
  }
}

ProgramRecord StepGate::program(int32_t number) const {
  ProgramRecord copy{};
  {
    const std::lock_guard<std::mutex> hold(namesLock_);
    std::memcpy(copy.name, programs_[number].name, sizeof copy.name);
  }
  for (int32_t index = 0; index < GateParameterCount; ++index)
    *copy.slotOf(index) = loadSlot(programs_[number], index);
  return copy;
}

void StepGate::renameProgram(char* text) {
  if (text == nullptr) return;
  const std::lock_guard<std::mutex> hold(namesLock_);
  currentRecord().rename(text);
}

void StepGate::fetchProgramName(char* text) {
  if (text == nullptr) return;
  const int32_t program = currentProgram();
  char name[kProgramNameSize];
  {
    const std::lock_guard<std::mutex> hold(namesLock_);
    std::memcpy(name, programs_[program].name, sizeof name);
  }
  if (std::strcmp(name, kInitName) == 0)
    std::snprintf(text, kProgramNameSize, "%s %d", kInitName, static_cast<int>(program + 1));
  else
    std::memcpy(text, name, std::strlen(name) + 1);
}

void StepGate::writeParameter(int32_t index, float value) {
  storeSlot(currentRecord(), index, value);
  live_.write(index, value);
}

float StepGate::readParameter(int32_t index) { return live_.read(index); }

void StepGate::fetchParameterName(int32_t index, char* text) {
  if (text == nullptr) return;
  const ParameterSlot slot = parameterSlot(index);
  switch (slot.kind) {
  case ParameterKind::StepLevel:
    std::snprintf(text, kParameterTextSize, " Bar %02d ", static_cast<int>(slot.step));
    break;
  case ParameterKind::StepSwitch:
    std::snprintf(text, kParameterTextSize, "BarSW%02d ", static_cast<int>(slot.step));
    break;
  case ParameterKind::Interpol:
    std::snprintf(text, kParameterTextSize, "Interpol");
    break;
  case ParameterKind::BarWidth:
    std::snprintf(text, kParameterTextSize, "BarWidth");
    break;
  case ParameterKind::None:
    break;
  }
}

void StepGate::fetchParameterUnit(int32_t, char* text) {
  if (text != nullptr) std::memcpy(text, kParameterUnit, sizeof kParameterUnit);
}

void StepGate::fetchParameterValueText(int32_t index, char* text) {
  if (text == nullptr) return;
  const ParameterKind kind = parameterSlot(index).kind;
  const float value = readParameter(index);
  // The decibel text of a NaN factor would claim minus infinity; the plain text says what the value is.
  if (kind == ParameterKind::BarWidth && !std::isnan(value))
    decibelsToText(value, text);
  else if (kind != ParameterKind::None)
    floatToText(value, text);
}
