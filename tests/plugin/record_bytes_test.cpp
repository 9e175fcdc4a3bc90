// Reads the built DLL's record as a host of this build's width does: LoadLibrary, `main`, and every field
// at its byte offset from a hand-written table, with none of the project's own declarations of the record.
#include <windows.h>

#include <gtest/gtest.h>

#include <new>
#include <string>

#include "tests/support/record_bytes.h"

namespace {

// The 64-bit interface has one calling convention; the 32-bit one names cdecl.
#ifdef _WIN64
#define HOST_CALL
#else
#define HOST_CALL __cdecl
#endif

using HostCallback = intptr_t(HOST_CALL*)(void*, int32_t, int32_t, intptr_t, void*, float);
using MainEntry = void*(HOST_CALL*)(HostCallback);
using DispatchEntry = intptr_t(HOST_CALL*)(void*, int32_t, int32_t, intptr_t, void*, float);
using WriteParameterEntry = void(HOST_CALL*)(void*, int32_t, float);
using ReadParameterEntry = float(HOST_CALL*)(void*, int32_t);
using ProcessEntry = void(HOST_CALL*)(void*, float**, float**, int32_t);

constexpr int32_t kHostVersionRequest = 1;
constexpr int32_t kTimeRequest = 7;
constexpr int kFrames = 64;

// What the host hands over by address, above 4 GiB in the 64-bit build: an address cut to 32 bits on the
// way would miss it. The time record's fields: sample position, rate, nanoseconds, quarter notes, tempo.
struct HostMemory {
  char text[256];
  double time[5];
  const int16_t* rect;
  float samples[4][kFrames];
  float* inputs[2];
  float* outputs[2];
};
HostMemory* hostMemory = nullptr;

intptr_t HOST_CALL answeringHost(void*, int32_t request, int32_t, intptr_t, void*, float) {
  if (request == kHostVersionRequest) return 2400;
  return request == kTimeRequest ? reinterpret_cast<intptr_t>(hostMemory->time) : 0;
}

template <typename Entry>
Entry entryAt(const void* record, size_t offset) {
  return reinterpret_cast<Entry>(pointerAt(record, offset));
}

std::string text(void* record, int32_t opcode, int32_t index) {
  char* buffer = hostMemory->text;
  buffer[0] = '\0';
  entryAt<DispatchEntry>(record, kHostOffsets.dispatchFn)(record, opcode, index, 0, buffer, 0.0f);
  return buffer;
}

} // namespace

TEST(RecordBytes, HostReadingByOffsetFindsEveryFieldAndWorkingEntries) {
  void* high =
      VirtualAlloc(nullptr, sizeof(HostMemory), MEM_RESERVE | MEM_COMMIT | MEM_TOP_DOWN, PAGE_READWRITE);
  ASSERT_NE(high, nullptr);
  // Without memory above 4 GiB the 64-bit build would prove nothing; the 32-bit build has none.
  ASSERT_TRUE(sizeof(void*) == 4 || uint64_t{reinterpret_cast<uintptr_t>(high)} > 0xFFFFFFFFull);
  hostMemory = new (high) HostMemory{};
  HMODULE module = LoadLibraryA("stepgate.dll");
  ASSERT_NE(module, nullptr);
  const auto entry = reinterpret_cast<MainEntry>(reinterpret_cast<void*>(GetProcAddress(module, "main")));
  ASSERT_NE(entry, nullptr);
  void* record = entry(&answeringHost);
  ASSERT_NE(record, nullptr);
  const RecordOffsets& at = kHostOffsets;

  const struct {
    const char* name;
    size_t offset;
    int32_t value;
  } words[] = {
      {"signature", at.signature, 0x56737450},   {"programCount", at.programCount, 16},
      {"parameterCount", at.parameterCount, 34}, {"inputCount", at.inputCount, 2},
      {"outputCount", at.outputCount, 2},        {"capabilityFlags", at.capabilityFlags, 0x15},
      {"latencySamples", at.latencySamples, 0},  {"ioSampleRatio", at.ioSampleRatio, 0x3F800000},
      {"pluginId", at.pluginId, 0x4B747673},     {"pluginVersion", at.pluginVersion, 1},
  };
  for (const auto& word : words) EXPECT_EQ(wordAt(record, word.offset), word.value) << word.name;
  for (size_t offset : {at.dispatchFn, at.accumulateFn, at.writeParameterFn, at.readParameterFn,
                        at.effectObject, at.overwriteFn})
    EXPECT_NE(pointerAt(record, offset), 0u) << "offset " << offset;
  EXPECT_EQ(pointerAt(record, at.reservedA), 0u);
  EXPECT_EQ(pointerAt(record, at.reservedB), 0u);
  for (size_t offset = at.reservedTail; offset < at.size; ++offset)
    EXPECT_EQ(valueAt<uint8_t>(record, offset), 0) << "offset " << offset;

  const auto read = entryAt<ReadParameterEntry>(record, at.readParameterFn);
  EXPECT_EQ(read(record, 32), 0.5f);
  entryAt<WriteParameterEntry>(record, at.writeParameterFn)(record, 5, 0.25f);
  EXPECT_EQ(read(record, 5), 0.25f);
  EXPECT_EQ(text(record, 5, 0), "Init 1");
  EXPECT_EQ(text(record, 8, 33), "BarWidth");
  EXPECT_EQ(text(record, 7, 32), "0.500000");
  // Opcode 13 answers the address of the editor's rectangle through `data`: top, left, bottom, right.
  const auto dispatch = entryAt<DispatchEntry>(record, at.dispatchFn);
  EXPECT_EQ(dispatch(record, 13, 0, 0, &hostMemory->rect, 0.0f), 1);
  ASSERT_NE(hostMemory->rect, nullptr);
  EXPECT_EQ(hostMemory->rect[0], 0);
  EXPECT_EQ(hostMemory->rect[1], 0);
  EXPECT_EQ(hostMemory->rect[2], 240);
  EXPECT_EQ(hostMemory->rect[3], 386);

  // Every step silent: only a gate that found the time record (without one the sound passes unchanged)
  // turns the input into silence.
  for (int32_t step = 0; step < 16; ++step)
    entryAt<WriteParameterEntry>(record, at.writeParameterFn)(record, step, 0.0f);
  hostMemory->time[1] = 44100.0;
  hostMemory->time[4] = 120.0;
  for (int channel = 0; channel < 2; ++channel) {
    for (float& sample : hostMemory->samples[channel]) sample = 1.0f;
    hostMemory->inputs[channel] = hostMemory->samples[channel];
    hostMemory->outputs[channel] = hostMemory->samples[2 + channel];
  }
  entryAt<ProcessEntry>(record, at.overwriteFn)(record, hostMemory->inputs, hostMemory->outputs, kFrames);
  for (int channel = 2; channel < 4; ++channel)
    for (float sample : hostMemory->samples[channel]) EXPECT_EQ(sample, 0.0f) << "channel " << channel - 2;

  EXPECT_EQ(dispatch(record, 1, 0, 0, nullptr, 0.0f), 1);
  FreeLibrary(module);
  VirtualFree(high, 0, MEM_RELEASE);
}
