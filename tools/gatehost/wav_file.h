// Stereo sound files: reading the common WAV sample formats and writing 32-bit float WAV.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct StereoSound {
  int32_t sampleRate = 44100;
  std::vector<float> left;
  std::vector<float> right;

  int32_t frames() const { return static_cast<int32_t>(left.size()); }
};

// Reads 8-, 16-, 24- and 32-bit integer or 32-bit float WAV; a mono file fills both channels and only the
// first two channels of a larger file are kept. Answers false with a reason in `error`.
bool readWav(const std::string& path, StereoSound& sound, std::string& error);
bool writeWav(const std::string& path, const StereoSound& sound, std::string& error);
