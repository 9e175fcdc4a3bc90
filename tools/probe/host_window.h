// A top-level window standing in for a host's, for an editor to open in: one window class serves gatehost
// and the tests, each with its own title, style and size.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/graphics/native_handles.h"

// The window at (20, 20) with a client area of the size, shown without activation; null when it cannot
// be made.
WindowHandle makeHostWindow(const char* title, DWORD style, int32_t clientWidth, int32_t clientHeight);
// Gives the window a client area of the size, keeping its place, as a host makes room for an editor.
void resizeClientArea(HWND window, int32_t clientWidth, int32_t clientHeight);
