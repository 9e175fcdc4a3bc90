// The size the user chose for an editor, kept in the user's part of the registry (one DWORD value, in
// percent, at a place the editor names), so every editor opened later by this user takes it.
#pragma once

#include <optional>

#include "toolkit/graphics/scale.h"

// Nothing when no size was remembered in the value under the key of HKEY_CURRENT_USER, or what is there
// is no size.
std::optional<Scale> rememberedScale(const char* key, const char* value);
void rememberScale(const char* key, const char* value, Scale scale);
