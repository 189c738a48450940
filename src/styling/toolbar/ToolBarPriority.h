// A tool bar's priority list apart from its window. A control used from the
// option window (or a menu button whose menu was dropped from there) comes
// back from the overflow onto the bar, with the separator that stood alone
// beside it; with the bar's AutoArrangeButtons it heads the priority list,
// so that the overflow rule, which hides from the list's end, hides it last.
#pragma once

#include <vector>

#include "styling/toolbar/ToolBarLayout.h"

namespace vx {

// One control of the bar, in the bar's order.
struct TReturnCandidate {
    TBarControlKind kind = TBarControlKind::bcOther;
    bool visible = true;
    bool inOverflow = false;
};

// The controls (indexes in the bar's order) that leave the overflow when
// the one at `index` is used: itself, and, when no other shown control
// stands between it and the nearest separators, the separator before it
// (or else the one after it) if that is in the overflow. Nothing for a
// control that is not in the overflow.
std::vector<int> ControlsTakenBack(const std::vector<TReturnCandidate>& controls, int index);

// The used control and its lone separator leave the overflow; with
// moveToFront the control heads the priority list. The bar then arranges
// with autosize and fits, which may hide others. False (and nothing done)
// for a control that is not in the overflow.
bool TakeBackUsedControl(TToolBarLayout& bar, IBarControl* control, bool moveToFront);

// The priority list becomes the plain order of the controls.
void ResetPriority(TToolBarLayout& bar);

}  // namespace vx
