#include "styling/menus/qt/MdiWindowList.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "styling/menus/FxMdiWindowList.h"

namespace vx {
namespace {

const char* const kMarkerProperty = "fxWindowListMarker";

}  // namespace

TMdiWindowList::TMdiWindowList(QMdiArea* client, QMenu* windowMenu, QObject* parent)
    : QObject(parent), client_(client), windowMenu_(windowMenu) {
    group_ = new QActionGroup(this);
    group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    connect(client, &QMdiArea::subWindowActivated, this, &TMdiWindowList::Refresh);
    connect(windowMenu, &QMenu::aboutToShow, this, &TMdiWindowList::Refresh);
}

QAction* TMdiWindowList::Marker() const {
    if (!windowMenu_) return nullptr;
    for (QAction* action : windowMenu_->actions()) {
        if (action->property(kMarkerProperty).toBool()) return action;
    }
    return nullptr;
}

void TMdiWindowList::Refresh() {
    if (!client_ || !windowMenu_) return;
    QAction* marker = Marker();
    if (marker != nullptr) {
        const QList<QAction*> actions = windowMenu_->actions();
        const qsizetype at = actions.indexOf(marker);
        for (qsizetype i = at + 1; i < actions.size(); ++i) {
            // Later: the refresh may run inside the click of the item.
            windowMenu_->removeAction(actions[i]);
            group_->removeAction(actions[i]);
            if (actions[i]->parent() == windowMenu_) actions[i]->deleteLater();
        }
    } else {
        marker = windowMenu_->addSeparator();
        marker->setProperty(kMarkerProperty, true);
    }

    std::vector<MdiChildEntry> children;
    const QMdiSubWindow* current = client_->currentSubWindow();
    for (QMdiSubWindow* child : client_->subWindowList(QMdiArea::CreationOrder)) {
        children.push_back({child->windowTitle().toStdString(),
                            reinterpret_cast<std::uintptr_t>(child), child == current});
    }
    marker->setVisible(!children.empty());
    checked_ = nullptr;
    for (const WindowListItem& entry : WindowListItems(children)) {
        auto* item = new QAction(QString::fromStdString(entry.caption), windowMenu_);
        item->setData(QVariant::fromValue<quintptr>(entry.tag));
        item->setCheckable(true);
        item->setChecked(entry.checked);
        group_->addAction(item);
        if (entry.checked) checked_ = item;
        connect(item, &QAction::triggered, this, [this, item] { ItemClick(item); });
        windowMenu_->addAction(item);
    }
}

void TMdiWindowList::ItemClick(QAction* item) {
    if (item == nullptr || !client_) return;
    const quintptr tag = item->data().value<quintptr>();
    if (tag == 0) return;
    QMdiSubWindow* target = nullptr;
    for (QMdiSubWindow* child : client_->subWindowList()) {
        if (reinterpret_cast<quintptr>(child) == tag) target = child;
    }
    if (target != nullptr) client_->setActiveSubWindow(target);
    // An activation refreshes the list; its new items show the state.
    if (!windowMenu_ || !windowMenu_->actions().contains(item)) return;
    if (target != nullptr && client_->currentSubWindow() == target) {
        item->setChecked(true);
        checked_ = item;
        return;
    }
    // Refused: the check stays where it was.
    item->setChecked(false);
    if (checked_) checked_->setChecked(true);
}

}  // namespace vx
