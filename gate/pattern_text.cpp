// The pattern text is strict on purpose: a paste that is not exactly a pattern changes nothing, so a stray
// clipboard never scrambles a program.
#include "gate/pattern_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kHeader[] = "StepGate pattern: ";
// Far longer than any pattern (34 values of at most 15 characters): anything longer is not one.
constexpr size_t kLongestText = 1024;
// What a decimal number, exponent included, is written with; patternText writes exponents for tiny values.
constexpr char kDecimalCharacters[] = "0123456789.eE+-";

struct Field {
  const char* name;
  int32_t first;
  int32_t count;
};

constexpr Field kFields[] = {
    {"levels", FirstStepLevel, kStepCount},
    {"switches", FirstStepSwitch, kStepCount},
    {"smooth", InterpolParameter, 1},
    {"shift", BarWidthParameter, 1},
};

bool refuse(std::string& why, const char* reason) {
  why = reason;
  return false;
}

// Reads one value at `at`; false when it is no number or lies outside 0 to 1.
bool readValue(const char*& at, float& value, std::string& why) {
  // Only plain decimals: strtof would also take "nan", "inf" and hexadecimal ("0x1p-1").
  if (*at == '\0' || std::strchr("0123456789.", *at) == nullptr) return refuse(why, "Not a number");
  char* end = nullptr;
  value = std::strtof(at, &end);
  if (end == at || std::strspn(at, kDecimalCharacters) < static_cast<size_t>(end - at))
    return refuse(why, "Not a number");
  if (!(value >= 0.0f && value <= 1.0f)) return refuse(why, "Value outside 0 to 1");
  at = end;
  return true;
}

bool expect(const char*& at, const char* literal) {
  const size_t length = std::strlen(literal);
  if (std::strncmp(at, literal, length) != 0) return false;
  at += length;
  return true;
}

} // namespace

std::string patternText(const Pattern& pattern) {
  std::string text = kHeader;
  for (const Field& field : kFields) {
    if (field.first != FirstStepLevel) text += "; ";
    text += field.name;
    text += '=';
    for (int32_t i = 0; i < field.count; ++i) {
      char number[32];
      std::snprintf(number, sizeof number, "%s%.9g", i == 0 ? "" : ",", pattern[field.first + i]);
      text += number;
    }
  }
  return text;
}

bool parsePatternText(const std::string& text, Pattern& pattern, std::string& why) {
  if (text.empty()) return refuse(why, "Clipboard holds no text");
  if (text.size() > kLongestText) return refuse(why, "Text too long");
  const char* at = text.c_str();
  if (!expect(at, kHeader)) return refuse(why, "Not a pattern");
  Pattern read{};
  for (const Field& field : kFields) {
    if (field.first != FirstStepLevel && !expect(at, "; ")) return refuse(why, "Pattern cut short");
    if (!expect(at, field.name) || !expect(at, "=")) return refuse(why, "Pattern cut short");
    for (int32_t i = 0; i < field.count; ++i) {
      if (i > 0 && !expect(at, ",")) return refuse(why, "Too few values");
      if (!readValue(at, read[field.first + i], why)) return false;
    }
  }
  // A trailing line break is what editors add when a person saves the line.
  while (*at == '\r' || *at == '\n') ++at;
  if (*at != '\0') return refuse(why, "Too many values");
  pattern = read;
  why.clear();
  return true;
}
