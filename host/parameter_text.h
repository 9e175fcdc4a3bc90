// The short texts hosts show beside parameter values: every text fits 8 characters and a terminator.
#pragma once

#include <cstdint>

constexpr int32_t kParameterTextLength = 8;
// Room for every parameter text written by the conversions below.
constexpr int32_t kParameterTextSize = kParameterTextLength + 1;

extern const char kMinusInfinityText[];
extern const char kHugeText[];
extern const char kNotANumberText[];

// Fixed-point text of exactly 8 places (sign, digits, point), truncated rather than rounded.
void writeFixedPointText(float value, char* text);
// "%7d", cut after its eighth character; " Huge!  " from 100000000 up.
void writeIntegerText(int32_t value, char* text);
// Copies one of the fixed texts above.
void writeFixedText(const char* fixed, char* text);
