// Pixels on the screen, read back through GDI from the display that Wine
// draws on: for checking that a window has painted what it shows.
#pragma once

#include "Window.h"

#include <cstdint>
#include <vector>

namespace bvt::gui {

struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb;  // 0x00RRGGBB, row by row from the top
    std::uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

// The screen area `r` (screen coordinates).
Pixels CaptureScreen(const Rect& r);
// Pixels of `area` (relative to `p`) darker than `threshold` (0-255 luma).
int CountDark(const Pixels& p, const Rect& area, int threshold = 96);
// Distinct colours in `area`.
int CountColours(const Pixels& p, const Rect& area);

}  // namespace bvt::gui
