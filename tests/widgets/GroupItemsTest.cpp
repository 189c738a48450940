// Group items: the list, the selection within a group and across the groups
// of a bar, binding to actions, and what a click runs.
#include <gtest/gtest.h>

#include <stdexcept>

#include "GroupFakes.h"
#include "widgets/WgAction.h"
#include "widgets/WgGroupItemActionLink.h"

namespace vx {
namespace {

using test::FakeBar;
using test::FakeGroup;

TEST(GroupItems, ListIndexesAndChanges) {
    FakeBar bar(160, 400);
    FakeGroup group;
    group.SetBar(&bar);
    TWgGroupItem& a = group.Add("A");
    group.Add("B");
    EXPECT_EQ(a.DisabledIndex(), -1);
    EXPECT_EQ(a.ImageIndex(), -1);
    EXPECT_EQ(a.FontColor(), clNone);
    EXPECT_TRUE(a.Enabled() && a.Visible());
    EXPECT_FALSE(a.Selected());
    EXPECT_EQ(group.Items().Items(1).Index(), 1);
    try {
        group.Items().Items(2);
        FAIL() << "no error";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (2)");
    }
    EXPECT_EQ(group.Items()[1].DisplayName(), "B");
    EXPECT_EQ(group.Items().Add().DisplayName(), "TWgGroupItem");

    // A caption that wraps moves what follows: the bar lays out again. A
    // colour of one item only repaints.
    const int height = group.GroupBounds().Height();
    a.SetCaption(std::string(40, 'x'));
    EXPECT_GT(group.GroupBounds().Height(), height);
    const int repaints = group.repaints;
    const TRect before = group.GroupBounds();
    a.SetFontColor(clRed);
    a.SetEnabled(false);
    EXPECT_EQ(group.repaints, repaints + 2);
    EXPECT_EQ(group.GroupBounds(), before);
}

TEST(GroupItems, RemovingItemsMovesTheSelectedIndex) {
    FakeGroup group;
    for (const char* c : {"A", "B", "C", "D"})
        group.Add(c);
    group.SetSelectedIndex(2);
    EXPECT_EQ(group.SelectedItem()->Caption(), "C");
    group.Items().Delete(0);
    EXPECT_EQ(group.SelectedIndex(), 1) << "an item before it goes: one down";
    group.Items().Delete(2);
    EXPECT_EQ(group.SelectedIndex(), 1) << "an item after it goes: unchanged";
    group.Items().Delete(1);
    EXPECT_EQ(group.SelectedIndex(), -1) << "the selected item goes";
    EXPECT_EQ(group.SelectedItem(), nullptr);
}

TEST(GroupItems, OneSelectedItemPerGroup) {
    FakeGroup group;
    TWgGroupItem& a = group.Add("A");
    TWgGroupItem& b = group.Add("B");
    a.SetSelected(true);
    b.SetSelected(true);
    EXPECT_FALSE(a.Selected());
    EXPECT_EQ(group.SelectedIndex(), 1);
    group.SetSelectedIndex(7);  // ignored
    EXPECT_EQ(group.SelectedIndex(), 1);
    group.SetSelectedIndex(-1);
    EXPECT_FALSE(b.Selected());
    EXPECT_EQ(group.SelectedIndex(), -1);
}

TEST(GroupItems, ClearingAnotherItemKeepsTheShownSelection) {
    FakeGroup group;
    group.SetShowItemSelection(true);
    TWgGroupItem& a = group.Add("A");
    TWgGroupItem& b = group.Add("B");
    b.SetSelected(true);
    a.SetSelected(false);
    EXPECT_EQ(group.SelectedIndex(), 1) << "B is still shown selected";
    EXPECT_EQ(group.SelectedItem(), &b);
    b.SetSelected(false);
    EXPECT_EQ(group.SelectedIndex(), -1);
}

TEST(GroupItems, UniqueSelectionAcrossTheGroupsOfABar) {
    FakeBar bar;
    FakeGroup g1, g2, quiet;
    for (FakeGroup* g : {&g1, &g2, &quiet}) {
        g->SetBar(&bar);
        g->Add("one");
        g->Add("two");
    }
    g1.SetShowItemSelection(true);
    g2.SetShowItemSelection(true);
    g2.Items()[1].SetSelected(true);
    quiet.Items()[0].SetSelected(true);

    // Without unique selection each group keeps its own.
    g1.Items()[0].SetSelected(true);
    EXPECT_TRUE(g2.Items()[1].Selected());

    bar.SetUniqueItemSelection(true);
    EXPECT_EQ(g1.SelectedIndex(), -1) << "turning it on clears every group";
    EXPECT_FALSE(g2.Items()[1].Selected());
    g2.Items()[1].SetSelected(true);
    quiet.Items()[1].SetSelected(true);
    g1.Items()[0].SetSelected(true);
    EXPECT_FALSE(g2.Items()[1].Selected());
    EXPECT_EQ(g2.SelectedIndex(), -1);
    EXPECT_TRUE(quiet.Items()[1].Selected()) << "a group that shows no selection keeps it";
    EXPECT_EQ(g1.SelectedIndex(), 0);

    // The notice reaches the groups of every bar beside this one.
    FakeBar other;
    FakeGroup g3;
    g3.SetBar(&other);
    g3.SetShowItemSelection(true);
    g3.Add("three").SetSelected(true);
    bar.siblings = {&bar, &other};
    g1.Items()[1].SetSelected(true);
    EXPECT_FALSE(g3.Items()[0].Selected());
}

TEST(GroupItems, ActionValuesAndCheckDefaults) {
    FakeGroup group;
    TWgAction action;
    action.SetCaption("Open");
    action.SetHint("Opens");
    action.SetImageIndex(3);
    action.SetEnabled(false);
    TWgNotifyEvent run([](TWgObject&) {});
    action.SetOnExecute(run);

    TWgGroupItem& plain = group.Add("", false);
    plain.SetAction(&action);
    EXPECT_EQ(plain.Caption(), "Open");
    EXPECT_EQ(plain.Hint(), "Opens");
    EXPECT_EQ(plain.ImageIndex(), 3);
    EXPECT_FALSE(plain.Enabled());
    EXPECT_TRUE(plain.OnClick() == run);
    EXPECT_EQ(group.ActionCount(), 1);

    // While the action is still loading, what the user set stays.
    action.SetLoading(true);
    TWgGroupItem& own = group.Add("Mine", false);
    own.SetHint("my hint");
    own.SetImageIndex(5);
    own.SetAction(&action);
    EXPECT_EQ(own.Caption(), "Mine");
    EXPECT_EQ(own.Hint(), "my hint");
    EXPECT_EQ(own.ImageIndex(), 5);
    EXPECT_FALSE(own.Enabled()) << "enabled is kept only when it is off";
    // A caption never set through the setter is not the user's.
    TWgGroupItem& fresh = group.Items().Add();
    fresh.SetAction(&action);
    EXPECT_EQ(fresh.Caption(), "Open");

    // A change of the action applies it again, check defaults off.
    action.SetLoading(false);
    action.SetCaption("Close");
    EXPECT_EQ(own.Caption(), "Close");
    EXPECT_EQ(own.Hint(), "Opens");

    // An action that goes away leaves its items.
    {
        TWgAction brief;
        own.SetAction(&brief);
        EXPECT_EQ(group.ActionCount(), 3);
    }
    EXPECT_EQ(own.Action(), nullptr);
    EXPECT_EQ(group.ActionCount(), 2);
}

TEST(GroupItems, CheckedFollowsOnlyInAGroupShowingSelection) {
    FakeGroup group;
    TWgAction action;
    TWgGroupItem& item = group.Add("A", false);
    item.SetAction(&action);
    TWgGroupItemActionLink& link = *item.ActionLink();
    EXPECT_FALSE(link.IsCheckedLinked());
    link.SetChecked(true);
    EXPECT_FALSE(item.Selected());
    group.SetShowItemSelection(true);
    EXPECT_TRUE(link.IsCheckedLinked());
    action.SetChecked(true);
    EXPECT_TRUE(item.Selected());
    EXPECT_EQ(group.SelectedIndex(), 0);
    // Out of step with the action: the hint no longer follows.
    item.SetHint("own");
    EXPECT_FALSE(link.IsHintLinked());
    link.SetHint("theirs");
    EXPECT_EQ(item.Hint(), "own");
}

TEST(GroupItems, ShownHintCarriesTheShortcut) {
    FakeGroup group;
    TWgAction action;
    action.SetHint("Find a device|Looks through the program");
    action.SetShortCut("Ctrl+F");
    TWgGroupItem& item = group.Add("Find", false);
    item.SetAction(&action);
    item.SetMouseState(TWgMouseState::msHot);
    item.SetTextRect({8, 30, 40, 43});
    EXPECT_EQ(group.HintAt().text, "Find a device (Ctrl+F)");
    EXPECT_EQ(group.HintAt().area, (TRect{8, 30, 40, 43}));

    TWgAction::SetHintShortCuts(false);
    EXPECT_EQ(group.HintAt().text, "Find a device");
    TWgAction::SetHintShortCuts(true);
    action.OnHint = [](std::string&, bool& canShow) { canShow = false; };
    EXPECT_EQ(group.HintAt().text, "Find a device");
    action.OnHint = nullptr;
    item.SetHint("");
    EXPECT_EQ(group.HintAt().text, "") << "an empty hint gets no shortcut";
}

TEST(GroupItems, ClickRunsTheHandlerOrTheAction) {
    FakeGroup group;
    std::vector<std::string> calls;
    TWgAction action;
    TWgObject* component = nullptr;
    action.SetOnExecute(TWgNotifyEvent([&](TWgObject& sender) {
        calls.push_back(&sender == &action ? "action" : "?");
        component = action.ActionComponent();
    }));
    TWgGroupItem& item = group.Add("A", false);
    item.SetAction(&action);
    item.Click();
    EXPECT_EQ(calls, std::vector<std::string>{"action"});
    EXPECT_EQ(component, &group) << "the group executes the action";

    // A handler of its own runs instead, with the item as sender.
    item.SetOnClick(TWgNotifyEvent(
        [&](TWgObject& sender) { calls.push_back(&sender == &item ? "item" : "?"); }));
    item.Click();
    EXPECT_EQ(calls.back(), "item");

    item.SetAction(nullptr);
    item.Click();
    EXPECT_EQ(calls, (std::vector<std::string>{"action", "item", "item"}));
    TWgGroupItem& idle = group.Add("B", false);
    idle.Click();  // nothing to run
    EXPECT_EQ(calls.size(), 3u);
}

TEST(GroupItems, AssignCopiesAllButIndentSelectionAndTag) {
    FakeGroup group;
    TWgGroupItem& source = group.Add("Src");
    source.SetDisabledIndex(4);
    source.SetFontColor(clRed);
    source.SetFontStyle({true, false, true, false});
    source.SetHint("h");
    source.SetImageIndex(2);
    source.SetVisible(false);
    source.SetIndentLevel(3);
    source.SetTag(9);
    source.SetSelected(true);
    TWgGroupItem& copy = group.Add("", false);
    copy.Assign(source);
    EXPECT_EQ(copy.Caption(), "Src");
    EXPECT_EQ(copy.DisabledIndex(), 4);
    EXPECT_EQ(copy.FontColor(), clRed);
    EXPECT_EQ(copy.FontStyle(), (TWgFontStyles{true, false, true, false}));
    EXPECT_EQ(copy.ImageIndex(), 2);
    EXPECT_FALSE(copy.Visible());
    EXPECT_TRUE(copy.OnClick() == source.OnClick());
    EXPECT_EQ(copy.IndentLevel(), 0);
    EXPECT_EQ(copy.Tag(), 0);
    EXPECT_FALSE(copy.Selected());

    TWgAction action;
    source.AssignTo(action);
    EXPECT_EQ(action.Caption(), "Src");
    EXPECT_FALSE(action.Visible());
    EXPECT_TRUE(action.OnExecute() == source.OnClick());
}

}  // namespace
}  // namespace vx
