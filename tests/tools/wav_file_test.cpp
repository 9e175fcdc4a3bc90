// Checks that sound files survive a write and a read, and that the reader decodes integer formats right.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "tools/gatehost/wav_file.h"

namespace {

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

// A 16-bit mono PCM file holding the given samples.
std::vector<uint8_t> pcm16Mono(const std::vector<int16_t>& samples, uint32_t rate) {
  const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> bytes;
  auto add = [&](uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
  add(36 + dataSize, 4);
  bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  add(16, 4);
  add(1, 2);
  add(1, 2);
  add(rate, 4);
  add(rate * 2, 4);
  add(2, 2);
  add(16, 2);
  bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
  add(dataSize, 4);
  for (int16_t sample : samples) add(static_cast<uint16_t>(sample), 2);
  return bytes;
}

} // namespace

TEST(WavFile, FloatFilesRoundTripBitForBit) {
  StereoSound sound;
  sound.sampleRate = 48000;
  sound.left = {0.0f, 0.5f, -1.0f, 1e-20f, 0.33333334f};
  sound.right = {1.0f, -0.25f, 0.75f, -0.0f, 123.5f};
  std::string error;
  ASSERT_TRUE(writeWav("roundtrip.wav", sound, error)) << error;
  StereoSound back;
  ASSERT_TRUE(readWav("roundtrip.wav", back, error)) << error;
  EXPECT_EQ(back.sampleRate, 48000);
  ASSERT_EQ(back.frames(), 5);
  EXPECT_EQ(std::memcmp(back.left.data(), sound.left.data(), 5 * sizeof(float)), 0);
  EXPECT_EQ(std::memcmp(back.right.data(), sound.right.data(), 5 * sizeof(float)), 0);
}

TEST(WavFile, SixteenBitMonoFillsBothChannels) {
  writeBytes("mono16.wav", pcm16Mono({0, 16384, -32768, 32767}, 22050));
  StereoSound sound;
  std::string error;
  ASSERT_TRUE(readWav("mono16.wav", sound, error)) << error;
  EXPECT_EQ(sound.sampleRate, 22050);
  EXPECT_EQ(sound.left, (std::vector<float>{0.0f, 0.5f, -1.0f, 32767.0f / 32768.0f}));
  EXPECT_EQ(sound.right, sound.left);
}

TEST(WavFile, RejectsFilesThatAreNotWav) {
  writeBytes("not.wav", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' '});
  StereoSound sound;
  std::string error;
  EXPECT_FALSE(readWav("not.wav", sound, error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(readWav("does-not-exist.wav", sound, error));
}
