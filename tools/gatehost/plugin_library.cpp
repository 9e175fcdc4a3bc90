// Loading goes through LoadLibrary/GetProcAddress exactly as a host does, after a look at the file's PE
// header.
#include "tools/gatehost/plugin_library.h"

#include <windows.h>

#include "resources/bank_resource.h"
#include "tools/gatehost/module_kind.h"

namespace {

// The file LoadLibrary would load: a bare name is looked for beside the program first, as LoadLibrary does.
std::string fileToLoad(const std::string& path) {
  char found[MAX_PATH];
  const DWORD length = SearchPathA(nullptr, path.c_str(), nullptr, sizeof found, found, nullptr);
  return length > 0 && length < sizeof found ? std::string(found) : path;
}

} // namespace

PluginLibrary::PluginLibrary(const std::string& path) {
  // Checked before loading: LoadLibrary's error code for a DLL of the other width says only "bad format".
  error_ = loadRefusal(fileToLoad(path));
  if (!error_.empty()) return;
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

std::vector<ProgramRecord> PluginLibrary::bank() const { return readBankResource(module_); }
