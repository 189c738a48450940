#include "styling/menus/FxMenuPlacement.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

const TRect kScreen{0, 0, 1024, 768};

TEST(FxMenuPlacementTest, PopupPointShiftsByAlignmentAndStaysOnTheScreen) {
    struct Case {
        TPoint at;
        TPopupAlignment alignment;
        int width;
        TRect area;
        TPoint expected;
    };
    const Case cases[] = {
        // Right-aligned: no room on the left at 5, room at 500.
        {{5, 40}, TPopupAlignment::paRight, 100, kScreen, {5, 40}},
        {{500, 40}, TPopupAlignment::paRight, 100, kScreen, {517, 40}},
        // Room exactly (134 - 17 - 117 = 0) and a pixel short of it.
        {{134, 40}, TPopupAlignment::paRight, 100, kScreen, {151, 40}},
        {{133, 40}, TPopupAlignment::paRight, 100, kScreen, {133, 40}},
        // Left-aligned: only near the right edge (1024 <= x + 117 + 34).
        {{500, 40}, TPopupAlignment::paLeft, 100, kScreen, {500, 40}},
        {{872, 40}, TPopupAlignment::paLeft, 100, kScreen, {872, 40}},
        {{873, 40}, TPopupAlignment::paLeft, 100, kScreen, {890, 40}},
        {{1020, 40}, TPopupAlignment::paLeft, 100, kScreen, {1023, 40}},
        // Centred: always 8 to the right, never past the last column.
        {{0, 0}, TPopupAlignment::paCenter, 10, kScreen, {8, 0}},
        {{1020, 0}, TPopupAlignment::paCenter, 10, kScreen, {1023, 0}},
        // The second screen of a desktop: its own work area counts.
        {{1030, 40}, TPopupAlignment::paRight, 100, {1024, 0, 2048, 768}, {1030, 40}},
        {{1200, 40}, TPopupAlignment::paRight, 100, {1024, 0, 2048, 768}, {1217, 40}},
        {{1158, 40}, TPopupAlignment::paRight, 100, {1024, 0, 2048, 768}, {1175, 40}},
        {{1157, 40}, TPopupAlignment::paRight, 100, {1024, 0, 2048, 768}, {1157, 40}},
        {{2040, 900}, TPopupAlignment::paLeft, 100, {1024, 0, 2048, 740}, {2047, 739}},
        {{-50, -9}, TPopupAlignment::paLeft, 100, {1024, 30, 2048, 740}, {1024, 30}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PopupPoint(c.at, c.alignment, c.width, c.area), c.expected)
            << c.at.x << "," << c.at.y << " alignment " << static_cast<int>(c.alignment);
    }
}

TEST(FxMenuPlacementTest, PopupWindowKeepsOnTheWorkArea) {
    struct Case {
        TPoint at;
        TPopupAlignment alignment;
        TPoint expected;
    };
    const TRect area{0, 0, 800, 600};
    const TPoint size{200, 300};
    const Case cases[] = {
        {{100, 100}, TPopupAlignment::paLeft, {100, 100}},
        {{300, 100}, TPopupAlignment::paRight, {100, 100}},
        {{300, 100}, TPopupAlignment::paCenter, {200, 100}},
        {{700, 100}, TPopupAlignment::paLeft, {600, 100}},  // pushed back from the right
        {{50, 100}, TPopupAlignment::paRight, {0, 100}},    // and from the left
        {{100, 400}, TPopupAlignment::paLeft, {100, 100}},  // above the point
        {{100, 200}, TPopupAlignment::paLeft, {100, 200}},
        {{100, 250}, TPopupAlignment::paLeft, {100, 250}},
        {{100, 310}, TPopupAlignment::paLeft, {100, 10}},
        {{100, 300}, TPopupAlignment::paLeft, {100, 300}},  // ends on the bottom exactly
        {{100, 301}, TPopupAlignment::paLeft, {100, 1}},    // a pixel past it: above
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PopupWindowOrigin(c.at, c.alignment, size, area), c.expected)
            << c.at.x << "," << c.at.y;
    }
    // Taller than the screen: from its top.
    EXPECT_EQ(PopupWindowOrigin({10, 10}, TPopupAlignment::paLeft, {50, 700}, area),
              (TPoint{10, 0}));
}

TEST(FxMenuPlacementTest, DropDownRegionAndMoves) {
    EXPECT_EQ(PopupRegion(150, 80), (TRect{1, 1, 132, 79}));
    struct Case {
        int level;
        bool right;
        TPoint moved;
    };
    const TRect window{300, 200, 450, 280};
    const Case cases[] = {
        {1, true, {299, 198}},  {1, false, {299, 198}}, {2, true, {283, 200}},
        {2, false, {317, 200}}, {3, true, {283, 200}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PopupWindowMove(window, c.level, c.right), c.moved) << c.level << c.right;
    }
}

}  // namespace
}  // namespace vx
