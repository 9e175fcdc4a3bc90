// StepGatePlugin's hold on its editor: adopted once made, closed and detached before it goes.
#include "gate/step_gate_plugin.h"

#include <utility>

namespace {

// What hosts key their saved sessions and plug-in lists on; it must never change.
constexpr int32_t kPluginId = fourCharacterCode("Ktvs");

} // namespace

StepGatePlugin::StepGatePlugin(HostCallback callback) : StepGate(callback) { assignPluginId(kPluginId); }

StepGatePlugin::~StepGatePlugin() {
  if (ownedEditor_ == nullptr) return;
  ownedEditor_->closeEditor();
  // Detached first: nothing the effect does may reach an editor being deleted.
  attachEditor(nullptr);
  ownedEditor_.reset();
}

void StepGatePlugin::adoptEditor(std::unique_ptr<EditorBase> editor) { ownedEditor_ = std::move(editor); }
