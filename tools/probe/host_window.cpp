// The stand-in host window's class, registered at first use and kept for the process.
#include "tools/probe/host_window.h"

namespace {

constexpr char kClassName[] = "StepGateHost";
constexpr int32_t kOrigin = 20;

const char* hostClassName() {
  static const char* const name = [] {
    WNDCLASSA description{};
    description.lpfnWndProc = DefWindowProcA;
    description.hInstance = GetModuleHandleA(nullptr);
    description.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    description.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    description.lpszClassName = kClassName;
    RegisterClassA(&description);
    return kClassName;
  }();
  return name;
}

} // namespace

namespace {

// The window's outer size for a client area of the size.
SIZE frameFor(DWORD style, int32_t clientWidth, int32_t clientHeight) {
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRect(&frame, style, FALSE);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace

WindowHandle makeHostWindow(const char* title, DWORD style, int32_t clientWidth, int32_t clientHeight) {
  const SIZE frame = frameFor(style, clientWidth, clientHeight);
  WindowHandle window(CreateWindowExA(0, hostClassName(), title, style, kOrigin, kOrigin, frame.cx, frame.cy,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
  // Without activation: Wine takes two seconds to destroy an activated window while the focus moves, and
  // a synthesised Alt then opens no window menu.
  if (window) ShowWindow(window.get(), SW_SHOWNOACTIVATE);
  return window;
}

void resizeClientArea(HWND window, int32_t clientWidth, int32_t clientHeight) {
  const SIZE frame =
      frameFor(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), clientWidth, clientHeight);
  SetWindowPos(window, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
