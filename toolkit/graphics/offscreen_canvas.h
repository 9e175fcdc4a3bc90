// OffscreenCanvas: a canvas over a memory bitmap of its own, on which a control composes its image
// before copying it to the window in one step, so nothing flickers.
#pragma once

#include <cstdint>

#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/native_handles.h"

class OffscreenCanvas : public Canvas {
public:
  // The bitmap is compatible with the root view's window, at the root view's scale, and starts entirely
  // in the colour.
  OffscreenCanvas(RootView* rootView, int32_t width, int32_t height, Color color);
  // The same for the image of one area of the window, drawn in coordinates relative to its top left
  // corner: at any scale its pixels are the ones the area takes in the window.
  OffscreenCanvas(RootView* rootView, const Rect& area, Color color);

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }

  // Copies the area starting at point, of the rectangle's size, to the rectangle's top left corner of canvas.
  void blitTo(Canvas* canvas, Rect rect, Point point);

private:
  // The device goes first, its bitmap after, then Canvas's destructor deletes the pen, brush and font
  // without selecting into the deleted device: it had none to give back.
  BitmapHandle bitmap_;
  MemoryDevice memoryDevice_;
  int32_t height_;
  int32_t width_;
};
