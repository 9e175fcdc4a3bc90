// Owning types for the native objects the toolkit, its tests and the tools take: each gives its object
// back in its destructor, so no function pairs a take with a give-back by hand. Depends on nothing of the
// project, so the probe and gatehost use it too.
#pragma once

#include <windows.h>

#include <utility>

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

// One owner of a handle: it moves, never copies, and `Release` gives the handle back when the owner goes
// or takes another.
template <typename Handle, typename Release>
class UniqueHandle {
public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Hands the handle over to whoever gives it back from now on.
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Release{}(handle_);
    handle_ = handle;
  }

private:
  Handle handle_ = nullptr;
};

struct DeleteGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DeleteMemoryDevice {
  void operator()(HDC device) const { DeleteDC(device); }
};
struct DestroyMenuHandle {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct DestroyWindowHandle {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct FreeGlobalMemory {
  void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
struct CloseRegistryKey {
  void operator()(HKEY key) const { RegCloseKey(key); }
};

using PenHandle = UniqueHandle<HPEN, DeleteGdiObject>;
using BrushHandle = UniqueHandle<HBRUSH, DeleteGdiObject>;
using FontHandle = UniqueHandle<HFONT, DeleteGdiObject>;
using BitmapHandle = UniqueHandle<HBITMAP, DeleteGdiObject>;
// A device made with CreateCompatibleDC.
using MemoryDevice = UniqueHandle<HDC, DeleteMemoryDevice>;
using MenuHandle = UniqueHandle<HMENU, DestroyMenuHandle>;
using WindowHandle = UniqueHandle<HWND, DestroyWindowHandle>;
// A block from GlobalAlloc, until the clipboard takes it over (release).
using GlobalMemory = UniqueHandle<HGLOBAL, FreeGlobalMemory>;
// A key opened or created under one of the registry's roots.
using RegistryKey = UniqueHandle<HKEY, CloseRegistryKey>;

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

// A window's procedure replaced for as long as the scope lives; the earlier one comes back at its end,
// while the window still exists.
class WindowSubclass {
public:
  WindowSubclass(HWND window, WNDPROC procedure)
      : window_(window), previous_(reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                             window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)))) {}
  ~WindowSubclass() {
    if (IsWindow(window_) != 0)
      SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  }

  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  WNDPROC previous() const { return previous_; }

private:
  HWND window_;
  WNDPROC previous_;
};
