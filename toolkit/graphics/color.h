// Color and the ten stock colours. Alpha is carried along but no drawing uses it; on its way to the
// platform a colour becomes red + 256 green + 65536 blue.
#pragma once

#include <cstdint>

struct Color {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t alpha = 0;

  // Alpha is ignored because nothing draws with it: two colours that look the same are the same.
  bool differsFrom(const Color& other) const;
  uint32_t nativeValue() const;
};

// Keyed pixmap drawing leaves out pixels of exactly this colour; same value as colorWhite, named for its
// role.
extern const Color colorTransparentKey;
extern const Color colorBlack;
extern const Color colorWhite;
extern const Color colorGrey;
extern const Color colorRed;
extern const Color colorGreen;
extern const Color colorBlue;
extern const Color colorYellow;
extern const Color colorMagenta;
extern const Color colorCyan;
