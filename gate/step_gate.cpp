// StepGate's life cycle, programs, parameters and table builds; the audio entries are in
// step_gate_audio.cpp.
#include "gate/step_gate.h"

#include <cstdio>
#include <cstring>

#include "host/editor_base.h"
#include "host/parameter_text.h"

const char kProgramDumpPath[] = "c:\\ryn.dat";

namespace {

constexpr char kInitName[] = "Init";
constexpr char kParameterUnit[] = "        ";
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

StepGate::~StepGate() { dumpPrograms(); }

void StepGate::dumpPrograms() const {
  std::FILE* file = std::fopen(kProgramDumpPath, "wb");
  if (file == nullptr) return;
  std::fwrite(programs_.data(), sizeof(ProgramRecord), programs_.size(), file);
  std::fclose(file);
}

void StepGate::selectProgram(int32_t program) {
  // The dispatcher checks the number, but the editor and tools call in directly.
  if (program < 0 || program >= kProgramCount) return;
  storeCurrentProgram(program);
  // Through the table of virtual operations, so an effect with an editor moves its controls; each value
  // goes back into the record it came from.
  ProgramRecord& record = programs_[program];
  for (int32_t index = 0; index < GateParameterCount; ++index) writeParameter(index, loadSlot(record, index));
  if (editor() != nullptr) editor()->requestUpdate();
}

ProgramRecord StepGate::program(int32_t number) const {
  ProgramRecord copy{};
  std::memcpy(copy.name, programs_[number].name, sizeof copy.name);
  for (int32_t index = 0; index < GateParameterCount; ++index)
    *copy.slotOf(index) = loadSlot(programs_[number], index);
  return copy;
}

void StepGate::renameProgram(char* text) {
  if (text != nullptr) currentRecord().rename(text);
}

void StepGate::fetchProgramName(char* text) {
  if (text == nullptr) return;
  const ProgramRecord& record = currentRecord();
  if (std::strcmp(record.name, kInitName) == 0)
    std::snprintf(text, kProgramNameSize, "%s %d", kInitName, static_cast<int>(currentProgram() + 1));
  else
    std::memcpy(text, record.name, std::strlen(record.name) + 1);
}

void StepGate::writeParameter(int32_t index, float value) {
  storeSlot(currentRecord(), index, value);
  live_.write(index, value);
  if (editor() != nullptr) editor()->requestUpdate();
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
  if (kind == ParameterKind::BarWidth)
    decibelsToText(readParameter(index), text);
  else if (kind != ParameterKind::None)
    floatToText(readParameter(index), text);
}
