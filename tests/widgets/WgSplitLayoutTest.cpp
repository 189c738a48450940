#include "widgets/WgSplitLayout.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using enum TSide;
using enum TAlign;

TEST(WgSplitLayoutTest, TheBarLiesOnTheEdgeFacingAwayFromTheDockedOne) {
    EXPECT_EQ(DockedSide(alBottom, sdLeft), sdBottom);
    EXPECT_EQ(DockedSide(alNone, sdRight), sdRight);
    EXPECT_EQ(DockedSide(alCustom, sdTop), sdTop);
    EXPECT_EQ(DockedSide(alClient, sdLeft), std::nullopt);

    EXPECT_EQ(SizeBarRect(sdLeft, 180, 500, 7, false), (TRect{173, 0, 180, 500}));
    EXPECT_EQ(SizeBarRect(sdTop, 300, 100, 7, false), (TRect{0, 93, 300, 100}));
    EXPECT_EQ(SizeBarRect(sdRight, 180, 500, 4, true), (TRect{0, 0, 5, 500}));
    EXPECT_EQ(SizeBarRect(sdBottom, 800, 118, 7, false), (TRect{0, 0, 800, 7}));
    EXPECT_TRUE(SizeBarRect(std::nullopt, 800, 118, 7, false).IsEmpty());

    EXPECT_EQ(SizePanelClientRect({0, 0, 180, 500}, sdLeft, 7), (TRect{0, 0, 172, 500}));
    EXPECT_EQ(SizePanelClientRect({0, 0, 800, 118}, sdBottom, 7), (TRect{0, 8, 800, 118}));
    EXPECT_EQ(SizePanelBorderRect({0, 0, 800, 118}, sdBottom, 7), (TRect{0, 7, 800, 118}));
    EXPECT_EQ(SizePanelBorderRect({0, 0, 180, 500}, std::nullopt, 7), (TRect{0, 0, 180, 500}));
}

TEST(WgSplitLayoutTest, HotSpotIsCentredOnTheBarAcrossItsThickness) {
    // 40 % of 800 is 320, half of it 160 either side of 400.
    EXPECT_EQ(HotSpotRect({0, 0, 800, 7}, true, 40), (TRect{240, 0, 560, 7}));
    // 40 % of 501 rounds to 200.
    EXPECT_EQ(HotSpotRect({173, 0, 180, 501}, false, 40), (TRect{173, 150, 180, 350}));
    EXPECT_EQ(HotSpotRect({0, 0, 7, 101}, false, 33), (TRect{0, 34, 7, 66}));
}

TEST(WgSplitLayoutTest, FreeAreaLeavesOutEveryAlignedControlOnItsEdge) {
    const TRect parent{0, 0, 1000, 600};
    const std::vector<TSiblingPlace> controls = {
        {alTop, {0, 0, 1000, 30}},              // a tool bar
        {alLeft, {0, 30, 180, 600}},            // the size panel itself
        {alClient, {180, 30, 1000, 600}},       // takes what is left: not counted
        {alBottom, {0, 580, 1000, 600}},        // a status bar
        {alNone, {500, 200, 540, 220}},         // counts as docked to the panel's side
        {alRight, {900, 30, 1000, 580}, false}  // hidden: takes no room
    };
    EXPECT_EQ(FreeAreaOfParent(parent, controls, sdLeft), (TRect{220, 30, 1000, 580}));
    EXPECT_EQ(FreeAreaOfParent(parent, controls, sdTop), (TRect{180, 50, 1000, 580}));
}

TEST(WgSplitLayoutTest, AvailableExtentCountsFromThePanelsOwnEdge) {
    const TRect freeLeft{180, 0, 1000, 600};
    EXPECT_EQ(AvailableExtent(sdLeft, {0, 0, 180, 600}, freeLeft), 1000);
    EXPECT_EQ(AvailableExtent(sdRight, {820, 0, 1000, 600}, {0, 0, 820, 600}), 1000);
    EXPECT_EQ(AvailableExtent(sdBottom, {0, 482, 800, 600}, {0, 0, 800, 482}), 600);
    EXPECT_EQ(AvailableExtent(sdTop, {0, 30, 800, 130}, {0, 130, 800, 600}), 570);
}

TEST(WgSplitLayoutTest, DragLimitsOfALeftPanel) {
    TBarLimits l{sdLeft, {0, 0, 180, 600}, {180, 0, 1000, 600}, 7, 20, 100};
    EXPECT_EQ(ClampBarPosition(5, l), 28);  // MarginMin + bar + 1
    EXPECT_EQ(ClampBarPosition(400, l), 400);
    EXPECT_EQ(ClampBarPosition(950, l), 900);  // MarginMax stays free on the right
    EXPECT_EQ(DragPosition(180, 178, 60, l), 62);
    EXPECT_EQ(DragPosition(180, 178, 5, l), 28);
    EXPECT_EQ(SizeAfterDrag(sdLeft, 180, 62, 180), 62);
    EXPECT_EQ(SizeDuringDrag(sdLeft, 180, 62, 180), 63);
    // When the bounds cross, the upper one wins.
    l.marginMax = 990;
    EXPECT_EQ(ClampBarPosition(5, l), 10);
}

TEST(WgSplitLayoutTest, DragLimitsOfABottomPanelCountTheBarsOffset) {
    // The message pane: 118 high at the bottom of a 600-high parent.
    const TBarLimits l{sdBottom, {0, 482, 800, 600}, {0, 0, 800, 482}, 7, 0, 50};
    EXPECT_EQ(ClampBarPosition(-500, l), -432);  // leaves MarginMax above
    EXPECT_EQ(ClampBarPosition(200, l), 110);    // the bar and one pixel stay
    EXPECT_EQ(DragPosition(0, 3, -97, l), -100);
    EXPECT_EQ(SizeAfterDrag(sdBottom, 0, -100, 118), 218);
    EXPECT_EQ(SizeAfterDrag(sdBottom, 0, 110, 118), 8);
    EXPECT_EQ(SizeDuringDrag(sdBottom, 0, -100, 118), 217);
    EXPECT_EQ(DragBarRect(sdBottom, -100, l.bounds, {0, 0, 800, 7}), (TRect{0, 383, 800, 390}));
    EXPECT_EQ(DragBarRect(sdLeft, 62, {0, 0, 180, 600}, {173, 0, 180, 600}),
              (TRect{55, 0, 62, 600}));
}

TEST(WgSplitLayoutTest, DragLimitsOfRightAndTopPanels) {
    const TBarLimits right{sdRight, {800, 0, 1000, 600}, {0, 0, 800, 600}, 4, 10, 100};
    EXPECT_EQ(ClampBarPosition(-900, right), -700);
    EXPECT_EQ(ClampBarPosition(199, right), 185);
    EXPECT_EQ(SizeAfterDrag(sdRight, 0, -700, 200), 900);
    const TBarLimits top{sdTop, {0, 30, 800, 130}, {0, 130, 800, 600}, 7, 0, 0};
    EXPECT_EQ(ClampBarPosition(0, top), 8);
    EXPECT_EQ(ClampBarPosition(1000, top), 570);
}

TEST(WgSplitLayoutTest, WhichMovesOpenACollapsedPanel) {
    EXPECT_TRUE(MovesOpen(sdLeft, 8, 9));
    EXPECT_FALSE(MovesOpen(sdTop, 8, 7));
    EXPECT_TRUE(MovesOpen(sdBottom, 0, -1));
    EXPECT_FALSE(MovesOpen(sdRight, 0, 1));
    EXPECT_EQ(CollapsedSize(7, 0, false), 8);
    EXPECT_EQ(CollapsedSize(7, 20, false), 28);
    EXPECT_EQ(CollapsedSize(7, 20, true), 8);
}

TEST(WgSplitLayoutTest, HotSpotChevronsPointTheWayAClickMovesTheBar) {
    const TRect hot{240, 0, 560, 7};  // a bottom panel's: middle line y = 3
    const THotSpotMarks open = HotSpotMarks(hot, sdBottom, false);
    ASSERT_EQ(open.chevrons.size(), 2u);
    // Down while open (the pane collapses towards the bottom edge).
    EXPECT_EQ(open.chevrons[0], (std::array<TPoint, 3>{{{246, 2}, {248, 4}, {250, 2}}}));
    EXPECT_EQ(open.chevrons[1], (std::array<TPoint, 3>{{{553, 2}, {551, 4}, {549, 2}}}));
    const THotSpotMarks closed = HotSpotMarks(hot, sdBottom, true);
    EXPECT_EQ(closed.chevrons[0], (std::array<TPoint, 3>{{{246, 4}, {248, 2}, {250, 4}}}));
    // Dots every 3 pixels from 15 in: (320 - 32) / 3 + 1 of them.
    ASSERT_EQ(open.dots.size(), 97u);
    EXPECT_EQ(open.dots.front(), (TPoint{255, 3}));
    EXPECT_EQ(open.dots.back(), (TPoint{543, 3}));

    // A left panel's point left while open.
    const THotSpotMarks left = HotSpotMarks({173, 150, 180, 350}, sdLeft, false);
    EXPECT_EQ(left.chevrons[0], (std::array<TPoint, 3>{{{177, 156}, {175, 158}, {177, 160}}}));
    EXPECT_TRUE(HotSpotMarks({0, 0, 7, 28}, sdLeft, false).dots.empty());
    EXPECT_EQ(HotSpotMarks({0, 0, 7, 30}, sdLeft, false).dots.size(), 1u);
}

}  // namespace
}  // namespace vx
