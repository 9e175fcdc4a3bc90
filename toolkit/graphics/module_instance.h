// The loaded library's handle, from which the toolkit loads bitmaps and registers its window class. The
// library entry sets it; a test program sets it to itself to load its own bitmaps.
#pragma once

// An HINSTANCE on Windows.
extern void* moduleInstance;
