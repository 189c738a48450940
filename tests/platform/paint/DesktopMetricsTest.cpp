// The desktop's menu and window metrics: work areas by point, the installed
// table and what the running desktop gives.
#include <gtest/gtest.h>

#include "platform/paint/DesktopMetrics.h"

namespace vx {
namespace {

TEST(DesktopMetricsTest, WorkAreaOfTheScreenAtOrNearestAPoint) {
    // A primary screen with a panel at the bottom and a smaller one to its
    // right, lower down, with a panel on its left.
    const std::vector<TMonitorInfo> screens = {
        {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
        {{1920, 200, 3200, 1224}, {1980, 200, 3200, 1224}},
    };
    const struct {
        TPoint at;
        TRect expected;
    } cases[] = {
        {{100, 1060}, screens[0].workArea},   // on the primary's panel
        {{1919, 500}, screens[0].workArea},   // its last column
        {{1920, 500}, screens[1].workArea},   // the next screen's first
        {{2500, 100}, screens[1].workArea},   // above the second: nearest
        {{1925, 150}, screens[0].workArea},   // 6 past the first, 50 above the second
        {{1950, 1150}, screens[1].workArea},  // on the second, below the first
        {{-500, -20}, screens[0].workArea},   // far left and above
        {{4000, 2000}, screens[1].workArea},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WorkAreaAt(screens, c.at), c.expected) << c.at.x << "," << c.at.y;
    const std::vector<TMonitorInfo> mirrored = {screens[0], screens[0]};
    EXPECT_EQ(WorkAreaAt(mirrored, {-5, -5}), screens[0].workArea) << "equally near: the first";
    EXPECT_EQ(WorkAreaAt({}, {10, 10}), TRect{});
}

TEST(DesktopMetricsTest, AnInstalledTableHoldsWhileItsScopeLasts) {
    const DesktopMetrics running = TheDesktopMetrics();
    ASSERT_FALSE(running.screens.empty()) << "the offscreen platform has a screen";
    const TMonitorInfo& primary = running.screens.front();
    EXPECT_FALSE(primary.workArea.IsEmpty());
    EXPECT_EQ(WorkAreaAt({primary.rect.left, primary.rect.top}), primary.workArea);
    EXPECT_EQ(running.menuFont.name, "宋体");
    EXPECT_EQ(running.menuFont.color, clMenuText);
    EXPECT_GE(running.menuItemHeight, 19);
    EXPECT_GE(running.menuCheckSize, 13);

    DesktopMetrics fixed;
    fixed.menuBarHeight = 20;
    fixed.menuFont.size = 8;
    fixed.screens = {{{0, 0, 640, 480}, {0, 0, 640, 450}}};
    {
        const DesktopMetricsScope outer(fixed);
        EXPECT_EQ(TheDesktopMetrics(), fixed);
        EXPECT_EQ(WorkAreaAt({700, 10}), (TRect{0, 0, 640, 450}));
        {
            const DesktopMetricsScope inner(DesktopMetrics{});
            EXPECT_TRUE(TheDesktopMetrics().screens.empty());
            EXPECT_EQ(TheDesktopMetrics().menuItemHeight, 19) << "the classic defaults";
            EXPECT_EQ(ToQFont(TheDesktopMetrics().menuFont).pixelSize(), 12) << "9 points";
        }
        EXPECT_EQ(TheDesktopMetrics(), fixed);
    }
    EXPECT_EQ(TheDesktopMetrics(), running);
}

}  // namespace
}  // namespace vx
