// Scale: the size an editor is shown at (100, 150 or 200 %) and the one mapping between the widgets'
// layout at 100 % and the pixels of the window. Edges map by truncation, so the pixels a rectangle
// covers at 100 % become a block of whole pixels that tiles with its neighbours' blocks at any size.
#pragma once

#include <cstdint>

#include "toolkit/graphics/point.h"
#include "toolkit/graphics/rect.h"

class Scale {
public:
  static constexpr int32_t kSizeCount = 3;
  // The sizes offered, smallest first.
  static const Scale kSizes[kSizeCount];

  constexpr Scale() = default;
  // A percentage that is not one of the sizes gives 100 %.
  static Scale ofPercent(int32_t percent);
  // The size for a screen of this many pixels per inch: the largest size whose own density is not
  // above it (96 for 100 %, 144 for 150 %, 192 for 200 %), at least 100 %.
  static Scale forScreenDensity(int32_t dotsPerInch);

  int32_t percent() const { return percent_; }
  bool isIdentity() const { return percent_ == 100; }
  bool operator==(Scale other) const { return percent_ == other.percent_; }
  bool operator!=(Scale other) const { return percent_ != other.percent_; }

  // The window coordinate of the edge at layout coordinate x.
  int32_t toWindow(int32_t x) const;
  // The layout coordinate of the pixel at window coordinate x: the one whose block holds it.
  int32_t fromWindow(int32_t x) const;
  Point toWindow(Point point) const { return Point(toWindow(point.h), toWindow(point.v)); }
  Point fromWindow(Point point) const { return Point(fromWindow(point.h), fromWindow(point.v)); }
  Rect toWindow(const Rect& rect) const;
  // A length without a place, such as a font's height or a pen's width: rounded, at least 1 for 1.
  int32_t length(int32_t units) const;

private:
  constexpr explicit Scale(int32_t percent) : percent_(percent) {}

  int32_t percent_ = 100;
};
