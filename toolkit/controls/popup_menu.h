// A native popup menu: the one runner of the pattern menu an editor offers on a right click and of the
// choice menu's list. Entries with children open a submenu.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/graphics/native_types.h"
#include "toolkit/graphics/point.h"

class RootView;

struct MenuEntry {
  // "-" makes a separator.
  std::string text;
  // Answered when the entry is chosen; unused for a submenu. Any value from 0 to 32767.
  int32_t command = 0;
  std::vector<MenuEntry> submenu;
  bool checked = false;
};

// The button that picks an entry: the one that opened the menu. The values are the platform's
// TPM_LEFTBUTTON and TPM_RIGHTBUTTON, as popup_menu.cpp checks.
enum class MenuButton : UINT { left = 0x0000, right = 0x0002 };

// Blocks until the menu, opened for the window with its top left corner at a point of the screen, closes;
// the chosen entry's command, or -1 when it was dismissed.
int32_t runMenuAt(HWND window, POINT screen, MenuButton button, const std::vector<MenuEntry>& entries);

// The same at a point of a root view's window, picked with the right button; also -1 when the view has no
// window, or was closed while the menu ran.
int32_t runPopupMenu(RootView* view, Point at, const std::vector<MenuEntry>& entries);
