// The popup menu: built from the entries, tracked by the platform, its command taken from the queue, and
// destroyed with its submenus by its owner once the click that closed it is gone.
#include "toolkit/controls/popup_menu.h"

#include "toolkit/graphics/native_handles.h"
#include "toolkit/graphics/root_view.h"

static_assert(static_cast<UINT>(MenuButton::left) == TPM_LEFTBUTTON);
static_assert(static_cast<UINT>(MenuButton::right) == TPM_RIGHTBUTTON);

namespace {

// A menu's command parameter holds the entry's command and nothing above it.
constexpr WPARAM kCommandLimit = 0x8000;

MenuHandle buildMenu(const std::vector<MenuEntry>& entries) {
  MenuHandle menu(CreatePopupMenu());
  for (const MenuEntry& entry : entries) {
    if (entry.text == "-") {
      AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    } else if (!entry.submenu.empty()) {
      // The menu that holds the submenu destroys it with itself.
      AppendMenuA(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(buildMenu(entry.submenu).release()),
                  entry.text.c_str());
    } else {
      const UINT mark = entry.checked ? MF_CHECKED : MF_UNCHECKED;
      AppendMenuA(menu.get(), MF_STRING | mark, static_cast<UINT_PTR>(entry.command), entry.text.c_str());
    }
  }
  return menu;
}

} // namespace

int32_t runMenuAt(HWND window, POINT screen, MenuButton button, const std::vector<MenuEntry>& entries) {
  const MenuHandle menu = buildMenu(entries);
  int32_t chosen = -1;
  MSG message;
  if (TrackPopupMenu(menu.get(), static_cast<UINT>(button), screen.x, screen.y, 0, window, nullptr) != 0 &&
      PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_REMOVE) != 0 &&
      message.wParam < kCommandLimit) {
    chosen = LOWORD(message.wParam);
  }
  // The click that closed the menu (its press and its release) must not reach the editor as a press of
  // its own.
  for (int32_t i = 0; i < 2; ++i) PeekMessageA(&message, window, WM_LBUTTONDOWN, WM_MBUTTONUP, PM_REMOVE);
  return chosen;
}

int32_t runPopupMenu(RootView* view, Point at, const std::vector<MenuEntry>& entries) {
  HWND window = view != nullptr ? view->windowHandle() : nullptr;
  if (window == nullptr) return -1;
  const Point inWindow = view->toWindow(at);
  POINT screen{inWindow.h, inWindow.v};
  ClientToScreen(window, &screen);
  const int32_t chosen = runMenuAt(window, screen, MenuButton::right, entries);
  return view->isOpen() ? chosen : -1;
}
