// The census: probe every possible GDI handle index and user menu index, enumerate the windows of the
// process.
#include "tools/probe/resource_census.h"

#include <windows.h>

namespace {

// User handles are 0x20 plus twice their index in the table; above the last index lie no objects.
constexpr uintptr_t kFirstUserHandle = 0x20;
constexpr uintptr_t kLastUserHandle = 0xFFEF;

BOOL CALLBACK countChild(HWND, LPARAM counter) {
  ++*reinterpret_cast<int32_t*>(counter);
  return TRUE;
}

BOOL CALLBACK countTopLevel(HWND window, LPARAM counter) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<int32_t*>(counter);
  // Enumerates every descendant, not only direct children.
  EnumChildWindows(window, countChild, counter);
  return TRUE;
}

} // namespace

int32_t liveGdiObjects() {
  int32_t count = 0;
  for (uintptr_t index = 1; index <= 0xFFFF; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  return count;
}

int32_t liveWindows() {
  int32_t count = 0;
  EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&count));
  return count;
}

int32_t liveMenus() {
  int32_t count = 0;
  for (uintptr_t handle = kFirstUserHandle; handle <= kLastUserHandle; handle += 2)
    if (IsMenu(reinterpret_cast<HMENU>(handle)) != 0) ++count;
  return count;
}
