// Reads the version resource through the system's version library, which Explorer uses too.
#include "tools/gatehost/file_version.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

// The strings of the first translation the resource lists; files name theirs in VarFileInfo.
std::string stringValue(const std::vector<char>& block, const char* name) {
  struct Translation {
    WORD language;
    WORD codePage;
  };
  Translation* translations = nullptr;
  UINT size = 0;
  if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                      &size) ||
      size < sizeof(Translation))
    return {};
  char path[64];
  std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", translations[0].language,
                translations[0].codePage, name);
  char* value = nullptr;
  if (!VerQueryValueA(block.data(), path, reinterpret_cast<void**>(&value), &size) || size == 0) return {};
  return std::string(value);
}

} // namespace

FileVersion readFileVersion(const std::string& path) {
  FileVersion version;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), nullptr);
  if (size == 0) return version;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return version;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedSize = 0;
  if (VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) &&
      fixedSize >= sizeof(VS_FIXEDFILEINFO)) {
    char numbers[48];
    std::snprintf(numbers, sizeof numbers, "%u.%u.%u.%u", unsigned{HIWORD(fixed->dwFileVersionMS)},
                  unsigned{LOWORD(fixed->dwFileVersionMS)}, unsigned{HIWORD(fixed->dwFileVersionLS)},
                  unsigned{LOWORD(fixed->dwFileVersionLS)});
    version.fileVersion = numbers;
  }
  version.productName = stringValue(block, "ProductName");
  version.productVersion = stringValue(block, "ProductVersion");
  version.description = stringValue(block, "FileDescription");
  return version;
}
