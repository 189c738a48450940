#include "platform/Monitors.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(MonitorsTest, MonitorFromPointTakesTheFirstThatHoldsIt) {
    const std::vector<TMonitorInfo> monitors = {
        {{0, 0, 1600, 1000}, {0, 0, 1600, 960}},
        {{1600, 0, 3520, 1080}, {1600, 0, 3520, 1040}},
        {{1600, 0, 1700, 100}, {1600, 0, 1700, 100}},
    };
    EXPECT_EQ(MonitorFromPoint(monitors, {10, 10}), monitors[0]);
    EXPECT_EQ(MonitorFromPoint(monitors, {1650, 50}), monitors[1]);
    EXPECT_EQ(MonitorFromPoint(monitors, {1599, 999}), monitors[0]);
    EXPECT_EQ(MonitorFromPoint(monitors, {1600, 1000}), monitors[1]);
    EXPECT_FALSE(MonitorFromPoint(monitors, {1599, 1000}).has_value()) << "bottom edge excluded";
    EXPECT_FALSE(MonitorFromPoint(monitors, {-1, 5}).has_value());
    EXPECT_FALSE(MonitorFromPoint({}, {0, 0}).has_value());
}

TEST(MonitorsTest, HighColourIsMoreThanEightBitsPerPixel) {
    EXPECT_EQ(DisplayBitsPerPixel(), 32);
    EXPECT_TRUE(HighColorDisplay());
    const struct {
        int bits;
        int stored;
        bool high;
    } cases[] = {{16, 16, true}, {9, 9, true}, {8, 8, false}, {4, 4, false}, {0, 1, false}};
    for (const auto& c : cases) {
        SetDisplayBitsPerPixel(c.bits);
        EXPECT_EQ(DisplayBitsPerPixel(), c.stored) << c.bits;
        EXPECT_EQ(HighColorDisplay(), c.high) << c.bits;
    }
    SetHighColorDisplay(true);
    EXPECT_EQ(DisplayBitsPerPixel(), 32);
    SetHighColorDisplay(false);
    EXPECT_EQ(DisplayBitsPerPixel(), 8);
    SetDisplayBitsPerPixel(32);
}

}  // namespace
}  // namespace vx
