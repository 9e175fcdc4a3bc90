// Real input: SendInput events with absolute pointer coordinates, and the bounded waits.
#include "tests/toolkit/support/real_input.h"

#include <cstring>

#include "tests/toolkit/support/host_window.h"

namespace {

// The class of the platform's popup menu windows.
const char kPopupMenuClass[] = "#32768";
// How long a waiting thread gives the other one between two looks.
constexpr DWORD kPollInterval = 5;

void sendMouse(DWORD flags, LONG x, LONG y) {
  INPUT input;
  std::memset(&input, 0, sizeof input);
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

void sendKey(WORD virtualKey, bool release) {
  INPUT input;
  std::memset(&input, 0, sizeof input);
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

bool popupMenuVisible(HWND* found) {
  HWND menu = FindWindowA(kPopupMenuClass, nullptr);
  if (menu == nullptr || IsWindowVisible(menu) == 0) return false;
  if (found != nullptr) *found = menu;
  return true;
}

} // namespace

void movePointerTo(HWND window, Point client) {
  POINT screen{client.h, client.v};
  ClientToScreen(window, &screen);
  movePointerToScreen(screen);
}

void movePointerToScreen(POINT screen) {
  // Absolute coordinates run from 0 to 65535 across the primary screen.
  const LONG width = GetSystemMetrics(SM_CXSCREEN) - 1;
  const LONG height = GetSystemMetrics(SM_CYSCREEN) - 1;
  sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (screen.x * 65535 + width / 2) / width,
            (screen.y * 65535 + height / 2) / height);
}

void pressLeftButton() { sendMouse(MOUSEEVENTF_LEFTDOWN, 0, 0); }

void releaseLeftButton() { sendMouse(MOUSEEVENTF_LEFTUP, 0, 0); }

void clickAt(HWND window, Point client) {
  movePointerTo(window, client);
  pressLeftButton();
  releaseLeftButton();
}

void tapKey(WORD virtualKey) {
  sendKey(virtualKey, false);
  sendKey(virtualKey, true);
}

void typeText(const char* text) {
  for (const char* c = text; *c != '\0'; ++c) {
    const SHORT key = VkKeyScanA(*c);
    const bool shifted = (key & 0x100) != 0;
    if (shifted) sendKey(VK_SHIFT, false);
    tapKey(static_cast<WORD>(key & 0xFF));
    if (shifted) sendKey(VK_SHIFT, true);
  }
}

bool handleMessagesUntil(const std::function<bool()>& condition, uint32_t timeoutMilliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    handlePendingMessages();
    if (condition()) return true;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMilliseconds) return false;
    // Wakes as soon as input or a message arrives; the short limit lets a condition that another thread
    // makes true be seen without a message.
    const DWORD remaining = timeoutMilliseconds - elapsed;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, remaining < kPollInterval ? remaining : kPollInterval,
                              QS_ALLINPUT);
  }
}

HWND waitForPopupMenu(uint32_t timeoutMilliseconds) {
  const DWORD start = GetTickCount();
  HWND menu = nullptr;
  while (!popupMenuVisible(&menu)) {
    if (GetTickCount() - start >= timeoutMilliseconds) return nullptr;
    Sleep(kPollInterval);
  }
  return menu;
}

bool waitForPopupMenuClosed(uint32_t timeoutMilliseconds) {
  const DWORD start = GetTickCount();
  while (popupMenuVisible(nullptr)) {
    if (GetTickCount() - start >= timeoutMilliseconds) return false;
    Sleep(kPollInterval);
  }
  return true;
}
