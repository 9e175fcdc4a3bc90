// The PE header read by hand: the DOS header's last word points at "PE\0\0", followed by the machine.
#include "tools/gatehost/module_kind.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr long kPeOffsetField = 0x3C;
constexpr uint16_t kMachineX86 = 0x014C;
constexpr uint16_t kMachineX64 = 0x8664;

uint32_t littleEndian(const unsigned char* bytes, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

bool readAt(std::FILE* file, long offset, unsigned char* bytes, size_t count) {
  return std::fseek(file, offset, SEEK_SET) == 0 && std::fread(bytes, 1, count, file) == count;
}

ModuleMachine machineOf(std::FILE* file) {
  const ModuleMachine notWindows{ModuleKind::NotWindowsProgram, 0};
  unsigned char dos[2];
  unsigned char peOffset[4];
  if (!readAt(file, 0, dos, sizeof dos) || std::memcmp(dos, "MZ", 2) != 0) return notWindows;
  if (!readAt(file, kPeOffsetField, peOffset, sizeof peOffset)) return notWindows;
  // A damaged offset may point anywhere: past the end, or (as a 32-bit long) before the start.
  const long offset = static_cast<long>(static_cast<int32_t>(littleEndian(peOffset, 4)));
  unsigned char pe[6];
  if (!readAt(file, offset, pe, sizeof pe) || std::memcmp(pe, "PE\0\0", 4) != 0) return notWindows;
  const uint16_t code = static_cast<uint16_t>(littleEndian(pe + 4, 2));
  if (code == kMachineX86) return {ModuleKind::X86, code};
  if (code == kMachineX64) return {ModuleKind::X64, code};
  return {ModuleKind::OtherProcessor, code};
}

} // namespace

ModuleMachine readModuleMachine(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return {ModuleKind::Unreadable, 0};
  const ModuleMachine machine = machineOf(file);
  std::fclose(file);
  return machine;
}

std::string loadRefusal(const std::string& path) {
  constexpr bool kWide = sizeof(void*) == 8;
  const ModuleMachine machine = readModuleMachine(path);
  switch (machine.kind) {
  case ModuleKind::Unreadable:
    return "cannot read " + path;
  case ModuleKind::NotWindowsProgram:
    return path + " is not a Windows DLL (it has no PE header)";
  case ModuleKind::X86:
    if (!kWide) return {};
    return path + " is a 32-bit DLL; this gatehost is 64-bit and loads only 64-bit DLLs: use the 32-bit " +
           "gatehost.exe (from the win32 archive)";
  case ModuleKind::X64:
    if (kWide) return {};
    return path + " is a 64-bit DLL; this gatehost is 32-bit and loads only 32-bit DLLs: use the 64-bit " +
           "gatehost.exe (from the win64 archive)";
  case ModuleKind::OtherProcessor:
    break;
  }
  char code[8];
  std::snprintf(code, sizeof code, "0x%04X", unsigned{machine.code});
  return path + " is a DLL for another processor (PE machine " + code + "); this gatehost loads only " +
         (kWide ? "64-bit x86-64" : "32-bit x86") + " DLLs";
}
