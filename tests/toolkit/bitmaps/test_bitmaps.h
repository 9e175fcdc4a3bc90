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
#define kDialHandleBitmap 240
#define kDialFaceBitmap 241
#define kKnobStripBitmap 242
#define kDigitsBitmap 243
#define kMeterOnBitmap 244
#define kMeterOffBitmap 245
#define kMeterOnWideBitmap 246
#define kMeterOffWideBitmap 247
#define kSplashBitmap 248
#define kLabelBackBitmap 249
#define kLabelPressedBitmap 250
#define kGalleryTrackBitmap 251
#define kGalleryCapBitmap 252
#define kGalleryTrackWideBitmap 253
#define kGalleryCapWideBitmap 254
#define kGalleryLedBitmap 255
#define kGalleryKeyBitmap 256
#define kGalleryRockerBitmap 257
#define kGalleryLeverBitmap 258
#define kGallerySlideBitmap 259
