// Checks the PNG writer by reading its output back: signature, chunk checksums, the header fields and
// the stored deflate blocks, which must hold exactly the image's rows with filter 0.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/gatehost/png_file.h"

namespace {

// Bit by bit, independently of the writer's table.
uint32_t referenceCrc(const uint8_t* data, size_t size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

uint32_t referenceAdler(const std::vector<uint8_t>& data) {
  uint64_t a = 1;
  uint64_t b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return static_cast<uint32_t>(b << 16 | a);
}

uint32_t bigEndian(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint32_t>(bytes[at]) << 24 | static_cast<uint32_t>(bytes[at + 1]) << 16 |
         static_cast<uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

struct Chunk {
  std::string type;
  std::vector<uint8_t> body;
};

// Splits the file into chunks, checking each checksum on the way.
std::vector<Chunk> readChunks(const std::vector<uint8_t>& png) {
  std::vector<Chunk> chunks;
  size_t at = 8;
  while (at + 12 <= png.size()) {
    const uint32_t length = bigEndian(png, at);
    EXPECT_LE(at + 12 + length, png.size());
    Chunk chunk{std::string(png.begin() + at + 4, png.begin() + at + 8),
                std::vector<uint8_t>(png.begin() + at + 8, png.begin() + at + 8 + length)};
    EXPECT_EQ(bigEndian(png, at + 8 + length), referenceCrc(png.data() + at + 4, length + 4)) << chunk.type;
    chunks.push_back(chunk);
    at += 12 + length;
  }
  EXPECT_EQ(at, png.size());
  return chunks;
}

// Undoes a zlib stream made of stored blocks only.
std::vector<uint8_t> inflateStored(const std::vector<uint8_t>& stream) {
  std::vector<uint8_t> raw;
  EXPECT_EQ((stream[0] * 256 + stream[1]) % 31, 0);
  EXPECT_EQ(stream[0] & 0x0F, 8);
  size_t at = 2;
  bool last = false;
  while (!last && at + 5 <= stream.size()) {
    last = (stream[at] & 1) != 0;
    EXPECT_EQ(stream[at] >> 1 & 3, 0) << "only stored blocks expected";
    const uint32_t length = stream[at + 1] | stream[at + 2] << 8;
    const uint32_t check = stream[at + 3] | stream[at + 4] << 8;
    EXPECT_EQ(length ^ 0xFFFFu, check);
    raw.insert(raw.end(), stream.begin() + at + 5, stream.begin() + at + 5 + length);
    at += 5 + length;
  }
  EXPECT_TRUE(last);
  EXPECT_EQ(at + 4, stream.size());
  EXPECT_EQ(bigEndian(stream, at), referenceAdler(raw));
  return raw;
}

std::vector<uint8_t> patternImage(int32_t width, int32_t height) {
  std::vector<uint8_t> rgb;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      rgb.push_back(static_cast<uint8_t>(x));
      rgb.push_back(static_cast<uint8_t>(y));
      rgb.push_back(static_cast<uint8_t>(x ^ y));
    }
  return rgb;
}

TEST(PngFile, EncodedImageReadsBackAsItsRows) {
  // The larger size needs several stored blocks of at most 65535 bytes.
  const int32_t sizes[][2] = {{3, 2}, {1, 1}, {200, 150}};
  for (const auto& size : sizes) {
    const int32_t width = size[0];
    const int32_t height = size[1];
    const std::vector<uint8_t> rgb = patternImage(width, height);
    const std::vector<uint8_t> png = encodePng(width, height, rgb);
    ASSERT_GT(png.size(), 8u);
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature, signature + 8, png.begin()));

    const std::vector<Chunk> chunks = readChunks(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].type, "IHDR");
    EXPECT_EQ(chunks[1].type, "IDAT");
    EXPECT_EQ(chunks[2].type, "IEND");
    ASSERT_EQ(chunks[0].body.size(), 13u);
    EXPECT_EQ(bigEndian(chunks[0].body, 0), static_cast<uint32_t>(width));
    EXPECT_EQ(bigEndian(chunks[0].body, 4), static_cast<uint32_t>(height));
    EXPECT_EQ(chunks[0].body[8], 8);
    EXPECT_EQ(chunks[0].body[9], 2);

    const std::vector<uint8_t> raw = inflateStored(chunks[1].body);
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    ASSERT_EQ(raw.size(), (rowBytes + 1) * static_cast<size_t>(height));
    for (int32_t y = 0; y < height; ++y) {
      const size_t row = (rowBytes + 1) * static_cast<size_t>(y);
      EXPECT_EQ(raw[row], 0);
      ASSERT_TRUE(std::equal(raw.begin() + row + 1, raw.begin() + row + 1 + rowBytes,
                             rgb.begin() + rowBytes * static_cast<size_t>(y)))
          << "row " << y;
    }
  }
}

TEST(PngFile, RefusesEmptySizesAndShortPixelData) {
  EXPECT_TRUE(encodePng(0, 5, patternImage(1, 5)).empty());
  EXPECT_TRUE(encodePng(5, -1, patternImage(5, 1)).empty());
  std::vector<uint8_t> shortData = patternImage(4, 4);
  shortData.pop_back();
  EXPECT_TRUE(encodePng(4, 4, shortData).empty());
  EXPECT_FALSE(writePngFile("png_file_test_refused.png", 4, 4, shortData));
}

TEST(PngFile, WritesTheEncodedBytesToTheFile) {
  const std::vector<uint8_t> rgb = patternImage(7, 5);
  const char* path = "png_file_test.png";
  ASSERT_TRUE(writePngFile(path, 7, 5, rgb));
  std::FILE* file = std::fopen(path, "rb");
  ASSERT_NE(file, nullptr);
  std::vector<uint8_t> written;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) written.push_back(static_cast<uint8_t>(c));
  std::fclose(file);
  std::remove(path);
  EXPECT_EQ(written, encodePng(7, 5, rgb));
}

} // namespace
