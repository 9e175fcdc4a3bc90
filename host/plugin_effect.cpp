// PluginEffect and PluginEffectExt: the record they fill for the host, the life the host drives (open,
// close, and the editor's loops a close waits for) and what the effect says of itself. Their other members
// are grouped by job beside this file (programs and parameters, editor, processing set-up, host requests);
// the opcodes reach them through the table in opcode_table.cpp.
#include "host/plugin_effect.h"

#include <cstring>

#include "host/editor_base.h"
#include "host/plugin_effect_ext.h"
#include "host/record_entries.h"

namespace {

constexpr float kDefaultSampleRate = 44100.0f;
constexpr int32_t kDefaultBlockSize = 1024;
// 'NoEf': the base's placeholder until an effect assigns its own identifier.
constexpr int32_t kInitialPluginId = 0x4E6F4566;

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

PluginEffectExt::PluginEffectExt(HostCallback callback, int32_t programCount, int32_t parameterCount)
    : PluginEffect(callback, programCount, parameterCount) {}

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

void PluginEffect::hostOpened() {}
void PluginEffect::hostClosing() {}

void PluginEffect::setFlag(int32_t flag, bool on) {
  if (on)
    record_.capabilityFlags |= flag;
  else
    record_.capabilityFlags &= ~flag;
}

void PluginEffect::assignPluginId(int32_t id) { record_.pluginId = id; }

void PluginEffectExt::declareInstrument(bool on) { setFlag(Instrument, on); }
int32_t PluginEffectExt::pluginCategory() { return hasFlag(Instrument) ? 2 : 0; }
bool PluginEffectExt::fetchEffectName(char*) { return false; }
bool PluginEffectExt::fetchErrorText(char*) { return false; }
bool PluginEffectExt::fetchVendorText(char*) { return false; }
bool PluginEffectExt::fetchProductText(char*) { return false; }
int32_t PluginEffectExt::vendorVersion() { return 0; }
int32_t PluginEffectExt::vendorRequest(int32_t, int32_t, void*, float) { return 0; }
int32_t PluginEffectExt::capability(char*) { return 0; }
int32_t PluginEffectExt::interfaceVersion() { return 2; }
