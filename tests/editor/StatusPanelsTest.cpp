#include "editor/StatusPanels.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

// The panels fill the bar side by side at every width: at their designed
// widths while there is room (the block panel takes the rest), in
// proportion below that. A port or state text wider than its panel widens
// the panel with the block panel's room beyond its designed width, never past
// it, the port text first.
TEST(StatusPanels, FillTheBarSideBySideAtEveryWidth) {
    struct Case {
        int bar;
        int port;
        int state;
        std::array<int, kStatusPanelCount> widths;
    };
    const Case cases[] = {
        {1400, 0, 0, {160, 110, 110, 140, 160, 170, 550}},
        {990, 0, 0, {160, 110, 110, 140, 160, 170, 140}},
        {800, 0, 0, {129, 88, 88, 113, 129, 137, 116}},
        {600, 0, 0, {96, 66, 66, 84, 96, 103, 89}},
        {10, 0, 0, {1, 1, 1, 1, 1, 1, 4}},
        {0, 0, 0, {0, 0, 0, 0, 0, 0, 0}},
        {-5, 0, 0, {0, 0, 0, 0, 0, 0, 0}},
        {1280, 230, 0, {160, 110, 230, 140, 160, 170, 310}},
        {1280, 60, 0, {160, 110, 110, 140, 160, 170, 430}},
        {1200, 400, 0, {160, 110, 320, 140, 160, 170, 140}},
        {990, 230, 0, {160, 110, 110, 140, 160, 170, 140}},
        {800, 230, 0, {129, 88, 88, 113, 129, 137, 116}},
        {1280, 0, 200, {160, 200, 110, 140, 160, 170, 340}},
        {1280, 0, 90, {160, 110, 110, 140, 160, 170, 430}},
        {1200, 230, 300, {160, 200, 230, 140, 160, 170, 140}},
        {1066, 400, 300, {160, 110, 186, 140, 160, 170, 140}},
        {990, 0, 300, {160, 110, 110, 140, 160, 170, 140}},
    };
    for (const Case& c : cases) {
        const auto places = StatusPanelPlaces(c.bar, c.port, c.state);
        int left = 0;
        for (int i = 0; i < kStatusPanelCount; ++i) {
            EXPECT_EQ(places[i].left, left) << c.bar << " panel " << i;
            EXPECT_EQ(places[i].width, c.widths[i])
                << c.bar << " port " << c.port << " state " << c.state << " panel " << i;
            left += places[i].width;
        }
        EXPECT_EQ(left, std::max(c.bar, 0)) << c.bar;
    }
}

}  // namespace
}  // namespace vx
