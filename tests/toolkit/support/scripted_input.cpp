// ScriptedInput: the scripted steps and the key codes behind each button bit.
#include "tests/toolkit/support/scripted_input.h"

#include <utility>

namespace {

ButtonState bitOfKey(int32_t virtualKey) {
  switch (virtualKey) {
  case VK_LBUTTON:
    return leftButton;
  case VK_MBUTTON:
    return middleButton;
  case VK_RBUTTON:
    return rightButton;
  case VK_SHIFT:
    return shiftKey;
  case VK_CONTROL:
    return controlKey;
  case VK_MENU:
    return altKey;
  default:
    return 0;
  }
}

} // namespace

ScriptedInput::ScriptedInput(HWND window, std::vector<Step> steps)
    : window_(window), steps_(std::move(steps)) {
  if (steps_.empty()) steps_.push_back(Step{0, Point(0, 0)});
  installInputSource(this);
}

ScriptedInput::~ScriptedInput() { installInputSource(nullptr); }

bool ScriptedInput::isKeyDown(int32_t virtualKey) {
  // Canvas::buttonState asks for the left button first: count one read per set.
  if (virtualKey == VK_LBUTTON) ++buttonReads_;
  return (steps_[current_].buttons & bitOfKey(virtualKey)) != 0;
}

void ScriptedInput::readCursor(int32_t* x, int32_t* y) {
  ++pointerReads_;
  if (current_ + 1 < steps_.size()) ++current_;
  POINT position{steps_[current_].point.h, steps_[current_].point.v};
  MapWindowPoints(window_, HWND_DESKTOP, &position, 1);
  *x = position.x;
  *y = position.y;
}
