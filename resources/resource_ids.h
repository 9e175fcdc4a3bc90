/* The numbers of the library's resources. Plain macros, because the resource compiler reads this file
   as well as the C++ code. */
#pragma once

/* The program bank: type "BANK", 16 program records. */
#define RESOURCE_BANK 1

/* The editor's bitmaps, numbers 128 to 131, are numbered here. */
