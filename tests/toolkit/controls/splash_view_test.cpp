// Checks SplashView in a real root view: the first press enlarges it to the splash rectangle as the
// modal view and shows the picture, presses then reach only it, the next press on it restores the size
// and repaints the whole editor; a splash refused the modal slot stays as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/controls/controls_window.h"
#include "tests/toolkit/controls/edit_log.h"
#include "tests/toolkit/controls/pictures.h"
#include "toolkit/controls/splash_view.h"
#include "toolkit/graphics/canvas.h"
#include "tools/probe/window_capture.h"

namespace {

const Rect kButtonArea(200, 10, 230, 30);
const Rect kSplashArea(20, 20, 180, 120);
// Covered by the splash while it is on.
const Rect kUnderSplash(30, 100, 60, 115);
const Rect kBeside(190, 120, 230, 150);

// Counts its paints and presses.
class Probe final : public Widget {
public:
  explicit Probe(const Rect& size) : Widget(size) {}
  void paint(Canvas*) override { ++paints; }
  void mousePressed(Canvas*, Point&) override { ++presses; }
  int32_t paints = 0;
  int32_t presses = 0;
};

struct SplashScene {
  ControlsWindow window;
  HeldPixmap picture{kSplashBitmap};
  EditLog log{EditLog::Repaint::never};
  Panel* backdrop = window.add(std::make_unique<Panel>(
      Rect(0, 0, ControlsWindow::kWidth - 1, ControlsWindow::kHeight - 1), colorGrey));
  Probe* under = window.add(std::make_unique<Probe>(kUnderSplash));
  Probe* beside = window.add(std::make_unique<Probe>(kBeside));
  SplashView* splash =
      window.add(std::make_unique<SplashView>(kButtonArea, &log, 3, picture.get(), kSplashArea, Point(0, 0)));

  // A press at the point, dispatched by the root view as a button-down message is.
  void pressAt(Point point) { window.press(window.root(), point); }
  bool showsSplash() {
    const auto shown = captureClientArea(window.window());
    const auto wanted = pictureOf(picture.get());
    for (int32_t y = 0; y < kSplashArea.height(); y += 7) {
      for (int32_t x = 0; x < kSplashArea.width(); x += 7) {
        const uint8_t* rgb = &shown.rgb[3 * ((kSplashArea.top + y) * shown.width + kSplashArea.left + x)];
        const Color pixel = wanted->pixel(x, y);
        if (rgb[0] != pixel.red || rgb[1] != pixel.green || rgb[2] != pixel.blue) return false;
      }
    }
    return true;
  }
};

bool sameRect(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(SplashView, APressCycleShowsTheSplashModallyAndTakesItAwayAgain) {
  SplashScene scene;
  scene.window.root().redrawWidget(nullptr);
  ASSERT_FALSE(scene.showsSplash());

  scene.pressAt(Point(215, 20));
  EXPECT_EQ(scene.splash->value(), 1.0f);
  EXPECT_TRUE(sameRect(scene.splash->size(), kSplashArea));
  EXPECT_EQ(scene.window.root().modalWidget(), scene.splash);
  EXPECT_EQ(scene.log.edits().size(), 1u);
  EXPECT_TRUE(scene.showsSplash());

  // While on, nothing else is reached: neither under the splash nor beside it.
  scene.pressAt(Point(210, 130));
  EXPECT_EQ(scene.beside->presses, 0);
  EXPECT_EQ(scene.splash->value(), 1.0f);
  EXPECT_EQ(scene.log.edits().size(), 1u);

  const int32_t paintsBefore = scene.beside->paints;
  scene.pressAt(Point(40, 108));
  EXPECT_EQ(scene.under->presses, 0);
  EXPECT_EQ(scene.splash->value(), 0.0f);
  EXPECT_TRUE(sameRect(scene.splash->size(), kButtonArea));
  EXPECT_EQ(scene.window.root().modalWidget(), nullptr);
  EXPECT_EQ(scene.beside->paints, paintsBefore + 1) << "the whole editor is repainted";
  ASSERT_EQ(scene.log.edits().size(), 2u);
  EXPECT_EQ(scene.log.edits()[1].tag, 3);
  EXPECT_EQ(scene.log.edits()[1].value, 0.0f);
  EXPECT_FALSE(scene.showsSplash());

  // Off again, presses reach the other controls once more, and the splash can come back.
  scene.pressAt(Point(40, 108));
  EXPECT_EQ(scene.under->presses, 1);
  scene.pressAt(Point(215, 20));
  EXPECT_EQ(scene.splash->value(), 1.0f);
  EXPECT_TRUE(sameRect(scene.splash->size(), kSplashArea));
}

TEST(SplashView, ASplashRefusedTheModalSlotStaysOffAtItsOwnSize) {
  SplashScene scene;
  ASSERT_TRUE(scene.window.root().setModalWidget(scene.beside));
  // The root view hands presses to the modal view only, so the splash is pressed directly.
  scene.window.press(*scene.splash, Point(215, 20));
  EXPECT_EQ(scene.splash->value(), 0.0f);
  EXPECT_TRUE(sameRect(scene.splash->size(), kButtonArea));
  EXPECT_EQ(scene.window.root().modalWidget(), scene.beside);
  EXPECT_TRUE(scene.log.edits().empty());
  EXPECT_FALSE(scene.showsSplash());
  scene.window.root().setModalWidget(nullptr);
}

TEST(SplashView, ASplashItsOwnerSwitchedOnTurnsOffWithoutLosingItsSize) {
  SplashScene scene;
  scene.splash->putValue(1.0f);
  scene.window.root().idleRefresh();
  EXPECT_TRUE(scene.showsSplash());
  scene.pressAt(Point(215, 20));
  EXPECT_EQ(scene.splash->value(), 0.0f);
  EXPECT_TRUE(sameRect(scene.splash->size(), kButtonArea));
  EXPECT_EQ(scene.log.edits().size(), 1u);
  EXPECT_FALSE(scene.showsSplash());
}

TEST(SplashView, APressOnASplashThatIsNotClickableChangesNothing) {
  SplashScene scene;
  scene.splash->setClickable(false);
  scene.pressAt(Point(215, 20));
  EXPECT_EQ(scene.splash->value(), 0.0f);
  EXPECT_EQ(scene.window.root().modalWidget(), nullptr);
  EXPECT_TRUE(scene.log.edits().empty());
}

} // namespace
