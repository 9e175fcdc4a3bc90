// Every opcode a host could send, from far below 0 to beyond the last one, with every combination of edge
// indices, values, scalars and data (none, or a zeroed buffer with a guard zone behind it). The effect must
// answer without crashing, write no further into the buffer than the largest text or address it hands
// back, keep its fixed answers, and still work afterwards.
#include <cstring>
#include <limits>

#include "tools/gatehost/validation_groups.h"
#include "tools/gatehost/validation_support.h"

namespace {

constexpr int32_t kLastOpcodeSwept = 70;
constexpr int32_t kLastKnownOpcode = 58;
// A program name is the longest thing the effect writes into a host's buffer (24 bytes).
constexpr size_t kWritable = 64;
constexpr size_t kScratchSize = 1024;
constexpr uint8_t kGuardByte = 0xA5;

std::vector<int32_t> sweptOpcodes() {
  std::vector<int32_t> opcodes = {std::numeric_limits<int32_t>::min(), -1000000, -1000};
  for (int32_t opcode = -5; opcode <= kLastOpcodeSwept; ++opcode)
    if (opcode != static_cast<int32_t>(Opcode::Close)) opcodes.push_back(opcode);
  opcodes.push_back(1000);
  opcodes.push_back(std::numeric_limits<int32_t>::max());
  return opcodes;
}

const std::vector<intptr_t>& edgeValues() {
  static const std::vector<intptr_t> values = {
      0, 1, -1, 16, 1000, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()};
  return values;
}

struct Scratch {
  uint8_t bytes[kScratchSize];

  void reset() {
    std::memset(bytes, 0, kWritable);
    std::memset(bytes + kWritable, kGuardByte, kScratchSize - kWritable);
  }
  bool guardIntact() const {
    for (size_t k = kWritable; k < kScratchSize; ++k)
      if (bytes[k] != kGuardByte) return false;
    return true;
  }
};

std::string callText(int32_t opcode, int32_t index, intptr_t value, bool withData, float scalar) {
  return "opcode " + std::to_string(opcode) + " (index " + std::to_string(index) + ", value " +
         std::to_string(value) + ", " + (withData ? "buffer" : "null data") + ", scalar " +
         describeNumber(scalar) + ")";
}

// The answers an effect of this interface gives whatever the arguments.
void checkFixedAnswer(Validator& validator, int32_t opcode, intptr_t answer, const std::string& call) {
  if (opcode == static_cast<int32_t>(Opcode::Identify))
    validator.check(answer == kIdentifyAnswer, call + " did not answer the identify constant");
  else if (opcode == static_cast<int32_t>(Opcode::InterfaceVersion))
    validator.check(answer == 2, call + " did not answer interface version 2");
  else if (opcode == static_cast<int32_t>(Opcode::CurrentProgram))
    validator.check(answer >= 0 && answer < 16, call + " answered a program outside the bank");
  else if (opcode < 0 || opcode > kLastKnownOpcode)
    validator.check(answer == 0, call + " answered " + std::to_string(answer) + " for an unknown opcode");
}

} // namespace

void validateOpcodes(Validator& validator) {
  PluginHost host(validator.library());
  if (!validator.check(host.record() != nullptr, "main returned no record")) return;
  Scratch scratch;
  // At lower strictness a random share of the combinations runs.
  const int32_t share = validator.strictness();
  for (const int32_t opcode : sweptOpcodes())
    for (const int32_t index : edgeIndices())
      for (const intptr_t value : edgeValues())
        for (const bool withData : {false, true})
          for (const float scalar : edgeScalars()) {
            if (validator.pick(1, Validator::kMaxStrictness) > share) continue;
            // A buffer is no window: opening the editor in it would hand the platform a made-up handle.
            if (withData && opcode == static_cast<int32_t>(Opcode::EditorOpen)) continue;
            scratch.reset();
            const intptr_t answer = host.dispatch(static_cast<Opcode>(opcode), index, value,
                                                  withData ? scratch.bytes : nullptr, scalar);
            const std::string call = callText(opcode, index, value, withData, scalar);
            checkFixedAnswer(validator, opcode, answer, call);
            if (withData) validator.check(scratch.guardIntact(), call + " wrote past the texts it may write");
          }
  host.dispatch(Opcode::EditorClose);

  // Still a working effect: its names, a program change and a clean block.
  validator.check(host.parameterName(33) == "BarWidth", "parameter names changed after the opcode sweep");
  host.selectProgram(3);
  validator.check(host.currentProgram() == 3, "program changes stopped working after the opcode sweep");
  host.dispatch(Opcode::SampleRate, 0, 0, nullptr, 44100.0f);
  host.dispatch(Opcode::BlockSize, 0, 512);
  host.dispatch(Opcode::Activation, 0, 1);
  setTime(host, 44100.0, 120.0, 0.0);
  AudioProbe probe(512);
  processAndCheck(validator, host, probe, 512, false, false, "a block after the opcode sweep");
  processAndCheck(validator, host, probe, 512, true, false, "a block after the opcode sweep");
}
