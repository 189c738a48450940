// The group bar without a window: where each group goes in each look,
// exclusive mode, removing and moving groups, the scroll bar and scrolling.
#include <gtest/gtest.h>

#include <string>

#include "GroupFakes.h"

namespace vx {
namespace {

using test::FakeBar;
using test::FakeGroup;

void AddItems(FakeGroup& g, int count, const std::string& caption = "Item") {
    for (int i = 0; i < count; ++i)
        g.Add(caption);
}

TEST(GroupBarModel, StacksGroupsWithTheirMargins) {
    FakeBar bar(160, 400);
    FakeGroup open, closed, empty;
    AddItems(open, 2);
    AddItems(closed, 2);
    for (FakeGroup* g : {&open, &closed, &empty})
        g->SetBar(&bar);
    closed.SetOpened(false);
    // Margin 8, width 144; items need 24 + 20 + 23; closed: the caption;
    // no items: OpenedHeight.
    EXPECT_EQ(open.GroupBounds(), (TRect{8, 8, 152, 75}));
    EXPECT_EQ(closed.GroupBounds(), (TRect{8, 83, 152, 103}));
    EXPECT_EQ(empty.GroupBounds(), (TRect{8, 111, 152, 161}));
    EXPECT_EQ(bar.TotalHeight(), 16 + 161 - 8);
    EXPECT_FALSE(bar.ScrollBar().Visible());

    closed.SetShown(false);
    EXPECT_EQ(closed.GroupBounds(), (TRect{8, 75, 152, 75})) << "a hidden group takes no room";
    EXPECT_EQ(empty.GroupBounds().top, 83);

    // The task list keeps every group open, with margins of 4.
    bar.SetStyle(TWgGroupBarStyle::gbsTaskList);
    closed.SetShown(true);
    EXPECT_EQ(bar.GroupBorderSize(), 4);
    EXPECT_EQ(bar.BarColor(), clWindow);
    EXPECT_EQ(open.GroupBounds(), (TRect{4, 4, 156, 71}));
    EXPECT_EQ(closed.GroupBounds(), (TRect{4, 75, 156, 142}));
}

TEST(GroupBarModel, OutlookGivesTheOpenedGroupWhatTheCaptionsLeave) {
    FakeBar bar(160, 300);
    bar.SetStyle(TWgGroupBarStyle::gbsOutlook);
    EXPECT_EQ(bar.GroupBorderSize(), 0);
    bar.SetGroupBorderSize(4);
    FakeGroup a, b, c;
    for (FakeGroup* g : {&a, &b, &c})
        g->SetBar(&bar);
    // 300 - (2 x 4 + 2 x (20 + 4)) for the opened group.
    EXPECT_EQ(a.GroupBounds(), (TRect{4, 4, 156, 248}));
    EXPECT_EQ(b.GroupBounds(), (TRect{4, 252, 156, 272}));
    EXPECT_EQ(c.GroupBounds(), (TRect{4, 276, 156, 296}));
    b.SetOpened(true);
    EXPECT_EQ(a.GroupBounds(), (TRect{4, 4, 156, 24}));
    EXPECT_EQ(b.GroupBounds(), (TRect{4, 28, 156, 272}));
    c.SetShown(false);
    EXPECT_EQ(b.GroupBounds(), (TRect{4, 28, 156, 296})) << "a hidden group takes no room";
    EXPECT_EQ(c.GroupBounds(), (TRect{4, 296, 156, 296}));
}

TEST(GroupBarModel, ExclusiveModeKeepsOneGroupOpen) {
    FakeBar bar;
    FakeGroup a, b, c;
    for (FakeGroup* g : {&a, &b, &c}) {
        AddItems(*g, 1);
        g->SetBar(&bar);
    }
    bar.SetExclusiveMode(true);
    EXPECT_TRUE(a.Opened());
    EXPECT_FALSE(b.Opened());
    EXPECT_FALSE(c.Opened());
    c.SetOpened(true);
    EXPECT_FALSE(a.Opened());
    EXPECT_TRUE(c.Opened());
    EXPECT_EQ(b.GroupBounds().Height(), 20);

    // Removing the opened group opens the one before it.
    bar.RemoveGroup(c);
    EXPECT_TRUE(b.Opened());
    EXPECT_EQ(c.Bar(), nullptr);

    FakeBar list;
    list.SetStyle(TWgGroupBarStyle::gbsTaskList);
    list.SetExclusiveMode(true);
    EXPECT_FALSE(list.ExclusiveMode()) << "category view only";
}

TEST(GroupBarModel, RemovingTheOpenedOutlookGroupOpensItsPredecessor) {
    FakeBar bar(160, 300);
    bar.SetStyle(TWgGroupBarStyle::gbsOutlook);
    FakeGroup a, b, c;
    for (FakeGroup* g : {&a, &b, &c})
        g->SetBar(&bar);
    b.SetOpened(true);
    bar.RemoveGroup(b);
    EXPECT_TRUE(a.Opened());
    EXPECT_EQ(a.GroupBounds().Height(), 300 - 20);
    bar.RemoveGroup(a);
    EXPECT_TRUE(c.Opened()) << "the first one went: the new first opens";
    EXPECT_EQ(c.GroupIndex(), 0);
}

TEST(GroupBarModel, GroupIndexMovesAGroupWithinTheBar) {
    FakeBar bar;
    FakeGroup a, b, c;
    for (FakeGroup* g : {&a, &b, &c})
        g->SetBar(&bar);
    c.SetGroupIndex(0);
    EXPECT_EQ(&bar.Groups(0), &c);
    EXPECT_EQ(a.GroupIndex(), 1);
    EXPECT_EQ(c.GroupBounds().top, 8);
    for (int bad : {3, -1}) {
        try {
            a.SetGroupIndex(bad);
            FAIL() << bad << " taken";
        } catch (const EWgGroupBarError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::to_string(bad) +
                          " is an invalid GroupIndex value. GroupIndex must be between 0 and 2");
        }
    }
    EXPECT_EQ(a.GroupIndex(), 1);
    FakeGroup loose;
    EXPECT_EQ(loose.GroupIndex(), -1);
}

TEST(GroupBarModel, TheScrollBarNarrowsTheGroupsAndTheLayoutSettles) {
    FakeBar bar(160, 100);
    FakeGroup g;
    // 21 characters: one line in 144 - 16, two lines in 128 - 16.
    AddItems(g, 5, std::string(21, 'x'));
    g.SetBar(&bar);
    EXPECT_TRUE(bar.ScrollBar().Visible());
    EXPECT_EQ(bar.Width(), 144);
    EXPECT_EQ(g.GroupBounds(), (TRect{8, 8, 136, 8 + 24 + 4 * 32 + 36}));
    EXPECT_EQ(bar.ScrollBar(), (TWgGroupBarModel::ScrollRange{0, 16 + 188, 100, 0}));
}

TEST(GroupBarModel, ScrollingMovesTheGroupsWithinTheRange) {
    FakeBar bar(160, 100);
    FakeGroup a, b;
    AddItems(a, 3);
    AddItems(b, 3);
    a.SetBar(&bar);
    b.SetBar(&bar);
    // Total 16 + 87 + 8 + 87: the range ends at 198 - 100.
    bar.ScrollTo(500);
    EXPECT_EQ(bar.ScrollPosition(), 98);
    EXPECT_EQ(a.GroupBounds().top, 8 - 98);
    using Code = TWgGroupBarModel::TWgScrollCode;
    bar.Scroll(Code::LineUp);
    EXPECT_EQ(bar.ScrollPosition(), 88);
    bar.Scroll(Code::PageUp);
    EXPECT_EQ(bar.ScrollPosition(), 0);
    bar.Scroll(Code::PageDown);
    EXPECT_EQ(bar.ScrollPosition(), 98);
    bar.Scroll(Code::ThumbTrack, 40);
    EXPECT_EQ(bar.ScrollPosition(), 40);
    bar.MouseWheel(2);
    EXPECT_EQ(bar.ScrollPosition(), 60);
    EXPECT_EQ(b.GroupBounds().top, 103 - 60);
    bar.Scroll(Code::Top);
    EXPECT_EQ(bar.ScrollPosition(), 0);
    bar.Scroll(Code::Bottom);
    EXPECT_EQ(bar.ScrollPosition(), 98);

    // Closing the last group: the content's end comes down to the bottom.
    b.SetOpened(false);
    EXPECT_EQ(bar.ScrollPosition(), 31);
    EXPECT_EQ(b.GroupBounds().bottom + 8, 100);
    // All of it fits again: back to the top, no scroll bar.
    a.SetOpened(false);
    EXPECT_EQ(bar.ScrollPosition(), 0);
    EXPECT_EQ(a.GroupBounds().top, 8);
    EXPECT_FALSE(bar.ScrollBar().Visible());
}

TEST(GroupBarModel, OpeningAGroupBringsItIntoView) {
    FakeBar bar(160, 100);
    FakeGroup a, b, tall;
    AddItems(a, 3);
    AddItems(b, 3);
    AddItems(tall, 8);
    for (FakeGroup* g : {&a, &b, &tall}) {
        g->SetBar(&bar);
        g->SetOpened(false);
    }
    a.SetOpened(true);
    b.SetOpened(true);
    EXPECT_EQ(b.GroupBounds().bottom + 8, 100) << "its bottom just in view";
    tall.SetOpened(true);
    EXPECT_EQ(tall.GroupBounds().top, 8) << "taller than the bar: its top in view";
    EXPECT_GT(tall.GroupBounds().bottom, 100);
}

TEST(GroupBarModel, FocusLoadingAndLooks) {
    FakeBar bar;
    bar.BeginBarLoading();
    FakeGroup a;
    AddItems(a, 1);
    a.SetBar(&bar);
    EXPECT_EQ(a.GroupBounds().top, 0) << "nothing is laid out while loading";
    bar.BarLoaded();
    EXPECT_EQ(a.GroupBounds().top, 8);

    a.SetOpened(false);
    bar.GroupFocused(a);
    EXPECT_TRUE(a.Opened());

    bar.SetStyle(TWgGroupBarStyle::gbsOutlook);
    EXPECT_EQ(bar.BarColor(), clBtnShadow);
    bar.SetStyle(TWgGroupBarStyle::gbsCategoryView);
    EXPECT_EQ(bar.GroupBorderSize(), 8);
    EXPECT_EQ(bar.BarColor(), clBtnShadow);
}

}  // namespace
}  // namespace vx
