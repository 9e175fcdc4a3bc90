// StepGateEditor: the gate's own editor window — 16 step faders and buttons, the Interpol and BarWidth
// faders, the gain curve in the display strip and the readout below. Edits become parameter changes the
// host is told of, each gesture bracketed.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "editor/edit_gestures.h"
#include "editor/pattern_commands.h"
#include "editor/readout.h"
#include "toolkit/controls/value_listener.h"
#include "toolkit/graphics/gui_editor_base.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "toolkit/graphics/rect.h"

class Fader;
class StepGate;
class ValueWidget;

class StepGateEditor : public GuiEditorBase, public ValueListener {
public:
  // The strip the gain curve is drawn in.
  static const Rect kCurveStrip;

  explicit StepGateEditor(StepGate* gate);

  int32_t openIn(void* parentWindow) override;
  void closeEditor() override;
  void onIdle() override;
  void applyUpdate() override;
  // From any thread: records which parameter changed; the next idle moves its control.
  void parameterChanged(int32_t index, float value) override;
  void controlEdited(Canvas* canvas, ValueWidget* control) override;
  void pointerMoved(Point point) override;
  void pointerLeft() override;
  void gestureBegan() override { gestures_.begin(); }
  void gestureEnded() override { gestures_.end(); }

  // A command of the pattern menu: the parameters it changes are written as edits the host is told of,
  // and the editor repaints once.
  void runPatternCommand(int32_t command);
  // The size chosen in the menu; the readout says so for a while when the host cannot resize.
  void chooseSize(Scale scale);
  // Why the last paste changed nothing; empty after a paste that took.
  const std::string& pasteRefusal() const { return patterns_.pasteRefusal(); }
  // What the readout strip shows while the window is open; empty while it shows the hints.
  std::string readout() const { return readout_.text(); }

  // The control showing parameter `index` while the window is open, else null.
  ValueWidget* controlOf(int32_t index) const;

protected:
  bool askHostToResize(int32_t width, int32_t height) override;

private:
  std::unique_ptr<Fader> addFader(const Rect& size, int32_t tag);
  // Moves the controls whose parameters changed since the last call to the effect's live values.
  void followChangedParameters();
  void applyPattern(const Pattern& pattern);

  StepGate* gate_;
  ValueWidget* stepControls_[32] = {};
  Fader* barWidthFader_ = nullptr;
  Fader* interpolFader_ = nullptr;
  PixmapRef background_;
  PixmapRef track_;
  PixmapRef handle_;
  PixmapRef button_;
  EditGestures gestures_;
  Readout readout_;
  PatternCommands patterns_;
  // The hand-over from the threads that write parameters to the window's thread: a writer stores the
  // value in the effect, then sets the parameter's bit here and marks an update pending; the window's
  // thread takes the bits at idle and moves those controls to the effect's live values. Writers never
  // touch a control, so nothing a host calls waits for a window being created or destroyed.
  std::array<std::atomic<uint32_t>, 2> changedParameters_{};
  static_assert(std::atomic<uint32_t>::is_always_lock_free);
};
