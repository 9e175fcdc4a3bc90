// The readout's texts: the control's name as the editor labels it, and its value rounded as the musician
// reads it, in the terms of what it does. The host's own texts (8 characters, truncated) stay the host's.
#include "editor/readout.h"

#include <cmath>
#include <cstdio>

#include "editor/readout_label.h"
#include "gate/gain_table.h"
#include "gate/gate_parameter.h"
#include "gate/step_gate.h"
#include "toolkit/graphics/tick_source.h"

namespace {

// A level or the smoothing as a whole percentage: 0.899999 is the 90 % two wheel notches made of 100 %.
std::string percentText(float value) {
  // A host may write anything; what no number describes reads as nothing.
  const double shown = std::isfinite(value) ? std::fmin(std::fmax(value, -1.0e6f), 1.0e6f) : 0.0;
  char text[24];
  std::snprintf(text, sizeof text, "%ld %%", std::lround(shown * 100.0));
  return text;
}

// The shift as the part of a step the pattern moves, in hundredths: 64 points make a step.
std::string shiftText(float barWidth) {
  const long hundredths = std::lround(patternShift(barWidth) * 100.0 / kPointsPerStep);
  char text[24];
  std::snprintf(text, sizeof text, "%ld.%02ld step", hundredths / 100, hundredths % 100);
  return text;
}

} // namespace

void Readout::attach(ReadoutLabel* label) {
  label_ = label;
  hovered_ = -1;
  timedMessage_ = false;
}

void Readout::hover(int32_t index) {
  if (index == hovered_) return;
  hovered_ = index;
  show(index >= 0 ? textFor(index) : std::string());
}

void Readout::edited(int32_t index) { show(textFor(index)); }

void Readout::refresh() {
  if (hovered_ >= 0 && !timedMessage_) show(textFor(hovered_));
}

void Readout::showMessage(const std::string& text) { show(text); }

void Readout::showMessageFor(const std::string& text, uint32_t milliseconds) {
  show(text);
  timedMessage_ = true;
  messageShownAt_ = currentTicks();
  messageDuration_ = milliseconds;
}

void Readout::expire() {
  // Unsigned subtraction: right across the wrap of the tick count.
  if (!timedMessage_ || currentTicks() - messageShownAt_ < messageDuration_) return;
  show(hovered_ >= 0 ? textFor(hovered_) : std::string());
}

std::string Readout::text() const { return label_ != nullptr ? label_->text() : std::string(); }

std::string Readout::textFor(int32_t index) const {
  const ParameterSlot slot = parameterSlot(index);
  const float value = gate_.readParameter(index);
  switch (slot.kind) {
  case ParameterKind::StepLevel:
    return "Step " + std::to_string(slot.step + 1) + "  " + percentText(value);
  case ParameterKind::StepSwitch:
    return "Switch " + std::to_string(slot.step + 1) + (playsFullLength(value) ? "  On" : "  Off");
  case ParameterKind::Interpol:
    return "Smooth  " + percentText(value);
  case ParameterKind::BarWidth:
    return "Shift  " + shiftText(value);
  case ParameterKind::None:
    break;
  }
  return std::string();
}

void Readout::show(const std::string& text) {
  timedMessage_ = false;
  if (label_ != nullptr) label_->show(text);
}
