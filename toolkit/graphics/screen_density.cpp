// The screen's density: the per-window call where the system has it, else the screen device's.
#include "toolkit/graphics/screen_density.h"

#include "toolkit/graphics/native_handles.h"

namespace {

using DensityOfWindow = UINT(WINAPI*)(HWND);

DensityOfWindow densityOfWindow() {
  static const DensityOfWindow found = [] {
    HMODULE user = GetModuleHandleA("user32.dll");
    return user != nullptr ? reinterpret_cast<DensityOfWindow>(
                                 reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow")))
                           : nullptr;
  }();
  return found;
}

} // namespace

int32_t screenDensityOf(HWND window) {
  if (window != nullptr && densityOfWindow() != nullptr) {
    const UINT density = densityOfWindow()(window);
    if (density != 0) return static_cast<int32_t>(density);
  }
  const WindowDevice screen(nullptr);
  return GetDeviceCaps(screen.handle(), LOGPIXELSX);
}
