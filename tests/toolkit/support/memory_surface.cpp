// MemorySurface: its device and bitmap, filling and reading pixels.
#include "tests/toolkit/support/memory_surface.h"

Color colorOf(COLORREF value) { return Color{GetRValue(value), GetGValue(value), GetBValue(value), 0}; }

MemorySurface::MemorySurface(int32_t width, int32_t height, Color fill)
    : MemorySurface(width, height, fill, WindowDevice(nullptr)) {}

MemorySurface::MemorySurface(int32_t width, int32_t height, Color fill, const WindowDevice& screen)
    : width_(width), height_(height), bitmap_(CreateCompatibleBitmap(screen.handle(), width, height)),
      surface_(screen.handle(), bitmap_.get()) {
  this->fill(fill);
}

Color MemorySurface::pixel(int32_t x, int32_t y) const { return colorOf(GetPixel(device(), x, y)); }

void MemorySurface::fill(Color color) {
  const BrushHandle brush(CreateSolidBrush(color.nativeValue()));
  const RECT whole{0, 0, width_, height_};
  FillRect(device(), &whole, brush.get());
}

bool MemorySurface::samePixelsAs(const MemorySurface& other) const {
  for (int32_t y = 0; y < height_; ++y)
    for (int32_t x = 0; x < width_; ++x)
      if (pixel(x, y).differsFrom(other.pixel(x, y))) return false;
  return true;
}
