// PluginEffect and PluginEffectExt: programs and parameters (their values, names, texts and state blobs),
// with the answers an effect gives until it overrides them.
#include <cmath>

#include "host/parameter_text.h"
#include "host/plugin_effect_ext.h"

namespace {

void writeEmptyText(char* text) { text[0] = '\0'; }

} // namespace

void PluginEffect::writeParameter(int32_t, float) {}
float PluginEffect::readParameter(int32_t) { return 0.0f; }

void PluginEffect::writeParameterAndNotify(int32_t index, float value) {
  writeParameter(index, value);
  askHost(HostRequest::ParameterEdited, index, 0, nullptr, value);
}

int32_t PluginEffect::currentProgram() { return currentProgram_.load(std::memory_order_relaxed); }
void PluginEffect::selectProgram(int32_t program) { storeCurrentProgram(program); }
void PluginEffect::renameProgram(char* text) { writeEmptyText(text); }
void PluginEffect::fetchProgramName(char* text) { writeEmptyText(text); }
void PluginEffect::fetchParameterUnit(int32_t, char* text) { writeEmptyText(text); }
void PluginEffect::fetchParameterValueText(int32_t, char* text) { writeEmptyText(text); }
void PluginEffect::fetchParameterName(int32_t, char* text) { writeEmptyText(text); }
int32_t PluginEffect::saveStateBlob(void**, bool) { return 0; }
int32_t PluginEffect::loadStateBlob(void*, int32_t, bool) { return 0; }
void PluginEffect::declareStateBlobs(bool on) { setFlag(StateBlobs, on); }

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

bool PluginEffectExt::isAutomatable(int32_t) { return true; }
bool PluginEffectExt::parseParameterText(int32_t, char*) { return false; }
float PluginEffectExt::channelParameterValue(int32_t, int32_t) { return 0.0f; }
int32_t PluginEffectExt::programCategoryCount() { return 1; }
bool PluginEffectExt::fetchIndexedProgramName(int32_t, int32_t, char*) { return false; }
bool PluginEffectExt::duplicateProgram(int32_t) { return false; }
bool PluginEffectExt::fetchParameterProperties(int32_t, void*) { return false; }
