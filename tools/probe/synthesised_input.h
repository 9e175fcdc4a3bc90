// Synthesised input events, exactly as a user's mouse and keyboard deliver them: controls see them through
// GetAsyncKeyState and GetCursorPos even inside their tracking loops. Buttons, keys and the wheel go through
// the platform's input queue (SendInput); the pointer moves on the display, as a mouse moves it under Wine.
#pragma once

#include <windows.h>

#include <cstdint>

// Button events (MOUSEEVENTF_LEFTDOWN and the like), where the pointer is.
void sendMouseButton(DWORD flags);
// Moves the pointer and returns once Wine has taken the move, so a press or a read that follows finds the
// pointer there; false when the move did not arrive within a few seconds. A move sent through SendInput
// is no good here: Wine then warps the display's pointer afterwards, answers a position read from the
// display's pointer while that warp is still on its way, and treats the display's late report of a warp as
// a further move, so the pointer is seen going back.
[[nodiscard]] bool movePointerToScreen(POINT screen);
// To a point of the window's client area.
[[nodiscard]] bool movePointerTo(HWND window, POINT client);
void sendKey(WORD virtualKey, bool down);
// The wheel turned by `delta` (WHEEL_DELTA a notch, positive away from the user), where the pointer is.
void turnWheel(int32_t delta);
// Starts the display's input tool (xdotool) with the arguments; false when it could not be started. It
// runs on its own: nothing tells when it is done.
bool startDisplayInputTool(const char* arguments);
