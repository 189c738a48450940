// Colour arithmetic of the widget family in the HLS model (hue, lightness and
// saturation as bytes on a 0-240 scale), and the colour sets the widgets
// choose by their gradient colour style and the desktop's XP colour scheme.
//
// Every routine turns system colours into RGB first; results are RGB colours
// or, in the system branches of the colour sets, system colours where a set
// names one.
#pragma once

#include <cstdint>

#include "platform/Colors.h"
#include "widgets/WgCommon.h"

namespace vx {

struct THLS {
    int h = 0;
    int s = 0;
    int l = 0;
    bool operator==(const THLS&) const = default;
};

THLS ColorToHLS(TColor color);
int HueOf(TColor color);
// L may reach 255: lightness raised past 240 still reads as white.
TColor HLSToColor(int h, int s, int l);
// Same hue and saturation, lightness lowered by n (not below 0) or raised by
// n (not above 255).
TColor ReduceLightness(TColor color, int n);
TColor IncreaseLightness(TColor color, int n);
// n below 0 reduces by -n, above 0 increases by n, 0 keeps the colour as is.
TColor AdjustLightness(TColor color, int n);
// Each channel a × w/255 + b × (1 - w/255), rounded; w 255 gives a, 0 gives b.
TColor MixColors(TColor a, TColor b, int w);
// Hues less than 20 apart and lightnesses less than 60 apart.
bool ColorsSimilar(TColor a, TColor b);
// The hue on the other side of the circle, fully saturated, at lightness l.
TColor ContrastHue(TColor color, int l);

// What the colour sets depend on besides a widget's own gradient colour
// style: the desktop's XP colour scheme, whether its visual styles are on,
// and whether the display shows more than 256 colours.
struct TWgColorContext {
    std::uint8_t scheme = 0;
    bool visualStyles = false;
    bool highColor = true;
    // The scheme columns apply only to gcsMSOffice while visual styles are on.
    bool UsesScheme(TWgGradientColorStyle style) const {
        return style == TWgGradientColorStyle::gcsMSOffice && visualStyles;
    }
};

// The desktop as it is now: the stored scheme, the theme stand-in's visual
// styles, the display's colours.
TWgColorContext CurrentColorContext();

// A colour of the desktop theme's explorer-bar element: index 0 its border,
// 1, 2 and 6 its text, 3 and 5 its fill, 4 its first gradient colour. With
// visual styles off, clBtnFace; the stand-in theme answers with the
// scheme's group colours.
TColor ThemePartColor(const TWgColorContext& ctx, int index);

struct TSchemeColors {
    TColor frame;
    TColor start;
    TColor stop;
};
struct TColorPair {
    TColor start;
    TColor stop;
};
struct TBandColorsReversed {
    TColor a;
    TColor b;
    TColor c;
};
// The group bar's ten colours of a group.
struct TGroupColors {
    TColor caption;
    TColor fillStart;
    TColor fillStop;
    TColor text;
    TColor hotText;
    TColor buttonFill;
    TColor buttonRing;
    TColor divider;
    TColor body;
    TColor border;
};
// The group bar's Outlook set: the band pair, the same pair reversed, and
// the text colours.
struct TCaptionSchemeColors {
    TColor bandStart;
    TColor bandStop;
    TColor reversedStart;
    TColor reversedStop;
    TColor text;
    TColor hotText;
};
struct TTextColorPair {
    TColor normal;
    TColor hot;
};

// Selection frame, fill start and fill stop (start = stop on a palette display).
TSchemeColors SelectSchemeColors(const TWgColorContext& ctx, TWgGradientColorStyle style);
TColorPair SelectBandColors(const TWgColorContext& ctx, TWgGradientColorStyle style);
TColor SelectFrameColor(const TWgColorContext& ctx, TWgGradientColorStyle style);
TBandColorsReversed SelectBandColorsReversed(const TWgColorContext& ctx,
                                             TWgGradientColorStyle style);
TColorPair SelectCaptionColors(const TWgColorContext& ctx, TWgGradientColorStyle style);
TGroupColors SelectGroupSchemeColors(const TWgColorContext& ctx, TWgGradientColorStyle style,
                                     bool special);
TCaptionSchemeColors SelectCaptionSchemeColors(const TWgColorContext& ctx,
                                               TWgGradientColorStyle style);
// The group items' text colours, normal and hot.
TTextColorPair SelectFrameSchemeColors(const TWgColorContext& ctx, TWgGradientColorStyle style);

}  // namespace vx
