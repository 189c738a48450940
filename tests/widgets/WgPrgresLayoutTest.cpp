#include "widgets/WgPrgresLayout.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using enum TOrientation;

TEST(WgPrgresLayoutTest, PercentFromCountedPartsRoundsAndNeedsATotal) {
    EXPECT_EQ(PercentOfParts(3, 4), 75);
    EXPECT_EQ(PercentOfParts(1, 3), 33);
    EXPECT_EQ(PercentOfParts(2, 3), 67);
    EXPECT_EQ(PercentOfParts(4, 4), 100);
    EXPECT_EQ(PercentOfParts(0, 0), std::nullopt);
}

TEST(WgPrgresLayoutTest, TheShapeDecidesTheOrientation) {
    EXPECT_EQ(OrientationOfShape(339, 28), orHorizontal);
    EXPECT_EQ(OrientationOfShape(33, 380), orVertical);
    EXPECT_EQ(OrientationOfShape(20, 20), orHorizontal);
}

TEST(WgPrgresLayoutTest, HorizontalBarsGrowFromTheLeftAndVerticalOnesFromTheBottom) {
    const TRect r{2, 2, 337, 26};  // 335 x 24
    EXPECT_EQ(SplitBar(r, 0, orHorizontal), (TBarSplit{{2, 2, 2, 26}, {2, 2, 337, 26}}));
    EXPECT_EQ(SplitBar(r, 50, orHorizontal), (TBarSplit{{2, 2, 170, 26}, {170, 2, 337, 26}}));
    EXPECT_EQ(SplitBar(r, 100, orHorizontal), (TBarSplit{r, {}}));
    EXPECT_EQ(SplitBar(r, 250, orHorizontal), (TBarSplit{r, {}}));

    const TRect v{2, 2, 31, 378};  // 29 x 376
    EXPECT_EQ(SplitBar(v, 60, orVertical), (TBarSplit{{2, 152, 31, 378}, {2, 2, 31, 152}}));
}

TEST(WgPrgresLayoutTest, PercentTextAndItsAnchor) {
    EXPECT_EQ(PercentText(true, 60), "60%");
    EXPECT_EQ(PercentText(true, 0), "0%");
    EXPECT_EQ(PercentText(false, 60), "");
    // Half the right edge across (not the interior's middle), centred by the
    // height of "X".
    EXPECT_EQ(PercentTextAnchor({2, 2, 337, 26}, 16), (TPoint{168, 6}));
    EXPECT_EQ(PercentTextAnchor({10, 0, 110, 20}, 13), (TPoint{55, 3}));
}

TEST(WgPrgresLayoutTest, ShortLedRowsUseTenSegments) {
    const TLedRow row = LayoutLedRow({0, 0, 80, 20}, orHorizontal, 20, 50);
    EXPECT_EQ(row.count, 10);
    EXPECT_EQ(row.size, 8);
    EXPECT_EQ(row.margin, 0);
    EXPECT_EQ(row.lit, 5);
    ASSERT_EQ(row.segments.size(), 10u);
    EXPECT_EQ(row.segments[0], (TRect{0, 0, 8, 20}));
    EXPECT_EQ(row.segments[9], (TRect{72, 0, 80, 20}));
    // A row of ten segments or fewer keeps its count.
    EXPECT_EQ(LayoutLedRow({0, 0, 80, 20}, orHorizontal, 8, 0).count, 8);
}

TEST(WgPrgresLayoutTest, LedRowIsCentredByItsMarginsAndCountsFromTheBottom) {
    const TLedRow row = LayoutLedRow({1, 1, 21, 104}, orVertical, 20, 10);  // 103 high
    EXPECT_EQ(row.count, 20);
    EXPECT_EQ(row.size, 5);
    EXPECT_EQ(row.margin, 1);
    EXPECT_EQ(row.lit, 2);
    EXPECT_EQ(row.leadMargin, (TRect{1, 1, 21, 2}));
    EXPECT_EQ(row.trailMargin, (TRect{1, 102, 21, 104}));
    EXPECT_EQ(row.segments.front(), (TRect{1, 97, 21, 102}));  // segment 1 at the bottom
    EXPECT_EQ(row.segments.back(), (TRect{1, 2, 21, 7}));
}

TEST(WgPrgresLayoutTest, LedRowNeverLightsMoreSegmentsThanItHas) {
    EXPECT_EQ(LayoutLedRow({0, 0, 200, 20}, orHorizontal, 20, 100).lit, 20);
    EXPECT_EQ(LayoutLedRow({0, 0, 200, 20}, orHorizontal, 20, 150).lit, 20);
    EXPECT_EQ(LayoutLedRow({0, 0, 200, 20}, orHorizontal, 20, 65535).lit, 20);
}

TEST(WgPrgresLayoutTest, LedRowTooShortForASegmentHasNone) {
    const TLedRow row = LayoutLedRow({0, 0, 5, 10}, orHorizontal, 10, 100);
    EXPECT_EQ(row.size, 0);
    EXPECT_EQ(row.lit, row.count);
    EXPECT_TRUE(row.segments.empty() || row.segments.front().IsEmpty());
}

}  // namespace
}  // namespace vx
