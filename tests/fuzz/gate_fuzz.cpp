// The fuzz target: each input is a script of host actions on one StepGate, created as the library's
// `main` creates its effect and driven only through the record: opcodes with arbitrary arguments and
// data, parameter writes and reads, time records, and blocks through both processing entries. Besides
// the sanitizers' findings it stops on a broken promise: a parameter outside 0 to 33 that reads other
// than 0, a non-finite sample out of finite noise, or a sample written past the block.
#include <cstring>
#include <new>

#include "gate/step_gate.h"
#include "host/opcodes.h"
#include "tests/fuzz/fuzz_buffers.h"
#include "tests/fuzz/fuzz_reader.h"

namespace {

constexpr size_t kTextSize = 64;

enum class Action : uint8_t { Dispatch, WriteParameter, ReadParameter, Overwrite, Accumulate, Time, Reopen };
constexpr uint8_t kActions = 7;

const double kSampleRates[] = {8000, 22050, 44100, 48000, 96000, 192000, 0, -1};
const double kTempos[] = {0, 1, 60, 120, 140, 999, -120, 1e9};
const double kPositions[] = {0, 0.25, 3.999999, 4, 1e6, -1, -4.5, 1e15};

HostTimeInfo hostTime;
bool withholdTime = false;

intptr_t PLUGIN_CDECL answer(PluginRecord*, int32_t request, int32_t, intptr_t, void*, float) {
  if (request == static_cast<int32_t>(HostRequest::Version)) return 2400;
  if (request == static_cast<int32_t>(HostRequest::TimeInfo))
    return withholdTime ? 0 : reinterpret_cast<intptr_t>(&hostTime);
  return 0;
}

// What the library's `main` does, with the portable gate in place of the Win32 editor-owning effect.
PluginRecord* createEffect() {
  if (answer(nullptr, static_cast<int32_t>(HostRequest::Version), 0, 0, nullptr, 0.0f) == 0) return nullptr;
  PluginEffect* effect = new (std::nothrow) StepGate(&answer);
  return effect != nullptr ? effect->record() : nullptr;
}

void dispatch(PluginRecord* record, FuzzReader& reader, char* text) {
  const int32_t opcode = reader.opcode();
  const int32_t index = reader.index();
  const intptr_t value = reader.index();
  const uint8_t dataKind = reader.byte() % 3;
  const float scalar = reader.scalar();
  // Closing is its own action: this one keeps the record alive.
  if (opcode == static_cast<int32_t>(Opcode::Close)) return;
  void* data = nullptr;
  if (dataKind != 0) {
    std::memset(text, 0, kTextSize);
    // A name the fuzzer writes, for renames and capability words.
    const int32_t length = dataKind == 2 ? reader.byte() % (kTextSize - 1) : 0;
    for (int32_t k = 0; k < length; ++k) text[k] = static_cast<char>(reader.byte());
    data = text;
  }
  record->dispatchFn(record, opcode, index, value, data, scalar);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  static FuzzBuffers buffers;
  FuzzReader reader(bytes, size);
  hostTime = HostTimeInfo{};
  hostTime.sampleRate = 44100.0;
  hostTime.tempo = 120.0;
  withholdTime = false;
  PluginRecord* record = createEffect();
  require(record != nullptr);
  char text[kTextSize];
  while (!reader.empty()) {
    const Action action = static_cast<Action>(reader.byte() % kActions);
    switch (action) {
    case Action::Dispatch:
      dispatch(record, reader, text);
      break;
    case Action::WriteParameter: {
      const int32_t index = reader.index();
      record->writeParameterFn(record, index, reader.scalar());
      break;
    }
    case Action::ReadParameter: {
      const int32_t index = reader.index();
      const float value = record->readParameterFn(record, index);
      if (index < 0 || index >= GateParameterCount) require(value == 0.0f);
      break;
    }
    case Action::Overwrite:
    case Action::Accumulate: {
      const bool accumulating = action == Action::Accumulate;
      const int32_t frames = reader.word() % (FuzzBuffers::kLargestBlock + 1);
      const bool inPlace = reader.byte() % 4 == 0;
      buffers.fill(frames, reader.byte());
      float** inputs = inPlace ? buffers.outputs : buffers.inputs;
      (accumulating ? record->accumulateFn : record->overwriteFn)(record, inputs, buffers.outputs, frames);
      buffers.checkOutputs(frames);
      break;
    }
    case Action::Time:
      hostTime.sampleRate = reader.timeValue(kSampleRates, 8);
      hostTime.tempo = reader.timeValue(kTempos, 8);
      hostTime.quarterNotePosition = reader.timeValue(kPositions, 8);
      withholdTime = reader.byte() % 8 == 0;
      break;
    case Action::Reopen:
      // One reopen in eight reopen actions: each costs a program dump and a fresh one-second delay line,
      // which would otherwise take most of a run and leave the blocks and rebuilds little time.
      if (reader.byte() % 8 != 0) break;
      require(record->dispatchFn(record, static_cast<int32_t>(Opcode::Close), 0, 0, nullptr, 0.0f) == 1);
      record = createEffect();
      require(record != nullptr);
      break;
    }
  }
  record->dispatchFn(record, static_cast<int32_t>(Opcode::Close), 0, 0, nullptr, 0.0f);
  return 0;
}
