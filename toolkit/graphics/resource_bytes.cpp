// A resource is mapped with the library and needs no release.
#include "toolkit/graphics/resource_bytes.h"

#include <windows.h>

#include "toolkit/graphics/module_instance.h"

std::vector<uint8_t> resourceBytes(const char* type, int32_t id) {
  const auto module = static_cast<HMODULE>(moduleInstance);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id & 0xFFFF), type);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const auto* bytes = static_cast<const uint8_t*>(loaded != nullptr ? LockResource(loaded) : nullptr);
  if (bytes == nullptr) return {};
  return std::vector<uint8_t>(bytes, bytes + SizeofResource(module, found));
}
