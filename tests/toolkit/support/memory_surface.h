// MemorySurface: a screen-compatible memory device with a bitmap, to draw on and read pixels back from
// without a window.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/graphics/color.h"
#include "toolkit/graphics/native_handles.h"

class MemorySurface {
public:
  MemorySurface(int32_t width, int32_t height, Color fill);

  MemorySurface(const MemorySurface&) = delete;
  MemorySurface& operator=(const MemorySurface&) = delete;

  HDC device() const { return surface_.handle(); }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  Color pixel(int32_t x, int32_t y) const;
  void fill(Color color);
  // True when every pixel equals the other surface's (both of the same size).
  bool samePixelsAs(const MemorySurface& other) const;

private:
  // Both compatible with the screen.
  MemorySurface(int32_t width, int32_t height, Color fill, const WindowDevice& screen);

  int32_t width_;
  int32_t height_;
  BitmapHandle bitmap_;
  BitmapDevice surface_;
};

// The colour of a native colour value.
Color colorOf(COLORREF value);
