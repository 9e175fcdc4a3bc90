// Checks OffscreenCanvas: the whole bitmap starts in its colour (row 0 and column 0 included), blitTo
// places the copy, and every native object it made is gone with it.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/toolkit/support/memory_surface.h"
#include "toolkit/graphics/offscreen_canvas.h"
#include "toolkit/graphics/root_view.h"
#include "tools/probe/resource_census.h"

namespace {

const Color kStart{1, 2, 3, 0};

TEST(OffscreenCanvas, StartsWithEveryPixelInItsColourIncludingRowAndColumnZero) {
  RootView root(Rect(0, 0, 100, 100), nullptr, nullptr);
  // A kept surface made smaller than the canvas, holding another colour from an earlier canvas.
  { OffscreenCanvas earlier(&root, Rect(0, 0, 8, 8), colorRed, root.offscreenSurface()); }
  OffscreenCanvas own(&root, 16, 80, kStart);
  OffscreenCanvas kept(&root, Rect(0, 0, 16, 80), kStart, root.offscreenSurface());
  for (const OffscreenCanvas* canvas : {&own, &kept}) {
    EXPECT_EQ(canvas->width(), 16);
    EXPECT_EQ(canvas->height(), 80);
    for (int32_t y = 0; y < 80; ++y)
      for (int32_t x = 0; x < 16; ++x)
        ASSERT_FALSE(colorOf(GetPixel(canvas->device(), x, y)).differsFrom(kStart))
            << "(" << x << ", " << y << ")";
  }
}

TEST(OffscreenCanvas, BlitToWritesTheAreaAtThePointIntoTheRectangle) {
  RootView root(Rect(0, 0, 100, 100), nullptr, nullptr);
  OffscreenCanvas offscreen(&root, 16, 80, kStart);
  // A marker in the source's corner shows which area was copied.
  SetPixel(offscreen.device(), 4, 8, colorRed.nativeValue());
  struct Case {
    Rect rect;
    Point from;
  };
  const Case cases[] = {{Rect(10, 20, 26, 100), Point(0, 0)}, {Rect(2, 3, 8, 9), Point(4, 8)}};
  for (const Case& c : cases) {
    MemorySurface surface(40, 110, colorBlack);
    {
      Canvas target(nullptr, surface.device(), nullptr);
      offscreen.blitTo(&target, c.rect, c.from);
    }
    for (int32_t y = 0; y < 110; ++y) {
      for (int32_t x = 0; x < 40; ++x) {
        const bool inside = x >= c.rect.left && x < c.rect.right && y >= c.rect.top && y < c.rect.bottom;
        Color expected = colorBlack;
        if (inside) {
          const bool marker = x - c.rect.left + c.from.h == 4 && y - c.rect.top + c.from.v == 8;
          expected = marker ? colorRed : kStart;
        }
        ASSERT_FALSE(surface.pixel(x, y).differsFrom(expected)) << "(" << x << ", " << y << ")";
      }
    }
  }
}

TEST(OffscreenCanvas, DeletesItsDeviceBitmapAndDrawingObjects) {
  RootView root(Rect(0, 0, 100, 100), nullptr, nullptr);
  { OffscreenCanvas warmUp(&root, 4, 4, kStart); }
  const int32_t start = liveGdiObjects();
  {
    OffscreenCanvas canvas(&root, 16, 80, kStart);
    canvas.selectFont(1, 0);
    canvas.setPenWidth(2);
    EXPECT_GT(liveGdiObjects(), start);
  }
  EXPECT_EQ(liveGdiObjects(), start);
}

// The kept surface's device and bitmap outlive the canvases drawn in it, are made again only to grow, and
// go with the view.
TEST(OffscreenCanvas, OverAKeptSurfaceMakesItsDeviceOnceAndTheViewDeletesIt) {
  const int32_t start = liveGdiObjects();
  {
    RootView root(Rect(0, 0, 100, 100), nullptr, nullptr);
    const int32_t withView = liveGdiObjects();
    const Rect areas[] = {Rect(0, 0, 16, 80), Rect(20, 10, 36, 90), Rect(0, 0, 8, 8), Rect(0, 0, 30, 90)};
    for (const Rect& area : areas) {
      HDC device = nullptr;
      {
        OffscreenCanvas canvas(&root, area, kStart, root.offscreenSurface());
        device = canvas.device();
      }
      EXPECT_EQ(liveGdiObjects(), withView + 2);
      EXPECT_EQ(root.offscreenSurface()->deviceFor(nullptr, area.width(), area.height()), device);
    }
  }
  EXPECT_EQ(liveGdiObjects(), start);
}

} // namespace
