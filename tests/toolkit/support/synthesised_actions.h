// Synthesised input: mouse and keyboard events through the platform's input queue, exactly as a
// user's devices deliver them, and the bounded waits a test needs while the queue is handled.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "toolkit/graphics/point.h"
#include "tools/probe/popup_menus.h"
#include "tools/probe/synthesised_input.h"

// Moves the pointer to a point of the window's client area; false when the move never fully arrived.
[[nodiscard]] bool movePointerTo(HWND window, Point client);
void pressLeftButton();
void releaseLeftButton();
// A press and a release at a point of the window's client area; false when the pointer never got there.
[[nodiscard]] bool clickAt(HWND window, Point client);
// Presses and releases the key.
void tapKey(WORD virtualKey);
// Types the text (letters, digits and punctuation of the keyboard's own layout) key by key.
void typeText(const char* text);

// Handles this thread's messages until the condition holds; false when it still fails after the timeout.
bool handleMessagesUntil(const std::function<bool()>& condition, uint32_t timeoutMilliseconds = 5000);
