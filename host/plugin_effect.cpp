// PluginEffect: record set-up, the dispatcher for opcodes 0 to 24, the default operations and the basic
// requests to the host.
#include "host/plugin_effect.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "host/editor_base.h"
#include "host/parameter_text.h"
#include "host/record_entries.h"

namespace {

constexpr float kDefaultSampleRate = 44100.0f;
constexpr int32_t kDefaultBlockSize = 1024;
constexpr int32_t kInitialPluginId = 0x4E6F4566;

constexpr uint32_t kClosedByHost = 1;
constexpr uint32_t kOneLoop = 2;

void writeEmptyText(char* text) { text[0] = '\0'; }

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

PluginEffect::PluginEffect(HostCallback callback, int32_t programCount, int32_t parameterCount)
    : callback_(callback), programCount_(programCount), parameterCount_(parameterCount) {
  editor_ = nullptr;
  std::memset(&record_, 0, sizeof record_);
  record_.signature = kPluginSignature;
  record_.dispatchFn = record_entries::dispatch;
  record_.accumulateFn = record_entries::accumulate;
  record_.writeParameterFn = record_entries::writeParameter;
  record_.readParameterFn = record_entries::readParameter;
  record_.overwriteFn = record_entries::overwrite;
  record_.programCount = programCount;
  record_.parameterCount = parameterCount;
  record_.inputCount = 1;
  record_.outputCount = 2;
  record_.ioSampleRatio = 1.0f;
  record_.effectObject = this;
  record_.pluginId = kInitialPluginId;
  record_.pluginVersion = 1;
  sampleRate_ = kDefaultSampleRate;
  blockSize_ = kDefaultBlockSize;
}

PluginEffect::~PluginEffect() = default;

PluginEffect::LoopScope::LoopScope(PluginEffect* effect) : effect_(effect) {
  if (effect_ != nullptr) effect_->loopsAndClose_.fetch_add(kOneLoop, std::memory_order_acq_rel);
}

PluginEffect::LoopScope::~LoopScope() {
  if (effect_ != nullptr &&
      effect_->loopsAndClose_.fetch_sub(kOneLoop, std::memory_order_acq_rel) == kOneLoop + kClosedByHost)
    delete effect_;
}

bool PluginEffect::closeByHost() {
  if (loopsAndClose_.fetch_or(kClosedByHost, std::memory_order_acq_rel) < kOneLoop) return true;
  if (editor_ != nullptr) editor_->closeEditor();
  return false;
}

void PluginEffect::attachEditor(EditorBase* editor) {
  editor_ = editor;
  setFlag(EditorAttached, editor != nullptr);
}

void PluginEffect::setFlag(int32_t flag, bool on) {
  if (on)
    record_.capabilityFlags |= flag;
  else
    record_.capabilityFlags &= ~flag;
}

intptr_t PluginEffect::askHost(HostRequest request, int32_t index, intptr_t value, void* data, float scalar,
                               intptr_t fallback) {
  if (callback_ == nullptr || (loopsAndClose_.load(std::memory_order_relaxed) & kClosedByHost) != 0)
    return fallback;
  return callback_(&record_, static_cast<int32_t>(request), index, value, data, scalar);
}

void PluginEffect::writeParameter(int32_t, float) {}
float PluginEffect::readParameter(int32_t) { return 0.0f; }

void PluginEffect::writeParameterAndNotify(int32_t index, float value) {
  writeParameter(index, value);
  askHost(HostRequest::ParameterEdited, index, 0, nullptr, value);
}

void PluginEffect::processOverwriting(float**, float**, int32_t) {}

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

void PluginEffect::hostOpened() {}
void PluginEffect::hostClosing() {}
int32_t PluginEffect::currentProgram() { return currentProgram_.load(std::memory_order_relaxed); }
void PluginEffect::selectProgram(int32_t program) { storeCurrentProgram(program); }
void PluginEffect::renameProgram(char* text) { writeEmptyText(text); }
void PluginEffect::fetchProgramName(char* text) { writeEmptyText(text); }
void PluginEffect::fetchParameterUnit(int32_t, char* text) { writeEmptyText(text); }
void PluginEffect::fetchParameterValueText(int32_t, char* text) { writeEmptyText(text); }
void PluginEffect::fetchParameterName(int32_t, char* text) { writeEmptyText(text); }
float PluginEffect::meterLevel() { return 0.0f; }
int32_t PluginEffect::saveStateBlob(void**, bool) { return 0; }
int32_t PluginEffect::loadStateBlob(void*, int32_t, bool) { return 0; }
void PluginEffect::applySampleRate(float rate) { sampleRate_ = rate; }
void PluginEffect::applyBlockSize(int32_t size) { blockSize_ = size; }
void PluginEffect::deactivate() {}
void PluginEffect::activate() {}
void PluginEffect::assignPluginId(int32_t id) { record_.pluginId = id; }
void PluginEffect::assignInputCount(int32_t count) { record_.inputCount = count; }
void PluginEffect::assignOutputCount(int32_t count) { record_.outputCount = count; }
void PluginEffect::declareMeter(bool on) { setFlag(Meter, on); }
void PluginEffect::declareClipIndicator(bool on) { setFlag(ClipIndicator, on); }
void PluginEffect::declareMonoCapable(bool on) { setFlag(MonoCapable, on); }
void PluginEffect::declareOverwriting(bool on) { setFlag(OverwritingProcess, on); }
void PluginEffect::declareStateBlobs(bool on) { setFlag(StateBlobs, on); }
void PluginEffect::assignRealtimeQuality(int32_t quality) { record_.realtimeQuality = quality; }
void PluginEffect::assignOfflineQuality(int32_t quality) { record_.offlineQuality = quality; }
void PluginEffect::assignLatency(int32_t samples) { record_.latencySamples = samples; }
float PluginEffect::currentSampleRate() { return sampleRate_; }
int32_t PluginEffect::currentBlockSize() { return blockSize_; }

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

void PluginEffect::decibelsToText(float value, char* text) {
  if (value > 0.0f)
    floatToText(static_cast<float>(20.0 * std::log10(static_cast<double>(value))), text);
  else
    writeFixedText(kMinusInfinityText, text);
}

void PluginEffect::samplesToHertzText(float samples, char* text) {
  const float rate = currentSampleRate();
  if (samples == 0.0f || std::isnan(samples))
    floatToText(0.0f, text);
  else
    floatToText(static_cast<float>(static_cast<double>(rate) / static_cast<double>(samples)), text);
}

void PluginEffect::samplesToMillisecondsText(float samples, char* text) {
  const double milliseconds =
      static_cast<double>(samples) * 1000.0 / static_cast<double>(currentSampleRate());
  floatToText(static_cast<float>(milliseconds), text);
}

void PluginEffect::floatToText(float value, char* text) { writeFixedPointText(value, text); }

void PluginEffect::integerToText(int32_t value, char* text) { writeIntegerText(value, text); }
