// A number kept for the user: one DWORD value under a key of HKEY_CURRENT_USER, which survives the process
// and every editor in it.
#pragma once

#include <cstdint>
#include <optional>

// Nothing when the key, the value or a DWORD there is missing.
std::optional<uint32_t> userNumber(const char* key, const char* value);
// Stores the number, creating the key; none removes the value.
void storeUserNumber(const char* key, const char* value, std::optional<uint32_t> number);
