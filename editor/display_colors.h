// The colours of the editor's display strips: the dark green under the gain curve and the readout, and
// what is drawn on it.
#pragma once

#include "toolkit/graphics/color.h"

inline constexpr Color kDisplayColor{7, 41, 25, 0};
inline constexpr Color kCurveColor{0, 255, 0, 0};
inline constexpr Color kReadoutTextColor{84, 232, 128, 0};
