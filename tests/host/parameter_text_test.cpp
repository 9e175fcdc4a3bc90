// Checks the parameter texts: exact characters, truncation instead of rounding, and the 9-byte limit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "host/parameter_text.h"
#include "tests/host/spy_effect.h"

namespace {

// Writes into a guarded buffer and checks that nothing past the ninth byte was touched.
template <typename Write>
std::string written(Write write) {
  char buffer[32];
  std::memset(buffer, '#', sizeof buffer);
  write(buffer);
  for (size_t i = kParameterTextSize; i < sizeof buffer; ++i)
    if (buffer[i] != '#') return "overrun at " + std::to_string(i);
  if (std::memchr(buffer, '\0', kParameterTextSize) == nullptr) return "unterminated";
  return buffer;
}

const float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

} // namespace

TEST(FloatToText, FixedEightPlacesWithoutRounding) {
  SpyEffect effect(nullptr);
  const std::pair<float, const char*> cases[] = {
      {0.0f, "0.000000"},         {1.0f, "1.000000"},         {0.5f, "0.500000"},
      {-0.5f, "-0.50000"},        {-2.25f, "-2.25000"},       {1234567.0f, "1234567."},
      {100000000.0f, " Huge!  "}, {-10000000.0f, " Huge!  "}, {0.7f, "0.699999"},
      {12.5f, "12.50000"},        {-0.0f, "0.000000"},        {9999999.0f, "9999999."},
      {-999999.0f, "-999999."},
  };
  for (const auto& [value, text] : cases)
    EXPECT_EQ(written([&](char* t) { effect.floatToText(value, t); }), text) << value;
}

TEST(FloatToText, NumbersWhoseDigitsCannotFitShowHugeRatherThanWrongDigits) {
  SpyEffect effect(nullptr);
  for (float value : {10000000.0f, 12345678.0f, 99999990.0f, -1000000.0f, -9999999.0f, kInf, -kInf})
    EXPECT_EQ(written([&](char* t) { effect.floatToText(value, t); }), " Huge!  ") << value;
  EXPECT_EQ(written([&](char* t) { effect.floatToText(kNaN, t); }), "  NaN   ");
}

TEST(FloatToText, NeverWritesMoreThanNineBytesForAnyValue) {
  SpyEffect effect(nullptr);
  std::mt19937 random(7);
  std::uniform_int_distribution<uint32_t> bits;
  for (int i = 0; i < 20000; ++i) {
    uint32_t pattern = bits(random);
    float value;
    std::memcpy(&value, &pattern, sizeof value);
    const std::string text = written([&](char* t) { effect.floatToText(value, t); });
    ASSERT_EQ(text.size(), 8u) << text << " for bits " << pattern;
  }
}

TEST(DecibelsToText, GainFactorsInDecibels) {
  SpyEffect effect(nullptr);
  const std::pair<float, const char*> cases[] = {
      {1.0f, "0.000000"}, {0.5f, "-6.02059"},  {0.0f, "  -oo   "}, {-1.0f, "  -oo   "},
      {kNaN, "  -oo   "}, {10.0f, "20.00000"}, {kInf, " Huge!  "}, {1e-30f, "-600.000"},
  };
  for (const auto& [value, text] : cases)
    EXPECT_EQ(written([&](char* t) { effect.decibelsToText(value, t); }), text) << value;
}

TEST(SampleTexts, UseTheStoredSampleRate) {
  SpyEffect effect(nullptr);
  EXPECT_EQ(written([&](char* t) { effect.samplesToHertzText(100.0f, t); }), "441.0000");
  EXPECT_EQ(written([&](char* t) { effect.samplesToHertzText(0.0f, t); }), "0.000000");
  EXPECT_EQ(written([&](char* t) { effect.samplesToHertzText(kNaN, t); }), "0.000000");
  EXPECT_EQ(written([&](char* t) { effect.samplesToMillisecondsText(441.0f, t); }), "10.00000");
  EXPECT_EQ(written([&](char* t) { effect.samplesToHertzText(1e-30f, t); }), " Huge!  ");
  effect.applySampleRate(48000.0f);
  EXPECT_EQ(written([&](char* t) { effect.samplesToMillisecondsText(480.0f, t); }), "10.00000");
  effect.applySampleRate(0.0f);
  EXPECT_EQ(written([&](char* t) { effect.samplesToMillisecondsText(441.0f, t); }), " Huge!  ");
}

TEST(IntegerToText, RightAlignedAndCut) {
  SpyEffect effect(nullptr);
  const std::pair<int32_t, const char*> cases[] = {
      {5, "      5"},
      {-5, "     -5"},
      {99999999, "99999999"},
      {100000000, " Huge!  "},
      {-123456789, "-1234567"},
      {std::numeric_limits<int32_t>::min(), "-2147483"},
      {std::numeric_limits<int32_t>::max(), " Huge!  "},
      {0, "      0"},
  };
  for (const auto& [value, text] : cases)
    EXPECT_EQ(written([&](char* t) { effect.integerToText(value, t); }), text) << value;
}

// An override of floatToText is honoured by the conversions built on it.
TEST(TextConversions, NumberConversionsGoThroughTheVirtualFloatToText) {
  struct Marking : SpyEffect {
    Marking() : SpyEffect(nullptr) {}
    void floatToText(float, char* text) override { std::strcpy(text, "marked"); }
  } effect;
  EXPECT_EQ(written([&](char* t) { effect.decibelsToText(0.5f, t); }), "marked");
  EXPECT_EQ(written([&](char* t) { effect.samplesToHertzText(10.0f, t); }), "marked");
  EXPECT_EQ(written([&](char* t) { effect.samplesToMillisecondsText(10.0f, t); }), "marked");
}
