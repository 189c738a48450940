// The tab-order list of a tool bar's keyboard navigation.
#pragma once

#include <vector>

class QWidget;

namespace vx {

// Removes from the tab-order list every hint window and every control that
// cannot take the focus. A null list is ignored.
void FilterTabList(std::vector<QWidget*>* list);

}  // namespace vx
