// The one visible window the tests of this executable map pointer positions through. Wine takes two
// seconds to take a shown captioned window down, so the tests share one for the whole run.
#pragma once

#include <windows.h>

HWND sharedWindow();
