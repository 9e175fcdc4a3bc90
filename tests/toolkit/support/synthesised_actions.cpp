// Synthesised input: SendInput events with absolute pointer coordinates, and the bounded waits.
#include "tests/toolkit/support/synthesised_actions.h"

#include "tests/toolkit/support/host_window.h"
#include "tools/probe/synthesised_input.h"

namespace {

// How long a waiting thread gives the other one between two looks.
constexpr DWORD kPollInterval = 5;

} // namespace

bool movePointerTo(HWND window, Point client) { return movePointerTo(window, POINT{client.h, client.v}); }

void pressLeftButton() { sendMouseButton(MOUSEEVENTF_LEFTDOWN); }

void releaseLeftButton() { sendMouseButton(MOUSEEVENTF_LEFTUP); }

bool clickAt(HWND window, Point client) {
  const bool arrived = movePointerTo(window, client);
  pressLeftButton();
  releaseLeftButton();
  return arrived;
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
