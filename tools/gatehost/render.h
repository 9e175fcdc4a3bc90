// Playing a sound through the plug-in the way a host plays a song: block by block, with the time record
// advanced before every block.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/gatehost/plugin_host.h"
#include "tools/gatehost/wav_file.h"

struct RenderSettings {
  double tempo = 120.0;
  // Song position of the first frame, in quarter notes.
  double startPosition = 0.0;
  int32_t blockSize = 512;
  bool accumulating = false;
};

// Frames in one 4/4 bar.
double framesPerBar(double tempo, double sampleRate);

StereoSound render(PluginHost& host, const StereoSound& input, const RenderSettings& settings);

// Output level over input level for each of the 16 steps of one bar: the first bar that lies wholly in the
// rendered range (or the first bar touched when none does).
struct StepLevels {
  int32_t bar = 0;
  double gain[16] = {};
};

StepLevels measureStepLevels(const StereoSound& input, const StereoSound& output,
                             const RenderSettings& settings);
std::string formatStepLevels(const StepLevels& levels);
