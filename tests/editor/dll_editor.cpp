// The class name is the one the toolkit derives from the DLL's module handle.
#include "tests/editor/dll_editor.h"

#include <cstdint>
#include <cstdio>

#include "tests/toolkit/support/host_window.h"

bool editorClassRegistered() {
  const HMODULE module = GetModuleHandleA(kPluginFile);
  char name[32];
  std::snprintf(name, sizeof name, "Plugin%08x", static_cast<unsigned>(reinterpret_cast<uintptr_t>(module)));
  WNDCLASSA description{};
  return GetClassInfoA(module, name, &description) != 0;
}

bool openEditor(PluginHost& host, HWND parent) {
  EditorRect* rect = nullptr;
  host.dispatch(Opcode::EditorRect, 0, 0, &rect);
  const bool opened = host.dispatch(Opcode::EditorOpen, 0, 0, parent) == 1;
  handlePendingMessages();
  host.dispatch(Opcode::EditorIdle);
  return opened;
}
