#include "widgets/WgPanelLayout.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using enum TFrameStyle;
using enum TSide;
using enum TWgGroupBoxStyle;
using enum TAlignmentVertical;

TEST(WgPanelLayoutTest, BordersShrinkOnlyTheChosenSidesByEachStylesWidth) {
    const TRect r{0, 0, 100, 50};
    // The defaults: a raised outer frame two pixels wide all round.
    EXPECT_EQ(AdjustPanelBorders(r, TPanelBorders{}, true), (TRect{2, 2, 98, 48}));
    // A title bar's flat line along the bottom only.
    TPanelBorders title{fsFlat, fsNone, 0, 1, {sdBottom}};
    EXPECT_EQ(AdjustPanelBorders(r, title, true), (TRect{0, 0, 100, 49}));
    // Status and popup frames are as wide as the bevel; rounded and bold ones 2.
    EXPECT_EQ(AdjustPanelBorders(r, {fsStatus, fsPopup, 0, 3, TSides::All()}, true),
              (TRect{6, 6, 94, 44}));
    EXPECT_EQ(AdjustPanelBorders(r, {fsFlatRounded, fsFlatBold, 0, 1, {sdLeft, sdTop}}, true),
              (TRect{4, 4, 100, 50}));
    EXPECT_EQ(AdjustPanelBorders(r, {fsNone, fsNone, 0, 1, TSides::All()}, true), r);
}

TEST(WgPanelLayoutTest, TheBorderWidthBandGoesAllRoundButOnlyWhenAsked) {
    const TRect r{0, 0, 100, 50};
    const TPanelBorders b{fsFlat, fsLowered, 3, 1, {sdTop}};
    EXPECT_EQ(AdjustPanelBorders(r, b, true), (TRect{3, 6, 97, 47}));
    EXPECT_EQ(AdjustPanelBorders(r, b, false), (TRect{0, 3, 100, 50}));
    // Children go inside the band and the frames, each counted once.
    EXPECT_EQ(PanelChildArea(r, b), (TRect{3, 6, 97, 47}));
}

TEST(WgPanelLayoutTest, CaptionRectFollowsTheVerticalAlignmentAndMargins) {
    const TRect r{0, 0, 200, 40};
    EXPECT_EQ(PlaceCaption(r, 4, 0, 12, avTop), (TRect{4, 0, 196, 12}));
    EXPECT_EQ(PlaceCaption(r, 4, 2, 12, avTop), (TRect{4, 2, 196, 14}));
    EXPECT_EQ(PlaceCaption(r, 0, 0, 12, avCenter), (TRect{0, 14, 200, 26}));
    EXPECT_EQ(PlaceCaption(r, 0, 0, 12, avBottom), (TRect{0, 27, 200, 40}));
    // A text taller than the room keeps its top at the bottom alignment and is
    // cut at the bottom when centred.
    EXPECT_EQ(PlaceCaption({0, 0, 200, 10}, 0, 0, 12, avBottom), (TRect{0, 0, 200, 10}));
    EXPECT_EQ(PlaceCaption({0, 0, 200, 10}, 0, 0, 12, avCenter), (TRect{0, -1, 200, 10}));
    // The centring halves toward zero, also above the origin.
    EXPECT_EQ(PlaceCaption({0, -9, 50, 0}, 0, 0, 4, avCenter).top, -6);
}

TEST(WgPanelLayoutTest, GridLinesStepFromOnePixelBeforeTheInteriorsEdge) {
    EXPECT_EQ(PanelGridLines({2, 2, 35, 19}, 8, 8), (TGridLines{{9, 17, 25, 33}, {9, 17}}));
    EXPECT_EQ(PanelGridLines({0, 0, 20, 20}, 0, 5), (TGridLines{{}, {4, 9, 14, 19}}));
    EXPECT_EQ(PanelGridLines({0, 0, 7, 7}, 8, 8), (TGridLines{}));
}

TEST(WgPanelLayoutTest, GroupBoxChildAreaPerStyle) {
    const TRect r{0, 0, 200, 105};
    const int h = 13;  // "Yy"
    EXPECT_EQ(GroupBoxChildArea(r, gsStandard, h, 0, false, 0), (TRect{2, 15, 198, 103}));
    EXPECT_EQ(GroupBoxChildArea(r, gsFlat, h, 0, false, 0), (TRect{1, 14, 199, 104}));
    // A border band wider than half the caption: only half the caption.
    EXPECT_EQ(GroupBoxChildArea(r, gsFlat, h, 6, false, 0).top, 5 + 1);
    EXPECT_EQ(GroupBoxChildArea(r, gsFlat, h, 5, false, 0).top, 8 + 1);
    EXPECT_EQ(GroupBoxChildArea(r, gsCustom, h, 0, false, 0), (TRect{2, 15, 198, 103}));
    EXPECT_EQ(GroupBoxChildArea(r, gsCustom, h, 0, true, 0), (TRect{2, 2, 198, 103}));
    EXPECT_EQ(GroupBoxChildArea(r, gsTopLine, h, 0, false, 0), (TRect{0, 13, 200, 105}));
    EXPECT_EQ(GroupBoxChildArea(r, gsBanner, h, 0, false, 0).top, 21);
    EXPECT_EQ(GroupBoxChildArea(r, gsBanner, h, 0, false, 30).top, 30);
    EXPECT_EQ(GroupBoxChildArea(r, gsUnderline, h, 0, false, 0), (TRect{0, 17, 200, 105}));
}

TEST(WgPanelLayoutTest, GroupBoxCaptionRectPerStyle) {
    const TRect c{0, 0, 200, 105};
    EXPECT_EQ(GroupBoxCaptionRect(c, gsFlat, 60, 13, 0, false), (TRect{8, 0, 68, 13}));
    EXPECT_EQ(GroupBoxCaptionRect(c, gsStandard, 60, 13, 0, true), (TRect{132, 0, 192, 13}));
    EXPECT_EQ(GroupBoxCaptionRect(c, gsTopLine, 60, 13, 0, false), (TRect{4, 0, 64, 13}));
    EXPECT_EQ(GroupBoxCaptionRect(c, gsBanner, 60, 13, 0, false), (TRect{0, 0, 200, 19}));
    EXPECT_EQ(GroupBoxCaptionRect(c, gsBanner, 60, 13, 24, false), (TRect{0, 0, 200, 24}));
    EXPECT_EQ(GroupBoxCaptionRect(c, gsUnderline, 60, 13, 0, false), (TRect{0, 0, 200, 15}));
    EXPECT_TRUE(GroupBoxCaptionRect(c, gsCustom, 60, 13, 0, false).IsEmpty());
    EXPECT_EQ(GroupFrameTop(13), 5);
}

}  // namespace
}  // namespace vx
