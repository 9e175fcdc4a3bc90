// HostWindow: its window class (registered once for the test run) and the message pump.
#include "tests/toolkit/support/host_window.h"

namespace {

const char* hostClassName() {
  static const char* const name = [] {
    WNDCLASSA description{};
    description.lpfnWndProc = DefWindowProcA;
    description.hInstance = GetModuleHandleA(nullptr);
    description.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    description.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    description.lpszClassName = "StepGateTestHost";
    RegisterClassA(&description);
    return "StepGateTestHost";
  }();
  return name;
}

} // namespace

HostWindow::HostWindow(int32_t width, int32_t height) {
  // A popup shown without activation: destroying an activated window costs Wine two seconds of waiting
  // for the focus to move.
  window_ = CreateWindowExA(0, hostClassName(), "host", WS_POPUP | WS_CLIPCHILDREN, 20, 20, width, height,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  handlePendingMessages();
}

HostWindow::~HostWindow() { destroy(); }

void HostWindow::destroy() {
  if (window_ == nullptr) return;
  DestroyWindow(window_);
  window_ = nullptr;
  handlePendingMessages();
}

void handlePendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
