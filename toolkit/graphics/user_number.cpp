// The user's numbers read, written and removed through the registry's own calls.
#include "toolkit/graphics/user_number.h"

#include <windows.h>

#include "toolkit/graphics/native_handles.h"

std::optional<uint32_t> userNumber(const char* key, const char* value) {
  DWORD number = 0;
  DWORD size = sizeof number;
  if (key == nullptr || value == nullptr ||
      RegGetValueA(HKEY_CURRENT_USER, key, value, RRF_RT_REG_DWORD, nullptr, &number, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return number;
}

void storeUserNumber(const char* key, const char* value, std::optional<uint32_t> number) {
  HKEY created = nullptr;
  if (key == nullptr || value == nullptr ||
      RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr) !=
          ERROR_SUCCESS)
    return;
  const RegistryKey held(created);
  if (!number.has_value()) {
    RegDeleteValueA(held.get(), value);
    return;
  }
  const DWORD stored = *number;
  RegSetValueExA(held.get(), value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), sizeof stored);
}
