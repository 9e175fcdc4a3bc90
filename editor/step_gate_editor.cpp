// The editor's layout follows from its bitmaps: a fader is the track's size, the step columns are one
// track width plus 3 pixels apart, and a handle travels the track's height less its own.
#include "editor/step_gate_editor.h"

#include "editor/gain_curve_view.h"
#include "editor/pattern_menu.h"
#include "editor/readout_label.h"
#include "editor/size_memory.h"
#include "gate/gain_table.h"
#include "gate/gate_parameter.h"
#include "gate/step_gate.h"
#include "resources/resource_ids.h"
#include "toolkit/controls/fader.h"
#include "toolkit/controls/toggle_button.h"
#include "toolkit/graphics/pixmap.h"
#include "toolkit/graphics/root_view.h"

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

constexpr uint32_t kRefusedSizeMessageMilliseconds = 2000;
static_assert(RESOURCE_BACKGROUND_DOUBLE == RESOURCE_BACKGROUND + kDoubleSizeResourceOffset &&
                  RESOURCE_FADER_TRACK_DOUBLE == RESOURCE_FADER_TRACK + kDoubleSizeResourceOffset &&
                  RESOURCE_FADER_HANDLE_DOUBLE == RESOURCE_FADER_HANDLE + kDoubleSizeResourceOffset &&
                  RESOURCE_STEP_BUTTON_DOUBLE == RESOURCE_STEP_BUTTON + kDoubleSizeResourceOffset,
              "the toolkit finds each bitmap's double-size image at its own number plus the offset");
// Over the hints line of the background, below the faders' labels.
const Rect kReadoutStrip{11, 210, 375, 232};

void loadOnce(PixmapRef& pixmap, int32_t id) {
  if (pixmap == nullptr) pixmap = PixmapRef::adopt(new Pixmap(id));
}

// A step's button shows what the gate plays: the toggle paints on for anything but 0, yet a NaN or
// negative switch plays short.
float shownValue(StepGate& gate, int32_t index) {
  const float value = gate.readParameter(index);
  return parameterSlot(index).kind == ParameterKind::StepSwitch && !playsFullLength(value) ? 0.0f : value;
}

} // namespace

StepGateEditor::StepGateEditor(StepGate* gate)
    : GuiEditorBase(gate), gate_(gate), background_(PixmapRef::adopt(new Pixmap(RESOURCE_BACKGROUND))),
      gestures_(*gate), readout_(*gate), patterns_(*gate), shown_(gate->live()) {
  setLayoutSize(background_->width(), background_->height());
  rememberScaleAt(kSizeMemoryKey, kSizeMemoryValue);
}

std::unique_ptr<Fader> StepGateEditor::addFader(const Rect& size, int32_t tag) {
  const int32_t maximumPosition = kFaderTop + track_->height() - handle_->height() - 1;
  auto fader = std::make_unique<Fader>(size, this, tag, kFaderTop, maximumPosition, handle_, track_,
                                       Point(0, 0), faderOriginBottom);
  fader->setHandleOrigin(Point(1, 0));
  fader->putValue(gate_->readParameter(tag));
  return fader;
}

int32_t StepGateEditor::openIn(void* parentWindow) {
  // A host that opens the editor again without closing it gets it moved, not a second window beside it.
  if (rootView() != nullptr) closeEditor();
  GuiEditorBase::openIn(parentWindow);
  loadOnce(track_, RESOURCE_FADER_TRACK);
  loadOnce(handle_, RESOURCE_FADER_HANDLE);
  loadOnce(button_, RESOURCE_STEP_BUTTON);
  RootView& view =
      adoptRootView(std::make_unique<RootView>(Rect(0, 0, background_->width(), background_->height()),
                                               static_cast<HWND>(parentWindow), this, scale()));
  // No parent, a handle that names no window, or a window the platform would not make: nothing opened,
  // and nothing kept, so a later open with a real window starts afresh.
  if (view.windowHandle() == nullptr) {
    closeEditor();
    return 0;
  }
  view.setBackdrop(background_);
  // The readout and the curve take no presses: the menu area above them receives the presses the controls
  // leave.
  readout_.attach(view.addWidget(std::make_unique<ReadoutLabel>(kReadoutStrip, background_)));
  view.addWidget(std::make_unique<GainCurveView>(kCurveStrip, gate_->live()));
  view.addWidget(std::make_unique<PatternMenuArea>(
      Rect(0, 0, background_->width(), background_->height()),
      [this](const PatternCommand& command) { runPatternCommand(command); }));

  const int32_t pitch = track_->width() + kColumnGap;
  Rect faderRect(kFaderLeft, kFaderTop, kFaderLeft + track_->width(), kFaderTop + track_->height());
  Rect buttonRect(kButtonLeft, kButtonTop, kButtonLeft + kButtonWidth, kButtonTop + kButtonHeight);
  for (int32_t step = 0; step < kStepCount; ++step) {
    stepControls_[FirstStepLevel + step] = view.addWidget(addFader(faderRect, FirstStepLevel + step));

    auto button = std::make_unique<ToggleButton>(buttonRect, this, FirstStepSwitch + step, button_);
    button->putValue(shownValue(*gate_, FirstStepSwitch + step));
    stepControls_[FirstStepSwitch + step] = view.addWidget(std::move(button));

    faderRect.moveBy(pitch, 0);
    buttonRect.moveBy(pitch, 0);
  }
  // Interpol stands one column after where a 17th step fader would be, BarWidth one further.
  faderRect.moveBy(pitch, 0);
  interpolFader_ = view.addWidget(addFader(faderRect, InterpolParameter));
  interpolFader_->setResetValue(kInterpolReset);
  faderRect.moveBy(pitch, 0);
  barWidthFader_ = view.addWidget(addFader(faderRect, BarWidthParameter));
  barWidthFader_->setResetValue(kBarWidthReset);
  return 1;
}

void StepGateEditor::closeEditor() {
  releaseRootView();
  for (ValueWidget*& control : stepControls_) control = nullptr;
  interpolFader_ = barWidthFader_ = nullptr;
  readout_.attach(nullptr);
  track_.reset();
  handle_.reset();
  button_.reset();
}

void StepGateEditor::onIdle() {
  if (shown_.isBehind(gate_->live())) showLiveValues();
  // Then the controls that moved repaint, and the curve follows by its own count.
  GuiEditorBase::onIdle();
  readout_.expire();
}

void StepGateEditor::showLiveValues() {
  // The count first: the values read below hold every write it counts, and a later write moves it again.
  shown_.catchUp(gate_->live());
  for (int32_t index = 0; index < GateParameterCount; ++index)
    if (ValueWidget* control = controlOf(index)) control->putValue(shownValue(*gate_, index));
  // Automation may have moved the control under the pointer.
  readout_.refresh();
}

ValueWidget* StepGateEditor::controlOf(int32_t index) const {
  if (rootView() == nullptr) return nullptr;
  switch (parameterSlot(index).kind) {
  case ParameterKind::StepLevel:
  case ParameterKind::StepSwitch:
    return stepControls_[index];
  case ParameterKind::Interpol:
    return interpolFader_;
  case ParameterKind::BarWidth:
    return barWidthFader_;
  case ParameterKind::None:
    break;
  }
  return nullptr;
}

void StepGateEditor::controlEdited(Canvas* canvas, ValueWidget* control) {
  const int32_t tag = control->tag();
  if (isGateParameter(tag)) {
    gestures_.edit(tag, control->value());
    control->refreshIfChanged(canvas);
    // A drag keeps the pointer's messages away: the readout follows the edit instead.
    readout_.edited(tag);
  }
}

void StepGateEditor::pointerMoved(Point point) {
  int32_t over = -1;
  for (int32_t index = 0; index < GateParameterCount && over < 0; ++index) {
    const ValueWidget* control = controlOf(index);
    if (control != nullptr && point.liesIn(control->size())) over = index;
  }
  readout_.hover(over);
}

void StepGateEditor::pointerLeft() { readout_.hover(-1); }

void StepGateEditor::runPatternCommand(const PatternCommand& command) {
  if (command.size.has_value()) {
    chooseSize(*command.size);
    return;
  }
  const std::optional<Pattern> pattern =
      patterns_.run(command, rootView() != nullptr ? rootView()->windowHandle() : nullptr);
  if (pattern.has_value()) applyPattern(*pattern);
  if (!patterns_.message().empty()) readout_.showMessage(patterns_.message());
}

void StepGateEditor::chooseSize(Scale scale) {
  if (!changeScale(scale))
    readout_.showMessageFor("This host cannot resize the editor", kRefusedSizeMessageMilliseconds);
}

bool StepGateEditor::askHostToResize(int32_t width, int32_t height) {
  return gate_->askHostResizeWindow(width, height);
}

void StepGateEditor::applyPattern(const Pattern& pattern) {
  for (int32_t index = 0; index < GateParameterCount; ++index)
    if (gate_->readParameter(index) != pattern[index]) gestures_.edit(index, pattern[index]);
  showLiveValues();
  if (rootView() != nullptr) rootView()->redrawWidget(nullptr);
}
