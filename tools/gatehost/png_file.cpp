// The one translation unit that compiles stb_image_write. The image is encoded in memory and written here,
// so a short write or a failed close is reported (the library's own file writer ignores both).
#include "tools/gatehost/png_file.h"

#include <cstdio>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace {

void appendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  const auto* bytes = static_cast<const uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

} // namespace

bool writePngFile(const char* path, int32_t width, int32_t height, const std::vector<uint8_t>& rgb) {
  if (path == nullptr || width <= 0 || height <= 0) return false;
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  if (rgb.size() < rowBytes * static_cast<size_t>(height)) return false;
  std::vector<uint8_t> png;
  if (stbi_write_png_to_func(appendBytes, &png, width, height, 3, rgb.data(), static_cast<int>(rowBytes)) ==
      0)
    return false;
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  return std::fclose(file) == 0 && written;
}
