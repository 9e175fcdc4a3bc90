// A small PNG writer for 24-bit RGB images: no compression library, just stored deflate blocks, which
// every viewer reads. Portable: gatehost's screenshots and the toolkit's tests both use it.
#pragma once

#include <cstdint>
#include <vector>

// rgb holds width * height * 3 bytes, rows top first. Empty when the size is not positive or rgb is short.
std::vector<uint8_t> encodePng(int32_t width, int32_t height, const std::vector<uint8_t>& rgb);

// False when the image cannot be encoded or the file not written completely.
bool writePngFile(const char* path, int32_t width, int32_t height, const std::vector<uint8_t>& rgb);
