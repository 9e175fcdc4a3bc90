// OffscreenCanvas: a canvas over a memory bitmap, its own or one its root view keeps, on which a control
// composes its image before copying it to the window in one step, so nothing flickers.
#pragma once

#include <cstdint>

#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/native_types.h"

// A memory device holding a bitmap of the window's format for the device's whole life, kept by its owner
// from paint to paint: making a device and a bitmap and selecting one into the other costs far more under
// the platform than the drawing a control composes in them.
class OffscreenSurface {
public:
  // The device, of at least width x height pixels; it is made again only to grow.
  HDC deviceFor(HWND window, int32_t width, int32_t height);

private:
  // The device goes first, then the bitmap it held.
  BitmapHandle bitmap_;
  MemoryDevice device_;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

class OffscreenCanvas : public Canvas {
public:
  // The bitmap is compatible with the root view's window, at the root view's scale, and starts entirely
  // in the colour.
  OffscreenCanvas(RootView* rootView, int32_t width, int32_t height, Color color);
  // The same for the image of one area of the window, drawn in coordinates relative to its top left
  // corner: at any scale its pixels are the ones the area takes in the window.
  OffscreenCanvas(RootView* rootView, const Rect& area, Color color);
  // The same, drawn in the kept surface's device instead of a device of its own; with a null surface,
  // in one of its own. The canvas gives the device its pen, brush and font back when it goes.
  OffscreenCanvas(RootView* rootView, const Rect& area, Color color, OffscreenSurface* kept);

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }

  // Copies the area starting at point, of the rectangle's size, to the rectangle's top left corner of canvas.
  void blitTo(Canvas* canvas, Rect rect, Point point);

private:
  // Empty over a kept surface. Otherwise the device goes first, its bitmap after, then Canvas's destructor
  // deletes the pen, brush and font without selecting into the deleted device: it had none to give back.
  BitmapHandle bitmap_;
  MemoryDevice memoryDevice_;
  int32_t height_;
  int32_t width_;
};
