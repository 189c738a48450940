#include "platform/ControlAlign.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

AlignItem Item(TAlign align, TRect bounds) {
    AlignItem item;
    item.align = align;
    item.bounds = bounds;
    return item;
}

using A = TAlign;

TEST(ControlAlignTest, EdgesAreTakenTopBottomLeftRightThenClient) {
    // Listed in an order unlike the placing order, each rectangle where a
    // window might have left it.
    const std::vector<AlignItem> items = {
        Item(A::alClient, Bounds(5, 5, 10, 10)), Item(A::alRight, Bounds(0, 0, 30, 7)),
        Item(A::alLeft, Bounds(0, 0, 20, 7)),    Item(A::alBottom, Bounds(0, 0, 9, 16)),
        Item(A::alTop, Bounds(50, 50, 3, 24)),   Item(A::alNone, Bounds(1, 2, 3, 4)),
        Item(A::alCustom, Bounds(7, 8, 9, 10)),
    };
    const auto r = ArrangeAligned(Bounds(0, 0, 300, 200), items);
    EXPECT_EQ(r[4], Bounds(0, 0, 300, 24));     // top: full width, own height
    EXPECT_EQ(r[3], Bounds(0, 184, 300, 16));   // bottom
    EXPECT_EQ(r[2], Bounds(0, 24, 20, 160));    // left: between top and bottom
    EXPECT_EQ(r[1], Bounds(270, 24, 30, 160));  // right
    EXPECT_EQ(r[0], Bounds(20, 24, 250, 160));  // client: what is left
    EXPECT_EQ(r[5], Bounds(1, 2, 3, 4));        // unaligned and custom stay
    EXPECT_EQ(r[6], Bounds(7, 8, 9, 10));
}

TEST(ControlAlignTest, RoomIsTheGivenRectangle) {
    const std::vector<AlignItem> items = {Item(A::alTop, Bounds(0, 0, 1, 16)),
                                          Item(A::alClient, Bounds(0, 0, 1, 1))};
    const auto r = ArrangeAligned({3, 4, 97, 60}, items);
    EXPECT_EQ(r[0], (TRect{3, 4, 97, 20}));
    EXPECT_EQ(r[1], (TRect{3, 20, 97, 60}));
}

TEST(ControlAlignTest, SameEdgeOrderedByPlace) {
    // Top ones from the top down, bottom ones from the bottom up, left from
    // the left, right from the right: whatever the list order.
    const std::vector<AlignItem> items = {
        Item(A::alTop, Bounds(0, 40, 10, 5)),    Item(A::alTop, Bounds(0, 10, 10, 6)),
        Item(A::alBottom, Bounds(0, 60, 10, 7)), Item(A::alBottom, Bounds(0, 90, 10, 8)),
        Item(A::alLeft, Bounds(30, 0, 4, 10)),   Item(A::alLeft, Bounds(2, 0, 3, 10)),
        Item(A::alRight, Bounds(50, 0, 6, 10)),  Item(A::alRight, Bounds(80, 0, 7, 10)),
    };
    EXPECT_EQ(AlignOrder(items, A::alTop), (std::vector<std::size_t>{1, 0}));
    EXPECT_EQ(AlignOrder(items, A::alBottom), (std::vector<std::size_t>{3, 2}));
    EXPECT_EQ(AlignOrder(items, A::alLeft), (std::vector<std::size_t>{5, 4}));
    EXPECT_EQ(AlignOrder(items, A::alRight), (std::vector<std::size_t>{7, 6}));
    const auto r = ArrangeAligned(Bounds(0, 0, 100, 100), items);
    EXPECT_EQ(r[1].top, 0);
    EXPECT_EQ(r[0].top, 6);
    EXPECT_EQ(r[3].bottom, 100);
    EXPECT_EQ(r[2].bottom, 92);
    EXPECT_EQ(r[5].left, 0);
    EXPECT_EQ(r[4].left, 3);
    EXPECT_EQ(r[7].right, 100);
    EXPECT_EQ(r[6].right, 93);
}

TEST(ControlAlignTest, EqualPlacesKeepListOrderButAMovedOneTakesThePlace) {
    std::vector<AlignItem> items = {Item(A::alTop, Bounds(0, 0, 10, 5)),
                                    Item(A::alTop, Bounds(0, 0, 10, 6)),
                                    Item(A::alTop, Bounds(0, 0, 10, 7))};
    EXPECT_EQ(AlignOrder(items, A::alTop), (std::vector<std::size_t>{0, 1, 2}));
    items[2].justMoved = true;
    EXPECT_EQ(AlignOrder(items, A::alTop), (std::vector<std::size_t>{2, 0, 1}));
    // A top panel moved onto the first one's place goes above it.
    items = {Item(A::alTop, Bounds(0, 0, 50, 16)), Item(A::alTop, Bounds(0, 0, 50, 16))};
    items[1].justMoved = true;
    const auto r = ArrangeAligned(Bounds(0, 0, 50, 50), items);
    EXPECT_EQ(r[1].top, 0);
    EXPECT_EQ(r[0].top, 16);
}

TEST(ControlAlignTest, ResizedItemKeepsItsPlaceInTheOrder) {
    // Two bottom panels; the upper one grows downward past the lower one's
    // bottom edge, but is still placed above it.
    std::vector<AlignItem> items = {Item(A::alBottom, Bounds(0, 84, 50, 16)),
                                    Item(A::alBottom, Bounds(0, 68, 50, 40))};
    items[1].rankAt = Bounds(0, 68, 50, 16);
    const auto r = ArrangeAligned(Bounds(0, 0, 50, 100), items);
    EXPECT_EQ(r[0], Bounds(0, 84, 50, 16));
    EXPECT_EQ(r[1], Bounds(0, 44, 50, 40));
    items[1].rankAt.reset();  // ranked where it stands, it would go below
    EXPECT_EQ(ArrangeAligned(Bounds(0, 0, 50, 100), items)[1], Bounds(0, 60, 50, 40));
}

TEST(ControlAlignTest, HiddenItemsTakeNoRoom) {
    std::vector<AlignItem> items = {Item(A::alTop, Bounds(0, 0, 10, 20)),
                                    Item(A::alClient, Bounds(0, 0, 1, 1))};
    items[0].visible = false;
    const auto r = ArrangeAligned(Bounds(0, 0, 40, 40), items);
    EXPECT_EQ(r[0], Bounds(0, 0, 10, 20));
    EXPECT_EQ(r[1], Bounds(0, 0, 40, 40));
}

TEST(ControlAlignTest, SizeLimitsHoldAndDecideTheRoomTaken) {
    std::vector<AlignItem> items = {Item(A::alTop, Bounds(0, 0, 10, 4)),
                                    Item(A::alLeft, Bounds(0, 0, 50, 10)),
                                    Item(A::alClient, Bounds(0, 0, 1, 1))};
    items[0].minHeight = 12;  // asks for 4, gets 12
    items[0].maxWidth = 70;   // narrower than the room
    items[1].maxWidth = 30;
    items[2].maxHeight = 20;
    const auto r = ArrangeAligned(Bounds(0, 0, 100, 100), items);
    EXPECT_EQ(r[0], Bounds(0, 0, 70, 12));
    EXPECT_EQ(r[1], Bounds(0, 12, 30, 88));
    EXPECT_EQ(r[2], Bounds(30, 12, 70, 20));
}

TEST(ControlAlignTest, CrowdedRoomGivesEmptyNotNegativeSizes) {
    const std::vector<AlignItem> items = {
        Item(A::alTop, Bounds(0, 0, 10, 30)), Item(A::alBottom, Bounds(0, 0, 10, 30)),
        Item(A::alLeft, Bounds(0, 0, 10, 10)), Item(A::alClient, Bounds(0, 0, 5, 5))};
    const auto r = ArrangeAligned(Bounds(0, 0, 40, 40), items);
    EXPECT_EQ(r[0], Bounds(0, 0, 40, 30));
    EXPECT_EQ(r[1], Bounds(0, 10, 40, 30));
    EXPECT_EQ(r[2].Height(), 0);
    EXPECT_EQ(r[3].Height(), 0);
    EXPECT_EQ(r[3].Width(), 30);
}

}  // namespace
}  // namespace vx
