// The user's numbers set and restored, the editor's remembered size among them.
#include "tools/gatehost/size_override.h"

#include "editor/size_memory.h"
#include "toolkit/graphics/user_number.h"

UserNumberOverride::UserNumberOverride(const char* key, const char* value, std::optional<uint32_t> number)
    : key_(key), value_(value), before_(userNumber(key, value)) {
  storeUserNumber(key_, value_, number);
}

UserNumberOverride::~UserNumberOverride() { storeUserNumber(key_, value_, before_); }

SizeOverride::SizeOverride(std::optional<int32_t> percent)
    : UserNumberOverride(kSizeMemoryKey, kSizeMemoryValue,
                         percent.has_value() ? std::optional<uint32_t>(static_cast<uint32_t>(*percent))
                                             : std::nullopt) {}

void forgetRememberedSize() { storeUserNumber(kSizeMemoryKey, kSizeMemoryValue, std::nullopt); }

std::optional<int32_t> rememberedSizePercent() {
  const std::optional<uint32_t> value = userNumber(kSizeMemoryKey, kSizeMemoryValue);
  return value.has_value() ? std::optional<int32_t>(static_cast<int32_t>(*value)) : std::nullopt;
}
