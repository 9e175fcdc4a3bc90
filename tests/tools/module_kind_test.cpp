// Checks that the PE header reader tells 32-bit from 64-bit DLLs and calls damaged files what they are.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "tools/gatehost/module_kind.h"

namespace {

// A DOS header whose last word points at `at`, where the PE signature and the machine field follow.
std::vector<uint8_t> peFile(uint32_t at, const char (&signature)[5], uint16_t machine) {
  std::vector<uint8_t> bytes(at + 24, 0);
  bytes[0] = 'M';
  bytes[1] = 'Z';
  for (int i = 0; i < 4; ++i) bytes[0x3C + i] = static_cast<uint8_t>(at >> (8 * i));
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(signature[i]);
  bytes[at + 4] = static_cast<uint8_t>(machine);
  bytes[at + 5] = static_cast<uint8_t>(machine >> 8);
  return bytes;
}

std::vector<uint8_t> withPeOffset(std::vector<uint8_t> bytes, uint32_t at) {
  for (int i = 0; i < 4; ++i) bytes[0x3C + i] = static_cast<uint8_t>(at >> (8 * i));
  return bytes;
}

} // namespace

TEST(ModuleKind, MachineFieldNamesTheKindAndDamagedHeadersAreNotWindowsPrograms) {
  const std::vector<uint8_t> text = {'n', 'o', 't', ' ', 'a', ' ', 'D', 'L', 'L'};
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    ModuleKind kind;
    uint16_t code;
  } cases[] = {
      {"x86", peFile(0x80, "PE\0\0", 0x014C), ModuleKind::X86, 0x014C},
      {"x64", peFile(0x100, "PE\0\0", 0x8664), ModuleKind::X64, 0x8664},
      {"arm64", peFile(0x80, "PE\0\0", 0xAA64), ModuleKind::OtherProcessor, 0xAA64},
      {"text", text, ModuleKind::NotWindowsProgram, 0},
      {"truncated", {'M', 'Z', 0x90, 0}, ModuleKind::NotWindowsProgram, 0},
      {"no PE signature", peFile(0x80, "NE\0\0", 0x014C), ModuleKind::NotWindowsProgram, 0},
      {"offset past the end", withPeOffset(peFile(0x80, "PE\0\0", 0x014C), 0x10000),
       ModuleKind::NotWindowsProgram, 0},
      {"offset far past the end", withPeOffset(peFile(0x80, "PE\0\0", 0x014C), 0xFFFFFFF0u),
       ModuleKind::NotWindowsProgram, 0},
  };
  for (const auto& c : cases) {
    std::FILE* file = std::fopen("module.bin", "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(c.bytes.data(), 1, c.bytes.size(), file);
    std::fclose(file);
    const ModuleMachine machine = readModuleMachine("module.bin");
    EXPECT_EQ(machine.kind, c.kind) << c.name;
    EXPECT_EQ(machine.code, c.code) << c.name;
  }
  EXPECT_EQ(readModuleMachine("no-such-module.bin").kind, ModuleKind::Unreadable);
}
