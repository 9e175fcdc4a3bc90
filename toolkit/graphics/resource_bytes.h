// The bytes of one of the library's own custom resources (a program bank, say).
#pragma once

#include <cstdint>
#include <vector>

// Empty when the library has no such resource.
std::vector<uint8_t> resourceBytes(const char* type, int32_t id);
