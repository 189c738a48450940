#include "styling/toolbar/ToolBarLayout.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vx {
namespace {

struct FakeControl : IBarControl {
    TRect bounds;
    bool visible = true;
    TBarControlKind kind;
    FakeControl(int width, int height, TBarControlKind k = TBarControlKind::bcButton)
        : bounds(Bounds(0, 0, width, height)), kind(k) {}
    TRect ControlBounds() const override { return bounds; }
    void MoveControl(int left, int top) override {
        bounds = Bounds(left, top, bounds.Width(), bounds.Height());
    }
    bool ControlVisible() const override { return visible; }
    TBarControlKind ControlKind() const override { return kind; }
};

struct FakeToolBar : TToolBarLayout {
    TRect bounds = Bounds(0, 0, 60, 26);
    TSizeConstraints constraints{60, 60, 0, 0};
    std::vector<std::unique_ptr<FakeControl>> controls;

    TRect BarBounds() const override { return bounds; }
    void ResizeBar(int w, int h) override {
        bounds = Bounds(bounds.left, bounds.top,
                        Constrain(w, constraints.minWidth, constraints.maxWidth),
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

}  // namespace
}  // namespace vx
