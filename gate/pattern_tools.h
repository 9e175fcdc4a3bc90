// The pattern tools of the editor's menu, each a new pattern made of the one given.
#pragma once

#include <cstdint>
#include <random>

#include "gate/pattern.h"

// Moves every step by `steps` (positive: later in the bar), levels and switches together, wrapping round.
Pattern rotated(const Pattern& pattern, int32_t steps);
Pattern invertedLevels(const Pattern& pattern);
Pattern clearedLevels(const Pattern& pattern);
Pattern randomLevels(const Pattern& pattern, std::mt19937& random);
Pattern randomSwitches(const Pattern& pattern, std::mt19937& random);
