// WindowDevice: a window's own device context for one scope, for drawing outside the paint message.
// Declare a Canvas over it after it, so the canvas gives the device its pen, brush and font back
// before the device is released.
#pragma once

#include <windows.h>

class WindowDevice {
public:
  explicit WindowDevice(HWND window) : window_(window), device_(GetDC(window)) {}
  ~WindowDevice() { ReleaseDC(window_, device_); }

  WindowDevice(const WindowDevice&) = delete;
  WindowDevice& operator=(const WindowDevice&) = delete;

  HDC handle() const { return device_; }

private:
  HWND window_;
  HDC device_;
};
