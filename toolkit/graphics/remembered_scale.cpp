// The remembered size: one of the user's numbers, in percent.
#include "toolkit/graphics/remembered_scale.h"

#include "toolkit/graphics/user_number.h"

std::optional<Scale> rememberedScale(const char* key, const char* value) {
  const std::optional<uint32_t> percent = userNumber(key, value);
  if (!percent.has_value()) return std::nullopt;
  const Scale scale = Scale::ofPercent(static_cast<int32_t>(*percent));
  if (scale.percent() != static_cast<int32_t>(*percent)) return std::nullopt;
  return scale;
}

void rememberScale(const char* key, const char* value, Scale scale) {
  storeUserNumber(key, value, static_cast<uint32_t>(scale.percent()));
}
