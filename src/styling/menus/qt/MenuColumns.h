// Which items of a styled menu window stand in a second or later column.
//
// Qt lays a window taller than its screen out in columns: the item that
// would run past the screen's bottom starts the next column. The window
// notes each item's height as it measures it (in order, from the first);
// the items' places are found by walking them in that order once, and
// walked again only when an item already passed changes its height, the
// window its items, or the column its height.
#pragma once

#include <QHash>
#include <QList>
#include <functional>

class QAction;

namespace vx {

class TMenuColumns {
  public:
    // The item was measured this high.
    void Noted(const QAction* item, int height);
    // The window's items changed: one was added, changed or shown or
    // hidden, or (`removed`) this one was taken out.
    void ItemsChanged(const QAction* removed = nullptr);

    // True when the item stands in a later column of the window's `items`
    // in columns `room` pixels high, leading, trailing and doubled
    // separators taking no place when `collapse`; `measure` gives the
    // height of an item not noted yet.
    bool InLaterColumn(const QAction* item, const QList<QAction*>& items, int room, bool collapse,
                       const std::function<int(const QAction&)>& measure);

  private:
    struct TPlace {
        int height = -1;      // -1: not noted
        bool passed = false;  // the walk has placed it
        bool later = false;   // in a later column
    };
    void Restart();

    QHash<const QAction*, TPlace> places_;
    // The walk: the last item it looked at, where the next item would begin
    // in its column, and whether that column is a later one.
    qsizetype index_ = -1;
    int y_ = 0;
    bool later_ = false;
    bool afterSeparator_ = true;
    int room_ = -1;
    bool collapse_ = true;
};

}  // namespace vx
