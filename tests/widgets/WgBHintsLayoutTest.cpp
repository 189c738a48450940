#include "widgets/WgBHintsLayout.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using enum TWgHintCorner;

const TRect kScreen{0, 0, 1600, 1000};

TEST(WgBHintsLayoutTest, TheWindowHasRoomForFrameAndPointer) {
    EXPECT_EQ(GrowHintRect({0, 0, 80, 13}, true, hcUpperRight), (TRect{-4, -4, 84, 37}));
    EXPECT_EQ(GrowHintRect({0, 0, 80, 13}, true, hcLowerLeft), (TRect{-4, -24, 84, 17}));
    EXPECT_EQ(GrowHintRect({0, 0, 80, 13}, true, hcNone), (TRect{-2, -2, 82, 15}));
    EXPECT_EQ(GrowHintRect({80, 13, 0, 0}, false, hcUpperRight), (TRect{-2, -2, 82, 15}));
}

TEST(WgBHintsLayoutTest, ThePointerGoesToSmallControlsCentresOnlyUnderTheThreshold) {
    THintTarget t{{500, 500}, true, {100, 200, 124, 222}, {110, 215}};
    EXPECT_EQ(PointerPoint(t, true, 80), (TPoint{112, 211}));
    EXPECT_EQ(PointerPoint(t, true, 0), (TPoint{110, 215}));
    EXPECT_EQ(PointerPoint(t, false, 80), (TPoint{110, 215}));
    t.hasControl = false;
    EXPECT_EQ(PointerPoint(t, true, 80), (TPoint{500, 500}));
}

TEST(WgBHintsLayoutTest, EachCornerPutsTheWindowOnItsSideOfThePointer) {
    const TPoint p{800, 500};
    EXPECT_EQ(PlaceHint(p, 100, 50, hcUpperRight, kScreen),
              (THintPlacement{{790, 450, 890, 500}, hcUpperRight}));
    EXPECT_EQ(PlaceHint(p, 100, 50, hcUpperLeft, kScreen),
              (THintPlacement{{710, 450, 810, 500}, hcUpperLeft}));
    EXPECT_EQ(PlaceHint(p, 100, 50, hcLowerRight, kScreen),
              (THintPlacement{{790, 500, 890, 550}, hcLowerRight}));
    EXPECT_EQ(PlaceHint(p, 100, 50, hcLowerLeft, kScreen),
              (THintPlacement{{710, 500, 810, 550}, hcLowerLeft}));
    EXPECT_EQ(PlaceHint(p, 100, 50, hcNone, kScreen),
              (THintPlacement{{790, 500, 890, 550}, hcNone}));
}

TEST(WgBHintsLayoutTest, NearTheEdgesTheBalloonTurnsOver) {
    // Right edge: the upper-left corner, ending one pixel left of the point.
    const THintPlacement right = PlaceHint({1560, 500}, 100, 50, hcUpperRight, kScreen);
    EXPECT_EQ(right.corner, hcUpperLeft);
    EXPECT_EQ(right.bounds, (TRect{1459, 450, 1559, 500}));
    // Top edge: a lower corner below the point.
    const THintPlacement top = PlaceHint({800, 20}, 100, 50, hcUpperRight, kScreen);
    EXPECT_EQ(top.corner, hcLowerRight);
    EXPECT_EQ(top.bounds, (TRect{790, 20, 890, 70}));
    // Bottom edge, then the left one.
    const THintPlacement corner = PlaceHint({3, 990}, 100, 50, hcLowerLeft, kScreen);
    EXPECT_EQ(corner.corner, hcUpperRight);
    EXPECT_EQ(corner.bounds, (TRect{4, 940, 104, 990}));
}

TEST(WgBHintsLayoutTest, WorkAreaOfTheMonitorUnderThePoint) {
    const std::vector<TMonitorInfo> monitors = {{{0, 0, 1600, 1000}, {0, 0, 1600, 960}},
                                                {{1600, 0, 3200, 1200}, {1600, 0, 3200, 1160}}};
    EXPECT_EQ(WorkAreaAt(monitors, {2000, 100}, kScreen), (TRect{1600, 0, 3200, 1160}));
    EXPECT_EQ(WorkAreaAt(monitors, {-5, 100}, kScreen), kScreen);
}

TEST(WgBHintsLayoutTest, BalloonShapeAroundTheBody) {
    const TRect c{0, 0, 100, 45};
    const TRect body = BalloonBody(c, hcUpperRight, true);
    EXPECT_EQ(body, (TRect{0, 0, 100, 25}));
    EXPECT_EQ(BalloonBody(c, hcLowerLeft, true), (TRect{0, 20, 100, 45}));
    EXPECT_EQ(BalloonBody(c, hcLowerLeft, false), c);
    EXPECT_EQ(
        BalloonBodyRects(body),
        (std::array<TRect, 4>{{{0, 4, 100, 21}, {4, 0, 96, 25}, {2, 1, 98, 24}, {1, 2, 99, 23}}}));
    EXPECT_EQ(BalloonPointer(c, body, hcUpperRight),
              (std::array<TPoint, 3>{{{10, 23}, {10, 44}, {31, 23}}}));
    EXPECT_EQ(BalloonPointerOutline(c, body, hcUpperRight),
              (std::array<TPoint, 3>{{{10, 23}, {10, 44}, {30, 23}}}));
    const TRect lower = BalloonBody(c, hcLowerLeft, true);
    EXPECT_EQ(BalloonPointer(c, lower, hcLowerLeft),
              (std::array<TPoint, 3>{{{91, 21}, {91, 0}, {70, 21}}}));
    EXPECT_EQ(BalloonPointer(c, body, hcNone), std::nullopt);
    // The join lies on the body's edge row between the pointer's two sides.
    EXPECT_EQ(BalloonPointerJoin(body, hcUpperRight), (TRect{11, 24, 29, 25}));
    EXPECT_EQ(BalloonPointerJoin(lower, hcLowerLeft), (TRect{73, 20, 91, 21}));
    const auto corners = BalloonCornerPixels(body);
    EXPECT_EQ(corners[0], (TPoint{1, 3}));
    EXPECT_EQ(corners[8], (TPoint{98, 21}));
}

TEST(WgBHintsLayoutTest, TextRectByAlignmentCutToTheCaptionWidth) {
    const TRect body{0, 0, 108, 25};
    using enum TAlignment;
    EXPECT_EQ(HintTextRect(body, taLeftJustify, true, 100), (TRect{8, 4, 108, 29}));
    EXPECT_EQ(HintTextRect(body, taRightJustify, true, 100), (TRect{0, 4, 100, 29}));
    EXPECT_EQ(HintTextRect(body, taCenter, true, 100), (TRect{8, 4, 108, 29}));
    EXPECT_EQ(HintTextRect({0, 0, 90, 25}, taCenter, true, 100), (TRect{0, 4, 90, 29}));
    EXPECT_EQ(HintTextRect({0, 0, 90, 20}, taLeftJustify, false, 100), (TRect{2, 2, 92, 22}));
    EXPECT_EQ(HintTextRect({0, 0, 200, 20}, taRightJustify, false, 100), (TRect{98, 2, 198, 22}));
}

}  // namespace
}  // namespace vx
