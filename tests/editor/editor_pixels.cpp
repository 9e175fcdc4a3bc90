// The curve's sampling is restated here in its own words: 298 columns, a float step of 1024/298, each
// column's segment ending one row below the next column's start.
#include "tests/editor/editor_pixels.h"

Rgb pixelAt(const CapturedImage& image, int32_t x, int32_t y) {
  const size_t at = (static_cast<size_t>(y) * image.width + x) * 3;
  return {image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]};
}

namespace {

// Restated as the curve computes it: float arithmetic, then truncated.
int32_t rowOf(float gain, int32_t below) {
  return static_cast<int32_t>((1.0f - gain) * 62.0f + 7.0f + static_cast<float>(below));
}

float sampleOf(int32_t column) {
  const float step = 1024.0f / 298.0f;
  float a = 0.0f;
  for (int32_t c = 0; c < column; ++c) a += step;
  return a;
}

} // namespace

int32_t curveRow(const GainTable& table, int32_t column) {
  return rowOf(table[static_cast<size_t>(sampleOf(column))], 0);
}

int32_t curveEndRow(const GainTable& table, int32_t column) {
  const int32_t next = column < 297 ? column + 1 : column;
  return rowOf(table[static_cast<size_t>(sampleOf(next))], 1);
}
