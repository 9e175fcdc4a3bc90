// Window capture: a copy of the window's device into a bitmap of our own, read back as a top-down DIB.
#include "tools/probe/window_capture.h"

#include "toolkit/graphics/native_handles.h"

namespace {

// The area of the window's device (the whole screen's for a null window) from (x, y) on.
CapturedImage captureDevice(HWND window, int32_t x, int32_t y, int32_t width, int32_t height) {
  CapturedImage image;
  if (width <= 0 || height <= 0) return image;
  WindowDevice windowDevice(window);
  MemoryDevice copyDevice(CreateCompatibleDC(windowDevice.handle()));
  BitmapHandle copy(CreateCompatibleBitmap(windowDevice.handle(), width, height));
  {
    // The copy must be let go before its bits can be read.
    SelectedObject selected(copyDevice.get(), copy.get());
    BitBlt(copyDevice.get(), 0, 0, width, height, windowDevice.handle(), x, y, SRCCOPY);
  }

  // Rows top first, as PNG wants them.
  BITMAPINFO format = topDownPixels(width, height, 24);
  // Device-independent rows are padded to 4 bytes and hold blue, green, red.
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
  std::vector<uint8_t> rows(stride * static_cast<size_t>(height));
  if (GetDIBits(copyDevice.get(), copy.get(), 0, static_cast<UINT>(height), rows.data(), &format,
                DIB_RGB_COLORS) != height)
    return image;

  image.width = width;
  image.height = height;
  image.rgb.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* from = rows.data() + stride * static_cast<size_t>(y);
    uint8_t* to = image.rgb.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 3;
    for (int32_t x = 0; x < width; ++x, from += 3, to += 3) {
      to[0] = from[2];
      to[1] = from[1];
      to[2] = from[0];
    }
  }
  return image;
}

} // namespace

CapturedImage captureClientArea(HWND window) {
  RECT client{};
  if (GetClientRect(window, &client) == 0) return CapturedImage{};
  return captureDevice(window, 0, 0, client.right - client.left, client.bottom - client.top);
}

CapturedImage captureScreenArea(const RECT& area) {
  return captureDevice(nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top);
}
