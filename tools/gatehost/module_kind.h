// Which processor a Windows DLL is built for, read from its PE header without loading it: a host loads
// only DLLs of its own width, and gatehost names the mismatch instead of leaving it to LoadLibrary.
#pragma once

#include <cstdint>
#include <string>

enum class ModuleKind { Unreadable, NotWindowsProgram, X86, X64, OtherProcessor };

struct ModuleMachine {
  ModuleKind kind;
  // The PE header's machine field; 0 when the file has no PE header.
  uint16_t code;
};

ModuleMachine readModuleMachine(const std::string& path);
// Empty when this gatehost can load the file; otherwise why not, naming the gatehost that loads it.
std::string loadRefusal(const std::string& path);
