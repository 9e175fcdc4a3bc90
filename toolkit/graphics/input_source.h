// InputSource: where the toolkit reads the held keys and the pointer. The platform's asynchronous state
// is the default; a test installs its own to script a press-drag-release without synthesised input.
#pragma once

#include <cstdint>

class InputSource {
public:
  virtual ~InputSource() = default;
  // True while the key or mouse button of this virtual-key code is down.
  virtual bool isKeyDown(int32_t virtualKey) = 0;
  // The pointer in screen coordinates.
  virtual void readCursor(int32_t* x, int32_t* y) = 0;
  // True when the user swapped the mouse buttons (the left-handed setting). The key state reports the
  // physical buttons, so the physical right one is then the logical left.
  virtual bool buttonsSwapped() = 0;
};

InputSource& currentInputSource();
// Null gives the platform's state back.
void installInputSource(InputSource* source);
