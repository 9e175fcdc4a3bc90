// The library's load notification, which records the module handle for the toolkit's bitmaps and window
// class; `main` itself is in plugin_main.cpp.
#include <windows.h>

#include "host/module_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
  moduleInstance = instance;
  return TRUE;
}
