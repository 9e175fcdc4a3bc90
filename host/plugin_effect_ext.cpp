// PluginEffectExt: opcodes 25 to 58 with their default answers, and the extended requests to the host.
#include "host/plugin_effect_ext.h"

namespace {

intptr_t truth(bool value) { return value ? 1 : 0; }

} // namespace

PluginEffectExt::PluginEffectExt(HostCallback callback, int32_t programCount, int32_t parameterCount)
    : PluginEffect(callback, programCount, parameterCount) {}

bool PluginEffectExt::passEventsToHost(void* events) {
  return askHost(HostRequest::SendEvents, 0, 0, events) == 1;
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

void PluginEffectExt::askHostForEvents(int32_t filter) { askHost(HostRequest::WantEvents, 0, filter); }

HostTimeInfo* PluginEffectExt::askHostTime(int32_t mask) {
  return reinterpret_cast<HostTimeInfo*>(askHost(HostRequest::TimeInfo, 0, mask));
}

int32_t PluginEffectExt::askHostTempoForPosition(int32_t position) {
  return static_cast<int32_t>(askHost(HostRequest::TempoAt, 0, position));
}

int32_t PluginEffectExt::receiveEvents(void*) { return 0; }

int32_t PluginEffectExt::askHostAutomatableCount() {
  return static_cast<int32_t>(askHost(HostRequest::AutomatableCount));
}

int32_t PluginEffectExt::askHostQuantization() {
  return static_cast<int32_t>(askHost(HostRequest::Quantization));
}

bool PluginEffectExt::isAutomatable(int32_t) { return true; }
bool PluginEffectExt::parseParameterText(int32_t, char*) { return false; }
float PluginEffectExt::channelParameterValue(int32_t, int32_t) { return 0.0f; }
int32_t PluginEffectExt::programCategoryCount() { return 1; }
bool PluginEffectExt::fetchIndexedProgramName(int32_t, int32_t, char*) { return false; }
bool PluginEffectExt::duplicateProgram(int32_t) { return false; }
bool PluginEffectExt::tellHostIoChanged() { return askHost(HostRequest::IoChanged) != 0; }
bool PluginEffectExt::tellHostNeedsIdle() { return askHost(HostRequest::NeedIdle) != 0; }

bool PluginEffectExt::askHostResizeWindow(int32_t width, int32_t height) {
  return askHost(HostRequest::ResizeWindow, width, height) != 0;
}

float PluginEffectExt::refreshSampleRate() {
  askHost(HostRequest::SampleRate);
  return currentSampleRate();
}

int32_t PluginEffectExt::refreshBlockSize() {
  askHost(HostRequest::BlockSize);
  return currentBlockSize();
}

int32_t PluginEffectExt::askHostInputLatency() {
  return static_cast<int32_t>(askHost(HostRequest::InputLatency));
}

int32_t PluginEffectExt::askHostOutputLatency() {
  return static_cast<int32_t>(askHost(HostRequest::OutputLatency));
}

PluginRecord* PluginEffectExt::askHostPreviousPlugin() {
  return reinterpret_cast<PluginRecord*>(askHost(HostRequest::PreviousPlugin));
}

PluginRecord* PluginEffectExt::askHostNextPlugin() {
  return reinterpret_cast<PluginRecord*>(askHost(HostRequest::NextPlugin));
}

void PluginEffectExt::inputConnectionChanged(int32_t, bool) {}
void PluginEffectExt::outputConnectionChanged(int32_t, bool) {}
bool PluginEffectExt::fetchInputProperties(int32_t, void*) { return false; }
bool PluginEffectExt::fetchOutputProperties(int32_t, void*) { return false; }
int32_t PluginEffectExt::pluginCategory() { return hasFlag(Instrument) ? 2 : 0; }
int32_t PluginEffectExt::askHostProcessMode() {
  return static_cast<int32_t>(askHost(HostRequest::ProcessMode));
}

int32_t PluginEffectExt::askHostProcessLevel() {
  return static_cast<int32_t>(askHost(HostRequest::ProcessLevel));
}

int32_t PluginEffectExt::askHostAutomationState() {
  return static_cast<int32_t>(askHost(HostRequest::AutomationState));
}

void PluginEffectExt::declareAsync(bool on) { setFlag(AsyncProcessing, on); }
void PluginEffectExt::declareExternalBuffer(bool on) { setFlag(ExternalBuffer, on); }
int32_t PluginEffectExt::currentPosition() { return 0; }
float* PluginEffectExt::destinationBuffer() { return nullptr; }

bool PluginEffectExt::askHostOfflineRead(void* task, int32_t option, bool readSource) {
  return askHost(HostRequest::OfflineRead, readSource ? 1 : 0, option, task) != 0;
}

bool PluginEffectExt::askHostOfflineWrite(void* task, int32_t option) {
  return askHost(HostRequest::OfflineWrite, 0, option, task) != 0;
}

bool PluginEffectExt::askHostOfflineStart(void* files, int32_t fileCount, int32_t newFileCount) {
  return askHost(HostRequest::OfflineStart, newFileCount, fileCount, files) != 0;
}

int32_t PluginEffectExt::askHostOfflinePass() { return askHost(HostRequest::OfflinePass) != 0 ? 1 : 0; }
int32_t PluginEffectExt::askHostOfflineMetaPass() {
  return askHost(HostRequest::OfflineMetaPass) != 0 ? 1 : 0;
}
bool PluginEffectExt::offlineNotice(void*, int32_t, bool) { return false; }
bool PluginEffectExt::offlinePrepareTask(void*, int32_t) { return false; }
bool PluginEffectExt::offlineRunTask(void*, int32_t) { return false; }
int32_t PluginEffectExt::offlinePassCount() { return 0; }
int32_t PluginEffectExt::offlineMetaPassCount() { return 0; }

void PluginEffectExt::tellHostOutputSampleRate(float rate) {
  askHost(HostRequest::OutputSampleRate, 0, 0, nullptr, rate);
}

bool PluginEffectExt::askHostSpeakerArrangement(void* input, void* output) {
  return askHost(HostRequest::SpeakerArrangement, 0, reinterpret_cast<intptr_t>(input), output) != 0;
}

bool PluginEffectExt::askHostVendorText(char* text) {
  return askHost(HostRequest::VendorText, 0, 0, text) != 0;
}
bool PluginEffectExt::askHostProductText(char* text) {
  return askHost(HostRequest::ProductText, 0, 0, text) != 0;
}

int32_t PluginEffectExt::askHostVendorVersion() {
  return static_cast<int32_t>(askHost(HostRequest::VendorVersion));
}

int32_t PluginEffectExt::askHostVendorSpecific(int32_t a, int32_t b, void* p, float f) {
  return static_cast<int32_t>(askHost(HostRequest::VendorSpecific, a, b, p, f));
}

int32_t PluginEffectExt::askHostCapability(char* word) {
  return askHost(HostRequest::Capability, 0, 0, word) != 0 ? 1 : 0;
}

void PluginEffectExt::declareInstrument(bool on) { setFlag(Instrument, on); }
void PluginEffectExt::declareSilentTail(bool on) { setFlag(SilentTail, on); }
int32_t PluginEffectExt::askHostLanguage() { return static_cast<int32_t>(askHost(HostRequest::Language)); }

void* PluginEffectExt::askHostOpenWindow(void* window) {
  return reinterpret_cast<void*>(askHost(HostRequest::OpenWindow, 0, 0, window));
}

bool PluginEffectExt::askHostCloseWindow(void* window) {
  return askHost(HostRequest::CloseWindow, 0, 0, window) != 0;
}

void* PluginEffectExt::askHostDirectory() { return reinterpret_cast<void*>(askHost(HostRequest::Directory)); }
bool PluginEffectExt::askHostRedisplay() { return askHost(HostRequest::Redisplay) != 0; }
bool PluginEffectExt::processVariableBlock(void*) { return false; }
bool PluginEffectExt::applySpeakerArrangement(void*, void*) { return false; }

void PluginEffectExt::applyBlockSizeAndRate(int32_t blockSize, float rate) {
  applyBlockSize(blockSize);
  applySampleRate(rate);
}

bool PluginEffectExt::applyBypass(bool) { return false; }
bool PluginEffectExt::fetchEffectName(char*) { return false; }
bool PluginEffectExt::fetchErrorText(char*) { return false; }
bool PluginEffectExt::fetchVendorText(char*) { return false; }
bool PluginEffectExt::fetchProductText(char*) { return false; }
int32_t PluginEffectExt::vendorVersion() { return 0; }
int32_t PluginEffectExt::vendorRequest(int32_t, int32_t, void*, float) { return 0; }
int32_t PluginEffectExt::capability(char*) { return 0; }
void* PluginEffectExt::iconHandle() { return nullptr; }
bool PluginEffectExt::applyViewPosition(int32_t, int32_t) { return false; }
int32_t PluginEffectExt::tailLength() { return 0; }
int32_t PluginEffectExt::backgroundIdle() { return 0; }
bool PluginEffectExt::fetchParameterProperties(int32_t, void*) { return false; }
bool PluginEffectExt::needsKeys() { return false; }
int32_t PluginEffectExt::interfaceVersion() { return 2; }
