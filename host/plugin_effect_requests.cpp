// PluginEffect and PluginEffectExt: every request to the host, each with the answer it falls back on when
// there is no host to ask.
#include "host/plugin_effect_ext.h"

intptr_t PluginEffect::askHost(HostRequest request, int32_t index, intptr_t value, void* data, float scalar,
                               intptr_t fallback) {
  if (callback_ == nullptr || (loopsAndClose_.load(std::memory_order_relaxed) & kClosedByHost) != 0)
    return fallback;
  return callback_(&record_, static_cast<int32_t>(request), index, value, data, scalar);
}

int32_t PluginEffect::askHostVersion() {
  const intptr_t version = askHost(HostRequest::Version);
  return version != 0 ? static_cast<int32_t>(version) : 1;
}

int32_t PluginEffect::askHostCurrentId() { return static_cast<int32_t>(askHost(HostRequest::CurrentId)); }
void PluginEffect::askHostIdle() { askHost(HostRequest::Idle); }
void PluginEffect::beginEdit(int32_t index) { askHost(HostRequest::BeginEdit, index); }
void PluginEffect::endEdit(int32_t index) { askHost(HostRequest::EndEdit, index); }

// The host answers 0 for a connected pin; without a host every pin counts as connected.
bool PluginEffect::askInputConnected(int32_t index) {
  return askHost(HostRequest::PinConnected, index, 0) == 0;
}

bool PluginEffect::askOutputConnected(int32_t index) {
  return askHost(HostRequest::PinConnected, index, 1) == 0;
}

bool PluginEffectExt::passEventsToHost(void* events) {
  return askHost(HostRequest::SendEvents, 0, 0, events) == 1;
}

void PluginEffectExt::askHostForEvents(int32_t filter) { askHost(HostRequest::WantEvents, 0, filter); }

HostTimeInfo* PluginEffectExt::askHostTime(int32_t mask) {
  return reinterpret_cast<HostTimeInfo*>(askHost(HostRequest::TimeInfo, 0, mask));
}

int32_t PluginEffectExt::askHostTempoForPosition(int32_t position) {
  return static_cast<int32_t>(askHost(HostRequest::TempoAt, 0, position));
}

int32_t PluginEffectExt::askHostAutomatableCount() {
  return static_cast<int32_t>(askHost(HostRequest::AutomatableCount));
}

int32_t PluginEffectExt::askHostQuantization() {
  return static_cast<int32_t>(askHost(HostRequest::Quantization));
}

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

int32_t PluginEffectExt::askHostProcessMode() {
  return static_cast<int32_t>(askHost(HostRequest::ProcessMode));
}

int32_t PluginEffectExt::askHostProcessLevel() {
  return static_cast<int32_t>(askHost(HostRequest::ProcessLevel));
}

int32_t PluginEffectExt::askHostAutomationState() {
  return static_cast<int32_t>(askHost(HostRequest::AutomationState));
}

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

int32_t PluginEffectExt::askHostLanguage() { return static_cast<int32_t>(askHost(HostRequest::Language)); }

void* PluginEffectExt::askHostOpenWindow(void* window) {
  return reinterpret_cast<void*>(askHost(HostRequest::OpenWindow, 0, 0, window));
}

bool PluginEffectExt::askHostCloseWindow(void* window) {
  return askHost(HostRequest::CloseWindow, 0, 0, window) != 0;
}

void* PluginEffectExt::askHostDirectory() { return reinterpret_cast<void*>(askHost(HostRequest::Directory)); }
bool PluginEffectExt::askHostRedisplay() { return askHost(HostRequest::Redisplay) != 0; }
