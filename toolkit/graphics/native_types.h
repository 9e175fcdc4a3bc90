// The platform's handle and message types, declared exactly as the platform's header declares them, and
// the owning types of native handles: what a public header of the toolkit names, so that it needs no
// <windows.h>. The owners give their handles back through native_handles.h, which every file that lets one
// go includes (the compiler says where it is missing). Depends on nothing of the project.
#pragma once

#include <utility>

struct HWND__;
struct HDC__;
struct HBITMAP__;
struct HBRUSH__;
struct HPEN__;
struct HFONT__;
struct HMENU__;
struct HKEY__;
struct tagPOINT;
typedef HWND__* HWND;
typedef HDC__* HDC;
typedef HBITMAP__* HBITMAP;
typedef HBRUSH__* HBRUSH;
typedef HPEN__* HPEN;
typedef HFONT__* HFONT;
typedef HMENU__* HMENU;
typedef HKEY__* HKEY;
typedef void* HGDIOBJ;
typedef void* HGLOBAL;
typedef tagPOINT POINT;

typedef unsigned int UINT;
#ifdef _WIN64
typedef long long LPARAM;
typedef long long LRESULT;
typedef unsigned long long WPARAM;
#else
typedef long LPARAM;
typedef long LRESULT;
typedef unsigned int WPARAM;
#endif
// A window procedure: WNDPROC points to one.
typedef LRESULT(__stdcall WindowProcedure)(HWND window, UINT message, WPARAM first, LPARAM second);

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

// The give-backs, defined in native_handles.h.
struct DeleteGdiObject {
  inline void operator()(HGDIOBJ object) const;
};
struct DeleteMemoryDevice {
  inline void operator()(HDC device) const;
};
struct DestroyMenuHandle {
  inline void operator()(HMENU menu) const;
};
struct DestroyWindowHandle {
  inline void operator()(HWND window) const;
};
struct FreeGlobalMemory {
  inline void operator()(HGLOBAL memory) const;
};
struct CloseRegistryKey {
  inline void operator()(HKEY key) const;
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

// A window's procedure replaced for as long as the scope lives; the earlier one comes back at its end,
// while the window still exists.
class WindowSubclass {
public:
  inline WindowSubclass(HWND window, WindowProcedure* procedure);
  inline ~WindowSubclass();

  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  WindowProcedure* previous() const { return previous_; }

private:
  HWND window_;
  WindowProcedure* previous_;
};
