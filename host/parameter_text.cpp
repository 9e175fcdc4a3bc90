// The digit-by-digit fixed-point formatting hosts rely on for parameter displays: no rounding, at least
// one integer digit, and never more than 8 characters whatever the value.
#include "host/parameter_text.h"

#include <cmath>
#include <cstdio>
#include <cstring>

const char kMinusInfinityText[] = "  -oo   ";
const char kHugeText[] = " Huge!  ";
const char kNotANumberText[] = "  NaN   ";

void writeFixedText(const char* fixed, char* text) { std::memcpy(text, fixed, kParameterTextSize); }

void writeFixedPointText(float value, char* text) {
  double v = value;
  if (std::isnan(v)) {
    writeFixedText(kNotANumberText, text);
    return;
  }
  int32_t places = 0;
  bool negative = false;
  if (v < 0.0) {
    negative = true;
    v = -v;
    places = 1;
    if (v > 9999999.0) return writeFixedText(kHugeText, text);
  } else if (v > 99999999.0) {
    return writeFixedText(kHugeText, text);
  }
  // The budget holds the sign, the digits and the point: an integer part that would lose its leading
  // digits is shown as too large instead of as a wrong number.
  if (std::floor(v) >= (negative ? 1000000.0 : 10000000.0)) return writeFixedText(kHugeText, text);

  char integerPart[kParameterTextSize];
  int32_t start = kParameterTextLength;
  integerPart[kParameterTextLength] = '\0';
  integerPart[--start] = '.';
  ++places;
  double n = std::floor(v);
  do {
    integerPart[--start] = static_cast<char>('0' + static_cast<int32_t>(std::fmod(n, 10.0)));
    ++places;
    n = n / 10.0;
  } while (n >= 1.0 && places < kParameterTextLength);
  if (negative) integerPart[--start] = '-';

  const int32_t integerLength = kParameterTextLength - start;
  std::memcpy(text, integerPart + start, static_cast<size_t>(integerLength));
  text[integerLength] = '\0';
  if (places >= kParameterTextLength) return;

  const int32_t fractionDigits = kParameterTextLength - places;
  double f = std::fmod(v, 1.0) * std::pow(10.0, fractionDigits);
  char* fraction = text + integerLength;
  for (int32_t k = fractionDigits - 1; k >= 0; --k) {
    if (f <= 0.0) {
      fraction[k] = '0';
    } else {
      fraction[k] = static_cast<char>('0' + static_cast<int32_t>(std::fmod(f, 10.0)));
      f = f / 10.0;
    }
  }
  fraction[fractionDigits] = '\0';
}

void writeIntegerText(int32_t value, char* text) {
  if (value >= 100000000) return writeFixedText(kHugeText, text);
  char formatted[16];
  std::snprintf(formatted, sizeof formatted, "%7d", static_cast<int>(value));
  formatted[kParameterTextLength] = '\0';
  std::memcpy(text, formatted, std::strlen(formatted) + 1);
}
