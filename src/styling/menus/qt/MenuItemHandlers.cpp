#include "styling/menus/qt/MenuItemHandlers.h"

#include <QAction>
#include <QActionEvent>
#include <QCoreApplication>
#include <QWidget>

namespace vx {
namespace {

// The handlers, kept by the item they belong to and going with it.
class THandlerHolder : public QObject {
  public:
    THandlerHolder(QAction& item, TMenuItemHandlers handlers)
        : QObject(&item), handlers(std::move(handlers)) {}
    TMenuItemHandlers handlers;
};

THandlerHolder* HolderOf(const QAction& item) {
    for (QObject* child : item.children()) {
        if (auto* holder = dynamic_cast<THandlerHolder*>(child)) return holder;
    }
    return nullptr;
}

}  // namespace

void SetMenuItemHandlers(QAction& item, TMenuItemHandlers handlers) {
    if (THandlerHolder* holder = HolderOf(item))
        holder->handlers = std::move(handlers);
    else
        new THandlerHolder(item, std::move(handlers));
    // A changed item is laid out again by every menu window that holds it.
    for (QObject* holder : item.associatedObjects()) {
        if (auto* window = qobject_cast<QWidget*>(holder)) {
            QActionEvent changed(QEvent::ActionChanged, &item);
            QCoreApplication::sendEvent(window, &changed);
        }
    }
}

const TMenuItemHandlers* MenuItemHandlersOf(const QAction& item) {
    const THandlerHolder* holder = HolderOf(item);
    return holder != nullptr ? &holder->handlers : nullptr;
}

}  // namespace vx
