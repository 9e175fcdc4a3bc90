// The editor is created after the gate has selected its first program, so that first selection tells no
// editor; the effect base owns and deletes it.
#include "gate/step_gate_edit.h"

#include <new>

#include "editor/step_gate_editor.h"
#include "host/module_state.h"

namespace {

constexpr int32_t kPluginId = fourCharacterCode("Ktvs");

} // namespace

StepGateEdit::StepGateEdit(HostCallback callback) : StepGate(callback) {
  assignPluginId(kPluginId);
  gateEditor_ = new (std::nothrow) StepGateEditor(this);
  if (gateEditor_ == nullptr) creationFailed = true;
}

void StepGateEdit::writeParameter(int32_t index, float value) {
  StepGate::writeParameter(index, value);
  if (gateEditor_ != nullptr) gateEditor_->parameterChanged(index, value);
}
