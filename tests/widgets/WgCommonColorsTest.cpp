#include "widgets/WgCommonColors.h"

#include <gtest/gtest.h>

#include "platform/DesktopTheme.h"

namespace vx {
namespace {

using enum TWgGradientColorStyle;

// The desktop colours the tool's windows were designed on (the default table).
constexpr TColor kFace = RGBColor(236, 233, 216);
constexpr TColor kShadow = RGBColor(172, 168, 153);
constexpr TColor kHighlight = RGBColor(49, 106, 197);

class WgColorsTest : public testing::Test {
  protected:
    void SetUp() override { SetSystemColors(DefaultSystemColors()); }
};

TEST_F(WgColorsTest, ColorToHlsOfKnownColours) {
    struct Case {
        TColor color;
        THLS hls;
    } cases[] = {
        {clRed, {0, 240, 120}},
        {clLime, {80, 240, 120}},
        {clBlue, {160, 240, 120}},
        {clWhite, {0, 0, 240}},
        {clBlack, {0, 0, 0}},
        {RGBColor(255, 128, 0), {20, 240, 120}},
        {clTeal, {120, 240, 60}},
        {RGBColor(255, 192, 203), {233, 240, 210}},
        {kFace, {34, 83, 213}},
        {clBtnFace, {34, 83, 213}},  // system colours are read as their RGB value
        {kShadow, {32, 25, 153}},
        {kHighlight, {145, 144, 116}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorToHLS(c.color), c.hls) << std::hex << c.color;
        EXPECT_EQ(HueOf(c.color), c.hls.h);
    }
}

TEST_F(WgColorsTest, GreysHaveNoHueAndNoSaturation) {
    for (int v = 0; v <= 255; v += 15) {
        const THLS hls = ColorToHLS(RGBColor(v, v, v));
        EXPECT_EQ(hls.h, 0) << v;
        EXPECT_EQ(hls.s, 0) << v;
    }
    EXPECT_EQ(ColorToHLS(RGBColor(128, 128, 128)).l, 120);
}

TEST_F(WgColorsTest, HlsToColorReadsTheHueOnAScaleOf239) {
    EXPECT_EQ(HLSToColor(0, 240, 120), clRed);
    EXPECT_EQ(HLSToColor(80, 240, 120), RGBColor(0, 255, 2));
    EXPECT_EQ(HLSToColor(160, 240, 120), RGBColor(4, 0, 255));
    EXPECT_EQ(HLSToColor(239, 240, 120), clRed);
    // 240 falls in the sixth sector, drawn with the first sector's formula.
    EXPECT_EQ(HLSToColor(240, 240, 120), RGBColor(255, 6, 0));
    EXPECT_EQ(HLSToColor(0, 0, 0), clBlack);
    EXPECT_EQ(HLSToColor(77, 200, 0), clBlack);
    EXPECT_EQ(HLSToColor(0, 0, 240), clWhite);
    EXPECT_EQ(HLSToColor(0, 0, 255), clWhite) << "lightness past 240 is still white";
}

TEST_F(WgColorsTest, RoundTripsStayWithinTheScalesStep) {
    // 240 steps of hue over 255 channel values, and a hue scale of 239 on the
    // way back: a colour comes back within a few units per channel.
    for (int r = 0; r <= 255; r += 17) {
        for (int g = 0; g <= 255; g += 51) {
            for (int b = 0; b <= 255; b += 85) {
                const TColor c = RGBColor(r, g, b);
                const THLS hls = ColorToHLS(c);
                const TColor back = HLSToColor(hls.h, hls.s, hls.l);
                EXPECT_NEAR(RedOf(back), r, 8) << r << "," << g << "," << b;
                EXPECT_NEAR(GreenOf(back), g, 8) << r << "," << g << "," << b;
                EXPECT_NEAR(BlueOf(back), b, 8) << r << "," << g << "," << b;
            }
        }
    }
    EXPECT_EQ(HLSToColor(34, 83, 213), kFace);
    EXPECT_EQ(HLSToColor(32, 25, 153), kShadow);
    EXPECT_EQ(HLSToColor(145, 144, 116), RGBColor(49, 103, 197));
}

TEST_F(WgColorsTest, LightnessSteps) {
    EXPECT_EQ(ReduceLightness(clBtnFace, 10), RGBColor(229, 225, 202));
    EXPECT_EQ(ReduceLightness(clBtnFace, 40), RGBColor(208, 201, 159));
    EXPECT_EQ(IncreaseLightness(clBtnShadow, 30), RGBColor(201, 198, 188));
    EXPECT_EQ(ReduceLightness(clHighlight, 30), RGBColor(37, 76, 146));
    EXPECT_EQ(IncreaseLightness(clHighlight, 30), RGBColor(95, 138, 215));
    EXPECT_EQ(IncreaseLightness(clWhite, 50), clWhite);
    EXPECT_EQ(IncreaseLightness(clWhite, 255), clWhite);
    EXPECT_EQ(ReduceLightness(RGBColor(200, 30, 30), 255), clBlack);
    EXPECT_EQ(ReduceLightness(clLime, 121), clBlack) << "any hue goes black at lightness 0";
}

TEST_F(WgColorsTest, AdjustLightnessBySign) {
    const TColor flat = RGBColor(150, 150, 160);
    EXPECT_EQ(AdjustLightness(flat, 30), RGBColor(184, 184, 190));
    EXPECT_EQ(AdjustLightness(clBtnShadow, -30), RGBColor(144, 139, 118));
    EXPECT_EQ(AdjustLightness(flat, 0), flat);
    EXPECT_EQ(AdjustLightness(clBtnShadow, 0), clBtnShadow) << "unchanged, not even resolved";
    EXPECT_EQ(AdjustLightness(clBlue, 0), clBlue) << "no round trip through HLS";
}

TEST_F(WgColorsTest, MixColorsWeighsTheFirstColour) {
    const TColor a = RGBColor(10, 20, 30), b = RGBColor(200, 100, 0);
    EXPECT_EQ(MixColors(a, b, 255), a);
    EXPECT_EQ(MixColors(a, b, 0), b);
    EXPECT_EQ(MixColors(a, b, 128), RGBColor(105, 60, 15));
    EXPECT_EQ(MixColors(clHighlight, clWindow, 77), RGBColor(193, 210, 237));
    EXPECT_EQ(MixColors(clBlack, clBtnFace, 40), RGBColor(199, 196, 182));
}

TEST_F(WgColorsTest, ColorsSimilarByHueAndLightness) {
    EXPECT_TRUE(ColorsSimilar(clBlack, RGBColor(60, 60, 60)));   // L 56
    EXPECT_FALSE(ColorsSimilar(clBlack, RGBColor(70, 70, 70)));  // L 66
    EXPECT_TRUE(ColorsSimilar(clRed, RGBColor(255, 120, 0)));    // H 19
    EXPECT_FALSE(ColorsSimilar(clRed, RGBColor(255, 128, 0)));   // H 20
    EXPECT_FALSE(ColorsSimilar(clRed, RGBColor(255, 0, 40)))     // H 234
        << "hues compare as numbers, not round the circle";
    EXPECT_TRUE(ColorsSimilar(clBtnFace, kFace));
}

TEST_F(WgColorsTest, ContrastHueTurnsHalfwayRoundAtFullSaturation) {
    EXPECT_EQ(ContrastHue(clRed, 120), RGBColor(0, 252, 255));
    EXPECT_EQ(ContrastHue(clBlue, 60), RGBColor(127, 128, 0));
    EXPECT_EQ(ContrastHue(clGray, 120), RGBColor(0, 252, 255)) << "a grey's hue is 0";
}

TEST_F(WgColorsTest, SchemeColumnsOnlyForOfficeStyleWithVisualStyles) {
    const TWgColorContext olive{1, true, true};
    EXPECT_EQ(SelectBandColors(olive, gcsMSOffice).start, RGBColor(255, 255, 237));
    EXPECT_EQ(SelectBandColors(olive, gcsMSOffice).stop, RGBColor(184, 199, 146));
    for (TWgGradientColorStyle style : {gcsSystem, gcsCustom}) {
        EXPECT_EQ(SelectBandColors(olive, style).start, clWindow);
        EXPECT_EQ(SelectBandColors(olive, style).stop, RGBColor(229, 225, 202));
    }
    EXPECT_EQ(SelectBandColors({1, false, true}, gcsMSOffice).start, clWindow)
        << "themes off: the system column";
}

TEST_F(WgColorsTest, SelectionColours) {
    const TSchemeColors sys = SelectSchemeColors({}, gcsSystem);
    EXPECT_EQ(sys.frame, clHighlight);
    EXPECT_EQ(sys.stop, RGBColor(193, 210, 237));
    EXPECT_EQ(sys.start, RGBColor(225, 233, 246));
    const TSchemeColors silver = SelectSchemeColors({2, true, true}, gcsMSOffice);
    EXPECT_EQ(silver.frame, RGBColor(75, 75, 111));
    EXPECT_EQ(silver.start, RGBColor(255, 238, 194));
    EXPECT_EQ(silver.stop, RGBColor(255, 217, 160));
    // A palette display gets one colour, in either branch.
    EXPECT_EQ(SelectSchemeColors({0, false, false}, gcsSystem).start, sys.stop);
    EXPECT_EQ(SelectSchemeColors({2, true, false}, gcsMSOffice).start, silver.stop);
}

TEST_F(WgColorsTest, FrameCaptionAndReversedBandColours) {
    EXPECT_EQ(SelectFrameColor({}, gcsSystem), RGBColor(201, 198, 188));
    EXPECT_EQ(SelectFrameColor({0, true, true}, gcsMSOffice), RGBColor(87, 127, 191));
    const TColorPair caption = SelectCaptionColors({}, gcsSystem);
    EXPECT_EQ(caption.start, RGBColor(199, 196, 182));
    EXPECT_EQ(caption.stop, RGBColor(162, 160, 148));
    EXPECT_EQ(SelectCaptionColors({2, true, true}, gcsMSOffice).stop, RGBColor(177, 179, 200));
    const TBandColorsReversed sys = SelectBandColorsReversed({}, gcsSystem);
    EXPECT_EQ(sys.a, RGBColor(222, 217, 188));
    EXPECT_EQ(sys.b, clWindow);
    EXPECT_EQ(sys.c, RGBColor(208, 201, 159));
    const TBandColorsReversed blue = SelectBandColorsReversed({0, true, true}, gcsMSOffice);
    EXPECT_EQ(blue.a, RGBColor(153, 187, 234));
    EXPECT_EQ(blue.b, RGBColor(227, 239, 255));
    EXPECT_EQ(blue.c, blue.a);
}

TEST_F(WgColorsTest, GroupColourSets) {
    const TGroupColors oliveSpecial = SelectGroupSchemeColors({1, true, true}, gcsMSOffice, true);
    EXPECT_EQ(oliveSpecial.caption, RGBColor(147, 160, 112));
    EXPECT_EQ(oliveSpecial.fillStart, RGBColor(130, 150, 78));
    EXPECT_EQ(oliveSpecial.hotText, RGBColor(200, 214, 169));
    EXPECT_EQ(oliveSpecial.buttonRing, RGBColor(169, 183, 129));
    EXPECT_EQ(oliveSpecial.border, clWhite);
    const TGroupColors silverNormal = SelectGroupSchemeColors({2, true, true}, gcsMSOffice, false);
    EXPECT_EQ(silverNormal.divider, RGBColor(178, 180, 191));
    EXPECT_EQ(silverNormal.body, RGBColor(240, 241, 245));

    const TGroupColors sys = SelectGroupSchemeColors({}, gcsSystem, false);
    EXPECT_EQ(sys.caption, clBtnFace);
    EXPECT_EQ(sys.fillStop, RGBColor(229, 225, 202));
    EXPECT_EQ(sys.text, RGBColor(37, 76, 146));
    EXPECT_EQ(sys.hotText, clHighlight);
    EXPECT_EQ(sys.buttonRing, RGBColor(222, 217, 188));
    const TGroupColors sysSilver = SelectGroupSchemeColors({2, false, true}, gcsMSOffice, false);
    EXPECT_EQ(sysSilver.text, clBlack);
    EXPECT_EQ(sysSilver.hotText, RGBColor(86, 85, 85));
    const TGroupColors sysSpecial = SelectGroupSchemeColors({}, gcsSystem, true);
    EXPECT_EQ(sysSpecial.fillStop, RGBColor(41, 85, 163));
    EXPECT_EQ(sysSpecial.text, clHighlightText);
    EXPECT_EQ(sysSpecial.buttonRing, RGBColor(95, 138, 215));
    EXPECT_EQ(sysSpecial.hotText, sysSpecial.buttonRing);
}

TEST_F(WgColorsTest, CaptionAndItemTextColours) {
    const TCaptionSchemeColors blue = SelectCaptionSchemeColors({0, true, true}, gcsMSOffice);
    EXPECT_EQ(blue.bandStart, RGBColor(227, 239, 255));
    EXPECT_EQ(blue.reversedStart, blue.bandStop);
    EXPECT_EQ(blue.reversedStop, blue.bandStart);
    EXPECT_EQ(blue.text, RGBColor(0, 60, 165));
    EXPECT_EQ(SelectCaptionSchemeColors({2, false, true}, gcsSystem).hotText, RGBColor(86, 85, 85));
    EXPECT_EQ(SelectCaptionSchemeColors({0, false, true}, gcsSystem).text, RGBColor(37, 76, 146));

    EXPECT_EQ(SelectFrameSchemeColors({1, true, true}, gcsMSOffice).normal, RGBColor(86, 102, 45));
    EXPECT_EQ(SelectFrameSchemeColors({0, false, true}, gcsMSOffice).hot, clHighlight);
    // The silver scheme's grey text also in the system column.
    const TTextColorPair silverSys = SelectFrameSchemeColors({2, false, true}, gcsSystem);
    EXPECT_EQ(silverSys.normal, RGBColor(63, 61, 61));
    EXPECT_EQ(silverSys.hot, RGBColor(126, 124, 124));
}

TEST_F(WgColorsTest, ThemePartColoursOnlyWithVisualStyles) {
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(ThemePartColor({1, false, true}, i), clBtnFace) << i;
    const TWgColorContext olive{1, true, true};
    EXPECT_EQ(ThemePartColor(olive, 0), clWhite);
    EXPECT_EQ(ThemePartColor(olive, 1), RGBColor(75, 103, 28));
    EXPECT_EQ(ThemePartColor(olive, 6), ThemePartColor(olive, 2));
    EXPECT_EQ(ThemePartColor(olive, 3), RGBColor(246, 246, 236));
    EXPECT_EQ(ThemePartColor(olive, 4), RGBColor(241, 243, 213));
}

TEST_F(WgColorsTest, CurrentContextFollowsTheThemeStandIn) {
    EXPECT_FALSE(CurrentColorContext().visualStyles);
    SetVisualStylesActive(true);
    EXPECT_TRUE(CurrentColorContext().visualStyles);
    SetVisualStylesActive(false);
    EXPECT_TRUE(CurrentColorContext().highColor);
}

TEST_F(WgColorsTest, SystemColoursFollowTheDesktopTable) {
    SystemColorTable table = DefaultSystemColors();
    table[clBtnFace & 0xFF] = RGBColor(212, 208, 200);
    SetSystemColors(table);
    EXPECT_EQ(ColorToHLS(clBtnFace), ColorToHLS(RGBColor(212, 208, 200)));
    EXPECT_NE(SelectBandColors({}, gcsSystem).stop, RGBColor(229, 225, 202));
}

}  // namespace
}  // namespace vx
