// ButtonState: the mouse buttons and modifier keys held at one moment, as a bit set. Controls compare the
// whole set (1 a plain left press, 9 left with Shift, 33 left with Alt; 0 everything released).
#pragma once

#include <cstdint>

using ButtonState = int32_t;

enum ButtonBit : int32_t {
  leftButton = 1,
  middleButton = 2,
  rightButton = 4,
  shiftKey = 8,
  controlKey = 16,
  altKey = 32,
};

// The whole sets the tracking loops compare a state with.
enum ButtonSet : int32_t {
  leftPress = leftButton,
  leftPressWithShift = leftButton | shiftKey,
  leftPressWithAlt = leftButton | altKey,
};
