// Checks VerticalSwitch and HorizontalSwitch on real GDI: the frame painted for each value, the band
// boundaries along each axis (the horizontal bands dividing the pixmap's width), tracking across bands
// with any button, and Alt+click reset.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/controls/edit_log.h"
#include "tests/toolkit/controls/pictures.h"
#include "tests/toolkit/controls/shared_window.h"
#include "tests/toolkit/support/scripted_input.h"
#include "toolkit/controls/horizontal_switch.h"
#include "toolkit/controls/vertical_switch.h"
#include "toolkit/graphics/canvas.h"

namespace {

using Steps = std::vector<ScriptedInput::Step>;

// Three positions, frames of 30 rows in a 30-wide pixmap: the bands are 10 pixels along either axis.
const Rect kSwitchSize(40, 20, 70, 50);

struct SwitchScene {
  HWND window = sharedWindow();
  MemorySurface surface{100, 100, colorBlue};
  Canvas canvas{nullptr, surface.device(), window};
  HeldPixmap frames{kThreeFramesBitmap};
  std::unique_ptr<MemorySurface> picture = pictureOf(frames.get());
  EditLog log;

  // Paints the switch at the value, then presses it with the script running.
  void press(VerticalSwitch& control, float value, const Steps& steps) {
    control.putValue(value);
    control.paint(&canvas);
    ScriptedInput input(window, steps);
    Point point = steps.front().point;
    control.mousePressed(&canvas, point);
  }
};

TEST(VerticalSwitch, PaintsTheFirstFrameWhoseUpperBoundExceedsTheValue) {
  const struct {
    float value;
    int32_t frame;
  } cases[] = {{0.0f, 0}, {0.4f, 0}, {0.5f, 1}, {0.99f, 1}, {1.0f, 2}, {1.5f, 2}, {-1.0f, 0}};
  for (const auto& c : cases) {
    SwitchScene scene;
    VerticalSwitch vertical(kSwitchSize, nullptr, 0, 30, 3, scene.frames.get());
    HorizontalSwitch horizontal(kSwitchSize, nullptr, 0, 30, 3, scene.frames.get());
    for (VerticalSwitch* control :
         {static_cast<VerticalSwitch*>(&vertical), static_cast<VerticalSwitch*>(&horizontal)}) {
      scene.surface.fill(colorBlue);
      control->putValue(c.value);
      control->paint(&scene.canvas);
      EXPECT_TRUE(showsPicture(scene.surface, kSwitchSize, *scene.picture, Point(0, 30 * c.frame)))
          << c.value;
      EXPECT_EQ(control->shownValue(), c.value);
    }
  }
}

TEST(VerticalSwitch, BandsEndBeforeTheirBound) {
  const struct {
    int32_t dy;
    float value;
  } cases[] = {{-5, 0.0f}, {0, 0.0f}, {9, 0.0f}, {10, 0.5f}, {19, 0.5f}, {20, 1.0f}, {29, 1.0f}, {45, 1.0f}};
  for (const auto& c : cases) {
    SwitchScene scene;
    VerticalSwitch control(kSwitchSize, &scene.log, 0, 30, 3, scene.frames.get());
    const Point at(50, kSwitchSize.top + c.dy);
    scene.press(control, -1.0f, {{leftButton, at}, {0, Point()}});
    EXPECT_EQ(scene.log.values(), std::vector<float>{c.value}) << "dy " << c.dy;
  }
}

TEST(HorizontalSwitch, BandsDivideThePixmapsWidthAndEndOnTheirBound) {
  // Two frames 13 wide and 17 high make bands of 6.5 in the 30-wide control, where neither the frame
  // height nor the control's width would put the bound.
  const struct {
    int32_t bitmap;
    int32_t frameHeight;
    int32_t positions;
    int32_t dx;
    float value;
  } cases[] = {{kThreeFramesBitmap, 30, 3, 0, 0.0f},  {kThreeFramesBitmap, 30, 3, 10, 0.0f},
               {kThreeFramesBitmap, 30, 3, 11, 0.5f}, {kThreeFramesBitmap, 30, 3, 20, 0.5f},
               {kThreeFramesBitmap, 30, 3, 21, 1.0f}, {kThreeFramesBitmap, 30, 3, 29, 1.0f},
               {kTwoFramesBitmap, 17, 2, 6, 0.0f},    {kTwoFramesBitmap, 17, 2, 7, 1.0f}};
  for (const auto& c : cases) {
    SwitchScene scene;
    HeldPixmap frames(c.bitmap);
    HorizontalSwitch control(kSwitchSize, &scene.log, 0, c.frameHeight, c.positions, frames.get());
    const Point at(kSwitchSize.left + c.dx, 90);
    scene.press(control, -1.0f, {{leftButton, at}, {0, Point()}});
    EXPECT_EQ(scene.log.values(), std::vector<float>{c.value}) << "dx " << c.dx;
  }
}

TEST(VerticalSwitch, TracksAnyButtonAcrossTheBandsReportingEachBandOnce) {
  for (ButtonState button : {int32_t(leftButton), int32_t(rightButton), int32_t(leftPressWithShift)}) {
    SwitchScene scene;
    VerticalSwitch control(kSwitchSize, &scene.log, 0, 30, 3, scene.frames.get());
    scene.press(control, 0.0f,
                {{button, Point(50, 25)},
                 {button, Point(50, 31)},
                 {button, Point(50, 33)},
                 {button, Point(50, 45)},
                 {button, Point(50, 22)},
                 {0, Point(50, 35)}});
    EXPECT_EQ(scene.log.values(), (std::vector<float>{0.5f, 1.0f, 0.0f})) << button;
    EXPECT_EQ(control.shownValue(), 0.0f);
  }
}

TEST(VerticalSwitch, AltClickRestoresTheResetValueAndReportsOnlyAChange) {
  const struct {
    float value;
    bool changeReset;
    std::vector<float> reports;
  } cases[] = {{1.0f, false, {0.0f}}, {0.0f, false, {}}, {0.0f, true, {0.5f}}};
  for (const auto& c : cases) {
    SwitchScene scene;
    VerticalSwitch control(kSwitchSize, &scene.log, 0, 30, 3, scene.frames.get());
    if (c.changeReset) control.setResetValue(0.5f);
    scene.press(control, c.value, {{leftPressWithAlt, Point(50, 45)}});
    EXPECT_EQ(scene.log.values(), c.reports) << c.value;
  }
}

} // namespace
