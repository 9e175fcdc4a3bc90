// Proves the leak tests' counters count: five objects, windows or menus made raise them by five, and
// deleting them brings them back; and that the leak check fails on an object left every round. The GDI kinds
// are made once first: the platform makes some objects of its own on first use (stock objects) and keeps
// them.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/toolkit/support/host_window.h"
#include "toolkit/graphics/native_handles.h"
#include "tools/probe/leak_check.h"
#include "tools/probe/resource_census.h"

namespace {

struct FiveObjects {
  PenHandle pen{CreatePen(PS_SOLID, 1, RGB(1, 2, 3))};
  BrushHandle brush{CreateSolidBrush(RGB(4, 5, 6))};
  BitmapHandle bitmap{CreateBitmap(4, 4, 1, 1, nullptr)};
  MemoryDevice device{CreateCompatibleDC(nullptr)};
  FontHandle font{CreateFontA(-10, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial")};
};

// Five windows nested in each other inside a host window: the census counts descendants at every depth.
struct FiveWindows {
  WindowHandle outer;
  explicit FiveWindows(HWND host) {
    HWND parent = host;
    for (int32_t i = 0; i < 5; ++i) {
      parent = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 20, 20, parent, nullptr, nullptr, nullptr);
      if (i == 0) outer.reset(parent);
    }
  }
};

TEST(ResourceCensus, FiveGdiObjectsRaiseTheCountByFive) {
  { FiveObjects warmUp; }
  const int32_t start = liveGdiObjects();
  {
    FiveObjects five;
    EXPECT_EQ(liveGdiObjects(), start + 5);
  }
  EXPECT_EQ(liveGdiObjects(), start);
}

TEST(ResourceCensus, FiveWindowsRaiseTheCountByFive) {
  // The platform keeps a window of its own per thread while a top-level window lives.
  HostWindow host(50, 50);
  const int32_t start = liveWindows();
  {
    FiveWindows five(host.handle());
    EXPECT_EQ(liveWindows(), start + 5);
  }
  EXPECT_EQ(liveWindows(), start);
}

TEST(ResourceCensus, FiveMenusRaiseTheCountByFive) {
  // A menu bar, a popup menu holding a submenu, and two popup menus on their own.
  const int32_t start = liveMenus();
  {
    const MenuHandle bar(CreateMenu()), popup(CreatePopupMenu());
    // The submenu goes with the menu that holds it.
    AppendMenuA(popup.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), "sub");
    const MenuHandle others[] = {MenuHandle(CreatePopupMenu()), MenuHandle(CreatePopupMenu())};
    EXPECT_EQ(liveMenus(), start + 5);
  }
  EXPECT_EQ(liveMenus(), start);
}

TEST(LeakCheck, FailsOnAnObjectLeftEveryRoundAndPassesOneKeptForGood) {
  HostWindow host(50, 50);
  std::vector<PenHandle> pens;
  std::vector<WindowHandle> windows;
  std::vector<MenuHandle> menus;
  int32_t rounds = 0;
  const auto pen = [] { return PenHandle(CreatePen(PS_SOLID, 1, RGB(1, 2, 3))); };
  const struct {
    const char* name;
    std::function<void()> round;
    bool passes;
  } cases[] = {
      {"a pen made and deleted", [&] { pen(); }, true},
      // As the platform does: an object of its own made at some moment during the work, then kept.
      {"a pen kept from the third round",
       [&] {
         if (++rounds == 3) pens.push_back(pen());
       },
       true},
      {"a pen left every round", [&] { pens.push_back(pen()); }, false},
      // Then level, as when the platform's table is full and refuses more.
      {"fifty pens left in each of the first five rounds",
       [&] {
         for (int32_t i = 0; i < 50 && rounds < 5; ++i) pens.push_back(pen());
         ++rounds;
       },
       false},
      {"a pen left every other round",
       [&] {
         if (++rounds % 2 == 0) pens.push_back(pen());
       },
       false},
      {"a window left every round",
       [&] {
         windows.emplace_back(CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 9, 9, host.handle(), nullptr,
                                              nullptr, nullptr));
       },
       false},
      {"a menu left every round", [&] { menus.emplace_back(CreatePopupMenu()); }, false},
  };
  for (const auto& c : cases) {
    rounds = 0;
    EXPECT_EQ(repeatUntilLevel(4, c.round).passed(), c.passes) << c.name;
  }
}

// What the census cannot see under Wine, which frees an object still selected into a device with the device,
// keeps a paint's device with its window, and frees a clipboard block only when the clipboard refuses it:
// each scope's give-back checked on its own.
TEST(OwningTypes, ScopesGiveBackWhatTheyTook) {
  HostWindow host(40, 40);
  const MemoryDevice device(CreateCompatibleDC(nullptr));
  const HGDIOBJ penBefore = GetCurrentObject(device.get(), OBJ_PEN);
  {
    const PenHandle pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
    const SelectedObject selected(device.get(), pen.get());
    ASSERT_EQ(GetCurrentObject(device.get(), OBJ_PEN), pen.get());
  }
  EXPECT_EQ(GetCurrentObject(device.get(), OBJ_PEN), penBefore) << "the earlier pen is back";

  InvalidateRect(host.handle(), nullptr, FALSE);
  HDC painted = nullptr;
  { painted = PaintDevice(host.handle()).handle(); }
  const WindowDevice next(host.handle());
  EXPECT_EQ(next.handle(), painted) << "the paint's device was given back and serves again";

  {
    const OpenClipboardScope clipboard(host.handle());
    ASSERT_TRUE(clipboard.isOpen());
  }
  EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << "the clipboard is closed";

  HGLOBAL block = nullptr;
  { block = GlobalMemory(GlobalAlloc(GMEM_MOVEABLE, 16)).get(); }
  EXPECT_EQ(GlobalSize(block), 0u) << "the block is freed";
}

} // namespace
