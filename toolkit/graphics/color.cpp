// Color's comparison and native value, and the stock colours (constant-initialised, so valid before any
// code that reads them runs).
#include "toolkit/graphics/color.h"

bool Color::differsFrom(const Color& other) const {
  return red != other.red || green != other.green || blue != other.blue;
}

uint32_t Color::nativeValue() const {
  return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 | static_cast<uint32_t>(blue) << 16;
}

const Color colorTransparentKey{255, 255, 255, 0};
const Color colorBlack{0, 0, 0, 0};
const Color colorWhite{255, 255, 255, 0};
const Color colorGrey{127, 127, 127, 0};
const Color colorRed{255, 0, 0, 0};
const Color colorGreen{0, 255, 0, 0};
const Color colorBlue{0, 0, 255, 0};
const Color colorYellow{255, 255, 0, 0};
const Color colorMagenta{255, 0, 255, 0};
const Color colorCyan{0, 255, 255, 0};
