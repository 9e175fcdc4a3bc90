// The remembered size: one DWORD value, read and written through the registry's own calls.
#include "toolkit/graphics/remembered_scale.h"

#include <windows.h>

#include "toolkit/graphics/native_handles.h"

std::optional<Scale> rememberedScale(const char* key, const char* value) {
  HKEY opened = nullptr;
  if (key == nullptr || value == nullptr ||
      RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
    return std::nullopt;
  const RegistryKey held(opened);
  DWORD percent = 0;
  DWORD type = 0;
  DWORD size = sizeof percent;
  if (RegQueryValueExA(held.get(), value, nullptr, &type, reinterpret_cast<BYTE*>(&percent), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  const Scale scale = Scale::ofPercent(static_cast<int32_t>(percent));
  if (scale.percent() != static_cast<int32_t>(percent)) return std::nullopt;
  return scale;
}

void rememberScale(const char* key, const char* value, Scale scale) {
  HKEY created = nullptr;
  if (key == nullptr || value == nullptr ||
      RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr) !=
          ERROR_SUCCESS)
    return;
  const RegistryKey held(created);
  const DWORD percent = static_cast<DWORD>(scale.percent());
  RegSetValueExA(held.get(), value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&percent), sizeof percent);
}
