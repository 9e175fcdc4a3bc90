// Loading goes through LoadLibrary/GetProcAddress exactly as a host does.
#include "tools/gatehost/plugin_library.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr WORD kBankLanguage = 1033;
constexpr int kBankResourceId = 1;

} // namespace

PluginLibrary::PluginLibrary(const std::string& path) {
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) {
    error_ = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return;
  }
  module_ = module;
  entry_ = reinterpret_cast<PluginMain>(reinterpret_cast<void*>(GetProcAddress(module, "main")));
  if (entry_ == nullptr) error_ = path + " exports no function named main";
}

PluginLibrary::~PluginLibrary() {
  if (module_ != nullptr) FreeLibrary(static_cast<HMODULE>(module_));
}

std::vector<ProgramRecord> PluginLibrary::bank() const {
  std::vector<ProgramRecord> records;
  HMODULE module = static_cast<HMODULE>(module_);
  if (module == nullptr) return records;
  HRSRC found = FindResourceExA(module, "BANK", MAKEINTRESOURCEA(kBankResourceId), kBankLanguage);
  if (found == nullptr) return records;
  HGLOBAL handle = LoadResource(module, found);
  const void* bytes = handle != nullptr ? LockResource(handle) : nullptr;
  if (bytes == nullptr) return records;
  records.resize(SizeofResource(module, found) / sizeof(ProgramRecord));
  std::memcpy(records.data(), bytes, records.size() * sizeof(ProgramRecord));
  return records;
}
