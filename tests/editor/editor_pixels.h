// Reading the editor's pixels back and predicting where the gain curve must be drawn.
#pragma once

#include <cstdint>

#include "gate/gain_table.h"
#include "tools/probe/window_capture.h"

struct Rgb {
  uint8_t red, green, blue;
  bool operator==(const Rgb& other) const {
    return red == other.red && green == other.green && blue == other.blue;
  }
};

Rgb pixelAt(const CapturedImage& image, int32_t x, int32_t y);

// The row on which the curve's column c starts, from the table the curve was drawn from.
int32_t curveRow(const GainTable& table, int32_t column);
// The row column c's segment heads for, one below the next column's start (the last column's own); the
// line leaves that end pixel out.
int32_t curveEndRow(const GainTable& table, int32_t column);

constexpr Rgb kStripColor{7, 41, 25};
constexpr Rgb kCurveColor{0, 255, 0};
