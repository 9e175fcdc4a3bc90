// Where 32-bit and 64-bit hosts read each field of the record, written out by hand rather than taken from
// the project's declaration of it, and readers of raw bytes at those offsets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

struct RecordOffsets {
  size_t signature;
  size_t dispatchFn;
  size_t accumulateFn;
  size_t writeParameterFn;
  size_t readParameterFn;
  size_t programCount;
  size_t parameterCount;
  size_t inputCount;
  size_t outputCount;
  size_t capabilityFlags;
  size_t reservedA;
  size_t reservedB;
  size_t latencySamples;
  size_t realtimeQuality;
  size_t offlineQuality;
  size_t ioSampleRatio;
  size_t effectObject;
  size_t hostData;
  size_t pluginId;
  size_t pluginVersion;
  size_t overwriteFn;
  size_t reservedTail;
  size_t size;
};

constexpr RecordOffsets kRecordOffsets32{0,  4,  8,  12, 16, 20, 24, 28, 32, 36, 40, 44,
                                         48, 52, 56, 60, 64, 68, 72, 76, 80, 84, 144};
constexpr RecordOffsets kRecordOffsets64{0,  8,  16, 24, 32, 40,  44,  48,  52,  56,  64, 72,
                                         80, 84, 88, 92, 96, 104, 112, 116, 120, 128, 192};
// The table a host of this program's own width reads by.
constexpr const RecordOffsets& kHostOffsets = sizeof(void*) == 8 ? kRecordOffsets64 : kRecordOffsets32;

template <typename Value>
Value valueAt(const void* record, size_t offset) {
  Value value;
  std::memcpy(&value, static_cast<const uint8_t*>(record) + offset, sizeof value);
  return value;
}

inline int32_t wordAt(const void* record, size_t offset) { return valueAt<int32_t>(record, offset); }
inline uintptr_t pointerAt(const void* record, size_t offset) { return valueAt<uintptr_t>(record, offset); }
