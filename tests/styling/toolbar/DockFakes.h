// Stand-ins for the tool bars and their controls in the tests of the rules
// that place them: a docked bar held within its limits as a tool bar is, and
// a control of a bar that turns with it when it is a separator.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "styling/toolbar/DockRows.h"
#include "styling/toolbar/ToolBarLayout.h"

namespace vx::test {

struct FakeDockBar final : IDockBar {
    std::string name;
    TRect bounds;
    TSizeConstraints constraints;
    bool fullSize = false;
    bool visible = true;
    int row = -1;
    std::optional<TDockAlign> align;  // the side it was last told of

    FakeDockBar() = default;
    FakeDockBar(int left, int top, int width, int height, int minWidth = 0, int maxWidth = 0)
        : bounds(Bounds(left, top, width, height)), constraints{minWidth, maxWidth, 0, 0} {}
    FakeDockBar(std::string n, const TRect& b, const TSizeConstraints& c)
        : name(std::move(n)), bounds(b), constraints(c) {}

    TRect DockBounds() const override { return bounds; }
    void PlaceInRow(const TRect& r) override {
        bounds =
            Bounds(r.left, r.top, Constrain(r.Width(), constraints.minWidth, constraints.maxWidth),
                   Constrain(r.Height(), constraints.minHeight, constraints.maxHeight));
    }
    TSizeConstraints DockConstraints() const override { return constraints; }
    void SetDockConstraints(const TSizeConstraints& c) override { constraints = c; }
    bool FullSize() const override { return fullSize; }
    bool DockVisible() const override { return visible; }
    int RowIndex() const override { return row; }
    void SetRowIndex(int r) override { row = r; }
    void DockAlignChanged(TDockAlign a) override { align = a; }
};

struct FakeBarControl final : IBarControl {
    TRect bounds;
    bool visible = true;
    bool onBar = true;
    TBarControlKind kind;
    TDockAlign position = TDockAlign::daTop;

    FakeBarControl(int width, int height, TBarControlKind k = TBarControlKind::bcButton)
        : bounds(Bounds(0, 0, width, height)), kind(k) {}
    TRect ControlBounds() const override { return bounds; }
    void MoveControl(int left, int top) override {
        bounds = Bounds(left, top, bounds.Width(), bounds.Height());
    }
    bool ControlVisible() const override { return visible; }
    TBarControlKind ControlKind() const override { return kind; }
    bool ControlOnBar() const override { return onBar; }
    void ReturnToBar() override { onBar = true; }
    // A separator lies across the bar: it turns with it.
    void SetControlPosition(TDockAlign align) override {
        if (kind == TBarControlKind::bcSeparator &&
            IsHorizontalDock(align) != IsHorizontalDock(position))
            bounds = Bounds(bounds.left, bounds.top, bounds.Height(), bounds.Width());
        position = align;
    }
};

}  // namespace vx::test
