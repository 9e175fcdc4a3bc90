// The shared editor window class and its use count (module-wide). Editors may open and close on several
// threads (one host window each, or a close sent from another thread), so the count is atomic and its
// first and last use register and unregister under a lock, never racing a use that comes or goes.
#include "toolkit/graphics/editor_class_use.h"

#include <atomic>
#include <cstdio>

#include "toolkit/graphics/module_instance.h"
#include "toolkit/graphics/native_handles.h"

namespace {

std::atomic<int32_t> useCount{0};
SRWLOCK registration = SRWLOCK_INIT;
// "Plugin" and eight hexadecimal digits with the terminating zero need 15 characters.
char className[32] = "";

class RegistrationLock {
public:
  RegistrationLock() { AcquireSRWLockExclusive(&registration); }
  ~RegistrationLock() { ReleaseSRWLockExclusive(&registration); }

  RegistrationLock(const RegistrationLock&) = delete;
  RegistrationLock& operator=(const RegistrationLock&) = delete;
};

} // namespace

EditorClassUse::EditorClassUse(WindowProcedure* windowProcedure) {
  const RegistrationLock lock;
  if (useCount.fetch_add(1) != 0) return;
  std::snprintf(className, sizeof className, "Plugin%08x",
                static_cast<unsigned>(reinterpret_cast<uintptr_t>(moduleInstance)));
  WNDCLASSA description{};
  // Style 0: no CS_DBLCLKS, so a double click arrives as two presses.
  description.style = 0;
  description.lpfnWndProc = windowProcedure;
  description.hInstance = static_cast<HINSTANCE>(moduleInstance);
  description.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  description.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  description.lpszClassName = className;
  RegisterClassA(&description);
}

EditorClassUse::~EditorClassUse() {
  const RegistrationLock lock;
  if (useCount.fetch_sub(1) == 1) UnregisterClassA(className, static_cast<HINSTANCE>(moduleInstance));
}

const char* editorClassName() { return className; }

int32_t classUseCount() { return useCount.load(); }
