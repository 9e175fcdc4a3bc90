// PluginEffect and PluginEffectExt: processing set-up (sample rate, block size, activation, inputs and
// outputs, what the record declares about processing) and the processing entries an effect may serve.
#include "host/plugin_effect_ext.h"

void PluginEffect::processOverwriting(float**, float**, int32_t) {}
float PluginEffect::meterLevel() { return 0.0f; }
void PluginEffect::applySampleRate(float rate) { sampleRate_ = rate; }
void PluginEffect::applyBlockSize(int32_t size) { blockSize_ = size; }
void PluginEffect::deactivate() {}
void PluginEffect::activate() {}
float PluginEffect::currentSampleRate() { return sampleRate_; }
int32_t PluginEffect::currentBlockSize() { return blockSize_; }
void PluginEffect::assignInputCount(int32_t count) { record_.inputCount = count; }
void PluginEffect::assignOutputCount(int32_t count) { record_.outputCount = count; }
void PluginEffect::declareMeter(bool on) { setFlag(Meter, on); }
void PluginEffect::declareClipIndicator(bool on) { setFlag(ClipIndicator, on); }
void PluginEffect::declareMonoCapable(bool on) { setFlag(MonoCapable, on); }
void PluginEffect::declareOverwriting(bool on) { setFlag(OverwritingProcess, on); }
void PluginEffect::assignRealtimeQuality(int32_t quality) { record_.realtimeQuality = quality; }
void PluginEffect::assignOfflineQuality(int32_t quality) { record_.offlineQuality = quality; }
void PluginEffect::assignLatency(int32_t samples) { record_.latencySamples = samples; }

int32_t PluginEffectExt::receiveEvents(void*) { return 0; }
void PluginEffectExt::inputConnectionChanged(int32_t, bool) {}
void PluginEffectExt::outputConnectionChanged(int32_t, bool) {}
bool PluginEffectExt::fetchInputProperties(int32_t, void*) { return false; }
bool PluginEffectExt::fetchOutputProperties(int32_t, void*) { return false; }
void PluginEffectExt::declareAsync(bool on) { setFlag(AsyncProcessing, on); }
void PluginEffectExt::declareExternalBuffer(bool on) { setFlag(ExternalBuffer, on); }
void PluginEffectExt::declareSilentTail(bool on) { setFlag(SilentTail, on); }
int32_t PluginEffectExt::currentPosition() { return 0; }
float* PluginEffectExt::destinationBuffer() { return nullptr; }
bool PluginEffectExt::offlineNotice(void*, int32_t, bool) { return false; }
bool PluginEffectExt::offlinePrepareTask(void*, int32_t) { return false; }
bool PluginEffectExt::offlineRunTask(void*, int32_t) { return false; }
int32_t PluginEffectExt::offlinePassCount() { return 0; }
int32_t PluginEffectExt::offlineMetaPassCount() { return 0; }
bool PluginEffectExt::processVariableBlock(void*) { return false; }
bool PluginEffectExt::applySpeakerArrangement(void*, void*) { return false; }

void PluginEffectExt::applyBlockSizeAndRate(int32_t blockSize, float rate) {
  applyBlockSize(blockSize);
  applySampleRate(rate);
}

bool PluginEffectExt::applyBypass(bool) { return false; }
int32_t PluginEffectExt::tailLength() { return 0; }
