// The readout strip: which control the pointer is over, and its value as the host shows it.
#include <cstdio>

#include "editor/readout_label.h"
#include "editor/step_gate_editor.h"
#include "gate/gate_parameter.h"
#include "gate/step_gate.h"

namespace {

std::string trimmed(const char* text) {
  std::string result = text;
  result.erase(0, result.find_first_not_of(' '));
  result.erase(result.find_last_not_of(' ') + 1);
  return result;
}

} // namespace

std::string StepGateEditor::readoutText(int32_t index) const {
  char name[16];
  if (index >= FirstStepLevel && index < FirstStepSwitch)
    std::snprintf(name, sizeof name, "Step %d", index - FirstStepLevel + 1);
  else if (index >= FirstStepSwitch && index < InterpolParameter)
    std::snprintf(name, sizeof name, "Switch %d", index - FirstStepSwitch + 1);
  else
    std::snprintf(name, sizeof name, "%s", index == InterpolParameter ? "Smooth" : "Shift");
  // The dispatcher's texts are 8 characters, padded with blanks; a few more for safety.
  char value[32] = "";
  char unit[32] = "";
  gate_->fetchParameterValueText(index, value);
  gate_->fetchParameterUnit(index, unit);
  std::string text = std::string(name) + "  " + trimmed(value);
  if (!trimmed(unit).empty()) text += " " + trimmed(unit);
  return text;
}

std::string StepGateEditor::readout() const { return readout_ != nullptr ? readout_->text() : std::string(); }

void StepGateEditor::showReadout(const std::string& text) {
  if (readout_ != nullptr) readout_->show(text);
}

void StepGateEditor::pointerMoved(Point point) {
  int32_t over = -1;
  for (int32_t index = 0; index < GateParameterCount && over < 0; ++index) {
    const ValueWidget* control = controlOf(index);
    if (control != nullptr && point.liesIn(control->size())) over = index;
  }
  if (over == hovered_) return;
  hovered_ = over;
  showReadout(over >= 0 ? readoutText(over) : std::string());
}

void StepGateEditor::pointerLeft() {
  hovered_ = -1;
  showReadout(std::string());
}
