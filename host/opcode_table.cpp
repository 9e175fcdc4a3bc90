// The dispatcher: one table from each opcode a host may send to its handler, which calls the effect's
// operation and turns what it answers into the host's answer. Opcodes 0 to 24 reach every effect, 25 to 58
// only a PluginEffectExt; any other opcode, and an extended one sent to a plain PluginEffect, answers 0.
#include <cmath>
#include <limits>

#include "host/editor_base.h"
#include "host/plugin_effect_ext.h"

namespace {

// What the host passed with the opcode.
struct Call {
  int32_t index;
  intptr_t value;
  void* data;
  float scalar;

  // Null when the host passed no buffer: a text handler then writes nothing.
  char* text() const { return static_cast<char*>(data); }
  int32_t count() const { return static_cast<int32_t>(value); }
};

intptr_t truth(bool value) { return value ? 1 : 0; }

// The meter answer is the level in 1/32767 steps; a level outside what 32 bits hold saturates.
int32_t meterAnswer(float level) {
  const double scaled = static_cast<double>(level) * 32767.0;
  if (std::isnan(scaled)) return 0;
  if (scaled >= static_cast<double>(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (scaled <= static_cast<double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(scaled);
}

// The handlers of the opcodes every effect answers.

intptr_t tellOpened(PluginEffect& effect, const Call&) {
  effect.hostOpened();
  return 0;
}

// The record's dispatch entry deletes the effect afterwards.
intptr_t tellClosing(PluginEffect& effect, const Call&) {
  effect.hostClosing();
  return 0;
}

intptr_t selectProgramInRange(PluginEffect& effect, const Call& call) {
  if (call.value >= 0 && call.value < effect.programCount()) effect.selectProgram(call.count());
  return 0;
}

intptr_t answerCurrentProgram(PluginEffect& effect, const Call&) { return effect.currentProgram(); }

intptr_t renameProgram(PluginEffect& effect, const Call& call) {
  if (call.text() != nullptr) effect.renameProgram(call.text());
  return 0;
}

intptr_t fetchProgramName(PluginEffect& effect, const Call& call) {
  if (call.text() != nullptr) effect.fetchProgramName(call.text());
  return 0;
}

intptr_t fetchParameterUnit(PluginEffect& effect, const Call& call) {
  if (call.text() != nullptr) effect.fetchParameterUnit(call.index, call.text());
  return 0;
}

intptr_t fetchParameterValueText(PluginEffect& effect, const Call& call) {
  if (call.text() != nullptr) effect.fetchParameterValueText(call.index, call.text());
  return 0;
}

intptr_t fetchParameterName(PluginEffect& effect, const Call& call) {
  if (call.text() != nullptr) effect.fetchParameterName(call.index, call.text());
  return 0;
}

intptr_t answerMeterLevel(PluginEffect& effect, const Call&) { return meterAnswer(effect.meterLevel()); }

intptr_t applySampleRate(PluginEffect& effect, const Call& call) {
  effect.applySampleRate(call.scalar);
  return 0;
}

intptr_t applyBlockSize(PluginEffect& effect, const Call& call) {
  effect.applyBlockSize(call.count());
  return 0;
}

intptr_t switchOnOrOff(PluginEffect& effect, const Call& call) {
  if (call.value == 0)
    effect.deactivate();
  else
    effect.activate();
  return 0;
}

intptr_t lendEditorRect(PluginEffect& effect, const Call& call) {
  if (effect.editor() == nullptr || call.data == nullptr) return 0;
  return effect.editor()->queryRect(static_cast<EditorRect**>(call.data));
}

intptr_t openEditor(PluginEffect& effect, const Call& call) {
  return effect.editor() != nullptr ? effect.editor()->openIn(call.data) : 0;
}

intptr_t closeEditor(PluginEffect& effect, const Call&) {
  if (effect.editor() != nullptr) effect.editor()->closeEditor();
  return 0;
}

intptr_t idleEditor(PluginEffect& effect, const Call&) {
  if (effect.editor() != nullptr) effect.editor()->onIdle();
  return 0;
}

intptr_t identify(PluginEffect&, const Call&) { return kIdentifyAnswer; }

intptr_t saveStateBlob(PluginEffect& effect, const Call& call) {
  return effect.saveStateBlob(static_cast<void**>(call.data), call.index != 0);
}

intptr_t loadStateBlob(PluginEffect& effect, const Call& call) {
  return effect.loadStateBlob(call.data, call.count(), call.index != 0);
}

// The handlers of the opcodes only the extended base answers.

intptr_t receiveEvents(PluginEffectExt& effect, const Call& call) { return effect.receiveEvents(call.data); }
intptr_t isAutomatable(PluginEffectExt& effect, const Call& call) {
  return truth(effect.isAutomatable(call.index));
}

intptr_t parseParameterText(PluginEffectExt& effect, const Call& call) {
  return truth(call.text() != nullptr && effect.parseParameterText(call.index, call.text()));
}

intptr_t answerProgramCategoryCount(PluginEffectExt& effect, const Call&) {
  return effect.programCategoryCount();
}

intptr_t fetchIndexedProgramName(PluginEffectExt& effect, const Call& call) {
  return truth(call.text() != nullptr &&
               effect.fetchIndexedProgramName(call.count(), call.index, call.text()));
}

intptr_t duplicateProgram(PluginEffectExt& effect, const Call& call) {
  return truth(effect.duplicateProgram(call.index));
}

intptr_t tellInputConnection(PluginEffectExt& effect, const Call& call) {
  effect.inputConnectionChanged(call.index, call.value != 0);
  return 1;
}

intptr_t tellOutputConnection(PluginEffectExt& effect, const Call& call) {
  effect.outputConnectionChanged(call.index, call.value != 0);
  return 1;
}

intptr_t fetchInputProperties(PluginEffectExt& effect, const Call& call) {
  return truth(effect.fetchInputProperties(call.index, call.data));
}

intptr_t fetchOutputProperties(PluginEffectExt& effect, const Call& call) {
  return truth(effect.fetchOutputProperties(call.index, call.data));
}

intptr_t answerPluginCategory(PluginEffectExt& effect, const Call&) { return effect.pluginCategory(); }
intptr_t answerCurrentPosition(PluginEffectExt& effect, const Call&) { return effect.currentPosition(); }

intptr_t lendDestinationBuffer(PluginEffectExt& effect, const Call&) {
  return reinterpret_cast<intptr_t>(effect.destinationBuffer());
}

intptr_t offlineNotice(PluginEffectExt& effect, const Call& call) {
  return truth(effect.offlineNotice(call.data, call.count(), call.index != 0));
}

intptr_t offlinePrepareTask(PluginEffectExt& effect, const Call& call) {
  return truth(effect.offlinePrepareTask(call.data, call.count()));
}

intptr_t offlineRunTask(PluginEffectExt& effect, const Call& call) {
  return truth(effect.offlineRunTask(call.data, call.count()));
}

intptr_t processVariableBlock(PluginEffectExt& effect, const Call& call) {
  return truth(effect.processVariableBlock(call.data));
}

intptr_t applySpeakerArrangement(PluginEffectExt& effect, const Call& call) {
  return truth(effect.applySpeakerArrangement(reinterpret_cast<void*>(call.value), call.data));
}

intptr_t applyBlockSizeAndRate(PluginEffectExt& effect, const Call& call) {
  effect.applyBlockSizeAndRate(call.count(), call.scalar);
  return 1;
}

intptr_t applyBypass(PluginEffectExt& effect, const Call& call) {
  return truth(effect.applyBypass(call.value != 0));
}

intptr_t fetchEffectName(PluginEffectExt& effect, const Call& call) {
  return truth(call.text() != nullptr && effect.fetchEffectName(call.text()));
}

intptr_t fetchErrorText(PluginEffectExt& effect, const Call& call) {
  return truth(call.text() != nullptr && effect.fetchErrorText(call.text()));
}

intptr_t fetchVendorText(PluginEffectExt& effect, const Call& call) {
  return truth(call.text() != nullptr && effect.fetchVendorText(call.text()));
}

intptr_t fetchProductText(PluginEffectExt& effect, const Call& call) {
  return truth(call.text() != nullptr && effect.fetchProductText(call.text()));
}

intptr_t answerVendorVersion(PluginEffectExt& effect, const Call&) { return effect.vendorVersion(); }

intptr_t passVendorRequest(PluginEffectExt& effect, const Call& call) {
  return effect.vendorRequest(call.index, call.count(), call.data, call.scalar);
}

intptr_t answerCapability(PluginEffectExt& effect, const Call& call) {
  return call.text() != nullptr ? effect.capability(call.text()) : 0;
}

intptr_t answerTailLength(PluginEffectExt& effect, const Call&) { return effect.tailLength(); }
intptr_t backgroundIdle(PluginEffectExt& effect, const Call&) { return effect.backgroundIdle(); }
intptr_t lendIconHandle(PluginEffectExt& effect, const Call&) {
  return reinterpret_cast<intptr_t>(effect.iconHandle());
}

intptr_t applyViewPosition(PluginEffectExt& effect, const Call& call) {
  return truth(effect.applyViewPosition(call.index, call.count()));
}

intptr_t fetchParameterProperties(PluginEffectExt& effect, const Call& call) {
  return truth(effect.fetchParameterProperties(call.index, call.data));
}

// The host asks the opposite question: 0 means the effect wants keys.
intptr_t answerNeedsKeys(PluginEffectExt& effect, const Call&) { return effect.needsKeys() ? 0 : 1; }

intptr_t answerInterfaceVersion(PluginEffectExt& effect, const Call&) { return effect.interfaceVersion(); }

using Handler = intptr_t (*)(PluginEffect& effect, const Call& call);
using ExtendedHandler = intptr_t (*)(PluginEffectExt& effect, const Call& call);

// An opcode and its handler: one every effect answers, or one only the extended base answers.
struct Row {
  constexpr Row(Opcode opcode, Handler handler) : opcode(opcode), handler(handler) {}
  constexpr Row(Opcode opcode, ExtendedHandler handler) : opcode(opcode), extendedHandler(handler) {}

  Opcode opcode;
  Handler handler = nullptr;
  ExtendedHandler extendedHandler = nullptr;
};

constexpr Row kTable[] = {
    {Opcode::Open, tellOpened},
    {Opcode::Close, tellClosing},
    {Opcode::SelectProgram, selectProgramInRange},
    {Opcode::CurrentProgram, answerCurrentProgram},
    {Opcode::RenameProgram, renameProgram},
    {Opcode::ProgramName, fetchProgramName},
    {Opcode::ParameterUnit, fetchParameterUnit},
    {Opcode::ParameterValueText, fetchParameterValueText},
    {Opcode::ParameterName, fetchParameterName},
    {Opcode::MeterLevel, answerMeterLevel},
    {Opcode::SampleRate, applySampleRate},
    {Opcode::BlockSize, applyBlockSize},
    {Opcode::Activation, switchOnOrOff},
    {Opcode::EditorRect, lendEditorRect},
    {Opcode::EditorOpen, openEditor},
    {Opcode::EditorClose, closeEditor},
    {Opcode::EditorIdle, idleEditor},
    {Opcode::Identify, identify},
    {Opcode::SaveStateBlob, saveStateBlob},
    {Opcode::LoadStateBlob, loadStateBlob},
    {Opcode::ReceiveEvents, receiveEvents},
    {Opcode::IsAutomatable, isAutomatable},
    {Opcode::ParseParameterText, parseParameterText},
    {Opcode::ProgramCategoryCount, answerProgramCategoryCount},
    {Opcode::IndexedProgramName, fetchIndexedProgramName},
    {Opcode::DuplicateProgram, duplicateProgram},
    {Opcode::InputConnected, tellInputConnection},
    {Opcode::OutputConnected, tellOutputConnection},
    {Opcode::InputProperties, fetchInputProperties},
    {Opcode::OutputProperties, fetchOutputProperties},
    {Opcode::PluginCategory, answerPluginCategory},
    {Opcode::CurrentPosition, answerCurrentPosition},
    {Opcode::DestinationBuffer, lendDestinationBuffer},
    {Opcode::OfflineNotice, offlineNotice},
    {Opcode::OfflinePrepare, offlinePrepareTask},
    {Opcode::OfflineRun, offlineRunTask},
    {Opcode::ProcessVariableBlock, processVariableBlock},
    {Opcode::SpeakerArrangement, applySpeakerArrangement},
    {Opcode::BlockSizeAndRate, applyBlockSizeAndRate},
    {Opcode::Bypass, applyBypass},
    {Opcode::EffectName, fetchEffectName},
    {Opcode::ErrorText, fetchErrorText},
    {Opcode::VendorText, fetchVendorText},
    {Opcode::ProductText, fetchProductText},
    {Opcode::VendorVersion, answerVendorVersion},
    {Opcode::VendorRequest, passVendorRequest},
    {Opcode::Capability, answerCapability},
    {Opcode::TailLength, answerTailLength},
    {Opcode::BackgroundIdle, backgroundIdle},
    {Opcode::IconHandle, lendIconHandle},
    {Opcode::ViewPosition, applyViewPosition},
    {Opcode::ParameterProperties, fetchParameterProperties},
    {Opcode::NeedsKeys, answerNeedsKeys},
    {Opcode::InterfaceVersion, answerInterfaceVersion},
};

constexpr bool eachOpcodeOnce() {
  for (const Row& row : kTable) {
    int32_t rows = 0;
    for (const Row& other : kTable) rows += other.opcode == row.opcode ? 1 : 0;
    if (rows != 1) return false;
  }
  return true;
}
static_assert(eachOpcodeOnce());

// `extended` is the effect itself when it is a PluginEffectExt, otherwise null.
intptr_t dispatch(PluginEffect& effect, PluginEffectExt* extended, int32_t opcode, const Call& call) {
  for (const Row& row : kTable) {
    if (static_cast<int32_t>(row.opcode) != opcode) continue;
    if (row.handler != nullptr) return row.handler(effect, call);
    return extended != nullptr ? row.extendedHandler(*extended, call) : 0;
  }
  return 0;
}

} // namespace

intptr_t PluginEffect::handleOpcode(int32_t opcode, int32_t index, intptr_t value, void* data, float scalar) {
  return dispatch(*this, nullptr, opcode, {index, value, data, scalar});
}

intptr_t PluginEffectExt::handleOpcode(int32_t opcode, int32_t index, intptr_t value, void* data,
                                       float scalar) {
  return dispatch(*this, this, opcode, {index, value, data, scalar});
}
