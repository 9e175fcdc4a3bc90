// Checks ChoiceMenu's popup menu driven with synthesised input from a second thread: only a plain
// left press opens it, a choice is reported (also of the entry already current), a dismissed menu reports
// nothing, the closing click reaches no other control, and the menu's place, check mark and pressed look
// follow the style; every menu opened is destroyed.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/controls/controls_window.h"
#include "tests/toolkit/controls/edit_log.h"
#include "tests/toolkit/controls/pictures.h"
#include "tests/toolkit/support/scripted_input.h"
#include "tests/toolkit/support/synthesised_actions.h"
#include "toolkit/controls/choice_menu.h"
#include "toolkit/graphics/canvas.h"
#include "tools/probe/resource_census.h"
#include "tools/probe/window_capture.h"

namespace {

const Rect kMenuArea(20, 20, 84, 40);
const Point kOnMenu(30, 30);
// Right of where the menu opens, so a click there lands on the editor window.
const Rect kProbeArea(170, 60, 230, 150);
const Point kOnProbe(200, 100);

// Counts the presses that reach it.
class PressProbe final : public Widget {
public:
  explicit PressProbe(const Rect& size) : Widget(size) {}
  void mousePressed(Canvas*, Point&) override { ++presses; }
  int32_t presses = 0;
};

enum class Action { choose, clickOutside, escape };

// What the input thread does with the open menu, and what it saw of it.
struct MenuVisit {
  explicit MenuVisit(Action action, int32_t position = -1) : action(action), position(position) {}

  Action action;
  int32_t position;

  bool opened = false;
  bool closed = false;
  RECT placement{};
  std::vector<UINT> states;
  CapturedImage duringMenu;
};

POINT centreOf(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

void visitMenu(HWND editor, MenuVisit* visit, std::atomic<bool>* done) {
  HWND menuWindow = waitForPopupMenu();
  if (menuWindow != nullptr) {
    visit->opened = true;
    GetWindowRect(menuWindow, &visit->placement);
    auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    for (int32_t i = 0; i < GetMenuItemCount(menu); ++i)
      visit->states.push_back(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION));
    visit->duringMenu = captureClientArea(editor);
    // The press that opened the menu ends over the control, which leaves the menu open.
    releaseLeftButton();
    if (visit->action == Action::choose) {
      RECT item{};
      GetMenuItemRect(menuWindow, menu, static_cast<UINT>(visit->position), &item);
      EXPECT_TRUE(movePointerToScreen(centreOf(item)));
      pressLeftButton();
      releaseLeftButton();
    } else if (visit->action == Action::clickOutside) {
      EXPECT_TRUE(clickAt(editor, kOnProbe));
    } else {
      tapKey(VK_ESCAPE);
    }
    visit->closed = waitForPopupMenuClosed();
    // A menu the action left open would keep the window's thread for ever: the test fails instead.
    if (!visit->closed) cancelPopupMenus();
  } else {
    releaseLeftButton();
  }
  done->store(true);
}

struct MenuScene {
  ControlsWindow window;
  EditLog log;
  ChoiceMenu* menu;
  PressProbe* probe;

  MenuScene(int32_t style, Pixmap* background, Pixmap* pressedLook, Scale scale = Scale())
      : window(scale),
        menu(window.add(std::make_unique<ChoiceMenu>(kMenuArea, &log, 9, background, pressedLook, style))),
        probe(window.add(std::make_unique<PressProbe>(kProbeArea))) {
    for (const char* text : {"Sine", "Square", "-", "Saw"}) menu->insertItem(text, -1);
    window.root().redrawWidget(nullptr);
  }

  // Presses the control for real and lets the input thread handle the menu that opens.
  void run(MenuVisit& visit) {
    const int32_t menus = liveMenus();
    std::atomic<bool> done{false};
    std::thread input(visitMenu, window.window(), &visit, &done);
    EXPECT_TRUE(movePointerTo(window.window(), window.root().toWindow(kOnMenu)));
    pressLeftButton();
    const bool finished = handleMessagesUntil([&] { return done.load(); }, 15000);
    input.join();
    // Whatever input is still queued is handled before the test looks.
    handleMessagesUntil([] { return GetAsyncKeyState(VK_LBUTTON) >= 0; });
    EXPECT_TRUE(finished);
    EXPECT_EQ(liveMenus(), menus) << "a menu outlived its visit";
  }
};

TEST(ChoiceMenuPopup, AChoiceBecomesCurrentAndIsReportedEvenWhenAlreadyCurrent) {
  struct Case {
    int32_t current;
    int32_t chosen;
  };
  for (const Case& c : {Case{0, 3}, Case{1, 1}, Case{3, 0}}) {
    MenuScene scene(0, nullptr, nullptr);
    ASSERT_TRUE(scene.menu->selectItem(c.current));
    MenuVisit visit(Action::choose, c.chosen);
    scene.run(visit);
    ASSERT_TRUE(visit.opened);
    EXPECT_TRUE(visit.closed);
    ASSERT_EQ(scene.log.edits().size(), 1u) << "chosen " << c.chosen;
    EXPECT_EQ(scene.log.edits()[0].tag, 9);
    EXPECT_EQ(scene.menu->selectedItem(nullptr), c.chosen);
    EXPECT_EQ(scene.probe->presses, 0);
    EXPECT_EQ(scene.window.root().editingWidget(), nullptr);
  }
}

TEST(ChoiceMenuPopup, OnlyAPlainLeftPressOpensTheMenu) {
  for (ButtonState state : {int32_t(leftButton), int32_t(rightButton), leftButton | shiftKey,
                            leftButton | controlKey, int32_t(leftPressWithAlt)}) {
    MenuScene scene(0, nullptr, nullptr);
    std::atomic<bool> pressHandled{false};
    bool opened = false;
    // An open menu holds the press until it closes: close it, noting that it opened.
    std::thread closer([&] {
      while (!pressHandled.load()) {
        if (waitForPopupMenu(50) != nullptr) {
          opened = true;
          EndMenu();
        }
      }
    });
    ScriptedInput input(scene.window.window(), {{state, kOnMenu}});
    Canvas canvas(&scene.window.root(), nullptr, scene.window.window());
    Point press = kOnMenu;
    scene.menu->mousePressed(&canvas, press);
    pressHandled.store(true);
    closer.join();
    EXPECT_EQ(opened, state == leftButton) << "state " << state;
    EXPECT_TRUE(scene.log.edits().empty());
  }
}

TEST(ChoiceMenuPopup, ADismissedMenuChangesNothingAndItsClosingClickReachesNobody) {
  for (Action action : {Action::escape, Action::clickOutside}) {
    MenuScene scene(0, nullptr, nullptr);
    ASSERT_TRUE(scene.menu->selectItem(1));
    MenuVisit visit(action);
    scene.run(visit);
    ASSERT_TRUE(visit.opened);
    EXPECT_TRUE(visit.closed);
    EXPECT_TRUE(scene.log.edits().empty());
    EXPECT_EQ(scene.menu->selectedItem(nullptr), 1);
    EXPECT_EQ(scene.probe->presses, 0) << "the click that closed the menu reached the editor";
    EXPECT_EQ(scene.window.root().editingWidget(), nullptr);
  }
  // The probe does take a click of its own.
  MenuScene scene(0, nullptr, nullptr);
  EXPECT_TRUE(clickAt(scene.window.window(), kOnProbe));
  EXPECT_TRUE(handleMessagesUntil([&] { return scene.probe->presses == 1; }));
}

TEST(ChoiceMenuPopup, StyleChoosesWhereTheMenuOpensAndWhetherTheCurrentEntryIsMarked) {
  struct Case {
    int32_t style;
    int32_t menuTop;
    bool marked;
    int32_t percent;
  };
  const Case cases[] = {
      {0, kMenuArea.bottom, false, 100},
      {labelMenuAtTop, kMenuArea.top, false, 100},
      {labelMenuMarksCurrent, kMenuArea.bottom, true, 100},
      {labelMenuAtTop | labelMenuMarksCurrent, kMenuArea.top, true, 100},
      // At a scale, at the control's place in the window.
      {0, kMenuArea.bottom, false, 200},
  };
  for (const Case& c : cases) {
    const Scale scale = Scale::ofPercent(c.percent);
    MenuScene scene(c.style, nullptr, nullptr, scale);
    ASSERT_TRUE(scene.menu->selectItem(3));
    MenuVisit visit(Action::escape);
    scene.run(visit);
    ASSERT_TRUE(visit.opened);
    const Point at = scale.toWindow(Point(kMenuArea.left, c.menuTop));
    POINT corner{at.h, at.v};
    ClientToScreen(scene.window.window(), &corner);
    EXPECT_EQ(visit.placement.left, corner.x) << "style " << c.style;
    EXPECT_EQ(visit.placement.top, corner.y) << "style " << c.style;
    ASSERT_EQ(visit.states.size(), 4u);
    for (int32_t i = 0; i < 4; ++i) {
      EXPECT_EQ((visit.states[i] & MF_CHECKED) != 0, c.marked && i == 3)
          << "style " << c.style << " item " << i;
      EXPECT_EQ((visit.states[i] & MF_SEPARATOR) != 0, i == 2) << "item " << i;
    }
  }
}

bool cornerShows(const CapturedImage& image, const MemorySurface& picture) {
  for (int32_t y = 0; y < 4; ++y) {
    for (int32_t x = 0; x < 6; ++x) {
      const uint8_t* rgb = &image.rgb[3 * ((kMenuArea.top + y) * image.width + kMenuArea.left + x)];
      const Color wanted = picture.pixel(x, y);
      if (rgb[0] != wanted.red || rgb[1] != wanted.green || rgb[2] != wanted.blue) return false;
    }
  }
  return true;
}

TEST(ChoiceMenuPopup, ThePressedLookShowsWhileTheMenuIsOpen) {
  HeldPixmap back(kLabelBackBitmap);
  HeldPixmap pressed(kLabelPressedBitmap);
  const auto backPicture = pictureOf(back.get());
  const auto pressedPicture = pictureOf(pressed.get());
  for (Action action : {Action::escape, Action::choose}) {
    MenuScene scene(0, back.get(), pressed.get());
    ASSERT_TRUE(cornerShows(captureClientArea(scene.window.window()), *backPicture));
    MenuVisit visit(action, 0);
    scene.run(visit);
    ASSERT_TRUE(visit.opened);
    EXPECT_TRUE(cornerShows(visit.duringMenu, *pressedPicture));
    EXPECT_TRUE(cornerShows(captureClientArea(scene.window.window()), *backPicture));
  }
}

} // namespace
