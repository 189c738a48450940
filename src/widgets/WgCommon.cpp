#include "widgets/WgCommon.h"

#include <cctype>
#include <utility>

#include "platform/DesktopTheme.h"

namespace vx {
namespace {

struct DesktopState {
    std::uint8_t scheme = ReadXPColorScheme();
};

DesktopState& Desktop() {
    static DesktopState state;
    return state;
}

// Versions compare as (major, minor) pairs: 6.0 is later than 5.1.
bool AtLeast(const TOsVersion& os, int major, int minor) {
    return std::pair(os.major, os.minor) >= std::pair(major, minor);
}

}  // namespace

TRect ShrinkSides(const TRect& r, TSides sides, int n) {
    TRect out = r;
    if (sides.Has(TSide::sdLeft)) out.left += n;
    if (sides.Has(TSide::sdTop)) out.top += n;
    if (sides.Has(TSide::sdRight)) out.right -= n;
    if (sides.Has(TSide::sdBottom)) out.bottom -= n;
    return out;
}

int FrameWidth(TFrameStyleEx style, int bevelWidth) {
    switch (style) {
        case TFrameStyle::fsNone:
            return 0;
        case TFrameStyle::fsFlat:
            return 1;
        case TFrameStyle::fsStatus:
        case TFrameStyle::fsPopup:
            return bevelWidth;
        default:
            return 2;
    }
}

std::uint8_t XPColorScheme() {
    return Desktop().scheme;
}
void SetXPColorScheme(std::uint8_t scheme) {
    Desktop().scheme = scheme <= 2 ? scheme : 0;
}

std::uint8_t SchemeOfColorName(std::optional<std::string_view> name) {
    if (!name) return 0;
    std::string upper;
    for (char c : *name)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == "HOMESTEAD") return 1;
    if (upper == "METALLIC") return 2;
    return 0;
}

std::uint8_t ReadXPColorScheme() {
    const std::optional<std::string> name = ThemeColorName();
    return name ? SchemeOfColorName(*name) : SchemeOfColorName(std::nullopt);
}

bool RunningUnder(int v, const TOsVersion& os) {
    const bool is9x = os.platform == kPlatform9x;
    const bool isNT = os.platform == kPlatformNT;
    switch (v) {
        case 0:
            return is9x && os.major < 5 && os.minor == 0;
        case 1:
            return isNT && os.major < 5;
        case 2:
            return is9x && os.major < 5 && os.minor == 10;
        case 3:
            return is9x && os.major < 5 && os.minor == 90;
        case 4:
            return isNT && os.major == 5 && os.minor == 0;
        case 5:
            return isNT && os.major == 5 && os.minor == 1;
        case 6:
            return isNT && os.major == 5 && os.minor == 2;
        case 7:
            return isNT && os.major == 6 && os.minor == 0;
        default:
            return false;
    }
}

bool RunningAtLeast(int v, const TOsVersion& os) {
    const bool anyLine = os.platform == kPlatform9x || os.platform == kPlatformNT;
    const bool isNT = os.platform == kPlatformNT;
    switch (v) {
        case 0:
            return anyLine && AtLeast(os, 4, 0);
        case 1:
            return isNT && AtLeast(os, 4, 0);
        case 2:
            return anyLine && AtLeast(os, 4, 10);
        case 3:
            return anyLine && AtLeast(os, 4, 90);
        case 4:
            return isNT && AtLeast(os, 5, 0);
        case 5:
            return isNT && AtLeast(os, 5, 1);
        case 6:
            return isNT && AtLeast(os, 5, 2);
        case 7:
            return isNT && AtLeast(os, 6, 0);
        default:
            return false;
    }
}

const TOsVersion& HostOsVersion() {
    static const TOsVersion host{kPlatformNT, 6, 1};
    return host;
}
bool RunningUnder(int v) {
    return RunningUnder(v, HostOsVersion());
}
bool RunningAtLeast(int v) {
    return RunningAtLeast(v, HostOsVersion());
}

std::string StripAccelerators(std::string_view caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

}  // namespace vx
