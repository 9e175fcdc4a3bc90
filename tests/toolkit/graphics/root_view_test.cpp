// Checks RootView in real windows under the virtual display: its native window and shared class (with
// the arrow cursor), press dispatch (topmost child, inclusive edges, modal view, editing widget), the
// child list, the backdrop (a replaced one freed), paint and idle refresh (silent before the first paint
// and once the window is gone), resizing, the window and presses at a scale, the focus while the pointer is
// over it (an edit box of its own keeping it), a wheel turned outside it passed on to the host (once, when
// the host sends it back), and that 200 open/close cycles leave the process's GDI objects and windows where
// they started.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/graphics/probe_widgets.h"
#include "tests/toolkit/support/host_window.h"
#include "tests/toolkit/support/synthesised_actions.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/editor_class_use.h"
#include "toolkit/graphics/gui_editor_base.h"
#include "toolkit/graphics/module_instance.h"
#include "toolkit/graphics/native_handles.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "toolkit/graphics/root_view.h"
#include "tools/probe/leak_check.h"
#include "tools/probe/resource_census.h"

namespace {

void press(RootView* root, Point point) {
  Canvas canvas(root, nullptr, root->windowHandle());
  root->mousePressed(&canvas, point);
}

std::string expectedClassName() {
  char name[32];
  std::snprintf(name, sizeof name, "Plugin%08x",
                static_cast<unsigned>(reinterpret_cast<uintptr_t>(moduleInstance)));
  return name;
}

bool classRegistered(const std::string& name) {
  WNDCLASSA description{};
  return GetClassInfoA(static_cast<HINSTANCE>(moduleInstance), name.c_str(), &description) != 0;
}

// True once the window has handled the pointer's arrival, until the pointer has left it.
bool tracksThePointer(HWND window) {
  TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
  return TrackMouseEvent(&query) != 0 && query.hwndTrack == window && (query.dwFlags & TME_LEAVE) != 0;
}

int32_t hostWheels = 0;
// When set, the host hands every wheel to this child, as a frame does with its focused child.
HWND wheelChild = nullptr;

LRESULT CALLBACK countHostWheels(HWND window, UINT message, WPARAM first, LPARAM second) {
  // Bounded, so that a child sending the wheel back every time cannot overflow the stack.
  if (message == WM_MOUSEWHEEL && ++hostWheels < 10 && wheelChild != nullptr)
    SendMessageA(wheelChild, WM_MOUSEWHEEL, first, second);
  return DefWindowProcA(window, message, first, second);
}

class RootViewTest : public ::testing::Test {
protected:
  HostWindow host{200, 150};
  ProbeLog log;
};

TEST_F(RootViewTest, CreatesAVisibleChildWindowNamedWindowOfTheRootViewsSize) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  HWND window = root.windowHandle();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(GetParent(window), host.handle());
  char text[32] = "";
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "Window");
  char className[32] = "";
  GetClassNameA(window, className, sizeof className);
  EXPECT_EQ(className, expectedClassName());
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR)),
            LoadCursorA(nullptr, IDC_ARROW));
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_NE(style & WS_CHILD, 0);
  EXPECT_NE(style & WS_VISIBLE, 0);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 160);
  EXPECT_EQ(client.bottom, 100);
  EXPECT_TRUE(root.isOpen());
}

TEST_F(RootViewTest, WithoutHostWindowItHasNoWindowAndDrawsNowhere) {
  RootView root(Rect(0, 0, 50, 50), nullptr, nullptr);
  root.addWidget(std::make_unique<ProbeValue>(Rect(0, 0, 10, 10), "v", &log));
  EXPECT_EQ(root.windowHandle(), nullptr);
  EXPECT_EQ(classUseCount(), 0);
  root.redrawWidget(nullptr);
  root.idleRefresh();
  EXPECT_EQ(log.count("paint v"), 0);
}

TEST_F(RootViewTest, ClassIsRegisteredOnceForTwoViewsAndUnregisteredWithTheLast) {
  const std::string name = expectedClassName();
  EXPECT_FALSE(classRegistered(name));
  auto first = std::make_unique<RootView>(Rect(0, 0, 50, 50), host.handle(), nullptr);
  auto second = std::make_unique<RootView>(Rect(0, 0, 50, 50), host.handle(), nullptr);
  EXPECT_EQ(classUseCount(), 2);
  EXPECT_EQ(std::string(editorClassName()), name);
  EXPECT_TRUE(classRegistered(name));
  first.reset();
  EXPECT_EQ(classUseCount(), 1);
  EXPECT_TRUE(classRegistered(name));
  second.reset();
  EXPECT_EQ(classUseCount(), 0);
  EXPECT_FALSE(classRegistered(name));
}

TEST_F(RootViewTest, PressGoesToTheTopmostChildContainingItEdgesIncluded) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  root.addWidget(std::make_unique<ProbeWidget>(Rect(0, 0, 20, 20), "a", &log));
  root.addWidget(std::make_unique<ProbeWidget>(Rect(10, 10, 30, 30), "b", &log));
  struct Case {
    Point point;
    const char* reached; // null: nobody
  };
  const Case cases[] = {
      {Point(15, 15), "b"}, {Point(5, 5), "a"},   {Point(20, 5), "a"},      {Point(0, 20), "a"},
      {Point(25, 25), "b"}, {Point(30, 30), "b"}, {Point(31, 30), nullptr}, {Point(100, 90), nullptr},
  };
  for (const Case& c : cases) {
    log.entries.clear();
    press(&root, c.point);
    if (c.reached == nullptr) {
      EXPECT_TRUE(log.entries.empty()) << c.point.h << ", " << c.point.v;
    } else {
      ASSERT_EQ(log.entries.size(), 1u) << c.point.h << ", " << c.point.v;
      EXPECT_EQ(log.entries[0], std::string("press ") + c.reached) << c.point.h << ", " << c.point.v;
    }
  }
}

TEST_F(RootViewTest, ButtonDownMessagesOfBothButtonsReachTheChildAtTheirPosition) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  auto* child = root.addWidget(std::make_unique<ProbeWidget>(Rect(10, 10, 30, 30), "c", &log));
  SendMessageA(root.windowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 29));
  EXPECT_EQ(log.count("press c"), 1);
  EXPECT_EQ(child->lastPress.h, 12);
  EXPECT_EQ(child->lastPress.v, 29);
  SendMessageA(root.windowHandle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 10));
  EXPECT_EQ(log.count("press c"), 2);
  SendMessageA(root.windowHandle(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(20, 20));
  SendMessageA(root.windowHandle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_EQ(log.count("press c"), 2);
}

// The window takes the view's size at each scale, and a press at a window pixel reaches the child at the
// layout pixel whose block holds it.
TEST_F(RootViewTest, AtEachScaleTheWindowIsTheScaledViewAndPressesArriveInLayoutCoordinates) {
  RootView root(Rect(0, 0, 80, 60), host.handle(), nullptr, Scale::ofPercent(200));
  auto* child = root.addWidget(std::make_unique<ProbeWidget>(Rect(10, 10, 50, 50), "c", &log));
  const struct {
    int32_t percent;
    LONG width;
    LONG height;
    int32_t pressedAt;
  } cases[] = {{200, 160, 120, 22}, {150, 120, 90, 29}, {100, 80, 60, 44}};
  for (const auto& c : cases) {
    root.setScale(Scale::ofPercent(c.percent));
    RECT area{};
    GetClientRect(root.windowHandle(), &area);
    EXPECT_EQ(area.right, c.width) << c.percent;
    EXPECT_EQ(area.bottom, c.height) << c.percent;
    SendMessageA(root.windowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(44, 44));
    EXPECT_EQ(child->lastPress.h, c.pressedAt) << c.percent;
    EXPECT_EQ(child->lastPress.v, c.pressedAt) << c.percent;
  }
}

TEST_F(RootViewTest, ModalViewTakesEveryPressAndRefreshAndPaintsLast) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  root.addWidget(std::make_unique<ProbeValue>(Rect(0, 0, 40, 40), "under", &log));
  auto* modal = root.addWidget(std::make_unique<ProbeValue>(Rect(50, 50, 70, 70), "modal", &log));
  root.addWidget(std::make_unique<ProbeWidget>(Rect(0, 0, 100, 100), "over", &log));
  ASSERT_TRUE(root.setModalWidget(modal));

  press(&root, Point(10, 10));
  EXPECT_TRUE(log.entries.empty());

  {
    Canvas canvas(&root, nullptr, root.windowHandle());
    root.refreshIfChanged(&canvas);
  }
  EXPECT_EQ(log.count("paint under"), 0);
  EXPECT_EQ(log.count("paint modal"), 1);

  log.entries.clear();
  root.redrawWidget(nullptr);
  ASSERT_FALSE(log.entries.empty());
  EXPECT_EQ(log.entries.back(), "paint modal");
  EXPECT_EQ(log.count("paint modal"), 2);
  EXPECT_EQ(log.count("paint over"), 1);
}

TEST_F(RootViewTest, PressInsideTheModalViewReachesItAlone) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  auto* modal = root.addWidget(std::make_unique<ProbeWidget>(Rect(50, 50, 70, 70), "modal", &log));
  root.addWidget(std::make_unique<ProbeWidget>(Rect(0, 0, 100, 100), "over", &log));
  root.setModalWidget(modal);
  press(&root, Point(70, 70));
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0], "press modal");
}

TEST_F(RootViewTest, SecondModalViewIsRefusedAndNullClearsTheSlot) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  ProbeWidget a(Rect(0, 0, 10, 10), "a", &log);
  ProbeWidget b(Rect(0, 0, 10, 10), "b", &log);
  EXPECT_TRUE(root.setModalWidget(&a));
  EXPECT_FALSE(root.setModalWidget(&b));
  EXPECT_EQ(root.modalWidget(), &a);
  EXPECT_TRUE(root.setModalWidget(nullptr));
  EXPECT_EQ(root.modalWidget(), nullptr);
  EXPECT_TRUE(root.setModalWidget(&b));
  root.setModalWidget(nullptr);
}

TEST_F(RootViewTest, PressOutsideTheEditingWidgetEndsItsEditingBeforeDispatch) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  auto* first = root.addWidget(std::make_unique<ProbeWidget>(Rect(0, 0, 20, 20), "first", &log));
  auto* second = root.addWidget(std::make_unique<ProbeWidget>(Rect(40, 0, 60, 20), "second", &log));
  first->startsEditing = true;
  second->startsEditing = true;

  press(&root, Point(5, 5));
  EXPECT_EQ(root.editingWidget(), first);
  press(&root, Point(20, 20));
  EXPECT_EQ(log.count("drop first"), 0);

  log.entries.clear();
  press(&root, Point(50, 10));
  ASSERT_EQ(log.entries.size(), 2u);
  EXPECT_EQ(log.entries[0], "drop first");
  EXPECT_EQ(log.entries[1], "press second");
  EXPECT_EQ(root.editingWidget(), second);

  press(&root, Point(150, 90));
  EXPECT_EQ(log.count("drop second"), 1);
  EXPECT_EQ(root.editingWidget(), nullptr);
}

TEST_F(RootViewTest, ChildListKeepsTheOrderAndRefusesNull) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  Widget* added[21];
  for (int32_t i = 0; i < 21; ++i) {
    auto widget = std::make_unique<ProbeWidget>(Rect(i, 0, i + 1, 1), "w" + std::to_string(i), &log);
    added[i] = widget.get();
    ASSERT_EQ(root.addWidget(std::move(widget)), added[i]);
    EXPECT_EQ(root.widgetCount(), i + 1);
    EXPECT_EQ(added[i]->parent(), &root);
  }
  for (int32_t i = 0; i < 21; ++i) EXPECT_EQ(root.widgetAt(i), added[i]);
  EXPECT_EQ(root.addWidget(std::unique_ptr<Widget>()), nullptr);
  EXPECT_EQ(root.widgetCount(), 21);
}

TEST_F(RootViewTest, RemoveWidgetKeepsTheOthersInOrderAndHandsBackNothingForStrangers) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  auto* a = root.addWidget(std::make_unique<ProbeWidget>(Rect(0, 0, 10, 10), "a", &log));
  auto* b = root.addWidget(std::make_unique<ProbeWidget>(Rect(0, 0, 10, 10), "b", &log));
  auto* c = root.addWidget(std::make_unique<ProbeWidget>(Rect(0, 0, 10, 10), "c", &log));
  ProbeWidget stranger(Rect(0, 0, 10, 10), "stranger", &log);
  EXPECT_EQ(root.removeWidget(&stranger), nullptr);
  EXPECT_EQ(root.widgetCount(), 3);

  root.setModalWidget(b);
  root.setEditingWidget(b);
  std::unique_ptr<Widget> removed = root.removeWidget(b);
  EXPECT_EQ(removed.get(), b);
  EXPECT_EQ(root.widgetCount(), 2);
  EXPECT_EQ(root.widgetAt(0), a);
  EXPECT_EQ(root.widgetAt(1), c);
  EXPECT_EQ(b->parent(), &root);
  // A removed widget is its owner's again, who may delete it: no slot may keep pointing at it.
  EXPECT_EQ(root.modalWidget(), nullptr);
  EXPECT_EQ(root.editingWidget(), nullptr);
  EXPECT_EQ(log.count("delete b"), 0);
}

TEST_F(RootViewTest, DestructorEndsEditingAndDeletesEveryChild) {
  auto root = std::make_unique<RootView>(Rect(0, 0, 160, 100), host.handle(), nullptr);
  auto* editing = root->addWidget(std::make_unique<ProbeWidget>(Rect(0, 0, 10, 10), "e", &log));
  root->addWidget(std::make_unique<ProbeWidget>(Rect(0, 0, 10, 10), "f", &log));
  root->setEditingWidget(editing);
  root.reset();
  ASSERT_EQ(log.entries.size(), 3u);
  EXPECT_EQ(log.entries[0], "drop e");
  EXPECT_EQ(log.entries[1], "delete e");
  EXPECT_EQ(log.entries[2], "delete f");
}

TEST_F(RootViewTest, IdleRefreshWaitsForTheFirstPaintAndRepaintsOnlyChangedValues) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  auto* changed = root.addWidget(std::make_unique<ProbeValue>(Rect(0, 0, 10, 10), "changed", &log));
  auto* steady = root.addWidget(std::make_unique<ProbeValue>(Rect(20, 0, 30, 10), "steady", &log));
  steady->setShownValue(steady->value());

  root.idleRefresh();
  EXPECT_TRUE(log.entries.empty());

  UpdateWindow(root.windowHandle());
  EXPECT_EQ(log.count("paint changed"), 1);
  EXPECT_EQ(log.count("paint steady"), 1);
  // Painting does not touch the shown value; the refresh does.
  log.entries.clear();
  root.idleRefresh();
  EXPECT_EQ(log.count("paint changed"), 1);
  EXPECT_EQ(log.count("paint steady"), 0);
  root.idleRefresh();
  EXPECT_EQ(log.count("paint changed"), 1);

  changed->putValue(0.75f);
  root.idleRefresh();
  EXPECT_EQ(log.count("paint changed"), 2);
}

TEST_F(RootViewTest, PaintMessageWithEmptyUpdateRegionPaintsNothing) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  root.addWidget(std::make_unique<ProbeWidget>(Rect(0, 0, 10, 10), "w", &log));
  UpdateWindow(root.windowHandle());
  EXPECT_EQ(log.count("paint w"), 1);
  SendMessageA(root.windowHandle(), WM_PAINT, 0, 0);
  EXPECT_EQ(log.count("paint w"), 1);
  InvalidateRect(root.windowHandle(), nullptr, FALSE);
  UpdateWindow(root.windowHandle());
  EXPECT_EQ(log.count("paint w"), 2);
}

TEST_F(RootViewTest, RedrawWidgetPaintsTheChildAloneOrEverythingForNullAndStrangers) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  auto* a = root.addWidget(std::make_unique<ProbeWidget>(Rect(0, 0, 10, 10), "a", &log));
  root.addWidget(std::make_unique<ProbeWidget>(Rect(20, 0, 30, 10), "b", &log));
  root.redrawWidget(a);
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0], "paint a");
  a->redrawNow();
  EXPECT_EQ(log.count("paint a"), 2);
  EXPECT_EQ(log.count("paint b"), 0);
  log.entries.clear();
  root.redrawWidget(nullptr);
  EXPECT_EQ(log.count("paint a"), 1);
  EXPECT_EQ(log.count("paint b"), 1);
  ProbeWidget stranger(Rect(0, 0, 5, 5), "stranger", &log);
  root.redrawWidget(&stranger);
  EXPECT_EQ(log.count("paint a"), 2);
  EXPECT_EQ(log.count("paint stranger"), 0);
}

TEST_F(RootViewTest, AfterTheHostDestroysItsWindowNothingIsDrawnAndClosingIsSafe) {
  auto root = std::make_unique<RootView>(Rect(0, 0, 160, 100), host.handle(), nullptr);
  root->addWidget(std::make_unique<ProbeValue>(Rect(0, 0, 10, 10), "v", &log));
  UpdateWindow(root->windowHandle());
  log.entries.clear();
  host.destroy();
  EXPECT_FALSE(root->isOpen());
  EXPECT_EQ(root->hostWindow(), nullptr);
  EXPECT_EQ(root->windowHandle(), nullptr);
  root->idleRefresh();
  root->redrawWidget(nullptr);
  EXPECT_EQ(log.count("paint v"), 0);
  EXPECT_FALSE(root->resizeTo(300, 200));
  root.reset();
  EXPECT_EQ(classUseCount(), 0);
  EXPECT_FALSE(classRegistered(expectedClassName()));
}

TEST_F(RootViewTest, PaintDrawsTheLastBackdropThenTheChildrenAndAReplacedBackdropIsFreed) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  const int32_t start = liveGdiObjects();
  for (int32_t id : {kSplashBitmap, kBackdropBitmap}) {
    root.setBackdrop(PixmapRef::adopt(new Pixmap(id)));
    // The view holds the only reference to its backdrop, and none to the one it replaced.
    EXPECT_EQ(liveGdiObjects(), start + 1);
  }
  root.addWidget(std::make_unique<ProbeWidget>(Rect(10, 10, 20, 20), "w", &log, colorRed));
  UpdateWindow(root.windowHandle());
  WindowDevice device(root.windowHandle());
  EXPECT_EQ(GetPixel(device.handle(), 0, 0), RGB(200, 200, 210));
  EXPECT_EQ(GetPixel(device.handle(), 40, 40), RGB(60, 70, 60));
  EXPECT_EQ(GetPixel(device.handle(), 15, 15), colorRed.nativeValue());
}

TEST_F(RootViewTest, ResizeToGrowsEachWindowByItsMarginUpToTheFrame) {
  const int32_t border = 2 * GetSystemMetrics(SM_CYDLGFRAME);
  HostWindow framed(100 + border, 80 + border);
  RootView root(Rect(0, 0, 100, 80), framed.handle(), nullptr);
  EXPECT_FALSE(root.resizeTo(100, 80));
  EXPECT_TRUE(root.resizeTo(120, 90));
  EXPECT_EQ(root.size().width(), 120);
  EXPECT_EQ(root.size().height(), 90);
  RECT own{};
  RECT around{};
  GetWindowRect(root.windowHandle(), &own);
  GetWindowRect(framed.handle(), &around);
  EXPECT_EQ(own.right - own.left, 120);
  EXPECT_EQ(own.bottom - own.top, 90);
  EXPECT_EQ(around.right - around.left, 120 + border);
  EXPECT_EQ(around.bottom - around.top, 90 + border);

  // A margin above 80 pixels stops the chain: the roomy host keeps its size.
  RootView small(Rect(0, 0, 50, 40), host.handle(), nullptr);
  EXPECT_TRUE(small.resizeTo(60, 50));
  GetWindowRect(host.handle(), &around);
  EXPECT_EQ(around.right - around.left, 200);
  EXPECT_EQ(around.bottom - around.top, 150);
}

TEST_F(RootViewTest, AWheelTurnedOutsideTheViewGoesToTheHostWindow) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  const WindowSubclass counting(host.handle(), countHostWheels);
  // A wheel the view passed on and gets back from the host is dropped.
  const struct {
    Point at;
    bool hostSendsItBack;
    int32_t hostWheels;
  } cases[] = {{Point(80, 50), false, 0},
               {Point(160, 100), false, 0},
               {Point(161, 50), false, 1},
               {Point(80, 101), false, 1},
               {Point(161, 50), true, 1}};
  for (const auto& c : cases) {
    hostWheels = 0;
    wheelChild = c.hostSendsItBack ? root.windowHandle() : nullptr;
    POINT screen{c.at.h, c.at.v};
    ClientToScreen(root.windowHandle(), &screen);
    SendMessageA(root.windowHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
                 MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(hostWheels, c.hostWheels) << c.at.h << ", " << c.at.v << (c.hostSendsItBack ? " back" : "");
  }
  wheelChild = nullptr;
}

class ViewOwningEditor : public GuiEditorBase {
public:
  explicit ViewOwningEditor(ProbeLog* log) : GuiEditorBase(nullptr), log_(log) {}
  int32_t openIn(void* window) override {
    GuiEditorBase::openIn(window);
    adoptRootView(std::make_unique<RootView>(Rect(0, 0, 160, 100), static_cast<HWND>(window), this))
        .addWidget(std::make_unique<ProbeValue>(Rect(0, 0, 10, 10), "v", log_));
    return 1;
  }
  void closeEditor() override { releaseRootView(); }
  void applyUpdate() override { log_->entries.push_back("update"); }

private:
  ProbeLog* log_;
};

TEST_F(RootViewTest, EditorIdleAppliesTheUpdateThenRefreshesTheOpenView) {
  ViewOwningEditor editor(&log);
  editor.openIn(host.handle());
  UpdateWindow(editor.rootView()->windowHandle());
  log.entries.clear();
  editor.onIdle();
  ASSERT_EQ(log.entries.size(), 2u);
  EXPECT_EQ(log.entries[0], "update");
  EXPECT_EQ(log.entries[1], "paint v");
  editor.repaintAll(nullptr);
  EXPECT_EQ(log.count("paint v"), 2);
  editor.closeEditor();
  editor.repaintAll(nullptr);
  editor.onIdle();
  EXPECT_EQ(log.count("paint v"), 2);
}

// One editor session as a host runs it: open, paint, a press, idle refreshes, close.
void openAndClose(HWND host, ProbeLog* log) {
  auto root = std::make_unique<RootView>(Rect(0, 0, 160, 100), host, nullptr);
  root->setBackdrop(PixmapRef::adopt(new Pixmap(kBackdropBitmap)));
  for (int32_t i = 0; i < 5; ++i)
    root->addWidget(std::make_unique<ProbeValue>(Rect(i * 20, 0, i * 20 + 15, 15), "v", log));
  UpdateWindow(root->windowHandle());
  SendMessageA(root->windowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  static_cast<ValueWidget*>(root->widgetAt(0))->putValue(0.5f);
  root->idleRefresh();
  root->redrawWidget(root->widgetAt(1));
  root.reset();
  handlePendingMessages();
  log->entries.clear();
}

TEST_F(RootViewTest, OpenCloseCyclesLeaveGdiObjectsAndWindowsWhereTheyStarted) {
  const LeakCheck check = repeatUntilLevel(40, [&] { openAndClose(host.handle(), &log); });
  EXPECT_TRUE(check.passed()) << check.description();
  EXPECT_EQ(classUseCount(), 0);
}

} // namespace

TEST_F(RootViewTest, HoldsTheFocusWhileThePointerIsOverItAndGivesItBackButLeavesItToItsOwnEditBox) {
  RootView root(Rect(0, 0, 160, 100), host.handle(), nullptr);
  ASSERT_NE(root.windowHandle(), nullptr);
  // As a text field's box, away from where the pointer comes in.
  const WindowHandle box(CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20,
                                         root.windowHandle(), nullptr, nullptr, nullptr));
  const struct {
    HWND before;
    HWND whileOver;
  } cases[] = {
      {host.handle(), root.windowHandle()}, {box.get(), box.get()}, {host.handle(), root.windowHandle()}};
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    EXPECT_TRUE(movePointerTo(host.handle(), Point(190, 140)));
    SetFocus(c.before);
    EXPECT_TRUE(movePointerTo(host.handle(), Point(80, 50)));
    EXPECT_TRUE(handleMessagesUntil([&] { return tracksThePointer(root.windowHandle()); }));
    EXPECT_EQ(GetFocus(), c.whileOver);
    EXPECT_TRUE(movePointerTo(host.handle(), Point(190, 140)));
    EXPECT_TRUE(handleMessagesUntil(
        [&] { return !tracksThePointer(root.windowHandle()) && GetFocus() == c.before; }));
  }
}
