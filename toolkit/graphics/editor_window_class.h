// The editor window class, registered by the first editor window alive and unregistered with the last,
// so several editors of one library share it.
#pragma once

#include <windows.h>

#include <cstdint>

void registerEditorClass(WNDPROC windowProcedure);
void unregisterEditorClass();
const char* editorClassName();
int32_t classUseCount();
