#include "styling/menus/qt/MenuColumns.h"

#include <QAction>

namespace vx {

void TMenuColumns::Restart() {
    for (TPlace& place : places_)
        place.passed = false;
    index_ = -1;
    y_ = 0;
    later_ = false;
    afterSeparator_ = true;
}

void TMenuColumns::Noted(const QAction* item, int height) {
    TPlace& place = places_[item];
    if (place.height == height) return;
    place.height = height;
    if (place.passed) Restart();
}

void TMenuColumns::ItemsChanged(const QAction* removed) {
    if (removed != nullptr) places_.remove(removed);
    Restart();
}

bool TMenuColumns::InLaterColumn(const QAction* item, const QList<QAction*>& items, int room,
                                 bool collapse, const std::function<int(const QAction&)>& measure) {
    if (room != room_ || collapse != collapse_) {
        room_ = room;
        collapse_ = collapse;
        Restart();
    }
    if (const auto known = places_.constFind(item); known != places_.constEnd() && known->passed)
        return known->later;
    qsizetype last = items.size() - 1;
    while (last >= 0 && (!items[last]->isVisible() || (collapse && items[last]->isSeparator())))
        --last;
    while (index_ < last) {
        const QAction* next = items[++index_];
        if (!next->isVisible() || (collapse && afterSeparator_ && next->isSeparator())) continue;
        afterSeparator_ = next->isSeparator();
        int height = places_.value(next).height;
        if (height < 0) height = measure(*next);
        if (y_ + height > room) {
            later_ = true;
            y_ = 0;
        }
        y_ += height;
        TPlace& place = places_[next];
        place = {height, true, later_};
        if (next == item) return later_;
    }
    return false;
}

}  // namespace vx
