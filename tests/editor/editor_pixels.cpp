// The curve's sampling is restated here in its own words: 298 columns, a float step of 1024/298.
#include "tests/editor/editor_pixels.h"

Rgb pixelAt(const CapturedImage& image, int32_t x, int32_t y) {
  const size_t at = (static_cast<size_t>(y) * image.width + x) * 3;
  return {image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]};
}

int32_t curveRow(const GainTable& table, int32_t column) {
  const float step = 1024.0f / 298.0f;
  float a = 0.0f;
  for (int32_t c = 0; c < column; ++c) a += step;
  return static_cast<int32_t>((1.0f - table[static_cast<size_t>(a)]) * 62.0f + 7.0f);
}
