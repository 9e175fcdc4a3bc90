// The font table's entries and the fonts made from them.
#include "toolkit/graphics/font_table.h"

#include <cstring>

#include "toolkit/graphics/native_handles.h"

const FontTableEntry fontTable[kFontTableSize] = {
    {"Arial", 12, 700, familySansVariable}, {"Arial", 18, 400, familySansVariable},
    {"Arial", 14, 400, familySansVariable}, {"Arial", 12, 400, familySansVariable},
    {"Arial", 11, 400, familySansVariable}, {"Small Fonts", 9, 400, familySansVariable},
    {"Symbol", 13, 400, familyDecorative},
};

FontHandle createTableFont(int32_t index, int32_t height, FontLook look, Scale scale) {
  if (index < 0 || index >= kFontTableSize) index = 0;
  const FontTableEntry& entry = fontTable[index];
  const bool asListed = look == FontLook::asListed;
  LOGFONTA description;
  std::memset(&description, 0, sizeof description);
  // A negative height asks for the character height itself, internal leading excluded.
  description.lfHeight = -scale.length(height != 0 ? height : entry.defaultSize);
  description.lfWeight = asListed ? entry.weight : FW_NORMAL;
  description.lfPitchAndFamily = asListed ? entry.family : familySansVariable;
  description.lfOutPrecision = OUT_STRING_PRECIS;
  description.lfClipPrecision = CLIP_STROKE_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfCharSet = ANSI_CHARSET;
  std::strncpy(description.lfFaceName, entry.face, LF_FACESIZE - 1);
  return FontHandle(CreateFontIndirectA(&description));
}
