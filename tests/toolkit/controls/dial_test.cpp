// Checks Dial and FilmstripDial: the background's references across a change, the arc's geometry both
// ways (the angle cases, the gap at the bottom, a range other than 0 to 1), the handle keyed over the
// face, the frame a strip shows, and scripted presses: following the pointer until release, Alt+click
// reset, and a control that is not clickable.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/controls/controls_window.h"
#include "tests/toolkit/controls/edit_log.h"
#include "tests/toolkit/controls/pictures.h"
#include "tests/toolkit/support/scripted_input.h"
#include "toolkit/controls/dial.h"
#include "toolkit/controls/filmstrip_dial.h"
#include "toolkit/graphics/canvas.h"
#include "tools/probe/resource_census.h"

namespace {

// A 60 x 60 dial with the 12 x 12 handle: inset 6, radius 24, the arc's centre at (30, 30) inside it.
const Rect kDialArea(10, 10, 70, 70);
constexpr int32_t kCentre = 30;
constexpr int32_t kRadius = 24;
constexpr int32_t kInset = 6;

struct DialScene {
  ControlsWindow window;
  MemorySurface surface{100, 100, colorBlack};
  Canvas canvas{nullptr, surface.device(), window.window()};
  HeldPixmap face{kDialFaceBitmap};
  HeldPixmap handle{kDialHandleBitmap};
  EditLog log;
  Dial dial{kDialArea, &log, 4, face.get(), handle.get(), Point(0, 0)};

  // Presses the dial with a scripted input; steps in window coordinates.
  void press(std::vector<ScriptedInput::Step> steps) {
    ScriptedInput input(window.window(), steps);
    Point point = steps[0].point;
    dial.mousePressed(&canvas, point);
  }
};

// Window point at a control-relative point.
Point inWindow(Point relative) { return Point(kDialArea.left + relative.h, kDialArea.top + relative.v); }

TEST(Dial, InsetIsHalfTheHandleWidthOrFiveWithoutHandle) {
  HeldPixmap handle(kDialHandleBitmap);
  Dial withHandle(kDialArea, nullptr, 0, nullptr, handle.get(), Point(0, 0));
  Dial without(kDialArea, nullptr, 0, nullptr, nullptr, Point(0, 0));
  EXPECT_EQ(withHandle.inset(), kInset);
  EXPECT_EQ(without.inset(), 5);
}

TEST(Dial, ChangeBackgroundHoldsTheNewAndGivesTheOldBack) {
  HeldPixmap handle(kDialHandleBitmap);
  const int32_t start = liveGdiObjects();
  HeldPixmap old(kDialFaceBitmap);
  Dial dial(kDialArea, nullptr, 0, old, handle.get(), Point(0, 0));
  old.reset();
  HeldPixmap next(kBackdropBitmap);
  dial.changeBackground(next);
  EXPECT_EQ(dial.background(), next.get());
  next.reset();
  // The dial held the old background's last reference and holds the new one's.
  EXPECT_EQ(liveGdiObjects(), start + 1);
  dial.changeBackground(nullptr);
  EXPECT_EQ(liveGdiObjects(), start);
}

TEST(Dial, ValueToPointerRunsOverTheTopFromLowerLeftToLowerRight) {
  struct Case {
    float minimum;
    float maximum;
    float value;
    Point point;
  };
  // The diagonal ends lie r / sqrt(2) from the centre in both directions.
  const int32_t diagonal = static_cast<int32_t>(kRadius / std::sqrt(2.0));
  const Case cases[] = {
      {0.0f, 1.0f, 0.5f, Point(kCentre, kInset)},
      // A sixth of the 270 degrees from 225 is straight left, five sixths straight right.
      {0.0f, 1.0f, 1.0f / 6.0f, Point(kInset, kCentre)},
      {0.0f, 1.0f, 5.0f / 6.0f, Point(kCentre + kRadius, kCentre)},
      {0.0f, 1.0f, 0.0f, Point(kCentre - diagonal, kCentre + diagonal)},
      {0.0f, 1.0f, 1.0f, Point(kCentre + diagonal, kCentre + diagonal)},
      {10.0f, 20.0f, 15.0f, Point(kCentre, kInset)},
      {10.0f, 20.0f, 10.0f + 10.0f / 6.0f, Point(kInset, kCentre)},
      // An empty range leaves the handle at the minimum's end instead of nowhere.
      {3.0f, 3.0f, 3.0f, Point(kCentre - diagonal, kCentre + diagonal)},
  };
  HeldPixmap handle(kDialHandleBitmap);
  for (const Case& c : cases) {
    Dial dial(kDialArea, nullptr, 0, nullptr, handle.get(), Point(0, 0));
    dial.setMinimum(c.minimum);
    dial.setMaximum(c.maximum);
    dial.putValue(c.value);
    Point p;
    dial.valueToPointer(p);
    // Truncating a sine of almost 0 may land one pixel short.
    EXPECT_LE(std::abs(p.h - c.point.h), 1) << "value " << c.value << ": x " << p.h;
    EXPECT_LE(std::abs(p.v - c.point.v), 1) << "value " << c.value << ": y " << p.v;
  }
}

TEST(Dial, PointerToValueFollowsTheAngleAndTheGapGivesTheNearerEnd) {
  struct Case {
    float minimum;
    float maximum;
    Point point;
    float value;
  };
  const Case cases[] = {
      {0.0f, 1.0f, Point(kCentre, 5), 0.5f},                        // straight up
      {0.0f, 1.0f, Point(kCentre + 1, 55), 1.0f},                   // below, slightly right
      {0.0f, 1.0f, Point(kCentre - 1, 55), 0.0f},                   // below, slightly left
      {0.0f, 1.0f, Point(kCentre + 10, kCentre - 10), 2.0f / 3.0f}, // 45 degrees above the x axis
      {0.0f, 1.0f, Point(5, kCentre), 1.0f / 6.0f},                 // straight left
      {0.0f, 1.0f, Point(55, kCentre), 5.0f / 6.0f},                // straight right
      {0.0f, 1.0f, Point(kCentre - 20, kCentre + 20), 0.0f},        // the minimum's end of the arc
      {0.0f, 1.0f, Point(kCentre + 20, kCentre + 20), 1.0f},        // the maximum's end
      {0.0f, 1.0f, Point(kCentre, kCentre), 0.5f},                  // the centre counts as straight up
      {10.0f, 20.0f, Point(kCentre + 10, kCentre - 10), 10.0f + 20.0f / 3.0f},
      {10.0f, 20.0f, Point(kCentre - 1, 55), 10.0f},
      {-1.0f, 1.0f, Point(kCentre + 1, 55), 1.0f},
  };
  HeldPixmap handle(kDialHandleBitmap);
  for (const Case& c : cases) {
    Dial dial(kDialArea, nullptr, 0, nullptr, handle.get(), Point(0, 0));
    dial.setMinimum(c.minimum);
    dial.setMaximum(c.maximum);
    EXPECT_NEAR(dial.pointerToValue(c.point), c.value, 1e-5)
        << "at (" << c.point.h << ", " << c.point.v << ")";
  }
}

TEST(Dial, PointerToValueUndoesValueToPointerWithinAPixel) {
  HeldPixmap handle(kDialHandleBitmap);
  Dial dial(kDialArea, nullptr, 0, nullptr, handle.get(), Point(0, 0));
  for (int32_t step = 0; step <= 20; ++step) {
    const float value = static_cast<float>(step) / 20.0f;
    dial.putValue(value);
    Point p;
    dial.valueToPointer(p);
    // One pixel on a radius of 24 is about 1 / 113 of the 270-degree travel.
    EXPECT_NEAR(dial.pointerToValue(p), value, 0.02) << value;
  }
}

TEST(Dial, PaintsTheHandleKeyedOverTheFace) {
  DialScene scene;
  const auto facePicture = pictureOf(scene.face.get());
  const auto handlePicture = pictureOf(scene.handle.get());
  scene.dial.putValue(0.75f);
  scene.dial.refreshIfChanged(&scene.canvas);
  EXPECT_EQ(scene.dial.shownValue(), 0.75f);
  Point p;
  scene.dial.valueToPointer(p);
  const int32_t left = kDialArea.left + p.h - kInset;
  const int32_t top = kDialArea.top + p.v - kInset;
  // The ball's middle is the handle's own; its key-coloured corner lets the face through.
  EXPECT_TRUE(
      showsPicture(scene.surface, Rect(left + 4, top + 4, left + 8, top + 8), *handlePicture, Point(4, 4)));
  EXPECT_TRUE(showsPicture(scene.surface, Rect(left, top, left + 1, top + 1), *facePicture,
                           Point(left - kDialArea.left, top - kDialArea.top)));
  EXPECT_TRUE(showsPicture(scene.surface, Rect(10, 10, 40, 30), *facePicture, Point(0, 0)));
}

TEST(Dial, FollowsThePointerUntilEveryButtonIsReleased) {
  DialScene scene;
  const Point up = inWindow(Point(kCentre, 5));
  const Point right = inWindow(Point(55, kCentre));
  const Point lowerRight = inWindow(Point(kCentre + 1, 55));
  // Any button held keeps the dial following; the position read with the release is not taken, and the
  // step after it is never reached.
  ScriptedInput input(scene.window.window(), {{leftButton, up},
                                              {leftButton, right},
                                              {rightButton, lowerRight},
                                              {rightButton, lowerRight},
                                              {0, right},
                                              {leftButton, up}});
  Point point = up;
  scene.dial.mousePressed(&scene.canvas, point);
  const std::vector<float> values = scene.log.values();
  ASSERT_EQ(values.size(), 3u);
  EXPECT_FLOAT_EQ(values[0], 0.5f);
  EXPECT_NEAR(values[1], 5.0f / 6.0f, 1e-5);
  EXPECT_FLOAT_EQ(values[2], 1.0f);
  EXPECT_EQ(scene.log.edits()[0].tag, 4);
  EXPECT_EQ(input.pointerReads(), 4);
  EXPECT_FLOAT_EQ(scene.dial.value(), 1.0f);
}

TEST(Dial, APressAlreadyReleasedStillTakesThePressPoint) {
  DialScene scene;
  scene.press({{0, inWindow(Point(5, kCentre))}});
  ASSERT_EQ(scene.log.values().size(), 1u);
  EXPECT_NEAR(scene.dial.value(), 1.0f / 6.0f, 1e-5);
}

TEST(Dial, AltClickRestoresTheResetValueAndReportsOnlyAChange) {
  struct Case {
    float shown;
    size_t reports;
  };
  for (const Case& c : {Case{0.9f, 1u}, Case{0.3f, 0u}}) {
    DialScene scene;
    scene.dial.setResetValue(0.3f);
    scene.dial.putValue(c.shown);
    scene.dial.refreshIfChanged(&scene.canvas);
    scene.press({{leftButton | altKey, inWindow(Point(55, kCentre))}});
    EXPECT_FLOAT_EQ(scene.dial.value(), 0.3f);
    EXPECT_EQ(scene.log.edits().size(), c.reports) << "shown " << c.shown;
  }
}

TEST(Dial, APressOnADialThatIsNotClickableChangesNothing) {
  DialScene scene;
  scene.dial.setClickable(false);
  scene.dial.putValue(0.1f);
  scene.press({{leftButton, inWindow(Point(kCentre, 5))}, {0, inWindow(Point(kCentre, 5))}});
  EXPECT_FLOAT_EQ(scene.dial.value(), 0.1f);
  EXPECT_TRUE(scene.log.edits().empty());
}

// The knob strip: 5 frames of 32 x 32.
constexpr int32_t kFrames = 5;
constexpr int32_t kFrameHeight = 32;
const Rect kStripArea(20, 20, 52, 52);

TEST(FilmstripDial, ShowsTheWholeFrameTheValueReaches) {
  struct Case {
    float value;
    int32_t frame;
  };
  const Case cases[] = {
      {-1.0f, 0}, {0.0f, 0}, {0.2f, 0}, {0.25f, 1}, {0.49f, 1}, {0.5f, 2}, {0.99f, 3}, {1.0f, 4}, {1.5f, 4},
  };
  HeldPixmap strip(kKnobStripBitmap);
  const auto picture = pictureOf(strip.get());
  for (const Case& c : cases) {
    MemorySurface surface(80, 80, colorBlack);
    Canvas canvas(nullptr, surface.device(), nullptr);
    FilmstripDial dial(kStripArea, nullptr, 0, kFrames, kFrameHeight, strip.get());
    dial.putValue(c.value);
    dial.paint(&canvas);
    EXPECT_TRUE(showsPicture(surface, kStripArea, *picture, Point(0, c.frame * kFrameHeight))) << c.value;
    EXPECT_EQ(dial.shownValue(), c.value);
  }
}

TEST(FilmstripDial, TakesThePointersAngleAroundItsOwnCentre) {
  ControlsWindow window;
  HeldPixmap strip(kKnobStripBitmap);
  EditLog log;
  FilmstripDial dial(kStripArea, &log, 2, kFrames, kFrameHeight, strip.get());
  EXPECT_EQ(dial.inset(), 0);
  MemorySurface surface(80, 80, colorBlack);
  Canvas canvas(nullptr, surface.device(), window.window());
  const Point top(kStripArea.left + 16, kStripArea.top);
  const Point left(kStripArea.left, kStripArea.top + 16);
  ScriptedInput input(window.window(), {{leftButton, top}, {leftButton, left}, {0, left}});
  Point point = top;
  dial.mousePressed(&canvas, point);
  const std::vector<float> values = log.values();
  ASSERT_EQ(values.size(), 2u);
  EXPECT_FLOAT_EQ(values[0], 0.5f);
  EXPECT_NEAR(values[1], 1.0f / 6.0f, 1e-5);
}

} // namespace
