// OffscreenCanvas: its memory device and bitmap, the initial fill, and the copy to another canvas.
#include "toolkit/graphics/offscreen_canvas.h"

#include "toolkit/graphics/root_view.h"

OffscreenCanvas::OffscreenCanvas(RootView* rootView, int32_t width, int32_t height, Color color)
    : OffscreenCanvas(rootView, Rect(0, 0, width, height), color) {}

OffscreenCanvas::OffscreenCanvas(RootView* rootView, const Rect& area, Color color)
    : Canvas(rootView, nullptr, nullptr), height_(area.height()), width_(area.width()) {
  standFor(Point(area.left, area.top));
  const Rect pixels = toDevice(Rect(0, 0, width_, height_));
  HWND window = rootView != nullptr ? rootView->windowHandle() : nullptr;
  {
    WindowDevice windowDevice(window);
    memoryDevice_.reset(CreateCompatibleDC(windowDevice.handle()));
    bitmap_.reset(CreateCompatibleBitmap(windowDevice.handle(), pixels.width(), pixels.height()));
  }
  useDevice(memoryDevice_.get());
  SelectObject(device(), bitmap_.get());

  setBrushColor(color);
  setPenColor(color);
  // The fill inside the outline of a rectangle one pixel larger at the left and top: the whole bitmap.
  paintRect(Rect(-1, -1, width_, height_));
}

void OffscreenCanvas::blitTo(Canvas* canvas, Rect rect, Point point) {
  const Rect target = canvas->toDevice(rect);
  const Point source = toDevice(point);
  BitBlt(canvas->device(), target.left, target.top, target.width(), target.height(), device(), source.h,
         source.v, SRCCOPY);
}
