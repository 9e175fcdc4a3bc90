// FontTable: the seven fonts a canvas (and the native text field) can select by index, and the one place
// that makes a font of an entry.
#pragma once

#include <cstdint>

#include "toolkit/graphics/native_types.h"
#include "toolkit/graphics/scale.h"

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

// The weight and family a font keeps of its entry: a canvas draws the entry as listed; the native text
// field's box is never bold or decorative.
enum class FontLook { asListed, regular };

// The font of entry `index` (entry 0 for an index outside the table) at a character height in pixels, or
// at the entry's own height for 0, made for the scale: the height in the layout, the font at the scale's
// height, so text stays sharp at every size.
FontHandle createTableFont(int32_t index, int32_t height, FontLook look, Scale scale);
