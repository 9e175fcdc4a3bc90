// The font table's entries.
#include "toolkit/graphics/font_table.h"

const FontTableEntry fontTable[kFontTableSize] = {
    {"Arial", 12, 700, familySansVariable}, {"Arial", 18, 400, familySansVariable},
    {"Arial", 14, 400, familySansVariable}, {"Arial", 12, 400, familySansVariable},
    {"Arial", 11, 400, familySansVariable}, {"Small Fonts", 9, 400, familySansVariable},
    {"Symbol", 13, 400, familyDecorative},
};
