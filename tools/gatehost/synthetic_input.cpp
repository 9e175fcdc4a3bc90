// Pointer moves are absolute, in the 0..65535 range SendInput maps onto the primary screen.
#include "tools/gatehost/synthetic_input.h"

#include <cstdio>

namespace {

constexpr int32_t kDragSteps = 24;

void sendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

void sendKey(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}

WORD keyOf(Modifier modifier) { return modifier == Modifier::Shift ? VK_SHIFT : VK_MENU; }

void moveTo(HWND window, POINT client) {
  POINT screen = client;
  ClientToScreen(window, &screen);
  const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (screen.x * 65535 + width / 2) / (width - 1),
            (screen.y * 65535 + height / 2) / (height - 1));
}

bool parsePoint(const std::string& text, POINT& point) {
  int x, y;
  char tail;
  if (std::sscanf(text.c_str(), "%d,%d%c", &x, &y, &tail) != 2) return false;
  point = {x, y};
  return true;
}

} // namespace

bool parseGesture(const std::string& text, Gesture::Kind kind, Gesture& gesture) {
  gesture = Gesture{};
  gesture.kind = kind;
  std::string rest = text;
  for (const auto& [prefix, modifier] :
       {std::pair{"shift:", Modifier::Shift}, std::pair{"alt:", Modifier::Alt}}) {
    if (rest.rfind(prefix, 0) == 0) {
      gesture.modifier = modifier;
      rest = rest.substr(std::string(prefix).size());
    }
  }
  const size_t colon = rest.find(':');
  if (kind == Gesture::Kind::Drag)
    return colon != std::string::npos && parsePoint(rest.substr(0, colon), gesture.from) &&
           parsePoint(rest.substr(colon + 1), gesture.to);
  if (colon != std::string::npos || !parsePoint(rest, gesture.from)) return false;
  gesture.to = gesture.from;
  return true;
}

void performGestures(HWND window, const std::vector<Gesture>& gestures, const std::function<void()>& settle) {
  for (const Gesture& gesture : gestures) {
    const bool right = gesture.kind == Gesture::Kind::RightClick;
    const bool held = gesture.modifier != Modifier::None;
    moveTo(window, gesture.from);
    settle();
    if (held) sendKey(keyOf(gesture.modifier), true);
    sendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    settle();
    if (gesture.kind == Gesture::Kind::Drag) {
      for (int32_t step = 1; step <= kDragSteps; ++step) {
        moveTo(window, {gesture.from.x + (gesture.to.x - gesture.from.x) * step / kDragSteps,
                        gesture.from.y + (gesture.to.y - gesture.from.y) * step / kDragSteps});
        // The platform lets go of an injected Shift whenever the pointer moves: hold it again.
        if (gesture.modifier == Modifier::Shift) sendKey(VK_SHIFT, true);
        settle();
      }
    }
    sendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    if (held) sendKey(keyOf(gesture.modifier), false);
    settle();
  }
}
