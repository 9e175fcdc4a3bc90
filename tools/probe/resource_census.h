// Counts of the process's live GDI objects, windows and menus, for leak tests. The platform's own count
// (GetGuiResources) answers 0 under Wine, so these count by looking at the objects themselves.
#pragma once

#include <cstdint>

// Every GDI object of the process (pens, brushes, fonts, bitmaps, devices, regions, ...). Relies on the
// object table accepting a handle's bare 16-bit index, which the tests prove by creating five objects.
int32_t liveGdiObjects();

// The process's windows: top-level ones and all their descendants.
int32_t liveWindows();

// The process's menus, popup menus and submenus included. Relies on the user object table accepting a
// handle's bare index, as the GDI count does; the tests prove it by creating five menus.
int32_t liveMenus();
