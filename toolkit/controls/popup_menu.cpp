// The popup menu: built from the entries, tracked by the platform, its command taken from the queue.
#include "toolkit/controls/popup_menu.h"

#include <windows.h>

#include "toolkit/graphics/root_view.h"

namespace {

constexpr int32_t kCommandLimit = 0x8000;

HMENU buildMenu(const std::vector<MenuEntry>& entries) {
  HMENU menu = CreatePopupMenu();
  for (const MenuEntry& entry : entries) {
    if (entry.text == "-")
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    else if (!entry.submenu.empty())
      // The submenu is destroyed with the menu that holds it.
      AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(buildMenu(entry.submenu)), entry.text.c_str());
    else
      AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(entry.command), entry.text.c_str());
  }
  return menu;
}

} // namespace

int32_t runPopupMenu(RootView* view, Point at, const std::vector<MenuEntry>& entries) {
  HWND window = view != nullptr ? view->windowHandle() : nullptr;
  if (window == nullptr) return -1;
  POINT screen{at.h, at.v};
  ClientToScreen(window, &screen);
  HMENU menu = buildMenu(entries);
  int32_t chosen = -1;
  MSG message;
  if (TrackPopupMenu(menu, TPM_RIGHTBUTTON, screen.x, screen.y, 0, window, nullptr) != 0 &&
      PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_REMOVE) != 0 &&
      message.wParam < kCommandLimit) {
    chosen = LOWORD(message.wParam);
  }
  // The click that closed the menu must not reach the editor as a press of its own.
  for (int32_t i = 0; i < 2; ++i) PeekMessageA(&message, window, WM_LBUTTONDOWN, WM_MBUTTONUP, PM_REMOVE);
  DestroyMenu(menu);
  return chosen;
}
