// The dispatcher: what each opcode a host sends does.
#include <cmath>
#include <limits>

#include "host/editor_base.h"
#include "host/plugin_effect_ext.h"

namespace {

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

} // namespace

intptr_t PluginEffect::handleOpcode(int32_t opcode, int32_t index, intptr_t value, void* data, float scalar) {
  char* text = static_cast<char*>(data);
  switch (static_cast<Opcode>(opcode)) {
  case Opcode::Open:
    hostOpened();
    return 0;
  case Opcode::Close:
    hostClosing();
    return 0;
  case Opcode::SelectProgram:
    if (value >= 0 && value < programCount_) selectProgram(static_cast<int32_t>(value));
    return 0;
  case Opcode::CurrentProgram:
    return currentProgram();
  // A host that passes no buffer gets nothing written.
  case Opcode::RenameProgram:
    if (text != nullptr) renameProgram(text);
    return 0;
  case Opcode::ProgramName:
    if (text != nullptr) fetchProgramName(text);
    return 0;
  case Opcode::ParameterUnit:
    if (text != nullptr) fetchParameterUnit(index, text);
    return 0;
  case Opcode::ParameterValueText:
    if (text != nullptr) fetchParameterValueText(index, text);
    return 0;
  case Opcode::ParameterName:
    if (text != nullptr) fetchParameterName(index, text);
    return 0;
  case Opcode::MeterLevel:
    return meterAnswer(meterLevel());
  case Opcode::SampleRate:
    applySampleRate(scalar);
    return 0;
  case Opcode::BlockSize:
    applyBlockSize(static_cast<int32_t>(value));
    return 0;
  case Opcode::Activation:
    if (value == 0)
      deactivate();
    else
      activate();
    return 0;
  case Opcode::EditorRect:
    if (editor_ == nullptr || data == nullptr) return 0;
    return editor_->queryRect(static_cast<EditorRect**>(data));
  case Opcode::EditorOpen:
    return editor_ != nullptr ? editor_->openIn(data) : 0;
  case Opcode::EditorClose:
    if (editor_ != nullptr) editor_->closeEditor();
    return 0;
  case Opcode::EditorIdle:
    if (editor_ != nullptr) editor_->onIdle();
    return 0;
  case Opcode::Identify:
    return kIdentifyAnswer;
  case Opcode::SaveStateBlob:
    return saveStateBlob(static_cast<void**>(data), index != 0);
  case Opcode::LoadStateBlob:
    return loadStateBlob(data, static_cast<int32_t>(value), index != 0);
  default:
    return 0;
  }
}

intptr_t PluginEffectExt::handleOpcode(int32_t opcode, int32_t index, intptr_t value, void* data,
                                       float scalar) {
  char* text = static_cast<char*>(data);
  const int32_t count = static_cast<int32_t>(value);
  switch (static_cast<Opcode>(opcode)) {
  case Opcode::ReceiveEvents:
    return receiveEvents(data);
  case Opcode::IsAutomatable:
    return truth(isAutomatable(index));
  case Opcode::ParseParameterText:
    return truth(text != nullptr && parseParameterText(index, text));
  case Opcode::ProgramCategoryCount:
    return programCategoryCount();
  case Opcode::IndexedProgramName:
    return truth(text != nullptr && fetchIndexedProgramName(count, index, text));
  case Opcode::DuplicateProgram:
    return truth(duplicateProgram(index));
  case Opcode::InputConnected:
    inputConnectionChanged(index, value != 0);
    return 1;
  case Opcode::OutputConnected:
    outputConnectionChanged(index, value != 0);
    return 1;
  case Opcode::InputProperties:
    return truth(fetchInputProperties(index, data));
  case Opcode::OutputProperties:
    return truth(fetchOutputProperties(index, data));
  case Opcode::PluginCategory:
    return pluginCategory();
  case Opcode::CurrentPosition:
    return currentPosition();
  case Opcode::DestinationBuffer:
    return reinterpret_cast<intptr_t>(destinationBuffer());
  case Opcode::OfflineNotice:
    return truth(offlineNotice(data, count, index != 0));
  case Opcode::OfflinePrepare:
    return truth(offlinePrepareTask(data, count));
  case Opcode::OfflineRun:
    return truth(offlineRunTask(data, count));
  case Opcode::ProcessVariableBlock:
    return truth(processVariableBlock(data));
  case Opcode::SpeakerArrangement:
    return truth(applySpeakerArrangement(reinterpret_cast<void*>(value), data));
  case Opcode::BlockSizeAndRate:
    applyBlockSizeAndRate(count, scalar);
    return 1;
  case Opcode::Bypass:
    return truth(applyBypass(value != 0));
  // A host that passes no buffer gets nothing written.
  case Opcode::EffectName:
    return truth(text != nullptr && fetchEffectName(text));
  case Opcode::ErrorText:
    return truth(text != nullptr && fetchErrorText(text));
  case Opcode::VendorText:
    return truth(text != nullptr && fetchVendorText(text));
  case Opcode::ProductText:
    return truth(text != nullptr && fetchProductText(text));
  case Opcode::VendorVersion:
    return vendorVersion();
  case Opcode::VendorRequest:
    return vendorRequest(index, count, data, scalar);
  case Opcode::Capability:
    return text != nullptr ? capability(text) : 0;
  case Opcode::TailLength:
    return tailLength();
  case Opcode::BackgroundIdle:
    return backgroundIdle();
  case Opcode::IconHandle:
    return reinterpret_cast<intptr_t>(iconHandle());
  case Opcode::ViewPosition:
    return truth(applyViewPosition(index, count));
  case Opcode::ParameterProperties:
    return truth(fetchParameterProperties(index, data));
  // The host asks the opposite question: 0 means the effect wants keys.
  case Opcode::NeedsKeys:
    return needsKeys() ? 0 : 1;
  case Opcode::InterfaceVersion:
    return interfaceVersion();
  default:
    return PluginEffect::handleOpcode(opcode, index, value, data, scalar);
  }
}
