// Captures a window's client area as 24-bit RGB rows, top row first, so tests and gatehost can look at
// what the toolkit drew (and write it out as a PNG).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

struct CapturedImage {
  int32_t width = 0;
  int32_t height = 0;
  // width * height * 3 bytes: red, green, blue.
  std::vector<uint8_t> rgb;
};

// An empty image when the window has no client area or its device cannot be read.
CapturedImage captureClientArea(HWND window);
// What the screen shows in the area, other windows (a popup menu, say) included.
CapturedImage captureScreenArea(const RECT& area);
