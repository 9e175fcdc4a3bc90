// Checks the record a new effect hands the host, its binary layout, and the five entry functions.
#include <gtest/gtest.h>

#include <cstring>

#include "host/editor_base.h"
#include "tests/host/spy_effect.h"
#include "tests/support/recording_host.h"

namespace {

struct DestructionWitness : SpyEffect {
  explicit DestructionWitness(bool* destroyed) : SpyEffect(nullptr), destroyed(destroyed) {}
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
  for (uint8_t byte : record->reservedTail) EXPECT_EQ(byte, 0);
  EXPECT_EQ(effect.currentSampleRate(), 44100.0f);
  EXPECT_EQ(effect.currentBlockSize(), 1024);
}

#if UINTPTR_MAX == 0xFFFFFFFFu
namespace {

int32_t wordAt(const PluginRecord* record, size_t offset) {
  int32_t word;
  std::memcpy(&word, reinterpret_cast<const uint8_t*>(record) + offset, sizeof word);
  return word;
}

} // namespace

TEST(PluginRecord, FieldsSitAtTheOffsetsHostsRead) {
  SpyEffect effect(nullptr, 16, 34);
  effect.assignPluginId(fourCharacterCode("Ktvs"));
  effect.assignInputCount(2);
  effect.declareMeter(true);
  effect.assignLatency(123);
  const PluginRecord* record = effect.record();
  EXPECT_EQ(sizeof(PluginRecord), 144u);
  EXPECT_EQ(wordAt(record, 0), 0x56737450);
  EXPECT_EQ(wordAt(record, 20), 16);
  EXPECT_EQ(wordAt(record, 24), 34);
  EXPECT_EQ(wordAt(record, 28), 2);
  EXPECT_EQ(wordAt(record, 32), 2);
  EXPECT_EQ(wordAt(record, 36), 0x04);
  EXPECT_EQ(wordAt(record, 48), 123);
  EXPECT_EQ(wordAt(record, 60), 0x3F800000);
  EXPECT_EQ(wordAt(record, 64), static_cast<int32_t>(reinterpret_cast<uintptr_t>(&effect)));
  EXPECT_EQ(wordAt(record, 72), 0x4B747673);
  EXPECT_EQ(wordAt(record, 76), 1);
}
#endif

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

TEST(RecordEntries, CloseRunsTheHandlerThenDestroysTheEffectAndAnswersOne) {
  bool destroyed = false;
  auto* effect = new DestructionWitness(&destroyed);
  PluginRecord* record = effect->record();
  EXPECT_EQ(record->dispatchFn(record, static_cast<int32_t>(Opcode::Close), 0, 0, nullptr, 0.0f), 1);
  EXPECT_TRUE(destroyed);
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
