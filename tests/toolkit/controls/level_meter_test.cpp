// Checks LevelMeter: rising at once, falling by at most the fall step per paint, holding the value within
// its bounds, and the split into on and off parts along either axis, by pixel.
#include <gtest/gtest.h>

#include <vector>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/controls/pictures.h"
#include "tests/toolkit/support/memory_surface.h"
#include "toolkit/controls/level_meter.h"
#include "toolkit/graphics/canvas.h"

namespace {

constexpr Color kUntouched{1, 2, 3, 0};
// Both meter pictures are 12 x 60 (vertical) or 60 x 12 (wide).
const Rect kTallArea(10, 10, 22, 70);
const Rect kWideArea(10, 10, 70, 22);

struct MeterScene {
  MemorySurface surface{90, 90, kUntouched};
  Canvas canvas{nullptr, surface.device(), nullptr};
};

TEST(LevelMeter, FallsByAtMostTheFallStepPerPaintAndRisesAtOnce) {
  HeldPixmap on(kMeterOnBitmap);
  MeterScene scene;
  LevelMeter meter(kTallArea, on.get(), nullptr, 10, meterVertical);
  meter.setFallStep(0.1f);
  meter.putValue(1.0f);
  meter.paint(&scene.canvas);
  std::vector<float> shown;
  for (int32_t paint = 0; paint < 12; ++paint) {
    meter.putValue(0.0f);
    meter.paint(&scene.canvas);
    shown.push_back(meter.value());
    EXPECT_EQ(meter.shownValue(), meter.value());
  }
  // 0.9, 0.8, ... down to 0, where it stays.
  for (size_t i = 0; i < 9; ++i) EXPECT_NEAR(shown[i], 0.9f - 0.1f * static_cast<float>(i), 1e-5) << i;
  EXPECT_EQ(shown[10], 0.0f);
  EXPECT_EQ(shown[11], 0.0f);

  meter.putValue(0.7f);
  meter.paint(&scene.canvas);
  EXPECT_EQ(meter.value(), 0.7f);
}

TEST(LevelMeter, HoldsTheValueWithinItsBounds) {
  struct Case {
    float value;
    float held;
  };
  HeldPixmap on(kMeterOnBitmap);
  for (const Case& c : {Case{1.5f, 1.0f}, Case{-0.5f, 0.0f}, Case{0.25f, 0.25f}}) {
    MeterScene scene;
    LevelMeter meter(kTallArea, on.get(), nullptr, 10, meterVertical);
    meter.putValue(c.value);
    meter.paint(&scene.canvas);
    EXPECT_EQ(meter.value(), c.held) << c.value;
  }
}

TEST(LevelMeter, SplitsTheBarIntoOnAndOffParts) {
  struct Case {
    int32_t style;
    float value;
    int32_t steps;
    int32_t split; // pixels of off part (vertical, from the top) or of on part (wide, from the left)
  };
  const Case cases[] = {
      {meterVertical, 0.52f, 10, 30}, // k = trunc(4.8 + 0.5) = 5 steps off: 30 rows
      {meterVertical, 1.0f, 10, 0},     {meterVertical, 0.0f, 10, 60},
      {meterVertical, 0.3f, 4, 45},     // k = trunc(2.8 + 0.5) = 3 of 4 steps off
      {meterHorizontal, 0.52f, 10, 30}, // k = trunc(5.2 + 0.5) = 5 steps on: 30 columns
      {meterHorizontal, 0.25f, 10, 18}, // k = trunc(2.5 + 0.5) = 3: half a step lights it
      {meterHorizontal, 0.0f, 10, 0},   {meterHorizontal, 1.0f, 10, 60},
      {meterHorizontal, 0.3f, 4, 15},
  };
  HeldPixmap tallOn(kMeterOnBitmap);
  HeldPixmap tallOff(kMeterOffBitmap);
  HeldPixmap wideOn(kMeterOnWideBitmap);
  HeldPixmap wideOff(kMeterOffWideBitmap);
  for (const Case& c : cases) {
    const bool wide = c.style == meterHorizontal;
    Pixmap* on = wide ? wideOn.get() : tallOn.get();
    Pixmap* off = wide ? wideOff.get() : tallOff.get();
    const auto onPicture = pictureOf(on);
    const auto offPicture = pictureOf(off);
    const Rect area = wide ? kWideArea : kTallArea;
    MeterScene scene;
    LevelMeter meter(area, on, off, c.steps, c.style);
    meter.putValue(c.value);
    meter.paint(&scene.canvas);
    SCOPED_TRACE(testing::Message() << (wide ? "wide" : "tall") << " value " << c.value);
    if (wide) {
      EXPECT_TRUE(showsPicture(scene.surface, Rect(10, 10, 10 + c.split, 22), *onPicture, Point(0, 0)));
      EXPECT_TRUE(
          showsPicture(scene.surface, Rect(10 + c.split, 10, 70, 22), *offPicture, Point(c.split, 0)));
      EXPECT_EQ(meter.onRect().right, 10 + c.split);
      EXPECT_EQ(meter.offRect().left, 10 + c.split);
    } else {
      EXPECT_TRUE(showsPicture(scene.surface, Rect(10, 10, 22, 10 + c.split), *offPicture, Point(0, 0)));
      EXPECT_TRUE(showsPicture(scene.surface, Rect(10, 10 + c.split, 22, 70), *onPicture, Point(0, c.split)));
      EXPECT_EQ(meter.offRect().bottom, 10 + c.split);
      EXPECT_EQ(meter.onRect().top, 10 + c.split);
    }
  }
}

TEST(LevelMeter, WithoutOffPictureTheOffPartIsLeftAloneAndWithoutOnPictureNothingIsDrawn) {
  HeldPixmap on(kMeterOnBitmap);
  MeterScene scene;
  LevelMeter meter(kTallArea, on.get(), nullptr, 10, meterVertical);
  meter.putValue(0.5f);
  meter.paint(&scene.canvas);
  for (int32_t y = 10; y < 40; ++y) ASSERT_FALSE(scene.surface.pixel(15, y).differsFrom(kUntouched)) << y;
  EXPECT_TRUE(scene.surface.pixel(15, 50).differsFrom(kUntouched));

  MeterScene empty;
  LevelMeter blind(kTallArea, nullptr, nullptr, 10, meterVertical);
  blind.putValue(0.5f);
  blind.paint(&empty.canvas);
  EXPECT_FALSE(empty.surface.pixel(15, 50).differsFrom(kUntouched));
  EXPECT_EQ(blind.value(), 0.5f);
}

} // namespace
