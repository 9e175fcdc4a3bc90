// Resampling an area of an image to another size by averaging the pixels each new pixel covers: the
// smoothing stretch that makes a pixmap's image at 150 % from its double-size image. Portable
// arithmetic on plain pixels, so the result is the same on every platform.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "toolkit/graphics/rect.h"

// Pixels as 0x00RRGGBB words, rows top first.
struct PixelImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
};

// The area of the source (inside it) at width x height. Pixels of the key colour, when one is given, are
// holes: they add nothing to their neighbours' colours, and a new pixel at least half hole is the key
// itself; a covered pixel that averages to the key is told apart from it by one step of blue.
PixelImage resampleArea(const PixelImage& source, const Rect& area, int32_t width, int32_t height,
                        std::optional<uint32_t> key);
