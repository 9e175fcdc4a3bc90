// The editor is adopted after the gate has selected its first program, so that first selection tells no
// editor.
#include "gate/step_gate_plugin.h"

#include <utility>

namespace {

constexpr int32_t kPluginId = fourCharacterCode("Ktvs");

} // namespace

StepGatePlugin::StepGatePlugin(HostCallback callback) : StepGate(callback) { assignPluginId(kPluginId); }

StepGatePlugin::~StepGatePlugin() {
  if (ownedEditor_ == nullptr) return;
  ownedEditor_->closeEditor();
  // Detached first: no parameter write may reach an editor being deleted.
  attachEditor(nullptr);
  ownedEditor_.reset();
}

void StepGatePlugin::adoptEditor(std::unique_ptr<EditorBase> editor) { ownedEditor_ = std::move(editor); }

void StepGatePlugin::writeParameter(int32_t index, float value) {
  StepGate::writeParameter(index, value);
  if (EditorBase* attached = editor()) attached->parameterChanged(index, value);
}
