// The readout's texts: the control's name as the editor labels it, the value and unit as the host has them.
#include "editor/readout.h"

#include <cstdio>

#include "editor/readout_label.h"
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

void Readout::attach(ReadoutLabel* label) {
  label_ = label;
  hovered_ = -1;
}

void Readout::hover(int32_t index) {
  if (index == hovered_) return;
  hovered_ = index;
  show(index >= 0 ? textFor(index) : std::string());
}

void Readout::edited(int32_t index) { show(textFor(index)); }

void Readout::refresh() {
  if (hovered_ >= 0) show(textFor(hovered_));
}

void Readout::showMessage(const std::string& text) { show(text); }

std::string Readout::text() const { return label_ != nullptr ? label_->text() : std::string(); }

std::string Readout::textFor(int32_t index) const {
  char name[16];
  const ParameterSlot slot = parameterSlot(index);
  if (slot.kind == ParameterKind::StepLevel)
    std::snprintf(name, sizeof name, "Step %d", slot.step + 1);
  else if (slot.kind == ParameterKind::StepSwitch)
    std::snprintf(name, sizeof name, "Switch %d", slot.step + 1);
  else
    std::snprintf(name, sizeof name, "%s", slot.kind == ParameterKind::Interpol ? "Smooth" : "Shift");
  // The dispatcher's texts are 8 characters, padded with blanks; a few more for safety.
  char value[32] = "";
  char unit[32] = "";
  gate_.fetchParameterValueText(index, value);
  gate_.fetchParameterUnit(index, unit);
  const std::string shownUnit = trimmed(unit);
  char text[96];
  std::snprintf(text, sizeof text, "%s  %s%s%s", name, trimmed(value).c_str(), shownUnit.empty() ? "" : " ",
                shownUnit.c_str());
  return text;
}

void Readout::show(const std::string& text) {
  if (label_ != nullptr) label_->show(text);
}
