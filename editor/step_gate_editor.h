// StepGateEditor: the gate's own editor window — 16 step faders and buttons, the Interpol and BarWidth
// faders, and the gain curve in the display strip. Edits become parameter changes the host is told of.
#pragma once

#include <cstdint>
#include <mutex>

#include "toolkit/controls/value_listener.h"
#include "toolkit/graphics/gui_editor_base.h"
#include "toolkit/graphics/rect.h"

class Fader;
class Pixmap;
class StepGate;
class ValueWidget;

class StepGateEditor : public GuiEditorBase, public ValueListener {
public:
  // The strip the gain curve is drawn in.
  static const Rect kCurveStrip;
  static constexpr int32_t kCurveColumns = 298;

  explicit StepGateEditor(StepGate* gate);
  ~StepGateEditor() override;

  int32_t openIn(void* parentWindow) override;
  void closeEditor() override;
  void applyUpdate() override;
  void parameterChanged(int32_t index, float value) override;
  void controlEdited(Canvas* canvas, ValueWidget* control) override;

  void drawCurve();

  // The control showing parameter `index` while the window is open, else null.
  ValueWidget* controlOf(int32_t index) const;

private:
  Fader* addFader(const Rect& size, int32_t tag);

  StepGate* gate_;
  ValueWidget* stepControls_[32] = {};
  Fader* barWidthFader_ = nullptr;
  Fader* interpolFader_ = nullptr;
  Pixmap* background_ = nullptr;
  Pixmap* track_ = nullptr;
  Pixmap* handle_ = nullptr;
  Pixmap* button_ = nullptr;
  // Host automation moves the controls from whatever thread writes parameters, while the window's thread
  // may be creating or destroying them: both sides hold this while they touch the controls. Recursive,
  // because an edit on the window's thread comes back as a parameter change on the same thread.
  std::recursive_mutex controlsLock_;
};
