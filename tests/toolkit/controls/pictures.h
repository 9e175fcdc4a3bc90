// Test pictures: the tests' own pixmaps held for a scope, their pixels laid out on a surface, and the
// comparison of a painted area with an area of such a picture.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "tests/toolkit/support/memory_surface.h"
#include "toolkit/graphics/pixmap_ref.h"

// A bitmap of the tests, loaded and held for the holder's scope.
class HeldPixmap : public PixmapRef {
public:
  explicit HeldPixmap(int32_t resourceId) : PixmapRef(adopt(new Pixmap(resourceId))) {}
};

// "(red, green, blue)", for failure messages.
std::string rgbText(Color color);

// The pixmap's own pixels on a surface of its size.
std::unique_ptr<MemorySurface> pictureOf(Pixmap* pixmap);

// Success when the area of the surface shows the picture's pixels of an area of the same size starting at
// source; the failure names the first pixel that differs.
testing::AssertionResult showsPicture(const MemorySurface& surface, const Rect& area,
                                      const MemorySurface& picture, Point source);
