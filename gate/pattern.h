// Pattern: the 34 values of one program as the editor's pattern tools change them, and the one line of
// text in which a pattern travels between programs, instances and hosts through the clipboard.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "gate/gate_parameter.h"
#include "gate/program_record.h"

// Indexed by parameter number.
using Pattern = std::array<float, GateParameterCount>;

Pattern patternOf(const ProgramRecord& record);
Pattern initPattern();

// "StepGate pattern: levels=...; switches=...; smooth=...; shift=..." with 16, 16, 1 and 1 values, each
// written with the nine significant digits that give back the same float when read.
std::string patternText(const Pattern& pattern);
// Reads only well-formed text: the header, the four named lists in order with exactly their counts, every
// value a number from 0 to 1, and nothing else. Otherwise `pattern` is left alone and `why` says what is
// wrong, in a few words the editor can show.
bool parsePatternText(const std::string& text, Pattern& pattern, std::string& why);

// Moves every step by `steps` (positive: later in the bar), levels and switches together, wrapping round.
Pattern rotated(const Pattern& pattern, int32_t steps);
Pattern invertedLevels(const Pattern& pattern);
Pattern clearedLevels(const Pattern& pattern);
Pattern randomLevels(const Pattern& pattern, std::mt19937& random);
Pattern randomSwitches(const Pattern& pattern, std::mt19937& random);
