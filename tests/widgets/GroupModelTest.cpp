// A group panel's behaviour without a window: opening and closing in each
// look, what a look resets, the mouse on caption and items, selection and
// clicks, the Outlook look's scrolling, cursor and hints.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GroupFakes.h"

namespace vx {
namespace {

using test::FakeBar;
using test::FakeGroup;

constexpr auto kLeft = TWgMouseButton::mbLeft;
constexpr auto kRight = TWgMouseButton::mbRight;

struct Events {
    std::vector<std::string> log;
    void Watch(FakeGroup& g, const std::string& name) {
        g.OnOpen = [this, name](TWgGroupModel&) { log.push_back("open " + name); };
        g.OnClose = [this, name](TWgGroupModel&) { log.push_back("close " + name); };
        g.OnCanClose = [this, name](TWgGroupModel&, bool&) { log.push_back("can close " + name); };
        g.OnCanOpen = [this, name](TWgGroupModel&, bool&) { log.push_back("can open " + name); };
    }
};

TEST(GroupModel, OpenAndCloseInTheCategoryView) {
    FakeGroup loose;
    loose.SetOpened(false);
    EXPECT_FALSE(loose.Opened()) << "without a bar the value is only kept";

    Events events;
    FakeBar bar;
    FakeGroup g;
    g.Add("A");
    g.SetBar(&bar);
    events.Watch(g, "g");
    const int openHeight = g.GroupBounds().Height();
    g.SetOpened(false);
    EXPECT_FALSE(g.Opened());
    EXPECT_EQ(g.GroupBounds().Height(), 20) << "closed: the caption";
    g.ToggleOpen();
    EXPECT_EQ(g.GroupBounds().Height(), openHeight);
    EXPECT_EQ(events.log,
              (std::vector<std::string>{"can close g", "close g", "can open g", "open g"}));

    g.OnCanClose = [](TWgGroupModel&, bool& allow) { allow = false; };
    g.SetOpened(false);
    EXPECT_TRUE(g.Opened()) << "refused";
    g.OnCanClose = nullptr;

    // Without CanClose it neither closes nor opens; turning it off opens.
    g.SetOpened(false);
    g.SetCanClose(false);
    EXPECT_TRUE(g.Opened());
    EXPECT_FALSE(g.CanClose());
    g.SetOpened(false);
    EXPECT_TRUE(g.Opened());
}

TEST(GroupModel, TaskListGroupsStayOpen) {
    FakeBar bar;
    bar.SetStyle(TWgGroupBarStyle::gbsTaskList);
    FakeGroup g;
    g.SetBar(&bar);
    EXPECT_FALSE(g.CanClose());
    EXPECT_TRUE(g.DividerVisible());
    g.SetOpened(false);
    EXPECT_TRUE(g.Opened());
    g.SetCanClose(true);
    EXPECT_FALSE(g.CanClose()) << "only in the category view";
}

TEST(GroupModel, OutlookOpensOneGroupAtATime) {
    Events events;  // outlives the groups, which open one another as they go
    FakeBar bar;
    bar.SetStyle(TWgGroupBarStyle::gbsOutlook);
    FakeGroup a, b, c;
    for (auto [g, name] : {std::pair{&a, "a"}, {&b, "b"}, {&c, "c"}}) {
        g->SetBar(&bar);
        events.Watch(*g, name);
    }
    EXPECT_TRUE(a.Opened());
    EXPECT_FALSE(b.Opened());
    EXPECT_FALSE(c.Opened());
    a.SetOpened(false);
    EXPECT_TRUE(a.Opened()) << "closing has no effect";
    events.log.clear();
    b.SetOpened(true);
    EXPECT_EQ(events.log, (std::vector<std::string>{"can open b", "close a", "close c", "open b"}));
    EXPECT_FALSE(a.Opened());
    EXPECT_TRUE(b.Opened());
}

TEST(GroupModel, ALookResetsColoursDividersAndOpening) {
    FakeBar bar;
    FakeGroup g, second;
    g.SetBar(&bar);
    second.SetBar(&bar);
    EXPECT_EQ(g.GroupColor(), clBtnFace);
    EXPECT_EQ(g.CaptionColor(), clHighlightText);
    g.SetCaptionColor(clRed);
    EXPECT_FALSE(g.CaptionColorDefault());

    bar.SetStyle(TWgGroupBarStyle::gbsTaskList);
    EXPECT_EQ(g.GroupColor(), clWindow) << "the bar's colour";
    EXPECT_TRUE(g.GroupParentColor());
    EXPECT_EQ(g.CaptionColor(), clRed) << "a chosen caption colour stays";
    EXPECT_EQ(second.CaptionColor(), clWindow);

    bar.SetStyle(TWgGroupBarStyle::gbsOutlook);
    EXPECT_EQ(g.GroupColor(), clBtnShadow);
    EXPECT_FALSE(g.GroupParentColor());
    EXPECT_TRUE(g.CanClose());
    EXPECT_TRUE(g.Opened());
    EXPECT_FALSE(second.Opened()) << "only the first group starts open";

    bar.SetStyle(TWgGroupBarStyle::gbsCategoryView);
    EXPECT_TRUE(second.Opened()) << "back from Outlook: opened";
    EXPECT_EQ(second.OpenedHeight(), 50);
    EXPECT_FALSE(g.DividerVisible());
    EXPECT_EQ(g.DividerColor(), clHighlight);
    g.SetCaptionColorDefault(true);
    EXPECT_EQ(g.CaptionColor(), clHighlightText);
    EXPECT_TRUE(g.CaptionColorDefault());

    // A colour of its own stays through a change of look.
    g.SetColorDefault(false);
    bar.SetStyle(TWgGroupBarStyle::gbsOutlook);
    EXPECT_EQ(g.GroupColor(), clBtnFace);
    g.SetColorDefault(true);
    EXPECT_EQ(g.GroupColor(), clBtnShadow);

    g.SetCaptionHeight(10);
    EXPECT_EQ(g.CaptionHeight(), 16);
}

TEST(GroupModel, PressingAnItemSelectsItAndReleasingClicks) {
    FakeBar bar;
    FakeGroup g;
    g.SetBar(&bar);
    g.SetShowItemSelection(true);  // and IgnoreSelectedItemClick, as it starts
    g.Add("M0000-M0299");
    g.Add("M0300-M0599");
    g.Add("static", false);

    g.Click(1);
    EXPECT_EQ(g.clicks, std::vector<std::string>{"M0300-M0599"});
    EXPECT_TRUE(g.Items()[1].Selected());
    EXPECT_EQ(g.SelectedIndex(), 1);
    EXPECT_EQ(g.Items()[1].MouseState(), TWgMouseState::msHot);

    g.Click(1);
    EXPECT_EQ(g.clicks.size(), 1u) << "the selected item is not clicked again";
    g.Click(0);
    EXPECT_EQ(g.clicks.back(), "M0000-M0299");
    EXPECT_FALSE(g.Items()[1].Selected());

    // A press on an item that cannot be clicked moves the index only.
    g.Click(2);
    EXPECT_EQ(g.SelectedIndex(), 2);
    EXPECT_TRUE(g.Items()[0].Selected());
    EXPECT_EQ(g.clicks.size(), 2u);

    // Released elsewhere: no click, but selected.
    g.MouseDown(kLeft, g.At(1));
    g.MouseUp(kLeft, {2, 100});
    EXPECT_EQ(g.clicks.size(), 2u);
    EXPECT_TRUE(g.Items()[1].Selected());

    // Without shown selection a press still selects, and clicks always run.
    g.SetShowItemSelection(false);
    g.Click(1);
    g.Click(1);
    EXPECT_EQ(g.clicks.size(), 4u);
    EXPECT_TRUE(g.Items()[1].Selected());

    // A disabled group takes no presses.
    g.SetGroupEnabled(false);
    g.Click(0);
    EXPECT_EQ(g.clicks.size(), 4u);
}

TEST(GroupModel, CaptionAndItemsTrackTheMouse) {
    FakeBar bar;
    FakeGroup g;
    g.SetBar(&bar);
    g.Add("One");
    TWgGroupItem& two = g.Add("Two");
    std::vector<TWgGroupItem*> over;
    g.OnMouseOverItem = [&](TWgGroupModel&, TWgGroupItem* item) { over.push_back(item); };

    g.MouseMove({30, 5});
    EXPECT_EQ(g.CaptionState(), TWgMouseState::msHot);
    EXPECT_TRUE(g.HintAt().groupHint);
    EXPECT_TRUE(over.empty()) << "over the caption items are not tracked";

    g.MouseMove(g.At(1));
    EXPECT_EQ(g.CaptionState(), TWgMouseState::msNormal);
    EXPECT_EQ(two.MouseState(), TWgMouseState::msHot);
    EXPECT_EQ(g.ItemUnderMouse(), &two);
    g.MouseDown(kLeft, g.At(1));
    EXPECT_EQ(two.MouseState(), TWgMouseState::msPressed);
    g.MouseMove({2, 150});
    EXPECT_EQ(two.MouseState(), TWgMouseState::msNormal);
    g.MouseMove(g.At(1));
    EXPECT_EQ(two.MouseState(), TWgMouseState::msPressed) << "back over it, still held";
    g.MouseUp(kLeft, g.At(1));
    g.PointerLeave();
    EXPECT_EQ(two.MouseState(), TWgMouseState::msNormal);
    EXPECT_EQ(g.ItemUnderMouse(), nullptr);
    EXPECT_EQ(over.back(), nullptr);
    EXPECT_FALSE(g.HintAt().show);

    // The caption: pressed while held inside, opens and closes on release inside.
    g.MouseDown(kLeft, {30, 5});
    EXPECT_EQ(g.CaptionState(), TWgMouseState::msPressed);
    EXPECT_EQ(g.focusBar, 1);
    g.MouseMove({30, 60});
    EXPECT_EQ(g.CaptionState(), TWgMouseState::msNormal);
    g.MouseUp(kLeft, {30, 60});
    EXPECT_TRUE(g.Opened());
    g.MouseDown(kLeft, {30, 5});
    g.MouseUp(kLeft, {30, 5});
    EXPECT_FALSE(g.Opened());
    EXPECT_EQ(g.CaptionState(), TWgMouseState::msHot);
}

TEST(GroupModel, RightClickOnAnItemOpensItsPopup) {
    FakeBar bar;
    FakeGroup g;
    g.SetBar(&bar);
    g.Add("One");
    TWgGroupItem& two = g.Add("Two", false);
    std::vector<TWgGroupItem*> asked;
    g.OnItemPopupMenu = [&](TWgGroupModel&, TWgGroupItem* item) { asked.push_back(item); };
    const TPoint at = g.At(1);
    EXPECT_TRUE(g.ItemContextPopup(at));
    EXPECT_FALSE(g.ItemContextPopup({140, 150}));
    g.MouseDown(kRight, at);
    g.MouseUp(kRight, at);
    EXPECT_EQ(asked, std::vector<TWgGroupItem*>{&two});
    EXPECT_EQ(g.PopupItem(), nullptr) << "no item popup menu";
    g.popupMenu = true;
    g.MouseDown(kRight, at);
    g.MouseUp(kRight, at);
    EXPECT_EQ(g.PopupItem(), &two);
    EXPECT_EQ(g.popups, std::vector<TPoint>{at});
    EXPECT_TRUE(g.clicks.empty());
}

TEST(GroupModel, CursorOverCaptionAndItems) {
    FakeBar bar;
    FakeGroup g;
    g.SetBar(&bar);
    g.Add("Click");
    TWgAction action;
    action.SetCaption("Act");
    TWgGroupItem& acting = g.Add("", false);
    acting.SetAction(&action);
    g.LayoutItems();
    EXPECT_EQ(g.CursorAt({5, 5}), TWgGroupCursor::Hand);
    EXPECT_EQ(g.CursorAt(g.At(0)), TWgGroupCursor::Hand);
    EXPECT_EQ(g.CursorAt(g.At(1)), TWgGroupCursor::Default)
        << "an action alone: clickable, no hand";
    EXPECT_EQ(g.CursorAt({140, 40}), TWgGroupCursor::Default);
    g.MouseDown(kLeft, g.At(1));
    EXPECT_EQ(acting.MouseState(), TWgMouseState::msPressed) << "but clickable";
    g.SetCanClose(false);
    EXPECT_EQ(g.CursorAt({5, 5}), TWgGroupCursor::Default);
}

TEST(GroupModel, OutlookScrollsItsItems) {
    FakeBar bar(160, 200);
    bar.SetStyle(TWgGroupBarStyle::gbsOutlook);
    FakeGroup g, other;
    g.SetBar(&bar);
    other.SetBar(&bar);
    for (int i = 0; i < 10; ++i)
        g.Add("Item " + std::to_string(i));
    // 200 less the other caption: 180 high; the items need 24 + 9 x 20 + 23.
    ASSERT_EQ(g.GroupBounds().Height(), 180);
    EXPECT_FALSE(g.UpButtonVisible());
    EXPECT_TRUE(g.DownButtonVisible());
    EXPECT_EQ(g.UpButtonRect(), Bounds(160 - 21, 24, 17, 17));
    EXPECT_EQ(g.DownButtonRect(), Bounds(160 - 21, 180 - 21, 17, 17));
    EXPECT_EQ(g.RowsThatFit(), 180 / (227 / 10));

    // Clicking an item below the rows that fit scrolls it into view.
    g.Click(8);
    EXPECT_EQ(g.TopIndex(), 1);
    EXPECT_TRUE(g.UpButtonVisible());
    g.ScrollDownClick();
    EXPECT_EQ(g.TopIndex(), 2);
    g.ScrollUpClick();
    g.ScrollUpClick();
    g.ScrollUpClick();
    EXPECT_EQ(g.TopIndex(), 0);
    EXPECT_FALSE(g.UpButtonVisible());

    // Closed groups show no buttons; other looks keep the top index at 0.
    EXPECT_FALSE(other.DownButtonVisible());
    g.SetTopIndex(3);
    bar.SetStyle(TWgGroupBarStyle::gbsCategoryView);
    EXPECT_EQ(g.TopIndex(), 0);
    g.SetTopIndex(3);
    EXPECT_EQ(g.TopIndex(), 0);
}

TEST(GroupModel, RowsThatFitNeverDividesByZero) {
    FakeBar bar(160, 200);
    bar.SetStyle(TWgGroupBarStyle::gbsOutlook);
    FakeGroup g;
    g.SetBar(&bar);
    EXPECT_EQ(g.RowsThatFit(), 0) << "no items";
    // Scrolled to the end of a long list the rows left need less height
    // than there are items.
    for (int i = 0; i < 100; ++i)
        g.Add("Item " + std::to_string(i));
    g.SetTopIndex(99);
    EXPECT_GT(g.RowsThatFit(), 0);
    g.Click(99);
    EXPECT_EQ(g.clicks, std::vector<std::string>{"Item 99"});
    EXPECT_EQ(g.TopIndex(), 99);
}

TEST(GroupModel, DraggingOverTracksItems) {
    FakeBar bar;
    FakeGroup g;
    g.SetBar(&bar);
    TWgGroupItem& one = g.Add("One");
    g.LayoutItems();
    g.DragOver(g.At(0), false);
    EXPECT_EQ(one.MouseState(), TWgMouseState::msNormal) << "not accepted";
    g.DragOver(g.At(0), true);
    EXPECT_EQ(one.MouseState(), TWgMouseState::msHot);
    one.SetPressed(true);
    g.EndDrag();
    EXPECT_EQ(one.MouseState(), TWgMouseState::msNormal);
    EXPECT_FALSE(one.Pressed());
}

}  // namespace
}  // namespace vx
