// Checks Pixmap on real GDI: loading from the executable's resources, opaque and keyed drawing (only
// exactly (255, 255, 255) left out, the shared bitmap intact afterwards), the cached key mask and the
// reference count that frees every native object at the last release.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/support/memory_surface.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "tools/probe/resource_census.h"

namespace {

const Color kBackground{200, 0, 200, 0};
const Color kNearKey{255, 255, 254, 0};

// Draws the pixmap opaquely on a surface of its own size: what the image holds, pixel by pixel.
void drawImageOf(Pixmap* pixmap, MemorySurface& surface) {
  Canvas canvas(nullptr, surface.device(), nullptr);
  pixmap->drawOpaque(&canvas, Rect(0, 0, pixmap->width(), pixmap->height()), Point(0, 0));
}

TEST(Pixmap, LoadsTheResourceNamedByTheLow16BitsOfItsId) {
  const PixmapRef keyed = PixmapRef::adopt(new Pixmap(kKeyedBitmap));
  EXPECT_EQ(keyed->width(), 8);
  EXPECT_EQ(keyed->height(), 4);
  const PixmapRef high = PixmapRef::adopt(new Pixmap(0x10000 + kBackdropBitmap));
  EXPECT_EQ(high->resourceId(), 0x10000 + kBackdropBitmap);
  EXPECT_EQ(high->width(), 80);
  EXPECT_EQ(high->height(), 50);
}

TEST(Pixmap, MissingResourceGivesAnEmptyPixmapThatDrawsNothing) {
  const PixmapRef missing = PixmapRef::adopt(new Pixmap(999));
  EXPECT_EQ(missing->width(), 0);
  EXPECT_EQ(missing->height(), 0);
  MemorySurface surface(8, 8, kBackground);
  MemorySurface untouched(8, 8, kBackground);
  {
    Canvas canvas(nullptr, surface.device(), nullptr);
    missing->drawOpaque(&canvas, Rect(0, 0, 8, 8), Point(0, 0));
    missing->drawKeyed(&canvas, Rect(0, 0, 8, 8), Point(0, 0));
  }
  EXPECT_TRUE(surface.samePixelsAs(untouched));
}

TEST(Pixmap, DrawOpaqueCopiesTheAreaAtTheOffsetToTheRectangle) {
  const PixmapRef pixmap = PixmapRef::adopt(new Pixmap(kKeyedBitmap));
  MemorySurface image(8, 4, kBackground);
  drawImageOf(pixmap, image);
  MemorySurface surface(12, 8, kBackground);
  {
    Canvas canvas(nullptr, surface.device(), nullptr);
    pixmap->drawOpaque(&canvas, Rect(3, 2, 6, 4), Point(5, 1));
  }
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 12; ++x) {
      const bool copied = x >= 3 && x < 6 && y >= 2 && y < 4;
      const Color expected = copied ? image.pixel(x - 3 + 5, y - 2 + 1) : kBackground;
      ASSERT_FALSE(surface.pixel(x, y).differsFrom(expected)) << "(" << x << ", " << y << ")";
    }
  }
}

TEST(Pixmap, KeyedDrawingLeavesOutExactlyTheKeyColour) {
  const PixmapRef pixmap = PixmapRef::adopt(new Pixmap(kKeyedBitmap));
  MemorySurface image(8, 4, kBackground);
  drawImageOf(pixmap, image);
  // The test image: key colour in columns 0 to 3, one off the key in column 4.
  ASSERT_FALSE(image.pixel(0, 0).differsFrom(colorTransparentKey));
  ASSERT_FALSE(image.pixel(4, 2).differsFrom(kNearKey));

  for (const Point at : {Point(0, 0), Point(3, 2)}) {
    MemorySurface surface(14, 9, kBackground);
    {
      Canvas canvas(nullptr, surface.device(), nullptr);
      pixmap->drawKeyed(&canvas, Rect(at.h, at.v, at.h + 8, at.v + 4), Point(0, 0));
    }
    for (int32_t y = 0; y < 9; ++y) {
      for (int32_t x = 0; x < 14; ++x) {
        const bool covered = x >= at.h && x < at.h + 8 && y >= at.v && y < at.v + 4;
        Color expected = kBackground;
        if (covered) {
          const Color source = image.pixel(x - at.h, y - at.v);
          if (source.differsFrom(colorTransparentKey)) expected = source;
        }
        ASSERT_FALSE(surface.pixel(x, y).differsFrom(expected)) << "(" << x << ", " << y << ")";
      }
    }
  }
}

TEST(Pixmap, KeyedDrawingOfAnAllKeyImageLeavesTheCanvasUnchanged) {
  const PixmapRef pixmap = PixmapRef::adopt(new Pixmap(kAllKeyBitmap));
  MemorySurface surface(6, 6, kBackground);
  MemorySurface reference(6, 6, kBackground);
  for (MemorySurface* s : {&surface, &reference}) {
    SetPixel(s->device(), 1, 1, RGB(1, 2, 3));
    SetPixel(s->device(), 2, 3, RGB(250, 250, 250));
  }
  {
    Canvas canvas(nullptr, surface.device(), nullptr);
    pixmap->drawKeyed(&canvas, Rect(0, 0, 4, 4), Point(0, 0));
  }
  EXPECT_TRUE(surface.samePixelsAs(reference));
}

TEST(Pixmap, KeyedDrawingOfAnImageWithoutKeyEqualsOpaqueDrawing) {
  const PixmapRef pixmap = PixmapRef::adopt(new Pixmap(kNoKeyBitmap));
  MemorySurface keyed(6, 6, kBackground);
  MemorySurface opaque(6, 6, kBackground);
  {
    Canvas keyedCanvas(nullptr, keyed.device(), nullptr);
    pixmap->drawKeyed(&keyedCanvas, Rect(1, 1, 5, 5), Point(0, 0));
    Canvas opaqueCanvas(nullptr, opaque.device(), nullptr);
    pixmap->drawOpaque(&opaqueCanvas, Rect(1, 1, 5, 5), Point(0, 0));
  }
  EXPECT_TRUE(keyed.samePixelsAs(opaque));
  EXPECT_FALSE(keyed.pixel(2, 2).differsFrom(opaque.pixel(2, 2)));
  EXPECT_TRUE(keyed.pixel(2, 2).differsFrom(kBackground));
}

TEST(Pixmap, KeyedDrawingGivesTheSharedBitmapItsPixelsBack) {
  const PixmapRef pixmap = PixmapRef::adopt(new Pixmap(kKeyedBitmap));
  MemorySurface before(8, 4, kBackground);
  drawImageOf(pixmap, before);
  MemorySurface scratch(8, 4, kBackground);
  {
    Canvas canvas(nullptr, scratch.device(), nullptr);
    pixmap->drawKeyed(&canvas, Rect(0, 0, 8, 4), Point(0, 0));
    pixmap->drawKeyed(&canvas, Rect(0, 0, 8, 4), Point(0, 0));
  }
  MemorySurface after(8, 4, kBackground);
  drawImageOf(pixmap, after);
  EXPECT_TRUE(after.samePixelsAs(before));
  EXPECT_FALSE(after.pixel(0, 0).differsFrom(colorTransparentKey));
}

TEST(Pixmap, KeyMaskIsBuiltOnceAndEverythingElseOfKeyedDrawingIsFreed) {
  MemorySurface surface(8, 4, kBackground);
  Canvas canvas(nullptr, surface.device(), nullptr);
  const int32_t start = liveGdiObjects();
  PixmapRef pixmap = PixmapRef::adopt(new Pixmap(kKeyedBitmap));
  EXPECT_EQ(liveGdiObjects(), start + 1);
  pixmap->drawKeyed(&canvas, Rect(0, 0, 8, 4), Point(0, 0));
  EXPECT_EQ(liveGdiObjects(), start + 2);
  pixmap->drawKeyed(&canvas, Rect(0, 0, 8, 4), Point(0, 0));
  pixmap->drawOpaque(&canvas, Rect(0, 0, 8, 4), Point(0, 0));
  EXPECT_EQ(liveGdiObjects(), start + 2);
  pixmap.reset();
  EXPECT_EQ(liveGdiObjects(), start);
}

TEST(Pixmap, LastOfThreeReleasesDestroysIt) {
  const int32_t start = liveGdiObjects();
  PixmapRef first = PixmapRef::adopt(new Pixmap(kKeyedBitmap));
  PixmapRef second = first;
  PixmapRef third(first.get());
  first.reset();
  second.reset();
  EXPECT_EQ(liveGdiObjects(), start + 1);
  EXPECT_EQ(third->width(), 8);
  third.reset();
  EXPECT_EQ(liveGdiObjects(), start);
}

} // namespace
