// Checks Pixmap on real GDI: loading from the executable's resources, opaque and keyed drawing (only
// exactly (255, 255, 255) left out, the shared bitmap intact afterwards), the cached key mask, drawing at
// a scale without a double-size image, the resampling that makes the images at 150 %, and the reference
// count that frees every native object at the last release.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/toolkit/bitmaps/test_bitmaps.h"
#include "tests/toolkit/support/memory_surface.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/pixmap_ref.h"
#include "toolkit/graphics/resample.h"
#include "toolkit/graphics/root_view.h"
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

// The mask and the devices holding the image and the mask are made by the first keyed drawing and kept: an
// opaque drawing copies from the image's device too.
TEST(Pixmap, KeyMaskAndTheDevicesDrawnFromAreMadeOnceAndGoWithThePixmap) {
  MemorySurface surface(8, 4, kBackground);
  Canvas canvas(nullptr, surface.device(), nullptr);
  const int32_t start = liveGdiObjects();
  PixmapRef pixmap = PixmapRef::adopt(new Pixmap(kKeyedBitmap));
  EXPECT_EQ(liveGdiObjects(), start + 1);
  pixmap->drawKeyed(&canvas, Rect(0, 0, 8, 4), Point(0, 0));
  EXPECT_EQ(liveGdiObjects(), start + 4);
  pixmap->drawKeyed(&canvas, Rect(0, 0, 8, 4), Point(0, 0));
  pixmap->drawOpaque(&canvas, Rect(0, 0, 8, 4), Point(0, 0));
  EXPECT_EQ(liveGdiObjects(), start + 4);
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

// The tests' bitmaps have no double-size image: at 200 % each pixel is drawn as its block, the key's blocks
// left out. The area made for 200 % is kept for the next drawing, and goes once drawn at 100 % again.
TEST(Pixmap, WithoutADoubleSizeImageEachPixelBecomesItsBlockAndTheLargerImagesGoAt100Percent) {
  const PixmapRef pixmap = PixmapRef::adopt(new Pixmap(kKeyedBitmap));
  RootView root(Rect(0, 0, 10, 6), nullptr, nullptr, Scale::ofPercent(200));
  MemorySurface window(20, 12, kBackground);
  Canvas scaled(&root, window.device(), nullptr);
  for (const bool keyed : {false, true}) {
    MemorySurface layout(10, 6, kBackground);
    window.fill(kBackground);
    Canvas plain(nullptr, layout.device(), nullptr);
    for (Canvas* canvas : {&scaled, &plain}) {
      if (keyed)
        pixmap->drawKeyed(canvas, Rect(1, 1, 9, 5), Point(0, 0));
      else
        pixmap->drawOpaque(canvas, Rect(1, 1, 7, 5), Point(2, 0));
    }
    for (int32_t y = 0; y < 12; ++y)
      for (int32_t x = 0; x < 20; ++x)
        ASSERT_FALSE(window.pixel(x, y).differsFrom(layout.pixel(x / 2, y / 2)))
            << (keyed ? "keyed" : "opaque") << " (" << x << ", " << y << ")";
  }
  MemorySurface surface(8, 4, kBackground);
  Canvas plain(nullptr, surface.device(), nullptr);
  const int32_t at100 = liveGdiObjects();
  pixmap->drawOpaque(&scaled, Rect(0, 0, 8, 4), Point(0, 0));
  EXPECT_GT(liveGdiObjects(), at100);
  pixmap->drawOpaque(&plain, Rect(0, 0, 8, 4), Point(0, 0));
  EXPECT_EQ(liveGdiObjects(), at100);
}

// Small numbers are blue alone, so each case reads as one row of numbers; K is the key colour, white.
TEST(Resample, EachNewPixelAveragesWhatItCoversAndKeyPixelsAreHoles) {
  constexpr uint32_t K = 0xFFFFFF;
  const struct {
    const char* name;
    std::vector<uint32_t> source;
    Rect area;
    int32_t width;
    bool keyed;
    std::vector<uint32_t> expected;
  } cases[] = {
      {"four to three", {0, 40, 80, 120}, Rect(0, 0, 4, 1), 3, false, {10, 60, 110}},
      {"two to four", {20, 60}, Rect(0, 0, 2, 1), 4, false, {20, 20, 60, 60}},
      {"an area of four to two", {9, 0, 40, 80, 120, 9}, Rect(1, 0, 5, 1), 2, false, {20, 100}},
      {"a pixel mostly hole is the key", {K, 100, 100}, Rect(0, 0, 3, 1), 2, true, {K, 100}},
      {"a covered average that rounds to the key",
       {0xFFFFFE, 0xFFFEFF},
       Rect(0, 0, 2, 1),
       1,
       true,
       {0xFFFFFE}},
      {"white without a key", {K, K}, Rect(0, 0, 2, 1), 1, false, {K}},
  };
  for (const auto& c : cases) {
    const PixelImage source{static_cast<int32_t>(c.source.size()), 1, c.source};
    const std::optional<uint32_t> key = c.keyed ? std::optional<uint32_t>(K) : std::nullopt;
    EXPECT_EQ(resampleArea(source, c.area, c.width, 1, key).pixels, c.expected) << c.name;
  }
}

} // namespace
