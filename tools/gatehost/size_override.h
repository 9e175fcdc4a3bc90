// One of the user's numbers set for a scope and put back as it was at its end, so that gatehost's --size
// and the tests leave the user's own choices, or their absence, alone: the editor's remembered size
// (SizeOverride) or the screen's density the editor starts from.
#pragma once

#include <cstdint>
#include <optional>

class UserNumberOverride {
public:
  // None removes the value for the scope.
  UserNumberOverride(const char* key, const char* value, std::optional<uint32_t> number);
  ~UserNumberOverride();

  UserNumberOverride(const UserNumberOverride&) = delete;
  UserNumberOverride& operator=(const UserNumberOverride&) = delete;

private:
  const char* key_;
  const char* value_;
  std::optional<uint32_t> before_;
};

class SizeOverride : public UserNumberOverride {
public:
  // The size in percent for the scope; none removes the remembered size for the scope.
  explicit SizeOverride(std::optional<int32_t> percent);
};

// The remembered size in percent, if any.
std::optional<int32_t> rememberedSizePercent();
// No size remembered from now on.
void forgetRememberedSize();
