// Parameter fuzzing through the record's two parameter entries: random indices (outside 0 to 33 too)
// and values (NaN, infinities, huge, negative, subnormal too). A value in range reads back bit for bit,
// one outside reads 0, the texts stay within 8 characters, and whatever the values, once the table
// follows them the sound stays finite and free of subnormals.
#include <cmath>
#include <cstring>

#include "tools/gatehost/validation_groups.h"
#include "tools/gatehost/validation_support.h"

namespace {

constexpr int32_t kWrites = 20000;
constexpr int32_t kSoundRounds = 300;
constexpr int32_t kBlock = 1024;
// Eight characters and the terminator.
constexpr size_t kTextSize = 9;

int32_t randomIndex(Validator& validator) {
  if (validator.pick(0, 7) != 0) return validator.pick(0, kParameters - 1);
  const std::vector<int32_t>& indices = edgeIndices();
  return indices[static_cast<size_t>(validator.pick(0, static_cast<int32_t>(indices.size()) - 1))];
}

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void checkText(Validator& validator, PluginHost& host, Opcode opcode, int32_t index) {
  char buffer[64];
  std::memset(buffer, 0x5A, sizeof buffer);
  host.dispatch(opcode, index, 0, buffer);
  const std::string what =
      "opcode " + std::to_string(static_cast<int32_t>(opcode)) + " for parameter " + std::to_string(index);
  // Either a text of at most 8 characters, or nothing written at all.
  const bool nothingWritten = buffer[0] == 0x5A && std::memcmp(buffer, buffer + 1, kTextSize - 1) == 0;
  validator.check(std::memchr(buffer, '\0', kTextSize) != nullptr || nothingWritten,
                  what + " wrote a text longer than 8 characters");
  bool guardIntact = true;
  for (size_t k = kTextSize; k < sizeof buffer; ++k) guardIntact = guardIntact && buffer[k] == 0x5A;
  validator.check(guardIntact, what + " wrote more than 9 bytes");
}

} // namespace

void validateParameters(Validator& validator) {
  PluginHost host(validator.library());
  if (!validator.check(host.record() != nullptr, "main returned no record")) return;
  for (int32_t write = 0; write < validator.scaled(kWrites); ++write) {
    const int32_t index = randomIndex(validator);
    const float value = hostileValue(validator);
    host.writeParameter(index, value);
    const float read = host.readParameter(index);
    const bool inRange = index >= 0 && index < kParameters;
    validator.check(inRange ? sameBits(read, value) : read == 0.0f, "parameter " + std::to_string(index) +
                                                                        " written " + describeNumber(value) +
                                                                        " reads " + describeNumber(read));
    if (write % 16 == 0) {
      checkText(validator, host, Opcode::ParameterValueText, index);
      checkText(validator, host, Opcode::ParameterName, index);
      checkText(validator, host, Opcode::ParameterUnit, index);
    }
  }

  // The table follows the live values at a program selection; the sound must stay clean whatever they are.
  AudioProbe probe(kBlock);
  for (int32_t round = 0; round < validator.scaled(kSoundRounds); ++round) {
    std::string written;
    for (int32_t n = 0; n < 4; ++n) {
      const int32_t index = validator.pick(0, kParameters - 1);
      const float value = hostileValue(validator);
      host.writeParameter(index, value);
      written += " " + std::to_string(index) + "=" + describeNumber(value);
    }
    host.selectProgram(host.currentProgram());
    setTime(host, 44100.0, 120.0, validator.uniform(0.0f, 64.0f));
    const std::string context = "after writing" + written;
    processAndCheck(validator, host, probe, kBlock, false, false, context);
    processAndCheck(validator, host, probe, kBlock, true, false, context);
    const intptr_t meter = host.dispatch(Opcode::MeterLevel);
    validator.check(meter >= 0, context + ": the meter answered " + std::to_string(meter));
  }
}
