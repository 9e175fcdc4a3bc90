// The remembered size read, set, removed and restored through the registry's own calls.
#include "tools/gatehost/size_override.h"

#include "editor/size_memory.h"
#include "toolkit/graphics/native_handles.h"

namespace {

std::optional<DWORD> storedValue() {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, kSizeMemoryKey, kSizeMemoryValue, RRF_RT_REG_DWORD, nullptr, &value,
                   &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

void store(std::optional<DWORD> value) {
  HKEY created = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kSizeMemoryKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                      nullptr) != ERROR_SUCCESS)
    return;
  const RegistryKey key(created);
  if (value.has_value())
    RegSetValueExA(key.get(), kSizeMemoryValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value),
                   sizeof *value);
  else
    RegDeleteValueA(key.get(), kSizeMemoryValue);
}

} // namespace

SizeOverride::SizeOverride(std::optional<int32_t> percent) : before_(storedValue()) {
  store(percent.has_value() ? std::optional<DWORD>(static_cast<DWORD>(*percent)) : std::nullopt);
}

SizeOverride::~SizeOverride() { store(before_); }

void forgetRememberedSize() { store(std::nullopt); }

std::optional<int32_t> rememberedSizePercent() {
  const std::optional<DWORD> value = storedValue();
  return value.has_value() ? std::optional<int32_t>(static_cast<int32_t>(*value)) : std::nullopt;
}
