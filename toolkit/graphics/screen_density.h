// The density of the screen a window is shown on, in pixels per inch: what an editor's size follows
// until the user chooses one.
#pragma once

#include <cstdint>

#include "toolkit/graphics/native_types.h"

// The window's own answer where the system gives one per window (GetDpiForWindow, looked up at run time:
// older systems lack it), else the screen device's logical pixels per inch; a null window asks the screen.
int32_t screenDensityOf(HWND window);
