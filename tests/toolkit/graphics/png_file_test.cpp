// Checks the PNG writer by decoding its files with an independent reader (stb_image): every pixel comes
// back exactly, and what cannot be written is refused without leaving a file.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "tools/gatehost/png_file.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

namespace {

std::vector<uint8_t> patternImage(int32_t width, int32_t height) {
  std::vector<uint8_t> rgb;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      rgb.push_back(static_cast<uint8_t>(x));
      rgb.push_back(static_cast<uint8_t>(y));
      rgb.push_back(static_cast<uint8_t>(x * 7 ^ y * 13));
    }
  return rgb;
}

bool fileExists(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file != nullptr) std::fclose(file);
  return file != nullptr;
}

TEST(PngFile, WrittenFileDecodesToTheSamePixels) {
  // Odd widths leave rows that are no multiple of four bytes; the largest needs several deflate blocks.
  const int32_t sizes[][2] = {{1, 1}, {7, 5}, {300, 250}};
  const char* path = "png_file_test.png";
  for (const auto& size : sizes) {
    const std::vector<uint8_t> rgb = patternImage(size[0], size[1]);
    ASSERT_TRUE(writePngFile(path, size[0], size[1], rgb)) << size[0] << " x " << size[1];
    int width = 0, height = 0, channels = 0;
    uint8_t* decoded = stbi_load(path, &width, &height, &channels, 3);
    std::remove(path);
    ASSERT_NE(decoded, nullptr) << stbi_failure_reason();
    EXPECT_EQ(width, size[0]);
    EXPECT_EQ(height, size[1]);
    EXPECT_EQ(channels, 3);
    EXPECT_EQ(std::vector<uint8_t>(decoded, decoded + rgb.size()), rgb) << size[0] << " x " << size[1];
    stbi_image_free(decoded);
  }
}

TEST(PngFile, RefusesWhatItCannotWrite) {
  std::vector<uint8_t> shortData = patternImage(4, 4);
  shortData.pop_back();
  struct Case {
    const char* path;
    int32_t width, height;
    std::vector<uint8_t> rgb;
  };
  const Case cases[] = {
      {"png_file_test_refused.png", 0, 5, patternImage(1, 5)},
      {"png_file_test_refused.png", 5, -1, patternImage(5, 1)},
      {"png_file_test_refused.png", 4, 4, shortData},
      {"png_file_test_no_folder/refused.png", 4, 4, patternImage(4, 4)},
      {nullptr, 4, 4, patternImage(4, 4)},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(writePngFile(c.path, c.width, c.height, c.rgb))
        << (c.path ? c.path : "null") << " " << c.width;
    if (c.path != nullptr) {
      EXPECT_FALSE(fileExists(c.path)) << c.path;
    }
  }
}

} // namespace
