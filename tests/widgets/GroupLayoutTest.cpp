// Where a group's items go: heights and places as data, with text measured
// at 6 pixels a character in lines of 13 pixels (wrapped when wider than
// their rectangle).
#include <gtest/gtest.h>

#include "GroupFakes.h"
#include "widgets/WgGroupLayout.h"

namespace vx {
namespace {

using test::FakeGroup;

int Measure(const TWgGroupItem& item, TRect& rect, TWgTextLayout) {
    const int width = 6 * static_cast<int>(item.Caption().size());
    const int room = std::max(rect.Width(), 1);
    const int lines = std::max(1, (width + room - 1) / room);
    rect.right = rect.left + std::min(width, room);
    rect.bottom = rect.top + 13 * lines;
    return 13 * lines;
}

// Caption 20, items 20 high, text 13: pad 3, rows from y = 24.
TWgItemLayoutParams Params() {
    return {};
}

std::vector<int> Shown(const FakeGroup& group, int top = 0) {
    TWgItemLayoutParams params = Params();
    params.topIndex = top;
    std::vector<int> shown;
    for (const TWgItemPlace& p : PlaceItems(group.Items(), params, 160, Measure))
        shown.push_back(p.index);
    return shown;
}

TEST(GroupLayout, NeededHeight) {
    FakeGroup group;
    EXPECT_EQ(NeededHeight(group.Items(), Params(), 160, Measure), 20) << "no items: the caption";
    group.Add("-");
    group.Add("-");
    EXPECT_EQ(NeededHeight(group.Items(), Params(), 160, Measure), 24) << "only dividers";
    group.Items().Clear();
    for (const char* c : {"One", "Two", "Three"})
        group.Add(c);
    // Each row 20; the last ends 3 + 13 + 3 below its top, plus 4.
    EXPECT_EQ(NeededHeight(group.Items(), Params(), 160, Measure), 24 + 40 + 23);
    group.Items()[1].SetVisible(false);
    EXPECT_EQ(NeededHeight(group.Items(), Params(), 160, Measure), 24 + 20 + 23);
    // 30 characters (180 pixels) in 160 - 16: two lines, a row of 32.
    group.Items()[0].SetCaption(std::string(30, 'x'));
    EXPECT_EQ(NeededHeight(group.Items(), Params(), 160, Measure), 24 + 32 + 23);
    // Taller items than text: pad 8.
    TWgItemLayoutParams tall = Params();
    tall.itemHeight = 30;
    group.Items()[0].SetCaption("x");
    EXPECT_EQ(NeededHeight(group.Items(), tall, 160, Measure), 24 + 30 + 16 + 13 + 4);
    // A width smaller than the margins still measures (one character a line).
    EXPECT_GT(NeededHeight(group.Items(), Params(), 4, Measure), 24 + 30);
}

TEST(GroupLayout, DividersThatTakeNoRoom) {
    FakeGroup group;
    for (const char* c : {"-", "A", "-", "-", "B", "-"})
        group.Add(c);
    EXPECT_EQ(Shown(group), (std::vector<int>{1, 2, 4})) << "first, doubled and last go";
    // A divider after invisible items back to the top, or before invisible items only.
    FakeGroup hidden;
    for (const char* c : {"A", "-", "B", "-", "C"})
        hidden.Add(c);
    hidden.Items()[0].SetVisible(false);
    hidden.Items()[4].SetVisible(false);
    EXPECT_EQ(Shown(hidden), (std::vector<int>{2}));
    hidden.Items()[0].SetVisible(true);
    hidden.Items()[4].SetVisible(true);
    EXPECT_EQ(Shown(hidden), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(Shown(hidden, 1), (std::vector<int>{2, 3, 4})) << "a divider at the top index";
}

TEST(GroupLayout, SmallItemPlaces) {
    FakeGroup group;
    group.Add("Item");
    TWgGroupItem& indented = group.Add("Sub");
    indented.SetIndentLevel(1);
    indented.SetImageIndex(0);
    group.Add("-");
    group.Add(std::string(30, 'w'));

    TWgItemLayoutParams params = Params();
    EXPECT_EQ(ItemLeftMargin(group.Items(), params.smallImages), 8) << "no image list";
    params.smallImages = {true, 16, 16};
    EXPECT_EQ(ItemLeftMargin(group.Items(), params.smallImages), 28);
    const auto places = PlaceItems(group.Items(), params, 160, Measure);
    ASSERT_EQ(places.size(), 4u);

    const TWgItemPlace& item = places[0];
    EXPECT_EQ(item.top, 24);
    EXPECT_EQ(item.textArea, (TRect{28, 27, 152, 40}));
    EXPECT_EQ(item.textRect, (TRect{28, 27, 52, 40}));
    EXPECT_EQ(item.imageRect, (TRect{-1, -1, -1, -1}));

    const TWgItemPlace& sub = places[1];
    EXPECT_EQ(sub.top, 44);
    EXPECT_EQ(sub.x, 48);
    EXPECT_TRUE(sub.image);
    EXPECT_EQ(sub.imageAt, (TPoint{28, 46})) << "centred in the row";
    EXPECT_EQ(sub.imageRect, (TRect{28, 46, 48, 62}));
    EXPECT_EQ(ImageAndCaptionSelectionBox(sub, params, 160), (TRect{26, 44, 154, 64}));
    EXPECT_EQ(CaptionSelectionBox(sub), (TRect{46, 45, 154, 62}));
    EXPECT_EQ(ImageSelectionBox(sub, params), (TRect{26, 44, 46, 64}));

    const TWgItemPlace& divider = places[2];
    EXPECT_TRUE(divider.divider);
    EXPECT_EQ(divider.dividerLine, (TRect{8, 74, 152, 75}));
    EXPECT_EQ(divider.textRect, divider.dividerLine);

    // Two lines: the row grows, the text fills its room.
    const TWgItemPlace& wrapped = places[3];
    EXPECT_EQ(wrapped.top, 84);
    EXPECT_EQ(wrapped.textHeight, 26);
    EXPECT_EQ(wrapped.textRect, (TRect{28, 87, 152, 113}));
    EXPECT_FALSE(wrapped.textFits);

    // Right to left: mirrored.
    params.rightToLeft = true;
    const auto mirrored = PlaceItems(group.Items(), params, 160, Measure);
    EXPECT_EQ(mirrored[0].textRect, (TRect{108, 27, 132, 40}));
    EXPECT_EQ(mirrored[1].imageAt, (TPoint{116, 46}));
    EXPECT_EQ(mirrored[1].imageRect, (TRect{112, 46, 132, 62}));
    EXPECT_EQ(ImageAndCaptionSelectionBox(mirrored[1], params, 160), (TRect{6, 44, 134, 64}));
}

TEST(GroupLayout, LargeItemPlaces) {
    FakeGroup group;
    TWgGroupItem& first = group.Add("Open");
    first.SetIndentLevel(2);  // ignored in the large style
    first.SetImageIndex(1);
    group.Add("-");
    group.Add("Save");
    TWgItemLayoutParams params = Params();
    params.style = TWgGroupItemStyle::isLarge;
    params.largeImages = {true, 32, 32};
    // Image area 34; rows of 20 + 34 + 8.
    const auto places = PlaceItems(group.Items(), params, 160, Measure);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0].imageAt, (TPoint{64, 26}));
    EXPECT_EQ(places[0].imageRect, (TRect{64, 26, 96, 62}));
    EXPECT_EQ(LargeImageBox(places[0], params), (TRect{62, 24, 98, 60}));
    EXPECT_EQ(places[0].textArea, (TRect{8, 61, 152, 74}));
    EXPECT_EQ(places[0].textRect, (TRect{68, 61, 92, 74})) << "centred";
    EXPECT_EQ(places[1].dividerLine, (TRect{8, 88, 152, 89}));
    EXPECT_EQ(places[2].top, 98);
    EXPECT_FALSE(places[2].image);
    EXPECT_EQ(NeededHeight(group.Items(), params, 160, Measure), 98 + 6 + 13 + 34 + 4);
    // The image area follows the list's height, 34 without a list.
    params.largeImages = {true, 48, 48};
    EXPECT_EQ(PlaceItems(group.Items(), params, 160, Measure)[1].top, 24 + 20 + 50 + 8);
    params.largeImages = {};
    EXPECT_EQ(PlaceItems(group.Items(), params, 160, Measure)[1].top, 24 + 20 + 34 + 8);
}

}  // namespace
}  // namespace vx
