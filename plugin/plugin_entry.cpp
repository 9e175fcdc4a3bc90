// The library's load notification hands the module handle to the toolkit, which loads the editor's
// bitmaps and registers its window class with it; `main` itself is in plugin_main.cpp.
#include <windows.h>

#include "toolkit/graphics/module_instance.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
  moduleInstance = instance;
  return TRUE;
}
