// WAV chunks are little-endian on every platform the project builds for; the reader still assembles
// every number byte by byte so that it stays correct wherever it is compiled.
#include "tools/gatehost/wav_file.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

enum class WavFormat : uint16_t { Pcm = 1, Float = 3, Extensible = 0xFFFE };

uint32_t readLittle(const uint8_t* bytes, int32_t count) {
  uint32_t value = 0;
  for (int32_t i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

void appendLittle(std::vector<uint8_t>& out, uint32_t value, int32_t count) {
  for (int32_t i = 0; i < count; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

float decodeSample(const uint8_t* bytes, int32_t bits, bool isFloat) {
  if (isFloat) {
    const uint32_t word = readLittle(bytes, 4);
    float value;
    std::memcpy(&value, &word, sizeof value);
    return value;
  }
  if (bits == 8) return (static_cast<float>(bytes[0]) - 128.0f) / 128.0f;
  const uint32_t raw = readLittle(bytes, bits / 8);
  // Sign-extend from the sample's own width.
  const int32_t shift = 32 - bits;
  const int32_t value = static_cast<int32_t>(raw << shift) >> shift;
  return static_cast<float>(static_cast<double>(value) / static_cast<double>(1u << (bits - 1)));
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

bool readWav(const std::string& path, StereoSound& sound, std::string& error) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    error = "cannot open " + path;
    return false;
  }
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
    bytes.insert(bytes.end(), chunk, chunk + got);
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    error = path + " is not a WAV file";
    return false;
  }
  uint16_t format = 0, channels = 0, bits = 0;
  uint32_t rate = 0;
  const uint8_t* data = nullptr;
  size_t dataSize = 0;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    const uint32_t size = readLittle(&bytes[at + 4], 4);
    const size_t body = at + 8;
    const size_t available = bytes.size() - body;
    if (std::memcmp(&bytes[at], "fmt ", 4) == 0 && size >= 16 && available >= 16) {
      format = static_cast<uint16_t>(readLittle(&bytes[body], 2));
      channels = static_cast<uint16_t>(readLittle(&bytes[body + 2], 2));
      rate = readLittle(&bytes[body + 4], 4);
      bits = static_cast<uint16_t>(readLittle(&bytes[body + 14], 2));
      if (format == static_cast<uint16_t>(WavFormat::Extensible) && size >= 26 && available >= 26)
        format = static_cast<uint16_t>(readLittle(&bytes[body + 24], 2));
    } else if (std::memcmp(&bytes[at], "data", 4) == 0) {
      data = &bytes[body];
      dataSize = size < available ? size : available;
    }
    at = body + size + (size & 1);
  }
  const bool isFloat = format == static_cast<uint16_t>(WavFormat::Float) && bits == 32;
  const bool isPcm = format == static_cast<uint16_t>(WavFormat::Pcm) &&
                     (bits == 8 || bits == 16 || bits == 24 || bits == 32);
  if (data == nullptr || channels == 0 || rate == 0 || !(isFloat || isPcm)) {
    error = path + ": unsupported WAV format (use 8/16/24/32-bit PCM or 32-bit float)";
    return false;
  }
  const size_t frameSize = static_cast<size_t>(channels) * (bits / 8);
  const size_t frames = dataSize / frameSize;
  sound.sampleRate = static_cast<int32_t>(rate);
  sound.left.resize(frames);
  sound.right.resize(frames);
  for (size_t k = 0; k < frames; ++k) {
    const uint8_t* frame = data + k * frameSize;
    sound.left[k] = decodeSample(frame, bits, isFloat);
    sound.right[k] = channels > 1 ? decodeSample(frame + bits / 8, bits, isFloat) : sound.left[k];
  }
  return true;
}

bool writeWav(const std::string& path, const StereoSound& sound, std::string& error) {
  const uint32_t frames = static_cast<uint32_t>(sound.frames());
  const uint32_t dataSize = frames * 2 * 4;
  std::vector<uint8_t> out;
  out.reserve(44 + dataSize);
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  appendLittle(out, 36 + dataSize, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  appendLittle(out, 16, 4);
  appendLittle(out, static_cast<uint32_t>(WavFormat::Float), 2);
  appendLittle(out, 2, 2);
  appendLittle(out, static_cast<uint32_t>(sound.sampleRate), 4);
  appendLittle(out, static_cast<uint32_t>(sound.sampleRate) * 8, 4);
  appendLittle(out, 8, 2);
  appendLittle(out, 32, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  appendLittle(out, dataSize, 4);
  for (uint32_t k = 0; k < frames; ++k) {
    for (float sample : {sound.left[k], sound.right[k]}) {
      uint32_t word;
      std::memcpy(&word, &sample, sizeof word);
      appendLittle(out, word, 4);
    }
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  const bool written = file != nullptr && std::fwrite(out.data(), 1, out.size(), file) == out.size();
  // A failed close can lose the buffered tail of the file: it is a failed write too.
  const bool closed = file != nullptr && std::fclose(file) == 0;
  if (!written || !closed) error = "cannot write " + path;
  return written && closed;
}
