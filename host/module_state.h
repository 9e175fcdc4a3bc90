// The two values shared by every effect of one loaded library.
#pragma once

// The operating system's handle of the loaded library (an HINSTANCE on Windows): the toolkit loads
// bitmaps and registers its window class with it.
extern void* moduleInstance;

// Set while an effect under construction could not create its editor; read by `main`.
extern bool creationFailed;
