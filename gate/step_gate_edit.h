// StepGateEdit: the effect `main` hands the host — the step gate with its editor from construction on,
// passing every parameter change to the editor so its controls follow automation and program changes.
#pragma once

#include "gate/step_gate.h"

class StepGateEditor;

class StepGateEdit : public StepGate {
public:
  explicit StepGateEdit(HostCallback callback);

  void writeParameter(int32_t index, float value) override;

  StepGateEditor* gateEditor() const { return gateEditor_; }

private:
  StepGateEditor* gateEditor_ = nullptr;
};
