// Creates the complete plug-in for a host that answers the version request.
#include "host/plugin_main.h"

#include <new>

#include "gate/step_gate_edit.h"
#include "host/module_state.h"
#include "host/opcodes.h"

extern "C" PluginRecord* PLUGIN_CDECL pluginMain(HostCallback callback) {
  if (callback == nullptr) return nullptr;
  if (callback(nullptr, static_cast<int32_t>(HostRequest::Version), 0, 0, nullptr, 0.0f) == 0) return nullptr;
  // The flag describes only the construction in progress: one failed instance must not fail every later one.
  creationFailed = false;
  try {
    PluginEffect* effect = new (std::nothrow) StepGateEdit(callback);
    if (effect == nullptr) return nullptr;
    if (creationFailed) {
      delete effect;
      return nullptr;
    }
    return effect->record();
  } catch (...) {
    // No exception may reach the host.
    return nullptr;
  }
}
