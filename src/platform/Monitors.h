// The desktop's monitors and colour depth as plain data: a monitor's
// rectangles, the lookup of the monitor under a point, and the display's bits
// per pixel, which decide whether the controls draw gradients or the flat
// colours of a palette display. The screens themselves are read in
// platform/paint/Monitors.h.
#pragma once

#include <optional>
#include <vector>

#include "platform/Geometry.h"

namespace vx {

// A monitor's full rectangle and its work area (less the task bars).
struct TMonitorInfo {
    TRect rect;
    TRect workArea;
    bool operator==(const TMonitorInfo&) const = default;
};
// The first monitor whose rectangle holds the point, or none.
std::optional<TMonitorInfo> MonitorFromPoint(const std::vector<TMonitorInfo>& monitors, TPoint p);

// The display's bits per pixel: 32 unless set otherwise (every display here
// shows true colour; tests set lower depths). Values below 1 are taken as 1.
int DisplayBitsPerPixel();
void SetDisplayBitsPerPixel(int bits);
// Whether the display shows more than 256 colours (more than 8 bits per
// pixel); setting it false makes the display an 8-bit one, true a 32-bit one.
bool HighColorDisplay();
void SetHighColorDisplay(bool high);

}  // namespace vx
