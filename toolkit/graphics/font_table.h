// FontTable: the seven fonts a canvas (and the native text field) can select by index.
#pragma once

#include <cstdint>

enum FontFamily : uint8_t {
  familySansVariable = 0x22, // variable pitch, sans-serif
  familyDecorative = 0x50,   // decorative, default pitch
};

struct FontTableEntry {
  const char* face;
  int32_t defaultSize; // character height in pixels
  int32_t weight;
  FontFamily family;
};

constexpr int32_t kFontTableSize = 7;
extern const FontTableEntry fontTable[kFontTableSize];
