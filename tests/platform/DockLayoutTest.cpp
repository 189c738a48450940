#include "platform/DockLayout.h"

#include <gtest/gtest.h>

#include <climits>

namespace vx {
namespace {

TEST(DockLayout, ZonesDropPlacesAndTargets) {
    const TRect area{10, 20, 110, 121};
    // Three zones one above the other: the last takes the odd pixel.
    const auto stacked = DockZones(area, 3, false);
    ASSERT_EQ(stacked.size(), 3u);
    EXPECT_EQ(stacked[0], (TRect{10, 20, 110, 53}));
    EXPECT_EQ(stacked[2], (TRect{10, 86, 110, 121}));
    const auto side = DockZones(area, 2, true);
    EXPECT_EQ(side[1], (TRect{60, 20, 110, 121}));
    EXPECT_TRUE(DockZones(area, 0, true).empty());

    struct Case {
        std::vector<TRect> zones;
        bool sideBySide;
        TPoint at;
        TDockPlace want;
    };
    const Case cases[] = {
        {{}, false, {50, 50}, {0, area}},                    // an empty site: all of it
        {stacked, false, {50, 25}, {0, {10, 20, 110, 36}}},  // first half: before
        {stacked, false, {50, 50}, {1, {10, 36, 110, 53}}},  // second half: after
        {side, true, {100, 30}, {2, {85, 20, 110, 121}}},    // after the last
        {side, true, {500, 30}, {2, {85, 20, 110, 121}}},    // outside: after the last
        // Zones at the ends of the coordinates halve without wrapping round.
        {{{INT_MAX - 20, 0, INT_MAX, 10}},
         true,
         {INT_MAX - 15, 5},
         {0, {INT_MAX - 20, 0, INT_MAX - 10, 10}}},
        {{{0, INT_MIN, 10, INT_MIN + 20}},
         false,
         {5, INT_MIN + 15},
         {1, {0, INT_MIN + 10, 10, INT_MIN + 20}}},
    };
    for (const Case& c : cases) {
        const TDockPlace got = DockDropPlace(area, c.zones, c.sideBySide, c.at);
        EXPECT_EQ(got.index, c.want.index) << c.at.x << "," << c.at.y;
        EXPECT_EQ(got.rect, c.want.rect) << c.at.x << "," << c.at.y;
    }

    EXPECT_EQ(DockGrabberRect({0, 0, 100, 50}, true, 14), (TRect{0, 0, 14, 50}));
    EXPECT_EQ(DockClientRect({0, 0, 100, 50}, false, 14), (TRect{0, 14, 100, 50}));
    EXPECT_EQ(DockClientRect({0, 0, 10, 50}, true, 14), (TRect{10, 0, 10, 50}));
    EXPECT_EQ(DockGrabberRect({INT_MAX - 5, 0, INT_MAX, 50}, true, 14),
              (TRect{INT_MAX - 5, 0, INT_MAX, 50}));
    EXPECT_EQ(DockClientRect({0, INT_MAX - 5, 100, INT_MAX}, false, 14),
              (TRect{0, INT_MAX, 100, INT_MAX}));

    // The deepest site under the point wins; none outside them all.
    const std::vector<TDockCandidate> sites = {
        {{0, 0, 400, 300}, 1}, {{10, 10, 100, 100}, 3}, {{10, 10, 100, 100}, 3}};
    EXPECT_EQ(ChooseDockTarget(sites, {50, 50}), 1);
    EXPECT_EQ(ChooseDockTarget(sites, {200, 50}), 0);
    EXPECT_EQ(ChooseDockTarget(sites, {500, 50}), -1);

    EXPECT_FALSE(PastDragThreshold({10, 10}, {14, 6}, 5));
    EXPECT_TRUE(PastDragThreshold({10, 10}, {10, 15}, 5));
    EXPECT_TRUE(PastDragThreshold({INT_MIN, 0}, {INT_MAX, 0}, 5));
    EXPECT_TRUE(PastDragThreshold({0, INT_MAX}, {0, INT_MIN}, 5));
    // The grab stays under the mouse, held inside the window; past the ends
    // of the coordinates the window stops at them.
    EXPECT_EQ(FloatingDropRect({100, 100}, {-5, 30}, 50, 20), (TRect{100, 81, 150, 101}));
    EXPECT_EQ(FloatingDropRect({INT_MIN, INT_MIN}, {5, 5}, 50, 20),
              (TRect{INT_MIN, INT_MIN, INT_MIN + 50, INT_MIN + 20}));
    EXPECT_EQ(FloatingDropRect({100, 100}, {5, 5}, INT_MIN, 20),
              (TRect{100, 95, INT_MIN + 100, 115}));
}

}  // namespace
}  // namespace vx
