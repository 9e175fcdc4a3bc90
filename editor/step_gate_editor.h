// StepGateEditor: the gate's own editor window — 16 step faders and buttons, the Interpol and BarWidth
// faders, the gain curve in the display strip and the readout below. Edits become parameter changes the
// host is told of, each gesture bracketed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "editor/edit_gestures.h"
#include "editor/pattern_commands.h"
#include "editor/readout.h"
#include "gate/live_parameters.h"
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
  // Follows the live values when their count of writes moved since the last look.
  void onIdle() override;
  void applyUpdate() override { showLiveValues(); }
  void controlEdited(Canvas* canvas, ValueWidget* control) override;
  void pointerMoved(Point point) override;
  void pointerLeft() override;
  void gestureBegan() override { gestures_.begin(); }
  void gestureEnded() override { gestures_.end(); }

  // A row of the pattern menu: the parameters its command changes are written as edits the host is told
  // of, and the editor repaints once; a row of the Size submenu chooses its size.
  void runPatternCommand(const PatternCommand& command);
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
  // Every control to the effect's live value as shown, and the readout to the hovered control's.
  void showLiveValues();
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
  // What the controls and the readout last showed, on the window's thread. Writers only store values and
  // count them, never touching a control, so nothing a host calls waits for a window being made or gone.
  SeenWrites shown_;
};
