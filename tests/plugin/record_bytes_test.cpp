// Reads the built DLL's record as a host of this build's width does: LoadLibrary, `main`, and every field
// at its byte offset from a hand-written table, with none of the project's own declarations of the record.
#include <windows.h>

#include <gtest/gtest.h>

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

constexpr int32_t kHostVersionRequest = 1;

intptr_t HOST_CALL versionOnlyHost(void*, int32_t request, int32_t, intptr_t, void*, float) {
  return request == kHostVersionRequest ? 2400 : 0;
}

template <typename Entry>
Entry entryAt(const void* record, size_t offset) {
  return reinterpret_cast<Entry>(pointerAt(record, offset));
}

std::string text(void* record, int32_t opcode, int32_t index) {
  char buffer[256] = {};
  entryAt<DispatchEntry>(record, kHostOffsets.dispatchFn)(record, opcode, index, 0, buffer, 0.0f);
  return buffer;
}

} // namespace

TEST(RecordBytes, HostReadingByOffsetFindsEveryFieldAndWorkingEntries) {
  HMODULE module = LoadLibraryA("stepgate.dll");
  ASSERT_NE(module, nullptr);
  const auto entry = reinterpret_cast<MainEntry>(reinterpret_cast<void*>(GetProcAddress(module, "main")));
  ASSERT_NE(entry, nullptr);
  void* record = entry(&versionOnlyHost);
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
  const int16_t* rect = nullptr;
  EXPECT_EQ(dispatch(record, 13, 0, 0, &rect, 0.0f), 1);
  ASSERT_NE(rect, nullptr);
  EXPECT_EQ(rect[0], 0);
  EXPECT_EQ(rect[1], 0);
  EXPECT_EQ(rect[2], 240);
  EXPECT_EQ(rect[3], 386);
  EXPECT_EQ(dispatch(record, 1, 0, 0, nullptr, 0.0f), 1);
  FreeLibrary(module);
}
