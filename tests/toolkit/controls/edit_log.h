// EditLog: a listener that records every report of the controls under test, in order. Like the gate
// editor it can repaint the control at once, which is what stops a control repeating a value.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "toolkit/controls/value_listener.h"

class EditLog final : public ValueListener {
public:
  enum class Repaint { catchUp, never };

  struct Edit {
    int32_t tag;
    float value;
  };

  explicit EditLog(Repaint repaint = Repaint::catchUp) : repaint_(repaint) {}

  void controlEdited(Canvas* canvas, ValueWidget* control) override;

  const std::vector<Edit>& edits() const { return edits_; }
  std::vector<float> values() const;

  // Runs at each report before the repaint, to look at the screen as the listener finds it.
  std::function<void(Canvas*, ValueWidget*)> onEdit;

private:
  Repaint repaint_;
  std::vector<Edit> edits_;
};
