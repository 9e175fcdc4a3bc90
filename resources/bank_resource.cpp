// A resource is mapped with its module: nothing to give back.
#include "resources/bank_resource.h"

#include <windows.h>

#include <cstring>

#include "resources/resource_ids.h"

namespace {

// The resource script marks the bank as U.S. English.
constexpr WORD kBankLanguage = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

} // namespace

std::vector<ProgramRecord> readBankResource(void* module) {
  std::vector<ProgramRecord> records;
  const auto library = static_cast<HMODULE>(module);
  if (library == nullptr) return records;
  HRSRC found = FindResourceExA(library, "BANK", MAKEINTRESOURCEA(RESOURCE_BANK), kBankLanguage);
  if (found == nullptr) return records;
  HGLOBAL loaded = LoadResource(library, found);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return records;
  records.resize(SizeofResource(library, found) / sizeof(ProgramRecord));
  std::memcpy(records.data(), bytes, records.size() * sizeof(ProgramRecord));
  return records;
}
