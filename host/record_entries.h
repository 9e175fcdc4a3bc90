// The five static entry functions stored in every PluginRecord: each finds its effect through the
// record and forwards to the matching virtual operation.
#pragma once

#include "host/plugin_record.h"

namespace record_entries {

intptr_t PLUGIN_CDECL dispatch(PluginRecord* record, int32_t opcode, int32_t index, intptr_t value,
                               void* data, float scalar);
void PLUGIN_CDECL accumulate(PluginRecord* record, float** inputs, float** outputs, int32_t frames);
void PLUGIN_CDECL overwrite(PluginRecord* record, float** inputs, float** outputs, int32_t frames);
void PLUGIN_CDECL writeParameter(PluginRecord* record, int32_t index, float value);
float PLUGIN_CDECL readParameter(PluginRecord* record, int32_t index);

} // namespace record_entries
