// MemorySurface: its device and bitmap, filling and reading pixels.
#include "tests/toolkit/support/memory_surface.h"

Color colorOf(COLORREF value) { return Color{GetRValue(value), GetGValue(value), GetBValue(value), 0}; }

MemorySurface::MemorySurface(int32_t width, int32_t height, Color fill) : width_(width), height_(height) {
  HDC screen = GetDC(nullptr);
  device_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  before_ = SelectObject(device_, bitmap_);
  this->fill(fill);
}

MemorySurface::~MemorySurface() {
  SelectObject(device_, before_);
  DeleteObject(bitmap_);
  DeleteDC(device_);
}

Color MemorySurface::pixel(int32_t x, int32_t y) const { return colorOf(GetPixel(device_, x, y)); }

void MemorySurface::fill(Color color) {
  HBRUSH brush = CreateSolidBrush(color.nativeValue());
  const RECT whole{0, 0, width_, height_};
  FillRect(device_, &whole, brush);
  DeleteObject(brush);
}

bool MemorySurface::samePixelsAs(const MemorySurface& other) const {
  for (int32_t y = 0; y < height_; ++y)
    for (int32_t x = 0; x < width_; ++x)
      if (pixel(x, y).differsFrom(other.pixel(x, y))) return false;
  return true;
}
