// Rendering and the per-step level table. Positions come from the frame count, not from summing block
// lengths in floating point, so long renders do not drift.
#include "tools/gatehost/render.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

double framesPerBar(double tempo, double sampleRate) { return 4.0 * 60.0 / tempo * sampleRate; }

StereoSound render(PluginHost& host, const StereoSound& input, const RenderSettings& settings) {
  StereoSound output;
  output.sampleRate = input.sampleRate;
  output.left.assign(input.left.size(), 0.0f);
  output.right.assign(input.right.size(), 0.0f);
  // The host's own copies of the input: an effect may not write its inputs, but a careless one must not
  // spoil the caller's sound.
  std::vector<float> inLeft(static_cast<size_t>(settings.blockSize)), inRight(inLeft.size());
  HostTimeInfo& time = host.time();
  time.sampleRate = input.sampleRate;
  time.tempo = settings.tempo;
  const double quartersPerFrame = settings.tempo / 60.0 / input.sampleRate;
  for (int32_t done = 0; done < input.frames(); done += settings.blockSize) {
    const int32_t frames = std::min(settings.blockSize, input.frames() - done);
    std::copy_n(&input.left[static_cast<size_t>(done)], frames, inLeft.data());
    std::copy_n(&input.right[static_cast<size_t>(done)], frames, inRight.data());
    float* inputs[] = {inLeft.data(), inRight.data()};
    float* outputs[] = {&output.left[static_cast<size_t>(done)], &output.right[static_cast<size_t>(done)]};
    time.samplePosition = done;
    time.quarterNotePosition = settings.startPosition + done * quartersPerFrame;
    if (settings.accumulating)
      host.processAccumulating(inputs, outputs, frames);
    else
      host.processOverwriting(inputs, outputs, frames);
  }
  return output;
}

StepLevels measureStepLevels(const StereoSound& input, const StereoSound& output,
                             const RenderSettings& settings) {
  const double barFrames = framesPerBar(settings.tempo, input.sampleRate);
  const double startBars = settings.startPosition / 4.0;
  const double endBars = startBars + input.frames() / barFrames;
  StepLevels levels;
  const int32_t firstWhole = static_cast<int32_t>(std::ceil(startBars));
  levels.bar = firstWhole + 1 <= endBars ? firstWhole : static_cast<int32_t>(std::floor(startBars));
  double inEnergy[16] = {}, outEnergy[16] = {};
  for (int32_t k = 0; k < input.frames(); ++k) {
    const double bars = startBars + k / barFrames;
    if (static_cast<int32_t>(std::floor(bars)) != levels.bar) continue;
    const int32_t step = std::min(15, static_cast<int32_t>((bars - levels.bar) * 16.0));
    const size_t i = static_cast<size_t>(k);
    inEnergy[step] += input.left[i] * input.left[i] + input.right[i] * input.right[i];
    outEnergy[step] += output.left[i] * output.left[i] + output.right[i] * output.right[i];
  }
  for (int32_t step = 0; step < 16; ++step)
    levels.gain[step] = inEnergy[step] > 0.0 ? std::sqrt(outEnergy[step] / inEnergy[step]) : 0.0;
  return levels;
}

std::string formatStepLevels(const StepLevels& levels) {
  constexpr int32_t kBarWidth = 40;
  std::string table = "bar " + std::to_string(levels.bar + 1) + ", output level / input level per step\n";
  table += "step  level  \n";
  for (int32_t step = 0; step < 16; ++step) {
    char line[96];
    const double shown = std::clamp(levels.gain[step], 0.0, 1.0);
    const int32_t length = static_cast<int32_t>(std::lround(shown * kBarWidth));
    std::snprintf(line, sizeof line, "%4d  %5.3f  |%s%s|\n", step + 1, levels.gain[step],
                  std::string(static_cast<size_t>(length), '#').c_str(),
                  std::string(static_cast<size_t>(kBarWidth - length), ' ').c_str());
    table += line;
  }
  return table;
}
