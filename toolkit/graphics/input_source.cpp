// The platform input source (GetAsyncKeyState, GetCursorPos, the swap setting) and the slot that may
// replace it.
#include "toolkit/graphics/input_source.h"

#include <windows.h>

namespace {

class PlatformInput final : public InputSource {
public:
  // The top bit of the answer is the key's state at this very moment, whatever the message queue holds.
  bool isKeyDown(int32_t virtualKey) override { return GetAsyncKeyState(virtualKey) < 0; }

  void readCursor(int32_t* x, int32_t* y) override {
    POINT position{0, 0};
    GetCursorPos(&position);
    *x = position.x;
    *y = position.y;
  }

  bool buttonsSwapped() override { return GetSystemMetrics(SM_SWAPBUTTON) != 0; }
};

PlatformInput platformInput;
InputSource* installed = nullptr;

} // namespace

InputSource& currentInputSource() { return installed != nullptr ? *installed : platformInput; }

void installInputSource(InputSource* source) { installed = source; }
