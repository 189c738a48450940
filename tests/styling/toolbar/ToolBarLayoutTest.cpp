#include "styling/toolbar/ToolBarLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "DockFakes.h"

#include "styling/toolbar/ControlSet.h"
#include "styling/toolbar/ToolBarPriority.h"

namespace vx {
namespace {

using FakeControl = test::FakeBarControl;

struct FakeToolBar : TToolBarLayout {
    TRect bounds = Bounds(0, 0, 60, 26);
    TSizeConstraints constraints{60, 60, 0, 0};
    int room = INT_MAX;  // the longest its row lets it be
    std::vector<std::unique_ptr<FakeControl>> controls;

    TRect BarBounds() const override { return bounds; }
    void ResizeBar(int w, int h) override {
        bounds = Bounds(bounds.left, bounds.top,
                        std::min(Constrain(w, constraints.minWidth, constraints.maxWidth), room),
                        Constrain(h, constraints.minHeight, constraints.maxHeight));
    }
    TSizeConstraints BarConstraints() const override { return constraints; }
    void SetBarConstraints(const TSizeConstraints& c) override { constraints = c; }
    bool BarLoading() const override { return false; }

    FakeControl& Add(int width, TBarControlKind kind = TBarControlKind::bcButton) {
        controls.push_back(std::make_unique<FakeControl>(
            width, kind == TBarControlKind::bcSeparator ? 6 : 24, kind));
        controls.back()->MoveControl(1000 + static_cast<int>(controls.size()), 0);
        return *controls.back();
    }
    void Load() {
        std::vector<IBarControl*> children;
        for (auto& c : controls)
            children.push_back(c.get());
        BuildItemList(children);
        Arrange(true);
    }
    // The docked bar given a new length by its row.
    void SetLength(int width) {
        ResizeBar(width, bounds.Height());
        Fit();
    }
    std::vector<int> Lefts() const {
        std::vector<int> lefts;
        for (auto& c : controls)
            lefts.push_back(c->bounds.left);
        return lefts;
    }
    using TToolBarLayout::StoreCaptionHeight;
    using TToolBarLayout::StoreFloatingRows;
    using TToolBarLayout::StoreFullSize;
    using TToolBarLayout::StoreShowRightHandle;
};

TEST(ToolBarLayoutTest, ThreeButtonsAndAnEmptyBar) {
    FakeToolBar bar;
    for (int i = 0; i < 3; ++i)
        bar.Add(24);
    bar.Load();
    EXPECT_EQ(bar.Lefts(), (std::vector<int>{9, 33, 57}));
    EXPECT_EQ(bar.controls[1]->bounds.top, 2);
    EXPECT_EQ(bar.bounds, Bounds(0, 0, 95, 28));
    EXPECT_EQ(bar.constraints, (TSizeConstraints{60, 95, 0, 0}));
    EXPECT_EQ(bar.GripHitRect(), (TRect{0, 0, 7, 28}));
    EXPECT_EQ(bar.RightHandleHitRect(), (TRect{81, 0, 95, 28}));
    EXPECT_EQ(bar.RightHandlePaintRect(true), (TRect{81, 0, 96, 29}));
    EXPECT_EQ(bar.RightHandlePaintRect(false), (TRect{80, 1, 94, 27}));

    FakeToolBar empty;
    empty.Load();
    EXPECT_EQ(empty.bounds, Bounds(0, 0, 60, 26));
}

TEST(ToolBarLayoutTest, NoGripNoRightHandle) {
    FakeToolBar bar;
    bar.SetGripStyled(false);
    bar.StoreShowRightHandle(false);
    bar.Add(24);
    bar.Load();
    EXPECT_EQ(bar.Lefts(), (std::vector<int>{2}));
    EXPECT_TRUE(bar.GripHitRect().IsEmpty());
    EXPECT_EQ(bar.RightHandleWidth(), 4);
    EXPECT_TRUE(bar.RightHandleHitRect().IsEmpty());
    EXPECT_EQ(bar.bounds.Width(), 30);  // 2 + 24 + 4, and the minimum no more than that
    EXPECT_EQ(bar.constraints.minWidth, 30);
}

TEST(ToolBarLayoutTest, OverflowFromTheEndAndBackLastHiddenFirst) {
    FakeToolBar bar;
    for (int i = 0; i < 5; ++i)
        bar.Add(24);
    bar.Load();
    ASSERT_EQ(bar.bounds.Width(), 9 + 5 * 24 + 14);  // 143
    bar.SetLength(100);
    // 100 - 14 = 86 holds 9 + 3 * 24 = 81: the last two went.
    ASSERT_EQ(bar.Overflow().Count(), 2);
    EXPECT_EQ(bar.Overflow()[0], bar.controls[4].get());
    EXPECT_EQ(bar.Overflow()[1], bar.controls[3].get());
    EXPECT_EQ(bar.controls[4]->bounds.top, 28 + 2);  // parked beyond the bar
    EXPECT_EQ(bar.HiddenLength(), 43);
    bar.SetLength(120);  // room for one: the last hidden comes back
    ASSERT_EQ(bar.Overflow().Count(), 1);
    EXPECT_EQ(bar.Overflow()[0], bar.controls[4].get());
    EXPECT_EQ(bar.controls[3]->bounds, Bounds(81, 2, 24, 24));
    bar.SetLength(143);
    EXPECT_TRUE(bar.Overflow().Empty());
    bar.StoreFullSize(true);
    bar.SetLength(50);
    EXPECT_TRUE(bar.Overflow().Empty());
}

TEST(ToolBarLayoutTest, AControlAloneBetweenSeparatorsTakesOneAlong) {
    FakeToolBar bar;
    bar.Add(24);
    FakeControl& first = bar.Add(6, TBarControlKind::bcSeparator);
    FakeControl& lone = bar.Add(24);
    FakeControl& second = bar.Add(6, TBarControlKind::bcSeparator);
    FakeControl& tail = bar.Add(24);
    bar.Load();
    ASSERT_EQ(bar.bounds.Width(), 9 + 24 + 6 + 24 + 6 + 24 + 14);
    bar.SetLength(9 + 24 + 6 + 14 + 10);  // only the first button fits
    EXPECT_TRUE(bar.InOverflow(&tail));
    EXPECT_TRUE(bar.InOverflow(&lone));
    EXPECT_TRUE(bar.InOverflow(&first));
    EXPECT_TRUE(bar.InOverflow(&second));
    bar.SetLength(9 + 24 + 6 + 24 + 6 + 14);  // the lone one and its separator
    EXPECT_FALSE(bar.InOverflow(&lone));
    EXPECT_FALSE(bar.InOverflow(&first));
    EXPECT_TRUE(bar.InOverflow(&tail));
}

TEST(ToolBarLayoutTest, FloatingRowsAndCaptionRectangles) {
    FakeToolBar bar;
    for (int i = 0; i < 4; ++i)
        bar.Add(24);
    bar.SetState(TToolBarState::tsFloating);
    bar.Load();
    EXPECT_EQ(bar.bounds, Bounds(0, 0, 2 + 4 * 24 + 2, 28 + 16));
    EXPECT_EQ(bar.constraints, TSizeConstraints{});
    EXPECT_EQ(bar.CloseButtonRect(), (TRect{100 - 17, 1, 99, 15}));
    EXPECT_EQ(bar.OptionButtonRect(), (TRect{83 - 18, 1, 81, 15}));
    EXPECT_EQ(bar.FloatingDragRect(), (TRect{0, 0, 65, 16}));
    EXPECT_EQ(bar.BodyRect(), (TRect{0, 16, 100, 44}));
    EXPECT_TRUE(bar.GripHitRect().IsEmpty());
    EXPECT_EQ(bar.MaxFloatingRows(), 2);  // laid out at least 60 wide
    bar.SetFloatingRows(2);
    EXPECT_EQ(bar.controls[3]->bounds.top, 16 + 2 + 28);
    EXPECT_EQ(bar.controls[2]->bounds.top, 16 + 2 + 28);
    EXPECT_EQ(bar.bounds.Height(), 2 * 28 + 16);
}

TEST(ToolBarLayoutTest, ReorderingByPosition) {
    FakeToolBar bar;
    for (int i = 0; i < 3; ++i)
        bar.Add(24);
    bar.Load();
    bar.controls[0]->MoveControl(50, 2);  // dragged behind the second
    bar.ReorderControl(bar.controls[0].get());
    EXPECT_EQ(bar.Items()[1], bar.controls[0].get());
}

// "b" a button, "s" a separator on the bar; "B", "S" in the overflow; "h" a
// hidden button.
std::vector<TReturnCandidate> Candidates(const std::string& bar) {
    std::vector<TReturnCandidate> controls;
    for (char c : bar)
        controls.push_back(
            {(c == 's' || c == 'S') ? TBarControlKind::bcSeparator : TBarControlKind::bcButton,
             c != 'h', c == 'B' || c == 'S'});
    return controls;
}

TEST(ToolBarPriorityTest, WhatComesBackWithAUsedControlAsData) {
    struct Row {
        const char* bar;
        int used;
        std::vector<int> back;
    };
    const Row rows[] = {
        {"bbB", 2, {2}},                       // no separator: alone
        {"bSBS", 2, {2, 1}},                   // alone: the separator before
        {"bsBS", 2, {2, 3}},                   // the one before stays: the one after
        {"bsBs", 2, {2}},                      // both stay
        {"bSBBS", 2, {2, 1}},                  // another of the overflow beside it: still alone
        {"bSBbS", 2, {2}},                     // a shown one beside it: not alone
        {"bShBS", 3, {3, 1}},                  // a hidden one does not count
        {"SB", 1, {1, 0}},    {"bbb", 1, {}},  // not in the overflow: nothing
        {"bbB", 5, {}},                        // no such control
    };
    for (const Row& r : rows)
        EXPECT_EQ(ControlsTakenBack(Candidates(r.bar), r.used), r.back) << r.bar << " " << r.used;
}

// "." on the bar, "x" in the overflow, in the bar's order.
std::string Pattern(const FakeToolBar& bar) {
    std::string out;
    for (const auto& c : bar.controls)
        out += bar.InOverflow(c.get()) ? 'x' : '.';
    return out;
}

TEST(ToolBarPriorityTest, AUsedControlIsHiddenLastAsData) {
    struct Row {
        const char* bar;     // "b" a button, "s" a separator
        int length;          // the bar narrowed to
        int room;            // the longest its row lets it be
        const char* before;  // "x" in the overflow
        int used;
        bool toFront;       // AutoArrangeButtons
        const char* after;  // after the use
        const char* again;  // after the bar widened and narrowed again
    };
    const Row rows[] = {
        // 100 - 14 holds the grip and three buttons; the fourth is used: the
        // third goes for it, and is hidden before it from then on.
        {"bbbbb", 100, 100, "...xx", 3, true, "..x.x", "..x.x"},
        {"bbbbb", 100, 100, "...xx", 4, true, "..xx.", "..xx."},
        // In plain order the used one is the last on the bar: it goes again.
        {"bbbbb", 100, 100, "...xx", 3, false, "...xx", "...xx"},
        // The lone one comes back with its separator; the first button goes,
        // with the separator that then stands alone beside it.
        {"bsbsb", 63, 63, ".xxxx", 2, true, "xx.xx", "xx.xx"},
        // Room in the row: the bar grows for it.
        {"bbbbb", 100, 200, "...xx", 3, true, "....x", "..x.x"},
    };
    for (const Row& r : rows) {
        FakeToolBar bar;
        for (char c : std::string(r.bar))
            bar.Add(c == 's' ? 6 : 24,
                    c == 's' ? TBarControlKind::bcSeparator : TBarControlKind::bcButton);
        bar.Load();
        const int full = bar.bounds.Width();
        auto narrow = [&] {
            bar.room = INT_MAX;
            bar.SetLength(full);
            bar.room = r.room;
            bar.SetLength(r.length);
            return Pattern(bar);
        };
        EXPECT_EQ(narrow(), r.before) << r.bar << " " << r.used;
        IBarControl* used = bar.controls[static_cast<std::size_t>(r.used)].get();
        ASSERT_TRUE(TakeBackUsedControl(bar, used, r.toFront));
        EXPECT_EQ(Pattern(bar), r.after) << r.bar << " " << r.used;
        EXPECT_EQ(bar.Priority()[0] == used, r.toFront);
        EXPECT_EQ(narrow(), r.again) << r.bar << " " << r.used;
        // Reset, the plain order hides from the end again.
        ResetPriority(bar);
        EXPECT_EQ(narrow(), r.before) << r.bar << " " << r.used;
        EXPECT_FALSE(TakeBackUsedControl(bar, bar.controls[0].get(), true));  // on the bar
    }
}

// The overflow's set keeps the same members as a plain set through many
// insertions and removals (its removal moves entries up into freed slots).
TEST(ToolBarLayoutTest, ControlSetKeepsItsMembers) {
    static char addresses[300];
    std::mt19937 rng(7);
    TControlSet set;
    std::set<const IBarControl*> plain;
    for (int step = 0; step < 20000; ++step) {
        const auto* c = reinterpret_cast<const IBarControl*>(&addresses[rng() % 300]);
        if (rng() % 3 == 0) {
            set.Erase(c);
            plain.erase(c);
        } else {
            set.Insert(c);
            plain.insert(c);
        }
        if (step % 5000 == 4999) {
            set.Clear();
            plain.clear();
        }
        for (int k = 0; k < 300; k += 7) {
            const auto* q = reinterpret_cast<const IBarControl*>(&addresses[k]);
            ASSERT_EQ(set.Contains(q), plain.count(q) == 1) << "step " << step;
        }
    }
    EXPECT_EQ(set.Empty(), plain.empty());
}

}  // namespace
}  // namespace vx
