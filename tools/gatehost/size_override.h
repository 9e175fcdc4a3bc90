// SizeOverride: the editor's remembered size (the value the editor keeps for its user) set for one scope
// and put back as it was at its end, so that gatehost's --size and the tests leave the user's own choice,
// or its absence, alone.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

class SizeOverride {
public:
  // The size in percent for the scope; none removes the remembered size for the scope.
  explicit SizeOverride(std::optional<int32_t> percent);
  ~SizeOverride();

  SizeOverride(const SizeOverride&) = delete;
  SizeOverride& operator=(const SizeOverride&) = delete;

private:
  std::optional<DWORD> before_;
};

// The remembered size in percent, if any.
std::optional<int32_t> rememberedSizePercent();
// No size remembered from now on.
void forgetRememberedSize();
