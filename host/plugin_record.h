// The host-interface record and the callback: the fixed binary boundary between a host and the plug-in.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define PLUGIN_CDECL __cdecl
#else
#define PLUGIN_CDECL
#endif

struct PluginRecord;

// Pointer-sized answer: some requests and opcodes return an address in it.
using HostCallback = intptr_t(PLUGIN_CDECL*)(PluginRecord* record, int32_t request, int32_t index,
                                             intptr_t value, void* data, float scalar);

using DispatchEntry = intptr_t(PLUGIN_CDECL*)(PluginRecord* record, int32_t opcode, int32_t index,
                                              intptr_t value, void* data, float scalar);
using ProcessEntry = void(PLUGIN_CDECL*)(PluginRecord* record, float** inputs, float** outputs,
                                         int32_t frames);
using WriteParameterEntry = void(PLUGIN_CDECL*)(PluginRecord* record, int32_t index, float value);
using ReadParameterEntry = float(PLUGIN_CDECL*)(PluginRecord* record, int32_t index);

constexpr int32_t kPluginSignature = 0x56737450;

// Bits of PluginRecord::capabilityFlags.
enum EffectFlags : int32_t {
  EditorAttached = 0x01,
  ClipIndicator = 0x02,
  Meter = 0x04,
  MonoCapable = 0x08,
  OverwritingProcess = 0x10,
  StateBlobs = 0x20,
  Instrument = 0x100,
  SilentTail = 0x200,
  AsyncProcessing = 0x400,
  ExternalBuffer = 0x800,
};

// The record's last 60 bytes (64 in the 64-bit build), always zero: a pointer-sized slot, then 56 bytes.
struct ReservedTail {
  intptr_t slot;
  uint8_t bytes[56];
};

struct PluginRecord {
  int32_t signature;
  DispatchEntry dispatchFn;
  ProcessEntry accumulateFn;
  WriteParameterEntry writeParameterFn;
  ReadParameterEntry readParameterFn;
  int32_t programCount;
  int32_t parameterCount;
  int32_t inputCount;
  int32_t outputCount;
  int32_t capabilityFlags;
  // Pointer-sized, as 64-bit hosts lay them out; everything after them moves with them.
  intptr_t reservedA;
  intptr_t reservedB;
  int32_t latencySamples;
  int32_t realtimeQuality;
  int32_t offlineQuality;
  float ioSampleRatio;
  void* effectObject;
  void* hostData;
  int32_t pluginId;
  int32_t pluginVersion;
  ProcessEntry overwriteFn;
  ReservedTail reservedTail;
};

// The editor's size as the host reads it through opcode 13.
struct EditorRect {
  int16_t top;
  int16_t left;
  int16_t bottom;
  int16_t right;
};

// The host's time record; the plug-in reads only these three fields.
struct HostTimeInfo {
  double samplePosition;
  double sampleRate;
  double nanoSeconds;
  double quarterNotePosition;
  double tempo;
};

static_assert(sizeof(EditorRect) == 8);
static_assert(offsetof(HostTimeInfo, sampleRate) == 8);
static_assert(offsetof(HostTimeInfo, quarterNotePosition) == 24);
static_assert(offsetof(HostTimeInfo, tempo) == 32);

// Four characters packed big-endian, as identifiers are reported to the host.
constexpr int32_t fourCharacterCode(const char (&code)[5]) {
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint8_t>(code[0])) << 24 |
                              static_cast<uint32_t>(static_cast<uint8_t>(code[1])) << 16 |
                              static_cast<uint32_t>(static_cast<uint8_t>(code[2])) << 8 |
                              static_cast<uint32_t>(static_cast<uint8_t>(code[3])));
}

// The layouts hosts rely on, one per pointer width; the 64-bit one is also what the native build has.
#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(PluginRecord) == 144);
static_assert(offsetof(PluginRecord, signature) == 0);
static_assert(offsetof(PluginRecord, dispatchFn) == 4);
static_assert(offsetof(PluginRecord, accumulateFn) == 8);
static_assert(offsetof(PluginRecord, writeParameterFn) == 12);
static_assert(offsetof(PluginRecord, readParameterFn) == 16);
static_assert(offsetof(PluginRecord, programCount) == 20);
static_assert(offsetof(PluginRecord, parameterCount) == 24);
static_assert(offsetof(PluginRecord, inputCount) == 28);
static_assert(offsetof(PluginRecord, outputCount) == 32);
static_assert(offsetof(PluginRecord, capabilityFlags) == 36);
static_assert(offsetof(PluginRecord, reservedA) == 40);
static_assert(offsetof(PluginRecord, reservedB) == 44);
static_assert(offsetof(PluginRecord, latencySamples) == 48);
static_assert(offsetof(PluginRecord, realtimeQuality) == 52);
static_assert(offsetof(PluginRecord, offlineQuality) == 56);
static_assert(offsetof(PluginRecord, ioSampleRatio) == 60);
static_assert(offsetof(PluginRecord, effectObject) == 64);
static_assert(offsetof(PluginRecord, hostData) == 68);
static_assert(offsetof(PluginRecord, pluginId) == 72);
static_assert(offsetof(PluginRecord, pluginVersion) == 76);
static_assert(offsetof(PluginRecord, overwriteFn) == 80);
static_assert(offsetof(PluginRecord, reservedTail) == 84);
static_assert(sizeof(ReservedTail) == 60);
#elif UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
static_assert(sizeof(PluginRecord) == 192);
static_assert(offsetof(PluginRecord, signature) == 0);
static_assert(offsetof(PluginRecord, dispatchFn) == 8);
static_assert(offsetof(PluginRecord, accumulateFn) == 16);
static_assert(offsetof(PluginRecord, writeParameterFn) == 24);
static_assert(offsetof(PluginRecord, readParameterFn) == 32);
static_assert(offsetof(PluginRecord, programCount) == 40);
static_assert(offsetof(PluginRecord, parameterCount) == 44);
static_assert(offsetof(PluginRecord, inputCount) == 48);
static_assert(offsetof(PluginRecord, outputCount) == 52);
static_assert(offsetof(PluginRecord, capabilityFlags) == 56);
static_assert(offsetof(PluginRecord, reservedA) == 64);
static_assert(offsetof(PluginRecord, reservedB) == 72);
static_assert(offsetof(PluginRecord, latencySamples) == 80);
static_assert(offsetof(PluginRecord, realtimeQuality) == 84);
static_assert(offsetof(PluginRecord, offlineQuality) == 88);
static_assert(offsetof(PluginRecord, ioSampleRatio) == 92);
static_assert(offsetof(PluginRecord, effectObject) == 96);
static_assert(offsetof(PluginRecord, hostData) == 104);
static_assert(offsetof(PluginRecord, pluginId) == 112);
static_assert(offsetof(PluginRecord, pluginVersion) == 116);
static_assert(offsetof(PluginRecord, overwriteFn) == 120);
static_assert(offsetof(PluginRecord, reservedTail) == 128);
static_assert(sizeof(ReservedTail) == 64);
#else
#error "the record's layout is fixed only for 32-bit and 64-bit pointers"
#endif
