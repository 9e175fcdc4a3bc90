// The shared editor window class and its use count (module-wide; editors open and close on the host's
// user-interface thread, so no lock).
#include "toolkit/graphics/editor_class_use.h"

#include <cstdio>

#include "toolkit/graphics/module_instance.h"

namespace {

int32_t useCount = 0;
// "Plugin" and eight hexadecimal digits with the terminating zero need 15 characters.
char className[32] = "";

} // namespace

EditorClassUse::EditorClassUse(WNDPROC windowProcedure) {
  if (++useCount != 1) return;
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
  if (--useCount == 0) UnregisterClassA(className, static_cast<HINSTANCE>(moduleInstance));
}

const char* editorClassName() { return className; }

int32_t classUseCount() { return useCount; }
