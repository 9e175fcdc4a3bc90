// OffscreenCanvas: a canvas over a memory bitmap of its own, on which a control composes its image
// before copying it to the window in one step, so nothing flickers.
#pragma once

#include <cstdint>

#include "toolkit/graphics/canvas.h"

class OffscreenCanvas : public Canvas {
public:
  // The bitmap is compatible with the root view's window and starts entirely in the colour.
  OffscreenCanvas(RootView* rootView, int32_t width, int32_t height, Color color);
  ~OffscreenCanvas() override;

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }

  // Copies the area starting at point, of the rectangle's size, to the rectangle's top left corner of canvas.
  void blitTo(Canvas* canvas, Rect rect, Point point);

private:
  HBITMAP bitmap_ = nullptr;
  bool ownsBitmap_ = false;
  int32_t height_;
  int32_t width_;
};
