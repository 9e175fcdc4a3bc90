// Small pieces the validator's groups share: the hostile numbers they try and the time record they set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/gatehost/audio_probe.h"
#include "tools/gatehost/plugin_host.h"
#include "tools/gatehost/validator.h"

// The plug-in as a host meets it, which the validator checks against rather than the gate's own numbers:
// 16 programs of 34 parameters, and program names in fields of 24 bytes.
constexpr int32_t kPrograms = 16;
constexpr int32_t kParameters = 34;
constexpr size_t kNameField = 24;

// Indices a careless host passes: in range, just outside, negative and huge.
const std::vector<int32_t>& edgeIndices();
// Floats a careless host passes: NaN, infinities, huge, negative, subnormal and the ends of 0 to 1.
const std::vector<float>& edgeScalars();
// A random parameter value: mostly within 0 to 1, sometimes one of the edge scalars.
float hostileValue(Validator& validator);

void setTime(PluginHost& host, double sampleRate, double tempo, double quarterNotes);
// One block through the entry named by `accumulating`, the probe scanned and every fault reported under
// `context`; answers whether the block was clean.
bool processAndCheck(Validator& validator, PluginHost& host, AudioProbe& probe, int32_t frames,
                     bool accumulating, bool inPlace, const std::string& context);
std::string describeNumber(double value);
// The current program's name as a host fetches it, checked to end within its 24 bytes and to write nothing
// past them; empty when it does not end there.
std::string fetchProgramName(Validator& validator, PluginHost& host);
