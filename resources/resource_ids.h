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
