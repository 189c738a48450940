// The skin's colour arithmetic, its working colours, the rule of what it
// hooks and where its painters put boxes, glyphs and menu items.
#include <gtest/gtest.h>

#include "styling/skin/SkinColors.h"
#include "styling/skin/SkinLayout.h"
#include "styling/skin/SkinSets.h"

namespace vx {
namespace {

TEST(SkinColorsTest, ArithmeticByTheTable) {
    struct Case {
        const char* what;
        TColor got;
        TColor want;
    };
    const Case cases[] = {
        {"black lightened by half", NewColor(0x000000, 50), 0x808080},
        {"lightening is capped at 100", NewColor(0x123456, 150), 0xFFFFFF},
        {"nothing at 0", NewColor(0x123456, 0), 0x123456},
        {"white darkened by 60", NewColorDark(0xFFFFFF, 60), RGBColor(195, 197, 195)},
        {"darkening clips at 0", NewColorDark(0x000000, 10), RGBColor(0, 0, 0)},
        {"a negative amount lightens, clipped", NewColorDark(0xF8F8F8, -40),
         RGBColor(255, 255, 255)},
        {"grey of a mean", GrayColor(RGBColor(30, 60, 90), 10), RGBColor(70, 70, 70)},
        {"grey never above 240", GrayColor(0xFFFFFF, 50), RGBColor(240, 240, 240)},
        // Offsets go channel by channel: a full channel does not carry.
        {"offset clamps each channel", AddColorOffset(RGBColor(0x31, 0xB2, 0xFF), 0x020200),
         RGBColor(0x31, 0xB4, 0xFF)},
        {"offset adds to every channel", AddColorOffset(RGBColor(0x8C, 0xAE, 0xE7), 0x020202),
         RGBColor(0x8E, 0xB0, 0xE9)},
        {"contrast on a dark bar", TextContrastColor(0x404040, clBlack), NewColor(0x404040, 90)},
        {"font colour on a light bar", TextContrastColor(0xF0F0F0, 0x0000FF), 0x0000FF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(SkinColorsTest, WorkingColorsFollowTheSystemColoursAndTheDepth) {
    TSkinColorSettings own;
    own.useSystemColors = false;
    own.selectColor = 0x000000;
    own.color = 0x112233;
    const TSkinWorkingColors high = PrepareSkinColors(own, true, clMenuText);
    EXPECT_EQ(high.menu, 0x112233);
    EXPECT_EQ(high.select, NewColor(0x000000, 68));
    EXPECT_EQ(high.checkedArea, NewColor(0x000000, 80));
    EXPECT_EQ(high.menuBorder, NewColorDark(clBtnFace, 90));
    const TSkinWorkingColors low = PrepareSkinColors(own, false, clMenuText);
    EXPECT_EQ(low.select, 0x000000);
    EXPECT_EQ(low.checkedAreaSelected, 0xC0C0C0);
    EXPECT_EQ(low.menuShadow, ColorToRGB(clBtnShadow));

    const TSkinColorSettings system;  // the dialogs' values
    const TSkinWorkingColors sys = PrepareSkinColors(system, true, 0x0000FF);
    EXPECT_EQ(sys.menu, NewColor(clBtnFace, 86));
    EXPECT_EQ(sys.iconBar, NewColor(clBtnFace, 16));
    EXPECT_EQ(sys.disabled, NewColor(clBtnShadow, 10));
    EXPECT_EQ(sys.separator, NewColor(clBtnShadow, 25));
    EXPECT_EQ(sys.selectFont, 0x0000FF);
    const TSkinWorkingColors sysLow = PrepareSkinColors(system, false, 0x0000FF);
    EXPECT_EQ(sysLow.menu, clWhite);
    EXPECT_EQ(sysLow.select, clWhite);
    EXPECT_EQ(sysLow.separator, ColorToRGB(clBtnShadow));
}

TEST(SkinSetsTest, TheSetsAndTagsSelect) {
    using C = TSkinControl;
    using P = TSkinContainer;
    struct Case {
        C kind;
        P parent;
        TSkinControls controls;
        TSkinContainers containers;
        int tag;
        int parentTag;
        bool hooked;
    };
    const TSkinControls noEdit = kAllSkinControls & ~SkinBit(C::xcEdit);
    const TSkinContainers noGroup = kAllSkinContainers & ~SkinBit(P::xccGroupBox);
    const Case cases[] = {
        {C::xcEdit, P::xccForm, kAllSkinControls, kAllSkinContainers, 0, 0, true},
        {C::xcEdit, P::xccForm, noEdit, kAllSkinContainers, 0, 0, false},
        {C::xcCombo, P::xccForm, noEdit, kAllSkinContainers, 0, 0, true},
        {C::xcCheckBox, P::xccGroupBox, kAllSkinControls, noGroup, 0, 0, false},
        {C::xcCheckBox, P::xccTabSheet, kAllSkinControls, noGroup, 0, 0, true},
        {C::xcButton, P::xccForm, kAllSkinControls, kAllSkinContainers, 999, 0, false},
        {C::xcButton, P::xccPanel, kAllSkinControls, kAllSkinContainers, 0, 999, false},
        {C::xcButton, P::xccPanel, kAllSkinControls, kAllSkinContainers, -1, 0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SkinSelects(c.kind, c.parent, c.controls, c.containers, c.tag, c.parentTag),
                  c.hooked)
            << static_cast<int>(c.kind) << " on " << static_cast<int>(c.parent);
}

TEST(SkinLayoutTest, BoxesGlyphsAndMenuItems) {
    EXPECT_EQ(BoxSide(false, true), TBoxSide::Left);
    EXPECT_EQ(BoxSide(true, true), TBoxSide::Right);
    EXPECT_EQ(BoxSide(false, false), TBoxSide::Right);
    EXPECT_EQ(BoxSide(true, false), TBoxSide::Left);
    // A 100 x 24 check box: 16 high, centred on the 18 rows left after 3
    // each way; 15 wide on the left, one more in the XP look.
    EXPECT_EQ(CheckBoxArea({0, 0, 100, 24}, TBoxSide::Left, false), (TRect{0, 4, 15, 21}));
    EXPECT_EQ(CheckBoxArea({0, 0, 100, 24}, TBoxSide::Left, true), (TRect{0, 4, 16, 21}));
    EXPECT_EQ(CheckBoxArea({0, 0, 100, 24}, TBoxSide::Right, false), (TRect{85, 4, 100, 21}));
    EXPECT_EQ(RadioArea({0, 0, 100, 24}, TBoxSide::Left, true), (TRect{0, 4, 17, 21}));

    struct Case {
        TGlyphPlace place;
        TGlyphLayout want;
    };
    // A 16 x 16 glyph and a 30 x 12 caption, 4 apart, on 80 x 40.
    const Case cases[] = {
        {TGlyphPlace::Left, {{15, 12, 31, 28}, {35, 0, 65, 40}}},
        {TGlyphPlace::Right, {{49, 12, 65, 28}, {15, 0, 45, 40}}},
        {TGlyphPlace::Top, {{32, 4, 48, 20}, {25, 24, 55, 36}}},
        {TGlyphPlace::Bottom, {{32, 20, 48, 36}, {25, 4, 55, 16}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LayoutGlyph(c.place, 80, 40, 16, 16, 30, 12, 4), c.want)
            << static_cast<int>(c.place);

    EXPECT_EQ(MenuItemHeight(20, 0, true), 4);
    EXPECT_EQ(MenuItemHeight(12, 0, false), 21);   // 12 + 9
    EXPECT_EQ(MenuItemHeight(14, 0, false), 24);   // 14 + round(10.5) = 14 + 10
    EXPECT_EQ(MenuItemHeight(12, 32, false), 38);  // the image's height wins
}

}  // namespace
}  // namespace vx
