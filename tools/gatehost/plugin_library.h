// A loaded plug-in DLL: the module, its exported `main`, and its "BANK" resource.
#pragma once

#include <string>
#include <vector>

#include "gate/program_record.h"
#include "host/plugin_record.h"

using PluginMain = PluginRecord*(PLUGIN_CDECL*)(HostCallback callback);

class PluginLibrary {
public:
  // Loads the file; `loaded` tells whether it is a library that exports `main`.
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary();

  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  bool loaded() const { return entry_ != nullptr; }
  const std::string& error() const { return error_; }
  PluginMain entry() const { return entry_; }
  // The records of the library's "BANK" resource (empty when it has none).
  std::vector<ProgramRecord> bank() const;

private:
  void* module_ = nullptr;
  PluginMain entry_ = nullptr;
  std::string error_;
};
