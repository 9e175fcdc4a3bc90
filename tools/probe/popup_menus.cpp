// Popup menus are top-level windows of one platform class, found by polling.
#include "tools/probe/popup_menus.h"

#include <cstring>

namespace {

const char kPopupMenuClass[] = "#32768";
// How long a waiting thread gives the other one between two looks.
constexpr DWORD kPollInterval = 5;

HWND visiblePopupMenu() {
  HWND menu = FindWindowA(kPopupMenuClass, nullptr);
  return menu != nullptr && IsWindowVisible(menu) != 0 ? menu : nullptr;
}

} // namespace

bool isVisiblePopupMenu(HWND window) {
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  return std::strcmp(className, kPopupMenuClass) == 0 && IsWindowVisible(window) != 0;
}

HWND waitForPopupMenu(uint32_t timeoutMilliseconds) {
  const DWORD start = GetTickCount();
  HWND menu;
  while ((menu = visiblePopupMenu()) == nullptr) {
    if (GetTickCount() - start >= timeoutMilliseconds) return nullptr;
    Sleep(kPollInterval);
  }
  return menu;
}

bool waitForPopupMenuClosed(uint32_t timeoutMilliseconds) {
  const DWORD start = GetTickCount();
  while (visiblePopupMenu() != nullptr) {
    if (GetTickCount() - start >= timeoutMilliseconds) return false;
    Sleep(kPollInterval);
  }
  return true;
}

bool cancelPopupMenus(uint32_t timeoutMilliseconds) {
  const DWORD start = GetTickCount();
  for (HWND menu; (menu = visiblePopupMenu()) != nullptr;) {
    if (GetTickCount() - start >= timeoutMilliseconds) return false;
    // The menu's own loop takes it from its thread's queue and leaves.
    PostMessageA(menu, WM_CANCELMODE, 0, 0);
    waitForPopupMenuClosed(50);
  }
  return true;
}
