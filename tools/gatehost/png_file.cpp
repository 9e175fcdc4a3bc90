// PNG encoding: signature, IHDR, one IDAT holding a zlib stream of stored blocks, IEND.
#include "tools/gatehost/png_file.h"

#include <cstdio>

namespace {

// Stored deflate blocks carry at most 65535 bytes each.
constexpr uint32_t kStoredBlockLimit = 65535;
constexpr uint32_t kAdlerModulus = 65521;

struct CrcTable {
  uint32_t entries[256];
  CrcTable() {
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entries[n] = c;
    }
  }
};

uint32_t crc32(const uint8_t* data, size_t size) {
  static const CrcTable table;
  uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) c = table.entries[(c ^ data[i]) & 0xFFu] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

uint32_t adler32(const std::vector<uint8_t>& data) {
  uint32_t a = 1;
  uint32_t b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % kAdlerModulus;
    b = (b + a) % kAdlerModulus;
  }
  return b << 16 | a;
}

void appendBigEndian(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value >> 24));
  out.push_back(static_cast<uint8_t>(value >> 16));
  out.push_back(static_cast<uint8_t>(value >> 8));
  out.push_back(static_cast<uint8_t>(value));
}

void appendChunk(std::vector<uint8_t>& out, const char (&type)[5], const std::vector<uint8_t>& body) {
  appendBigEndian(out, static_cast<uint32_t>(body.size()));
  const size_t typeStart = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  // The checksum covers the type and the body, not the length.
  appendBigEndian(out, crc32(out.data() + typeStart, out.size() - typeStart));
}

std::vector<uint8_t> zlibStored(const std::vector<uint8_t>& raw) {
  std::vector<uint8_t> out{0x78, 0x01};
  size_t at = 0;
  do {
    const uint32_t left = static_cast<uint32_t>(raw.size() - at);
    const uint32_t length = left < kStoredBlockLimit ? left : kStoredBlockLimit;
    const bool last = at + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<uint8_t>(length));
    out.push_back(static_cast<uint8_t>(length >> 8));
    out.push_back(static_cast<uint8_t>(~length));
    out.push_back(static_cast<uint8_t>(~length >> 8));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
               raw.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
  } while (at < raw.size());
  appendBigEndian(out, adler32(raw));
  return out;
}

} // namespace

std::vector<uint8_t> encodePng(int32_t width, int32_t height, const std::vector<uint8_t>& rgb) {
  if (width <= 0 || height <= 0) return {};
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  if (rgb.size() < rowBytes * static_cast<size_t>(height)) return {};

  std::vector<uint8_t> scanlines;
  scanlines.reserve((rowBytes + 1) * static_cast<size_t>(height));
  for (int32_t y = 0; y < height; ++y) {
    // Filter type 0: the row as it is.
    scanlines.push_back(0);
    const auto row = rgb.begin() + static_cast<std::ptrdiff_t>(rowBytes * static_cast<size_t>(y));
    scanlines.insert(scanlines.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
  }

  std::vector<uint8_t> header;
  appendBigEndian(header, static_cast<uint32_t>(width));
  appendBigEndian(header, static_cast<uint32_t>(height));
  // 8 bits per sample, colour type 2 (RGB), deflate, adaptive filtering, no interlace.
  header.insert(header.end(), {8, 2, 0, 0, 0});

  std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  appendChunk(png, "IHDR", header);
  appendChunk(png, "IDAT", zlibStored(scanlines));
  appendChunk(png, "IEND", {});
  return png;
}

bool writePngFile(const char* path, int32_t width, int32_t height, const std::vector<uint8_t>& rgb) {
  const std::vector<uint8_t> png = encodePng(width, height, rgb);
  if (png.empty() || path == nullptr) return false;
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  return std::fclose(file) == 0 && written;
}
