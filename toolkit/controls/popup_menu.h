// A native popup menu at a point of a root view's window, for editors that offer commands on a right
// click. Entries with children open a submenu.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/graphics/point.h"

class RootView;

struct MenuEntry {
  std::string text;
  // Answered when the entry is chosen; unused for a submenu. Any value from 0 to 32767.
  int32_t command = 0;
  std::vector<MenuEntry> submenu;
};

// Blocks until the menu closes; the chosen entry's command, or -1 when it was dismissed or the view has
// no window.
int32_t runPopupMenu(RootView* view, Point at, const std::vector<MenuEntry>& entries);
