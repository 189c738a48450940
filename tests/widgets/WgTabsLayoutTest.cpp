// The tab layout as data: sizes by style, rows, placement on each edge, the
// card, the children's area and the scroller's place, worked out by hand
// from the layout's steps. Text is 7 pixels a character and 13 high (8 in
// bold), the font 12 high; so "One" needs 21 x 13.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "TabTestMetrics.h"
#include "widgets/WgTabsLayout.h"

namespace vx {
namespace {

using test::TabTestMetrics;
using O = TWgTabOrientation;
using S = TWgTabStyle;

class TabLayoutTest : public testing::Test {
  protected:
    void SetTabs(std::initializer_list<const char*> captions) {
        tabs_.Clear();
        for (const char* caption : captions)
            tabs_.Add().Caption = caption;
    }
    TWgTabGeometry Run(int width, int height, int previousFixed = 0) {
        return LayoutTabs(props_, tabs_, image_, metrics_, width, height, previousFixed);
    }
    TRect Rect(int i) const { return tabs_.Items(i).Rect; }
    TRect Control(const TWgTabGeometry& g, int i, int offset = 0) const {
        return StripToControl(props_, g, offset, tabs_.Items(i).Rect);
    }

    TabTestMetrics metrics_;
    TWgTabLayoutProps props_;
    TWgTabDataList tabs_;
    TSize image_;
};

TEST_F(TabLayoutTest, TextSizeDropsAcceleratorsAndTurnsForVerticalText) {
    EXPECT_EQ(StripAccelerators("&Open"), "Open");
    EXPECT_EQ(StripAccelerators("A&&B"), "A&B");
    EXPECT_EQ(TabTextSize(props_, "&Open", false, metrics_), (TSize{28, 13}));
    EXPECT_EQ(TabTextSize(props_, "A&&B", false, metrics_), (TSize{21, 13}));
    EXPECT_EQ(TabTextSize(props_, "AB\r\nC", false, metrics_), (TSize{14, 26}));
    EXPECT_EQ(TabTextSize(props_, "AB\r\nC", true, metrics_), (TSize{16, 26}));
    props_.TextOrientation = TOrientation::orVertical;
    EXPECT_EQ(TabTextSize(props_, "AB\r\nC", false, metrics_), (TSize{26, 14}));
}

TEST_F(TabLayoutTest, ContentCombinesImageAndTextByImagePosition) {
    TWgTabData tab;
    tab.Caption = "One";
    const TSize image{16, 16};
    EXPECT_EQ(TabContentSize(props_, tab, image, metrics_), (TSize{23, 13}))
        << "the image margin counts even without an image";
    tab.ImageIndex = 0;
    EXPECT_EQ(TabContentSize(props_, tab, image, metrics_), (TSize{39, 16}));
    props_.ImagePosition = TWgImagePosition::ipTop;
    EXPECT_EQ(TabContentSize(props_, tab, image, metrics_), (TSize{21, 31}));
    props_.ImagePosition = TWgImagePosition::ipBack;
    EXPECT_EQ(TabContentSize(props_, tab, image, metrics_), (TSize{21, 16}));
    props_.ImagePosition = TWgImagePosition::ipStretch;
    EXPECT_EQ(TabContentSize(props_, tab, image, metrics_), (TSize{21, 13}));
}

TEST_F(TabLayoutTest, MinimumIsTheSizeOfAOrAAAAndMakesRoomForTheCloseButton) {
    EXPECT_EQ(TabMinimumSize(props_, {2, 0}, metrics_), (TSize{7, 12}));
    props_.TabStyle = S::tsRoundCorners;
    EXPECT_EQ(TabMinimumSize(props_, {2, 0}, metrics_), (TSize{21, 12}));
    props_.TabWidth = 30;
    EXPECT_EQ(TabMinimumSize(props_, {2, 0}, metrics_), (TSize{2, 12}));
    props_.TabWidth = 0;
    props_.ShowCloseButtonOnActiveTab = true;
    EXPECT_EQ(TabMinimumSize(props_, {30, 13}, metrics_), (TSize{50, 13}));
    props_.TabOrientation = O::toLeft;
    EXPECT_EQ(TabMinimumSize(props_, {30, 13}, metrics_), (TSize{30, 13}));
    props_.TextOrientation = TOrientation::orVertical;
    EXPECT_EQ(TabMinimumSize(props_, {30, 13}, metrics_), (TSize{30, 33}));
}

TEST_F(TabLayoutTest, OuterSizeAndOverlapByStyle) {
    const TSize c{30, 13};
    struct Case {
        S style;
        O edge;
        bool vertical;
        TSize outer;
    };
    const std::vector<Case> cases = {
        {S::tsSingleSlant, O::toTop, false, {54, 19}},
        {S::tsSingleSlant, O::toLeft, false, {36, 55}},
        {S::tsBackSlant, O::toBottom, false, {54, 19}},
        {S::tsDoubleSlant, O::toTop, false, {66, 19}},
        {S::tsDoubleSlant, O::toRight, false, {36, 83}},
        {S::tsCutCorner, O::toTop, false, {50, 20}},
        {S::tsCutCorner, O::toTop, true, {40, 26}},
        {S::tsCutCorner, O::toLeft, false, {43, 23}},
        {S::tsCutCorner, O::toLeft, true, {37, 33}},
        {S::tsRoundCorners, O::toTop, false, {36, 19}},
        {S::tsSquareCorners, O::toRight, false, {36, 19}},
    };
    for (const Case& k : cases) {
        props_.TabStyle = k.style;
        props_.TabOrientation = k.edge;
        props_.TextOrientation = k.vertical ? TOrientation::orVertical : TOrientation::orHorizontal;
        EXPECT_EQ(TabOuterSize(props_, c), k.outer)
            << static_cast<int>(k.style) << "/" << static_cast<int>(k.edge);
    }
    props_ = {};
    props_.TabHeight = 10;
    EXPECT_EQ(TabOuterSize(props_, c).cx, 59) << "half the tab height added";
    props_ = {};
    EXPECT_EQ(TabOverlapFor(props_, 19), 9);
    props_.TabStyle = S::tsDoubleSlant;
    EXPECT_EQ(TabOverlapFor(props_, 19), 19);
    props_.TabStyle = S::tsRoundCorners;
    EXPECT_EQ(TabOverlapFor(props_, 19), -1);
    props_.TabStyle = S::tsSquareCorners;
    EXPECT_EQ(TabOverlapFor(props_, 19), 0);
}

TEST_F(TabLayoutTest, TopTabsInOneRowOverlapAndLeaveTheShadowTwoPixels) {
    SetTabs({"One", "Two", "Three"});
    const TWgTabGeometry g = Run(300, 100);
    EXPECT_EQ(g.FixedDimension, 19);
    EXPECT_EQ(g.Rows, 1);
    EXPECT_EQ(g.Depth, 19);
    EXPECT_EQ(g.Strip, (TRect{0, 0, 297, 19})) << "2 short of the right edge for the shadow";
    EXPECT_EQ(g.ArrowLength, 17);
    EXPECT_EQ(g.ArrowThickness, 17);
    EXPECT_EQ(g.Room, 297 - 36);
    EXPECT_FALSE(g.ScrollerNeeded);
    EXPECT_EQ(Rect(0), (TRect{0, 0, 47, 19}));
    EXPECT_EQ(Rect(1), (TRect{39, 0, 86, 19}));
    EXPECT_EQ(Rect(2), (TRect{78, 0, 139, 19}));
    EXPECT_EQ(CardRect(props_, g, 0, 3), (TRect{0, 19, 299, 99}));
    EXPECT_EQ(ChildClientRect(props_, g, 3), (TRect{1, 20, 297, 97}));
}

TEST_F(TabLayoutTest, BottomLeftAndRightTabsTurnTheStripOntoTheirEdge) {
    SetTabs({"One", "Two", "Three"});
    props_.TabOrientation = O::toBottom;
    TWgTabGeometry g = Run(300, 100);
    EXPECT_EQ(g.Strip, (TRect{0, 80, 299, 99}));
    EXPECT_EQ(Control(g, 0), (TRect{0, 80, 47, 99}));
    EXPECT_EQ(CardRect(props_, g, 0, 3), (TRect{0, 0, 299, 80}));
    EXPECT_EQ(ChildClientRect(props_, g, 3), (TRect{1, 1, 299, 80}));

    // Left and right: the widest content makes the strip 43 deep, and every
    // tab 2 x 21 + 15 + 4 = 61 long.
    props_.TabOrientation = O::toLeft;
    g = Run(300, 300);
    EXPECT_EQ(g.FixedDimension, 43);
    EXPECT_EQ(g.Strip, (TRect{0, 0, 43, 299}));
    EXPECT_EQ(Rect(1), (TRect{41, 0, 102, 43}));
    EXPECT_EQ(Control(g, 0), (TRect{0, 238, 43, 299})) << "the strip starts at the bottom";
    EXPECT_EQ(Control(g, 1), (TRect{0, 197, 43, 258}));
    EXPECT_EQ(CardRect(props_, g, 0, 3), (TRect{43, 0, 299, 299}));
    EXPECT_EQ(ChildClientRect(props_, g, 3), (TRect{44, 1, 299, 299}));

    props_.TabOrientation = O::toRight;
    g = Run(300, 300);
    EXPECT_EQ(g.Strip, (TRect{256, 0, 299, 299}));
    EXPECT_EQ(Control(g, 0), (TRect{256, 0, 299, 61}));
    EXPECT_EQ(CardRect(props_, g, 0, 3), (TRect{0, 0, 256, 299}));
}

TEST_F(TabLayoutTest, ReverseSequenceStartsAtTheFarEnd) {
    SetTabs({"One", "Two", "Three"});
    props_.TabSequence = TWgTabSequence::tsReverse;
    const TWgTabGeometry g = Run(300, 100);
    EXPECT_EQ(g.Strip, (TRect{0, 0, 299, 19})) << "no shadow cut in reverse";
    // Placed leftwards from 0 and moved by the final x (131).
    EXPECT_EQ(Rect(0), (TRect{84, 0, 131, 19}));
    EXPECT_EQ(Rect(1), (TRect{45, 0, 92, 19}));
    EXPECT_EQ(Rect(2), (TRect{-8, 0, 53, 19}));
    // The scroll offset is the first tab's end: it ends at the strip's end.
    EXPECT_EQ(Control(g, 0, 131), (TRect{252, 0, 299, 19}));
    EXPECT_EQ(Control(g, 2, 131), (TRect{160, 0, 221, 19}));
}

TEST_F(TabLayoutTest, MultiLineRowsFillGreedilyAndIndentEachRow) {
    SetTabs({"Tab1", "Tab2", "Tab3", "Tab4", "Tab5", "Tab6"});
    props_.MultiLine = true;
    const TWgTabGeometry g = Run(120, 100);
    // Rows of 117, 112, 107: two 54-long tabs fit a row only from 3 rows on.
    EXPECT_EQ(g.Rows, 3);
    EXPECT_EQ(g.Depth, 2 * 14 + 19);
    EXPECT_EQ(g.Room, 107);
    const std::vector<TRect> expected = {{0, 28, 54, 47},   {46, 28, 100, 47}, {0, 14, 54, 33},
                                         {46, 14, 100, 33}, {0, 0, 54, 19},    {46, 0, 100, 19}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Rect(i), expected[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(tabs_.Items(i).Row, i / 2) << i;
    }
    EXPECT_FALSE(g.ScrollerNeeded);
    // The card of row 1 lies one row further out, indented at both ends.
    EXPECT_EQ(CardRect(props_, g, 1, 6), (TRect{5, 33, 114, 85}));
    EXPECT_EQ(CardRect(props_, g, 2, 6), (TRect{10, 19, 119, 71}));
}

TEST_F(TabLayoutTest, JustifiedRowsShareTheSpareRoom) {
    SetTabs({"Tab1", "Tab2", "Tab3", "Tab4", "Tab5", "Tab6"});
    props_.MultiLine = true;
    props_.AlignTabs = true;
    // Room 117 - 3 x 5 = 102, span 100: two spare pixels, one for each tab;
    // one pixel wider, the third spare pixel goes to the first tab.
    const struct {
        int width;
        TRect first, second;
    } rows[] = {
        {120, {0, 28, 55, 47}, {47, 28, 102, 47}},
        {121, {0, 28, 56, 47}, {48, 28, 103, 47}},
    };
    for (const auto& row : rows) {
        Run(row.width, 100);
        EXPECT_EQ(Rect(0), row.first) << row.width;
        EXPECT_EQ(Rect(1), row.second) << row.width;
    }
    props_.TabWidth = 54;
    Run(120, 100);
    EXPECT_EQ(Rect(1), (TRect{46, 28, 100, 47})) << "a fixed tab width is not justified";
}

TEST_F(TabLayoutTest, ATabLongerThanTheRowIsCutAndTakesARowOfItsOwn) {
    SetTabs({"A very long caption of a tab!!", "B"});
    props_.MultiLine = true;
    const TWgTabGeometry g = Run(120, 100);
    EXPECT_EQ(g.Rows, 2);
    EXPECT_EQ(Rect(0).Width(), 112) << "cut to the row";
    EXPECT_EQ(tabs_.Items(0).Row, 0);
    EXPECT_EQ(tabs_.Items(1).Row, 1);
    // Alone it stays in its one row, however long.
    SetTabs({"A very long caption of a tab!!"});
    EXPECT_EQ(Run(120, 100).Rows, 1);
}

TEST_F(TabLayoutTest, BoldCurrentTabSizesEveryTabBold) {
    SetTabs({"One", "Two"});
    props_.BoldCurrentTab = true;
    Run(300, 100);
    EXPECT_EQ(Rect(0).Width(), 2 + 24 + 2 + 18 + 4) << "3 bold characters of 8";
    EXPECT_EQ(Rect(1).Width(), Rect(0).Width());
}

TEST_F(TabLayoutTest, ManyTabsInOneRowNeedTheScroller) {
    SetTabs({"Tab1", "Tab2", "Tab3", "Tab4", "Tab5", "Tab6"});
    const TWgTabGeometry g = Run(200, 100);
    EXPECT_TRUE(g.ScrollerNeeded);
    EXPECT_EQ(g.Room, 197 - 36);
    EXPECT_EQ(Rect(5), (TRect{230, 0, 284, 19})) << "past the room if need be";
    EXPECT_EQ(ScrollRoom(props_, g), 163);
    const TWgTabButtonPlaces places = PlaceTabButtons(props_, g);
    EXPECT_EQ(places.Scroller, (TRect{163, 0, 196, 17})) << "1 short of the strip's end";
    EXPECT_FALSE(places.Stacked);
}

TEST_F(TabLayoutTest, NoVisibleTabKeepsTheStoredThicknessAndNeedsNoScroller) {
    SetTabs({"One", "Two"});
    tabs_.Items(0).Visible = false;
    tabs_.Items(1).Visible = false;
    const TWgTabGeometry g = Run(300, 100, 43);
    EXPECT_EQ(g.FixedDimension, 43);
    EXPECT_FALSE(g.ScrollerNeeded);
    EXPECT_EQ(Rect(0), TRect{});
    tabs_.Clear();
    EXPECT_EQ(CardRect(props_, Run(300, 100), 0, 0), (TRect{0, 0, 299, 99}))
        << "no tabs at all: the card is the whole control";
}

TEST_F(TabLayoutTest, ButtonsLieAtTheFarEndInwardsInOrder) {
    SetTabs({"One"});
    props_.ShowShadow = false;
    props_.ShowCloseButton = true;
    props_.ShowMenuButton = true;
    props_.Margin = 3;
    TWgTabGeometry g = Run(300, 100);
    EXPECT_EQ(g.Room, 293 - 19 - 19 - 36);
    TWgTabButtonPlaces places = PlaceTabButtons(props_, g);
    EXPECT_EQ(places.CloseButton, (TRect{280, 0, 297, 17}));
    EXPECT_EQ(places.MenuButton, (TRect{261, 0, 278, 17}));
    EXPECT_EQ(places.Scroller, (TRect{-33, -17, 0, 0})) << "not needed: out of sight";

    props_.TabOrientation = O::toLeft;
    g = Run(300, 300);
    places = PlaceTabButtons(props_, g);
    EXPECT_TRUE(places.Stacked);
    const int x = g.Strip.right - 2 - 17;
    EXPECT_EQ(places.CloseButton, (TRect{x, 3, x + 17, 20})) << "from the top, the strip's end";
    EXPECT_EQ(places.MenuButton, (TRect{x, 22, x + 17, 39}));

    props_.TabOrientation = O::toBottom;
    g = Run(300, 100);
    places = PlaceTabButtons(props_, g);
    EXPECT_EQ(places.CloseButton, (TRect{280, g.Strip.top + 2, 297, g.Strip.top + 19}));
}

TEST_F(TabLayoutTest, ClientAreaFollowsTheFrameSettings) {
    SetTabs({"One", "Two", "Three"});
    props_.ShowShadow = false;
    TWgTabGeometry g = Run(300, 100);
    EXPECT_EQ(ChildClientRect(props_, g, 3), (TRect{1, 20, 299, 99}));
    props_.ShowFullFrame = false;
    EXPECT_EQ(ChildClientRect(props_, g, 3), (TRect{0, 20, 300, 100}));
    props_.ShowCardFrame = false;
    props_.TabOrientation = O::toLeft;
    g = Run(300, 300);
    EXPECT_EQ(ChildClientRect(props_, g, 3), (TRect{42, 0, 300, 300}));
    props_.ShowCard = false;
    EXPECT_EQ(ChildClientRect(props_, g, 3), (TRect{-2, -2, -1, -1}));
}

TEST_F(TabLayoutTest, WithoutACardTheStripTakesTheWholeControl) {
    SetTabs({"One"});
    props_.ShowCard = false;
    const TWgTabGeometry g = Run(300, 100);
    EXPECT_EQ(g.Depth, 99);
    EXPECT_EQ(Rect(0).top, 99 - 19) << "the row lies at the strip's inner edge";
}

}  // namespace
}  // namespace vx
