// The record's entry functions. They trust the record: a host must pass the record `main` returned.
#include "host/record_entries.h"

#include "host/opcodes.h"
#include "host/plugin_effect.h"

namespace record_entries {
namespace {

PluginEffect* effectOf(PluginRecord* record) { return static_cast<PluginEffect*>(record->effectObject); }

} // namespace

intptr_t PLUGIN_CDECL dispatch(PluginRecord* record, int32_t opcode, int32_t index, intptr_t value,
                               void* data, float scalar) {
  PluginEffect* effect = effectOf(record);
  if (opcode == static_cast<int32_t>(Opcode::Close)) {
    effect->handleOpcode(opcode, index, value, data, scalar);
    if (effect->closeByHost()) delete effect;
    return 1;
  }
  return effect->handleOpcode(opcode, index, value, data, scalar);
}

void PLUGIN_CDECL accumulate(PluginRecord* record, float** inputs, float** outputs, int32_t frames) {
  effectOf(record)->processAccumulating(inputs, outputs, frames);
}

void PLUGIN_CDECL overwrite(PluginRecord* record, float** inputs, float** outputs, int32_t frames) {
  effectOf(record)->processOverwriting(inputs, outputs, frames);
}

void PLUGIN_CDECL writeParameter(PluginRecord* record, int32_t index, float value) {
  effectOf(record)->writeParameter(index, value);
}

float PLUGIN_CDECL readParameter(PluginRecord* record, int32_t index) {
  return effectOf(record)->readParameter(index);
}

} // namespace record_entries
