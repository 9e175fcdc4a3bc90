// Real input events through the platform's input queue, exactly as a user's mouse and keyboard deliver
// them: controls see them through GetAsyncKeyState and GetCursorPos even inside their tracking loops.
#pragma once

#include <windows.h>

#include <cstdint>

// Button events (MOUSEEVENTF_LEFTDOWN and the like), where the pointer is.
void sendMouseButton(DWORD flags);
void movePointerToScreen(POINT screen);
// To a point of the window's client area.
void movePointerTo(HWND window, POINT client);
void sendKey(WORD virtualKey, bool down);
// The wheel turned by `delta` (WHEEL_DELTA a notch, positive away from the user), where the pointer is.
void turnWheel(int32_t delta);
