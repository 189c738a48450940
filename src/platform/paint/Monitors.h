// The desktop's screens as monitors, and the colour depth of what a painter
// draws on.
#pragma once

#include <optional>
#include <vector>

#include "platform/Monitors.h"

class QPaintDevice;

namespace vx {

// The screens of the desktop, in their order, and the first holding p.
std::vector<TMonitorInfo> Monitors();
std::optional<TMonitorInfo> MonitorFromPoint(TPoint p);

// Bits per pixel of a drawing surface: an image's or pixmap's own depth;
// a window, a printer or no surface at all draws at the display's depth
// (DisplayBitsPerPixel).
int BitsPerPixel(const QPaintDevice* device);

}  // namespace vx
