// Checks runPopupMenu on a real editor window: a menu with a submenu, dismissed again and again, leaves
// no menu behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "tests/toolkit/controls/controls_window.h"
#include "toolkit/controls/popup_menu.h"
#include "tools/probe/popup_menus.h"
#include "tools/probe/resource_census.h"

namespace {

TEST(PopupMenu, ADismissedMenuAndItsSubmenuAreDestroyed) {
  ControlsWindow window;
  const std::vector<MenuEntry> entries = {{"One", 1, {}}, {"-", 0, {}}, {"More", 0, {{"Two", 2, {}}}}};
  const int32_t menus = liveMenus();
  for (int32_t visit = 0; visit < 5; ++visit) {
    // Closes the menu once it shows; without one after the wait, whatever runs is closed all the same.
    std::thread closer([] {
      waitForPopupMenu();
      EndMenu();
    });
    EXPECT_EQ(runPopupMenu(&window.root(), Point(30, 30), entries), -1);
    closer.join();
  }
  EXPECT_EQ(liveMenus(), menus);
}

} // namespace
