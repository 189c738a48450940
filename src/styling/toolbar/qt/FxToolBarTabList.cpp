#include "styling/toolbar/qt/FxToolBarTabList.h"

#include <QWidget>
#include <algorithm>

namespace vx {

void FilterTabList(std::vector<QWidget*>* list) {
    if (list == nullptr) return;
    std::erase_if(*list, [](QWidget* w) {
        if (w == nullptr) return false;
        if (w->windowType() == Qt::ToolTip) return true;  // a hint window
        return !(w->isEnabled() && w->isVisibleTo(w->window()));
    });
}

}  // namespace vx
