// The widget family's shared types and small helpers: frame styles, sides,
// gradient directions and visual styles, the desktop facts the colour sets
// depend on, the Windows version tests, and caption and integer helpers
// (monitors and colour depth come from platform/Monitors.h). No drawing here (see WgGrafx).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Monitors.h"

namespace vx {

// Frame styles in their stored order. fsFlatRounded is only taken where a
// control accepts the extended set (panel and progress-bar borders); the
// plain frame routines draw nothing for it.
enum class TFrameStyle : std::uint8_t {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
    fsFlatBold,
    fsFlatRounded,
};
using TFrameStyleEx = TFrameStyle;

// One side of a rectangle; also the edge a size panel counts as docked to.
enum class TSide : std::uint8_t { sdLeft, sdTop, sdRight, sdBottom };

// A set of sides, stored as bits (left 0, top 1, right 2, bottom 3).
class TSides {
  public:
    constexpr TSides() = default;
    constexpr TSides(std::initializer_list<TSide> sides) {
        for (TSide s : sides)
            bits_ |= Bit(s);
    }
    static constexpr TSides FromBits(std::uint8_t bits) {
        TSides s;
        s.bits_ = bits & 15;
        return s;
    }
    static constexpr TSides All() { return FromBits(15); }

    constexpr bool Has(TSide s) const { return (bits_ & Bit(s)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool operator==(const TSides&) const = default;

  private:
    static constexpr std::uint8_t Bit(TSide s) { return std::uint8_t(1u << unsigned(s)); }
    std::uint8_t bits_ = 0;
};

enum class TGradientDirection : std::uint8_t {
    gdDiagonalUp,
    gdDiagonalDown,
    gdHorizontalEnd,
    gdHorizontalCenter,
    gdHorizontalBox,
    gdVerticalEnd,
    gdVerticalCenter,
    gdVerticalBox,
    gdSquareBox,
    gdBigSquareBox,
};

enum class TWgVisualStyle : std::uint8_t { vsClassic, vsWinXP, vsGradient };
enum class TWgGradientColorStyle : std::uint8_t { gcsSystem, gcsMSOffice, gcsCustom };
enum class TOrientation : std::uint8_t { orHorizontal, orVertical };

// The rectangle shrunk by n on each of the given sides.
TRect ShrinkSides(const TRect& r, TSides sides, int n);

// How far a border of this style reaches into a rectangle on each drawn side:
// 1 for fsFlat, the bevel width for fsStatus and fsPopup, 0 for fsNone and 2
// for every other style.
int FrameWidth(TFrameStyleEx style, int bevelWidth);

// The desktop's XP colour scheme (0 blue, 1 olive, 2 silver), read once on
// first use; a group bar reads it again (ReadXPColorScheme) and stores it when
// the desktop's theme changes. Whether the display shows more than 256
// colours: HighColorDisplay (platform/Monitors.h).
std::uint8_t XPColorScheme();
void SetXPColorScheme(std::uint8_t scheme);
// The scheme named by the theme manager's colour name: "HOMESTEAD" 1,
// "METALLIC" 2 (any case), anything else or none 0.
std::uint8_t SchemeOfColorName(std::optional<std::string_view> name);
// The scheme of the desktop's theme as it is now; stores nothing.
std::uint8_t ReadXPColorScheme();

// A Windows version: platform (1 the 9x line, 2 NT), major and minor.
struct TOsVersion {
    int platform = 2;
    int major = 0;
    int minor = 0;
};
inline constexpr int kPlatform9x = 1;
inline constexpr int kPlatformNT = 2;

// Version numbers of the tests: 0 Windows 95, 1 NT, 2 98, 3 ME, 4 2000,
// 5 XP, 6 Server 2003, 7 Vista; any other is never true.
bool RunningUnder(int v, const TOsVersion& os);
bool RunningAtLeast(int v, const TOsVersion& os);
// The version the desktop reports: a current NT desktop (6.1), so the
// widgets take the paths of a composited desktop.
const TOsVersion& HostOsVersion();
bool RunningUnder(int v);
bool RunningAtLeast(int v);

// The caption as shown: every single "&" dropped, "&&" one "&".
std::string StripAccelerators(std::string_view caption);

inline int SmallerOf(int a, int b) {
    return a < b ? a : b;
}
inline int LargerOf(int a, int b) {
    return a > b ? a : b;
}

}  // namespace vx
