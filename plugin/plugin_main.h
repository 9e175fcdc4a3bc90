// `main`, the function a host calls once for every effect instance it wants.
#pragma once

#include "host/plugin_record.h"

// Exported as `main` by the module definition file: a C++ function may not be named main.
extern "C" PluginRecord* PLUGIN_CDECL pluginMain(HostCallback callback);
