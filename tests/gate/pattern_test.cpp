// Checks the pattern text (exact round trips, refusal of every malformed text) and the pattern tools.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gate/pattern_text.h"
#include "gate/pattern_tools.h"

namespace {

Pattern awkwardPattern() {
  Pattern pattern{};
  for (int32_t index = 0; index < GateParameterCount; ++index)
    pattern[index] = std::nextafter(static_cast<float>(index) / 33.0f, 1.0f);
  pattern[FirstStepLevel + 1] = 0.0f;
  pattern[FirstStepLevel + 2] = 1.0f;
  pattern[FirstStepLevel + 3] = 1.0e-7f;
  pattern[FirstStepSwitch] = 0.0f;
  return pattern;
}

} // namespace

TEST(PatternText, RoundTripsEveryValueBitForBit) {
  EXPECT_EQ(patternText(initPattern()), "StepGate pattern: levels=1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1; "
                                        "switches=1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1; smooth=0.5; shift=1");
  const Pattern original = awkwardPattern();
  Pattern read = initPattern();
  std::string why = "unchanged";
  ASSERT_TRUE(parsePatternText(patternText(original) + "\r\n", read, why)) << why;
  EXPECT_EQ(std::memcmp(&read, &original, sizeof original), 0);
  EXPECT_EQ(why, "");
  // The longest text taken: 1,024 characters.
  const std::string init = patternText(initPattern());
  EXPECT_TRUE(parsePatternText(init + std::string(1024 - init.size(), '\n'), read, why)) << why;
}

TEST(PatternText, RefusesMalformedTextAndChangesNothing) {
  const std::string good = patternText(awkwardPattern());
  const std::string init = patternText(initPattern());
  const std::string levelsAt = "levels=1,";
  const auto withLevel = [&](const std::string& value) {
    std::string text = init;
    return text.replace(text.find(levelsAt) + 7, 1, value);
  };
  const struct {
    std::string text;
    const char* why;
  } cases[] = {
      {"", "Clipboard holds no text"},
      {"hello", "Not a pattern"},
      {init.substr(init.find("levels")), "Not a pattern"},
      {good.substr(0, good.size() - 12), "Pattern cut short"},
      {init.substr(0, init.find("; switches")), "Pattern cut short"},
      {good + ",0.5", "Too many values"},
      {init + std::string(1025 - init.size(), '\n'), "Text too long"},
      {withLevel("1.5"), "Value outside 0 to 1"},
      {withLevel("nan"), "Not a number"},
      {withLevel("-0.25"), "Not a number"},
      {withLevel("inf"), "Not a number"},
      {withLevel("1e39"), "Value outside 0 to 1"},
      {withLevel("0x1p-1"), "Not a number"},
      {withLevel(""), "Not a number"},
  };
  for (const auto& c : cases) {
    Pattern pattern = initPattern();
    std::string why;
    EXPECT_FALSE(parsePatternText(c.text, pattern, why)) << c.text;
    EXPECT_EQ(why, c.why) << c.text;
    EXPECT_EQ(pattern, initPattern()) << c.text;
  }
}

TEST(PatternTools, ChangeOnlyWhatTheyName) {
  const Pattern start = awkwardPattern();
  std::mt19937 random(7);
  const Pattern right = rotated(start, 1), left = rotated(start, -1);
  for (int32_t step = 0; step < kStepCount; ++step) {
    const int32_t next = (step + 1) % kStepCount;
    EXPECT_EQ(right[FirstStepLevel + next], start[FirstStepLevel + step]) << step;
    EXPECT_EQ(right[FirstStepSwitch + next], start[FirstStepSwitch + step]) << step;
    EXPECT_EQ(left[FirstStepLevel + step], start[FirstStepLevel + next]) << step;
    EXPECT_EQ(invertedLevels(start)[FirstStepLevel + step], 1.0f - start[FirstStepLevel + step]) << step;
    EXPECT_EQ(clearedLevels(start)[FirstStepLevel + step], 0.0f) << step;
  }
  EXPECT_EQ(rotated(right, -1), start);
  const Pattern levels = randomLevels(start, random), switches = randomSwitches(start, random);
  int32_t switchesOn = 0;
  for (int32_t step = 0; step < kStepCount; ++step) {
    EXPECT_TRUE(levels[FirstStepLevel + step] >= 0.0f && levels[FirstStepLevel + step] <= 1.0f);
    EXPECT_EQ(levels[FirstStepSwitch + step], start[FirstStepSwitch + step]);
    EXPECT_EQ(switches[FirstStepLevel + step], start[FirstStepLevel + step]);
    switchesOn += switches[FirstStepSwitch + step] == 1.0f ? 1 : 0;
    EXPECT_TRUE(switches[FirstStepSwitch + step] == 0.0f || switches[FirstStepSwitch + step] == 1.0f);
  }
  EXPECT_GT(switchesOn, 0);
  EXPECT_LT(switchesOn, kStepCount);
  EXPECT_NE(levels, start);
  // Drawn from the whole range: some of 16 levels fall in each half.
  const auto [lowest, highest] = std::minmax_element(levels.levels.begin(), levels.levels.end());
  EXPECT_LT(*lowest, 0.5f);
  EXPECT_GT(*highest, 0.5f);
  for (const Pattern& changed : {right, invertedLevels(start), clearedLevels(start), levels, switches}) {
    EXPECT_EQ(changed[InterpolParameter], start[InterpolParameter]);
    EXPECT_EQ(changed[BarWidthParameter], start[BarWidthParameter]);
  }
}
