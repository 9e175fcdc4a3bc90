// What the tests of the shipped DLL's editor share: the editor window class the DLL registers, and the
// editor opened as a host opens it.
#pragma once

#include <windows.h>

#include "tools/gatehost/plugin_host.h"

// The DLL is loaded under its own file name.
constexpr char kPluginFile[] = "stepgate.dll";

bool editorClassRegistered();
// Opcodes 13 and 14 in the parent, then the queued messages and one idle; whether opcode 14 answered 1.
bool openEditor(PluginHost& host, HWND parent);
