// OffscreenCanvas: its memory device and bitmap, the initial fill, and the copy to another canvas.
#include "toolkit/graphics/offscreen_canvas.h"

#include <algorithm>

#include "toolkit/graphics/native_handles.h"
#include "toolkit/graphics/root_view.h"

OffscreenCanvas::OffscreenCanvas(RootView* rootView, int32_t width, int32_t height, Color color)
    : OffscreenCanvas(rootView, Rect(0, 0, width, height), color) {}

namespace {

HWND windowOf(const RootView* rootView) { return rootView != nullptr ? rootView->windowHandle() : nullptr; }

// The area's pixels on a device standing for it, as Canvas::toDevice maps them.
Rect pixelsOf(const RootView* rootView, const Rect& area) {
  const Scale scale = rootView != nullptr ? rootView->scale() : Scale();
  return Rect(0, 0, scale.toWindow(area.right) - scale.toWindow(area.left),
              scale.toWindow(area.bottom) - scale.toWindow(area.top));
}

} // namespace

HDC OffscreenSurface::deviceFor(HWND window, int32_t width, int32_t height) {
  if (device_ && width <= width_ && height <= height_) return device_.get();
  width_ = std::max(width, width_);
  height_ = std::max(height, height_);
  WindowDevice windowDevice(window);
  device_.reset(CreateCompatibleDC(windowDevice.handle()));
  bitmap_.reset(CreateCompatibleBitmap(windowDevice.handle(), width_, height_));
  SelectObject(device_.get(), bitmap_.get());
  return device_.get();
}

OffscreenCanvas::OffscreenCanvas(RootView* rootView, const Rect& area, Color color)
    : OffscreenCanvas(rootView, area, color, nullptr) {}

OffscreenCanvas::OffscreenCanvas(RootView* rootView, const Rect& area, Color color, OffscreenSurface* kept)
    : Canvas(rootView,
             kept != nullptr ? kept->deviceFor(windowOf(rootView), pixelsOf(rootView, area).width(),
                                               pixelsOf(rootView, area).height())
                             : nullptr,
             nullptr),
      height_(area.height()), width_(area.width()) {
  standFor(Point(area.left, area.top));
  if (device() == nullptr) {
    const Rect pixels = pixelsOf(rootView, area);
    {
      WindowDevice windowDevice(windowOf(rootView));
      memoryDevice_.reset(CreateCompatibleDC(windowDevice.handle()));
      bitmap_.reset(CreateCompatibleBitmap(windowDevice.handle(), pixels.width(), pixels.height()));
    }
    useDevice(memoryDevice_.get());
    SelectObject(device(), bitmap_.get());
  }

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
