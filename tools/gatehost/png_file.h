// Writes 24-bit RGB images as compressed PNG files through stb_image_write. Portable: gatehost's
// screenshots and the toolkit's tests both use it.
#pragma once

#include <cstdint>
#include <vector>

// rgb holds width * height * 3 bytes, rows top first. False when the size is not positive, rgb is short,
// or the file cannot be written completely.
bool writePngFile(const char* path, int32_t width, int32_t height, const std::vector<uint8_t>& rgb);
