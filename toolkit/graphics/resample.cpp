// The resampling runs in two passes, across then down, each new pixel weighing every source pixel by
// the length of it that the new pixel covers.
#include "toolkit/graphics/resample.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Red, green and blue weighed by their coverage, and the coverage itself.
using Sample = std::array<double, 4>;

// The source pixels new pixel i of `count` covers over `span` source pixels, with their weights.
struct Cover {
  int32_t first;
  std::vector<double> weights;
};

std::vector<Cover> coversOf(int32_t span, int32_t count) {
  std::vector<Cover> covers(static_cast<size_t>(count));
  const double step = static_cast<double>(span) / count;
  for (int32_t i = 0; i < count; ++i) {
    const double start = i * step;
    const double end = (i + 1) * step;
    Cover& cover = covers[static_cast<size_t>(i)];
    cover.first = static_cast<int32_t>(std::floor(start));
    const int32_t last = std::min(span - 1, static_cast<int32_t>(std::ceil(end)) - 1);
    for (int32_t j = cover.first; j <= last; ++j)
      cover.weights.push_back((std::min(end, j + 1.0) - std::max(start, static_cast<double>(j))) / step);
  }
  return covers;
}

Sample sampleOf(uint32_t pixel, std::optional<uint32_t> key) {
  if (key.has_value() && pixel == *key) return {0.0, 0.0, 0.0, 0.0};
  return {static_cast<double>((pixel >> 16) & 0xFF), static_cast<double>((pixel >> 8) & 0xFF),
          static_cast<double>(pixel & 0xFF), 1.0};
}

uint32_t pixelOf(const Sample& sample, std::optional<uint32_t> key) {
  if (key.has_value() && sample[3] <= 0.5) return *key;
  const auto channel = [&sample](size_t c) {
    return static_cast<uint32_t>(std::clamp(std::lround(sample[c] / sample[3]), 0L, 255L));
  };
  uint32_t pixel = channel(0) << 16 | channel(1) << 8 | channel(2);
  if (key.has_value() && pixel == *key) pixel ^= 1u;
  return pixel;
}

} // namespace

PixelImage resampleArea(const PixelImage& source, const Rect& area, int32_t width, int32_t height,
                        std::optional<uint32_t> key) {
  PixelImage result{width, height, {}};
  if (width <= 0 || height <= 0 || area.width() <= 0 || area.height() <= 0) return result;
  const std::vector<Cover> across = coversOf(area.width(), width);
  const std::vector<Cover> down = coversOf(area.height(), height);

  std::vector<Sample> rows(static_cast<size_t>(width) * static_cast<size_t>(area.height()));
  for (int32_t y = 0; y < area.height(); ++y) {
    const uint32_t* line = &source.pixels[static_cast<size_t>(area.top + y) * source.width + area.left];
    for (int32_t x = 0; x < width; ++x) {
      const Cover& cover = across[static_cast<size_t>(x)];
      Sample sum{};
      for (size_t k = 0; k < cover.weights.size(); ++k) {
        const Sample s = sampleOf(line[cover.first + static_cast<int32_t>(k)], key);
        for (size_t c = 0; c < 4; ++c) sum[c] += s[c] * cover.weights[k];
      }
      rows[static_cast<size_t>(y) * width + x] = sum;
    }
  }

  result.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int32_t y = 0; y < height; ++y) {
    const Cover& cover = down[static_cast<size_t>(y)];
    for (int32_t x = 0; x < width; ++x) {
      Sample sum{};
      for (size_t k = 0; k < cover.weights.size(); ++k) {
        const Sample& s = rows[static_cast<size_t>(cover.first + static_cast<int32_t>(k)) * width + x];
        for (size_t c = 0; c < 4; ++c) sum[c] += s[c] * cover.weights[k];
      }
      result.pixels[static_cast<size_t>(y) * width + x] = pixelOf(sum, key);
    }
  }
  return result;
}
