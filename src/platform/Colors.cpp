#include "platform/Colors.h"

#include <cmath>

namespace vx {
namespace {

// The desktop colours of the Windows XP blue theme, on which the tool's
// windows were designed.
constexpr SystemColorTable kDefaults = {
    RGBColor(212, 208, 200),  // scroll bar
    RGBColor(0, 78, 152),     // desktop background
    RGBColor(0, 84, 227),     // active caption
    RGBColor(122, 150, 223),  // inactive caption
    RGBColor(255, 255, 255),  // menu
    RGBColor(255, 255, 255),  // window
    RGBColor(0, 0, 0),        // window frame
    RGBColor(0, 0, 0),        // menu text
    RGBColor(0, 0, 0),        // window text
    RGBColor(255, 255, 255),  // caption text
    RGBColor(212, 208, 200),  // active border
    RGBColor(212, 208, 200),  // inactive border
    RGBColor(128, 128, 128),  // application work space
    RGBColor(49, 106, 197),   // highlight
    RGBColor(255, 255, 255),  // highlight text
    RGBColor(236, 233, 216),  // button face
    RGBColor(172, 168, 153),  // button shadow
    RGBColor(172, 168, 153),  // grey text
    RGBColor(0, 0, 0),        // button text
    RGBColor(216, 228, 248),  // inactive caption text
    RGBColor(255, 255, 255),  // button highlight
    RGBColor(113, 111, 100),  // 3D dark shadow
    RGBColor(241, 239, 226),  // 3D light
    RGBColor(0, 0, 0),        // info text
    RGBColor(255, 255, 225),  // info background
    RGBColor(181, 181, 181),  // (unused index 25)
    RGBColor(0, 0, 128),      // hot light
    RGBColor(61, 149, 255),   // gradient active caption
    RGBColor(157, 185, 235),  // gradient inactive caption
    RGBColor(49, 106, 197),   // menu highlight
    RGBColor(236, 233, 216),  // menu bar
};

SystemColorTable& Table() {
    static SystemColorTable table = kDefaults;
    return table;
}

}  // namespace

const SystemColorTable& SystemColors() {
    return Table();
}
void SetSystemColors(const SystemColorTable& table) {
    Table() = table;
}
const SystemColorTable& DefaultSystemColors() {
    return kDefaults;
}

TColor ColorToRGB(TColor color) {
    if (color == clNone || color == clDefault) return clBlack;
    if (IsSystemColor(color)) {
        const int index = color & 0xFF;
        return index < kSystemColorCount ? Table()[static_cast<std::size_t>(index)] : clBlack;
    }
    return color & 0x00FFFFFF;
}

}  // namespace vx

namespace vx {

int RoundHalfEven(double v) {
    // Worked out by hand rather than through the floating-point rounding
    // mode, which any library loaded into the program could change.
    const double lower = std::floor(v);
    const double diff = v - lower;
    if (diff < 0.5) return static_cast<int>(lower);
    if (diff > 0.5) return static_cast<int>(lower) + 1;
    const long long l = static_cast<long long>(lower);
    return static_cast<int>(l % 2 == 0 ? l : l + 1);
}

}  // namespace vx
