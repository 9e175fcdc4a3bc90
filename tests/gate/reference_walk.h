// The gate's walk through the table as plainly as it can be written, one double addition per frame:
// the reference the run-based processing must match bit for bit.
#pragma once

#include <cstdint>
#include <vector>

#include "gate/gain_table.h"

std::vector<int32_t> referenceIndices(double phase, double increment, int32_t frames);
// The gated block: both channels times the entry each frame reads.
void referenceGate(const GainTable& table, double phase, double increment, const float* const* inputs,
                   float* const* outputs, int32_t frames);
