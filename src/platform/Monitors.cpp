#include "platform/Monitors.h"

namespace vx {
namespace {

int& BitsPerPixel() {
    static int bits = 32;
    return bits;
}

}  // namespace

std::optional<TMonitorInfo> MonitorFromPoint(const std::vector<TMonitorInfo>& monitors, TPoint p) {
    for (const TMonitorInfo& m : monitors) {
        if (m.rect.Contains(p)) return m;
    }
    return std::nullopt;
}

int DisplayBitsPerPixel() {
    return BitsPerPixel();
}
void SetDisplayBitsPerPixel(int bits) {
    BitsPerPixel() = bits < 1 ? 1 : bits;
}
bool HighColorDisplay() {
    return DisplayBitsPerPixel() > 8;
}
void SetHighColorDisplay(bool high) {
    SetDisplayBitsPerPixel(high ? 32 : 8);
}

}  // namespace vx
