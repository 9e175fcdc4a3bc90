/* The numbers of the library's resources. Plain macros, because the resource compiler reads this file
   as well as the C++ code. */
#pragma once

/* The program bank: type "BANK", 16 program records. */
#define RESOURCE_BANK 1

/* The editor's bitmaps. */
#define RESOURCE_BACKGROUND 128   /* 386 x 240, the display strip at (11, 7, 309, 72) */
#define RESOURCE_FADER_TRACK 129  /* 16 x 80 */
#define RESOURCE_FADER_HANDLE 130 /* 14 x 12, pure white is transparent */
#define RESOURCE_STEP_BUTTON 131  /* 13 x 34: off frame above, on frame below */

/* The same drawn at twice the size, for the editor at 200 % (and scaled down at 150 %): the toolkit finds
   each at its bitmap's number plus 1000. */
#define RESOURCE_BACKGROUND_DOUBLE 1128   /* 772 x 480 */
#define RESOURCE_FADER_TRACK_DOUBLE 1129  /* 32 x 160 */
#define RESOURCE_FADER_HANDLE_DOUBLE 1130 /* 28 x 24 */
#define RESOURCE_STEP_BUTTON_DOUBLE 1131  /* 26 x 68 */
