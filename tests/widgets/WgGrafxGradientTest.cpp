#include "widgets/WgGrafxGradient.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using enum TGradientDirection;
using Colors = std::vector<TColor>;

Colors Reds(std::initializer_list<int> values) {
    Colors out;
    for (int v : values)
        out.push_back(RGBColor(v, 0, 0));
    return out;
}

TEST(WgGradientTest, SmoothFactorBecomesABandLength) {
    EXPECT_EQ(SmoothBandLength(0), 0);
    EXPECT_EQ(SmoothBandLength(1), 0);
    EXPECT_EQ(SmoothBandLength(2), 1);
    EXPECT_EQ(SmoothBandLength(8), 7);
    EXPECT_EQ(SmoothBandLength(9), 28);  // 255 div 9 + 1, less one
    EXPECT_EQ(SmoothBandLength(128), 1);
    EXPECT_EQ(SmoothBandLength(255), 1);
}

TEST(WgGradientTest, ChannelsStepInFixedPointOverPositionsPlusOne) {
    EXPECT_EQ(GradientBandColors(3, clBlack, clRed, 1), Reds({0, 63, 127}));
    EXPECT_EQ(GradientBandColors(4, clBlack, clRed, 1), Reds({0, 51, 102, 153}));
    // Downwards the integer part is taken of a falling value.
    EXPECT_EQ(GradientBandColors(4, clRed, clBlack, 1), Reds({255, 204, 153, 102}));
    const Colors two = GradientBandColors(2, RGBColor(0, 100, 200), RGBColor(30, 100, 0), 1);
    EXPECT_EQ(two, (Colors{RGBColor(0, 100, 200), RGBColor(10, 100, 133)}));
    EXPECT_TRUE(GradientBandColors(0, clBlack, clRed, 1).empty());
}

TEST(WgGradientTest, ABandHoldsItsColourForTheBandLength) {
    // Raw colours 0, 51, 102, 153; each change is held one more pixel.
    EXPECT_EQ(GradientBandColors(4, clBlack, clRed, 2), Reds({0, 0, 102, 102}));
    const Colors wide = GradientBandColors(40, clBlack, clWhite, 9);
    int changes = 0;
    for (std::size_t i = 1; i < wide.size(); ++i)
        changes += wide[i] != wide[i - 1];
    EXPECT_EQ(changes, 1) << "29 further pixels per band over 40 positions";
    EXPECT_EQ(wide.front(), clBlack);
}

TEST(WgGradientTest, SystemColoursAreResolved) {
    SetSystemColors(DefaultSystemColors());
    EXPECT_EQ(GradientBandColors(1, clBtnFace, clBtnFace, 1), (Colors{RGBColor(236, 233, 216)}));
}

// How many rectangle fills of the plan cover the pixel.
int CoverCount(const TGradientPlan& plan, int x, int y) {
    int n = 0;
    for (const TGradientFill& f : plan.fills)
        n += f.polygon.empty() && f.rect.Contains({x, y});
    return n;
}

TEST(WgGradientTest, HorizontalEndPaintsAStripAndReplicatesIt) {
    const TGradientPlan plan = PlanTwoColorGradient(100, 30, gdHorizontalEnd, 1, clBlack, clRed);
    EXPECT_EQ(plan.completion, TGradientCompletion::kReplicateAcross);
    EXPECT_EQ(plan.painted, (TRect{0, 0, 8, 30}));
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(CoverCount(plan, 0, y), 1) << y;
        EXPECT_EQ(CoverCount(plan, 7, y), 1) << y;
        EXPECT_EQ(CoverCount(plan, 8, y), 0) << y;
    }
    EXPECT_EQ(plan.fills.front().color, clBlack);
    EXPECT_EQ(plan.fills.front().rect.top, 0);
    EXPECT_EQ(plan.fills.back().rect.bottom, 30);
    EXPECT_EQ(plan.fills.back().color, RGBColor(238, 0, 0));  // 255 x 29/31, integer part
}

TEST(WgGradientTest, VerticalCenterTurnsAtHalfTheWidth) {
    const TGradientPlan plan = PlanTwoColorGradient(21, 5, gdVerticalCenter, 1, clBlack, clRed);
    EXPECT_EQ(plan.completion, TGradientCompletion::kReplicateDown);
    EXPECT_EQ(plan.painted, (TRect{0, 0, 21, 5})) << "a strip no higher than the bitmap";
    auto colorAt = [&](int x) {
        for (const TGradientFill& f : plan.fills) {
            if (f.rect.Contains({x, 0})) return f.color;
        }
        return clNone;
    };
    EXPECT_EQ(colorAt(0), clBlack);
    EXPECT_EQ(colorAt(9), RGBColor(208, 0, 0));  // the last of ten positions
    EXPECT_EQ(colorAt(10), clRed) << "the second half starts at the stop colour";
    EXPECT_EQ(colorAt(20), RGBColor(42, 0, 0));
    for (int x = 0; x < 21; ++x)
        EXPECT_EQ(CoverCount(plan, x, 4), 1) << x;
}

TEST(WgGradientTest, EmptyRectPaintsNothing) {
    for (TGradientDirection d : {gdDiagonalUp, gdHorizontalEnd, gdSquareBox, gdVerticalCenter}) {
        EXPECT_TRUE(PlanTwoColorGradient(0, 40, d, 1, clBlack, clRed).fills.empty());
        EXPECT_TRUE(PlanTwoColorGradient(40, 0, d, 1, clBlack, clRed).fills.empty());
    }
    const TGradientPlan negative = PlanTwoColorGradient(-10, 20, gdHorizontalEnd, 1, 0, clRed);
    EXPECT_EQ(negative.width, 10) << "extents are taken as absolute values";
}

TEST(WgGradientTest, EqualColoursAndSmallBoxesAreSolid) {
    for (TGradientDirection d : {gdDiagonalUp, gdDiagonalDown, gdSquareBox, gdVerticalBox}) {
        const TGradientPlan plan = PlanTwoColorGradient(30, 20, d, 1, clLime, clLime);
        ASSERT_EQ(plan.fills.size(), 1u) << int(d);
        EXPECT_EQ(plan.fills[0].rect, (TRect{0, 0, 30, 20}));
        EXPECT_EQ(plan.fills[0].color, clLime);
        EXPECT_EQ(plan.completion, TGradientCompletion::kNone);
    }
    const TGradientPlan low = PlanTwoColorGradient(30, 4, gdBigSquareBox, 1, clLime, clRed);
    ASSERT_EQ(low.fills.size(), 1u);
    EXPECT_EQ(low.fills[0].color, clLime);
}

TEST(WgGradientTest, SquareBoxShrinksToTheMiddleOfTheQuarter) {
    const TGradientPlan plan = PlanTwoColorGradient(21, 11, gdSquareBox, 1, clBlack, clRed);
    EXPECT_EQ(plan.completion, TGradientCompletion::kMirrorQuadrant);
    EXPECT_EQ(plan.painted, (TRect{0, 0, 11, 6})) << "the quarter holds the middle row and column";
    ASSERT_GE(plan.fills.size(), 3u);
    EXPECT_EQ(plan.fills[0].rect, (TRect{0, 0, 21, 11})) << "first the start colour everywhere";
    EXPECT_EQ(plan.fills[1].rect, (TRect{0, 0, 11, 6}));
    EXPECT_EQ(plan.fills[1].color, clBlack);
    // Eleven steps: the longer half extent (10) shrinks a pixel a step.
    const TGradientFill& last = plan.fills.back();
    EXPECT_EQ(last.rect, (TRect{10, 5, 11, 6}));
    EXPECT_EQ(last.color, RGBColor(212, 0, 0));  // 255 x 10/12, integer part
    for (std::size_t i = 2; i < plan.fills.size(); ++i) {
        EXPECT_GE(plan.fills[i].rect.left, plan.fills[i - 1].rect.left);
        EXPECT_GE(plan.fills[i].rect.top, plan.fills[i - 1].rect.top);
        EXPECT_GT(RedOf(plan.fills[i].color), RedOf(plan.fills[i - 1].color));
    }
}

TEST(WgGradientTest, BoxKindsKeepAQuarterOfTheSideAsTheirMiddle) {
    const TGradientPlan horizontal = PlanTwoColorGradient(40, 21, gdHorizontalBox, 1, 0, clRed);
    EXPECT_EQ(horizontal.fills.back().rect, (TRect{9, 10, 20, 11})) << "a bar along the width";
    const TGradientPlan vertical = PlanTwoColorGradient(21, 40, gdVerticalBox, 1, 0, clRed);
    EXPECT_EQ(vertical.fills.front().rect, (TRect{0, 0, 11, 20})) << "no fill of the whole first";
    EXPECT_EQ(vertical.fills.back().rect, (TRect{10, 9, 11, 20}));
    const TGradientPlan big = PlanTwoColorGradient(40, 40, gdBigSquareBox, 1, 0, clRed);
    EXPECT_EQ(big.fills.back().rect, (TRect{9, 9, 20, 20}));
}

TEST(WgGradientTest, DiagonalsSweepAcrossFromACorner) {
    const TGradientPlan up = PlanTwoColorGradient(30, 40, gdDiagonalUp, 1, clBlack, clRed);
    EXPECT_EQ(up.completion, TGradientCompletion::kNone);
    // 51 positions (the diagonal's 50 plus one), one band per colour.
    EXPECT_EQ(up.fills.size(), 51u);
    EXPECT_EQ(up.fills.front().color, clBlack);
    EXPECT_EQ(up.fills.back().color, RGBColor(245, 0, 0));  // 255 x 50/52
    for (const TGradientFill& f : up.fills)
        EXPECT_EQ(f.polygon.size(), 4u);
    const TGradientPlan down = PlanTwoColorGradient(30, 40, gdDiagonalDown, 1, clBlack, clRed);
    ASSERT_EQ(down.fills.size(), up.fills.size());
    for (std::size_t i = 0; i < up.fills.size(); ++i) {
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(down.fills[i].polygon[k].x, 30 - up.fills[i].polygon[k].x);
            EXPECT_EQ(down.fills[i].polygon[k].y, up.fills[i].polygon[k].y);
        }
    }
}

}  // namespace
}  // namespace vx
