// Tab shapes, outlines with the card's gap and shadow, content rectangles,
// the content's places and the drop marker, as data.
#include <gtest/gtest.h>

#include <vector>

#include "TabTestMetrics.h"
#include "widgets/WgTabsContent.h"
#include "widgets/WgTabsShape.h"

namespace vx {
namespace {

using test::TabTestMetrics;
using O = TWgTabOrientation;
using S = TWgTabStyle;
using C = TWgOutlineCode;
using Points = std::vector<TPoint>;

TEST(WgTabsShapeTest, EachStyleHasItsPointsFromTheCardEdgeOverTheTop) {
    TWgTabLayoutProps props;
    const TRect r{10, 0, 60, 20};  // h = 20
    struct Case {
        S style;
        bool soft;
        Points points;
    };
    const std::vector<Case> cases = {
        {S::tsSingleSlant, false, {{10, 20}, {10, 2}, {12, 0}, {40, 0}, {60, 20}}},
        {S::tsSingleSlant, true, {{10, 20}, {10, 2}, {12, 0}, {36, 0}, {42, 2}, {60, 20}}},
        {S::tsDoubleSlant, false, {{10, 20}, {30, 0}, {40, 0}, {60, 20}}},
        {S::tsDoubleSlant, true, {{10, 20}, {28, 2}, {34, 0}, {36, 0}, {42, 2}, {60, 20}}},
        {S::tsCutCorner, false, {{10, 20}, {10, 0}, {54, 0}, {60, 6}, {60, 20}}},
        {S::tsRoundCorners, false, {{10, 20}, {10, 2}, {12, 0}, {58, 0}, {60, 2}, {60, 20}}},
        {S::tsBackSlant, false, {{10, 20}, {30, 0}, {58, 0}, {60, 2}, {60, 20}}},
        {S::tsSquareCorners, false, {{10, 20}, {10, 0}, {60, 0}, {60, 20}}},
    };
    for (const Case& k : cases) {
        props.TabStyle = k.style;
        props.SoftCorners = k.soft;
        EXPECT_EQ(TabShapeInStrip(props, r), k.points) << static_cast<int>(k.style);
        EXPECT_EQ(static_cast<int>(k.points.size()), TabShapePointCount(props));
    }
}

TEST(WgTabsShapeTest, ShapesTurnWithTheStripAndOutlinesJoinThePoints) {
    TabTestMetrics metrics;
    TWgTabLayoutProps props;
    props.TabOrientation = O::toLeft;
    TWgTabDataList tabs;
    tabs.Add().Caption = "One";
    const TWgTabGeometry g = LayoutTabs(props, tabs, {}, metrics, 300, 300, 0);
    const TRect r = tabs.Items(0).Rect;  // (0, 0, 47, 29): FD 29 = 23 + 6
    ASSERT_EQ(r, (TRect{0, 0, 47, 29}));
    const Points shape = TabShape(props, g, 0, r);
    // Along the strip is upwards from the bottom; the outer edge is x = 0.
    EXPECT_EQ(shape, (Points{{29, 299}, {2, 299}, {0, 297}, {0, 281}, {29, 252}}));
    const TWgOutline outline = TabOutline(props, 0, shape);
    ASSERT_EQ(outline.size(), 7u);
    EXPECT_EQ(outline[0], (TWgOutlineCommand{C::Start}));
    EXPECT_EQ(outline[1], (TWgOutlineCommand{C::Tab, 0, 0}));
    EXPECT_EQ(outline[2], (TWgOutlineCommand{C::MoveTo, 29, 299}));
    EXPECT_EQ(outline[6], (TWgOutlineCommand{C::LineTo, 29, 252}));
    try {
        TabOutline(props, 0, Points{{0, 0}, {1, 1}});
        ADD_FAILURE() << "a shape of the wrong size was drawn";
    } catch (const EWgTabControlError& e) {
        EXPECT_STREQ(e.what(), "Incorrect number of points in tab shape");
    }
}

TEST(WgTabsShapeTest, TopCardWithShadowLeavesTheGapAndAddsTwoShadowBands) {
    TWgTabLayoutProps props;
    const TRect card{0, 19, 299, 99};
    const TWgCardGap gap{{40, 19}, {86, 19}};
    const TWgOutline outline = CardOutline(props, 0, card, &gap, true);
    const TWgOutline expected = {
        {C::Start},           {C::Card, 0, 0},        {C::MoveTo, 0, 19},     {C::LineTo, 40, 19},
        {C::MoveTo, 86, 19},  {C::LineTo, 297, 19},   {C::LineTo, 297, 97},   {C::LineTo, 0, 97},
        {C::LineTo, 0, 18},   {C::MoveTo, 298, 20},   {C::Shadow30, 298, 98}, {C::Shadow30, 0, 98},
        {C::MoveTo, 298, 19}, {C::Shadow15, 299, 19}, {C::Shadow15, 299, 99}, {C::Shadow15, 0, 99},
        {C::Shadow15, 0, 98},
    };
    EXPECT_EQ(outline, expected);
    const TWgOutline hotOnly = CardOutline(props, 0, card, &gap, false);
    EXPECT_EQ(hotOnly.size(), 9u) << "no shadow while only the hot mark is repainted";
}

TEST(WgTabsShapeTest, CardOutlinesOfTheOtherEdgesLeaveTheGapOnTheirTabSide) {
    TWgTabLayoutProps props;
    props.ShowShadow = false;
    const TRect card{10, 20, 100, 80};
    const TWgCardGap gap{{30, 80}, {60, 80}};
    props.TabOrientation = O::toBottom;
    EXPECT_EQ(CardOutline(props, 0, card, &gap, true), (TWgOutline{{C::Start},
                                                                   {C::Card, 0, 0},
                                                                   {C::MoveTo, 10, 20},
                                                                   {C::LineTo, 100, 20},
                                                                   {C::LineTo, 100, 80},
                                                                   {C::LineTo, 59, 80},
                                                                   {C::MoveTo, 29, 80},
                                                                   {C::LineTo, 10, 80},
                                                                   {C::LineTo, 10, 20}}));
    props.ShowFullFrame = false;
    EXPECT_EQ(CardOutline(props, 0, card, &gap, true), (TWgOutline{{C::Start},
                                                                   {C::Card, 0, 0},
                                                                   {C::MoveTo, 100, 81},
                                                                   {C::LineTo, 59, 81},
                                                                   {C::MoveTo, 29, 81},
                                                                   {C::LineTo, 9, 81}}));
    // No selected tab on the card: only the edge next to the tabs.
    props.TabOrientation = O::toRight;
    EXPECT_EQ(
        CardOutline(props, 0, card, nullptr, true),
        (TWgOutline{{C::Start}, {C::Card, 0, 0}, {C::MoveTo, 100, 20}, {C::LineTo, 100, 80}}));
}

TEST(WgTabsShapeTest, ContentRectanglesByStyleAndEdge) {
    TabTestMetrics metrics;
    TWgTabLayoutProps props;
    TWgTabDataList tabs;
    tabs.Add().Caption = "One";
    TWgTabGeometry g = LayoutTabs(props, tabs, {}, metrics, 300, 100, 0);
    const TRect r{0, 0, 47, 19};
    // Shrink 1, cut 2 x 9 + 2 from the end, move 3, 2 off the top, focus 1.
    EXPECT_EQ(TabContentRect(props, g, 0, r), (TRect{5, 4, 28, 17}));
    props.ShowFocusRect = false;
    EXPECT_EQ(TabContentRect(props, g, 0, r), (TRect{4, 3, 29, 18}));
    props.TabStyle = S::tsBackSlant;
    EXPECT_EQ(TabContentRect(props, g, 0, r), (TRect{18, 3, 43, 18}));
    props.TabStyle = S::tsDoubleSlant;
    EXPECT_EQ(TabContentRect(props, g, 0, r), (TRect{19, 3, 30, 18}));
    props.TabStyle = S::tsCutCorner;
    EXPECT_EQ(TabContentRect(props, g, 0, r), (TRect{9, 4, 38, 18}));
    props.TabStyle = S::tsSquareCorners;
    EXPECT_EQ(TabContentRect(props, g, 0, r), (TRect{4, 2, 43, 17}));

    props = {};
    props.TabOrientation = O::toBottom;
    g = LayoutTabs(props, tabs, {}, metrics, 300, 100, 0);
    EXPECT_EQ(TabContentRect(props, g, 0, r), (TRect{5, 83, 28, 96}))
        << "turned onto the bottom edge, one pixel lower";
}

TEST(WgTabsShapeTest, DropMarkerSitsOutsideTheTargetsOuterEdgeAndPointsAtTheStrip) {
    TabTestMetrics metrics;
    TWgTabLayoutProps props;
    TWgTabDataList tabs;
    tabs.Add().Caption = "One";
    TWgTabGeometry g = LayoutTabs(props, tabs, {}, metrics, 300, 100, 0);
    const TRect target{39, 0, 86, 19};
    TWgDropMarker marker = DropMarkerFor(props, g, 0, target, true);
    EXPECT_EQ(marker.Rect, (TRect{32, -10, 47, -2}));
    EXPECT_EQ(marker.Left, (Points{{0, 0}, {8, 8}, {0, 8}}));
    EXPECT_EQ(marker.Right, (Points{{7, 8}, {15, 0}, {15, 8}}));
    marker = DropMarkerFor(props, g, 0, target, false);
    EXPECT_EQ(marker.Rect, (TRect{70, -10, 85, -2})) << "far edge, in by half the row's thickness";
    props.TabStyle = S::tsSquareCorners;
    EXPECT_EQ(DropMarkerFor(props, g, 0, target, false).Rect, (TRect{78, -10, 93, -2}));
    props.TabStyle = S::tsDoubleSlant;
    EXPECT_EQ(DropMarkerFor(props, g, 0, target, true).Rect, (TRect{41, -10, 56, -2}));

    props = {};
    props.TabOrientation = O::toBottom;
    g = LayoutTabs(props, tabs, {}, metrics, 300, 100, 0);
    marker = DropMarkerFor(props, g, 0, target, true);
    EXPECT_EQ(marker.Rect, (TRect{32, 101, 47, 109})) << "below the bottom strip";
    EXPECT_EQ(marker.Left, (Points{{0, 8}, {8, 0}, {0, 0}})) << "pointing up";
}

TEST(WgTabsShapeTest, ImageTextAndCloseButtonPlacesInTheContent) {
    TWgTabLayoutProps props;
    props.ImagePosition = TWgImagePosition::ipTop;
    const TRect content{10, 5, 60, 45};
    TWgTabContentPlaces places = PlaceTabContent(props, content, {16, 16}, true, false);
    EXPECT_EQ(places.Text, (TRect{10, 23, 60, 45}));
    EXPECT_EQ(places.Image, (TPoint{27, 5}));
    EXPECT_TRUE(places.CloseButton.IsEmpty());
    places = PlaceTabContent(props, content, {16, 16}, false, false);
    EXPECT_EQ(places.Text, content) << "no image: the text keeps the whole content";

    props.ShowCloseButtonOnActiveTab = true;
    places = PlaceTabContent(props, content, {16, 16}, true, true);
    EXPECT_EQ(places.Text, (TRect{10, 23, 40, 45}));
    EXPECT_EQ(places.CloseButton, Bounds(42, 18, 15, 13));
    props.TabSequence = TWgTabSequence::tsReverse;
    props.ImagePosition = TWgImagePosition::ipLeft;
    places = PlaceTabContent(props, content, {16, 16}, true, true);
    EXPECT_EQ(places.Text, (TRect{48, 5, 60, 45})) << "image and close room both at the start";
    EXPECT_EQ(places.Image, (TPoint{30, 17})) << "the image moves off the close button";
}

TEST(WgTabsShapeTest, LinesArePlacedAsABlockPlainOrTurned) {
    TWgTabLayoutProps props;
    const std::vector<TSize> lines{{30, 13}, {20, 13}};
    EXPECT_EQ(PlaceTabLines(props, {0, 0, 100, 40}, lines), (Points{{35, 7}, {40, 20}}));
    props.TextAlignment = TWgHorizontalAlignment::haLeft;
    props.TextAlignmentVertical = TWgVerticalAlignment::vaBottom;
    EXPECT_EQ(PlaceTabLines(props, {0, 0, 100, 40}, lines), (Points{{0, 14}, {0, 27}}));

    props = {};
    props.TextOrientation = TOrientation::orVertical;
    props.TabOrientation = O::toLeft;
    EXPECT_EQ(TabTextTurn(props), TWgTextTurn::Left);
    // Turned text runs upwards from its origin; lines follow rightwards.
    EXPECT_EQ(PlaceTabLines(props, {0, 0, 40, 100}, lines), (Points{{7, 65}, {20, 60}}));
    props.TextAlignmentVertical = TWgVerticalAlignment::vaTop;
    EXPECT_EQ(PlaceTabLines(props, {0, 0, 40, 100}, lines), (Points{{7, 100}, {20, 100}}))
        << "vaTop is the end where the turned text begins";
    props = {};
    props.TextOrientation = TOrientation::orVertical;
    props.TabOrientation = O::toRight;
    EXPECT_EQ(TabTextTurn(props), TWgTextTurn::Right);
    EXPECT_EQ(PlaceTabLines(props, {0, 0, 40, 100}, lines), (Points{{33, 35}, {20, 40}}));
}

}  // namespace
}  // namespace vx
