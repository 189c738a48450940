#include "widgets/WgGrafxFrames.h"

#include <gtest/gtest.h>

#include "widgets/ColorGrid.h"
#include "widgets/WgCommonColors.h"

namespace vx {
namespace {

using enum TFrameStyle;
using enum TSide;
using Rows = std::vector<std::string>;
using test::ColorGrid;

TEST(WgFramesTest, TablesOfTheStyles) {
    EXPECT_EQ(FrameColorsOf(fsFlat), (TFrameColors{cl3DDkShadow, cl3DDkShadow}));
    EXPECT_EQ(FrameColorsOf(fsRaised), (TFrameColors{cl3DDkShadow, clBtnFace}));
    EXPECT_EQ(FrameColorsOf(fsBump), (TFrameColors{clBtnHighlight, clBtnShadow}));
    EXPECT_EQ(FrameColorsOf(fsFlatBold), (TFrameColors{clBtnShadow, clBtnShadow}));
    EXPECT_EQ(BevelColorsOf(fsButtonDown),
              (TBevelColors{{clBtnText, clBtnText}, {clBtnShadow, clBtnShadow}}));
    EXPECT_EQ(BevelColorsOf(fsLowered),
              (TBevelColors{{clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight}}));
}

TEST(WgFramesTest, DrawSidesGivesTheLowerRightColourItsThreeCorners) {
    ColorGrid g(5, 4);
    EXPECT_EQ(DrawSides(g, {0, 0, 5, 4}, clBtnHighlight, clBtnShadow, TSides::All()),
              (TRect{1, 1, 4, 3}));
    EXPECT_EQ(g.Rows(), (Rows{"HHHHS", "H...S", "H...S", "SSSSS"}));
}

TEST(WgFramesTest, DrawSidesOnChosenSidesOnly) {
    ColorGrid g(5, 4);
    EXPECT_EQ(DrawSides(g, {0, 0, 5, 4}, clBtnHighlight, clBtnShadow, {sdBottom}),
              (TRect{0, 0, 5, 3}));
    EXPECT_EQ(g.Rows(), (Rows{".....", ".....", ".....", "SSSSS"}));

    ColorGrid none(5, 4);
    EXPECT_EQ(DrawSides(none, {0, 0, 5, 4}, clBtnHighlight, clBtnShadow, {}), (TRect{0, 0, 5, 4}));
    EXPECT_EQ(none.Fills(), 0);
}

TEST(WgFramesTest, NoColourSkipsItsEdgesAndKeepsThem) {
    ColorGrid g(4, 3);
    EXPECT_EQ(DrawSides(g, {0, 0, 4, 3}, clNone, clBtnShadow, TSides::All()), (TRect{0, 0, 3, 2}));
    EXPECT_EQ(g.Rows(), (Rows{"...S", "...S", "SSSS"}));
}

TEST(WgFramesTest, RaisedAndLoweredAreTwoBevels) {
    ColorGrid raised(6, 5);
    EXPECT_EQ(FrameAllSides(raised, {0, 0, 6, 5}, fsRaised), (TRect{2, 2, 4, 3}));
    EXPECT_EQ(raised.Rows(), (Rows{"LLLLLD", "LHHHSD", "LH..SD", "LSSSSD", "DDDDDD"}));

    ColorGrid lowered(6, 5);
    FrameAllSides(lowered, {0, 0, 6, 5}, fsLowered);
    EXPECT_EQ(lowered.Rows(), (Rows{"SSSSSH", "SDDDLH", "SD..LH", "SLLLLH", "HHHHHH"}));

    ColorGrid down(4, 4);
    FrameAllSides(down, {0, 0, 4, 4}, fsButtonDown);
    EXPECT_EQ(down.Rows(), (Rows{"TTTT", "TSST", "TSST", "TTTT"}));
}

TEST(WgFramesTest, GrooveIsAnEtchedEdgeTwoPixelsWide) {
    ColorGrid groove(6, 5);
    EXPECT_EQ(FrameAllSides(groove, {0, 0, 6, 5}, fsGroove), (TRect{2, 2, 4, 3}));
    EXPECT_EQ(groove.Rows(), (Rows{"SSSSSH", "SHHHSH", "SH..SH", "SSSSSH", "HHHHHH"}));

    ColorGrid bump(6, 5);
    FrameAllSides(bump, {0, 0, 6, 5}, fsBump);
    EXPECT_EQ(bump.Rows(), (Rows{"HHHHHS", "HSSSHS", "HS..HS", "HHHHHS", "SSSSSS"}));
}

TEST(WgFramesTest, GrooveOnSomeSidesRunsItsLinesToTheEnds) {
    ColorGrid top(6, 4);
    EXPECT_EQ(FrameChosenSides(top, {0, 0, 6, 4}, fsGroove, {sdTop}), (TRect{0, 2, 6, 4}));
    EXPECT_EQ(top.Rows(), (Rows{"SSSSSS", "HHHHHH", "......", "......"}));

    ColorGrid left(4, 5);
    EXPECT_EQ(FrameChosenSides(left, {0, 0, 4, 5}, fsGroove, {sdLeft}), (TRect{2, 0, 4, 5}));
    EXPECT_EQ(left.Rows(), (Rows{"SH..", "SH..", "SH..", "SH..", "SH.."}));

    ColorGrid bottomRight(5, 5);
    FrameChosenSides(bottomRight, {0, 0, 5, 5}, fsGroove, {sdRight, sdBottom});
    EXPECT_EQ(bottomRight.Rows(), (Rows{"...SH", "...SH", "...SH", "SSSSH", "HHHHH"}));
}

TEST(WgFramesTest, FlatStylesAndNone) {
    ColorGrid flat(4, 3);
    EXPECT_EQ(FrameAllSides(flat, {0, 0, 4, 3}, fsFlat), (TRect{1, 1, 3, 2}));
    EXPECT_EQ(flat.Rows(), (Rows{"DDDD", "D..D", "DDDD"}));

    ColorGrid bold(5, 5);
    EXPECT_EQ(FrameAllSides(bold, {0, 0, 5, 5}, fsFlatBold), (TRect{2, 2, 3, 3}));
    EXPECT_EQ(bold.Rows(), (Rows{"SSSSS", "SSSSS", "SS.SS", "SSSSS", "SSSSS"}));

    ColorGrid none(3, 3);
    EXPECT_EQ(FrameAllSides(none, {0, 0, 3, 3}, fsNone), (TRect{0, 0, 3, 3}));
    EXPECT_EQ(FrameAllSides(none, {0, 0, 3, 3}, fsFlatRounded), (TRect{0, 0, 3, 3}));
    EXPECT_EQ(none.Fills(), 0);
}

TEST(WgFramesTest, RoundedFlatSidesCutsTheCornersBetweenDrawnSides) {
    ColorGrid all(6, 5);
    EXPECT_EQ(RoundedFlatSides(all, {0, 0, 6, 5}, clBtnShadow, TSides::All()), (TRect{1, 1, 5, 4}));
    EXPECT_EQ(all.Rows(), (Rows{"..SS..", "......", "S....S", "......", "..SS.."}));

    ColorGrid two(5, 4);
    RoundedFlatSides(two, {0, 0, 5, 4}, clBtnShadow, {sdLeft, sdBottom});
    EXPECT_EQ(two.Rows(), (Rows{"S....", "S....", ".....", "..SSS"}));
}

TEST(WgFramesTest, OutlineRect) {
    ColorGrid g(3, 3);
    EXPECT_EQ(OutlineRect(g, {0, 0, 3, 3}, clBtnFace), (TRect{1, 1, 2, 2}));
    EXPECT_EQ(g.Rows(), (Rows{"FFF", "F.F", "FFF"}));
}

// PaintFrameStyle with custom colours shown as letters.
constexpr TColor kParent = RGBColor(1, 2, 3);
constexpr TColor kControl = RGBColor(4, 5, 6);
constexpr TColor kBorder = RGBColor(7, 8, 9);
constexpr TColor kLight = RGBColor(10, 11, 12);
constexpr TColor kDark = RGBColor(13, 14, 15);
constexpr TColor kFlat = RGBColor(150, 150, 160);
const TColor kFlatLit = AdjustLightness(kFlat, 30);
const std::vector<std::pair<TColor, char>> kLetters = {
    {kParent, 'p'}, {kControl, 'c'}, {kBorder, 'b'},  {kLight, 'l'},
    {kDark, 'd'},   {kFlat, 'f'},    {kFlatLit, 'F'},
};

TFrameStyleParams Params(TFrameStyleEx outer, TFrameStyleEx inner) {
    TFrameStyleParams p;
    p.outer = outer;
    p.inner = inner;
    p.color = kControl;
    p.parentColor = kParent;
    p.borderColor = kBorder;
    p.highlight = kLight;
    p.shadow = kDark;
    p.flatColor = kFlat;
    return p;
}

TEST(WgFrameStyleTest, FlatBottomLineIsTheAdjustedFlatColour) {
    // The main window's pane titles: a flat frame on the bottom side only.
    TFrameStyleParams p = Params(fsFlat, fsNone);
    p.sides = {sdBottom};
    ColorGrid g(4, 3);
    EXPECT_EQ(PaintFrameStyle(g, {0, 0, 4, 3}, p), (TRect{0, 0, 4, 2}));
    EXPECT_EQ(g.Rows(kLetters), (Rows{"....", "....", "FFFF"}));
    EXPECT_EQ(kFlatLit, RGBColor(184, 184, 190));

    p.flatColorAdjustment = 0;
    ColorGrid plain(4, 3);
    PaintFrameStyle(plain, {0, 0, 4, 3}, p);
    EXPECT_EQ(plain.Rows(kLetters)[2], "ffff");
}

TEST(WgFrameStyleTest, OuterBandAndInnerInOrder) {
    TFrameStyleParams p = Params(fsPopup, fsStatus);
    p.borderWidth = 1;
    ColorGrid g(7, 7);
    EXPECT_EQ(PaintFrameStyle(g, {0, 0, 7, 7}, p), (TRect{3, 3, 4, 4}));
    EXPECT_EQ(g.Rows(kLetters),
              (Rows{"lllllld", "lbbbbbd", "lbddlbd", "lbd.lbd", "lblllbd", "lbbbbbd", "ddddddd"}));
}

TEST(WgFrameStyleTest, BevelWidthWidensStatusAndPopup) {
    TFrameStyleParams p = Params(fsStatus, fsNone);
    p.bevelWidth = 2;
    ColorGrid g(6, 6);
    EXPECT_EQ(PaintFrameStyle(g, {0, 0, 6, 6}, p), (TRect{2, 2, 4, 4}));
    EXPECT_EQ(g.Rows(kLetters), (Rows{"dddddl", "ddddll", "dd..ll", "dd..ll", "dlllll", "llllll"}));
}

TEST(WgFrameStyleTest, FullRectangleInnerFlatIsAnOutlineOnAllSides) {
    TFrameStyleParams p = Params(fsNone, fsFlat);
    p.sides = {sdTop};
    p.fullRect = true;
    ColorGrid g(4, 4);
    EXPECT_EQ(PaintFrameStyle(g, {0, 0, 4, 4}, p), (TRect{1, 1, 3, 3}));
    EXPECT_EQ(g.Rows(kLetters), (Rows{"FFFF", "F..F", "F..F", "FFFF"}));

    p.fullRect = false;
    ColorGrid top(4, 4);
    EXPECT_EQ(PaintFrameStyle(top, {0, 0, 4, 4}, p), (TRect{0, 1, 4, 4}));
    EXPECT_EQ(top.Rows(kLetters), (Rows{"FFFF", "....", "....", "...."}));
}

TEST(WgFrameStyleTest, RoundedOuterShowsTheParentInItsCutCorners) {
    ColorGrid g(6, 6);
    EXPECT_EQ(PaintFrameStyle(g, {0, 0, 6, 6}, Params(fsFlatRounded, fsNone)), (TRect{1, 1, 5, 5}));
    EXPECT_EQ(g.Rows(kLetters), (Rows{"ppFFpp", "pccccp", "Fc..cF", "Fc..cF", "pccccp", "ppFFpp"}));
}

TEST(WgFrameStyleTest, RoundedOuterWithABorderBand) {
    TFrameStyleParams p = Params(fsFlatRounded, fsNone);
    p.borderWidth = 1;
    ColorGrid g(6, 6);
    EXPECT_EQ(PaintFrameStyle(g, {0, 0, 6, 6}, p), (TRect{2, 2, 4, 4}));
    EXPECT_EQ(g.Rows(kLetters), (Rows{"ppFFpp", "pbbbbp", "Fb..bF", "Fb..bF", "pbbbbp", "ppFFpp"}));
}

TEST(WgFrameStyleTest, TransparentRoundedOuterLeavesTheCornersAlone) {
    TFrameStyleParams p = Params(fsFlatRounded, fsNone);
    p.transparent = true;
    ColorGrid g(6, 6);
    PaintFrameStyle(g, {0, 0, 6, 6}, p);
    EXPECT_EQ(g.Rows(kLetters), (Rows{"..FF..", "......", "F....F", "F....F", "......", "..FF.."}));

    p.inner = fsFlat;
    ColorGrid inner(6, 6);
    EXPECT_EQ(PaintFrameStyle(inner, {0, 0, 6, 6}, p), (TRect{2, 2, 4, 4}));
    EXPECT_EQ(inner.Rows(kLetters),
              (Rows{"..FF..", ".FFFF.", "FF..FF", "FF..FF", ".FFFF.", "..FF.."}));
}

TEST(WgFrameStyleTest, RoundedInnerUsesBorderThenControlColour) {
    ColorGrid g(8, 8);
    EXPECT_EQ(PaintFrameStyle(g, {0, 0, 8, 8}, Params(fsFlat, fsFlatRounded)), (TRect{2, 2, 6, 6}));
    EXPECT_EQ(g.Rows(kLetters)[1], "FbbFFbbF");
    EXPECT_EQ(g.Rows(kLetters)[2], "FbccccbF");
    EXPECT_EQ(g.Rows(kLetters)[3], "FFc..cFF");
}

}  // namespace
}  // namespace vx
