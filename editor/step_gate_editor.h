// StepGateEditor: the gate's own editor window — 16 step faders and buttons, the Interpol and BarWidth
// faders, and the gain curve in the display strip. Edits become parameter changes the host is told of.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <random>
#include <string>

#include "gate/pattern.h"
#include "toolkit/controls/value_listener.h"
#include "toolkit/graphics/gui_editor_base.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "toolkit/graphics/rect.h"

class Fader;
class ReadoutLabel;
class StepGate;
class ValueWidget;

class StepGateEditor : public GuiEditorBase, public ValueListener {
public:
  // The strip the gain curve is drawn in.
  static const Rect kCurveStrip;
  static constexpr int32_t kCurveColumns = 298;

  explicit StepGateEditor(StepGate* gate);

  int32_t openIn(void* parentWindow) override;
  void closeEditor() override;
  void applyUpdate() override;
  // From any thread: records which parameter changed; the next idle moves its control.
  void parameterChanged(int32_t index, float value) override;
  void controlEdited(Canvas* canvas, ValueWidget* control) override;
  void pointerMoved(Point point) override;
  void pointerLeft() override;

  void drawCurve();

  // A command of the pattern menu: each one writes the parameters it changes, as the host is told of
  // every edit, and repaints the editor once.
  void runPatternCommand(int32_t command);
  // Why the last paste changed nothing; empty after a paste that took.
  const std::string& pasteRefusal() const { return pasteRefusal_; }
  // What the readout strip shows while the window is open; empty while it shows the hints.
  std::string readout() const;
  // The control's name and its value and unit as the host shows them, such as "Step 5  0.5000".
  std::string readoutText(int32_t index) const;

  // The control showing parameter `index` while the window is open, else null.
  ValueWidget* controlOf(int32_t index) const;

private:
  Fader* addFader(const Rect& size, int32_t tag);
  // Moves the controls whose parameters changed since the last call to the effect's live values.
  void followChangedParameters();
  Pattern livePattern() const;
  void showReadout(const std::string& text);
  void applyPattern(const Pattern& pattern);

  StepGate* gate_;
  ValueWidget* stepControls_[32] = {};
  Fader* barWidthFader_ = nullptr;
  Fader* interpolFader_ = nullptr;
  PixmapRef background_;
  PixmapRef track_;
  PixmapRef handle_;
  PixmapRef button_;
  // The hand-over from the threads that write parameters to the window's thread: a writer stores the
  // value in the effect, then sets the parameter's bit here and marks an update pending; the window's
  // thread takes the bits at idle and moves those controls to the effect's live values. Writers never
  // touch a control, so nothing a host calls waits for a window being created or destroyed.
  ReadoutLabel* readout_ = nullptr;
  // The parameter whose control the pointer is over, or -1.
  int32_t hovered_ = -1;
  std::mt19937 random_;
  std::string pasteRefusal_;
  std::array<std::atomic<uint32_t>, 2> changedParameters_{};
  static_assert(std::atomic<uint32_t>::is_always_lock_free);
};
