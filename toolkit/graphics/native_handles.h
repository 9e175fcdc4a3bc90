// The platform behind the owning types of native handles (native_types.h): how each gives its object back,
// and the scoped helpers that hold a device, a selection, a paint, the clipboard or a window's procedure
// for one scope, so no function pairs a take with a give-back by hand. Included by .cpp files only, never
// by a public header of the toolkit. Depends on nothing of the project, so the probe and gatehost use it too.
#pragma once

#include <windows.h>

#include "toolkit/graphics/native_types.h"

// The description of a bitmap's pixels as rows top first, uncompressed, for reading and writing them
// (GetDIBits, SetDIBits).
inline BITMAPINFO topDownPixels(LONG width, LONG height, WORD bitsPerPixel) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = bitsPerPixel;
  format.bmiHeader.biCompression = BI_RGB;
  return format;
}

inline void DeleteGdiObject::operator()(HGDIOBJ object) const { DeleteObject(object); }
inline void DeleteMemoryDevice::operator()(HDC device) const { DeleteDC(device); }
inline void DestroyMenuHandle::operator()(HMENU menu) const { DestroyMenu(menu); }
inline void DestroyWindowHandle::operator()(HWND window) const { DestroyWindow(window); }
inline void FreeGlobalMemory::operator()(HGLOBAL memory) const { GlobalFree(memory); }
inline void CloseRegistryKey::operator()(HKEY key) const { RegCloseKey(key); }

// An object selected into a device for one scope; the object selected before comes back at its end, so
// the object itself can be deleted after the scope.
class SelectedObject {
public:
  SelectedObject(HDC device, HGDIOBJ object) : device_(device), previous_(SelectObject(device, object)) {}
  ~SelectedObject() { SelectObject(device_, previous_); }

  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

private:
  HDC device_;
  HGDIOBJ previous_;
};

// A memory device compatible with another, holding one bitmap for its life: the device's own bitmap comes
// back before the device is deleted, so the bitmap can then be read or deleted.
class BitmapDevice {
public:
  BitmapDevice(HDC compatibleWith, HBITMAP bitmap)
      : device_(CreateCompatibleDC(compatibleWith)), selected_(device_.get(), bitmap) {}

  HDC handle() const { return device_.get(); }

private:
  MemoryDevice device_;
  SelectedObject selected_;
};

// A window's own device context for one scope, for drawing outside the paint message (the whole screen's
// for a null window). Declare a Canvas over it after it, so the canvas gives the device its pen, brush and
// font back before the device is released.
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

// The device of one paint message, from BeginPaint to EndPaint.
class PaintDevice {
public:
  explicit PaintDevice(HWND window) : window_(window), device_(BeginPaint(window, &paint_)) {}
  ~PaintDevice() { EndPaint(window_, &paint_); }

  PaintDevice(const PaintDevice&) = delete;
  PaintDevice& operator=(const PaintDevice&) = delete;

  HDC handle() const { return device_; }

private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC device_;
};

// The clipboard, open for one scope when `isOpen`.
class OpenClipboardScope {
public:
  explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != 0) {}
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }

  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;

  bool isOpen() const { return open_; }

private:
  bool open_;
};

inline WindowSubclass::WindowSubclass(HWND window, WindowProcedure* procedure)
    : window_(window), previous_(reinterpret_cast<WNDPROC>(
                           SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)))) {}

inline WindowSubclass::~WindowSubclass() {
  if (IsWindow(window_) != 0) SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
}
