#include "widgets/WgCommonColors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "platform/DesktopTheme.h"

namespace vx {
namespace {

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

// The XP scheme colour table: one row per entry, one column per scheme
// (blue, olive, silver).
struct SchemeRow {
    std::array<TColor, 3> byScheme;
};
constexpr SchemeRow kHotFrame{{RGBColor(0, 0, 128), RGBColor(63, 93, 56), RGBColor(75, 75, 111)}};
constexpr SchemeRow kHotLight{
    {RGBColor(255, 238, 194), RGBColor(255, 238, 194), RGBColor(255, 238, 194)}};
constexpr SchemeRow kHotDark{
    {RGBColor(255, 217, 160), RGBColor(255, 217, 160), RGBColor(255, 217, 160)}};
constexpr SchemeRow kBandLight{
    {RGBColor(227, 239, 255), RGBColor(255, 255, 237), RGBColor(249, 249, 255)}};
constexpr SchemeRow kBandDark{
    {RGBColor(153, 187, 234), RGBColor(184, 199, 146), RGBColor(189, 188, 208)}};
constexpr SchemeRow kFrame{
    {RGBColor(87, 127, 191), RGBColor(127, 161, 119), RGBColor(159, 159, 177)}};
constexpr SchemeRow kCaptionLight{
    {RGBColor(123, 162, 231), RGBColor(204, 217, 173), RGBColor(196, 200, 212)}};
constexpr SchemeRow kCaptionDark{
    {RGBColor(99, 117, 214), RGBColor(165, 189, 132), RGBColor(177, 179, 200)}};

// Text colours of the group bar's Outlook captions and of its items.
constexpr SchemeRow kCaptionText{
    {RGBColor(0, 60, 165), RGBColor(75, 103, 28), RGBColor(63, 61, 61)}};
constexpr SchemeRow kCaptionHotText{
    {RGBColor(66, 142, 255), RGBColor(114, 146, 29), RGBColor(126, 124, 124)}};
constexpr SchemeRow kItemText{{RGBColor(33, 93, 198), RGBColor(86, 102, 45), RGBColor(63, 61, 61)}};
constexpr SchemeRow kItemHotText{
    {RGBColor(66, 142, 255), RGBColor(114, 146, 29), RGBColor(126, 124, 124)}};
constexpr int kSilver = 2;

// The group colour sets of the three schemes, normal and special groups.
constexpr TGroupColors kGroupSets[3][2] = {
    {{RGBColor(255, 255, 255), RGBColor(255, 255, 255), RGBColor(198, 211, 247),
      RGBColor(0, 60, 165), RGBColor(66, 142, 255), RGBColor(252, 252, 252),
      RGBColor(179, 186, 217), RGBColor(49, 106, 197), RGBColor(214, 223, 247),
      RGBColor(255, 255, 255)},
     {RGBColor(49, 106, 197), RGBColor(15, 80, 190), RGBColor(41, 93, 206), RGBColor(255, 255, 255),
      RGBColor(214, 223, 247), RGBColor(47, 94, 195), RGBColor(106, 154, 222),
      RGBColor(49, 106, 197), RGBColor(239, 243, 255), RGBColor(255, 255, 255)}},
    {{RGBColor(224, 231, 184), RGBColor(241, 243, 213), RGBColor(224, 231, 184),
      RGBColor(75, 103, 28), RGBColor(114, 146, 29), RGBColor(252, 252, 252),
      RGBColor(202, 213, 190), RGBColor(147, 160, 112), RGBColor(246, 246, 236),
      RGBColor(255, 255, 255)},
     {RGBColor(147, 160, 112), RGBColor(130, 150, 78), RGBColor(150, 168, 103),
      RGBColor(255, 255, 255), RGBColor(200, 214, 169), RGBColor(130, 163, 79),
      RGBColor(169, 183, 129), RGBColor(147, 160, 112), RGBColor(246, 246, 236),
      RGBColor(255, 255, 255)}},
    {{RGBColor(214, 215, 224), RGBColor(251, 251, 252), RGBColor(214, 215, 224),
      RGBColor(63, 61, 61), RGBColor(126, 124, 124), RGBColor(252, 252, 252),
      RGBColor(195, 197, 209), RGBColor(178, 180, 191), RGBColor(240, 241, 245),
      RGBColor(255, 255, 255)},
     {RGBColor(148, 149, 171), RGBColor(140, 141, 165), RGBColor(180, 182, 199),
      RGBColor(255, 255, 255), RGBColor(214, 215, 224), RGBColor(110, 116, 150),
      RGBColor(193, 199, 222), RGBColor(178, 180, 191), RGBColor(240, 241, 245),
      RGBColor(255, 255, 255)}},
};

TColor Of(const SchemeRow& row, const TWgColorContext& ctx) {
    return row.byScheme[ctx.scheme <= 2 ? ctx.scheme : 0];
}

}  // namespace

THLS ColorToHLS(TColor color) {
    const TColor rgb = ColorToRGB(color);
    const double r = RedOf(rgb) / 255.0, g = GreenOf(rgb) / 255.0, b = BlueOf(rgb) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const double l = (mx + mn) / 2;
    double h = 0, s = 0;
    if (mx != mn) {
        const double d = mx - mn;
        s = l < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
        if (r == mx)
            h = (g - b) / d;
        else if (g == mx)
            h = 2 + (b - r) / d;
        else
            h = 4 + (r - g) / d;
        h /= 6;
        if (h < 0) h += 1;
    }
    return {Round(240 * h), Round(240 * s), Round(240 * l)};
}

int HueOf(TColor color) {
    return ColorToHLS(color).h;
}

TColor HLSToColor(int h, int s, int l) {
    // The hue is read on a scale of 239, so 239 and 240 both land in the
    // sixth sector and are drawn with the first sector's formula.
    const double hh = h / 239.0, ss = s / 240.0, ll = l / 240.0;
    const double m2 = ll < 0.5 ? ll * (1 + ss) : ll + ss - ll * ss;
    if (m2 <= 0) return clBlack;
    const double m1 = 2 * ll - m2;
    const int sector = static_cast<int>(6 * hh);
    const double f = 6 * hh - sector;
    const double rise = m1 + (m2 - m1) * f;
    const double fall = m2 - (m2 - m1) * f;
    double r, g, b;
    switch (sector) {
        case 1:
            r = fall, g = m2, b = m1;
            break;
        case 2:
            r = m1, g = m2, b = rise;
            break;
        case 3:
            r = m1, g = fall, b = m2;
            break;
        case 4:
            r = rise, g = m1, b = m2;
            break;
        case 5:
            r = m2, g = m1, b = fall;
            break;
        default:
            r = m2, g = rise, b = m1;
            break;
    }
    auto channel = [](double v) { return Round(255 * std::min(v, 1.0)); };
    return RGBColor(channel(r), channel(g), channel(b));
}

TColor ReduceLightness(TColor color, int n) {
    const THLS hls = ColorToHLS(color);
    return HLSToColor(hls.h, hls.s, std::max(0, hls.l - n));
}

TColor IncreaseLightness(TColor color, int n) {
    const THLS hls = ColorToHLS(color);
    return HLSToColor(hls.h, hls.s, std::min(255, hls.l + n));
}

TColor AdjustLightness(TColor color, int n) {
    if (n < 0) return ReduceLightness(color, -n);
    if (n > 0) return IncreaseLightness(color, n);
    return color;
}

TColor MixColors(TColor a, TColor b, int w) {
    const TColor ra = ColorToRGB(a), rb = ColorToRGB(b);
    const double wa = w / 255.0;
    auto mix = [wa](int ca, int cb) { return Round(ca * wa + cb * (1 - wa)); };
    return RGBColor(mix(RedOf(ra), RedOf(rb)), mix(GreenOf(ra), GreenOf(rb)),
                    mix(BlueOf(ra), BlueOf(rb)));
}

bool ColorsSimilar(TColor a, TColor b) {
    const THLS ha = ColorToHLS(a), hb = ColorToHLS(b);
    return std::abs(ha.h - hb.h) < 20 && std::abs(ha.l - hb.l) < 60;
}

TColor ContrastHue(TColor color, int l) {
    const int h = HueOf(color);
    return HLSToColor(h < 120 ? h + 120 : h - 120, 240, l);
}

TWgColorContext CurrentColorContext() {
    return {XPColorScheme(), VisualStylesActive(), HighColorDisplay()};
}

TColor ThemePartColor(const TWgColorContext& ctx, int index) {
    if (!ctx.visualStyles) return clBtnFace;
    const TGroupColors& group = kGroupSets[ctx.scheme <= 2 ? ctx.scheme : 0][0];
    switch (index) {
        case 0:
            return group.border;
        case 1:
        case 2:
        case 6:
            return group.text;
        case 3:
        case 5:
            return group.body;
        case 4:
            return group.fillStart;
        default:
            return clBtnFace;
    }
}

TSchemeColors SelectSchemeColors(const TWgColorContext& ctx, TWgGradientColorStyle style) {
    TSchemeColors c;
    if (ctx.UsesScheme(style)) {
        c = {Of(kHotFrame, ctx), Of(kHotLight, ctx), Of(kHotDark, ctx)};
    } else {
        c.frame = clHighlight;
        c.stop = MixColors(clHighlight, clWindow, 77);
        c.start = IncreaseLightness(c.stop, 20);
    }
    // No two-tone fill on a palette display.
    if (!ctx.highColor) c.start = c.stop;
    return c;
}

TColorPair SelectBandColors(const TWgColorContext& ctx, TWgGradientColorStyle style) {
    if (ctx.UsesScheme(style)) return {Of(kBandLight, ctx), Of(kBandDark, ctx)};
    return {clWindow, ReduceLightness(clBtnFace, 10)};
}

TColor SelectFrameColor(const TWgColorContext& ctx, TWgGradientColorStyle style) {
    if (ctx.UsesScheme(style)) return Of(kFrame, ctx);
    return IncreaseLightness(clBtnShadow, 30);
}

TBandColorsReversed SelectBandColorsReversed(const TWgColorContext& ctx,
                                             TWgGradientColorStyle style) {
    if (ctx.UsesScheme(style)) {
        const TColor dark = Of(kBandDark, ctx);
        return {dark, Of(kBandLight, ctx), dark};
    }
    return {ReduceLightness(clBtnFace, 20), clWindow, ReduceLightness(clBtnFace, 40)};
}

TColorPair SelectCaptionColors(const TWgColorContext& ctx, TWgGradientColorStyle style) {
    if (ctx.UsesScheme(style)) return {Of(kCaptionLight, ctx), Of(kCaptionDark, ctx)};
    return {MixColors(clBlack, clBtnFace, 40), MixColors(clBlack, clBtnFace, 80)};
}

TGroupColors SelectGroupSchemeColors(const TWgColorContext& ctx, TWgGradientColorStyle style,
                                     bool special) {
    if (ctx.UsesScheme(style)) return kGroupSets[ctx.scheme <= 2 ? ctx.scheme : 0][special];
    if (special) {
        const TColor light = IncreaseLightness(clHighlight, 30);
        return {clHighlight,     clHighlight, ReduceLightness(clHighlight, 20),
                clHighlightText, light,       clHighlight,
                light,           clHighlight, clBtnFace,
                clWhite};
    }
    const bool silver = ctx.scheme == kSilver;
    return {clBtnFace,
            clWindow,
            ReduceLightness(clBtnFace, 10),
            silver ? clBlack : ReduceLightness(clHighlight, 30),
            silver ? RGBColor(86, 85, 85) : clHighlight,
            clWindow,
            ReduceLightness(clBtnFace, 20),
            clHighlight,
            clBtnFace,
            clWhite};
}

TCaptionSchemeColors SelectCaptionSchemeColors(const TWgColorContext& ctx,
                                               TWgGradientColorStyle style) {
    const TColorPair band = SelectBandColors(ctx, style);
    TCaptionSchemeColors c{band.start, band.stop, band.stop, band.start, 0, 0};
    if (ctx.UsesScheme(style)) {
        c.text = Of(kCaptionText, ctx);
        c.hotText = Of(kCaptionHotText, ctx);
    } else if (ctx.scheme == kSilver) {
        c.text = clBlack;
        c.hotText = RGBColor(86, 85, 85);
    } else {
        c.text = ReduceLightness(clHighlight, 30);
        c.hotText = clHighlight;
    }
    return c;
}

TTextColorPair SelectFrameSchemeColors(const TWgColorContext& ctx, TWgGradientColorStyle style) {
    if (ctx.UsesScheme(style) || ctx.scheme == kSilver)
        return {Of(kItemText, ctx), Of(kItemHotText, ctx)};
    return {ReduceLightness(clHighlight, 30), clHighlight};
}

}  // namespace vx
