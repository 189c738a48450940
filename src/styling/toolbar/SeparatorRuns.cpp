#include "styling/toolbar/SeparatorRuns.h"

#include "styling/toolbar/ToolBarLayout.h"

namespace vx {

TSeparatorRuns::TSeparatorRuns(const TDbgList<IBarControl*>& items, const std::vector<bool>& shown)
    : shown_(shown) {
    const int n = items.Count();
    index_.reserve(static_cast<std::size_t>(n));
    before_.assign(static_cast<std::size_t>(n), -1);
    after_.assign(static_cast<std::size_t>(n), -1);
    run_.assign(static_cast<std::size_t>(n), 0);
    separator_.assign(static_cast<std::size_t>(n), false);
    shownInRun_.assign(1, 0);
    int separator = -1;
    for (int i = 0; i < n; ++i) {
        IBarControl* c = items[i];
        index_.emplace(c, i);  // the first place of a control listed twice
        before_[i] = separator;
        separator_[i] = c->ControlKind() == TBarControlKind::bcSeparator;
        if (separator_[i]) {
            separator = i;
            shownInRun_.push_back(0);
            shown_[i] = false;  // a separator ends runs, it stands in none
        }
        run_[i] = static_cast<int>(shownInRun_.size()) - 1;
        if (shown_[i]) ++shownInRun_.back();
    }
    separator = -1;
    for (int i = n - 1; i >= 0; --i) {
        after_[i] = separator;
        if (separator_[i]) separator = i;
    }
}

int TSeparatorRuns::IndexOf(const IBarControl* control) const {
    const auto it = index_.find(control);
    return it == index_.end() ? -1 : it->second;
}

bool TSeparatorRuns::AloneBetweenSeparators(int i, int& before, int& after) const {
    before = before_[i];
    after = after_[i];
    const int others = shownInRun_[run_[i]] - (shown_[i] ? 1 : 0);
    return others == 0 && (before >= 0 || after >= 0);
}

void TSeparatorRuns::Overflowed(int i) {
    if (!shown_[i]) return;
    shown_[i] = false;
    --shownInRun_[run_[i]];
}

void TSeparatorRuns::CameBack(int i) {
    if (shown_[i] || separator_[i]) return;
    shown_[i] = true;
    ++shownInRun_[run_[i]];
}

}  // namespace vx
