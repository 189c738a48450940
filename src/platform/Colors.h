// Colours as the tool's windows and settings store them.
//
// A TColor is either an RGB colour, $00BBGGRR (red in the low byte, as the
// settings file and the drawing code write them), or a system colour: high
// byte 0xFF and the system colour's index in the low byte (clWindow is the
// desktop's window background, whatever it is). System colours are resolved
// through one table that the program may replace. clNone means "draw
// nothing" where a colour is optional.
#pragma once

#include <array>
#include <cstdint>

namespace vx {

using TColor = std::int32_t;

inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor SystemColor(int index) {
    return clSystemColor | index;
}

inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);
inline constexpr TColor clHotLight = SystemColor(26);
inline constexpr TColor clGradientActiveCaption = SystemColor(27);
inline constexpr TColor clGradientInactiveCaption = SystemColor(28);
inline constexpr TColor clMenuHighlight = SystemColor(29);
inline constexpr TColor clMenuBar = SystemColor(30);
inline constexpr int kSystemColorCount = 31;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
// The four further named colours of the window framework, in the same
// $00BBGGRR form (clMedGray is a bluish grey: red and green 160, blue 164).
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;

constexpr TColor RGBColor(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(TColor c) {
    return c & 0xFF;
}
constexpr int GreenOf(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr int BlueOf(TColor c) {
    return (c >> 16) & 0xFF;
}
constexpr bool IsSystemColor(TColor c) {
    return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0xFF000000u;
}

// RGB values of the system colours, indexed by the low byte.
using SystemColorTable = std::array<TColor, kSystemColorCount>;

// The table in use; starts as the desktop defaults the tool was designed on.
const SystemColorTable& SystemColors();
void SetSystemColors(const SystemColorTable& table);
const SystemColorTable& DefaultSystemColors();

// An RGB colour: system colours through the table (an unknown index gives
// black); an RGB colour is returned without its high byte. clNone and
// clDefault are no colours and give black.
TColor ColorToRGB(TColor color);

// The whole number nearest to v, a half going to the even neighbour
// (round(127.5) = 128, round(4.5) = 4): the rule of every colour blend and
// gradient step of the menus and tool bars.
int RoundHalfEven(double v);

}  // namespace vx
