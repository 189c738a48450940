// The tab control's selection rules, the layout's forced selection, row
// rotation, scrolling, hit testing, keys and the order of painting.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "TabTestMetrics.h"
#include "widgets/WgTabsModel.h"

namespace vx {
namespace {

using test::TabTestMetrics;
using O = TWgTabOrientation;
using Key = TWgTabKey;
using Act = TWgTabKeyAction;

class RecordingHost : public TWgTabModelHost {
  public:
    bool TabIndexOnlyStored() const override { return onlyStored; }
    bool CanChangeTab(int newIndex) override {
        log.push_back("query " + std::to_string(newIndex));
        return allow;
    }
    void TabIndexChanged() override { log.push_back("changed"); }
    void TabsRepaint() override { ++repaints; }
    void TabsScrolled() override { log.push_back("scrolled"); }
    bool KeepsNoTab() const override { return keepsNoTab; }
    void ClientAreaChanged() override { ++realigns; }

    bool onlyStored = false;
    bool allow = true;
    bool keepsNoTab = false;
    std::vector<std::string> log;
    int repaints = 0;
    int realigns = 0;
};

class TabModelTest : public testing::Test {
  protected:
    using Log = std::vector<std::string>;
    void SetTabs(std::initializer_list<const char*> captions) {
        for (const char* caption : captions)
            model_.Tabs().Add().Caption = caption;
        model_.SetLayoutDirty();
    }
    void SixTabs() { SetTabs({"Tab1", "Tab2", "Tab3", "Tab4", "Tab5", "Tab6"}); }
    // Lays out and forgets what the layout reported.
    void Settle() {
        model_.EnsureLayout();
        host_.log.clear();
    }

    TabTestMetrics metrics_;
    RecordingHost host_;
    TWgTabModel model_{host_, metrics_};
};

TEST_F(TabModelTest, LayoutSelectsTheFirstSelectableTabWithoutAskingAndReportsIt) {
    SetTabs({"One", "Two", "Three"});
    model_.Tabs().Items(0).Enabled = false;
    model_.EnsureLayout();
    EXPECT_EQ(model_.TabIndex(), 1);
    EXPECT_EQ(host_.log, Log{"changed"}) << "no change query for the layout's own selection";
    EXPECT_EQ(host_.realigns, 1);
}

TEST_F(TabModelTest, LayoutLeavesTheSelectionAloneWithoutVisibleTabsOrWhenAskedTo) {
    SetTabs({"One", "Two"});
    model_.Tabs().Items(0).Visible = false;
    model_.Tabs().Items(1).Visible = false;
    model_.EnsureLayout();
    EXPECT_EQ(model_.TabIndex(), -1);
    model_.Tabs().Items(1).Visible = true;
    host_.keepsNoTab = true;
    model_.SetLayoutDirty();
    model_.EnsureLayout();
    EXPECT_EQ(model_.TabIndex(), -1) << "a control that keeps no tab selected";
    EXPECT_TRUE(host_.log.empty());
    // A selection on a tab no longer selectable moves back to one that is.
    host_.keepsNoTab = false;
    model_.Tabs().Items(0).Visible = true;
    model_.SetTabIndex(1);
    model_.Tabs().Items(1).Enabled = false;
    model_.SetLayoutDirty();
    model_.EnsureLayout();
    EXPECT_EQ(model_.TabIndex(), 0);
}

TEST_F(TabModelTest, AnIndexOutOfRangeClearsTheSelectionWithoutEvents) {
    SetTabs({"One", "Two", "Three"});
    Settle();
    model_.SetTabIndex(3);
    EXPECT_EQ(model_.TabIndex(), -1);
    EXPECT_TRUE(host_.log.empty());
    model_.SetTabIndex(-5);
    EXPECT_EQ(model_.TabIndex(), -1);
    EXPECT_TRUE(host_.log.empty());
}

TEST_F(TabModelTest, DisabledAndHiddenTabsAreNotSelectedAndNotAskedAbout) {
    SetTabs({"One", "Two", "Three"});
    Settle();
    model_.Tabs().Items(1).Enabled = false;
    model_.Tabs().Items(2).Visible = false;
    model_.SetTabIndex(1);
    model_.SetTabIndex(2);
    EXPECT_EQ(model_.TabIndex(), 0);
    EXPECT_TRUE(host_.log.empty());
}

TEST_F(TabModelTest, AChangeIsAskedForThenReported) {
    SetTabs({"One", "Two", "Three"});
    Settle();
    model_.SetTabIndex(2);
    EXPECT_EQ(model_.TabIndex(), 2);
    EXPECT_EQ(host_.log, (Log{"query 2", "changed"}));
    host_.log.clear();
    model_.SetTabIndex(2);
    EXPECT_TRUE(host_.log.empty()) << "the same tab again is no change";
}

TEST_F(TabModelTest, ARefusedChangeKeepsTheTabAndTheScrollPosition) {
    SixTabs();
    model_.SetClientSize(200, 100);
    Settle();
    ASSERT_TRUE(model_.Geometry().ScrollerNeeded);
    host_.allow = false;
    model_.SetTabIndex(5);
    EXPECT_EQ(model_.TabIndex(), 0);
    EXPECT_EQ(model_.FirstShown(), 0);
    EXPECT_EQ(host_.log, Log{"query 5"});
}

TEST_F(TabModelTest, SelectingATabOutOfViewScrollsItIntoView) {
    SixTabs();
    model_.SetClientSize(200, 100);
    Settle();
    // Room 163: tabs 0-2 are in view from the start.
    EXPECT_TRUE(model_.InView(2));
    EXPECT_FALSE(model_.InView(3));
    model_.SetTabIndex(5);
    EXPECT_EQ(model_.FirstShown(), 3);
    EXPECT_TRUE(model_.InView(5));
    EXPECT_EQ(model_.ScrollOffset(), 138);
    EXPECT_EQ(model_.FinalRect(5), (TRect{92, 0, 146, 19}));
    model_.SetTabIndex(1);
    EXPECT_EQ(model_.FirstShown(), 1) << "a tab before the first shown one becomes the first";
}

TEST_F(TabModelTest, ScrollStepsMoveTheFirstShownTabAndAlwaysReport) {
    SixTabs();
    model_.SetClientSize(200, 100);
    Settle();
    EXPECT_FALSE(model_.ScrollHalfEnabled(0)) << "at the start: no scrolling back";
    EXPECT_TRUE(model_.ScrollHalfEnabled(1));
    model_.ScrollForward();
    EXPECT_EQ(model_.FirstShown(), 1);
    model_.ScrollForward();
    model_.ScrollForward();
    EXPECT_EQ(model_.FirstShown(), 3);
    EXPECT_TRUE(model_.InView(5));
    EXPECT_FALSE(model_.ScrollHalfEnabled(1));
    host_.log.clear();
    const int repaints = host_.repaints;
    model_.ScrollForward();
    EXPECT_EQ(model_.FirstShown(), 3) << "the last tab is already in view";
    EXPECT_EQ(host_.log, Log{"scrolled"});
    EXPECT_EQ(host_.repaints, repaints);
    model_.ScrollBackward();
    EXPECT_EQ(model_.FirstShown(), 2);
    // Reverse order or right tabs turn which half scrolls which way.
    EXPECT_TRUE(model_.HalfScrollsForward(1));
    model_.Props().TabOrientation = O::toRight;
    EXPECT_FALSE(model_.HalfScrollsForward(1));
    model_.Props().TabSequence = TWgTabSequence::tsReverse;
    EXPECT_TRUE(model_.HalfScrollsForward(1));
}

TEST_F(TabModelTest, SelectingARowBringsItNextToTheCardAndKeepsItThereAfterALayout) {
    SixTabs();
    model_.Props().MultiLine = true;
    model_.SetClientSize(120, 100);
    Settle();
    ASSERT_EQ(model_.RowCount(), 3);
    model_.SetTabIndex(4);  // row 2
    const std::vector<int> rows{1, 1, 2, 2, 0, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(model_.Tabs().Items(i).Row, rows[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(model_.FinalRect(4), (TRect{0, 28, 54, 47})) << "next to the card, no indent";
    EXPECT_EQ(model_.FinalRect(0), (TRect{5, 14, 59, 33})) << "one row out, indented once";

    model_.SetClientSize(120, 120);  // any new layout
    model_.EnsureLayout();
    EXPECT_EQ(model_.TabIndex(), 4);
    EXPECT_EQ(model_.Tabs().Items(4).Row, 0) << "the selected row stays next to the card";
    EXPECT_EQ(model_.Tabs().Items(0).Row, 1);
    EXPECT_EQ(model_.FinalRect(4), (TRect{0, 28, 54, 47}));
}

TEST_F(TabModelTest, HitTestPrefersTheSelectedTabWhereTabsOverlap) {
    SetTabs({"One", "Two", "Three"});
    Settle();
    // Tabs 0 (0-47) and 1 (39-86) overlap at x = 42.
    EXPECT_EQ(model_.HitTest({42, 10}, {}), 0);
    model_.SetTabIndex(1);
    EXPECT_EQ(model_.HitTest({42, 10}, {}), 1);
    EXPECT_EQ(model_.HitTest({100, 10}, {}), 2);
    EXPECT_EQ(model_.HitTest({100, 30}, {}), -1) << "on the card";
    EXPECT_EQ(model_.HitTest({42, 10}, [](int i, TPoint) { return i == 0; }), 0)
        << "the shape decides inside the rectangle";
}

TEST_F(TabModelTest, KeysStepAndWrapOverSelectableTabs) {
    SetTabs({"One", "Two", "Three", "Four"});
    model_.Tabs().Items(0).Enabled = false;
    model_.Tabs().Items(2).Visible = false;
    Settle();
    EXPECT_EQ(model_.TabIndex(), 1);
    model_.SetTabIndex(3);
    EXPECT_EQ(model_.TargetOfKey(Key::Right), 1) << "right on the last tab wraps to the first";
    EXPECT_EQ(model_.TargetOfKey(Key::Left), 1);
    EXPECT_EQ(model_.TargetOfKey(Key::Home), 1);
    EXPECT_EQ(model_.TargetOfKey(Key::End), 3);
    model_.Tabs().Items(1).Enabled = false;
    EXPECT_EQ(model_.TargetOfKey(Key::Right), -1) << "back at the current tab: nothing";
}

TEST_F(TabModelTest, KeyRolesTurnWithTheEdgeAndTheSequence) {
    TWgTabLayoutProps props;
    EXPECT_EQ(TabKeyAction(props, Key::Right), Act::Forward);
    EXPECT_EQ(TabKeyAction(props, Key::Down), Act::Forward);
    EXPECT_EQ(TabKeyAction(props, Key::Up), Act::Backward);
    EXPECT_EQ(TabKeyAction(props, Key::Home), Act::First);
    props.TabOrientation = O::toLeft;
    EXPECT_EQ(TabKeyAction(props, Key::Up), Act::Forward);
    EXPECT_EQ(TabKeyAction(props, Key::Left), Act::Forward);
    EXPECT_EQ(TabKeyAction(props, Key::Down), Act::Backward);
    EXPECT_EQ(TabKeyAction(props, Key::Home), Act::Last);
    props.TabSequence = TWgTabSequence::tsReverse;
    EXPECT_EQ(TabKeyAction(props, Key::Up), Act::Backward);
    EXPECT_EQ(TabKeyAction(props, Key::Home), Act::First);
    props.TabOrientation = O::toRight;
    EXPECT_EQ(TabKeyAction(props, Key::Right), Act::Backward);
    EXPECT_EQ(TabKeyAction(props, Key::End), Act::First);
}

TEST_F(TabModelTest, OuterRowsArePaintedFirstAndTheSelectedTabAndFrontCardLast) {
    SixTabs();
    model_.Props().MultiLine = true;
    model_.SetClientSize(120, 100);
    Settle();
    using Step = TWgPaintStep;
    EXPECT_EQ(model_.PaintOrder(), (std::vector<Step>{{false, 5},
                                                      {false, 4},
                                                      {true, 2},
                                                      {false, 3},
                                                      {false, 2},
                                                      {true, 1},
                                                      {false, 1},
                                                      {false, 0},
                                                      {true, 0}}));
}

TEST_F(TabModelTest, WhileLoadingTheIndexIsOnlyStored) {
    SetTabs({"One", "Two"});
    host_.onlyStored = true;
    model_.SetTabIndex(7);
    EXPECT_EQ(model_.TabIndex(), 7);
    EXPECT_TRUE(host_.log.empty());
    EXPECT_TRUE(model_.LayoutDirty()) << "no layout while loading";
}

TEST(WgTabsDragTest, DragOutsideScrollsTowardsTheCursor) {
    TWgTabLayoutProps props;
    const TSize client{200, 100};
    EXPECT_EQ(DragScrollDirection(props, {250, 10}, client), 1);
    EXPECT_EQ(DragScrollDirection(props, {-5, 10}, client), -1);
    EXPECT_EQ(DragScrollDirection(props, {50, 10}, client), 0);
    props.TabOrientation = O::toLeft;
    EXPECT_EQ(DragScrollDirection(props, {10, -3}, client), 1) << "above the top is forward";
    EXPECT_EQ(DragScrollDirection(props, {10, 150}, client), -1);
    props.TabOrientation = O::toRight;
    EXPECT_EQ(DragScrollDirection(props, {10, 150}, client), 1);
    props.TabSequence = TWgTabSequence::tsReverse;
    EXPECT_EQ(DragScrollDirection(props, {10, 150}, client), -1);
}

}  // namespace
}  // namespace vx
