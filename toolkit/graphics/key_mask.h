// The 1-bit key mask of keyed pixmap drawing, and the bitmap size both it and the drawing work with.
// Included by the toolkit's .cpp files only, as the platform header it brings is.
#pragma once

#include "toolkit/graphics/native_handles.h"

// A bitmap's width and height in the logical units of a device (unchanged in the default mapping mode).
SIZE bitmapExtent(HDC device, HBITMAP bitmap);

// A new 1-bit bitmap of the bitmap's size: 1 where a pixel equals the key colour, 0 elsewhere.
BitmapHandle makeKeyMask(HDC device, HBITMAP bitmap, COLORREF keyColor);
