// A minor-seventh chord of soft sawtooth-like partials, slightly detuned between the channels for width.
#include "tools/gatehost/test_signal.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kChordHertz[] = {110.0, 130.8128, 164.8138, 195.9977};
constexpr int32_t kPartials = 6;
constexpr double kLevel = 0.12;
constexpr double kDetune = 1.003;
constexpr double kFadeSeconds = 0.01;

double voice(double hertz, double seconds) {
  double sum = 0.0;
  for (int32_t partial = 1; partial <= kPartials; ++partial)
    sum += std::sin(2.0 * kPi * hertz * partial * seconds) / partial;
  return sum;
}

} // namespace

StereoSound sustainedChord(int32_t sampleRate, int32_t frames) {
  StereoSound sound;
  sound.sampleRate = sampleRate;
  sound.left.resize(static_cast<size_t>(frames));
  sound.right.resize(static_cast<size_t>(frames));
  const double fadeFrames = kFadeSeconds * sampleRate;
  for (int32_t k = 0; k < frames; ++k) {
    const double seconds = static_cast<double>(k) / sampleRate;
    // Short fades at both ends so the file itself starts and ends without a click.
    const double fade = std::fmin(1.0, std::fmin(k / fadeFrames, (frames - 1 - k) / fadeFrames));
    double left = 0.0, right = 0.0;
    for (double hertz : kChordHertz) {
      left += voice(hertz, seconds);
      right += voice(hertz * kDetune, seconds);
    }
    sound.left[static_cast<size_t>(k)] = static_cast<float>(kLevel * fade * left);
    sound.right[static_cast<size_t>(k)] = static_cast<float>(kLevel * fade * right);
  }
  return sound;
}
