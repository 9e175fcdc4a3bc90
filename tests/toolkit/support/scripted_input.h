// ScriptedInput: stands in for the mouse and keyboard while it lives, so a test can script a
// press-drag-release. Step 0 is the state at the press; every pointer read moves on to the next step
// (the last one stays), and button reads answer from the current step. The steps' buttons are the
// physical ones, which the swap setting (off unless set) turns into logical ones.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "toolkit/graphics/button_state.h"
#include "toolkit/graphics/input_source.h"
#include "toolkit/graphics/point.h"

class ScriptedInput final : public InputSource {
public:
  struct Step {
    ButtonState buttons;
    Point point; // in the client coordinates of the window given to the constructor
  };

  ScriptedInput(HWND window, std::vector<Step> steps);
  ~ScriptedInput() override;

  ScriptedInput(const ScriptedInput&) = delete;
  ScriptedInput& operator=(const ScriptedInput&) = delete;

  bool isKeyDown(int32_t virtualKey) override;
  void readCursor(int32_t* x, int32_t* y) override;
  bool buttonsSwapped() override { return swapped_; }
  void swapButtons(bool swapped) { swapped_ = swapped; }

  int32_t pointerReads() const { return pointerReads_; }
  int32_t buttonReads() const { return buttonReads_; }

private:
  HWND window_;
  std::vector<Step> steps_;
  size_t current_ = 0;
  int32_t pointerReads_ = 0;
  int32_t buttonReads_ = 0;
  bool swapped_ = false;
};
