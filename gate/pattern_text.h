// The one line of text in which a pattern travels between programs, instances and hosts through the
// clipboard.
#pragma once

#include <string>

#include "gate/pattern.h"

// "StepGate pattern: levels=...; switches=...; smooth=...; shift=..." with 16, 16, 1 and 1 values, each
// written with the nine significant digits that give back the same float when read.
std::string patternText(const Pattern& pattern);
// Reads only well-formed text: the header, the four named lists in order with exactly their counts, every
// value a number from 0 to 1, and nothing else. Otherwise `pattern` is left alone and `why` says what is
// wrong, in a few words the editor can show.
bool parsePatternText(const std::string& text, Pattern& pattern, std::string& why);
