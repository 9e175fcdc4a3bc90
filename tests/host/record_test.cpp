// Checks the record a new effect hands the host, its binary layout, and the five entry functions.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "host/editor_base.h"
#include "tests/host/spy_effect.h"
#include "tests/support/record_bytes.h"
#include "tests/support/recording_host.h"

namespace {

struct DestructionWitness : SpyEffect {
  explicit DestructionWitness(bool* destroyed, HostCallback callback = nullptr)
      : SpyEffect(callback), destroyed(destroyed) {}
  ~DestructionWitness() override { *destroyed = true; }
  bool* destroyed;
};

} // namespace

TEST(PluginRecord, NewEffectFillsTheDefaults) {
  SpyEffect effect(nullptr, 7, 9);
  const PluginRecord* record = effect.record();
  EXPECT_EQ(record->signature, 0x56737450);
  EXPECT_EQ(record->programCount, 7);
  EXPECT_EQ(record->parameterCount, 9);
  EXPECT_EQ(record->inputCount, 1);
  EXPECT_EQ(record->outputCount, 2);
  EXPECT_EQ(record->capabilityFlags, 0);
  EXPECT_EQ(record->latencySamples, 0);
  EXPECT_EQ(record->ioSampleRatio, 1.0f);
  EXPECT_EQ(record->effectObject, &effect);
  EXPECT_EQ(record->hostData, nullptr);
  EXPECT_EQ(record->pluginId, 0x4E6F4566);
  EXPECT_EQ(record->pluginVersion, 1);
  EXPECT_NE(record->dispatchFn, nullptr);
  EXPECT_NE(record->accumulateFn, nullptr);
  EXPECT_NE(record->overwriteFn, nullptr);
  EXPECT_NE(record->writeParameterFn, nullptr);
  EXPECT_NE(record->readParameterFn, nullptr);
  EXPECT_EQ(record->reservedA, 0);
  EXPECT_EQ(record->reservedB, 0);
  EXPECT_EQ(record->reservedTail.slot, 0);
  for (uint8_t byte : record->reservedTail.bytes) EXPECT_EQ(byte, 0);
  EXPECT_EQ(effect.currentSampleRate(), 44100.0f);
  EXPECT_EQ(effect.currentBlockSize(), 1024);
}

// By the hand-written table of this build's pointer width: the native build checks the 64-bit layout too.
TEST(PluginRecord, FieldsSitAtTheOffsetsHostsRead) {
  SpyEffect effect(nullptr, 16, 34);
  effect.assignPluginId(fourCharacterCode("Ktvs"));
  effect.assignInputCount(2);
  effect.declareMeter(true);
  effect.assignLatency(123);
  effect.assignRealtimeQuality(5);
  effect.assignOfflineQuality(6);
  const PluginRecord* record = effect.record();
  const RecordOffsets& at = kHostOffsets;
  const struct {
    const char* name;
    size_t offset;
    int32_t value;
  } words[] = {
      {"signature", at.signature, 0x56737450},    {"programCount", at.programCount, 16},
      {"parameterCount", at.parameterCount, 34},  {"inputCount", at.inputCount, 2},
      {"outputCount", at.outputCount, 2},         {"capabilityFlags", at.capabilityFlags, 0x04},
      {"latencySamples", at.latencySamples, 123}, {"realtimeQuality", at.realtimeQuality, 5},
      {"offlineQuality", at.offlineQuality, 6},   {"ioSampleRatio", at.ioSampleRatio, 0x3F800000},
      {"pluginId", at.pluginId, 0x4B747673},      {"pluginVersion", at.pluginVersion, 1},
  };
  for (const auto& word : words) EXPECT_EQ(wordAt(record, word.offset), word.value) << word.name;
  EXPECT_EQ(sizeof(PluginRecord), at.size);
  EXPECT_EQ(pointerAt(record, at.effectObject), reinterpret_cast<uintptr_t>(&effect));
  EXPECT_EQ(pointerAt(record, at.overwriteFn), reinterpret_cast<uintptr_t>(record->overwriteFn));
}

TEST(PluginRecord, FourCharacterCodeIsBigEndian) {
  EXPECT_EQ(fourCharacterCode("Ktvs"), 0x4B747673);
  EXPECT_EQ(fourCharacterCode("Ktvo"), 0x4B74766F);
}

TEST(RecordEntries, ForwardToTheEffectUnchanged) {
  SpyEffect effect(nullptr);
  PluginRecord* record = effect.record();
  record->writeParameterFn(record, 99, 0.5f);
  record->writeParameterFn(record, -3, 2.0f);
  EXPECT_EQ(record->readParameterFn(record, 5), 2.5f);
  record->accumulateFn(record, nullptr, nullptr, 0);
  record->overwriteFn(record, nullptr, nullptr, 0);
  EXPECT_EQ(record->dispatchFn(record, static_cast<int32_t>(Opcode::Identify), 0, 0, nullptr, 0.0f),
            0x4E764566);
  const std::vector<std::string> expected = {"write 99 0.500000", "write -3 2.000000", "accumulate",
                                             "overwrite"};
  EXPECT_EQ(effect.log, expected);
}

TEST(RecordEntries, CloseRunsTheHandlerThenDestroysTheEffectOnceNoLoopOfItsOwnRunsAndAnswersOne) {
  // Loops of the effect's own (its editor's menu or drag) running when the host closes it: the last one to
  // end destroys it, and none of them reaches the host meanwhile.
  for (int32_t loops : {0, 1, 2}) {
    RecordingHost host;
    bool destroyed = false;
    auto* effect = new DestructionWitness(&destroyed, host.callback());
    PluginRecord* record = effect->record();
    std::vector<std::unique_ptr<PluginEffect::LoopScope>> running;
    for (int32_t loop = 0; loop < loops; ++loop)
      running.push_back(std::make_unique<PluginEffect::LoopScope>(effect));
    EXPECT_EQ(record->dispatchFn(record, static_cast<int32_t>(Opcode::Close), 0, 0, nullptr, 0.0f), 1);
    for (; !running.empty(); running.pop_back()) {
      EXPECT_FALSE(destroyed) << loops;
      effect->askHostIdle();
    }
    EXPECT_TRUE(destroyed) << loops;
    EXPECT_TRUE(host.calls().empty()) << loops;
  }
}

TEST(EffectFlags, EachSetterChangesOnlyItsOwnBit) {
  SpyEffect effect(nullptr);
  effect.declareMeter(true);
  effect.declareOverwriting(true);
  effect.declareClipIndicator(true);
  effect.declareMonoCapable(true);
  effect.declareStateBlobs(true);
  effect.declareInstrument(true);
  effect.declareSilentTail(true);
  effect.declareAsync(true);
  effect.declareExternalBuffer(true);
  EXPECT_EQ(effect.record()->capabilityFlags, 0xF3E);
  effect.declareClipIndicator(false);
  effect.declareAsync(false);
  EXPECT_EQ(effect.record()->capabilityFlags, 0xB3C);
  effect.declareMeter(false);
  EXPECT_EQ(effect.record()->capabilityFlags, 0xB38);
}

TEST(EffectFlags, AttachingAnEditorSetsTheFlagAndNullClearsIt) {
  SpyEffect effect(nullptr);
  effect.declareMeter(true);
  auto* editor = new EditorBase(&effect);
  effect.attachEditor(editor);
  EXPECT_EQ(effect.record()->capabilityFlags, EditorAttached | Meter);
  EXPECT_EQ(effect.editor(), editor);
  effect.attachEditor(nullptr);
  EXPECT_EQ(effect.record()->capabilityFlags, Meter);
  delete editor;
}
