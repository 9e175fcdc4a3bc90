// Resource numbers of the toolkit tests' bitmaps; macros, because the resource compiler reads this file too.
#pragma once

#define kKeyedBitmap 201
#define kAllKeyBitmap 202
#define kNoKeyBitmap 203
#define kBackdropBitmap 204
#define kFaderHandleBitmap 220
#define kFaderTrackBitmap 221
#define kTwoFramesBitmap 222
#define kThreeFramesBitmap 223
#define kFourFramesBitmap 224
