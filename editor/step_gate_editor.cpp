// The editor's layout follows from its bitmaps: a fader is the track's size, the step columns are one
// track width plus 3 pixels apart, and a handle travels the track's height less its own.
#include "editor/step_gate_editor.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "editor/pattern_menu.h"
#include "editor/readout_label.h"
#include "gate/gate_parameter.h"
#include "gate/step_gate.h"
#include "resources/resource_ids.h"
#include "toolkit/controls/fader.h"
#include "toolkit/controls/toggle_button.h"
#include "toolkit/graphics/clipboard.h"
#include "toolkit/graphics/pixmap.h"
#include "toolkit/graphics/resource_bytes.h"
#include "toolkit/graphics/root_view.h"
#include "toolkit/graphics/tick_source.h"

const Rect StepGateEditor::kCurveStrip{11, 7, 309, 72};

namespace {

constexpr int32_t kFaderLeft = 11;
constexpr int32_t kFaderTop = 103;
constexpr int32_t kButtonLeft = 13;
constexpr int32_t kButtonTop = 85;
constexpr int32_t kButtonWidth = 13;
constexpr int32_t kButtonHeight = 17;
constexpr int32_t kColumnGap = 3;
constexpr float kInterpolReset = 0.5f;
constexpr float kBarWidthReset = 1.0f;

constexpr int32_t kMaskBits = 32;
// Over the hints line of the background, below the faders' labels.
const Rect kReadoutStrip{11, 210, 375, 232};

std::string trimmed(const char* text) {
  std::string result = text;
  result.erase(0, result.find_first_not_of(' '));
  result.erase(result.find_last_not_of(' ') + 1);
  return result;
}

void loadOnce(PixmapRef& pixmap, int32_t id) {
  if (pixmap == nullptr) pixmap = PixmapRef::adopt(new Pixmap(id));
}

} // namespace

StepGateEditor::StepGateEditor(StepGate* gate)
    : GuiEditorBase(gate), gate_(gate), background_(PixmapRef::adopt(new Pixmap(RESOURCE_BACKGROUND))),
      random_(currentTicks()) {
  editorRect = {0, 0, static_cast<int16_t>(background_->height()),
                static_cast<int16_t>(background_->width())};
}

Fader* StepGateEditor::addFader(const Rect& size, int32_t tag) {
  const int32_t maximumPosition = kFaderTop + track_->height() - handle_->height() - 1;
  auto* fader =
      new Fader(size, this, tag, kFaderTop, maximumPosition, handle_, track_, Point(0, 0), faderOriginBottom);
  fader->setHandleOrigin(Point(1, 0));
  fader->putValue(gate_->readParameter(tag));
  return fader;
}

int32_t StepGateEditor::openIn(void* parentWindow) {
  // A host that opens the editor again without closing it gets it moved, not a second window beside it.
  if (rootView != nullptr) closeEditor();
  GuiEditorBase::openIn(parentWindow);
  loadOnce(track_, RESOURCE_FADER_TRACK);
  loadOnce(handle_, RESOURCE_FADER_HANDLE);
  loadOnce(button_, RESOURCE_STEP_BUTTON);
  rootView = new RootView(Rect(0, 0, background_->width(), background_->height()),
                          static_cast<HWND>(parentWindow), this);
  rootView->setBackdrop(background_);
  // The readout takes no presses: the menu area above it receives the presses the controls leave.
  readout_ = new ReadoutLabel(kReadoutStrip, background_);
  rootView->addWidget(readout_);
  rootView->addWidget(new PatternMenuArea(Rect(0, 0, background_->width(), background_->height()), this));

  const int32_t pitch = track_->width() + kColumnGap;
  Rect faderRect(kFaderLeft, kFaderTop, kFaderLeft + track_->width(), kFaderTop + track_->height());
  Rect buttonRect(kButtonLeft, kButtonTop, kButtonLeft + kButtonWidth, kButtonTop + kButtonHeight);
  for (int32_t step = 0; step < kStepCount; ++step) {
    Fader* fader = addFader(faderRect, FirstStepLevel + step);
    rootView->addWidget(fader);
    stepControls_[FirstStepLevel + step] = fader;

    auto* button = new ToggleButton(buttonRect, this, FirstStepSwitch + step, button_);
    button->putValue(gate_->readParameter(FirstStepSwitch + step));
    rootView->addWidget(button);
    stepControls_[FirstStepSwitch + step] = button;

    faderRect.moveBy(pitch, 0);
    buttonRect.moveBy(pitch, 0);
  }
  // Interpol stands one column after where a 17th step fader would be, BarWidth one further.
  faderRect.moveBy(pitch, 0);
  interpolFader_ = addFader(faderRect, InterpolParameter);
  interpolFader_->setResetValue(kInterpolReset);
  rootView->addWidget(interpolFader_);
  faderRect.moveBy(pitch, 0);
  barWidthFader_ = addFader(faderRect, BarWidthParameter);
  barWidthFader_->setResetValue(kBarWidthReset);
  rootView->addWidget(barWidthFader_);
  hovered_ = -1;

  requestUpdate();
  return 1;
}

void StepGateEditor::closeEditor() {
  delete rootView;
  rootView = nullptr;
  for (ValueWidget*& control : stepControls_) control = nullptr;
  interpolFader_ = barWidthFader_ = nullptr;
  readout_ = nullptr;
  hovered_ = -1;
  track_.reset();
  handle_.reset();
  button_.reset();
}

void StepGateEditor::applyUpdate() {
  followChangedParameters();
  // Automation may have moved the control under the pointer.
  if (hovered_ >= 0) showReadout(readoutText(hovered_));
  gate_->buildGainTable();
  drawCurve();
}

void StepGateEditor::followChangedParameters() {
  for (int32_t word = 0; word < static_cast<int32_t>(changedParameters_.size()); ++word) {
    uint32_t changed = changedParameters_[word].exchange(0, std::memory_order_acquire);
    for (int32_t bit = 0; changed != 0; ++bit, changed >>= 1) {
      if ((changed & 1u) == 0) continue;
      const int32_t index = word * kMaskBits + bit;
      // The control shows the effect's live value, whatever value the writer passed along.
      if (ValueWidget* control = controlOf(index)) control->putValue(gate_->readParameter(index));
    }
  }
}

ValueWidget* StepGateEditor::controlOf(int32_t index) const {
  if (rootView == nullptr) return nullptr;
  if (index >= FirstStepLevel && index < InterpolParameter) return stepControls_[index];
  if (index == InterpolParameter) return interpolFader_;
  if (index == BarWidthParameter) return barWidthFader_;
  return nullptr;
}

Pattern StepGateEditor::livePattern() const {
  Pattern pattern{};
  for (int32_t index = 0; index < GateParameterCount; ++index) pattern[index] = gate_->readParameter(index);
  return pattern;
}

void StepGateEditor::applyPattern(const Pattern& pattern) {
  for (int32_t index = 0; index < GateParameterCount; ++index)
    if (gate_->readParameter(index) != pattern[index]) gate_->writeParameterAndNotify(index, pattern[index]);
  followChangedParameters();
  if (rootView != nullptr) rootView->redrawWidget(nullptr);
}

void StepGateEditor::runPatternCommand(int32_t command) {
  const Pattern live = livePattern();
  HWND window = rootView != nullptr ? rootView->windowHandle() : nullptr;
  switch (command) {
  case CopyPattern:
    putClipboardText(window, patternText(live));
    return;
  case PastePattern: {
    Pattern pasted = live;
    if (parsePatternText(clipboardText(window), pasted, pasteRefusal_))
      applyPattern(pasted);
    else
      showReadout("Paste refused: " + pasteRefusal_);
    return;
  }
  case RotateLeft:
    return applyPattern(rotated(live, -1));
  case RotateRight:
    return applyPattern(rotated(live, 1));
  case InvertLevels:
    return applyPattern(invertedLevels(live));
  case RandomizeLevels:
    return applyPattern(randomLevels(live, random_));
  case RandomizeSwitches:
    return applyPattern(randomSwitches(live, random_));
  case ClearLevels:
    return applyPattern(clearedLevels(live));
  case ResetPattern:
    return applyPattern(initPattern());
  default:
    break;
  }
  const int32_t factory = command - FirstFactoryPattern;
  const std::vector<uint8_t> bank = resourceBytes("BANK", RESOURCE_BANK);
  if (factory < 0 || factory >= kProgramCount || bank.size() < (factory + 1) * sizeof(ProgramRecord)) return;
  ProgramRecord record;
  std::memcpy(&record, bank.data() + factory * sizeof(ProgramRecord), sizeof record);
  applyPattern(patternOf(record));
}

void StepGateEditor::parameterChanged(int32_t index, float) {
  if (index < 0 || index >= GateParameterCount) return;
  // Release: the window's thread that takes the bit also sees the value stored before it.
  changedParameters_[static_cast<size_t>(index / kMaskBits)].fetch_or(1u << (index % kMaskBits),
                                                                      std::memory_order_release);
  requestUpdate();
}

void StepGateEditor::controlEdited(Canvas* canvas, ValueWidget* control) {
  const int32_t tag = control->tag();
  if (tag >= FirstStepLevel && tag <= BarWidthParameter) {
    gate_->writeParameterAndNotify(tag, control->value());
    control->refreshIfChanged(canvas);
    // A drag keeps the pointer's messages away: the readout follows the edit instead.
    showReadout(readoutText(tag));
  }
  requestUpdate();
}

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
