// Checks ToggleButton, LatchButton, MomentaryButton and RockerSwitch on real GDI: the frame painted for
// each value, and the values reported, in order, for scripted presses, drags and releases.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/controls/edit_log.h"
#include "tests/toolkit/controls/pictures.h"
#include "tests/toolkit/controls/shared_window.h"
#include "tests/toolkit/support/scripted_input.h"
#include "toolkit/controls/latch_button.h"
#include "toolkit/controls/momentary_button.h"
#include "toolkit/controls/rocker_switch.h"
#include "toolkit/controls/toggle_button.h"
#include "toolkit/graphics/canvas.h"

namespace {

using Steps = std::vector<ScriptedInput::Step>;

struct ButtonScene {
  HWND window = sharedWindow();
  MemorySurface surface{100, 100, colorBlue};
  Canvas canvas{nullptr, surface.device(), window};
  HeldPixmap twoFrames{kTwoFramesBitmap};
  HeldPixmap fourFrames{kFourFramesBitmap};
  std::unique_ptr<MemorySurface> twoFramesPicture = pictureOf(twoFrames.get());
  std::unique_ptr<MemorySurface> fourFramesPicture = pictureOf(fourFrames.get());

  // Presses the control at the first step's point with the script running.
  void press(ValueWidget& control, const Steps& steps) {
    ScriptedInput input(window, steps);
    Point point = steps.front().point;
    control.mousePressed(&canvas, point);
  }
};

// The step buttons' geometry: a 13 x 17 rectangle showing one of two 17-row frames.
const Rect kStepButtonSize(20, 30, 33, 47);
// The rocker and the momentary button read the frames of four 10-row frames below a 10-row offset.
const Rect kWideSize(0, 40, 20, 50);

TEST(ToggleButton, PaintsTheUpperFrameOnlyForZero) {
  const struct {
    float value;
    int32_t frameTop;
  } cases[] = {{0.0f, 0}, {0.7f, 17}, {1.0f, 17}, {-0.3f, 17}};
  for (const auto& c : cases) {
    ButtonScene scene;
    ToggleButton button(kStepButtonSize, nullptr, 0, scene.twoFrames.get());
    button.putValue(c.value);
    button.refreshIfChanged(&scene.canvas);
    EXPECT_TRUE(showsPicture(scene.surface, kStepButtonSize, *scene.twoFramesPicture, Point(0, c.frameTop)))
        << c.value;
    EXPECT_EQ(button.shownValue(), c.value);
  }
}

TEST(ToggleButton, FractionalValueTurnsFullyOnAndEitherButtonToggles) {
  const struct {
    float before;
    float after;
  } cases[] = {{0.0f, 1.0f}, {1.0f, 0.0f}, {0.7f, 1.0f}, {-0.5f, 1.0f}, {2.0f, 0.0f}, {-1.0f, 0.0f}};
  for (ButtonState button : {int32_t(leftButton), int32_t(rightButton)}) {
    for (const auto& c : cases) {
      ButtonScene scene;
      EditLog log;
      ToggleButton toggle(kStepButtonSize, &log, 16, scene.twoFrames.get());
      toggle.putValue(c.before);
      bool framePaintedFirst = false;
      log.onEdit = [&](Canvas*, ValueWidget*) {
        framePaintedFirst = showsPicture(scene.surface, kStepButtonSize, *scene.twoFramesPicture,
                                         Point(0, c.after != 0.0f ? 17 : 0));
      };
      scene.press(toggle, {{button, Point(25, 35)}, {button, Point(25, 35)}, {0, Point()}});
      ASSERT_EQ(log.edits().size(), 1u);
      EXPECT_EQ(log.edits()[0].value, c.after) << "from " << c.before << " button " << button;
      EXPECT_EQ(log.edits()[0].tag, 16);
      EXPECT_TRUE(framePaintedFirst);
    }
  }
}

TEST(ToggleButton, WithoutPixmapPaintsNothingAndStillToggles) {
  ButtonScene scene;
  EditLog log;
  ToggleButton toggle(kStepButtonSize, &log, 0, nullptr);
  scene.press(toggle, {{leftButton, Point(25, 35)}, {0, Point()}});
  EXPECT_EQ(log.values(), std::vector<float>{1.0f});
  for (int32_t y = 0; y < scene.surface.height(); ++y)
    for (int32_t x = 0; x < scene.surface.width(); ++x)
      ASSERT_FALSE(scene.surface.pixel(x, y).differsFrom(colorBlue)) << x << ", " << y;
}

TEST(LatchButton, PaintClampsTheValueAndShowsTheLowerFrameForAnyNonZero) {
  const struct {
    float value;
    float clamped;
    int32_t frameTop;
  } cases[] = {{0.0f, 0.0f, 0},  {1.0f, 1.0f, 17}, {0.3f, 0.3f, 17},
               {5.0f, 1.0f, 17}, {-2.0f, 0.0f, 0}, {std::nanf(""), 0.0f, 0}};
  for (const auto& c : cases) {
    ButtonScene scene;
    LatchButton button(kStepButtonSize, nullptr, 0, 17, scene.twoFrames.get());
    button.putValue(c.value);
    button.paint(&scene.canvas);
    EXPECT_TRUE(showsPicture(scene.surface, kStepButtonSize, *scene.twoFramesPicture, Point(0, c.frameTop)))
        << c.value;
    EXPECT_EQ(button.value(), c.clamped);
    EXPECT_EQ(button.shownValue(), c.clamped);
  }
}

TEST(LatchButton, ChangesStateOnlyWhenReleasedInside) {
  // The button covers x 20 to 33 and y 30 to 47, edges included.
  const struct {
    float before;
    Steps steps;
    std::vector<float> reports;
  } cases[] = {
      {0.0f, {{leftButton, Point(25, 35)}, {leftButton, Point(33, 47)}, {0, Point()}}, {1.0f}},
      {1.0f, {{leftButton, Point(25, 35)}, {0, Point()}}, {0.0f}},
      {0.0f, {{leftButton, Point(25, 35)}, {leftButton, Point(34, 35)}, {0, Point()}}, {1.0f, 0.0f}},
      {0.0f,
       {{rightButton, Point(25, 35)},
        {rightButton, Point(25, 48)},
        {rightButton, Point(20, 30)},
        {0, Point()}},
       {1.0f, 0.0f, 1.0f}},
      // Already released when the press is handled: one flip, always told.
      {0.0f, {{0, Point(25, 35)}}, {1.0f}},
      {0.5f, {{0, Point(25, 35)}}, {0.0f}},
  };
  for (const auto& c : cases) {
    ButtonScene scene;
    EditLog log;
    LatchButton button(kStepButtonSize, &log, 0, 17, scene.twoFrames.get());
    button.putValue(c.before);
    button.paint(&scene.canvas);
    scene.press(button, c.steps);
    EXPECT_EQ(log.values(), c.reports) << "case from " << c.before << " with " << c.steps.size() << " steps";
  }
}

TEST(MomentaryButton, PaintsTheFrameBelowItsSourceOffsetWhenOn) {
  const struct {
    float value;
    int32_t frameTop;
  } cases[] = {{0.0f, 10}, {1.0f, 20}, {0.4f, 20}, {3.0f, 20}, {-1.0f, 10}};
  for (const auto& c : cases) {
    ButtonScene scene;
    MomentaryButton button(kWideSize, nullptr, 0, 10, scene.fourFrames.get(), Point(0, 10));
    button.putValue(c.value);
    button.paint(&scene.canvas);
    EXPECT_TRUE(showsPicture(scene.surface, kWideSize, *scene.fourFramesPicture, Point(0, c.frameTop)))
        << c.value;
  }
}

TEST(MomentaryButton, EveryPressEndsWithAReportOfZero) {
  const struct {
    float before;
    Steps steps;
    std::vector<float> reports;
  } cases[] = {
      {0.0f, {{leftButton, Point(5, 45)}, {leftButton, Point(6, 45)}, {0, Point()}}, {1.0f, 0.0f}},
      {0.0f, {{leftButton, Point(5, 45)}, {leftButton, Point(5, 51)}, {0, Point()}}, {1.0f, 0.0f, 0.0f}},
      {0.0f, {{leftButton, Point(5, 55)}, {0, Point()}}, {0.0f}},
      {0.0f, {{0, Point(5, 45)}}, {1.0f, 0.0f}},
  };
  for (const auto& c : cases) {
    ButtonScene scene;
    EditLog log;
    MomentaryButton button(kWideSize, &log, 0, 10, scene.fourFrames.get(), Point(0, 10));
    button.putValue(c.before);
    button.paint(&scene.canvas);
    scene.press(button, c.steps);
    EXPECT_EQ(log.values(), c.reports) << c.steps.size() << " steps";
    EXPECT_EQ(button.value(), 0.0f);
  }
}

TEST(RockerSwitch, PaintsTheFrameOfEachPosition) {
  const struct {
    float value;
    int32_t frameTop;
  } cases[] = {{-1.0f, 10}, {0.0f, 20}, {1.0f, 30}, {0.5f, 10}};
  for (const auto& c : cases) {
    ButtonScene scene;
    RockerSwitch rocker(kWideSize, nullptr, 0, 10, scene.fourFrames.get(), Point(0, 10));
    rocker.putValue(c.value);
    rocker.paint(&scene.canvas);
    EXPECT_TRUE(showsPicture(scene.surface, kWideSize, *scene.fourFramesPicture, Point(0, c.frameTop)))
        << c.value;
  }
}

TEST(RockerSwitch, MiddleColumnIsLeftAndEveryPressSpringsBackToZero) {
  // 20 wide at left 0: x 0 to 10 is the left half, 11 to 20 the right.
  const struct {
    Steps steps;
    std::vector<float> reports;
  } cases[] = {
      {{{leftButton, Point(0, 45)}, {0, Point()}}, {-1.0f, 0.0f}},
      {{{leftButton, Point(10, 45)}, {0, Point()}}, {-1.0f, 0.0f}},
      {{{leftButton, Point(11, 45)}, {0, Point()}}, {1.0f, 0.0f}},
      {{{leftButton, Point(20, 50)}, {0, Point()}}, {1.0f, 0.0f}},
      {{{leftButton, Point(5, 45)}, {leftButton, Point(15, 45)}, {leftButton, Point(16, 45)}, {0, Point()}},
       {-1.0f, 1.0f, 0.0f}},
      // Outside both halves the value at the press holds.
      {{{leftButton, Point(5, 45)}, {leftButton, Point(5, 51)}, {0, Point()}}, {-1.0f, 0.0f, 0.0f}},
      {{{0, Point(11, 45)}}, {1.0f, 0.0f}},
      {{{0, Point(10, 45)}}, {-1.0f, 0.0f}},
  };
  for (const auto& c : cases) {
    ButtonScene scene;
    EditLog log;
    RockerSwitch rocker(kWideSize, &log, 0, 10, scene.fourFrames.get(), Point(0, 10));
    rocker.paint(&scene.canvas);
    scene.press(rocker, c.steps);
    EXPECT_EQ(log.values(), c.reports)
        << "press at " << c.steps.front().point.h << ", " << c.steps.front().point.v;
  }
}

} // namespace
