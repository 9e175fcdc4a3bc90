// Counts of the process's live GDI objects and windows, for leak tests. The platform's own count
// (GetGuiResources) answers 0 under Wine, so these count by looking at the objects themselves.
#pragma once

#include <cstdint>

// Every GDI object of the process (pens, brushes, fonts, bitmaps, devices, regions, ...). Relies on the
// object table accepting a handle's bare 16-bit index, which the tests prove by creating five objects.
int32_t liveGdiObjects();

// The process's windows: top-level ones and all their descendants.
int32_t liveWindows();
