// OffscreenCanvas: its memory device and bitmap, the initial fill, and the copy to another canvas.
#include "toolkit/graphics/offscreen_canvas.h"

#include "toolkit/graphics/root_view.h"

OffscreenCanvas::OffscreenCanvas(RootView* rootView, int32_t width, int32_t height, Color color)
    : Canvas(rootView, nullptr, nullptr), height_(height), width_(width) {
  HWND window = rootView != nullptr ? rootView->windowHandle() : nullptr;
  {
    WindowDevice windowDevice(window);
    memoryDevice_.reset(CreateCompatibleDC(windowDevice.handle()));
    bitmap_.reset(CreateCompatibleBitmap(windowDevice.handle(), width, height));
  }
  device_ = memoryDevice_.get();
  SelectObject(device_, bitmap_.get());

  // The outline covers row 0 and column 0, the fill the rest: the far row and column lie outside the bitmap.
  const Rect whole(0, 0, width, height);
  setBrushColor(color);
  setPenColor(color);
  paintRect(whole);
  outlineRect(whole);
}

void OffscreenCanvas::blitTo(Canvas* canvas, Rect rect, Point point) {
  BitBlt(canvas->device(), rect.left, rect.top, rect.width(), rect.height(), device_, point.h, point.v,
         SRCCOPY);
}
