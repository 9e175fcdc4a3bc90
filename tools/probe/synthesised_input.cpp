// SendInput with absolute pointer coordinates, which run from 0 to 65535 across the primary screen.
#include "tools/probe/synthesised_input.h"

namespace {

void sendMouse(DWORD flags, LONG x, LONG y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

} // namespace

void sendMouseButton(DWORD flags) { sendMouse(flags, 0, 0); }

void turnWheel(int32_t delta) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.mouseData = static_cast<DWORD>(delta);
  input.mi.dwFlags = MOUSEEVENTF_WHEEL;
  SendInput(1, &input, sizeof input);
}

void movePointerToScreen(POINT screen) {
  const LONG width = GetSystemMetrics(SM_CXSCREEN) - 1;
  const LONG height = GetSystemMetrics(SM_CYSCREEN) - 1;
  sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (screen.x * 65535 + width / 2) / width,
            (screen.y * 65535 + height / 2) / height);
}

void movePointerTo(HWND window, POINT client) {
  ClientToScreen(window, &client);
  movePointerToScreen(client);
}

void sendKey(WORD virtualKey, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}
