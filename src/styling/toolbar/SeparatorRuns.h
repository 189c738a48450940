// The runs of a tool bar's controls between its separators, for the
// overflow rule's question whether a control stands alone between two
// separators: no other visible control of its run still on the bar, and a
// separator at one end at least. Built once for a fit and kept up to date
// as controls go to the overflow and come back, so each answer costs the
// same however long the bar is.
#pragma once

#include <unordered_map>
#include <vector>

#include "styling/toolbar/DbgList.h"

namespace vx {

class IBarControl;

class TSeparatorRuns {
  public:
    // The controls in display order; `shown[i]`: control i is visible and
    // not in the overflow.
    TSeparatorRuns(const TDbgList<IBarControl*>& items, const std::vector<bool>& shown);

    // The index of a control in the display order, or -1.
    int IndexOf(const IBarControl* control) const;
    // The separators nearest before and after control i (-1 for none), and
    // whether no other control between them is shown, with one of them at
    // least.
    bool AloneBetweenSeparators(int i, int& before, int& after) const;
    // Control i left the bar for the overflow, or came back visible (a
    // separator changes no run).
    void Overflowed(int i);
    void CameBack(int i);

  private:
    std::unordered_map<const IBarControl*, int> index_;
    std::vector<int> before_;  // the nearest separator before each control
    std::vector<int> after_;   // and after it
    std::vector<int> run_;     // the run of each control
    std::vector<bool> shown_;  // each control, shown or not (separators never)
    std::vector<bool> separator_;
    std::vector<int> shownInRun_;  // shown controls per run
};

}  // namespace vx
