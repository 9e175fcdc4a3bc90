// Plain text on the system clipboard, which moves it between windows, instances and programs.
#pragma once

#include <string>

#include "toolkit/graphics/native_types.h"

// False when the clipboard could not be taken.
bool putClipboardText(HWND owner, const std::string& text);
// Empty when the clipboard holds no text; anything after the first zero byte is not read.
std::string clipboardText(HWND owner);
