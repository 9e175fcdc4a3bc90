// The platform's popup menus seen from outside the thread that runs them: waiting for one to show or go,
// and telling a menu window from others.
#pragma once

#include <windows.h>

#include <cstdint>

bool isVisiblePopupMenu(HWND window);
// From a second thread while the first runs a popup menu: the menu's window once it is visible, or
// null after the timeout.
HWND waitForPopupMenu(uint32_t timeoutMilliseconds = 5000);
// Waits until no popup menu is visible; false after the timeout.
bool waitForPopupMenuClosed(uint32_t timeoutMilliseconds = 5000);
// Ends every open popup menu, submenus and all, as the platform ends them when a window is switched away
// from: what keys cannot do while the menu's window has no keyboard focus. False when one is still
// visible after the timeout.
bool cancelPopupMenus(uint32_t timeoutMilliseconds = 5000);
