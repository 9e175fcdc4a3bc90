// The hostile numbers, the time record, the checked block and the checked name fetch shared by the
// validator's groups.
#include "tools/gatehost/validation_support.h"

#include <cstdio>
#include <cstring>
#include <limits>

const std::vector<int32_t>& edgeIndices() {
  static const std::vector<int32_t> indices = {0,
                                               1,
                                               15,
                                               16,
                                               31,
                                               32,
                                               33,
                                               34,
                                               35,
                                               -1,
                                               -2,
                                               100,
                                               1000000,
                                               std::numeric_limits<int32_t>::max(),
                                               std::numeric_limits<int32_t>::min()};
  return indices;
}

const std::vector<float>& edgeScalars() {
  static const std::vector<float> scalars = {0.0f,
                                             -0.0f,
                                             1.0f,
                                             0.5f,
                                             -1.0f,
                                             2.0f,
                                             1.0e30f,
                                             -1.0e30f,
                                             std::numeric_limits<float>::max(),
                                             std::numeric_limits<float>::min(),
                                             std::numeric_limits<float>::denorm_min(),
                                             1.0e-40f,
                                             std::numeric_limits<float>::quiet_NaN(),
                                             -std::numeric_limits<float>::quiet_NaN(),
                                             std::numeric_limits<float>::infinity(),
                                             -std::numeric_limits<float>::infinity()};
  return scalars;
}

float hostileValue(Validator& validator) {
  if (validator.pick(0, 3) != 0) return validator.uniform(0.0f, 1.0f);
  const std::vector<float>& scalars = edgeScalars();
  return scalars[static_cast<size_t>(validator.pick(0, static_cast<int32_t>(scalars.size()) - 1))];
}

void setTime(PluginHost& host, double sampleRate, double tempo, double quarterNotes) {
  HostTimeInfo& time = host.time();
  time.sampleRate = sampleRate;
  time.tempo = tempo;
  time.quarterNotePosition = quarterNotes;
}

bool processAndCheck(Validator& validator, PluginHost& host, AudioProbe& probe, int32_t frames,
                     bool accumulating, bool inPlace, const std::string& context) {
  probe.fill(validator.random(), frames);
  float** inputs = inPlace ? probe.inPlace() : probe.inputs();
  if (accumulating)
    host.processAccumulating(inputs, probe.outputs(), frames);
  else
    host.processOverwriting(inputs, probe.outputs(), frames);
  const AudioProbe::Scan scan = probe.scan(inPlace);
  const std::string faults = AudioProbe::describe(scan);
  validator.passed(scan.samples);
  return validator.check(faults.empty(), context + (accumulating ? ", accumulating" : ", overwriting") +
                                             (inPlace ? " in place" : "") + ": " + faults);
}

std::string describeNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string fetchProgramName(Validator& validator, PluginHost& host) {
  char buffer[256];
  std::memset(buffer, 0x5A, sizeof buffer);
  host.dispatch(Opcode::ProgramName, 0, 0, buffer);
  const void* end = std::memchr(buffer, '\0', kNameField);
  validator.check(end != nullptr, "a program name was not terminated within 24 bytes");
  for (size_t k = kNameField; k < sizeof buffer; ++k)
    if (!validator.check(buffer[k] == 0x5A, "a program name ran past 24 bytes")) break;
  return end != nullptr ? std::string(buffer) : std::string();
}
