#include "platform/qt/ControlHint.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QTabBar>
#include <QWidget>
#include <algorithm>

#include "platform/qt/CustomControl.h"

namespace vx {
namespace {

int hintPause = 500;
int hintShortPause = 0;

// The tip of the item under `pos` of a widget whose items have tips of
// their own: the cells of an item view and the sections of its header (asked
// on the view's viewport, where the mouse is), the tabs of a tab bar. Empty
// where the item has none.
TControlHint ItemHintAt(const QWidget* widget, QPoint pos) {
    if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
        const int tab = bar->tabAt(pos);
        if (tab < 0) return {};
        return {bar->tabToolTip(tab), bar->tabRect(tab)};
    }
    const auto* view = qobject_cast<const QAbstractItemView*>(widget->parentWidget());
    if (!view || view->viewport() != widget || !view->model()) return {};
    if (const auto* header = qobject_cast<const QHeaderView*>(view)) {
        const int section = header->logicalIndexAt(pos);
        if (section < 0) return {};
        const QString text =
            header->model()->headerData(section, header->orientation(), Qt::ToolTipRole).toString();
        const int at = header->sectionViewportPosition(section);
        const int size = header->sectionSize(section);
        const QRect area = header->orientation() == Qt::Horizontal
                               ? QRect(at, 0, size, widget->height())
                               : QRect(0, at, widget->width(), size);
        return {text, area};
    }
    const QModelIndex index = view->indexAt(pos);
    if (!index.isValid()) return {};
    return {index.data(Qt::ToolTipRole).toString(), view->visualRect(index)};
}

}  // namespace

TControlHint WidgetHintAt(const QWidget* widget, QPoint pos) {
    if (!widget) return {};
    if (const auto* control = qobject_cast<const TCustomControl*>(widget))
        return control->ShownHintAt(pos);
    if (TControlHint item = ItemHintAt(widget, pos); !item.text.isEmpty()) return item;
    return {widget->toolTip(), widget->rect()};
}

int ApplicationHintPause() {
    return hintPause;
}

void SetApplicationHintPause(int ms) {
    hintPause = std::max(ms, 0);
}

int ApplicationHintShortPause() {
    return hintShortPause;
}

void SetApplicationHintShortPause(int ms) {
    hintShortPause = std::max(ms, 0);
}

}  // namespace vx
