// Checks the passive strip and number views: the frame FilmstripDisplay picks, FrameAnimation's start,
// stop and frame stepping, and the digits DigitDisplay draws at its own positions.
#include <gtest/gtest.h>

#include <vector>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/controls/edit_log.h"
#include "tests/toolkit/controls/pictures.h"
#include "tests/toolkit/support/memory_surface.h"
#include "toolkit/controls/digit_display.h"
#include "toolkit/controls/filmstrip_display.h"
#include "toolkit/controls/frame_animation.h"
#include "toolkit/graphics/canvas.h"

namespace {

// The knob strip: 5 frames of 32 x 32.
constexpr int32_t kFrames = 5;
constexpr int32_t kFrameHeight = 32;
constexpr Color kUntouched{1, 2, 3, 0};

struct Paper {
  MemorySurface surface{120, 80, kUntouched};
  Canvas canvas{nullptr, surface.device(), nullptr};
};

bool untouched(const MemorySurface& surface, const Rect& area) {
  for (int32_t y = area.top; y < area.bottom; ++y)
    for (int32_t x = area.left; x < area.right; ++x)
      if (surface.pixel(x, y).differsFrom(kUntouched)) return false;
  return true;
}

TEST(FilmstripDisplay, ShowsTheFrameNearestToItsValue) {
  struct Case {
    float value;
    int32_t frame;
    float stored;
  };
  const Case cases[] = {
      {0.6f, 2, 0.6f},     {0.63f, 3, 0.63f}, {0.0f, 0, 0.0f}, {0.1f, 0, 0.1f},
      {0.125f, 1, 0.125f}, {1.0f, 4, 1.0f},   {1.7f, 4, 1.0f}, {-0.5f, 0, -0.5f},
  };
  HeldPixmap strip(kKnobStripBitmap);
  const auto picture = pictureOf(strip.get());
  const Rect area(10, 10, 38, 40);
  for (const Case& c : cases) {
    Paper paper;
    FilmstripDisplay display(area, nullptr, 0, kFrames, kFrameHeight, strip.get(), Point(4, 2));
    display.putValue(c.value);
    display.paint(&paper.canvas);
    EXPECT_TRUE(showsPicture(paper.surface, area, *picture, Point(4, 2 + c.frame * kFrameHeight))) << c.value;
    EXPECT_EQ(display.value(), c.stored);
    EXPECT_EQ(display.shownValue(), c.stored);
  }
}

struct AnimationScene {
  HeldPixmap strip{kKnobStripBitmap};
  std::unique_ptr<MemorySurface> picture = pictureOf(strip.get());
  EditLog log{EditLog::Repaint::never};
  Rect area{10, 10, 42, 42};
  FrameAnimation animation{area, &log, 6, kFrames, kFrameHeight, strip.get(), Point(0, 0)};
  Paper paper;

  void press() {
    Point point(20, 20);
    animation.mousePressed(&paper.canvas, point);
  }
  bool showsFrame(int32_t frame) const {
    return showsPicture(paper.surface, area, *picture, Point(0, frame * kFrameHeight));
  }
};

TEST(FrameAnimation, DrawsNothingUntilAPressStartsIt) {
  AnimationScene scene;
  scene.animation.putValue(64.0f);
  scene.animation.refreshIfChanged(&scene.paper.canvas);
  EXPECT_TRUE(untouched(scene.paper.surface, scene.area));

  scene.press();
  EXPECT_TRUE(scene.animation.isRunning());
  EXPECT_EQ(scene.animation.value(), 0.0f);
  EXPECT_EQ(scene.animation.shownValue(), -1.0f);
  ASSERT_EQ(scene.log.edits().size(), 1u);
  EXPECT_EQ(scene.log.edits()[0].tag, 6);
  scene.animation.refreshIfChanged(&scene.paper.canvas);
  EXPECT_TRUE(scene.showsFrame(0));
}

TEST(FrameAnimation, StepsWholeFramesRoundTheStripBothWays) {
  AnimationScene scene;
  scene.press();
  std::vector<int32_t> forward;
  for (int32_t i = 0; i < 7; ++i) {
    scene.animation.nextFrame();
    forward.push_back(static_cast<int32_t>(scene.animation.value()));
  }
  EXPECT_EQ(forward, (std::vector<int32_t>{32, 64, 96, 128, 0, 32, 64}));
  std::vector<int32_t> back;
  for (int32_t i = 0; i < 4; ++i) {
    scene.animation.previousFrame();
    back.push_back(static_cast<int32_t>(scene.animation.value()));
  }
  EXPECT_EQ(back, (std::vector<int32_t>{32, 0, 128, 96}));
  scene.animation.refreshIfChanged(&scene.paper.canvas);
  EXPECT_TRUE(scene.showsFrame(3));
}

TEST(FrameAnimation, APressWhileRunningShowsTheFirstFrameAndStops) {
  AnimationScene scene;
  scene.press();
  scene.animation.nextFrame();
  scene.animation.nextFrame();
  scene.animation.refreshIfChanged(&scene.paper.canvas);
  ASSERT_TRUE(scene.showsFrame(2));
  scene.press();
  EXPECT_FALSE(scene.animation.isRunning());
  EXPECT_TRUE(scene.showsFrame(0));
  EXPECT_EQ(scene.log.edits().size(), 1u) << "stopping is not reported";
  // Stopped, it shows nothing new.
  scene.paper.surface.fill(kUntouched);
  scene.animation.nextFrame();
  scene.animation.refreshIfChanged(&scene.paper.canvas);
  EXPECT_TRUE(untouched(scene.paper.surface, scene.area));
}

TEST(FrameAnimation, APressOnAnAnimationThatIsNotClickableChangesNothing) {
  AnimationScene scene;
  scene.animation.setClickable(false);
  scene.press();
  EXPECT_FALSE(scene.animation.isRunning());
  EXPECT_TRUE(scene.log.edits().empty());
}

// Digits of 10 x 16, at positions of their own well away from the control's rectangle.
constexpr int32_t kDigitWidth = 10;
constexpr int32_t kDigitHeight = 16;
const int32_t kXs[] = {20, 32, 44, 56, 68, 80, 92};
const int32_t kYs[] = {30, 31, 32, 33, 34, 35, 36};

TEST(DigitDisplay, DrawsTheWholePartWithinItsRangeWithLeadingZeros) {
  struct Case {
    int32_t digitCount;
    float value;
    std::vector<int32_t> digits;
  };
  const Case cases[] = {
      {3, 1234.0f, {9, 9, 9}}, {3, -5.0f, {0, 0, 0}},
      {3, 42.9f, {0, 4, 2}},   {3, 999.9f, {9, 9, 9}},
      {3, 7.0f, {0, 0, 7}},    {1, 5.0f, {5}},
      {1, 12.0f, {9}},         {7, 1234567.0f, {1, 2, 3, 4, 5, 6, 7}},
      {2, 10.0f, {1, 0}},      {3, 100.0f, {1, 0, 0}},
  };
  HeldPixmap digits(kDigitsBitmap);
  const auto picture = pictureOf(digits.get());
  for (const Case& c : cases) {
    Paper paper;
    DigitDisplay display(Rect(0, 0, 2, 2), nullptr, 0, 0, c.digitCount, kXs, kYs, kDigitWidth, kDigitHeight,
                         digits.get());
    display.putValue(c.value);
    display.refreshIfChanged(&paper.canvas);
    for (int32_t i = 0; i < c.digitCount; ++i) {
      const Rect place(kXs[i], kYs[i], kXs[i] + kDigitWidth, kYs[i] + kDigitHeight);
      EXPECT_TRUE(showsPicture(paper.surface, place, *picture, Point(0, c.digits[i] * kDigitHeight)))
          << "value " << c.value << " digit " << i;
    }
    EXPECT_TRUE(untouched(paper.surface, Rect(kXs[c.digitCount - 1] + kDigitWidth, 0, 120, 80)));
    EXPECT_TRUE(untouched(paper.surface, Rect(0, 0, 2, 2))) << "drew into its own rectangle";
    EXPECT_EQ(display.shownValue(), c.value);
  }
}

TEST(DigitDisplay, TheRangeFollowsTheDigitCount) {
  struct Case {
    int32_t digitCount;
    float maximum;
  };
  // Counts outside 1 to 7 are taken as the nearer of the two, as 7 positions are all it keeps.
  const Case cases[] = {{1, 9.0f}, {3, 999.0f}, {7, 9999999.0f}, {9, 9999999.0f}, {0, 9.0f}};
  for (const Case& c : cases) {
    DigitDisplay display(Rect(0, 0, 2, 2), nullptr, 0, 42, c.digitCount, kXs, kYs, kDigitWidth, kDigitHeight,
                         nullptr);
    EXPECT_EQ(display.minimum(), 0.0f);
    EXPECT_EQ(display.maximum(), c.maximum) << c.digitCount;
    EXPECT_EQ(display.value(), 42.0f);
  }
}

TEST(DigitDisplay, NormalizedValueIsTheFractionOfTheMaximumWithinZeroToOne) {
  struct Case {
    float value;
    float fraction;
  };
  for (const Case& c : {Case{499.5f, 0.5f}, Case{0.0f, 0.0f}, Case{2000.0f, 1.0f}, Case{-3.0f, 0.0f}}) {
    DigitDisplay display(Rect(0, 0, 2, 2), nullptr, 0, 0, 3, kXs, kYs, kDigitWidth, kDigitHeight, nullptr);
    display.putValue(c.value);
    EXPECT_FLOAT_EQ(display.normalizedValue(), c.fraction) << c.value;
  }
}

TEST(DigitDisplay, ARangeChangedByItsOwnerStillDrawsDigitsThatExist) {
  HeldPixmap digits(kDigitsBitmap);
  const auto picture = pictureOf(digits.get());
  Paper paper;
  DigitDisplay display(Rect(0, 0, 2, 2), nullptr, 0, 0, 2, kXs, kYs, kDigitWidth, kDigitHeight, digits.get());
  display.setMaximum(5000.0f);
  display.setMinimum(-50.0f);
  for (float value : {4321.0f, -42.0f}) {
    display.putValue(value);
    display.paint(&paper.canvas);
    for (int32_t i = 0; i < 2; ++i) {
      const Rect place(kXs[i], kYs[i], kXs[i] + kDigitWidth, kYs[i] + kDigitHeight);
      const int32_t digit = value > 0.0f ? 9 : 0;
      EXPECT_TRUE(showsPicture(paper.surface, place, *picture, Point(0, digit * kDigitHeight))) << value;
    }
  }
}

} // namespace
