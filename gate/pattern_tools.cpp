// The pattern tools: levels and switches moved, inverted, cleared or drawn at random, the rest kept.
#include "gate/pattern_tools.h"

Pattern rotated(const Pattern& pattern, int32_t steps) {
  Pattern result = pattern;
  for (int32_t step = 0; step < kStepCount; ++step) {
    const int32_t to = ((step + steps) % kStepCount + kStepCount) % kStepCount;
    result.levels[to] = pattern.levels[step];
    result.switches[to] = pattern.switches[step];
  }
  return result;
}

Pattern invertedLevels(const Pattern& pattern) {
  Pattern result = pattern;
  for (float& level : result.levels) level = 1.0f - level;
  return result;
}

Pattern clearedLevels(const Pattern& pattern) {
  Pattern result = pattern;
  result.levels.fill(0.0f);
  return result;
}

Pattern randomLevels(const Pattern& pattern, std::mt19937& random) {
  Pattern result = pattern;
  std::uniform_real_distribution<float> level(0.0f, 1.0f);
  for (float& drawn : result.levels) drawn = level(random);
  return result;
}

Pattern randomSwitches(const Pattern& pattern, std::mt19937& random) {
  Pattern result = pattern;
  for (float& drawn : result.switches) drawn = (random() & 1u) != 0 ? 1.0f : 0.0f;
  return result;
}
