#include "styling/toolbar/ToolBarPriority.h"

namespace vx {

std::vector<int> ControlsTakenBack(const std::vector<TReturnCandidate>& controls, int index) {
    const int count = static_cast<int>(controls.size());
    if (index < 0 || index >= count || !controls[index].inOverflow) return {};
    auto separator = [&](int i) { return controls[i].kind == TBarControlKind::bcSeparator; };
    auto shown = [&](int i) { return controls[i].visible && !controls[i].inOverflow; };
    bool alone = true;
    int before = -1, after = -1;
    for (int j = index - 1; j >= 0 && before < 0; --j) {
        if (separator(j))
            before = j;
        else if (shown(j))
            alone = false;
    }
    for (int j = index + 1; j < count && after < 0; ++j) {
        if (separator(j))
            after = j;
        else if (shown(j))
            alone = false;
    }
    std::vector<int> back{index};
    if (!alone) return back;
    if (before >= 0 && controls[before].inOverflow)
        back.push_back(before);
    else if (after >= 0 && controls[after].inOverflow)
        back.push_back(after);
    return back;
}

bool TakeBackUsedControl(TToolBarLayout& bar, IBarControl* control, bool moveToFront) {
    const TDbgList<IBarControl*>& items = bar.Items();
    const int index = items.IndexOf(control);
    if (index < 0 || !bar.InOverflow(control)) return false;
    std::vector<TReturnCandidate> candidates;
    candidates.reserve(static_cast<std::size_t>(items.Count()));
    for (IBarControl* c : items)
        candidates.push_back({c->ControlKind(), c->ControlVisible(), bar.InOverflow(c)});
    for (int i : ControlsTakenBack(candidates, index))
        bar.TakeBackFromOverflow(items[i]);
    if (moveToFront) {
        TDbgList<IBarControl*> order = bar.Priority();
        order.Remove(control);
        order.Insert(0, control);
        bar.SetPriority(order);
    }
    bar.Arrange(true);
    // A bar that could not grow for it hides others, the last in priority
    // first.
    bar.Fit();
    return true;
}

void ResetPriority(TToolBarLayout& bar) {
    bar.SetPriority(bar.Items());
}

}  // namespace vx
