#include "editor/StatusPanels.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

// The panels fill the bar side by side at every width: at their designed
// widths while there is room (the block panel takes the rest), in
// proportion below that. A port text wider than its panel widens the panel
// with the block panel's room beyond its designed width, never past it.
TEST(StatusPanels, FillTheBarSideBySideAtEveryWidth) {
    struct Case {
        int bar;
        int port;
        std::array<int, kStatusPanelCount> widths;
    };
    const Case cases[] = {
        {1400, 0, {160, 110, 110, 140, 160, 170, 550}},
        {990, 0, {160, 110, 110, 140, 160, 170, 140}},
        {800, 0, {129, 88, 88, 113, 129, 137, 116}},
        {600, 0, {96, 66, 66, 84, 96, 103, 89}},
        {10, 0, {1, 1, 1, 1, 1, 1, 4}},
        {0, 0, {0, 0, 0, 0, 0, 0, 0}},
        {-5, 0, {0, 0, 0, 0, 0, 0, 0}},
        {1280, 230, {160, 110, 230, 140, 160, 170, 310}},
        {1280, 60, {160, 110, 110, 140, 160, 170, 430}},
        {1200, 400, {160, 110, 320, 140, 160, 170, 140}},
        {990, 230, {160, 110, 110, 140, 160, 170, 140}},
        {800, 230, {129, 88, 88, 113, 129, 137, 116}},
    };
    for (const Case& c : cases) {
        const auto places = StatusPanelPlaces(c.bar, c.port);
        int left = 0;
        for (int i = 0; i < kStatusPanelCount; ++i) {
            EXPECT_EQ(places[i].left, left) << c.bar << " panel " << i;
            EXPECT_EQ(places[i].width, c.widths[i])
                << c.bar << " port " << c.port << " panel " << i;
            left += places[i].width;
        }
        EXPECT_EQ(left, std::max(c.bar, 0)) << c.bar;
    }
}

}  // namespace
}  // namespace vx
