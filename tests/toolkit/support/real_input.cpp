// Real input: SendInput events with absolute pointer coordinates, and the bounded waits.
#include "tests/toolkit/support/real_input.h"

#include "tests/toolkit/support/host_window.h"
#include "tools/probe/synthesised_input.h"

namespace {

// The class of the platform's popup menu windows.
const char kPopupMenuClass[] = "#32768";
// How long a waiting thread gives the other one between two looks.
constexpr DWORD kPollInterval = 5;

bool popupMenuVisible(HWND* found) {
  HWND menu = FindWindowA(kPopupMenuClass, nullptr);
  if (menu == nullptr || IsWindowVisible(menu) == 0) return false;
  if (found != nullptr) *found = menu;
  return true;
}

} // namespace

void movePointerTo(HWND window, Point client) { movePointerTo(window, POINT{client.h, client.v}); }

void pressLeftButton() { sendMouseButton(MOUSEEVENTF_LEFTDOWN); }

void releaseLeftButton() { sendMouseButton(MOUSEEVENTF_LEFTUP); }

void clickAt(HWND window, Point client) {
  movePointerTo(window, client);
  pressLeftButton();
  releaseLeftButton();
}

void tapKey(WORD virtualKey) {
  sendKey(virtualKey, true);
  sendKey(virtualKey, false);
}

void typeText(const char* text) {
  for (const char* c = text; *c != '\0'; ++c) {
    const SHORT key = VkKeyScanA(*c);
    const bool shifted = (key & 0x100) != 0;
    if (shifted) sendKey(VK_SHIFT, true);
    tapKey(static_cast<WORD>(key & 0xFF));
    if (shifted) sendKey(VK_SHIFT, false);
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
