// SendInput for buttons, keys and the wheel; the pointer moved on the display itself, as a user's mouse
// moves it under Wine, through the display's input tool.
#include "tools/probe/synthesised_input.h"

#include <cstdio>

namespace {

// How long a move is waited for before it counts as lost, and how often its arrival is looked for.
constexpr DWORD kPatience = 5000;
constexpr DWORD kPollInterval = 2;
// Wine keeps the pointer's last 64 positions.
constexpr int kHistoryLength = 64;

void sendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

// True once Wine has taken the point as the pointer's position. Asked for the history from the latest
// visit to the point on, Wine answers all 64 positions only when that visit is the newest.
bool arrivedAt(POINT screen) {
  MOUSEMOVEPOINT visit{};
  visit.x = screen.x;
  visit.y = screen.y;
  MOUSEMOVEPOINT history[kHistoryLength];
  return GetMouseMovePointsEx(sizeof visit, &visit, history, kHistoryLength, GMMP_USE_DISPLAY_POINTS) ==
         kHistoryLength;
}

bool awaitArrival(POINT screen) {
  // The display tells the thread of the window under the pointer, which reads it while it waits for input.
  const bool readsDisplay =
      GetWindowThreadProcessId(WindowFromPoint(screen), nullptr) == GetCurrentThreadId();
  const DWORD start = GetTickCount();
  while (!arrivedAt(screen)) {
    if (GetTickCount() - start >= kPatience) return false;
    if (readsDisplay)
      MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollInterval, QS_MOUSEMOVE);
    else
      Sleep(kPollInterval);
  }
  return true;
}

} // namespace

bool startDisplayInputTool(const char* arguments) {
  char command[96];
  std::snprintf(command, sizeof command, "Z:\\usr\\bin\\xdotool %s", arguments);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  // Wine runs a program of the host system as no process of its own, so nothing is there to wait for.
  if (process.hThread != nullptr) CloseHandle(process.hThread);
  if (process.hProcess != nullptr) CloseHandle(process.hProcess);
  return true;
}

void sendMouseButton(DWORD flags) { sendMouse(flags); }

void turnWheel(int32_t delta) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.mouseData = static_cast<DWORD>(delta);
  input.mi.dwFlags = MOUSEEVENTF_WHEEL;
  SendInput(1, &input, sizeof input);
}

bool movePointerToScreen(POINT screen) {
  POINT now{};
  if (GetCursorPos(&now) != 0 && now.x == screen.x && now.y == screen.y) return true;
  char arguments[48];
  std::snprintf(arguments, sizeof arguments, "mousemove %ld %ld", screen.x, screen.y);
  if (!startDisplayInputTool(arguments)) return false;
  // Off every window the display tells nobody, and nothing shows when the move is done; Wine reads the
  // display's pointer then when asked.
  HWND under = WindowFromPoint(screen);
  return under == nullptr || under == GetDesktopWindow() || awaitArrival(screen);
}

bool movePointerTo(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return movePointerToScreen(client);
}

void sendKey(WORD virtualKey, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}
