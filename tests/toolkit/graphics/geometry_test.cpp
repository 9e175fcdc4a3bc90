// Checks Point, Rect, Color and Scale: hit testing with inclusive edges, construction from corners,
// moving, colour comparison without alpha, the native colour value and the stock colours, and the
// mapping between the layout and the window's pixels at each size with the size for a screen.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/graphics/color.h"
#include "toolkit/graphics/point.h"
#include "toolkit/graphics/rect.h"
#include "toolkit/graphics/scale.h"

namespace {

TEST(Point, LiesInCountsEveryEdgeAsInside) {
  const Rect rect(0, 0, 16, 80);
  struct Case {
    Point point;
    bool inside;
  };
  const Case cases[] = {
      {Point(0, 0), true},   {Point(16, 80), true},  {Point(16, 0), true},
      {Point(0, 80), true},  {Point(8, 40), true},   {Point(17, 40), false},
      {Point(8, 81), false}, {Point(-1, 40), false}, {Point(8, -1), false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.point.liesIn(rect), c.inside) << "(" << c.point.h << ", " << c.point.v << ")";
}

TEST(Rect, FromCornersSortsEachAxis) {
  const Rect swapped = Rect::fromCorners(10, 20, 5, 2);
  EXPECT_EQ(swapped.left, 5);
  EXPECT_EQ(swapped.top, 2);
  EXPECT_EQ(swapped.right, 10);
  EXPECT_EQ(swapped.bottom, 20);
  const Rect flat = Rect::fromCorners(7, 1, 7, 9);
  EXPECT_EQ(flat.width(), 0);
  EXPECT_EQ(flat.height(), 8);
}

TEST(Rect, ConstructorKeepsSwappedCornersAndSizesGoNegative) {
  const Rect rect(10, 20, 5, 2);
  EXPECT_EQ(rect.left, 10);
  EXPECT_EQ(rect.bottom, 2);
  EXPECT_EQ(rect.width(), -5);
  EXPECT_EQ(rect.height(), -18);
}

TEST(Rect, MoveByShiftsBothEdgesOfEachAxis) {
  Rect rect(11, 103, 27, 183);
  rect.moveBy(19, 0);
  EXPECT_EQ(rect.left, 30);
  EXPECT_EQ(rect.top, 103);
  EXPECT_EQ(rect.right, 46);
  EXPECT_EQ(rect.bottom, 183);
  rect.moveBy(-30, -3);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 100);
  EXPECT_EQ(rect.width(), 16);
  EXPECT_EQ(rect.height(), 80);
}

TEST(Color, DiffersFromIgnoresAlpha) {
  struct Case {
    Color a;
    Color b;
    bool differs;
  };
  const Case cases[] = {
      {{1, 2, 3, 0}, {1, 2, 3, 255}, false},
      {{1, 2, 3, 0}, {1, 2, 4, 0}, true},
      {{1, 2, 3, 0}, {1, 9, 3, 0}, true},
      {{1, 2, 3, 0}, {0, 2, 3, 0}, true},
  };
  for (const Case& c : cases) EXPECT_EQ(c.a.differsFrom(c.b), c.differs);
}

TEST(Color, StockColoursHaveTheirValuesAndNativeForm) {
  struct Case {
    const Color* color;
    uint8_t red, green, blue;
  };
  const Case cases[] = {
      {&colorTransparentKey, 255, 255, 255},
      {&colorBlack, 0, 0, 0},
      {&colorWhite, 255, 255, 255},
      {&colorGrey, 127, 127, 127},
      {&colorRed, 255, 0, 0},
      {&colorGreen, 0, 255, 0},
      {&colorBlue, 0, 0, 255},
      {&colorYellow, 255, 255, 0},
      {&colorMagenta, 255, 0, 255},
      {&colorCyan, 0, 255, 255},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.color->red, c.red);
    EXPECT_EQ(c.color->green, c.green);
    EXPECT_EQ(c.color->blue, c.blue);
    EXPECT_EQ(c.color->alpha, 0);
    EXPECT_EQ(c.color->nativeValue(), RGB(c.red, c.green, c.blue));
  }
  EXPECT_EQ(colorCyan.nativeValue(), 0xFFFF00u);
  EXPECT_EQ(colorRed.nativeValue(), 0x0000FFu);
}

TEST(Color, NativeValueDropsAlpha) {
  const Color color{0x12, 0x34, 0x56, 0x78};
  EXPECT_EQ(color.nativeValue(), 0x563412u);
}

// Each layout pixel becomes the block of window pixels from its edge to the next one's; every window pixel
// maps back to the layout pixel whose block holds it, on both sides of the origin.
TEST(Scale, MapsLayoutEdgesToWindowEdgesAndWindowPixelsBackToTheirBlocks) {
  struct Case {
    int32_t percent;
    int32_t layout;
    int32_t windowEdge;
    int32_t length;
  };
  const Case cases[] = {
      {100, 7, 7, 7},   {100, -3, -3, -3},   {150, 0, 0, 0},       {150, 1, 1, 2},
      {150, 2, 3, 3},   {150, 3, 4, 5},      {150, -1, -2, -1},    {150, 386, 579, 579},
      {200, 5, 10, 10}, {200, -5, -10, -10}, {200, 240, 480, 480}, {175, 5, 5, 5},
  };
  for (const Case& c : cases) {
    const Scale scale = Scale::ofPercent(c.percent);
    EXPECT_EQ(scale.toWindow(c.layout), c.windowEdge) << c.percent << " % " << c.layout;
    EXPECT_EQ(scale.length(c.layout), c.length) << c.percent << " % " << c.layout;
    for (int32_t x = scale.toWindow(c.layout); x < scale.toWindow(c.layout + 1); ++x)
      EXPECT_EQ(scale.fromWindow(x), c.layout) << c.percent << " % window " << x;
  }
}

TEST(Scale, SizeForAScreenIsTheLargestWhoseDensityItReaches) {
  const struct {
    int32_t dotsPerInch;
    int32_t percent;
  } cases[] = {{0, 100}, {96, 100}, {143, 100}, {144, 150}, {191, 150}, {192, 200}, {288, 200}};
  for (const auto& c : cases)
    EXPECT_EQ(Scale::forScreenDensity(c.dotsPerInch).percent(), c.percent) << c.dotsPerInch;
}

} // namespace
