#include "model/qt/TypeAhead.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <algorithm>

namespace vx {

TTypeAhead& TTypeAhead::Instance() {
    static TTypeAhead* router = new TTypeAhead;
    return *router;
}

void TTypeAhead::Opened(QDialog& window) {
    QWidget* shown = &window;
    std::erase(shown_, shown);
    shown_.emplace_back(shown);
    if (std::find(known_.begin(), known_.end(), shown) == known_.end()) {
        known_.emplace_back(shown);
        connect(&window, &QObject::destroyed, this, [this](QObject* gone) { Gone(gone); });
    }
    if (!filtering_) {
        qApp->installEventFilter(this);
        filtering_ = true;
    }
}

void TTypeAhead::Run(QDialog& window) {
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    auto quit = [waiting] {
        if (waiting) waiting->quit();
    };
    // A closed window is hidden: by its own close, or by the window that
    // takes over from it (the quick entry box when the dialog opens).
    const QMetaObject::Connection finished = connect(&window, &QDialog::finished, &loop, quit);
    const QMetaObject::Connection gone = connect(&window, &QObject::destroyed, &loop, quit);
    loops_.push_back({QPointer<QWidget>(&window), &loop});
    window.setResult(0);
    window.show();
    if (window.isVisible()) loop.exec(QEventLoop::DialogExec);
    std::erase_if(loops_, [&loop](const auto& entry) { return entry.second == &loop; });
    disconnect(finished);
    disconnect(gone);
}

QWidget* TTypeAhead::Top() const {
    for (auto it = shown_.rbegin(); it != shown_.rend(); ++it) {
        if (*it && (*it)->isVisible()) return *it;
    }
    return nullptr;
}

void TTypeAhead::Gone(const QObject* window) {
    std::erase_if(known_,
                  [window](const QPointer<QWidget>& w) { return !w || w.data() == window; });
    Closed(window);
}

void TTypeAhead::Closed(const QObject* window) {
    auto goneOrThis = [window](const QPointer<QWidget>& w) { return !w || w.data() == window; };
    std::erase_if(shown_, goneOrThis);
    for (const auto& [shown, loop] : loops_) {
        if (goneOrThis(shown)) loop->quit();
    }
    if (shown_.empty() && filtering_) {
        qApp->removeEventFilter(this);
        filtering_ = false;
    }
}

bool TTypeAhead::Beneath(QWidget* widget) const {
    QWidget* top = Top();
    if (top == nullptr) return false;
    QWidget* window = widget->window();
    if (window == top) return false;
    for (const QPointer<QWidget>& entry : known_) {
        if (entry == window) return true;  // an entry window no longer on top
    }
    for (QWidget* below = top->parentWidget(); below != nullptr; below = below->parentWidget()) {
        if (below->window() == window) return true;
    }
    return false;
}

bool TTypeAhead::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::Hide:
            // Minimising is no close.
            if (!event->spontaneous() && widget->isWindow() &&
                std::find(shown_.begin(), shown_.end(), widget) != shown_.end()) {
                Closed(widget);
            }
            return false;
        case QEvent::ShortcutOverride:
            // No shortcut of a window beneath: the key goes on as typing.
            if (!Beneath(widget)) return false;
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            if (!Beneath(widget)) return false;
            QWidget* top = Top();
            QWidget* field = top->focusWidget() != nullptr ? top->focusWidget() : top;
            const auto* key = static_cast<QKeyEvent*>(event);
            QKeyEvent typed(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                            key->nativeVirtualKey(), key->nativeModifiers(), key->text(),
                            key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(field, &typed);
            event->accept();  // handed on: not to the widgets around this one
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return Beneath(widget);
        case QEvent::Close:
            // The window system's close of a window beneath waits, as it
            // would under a modal window.
            if (!event->spontaneous() || !Beneath(widget)) return false;
            event->ignore();
            return true;
        default:
            return false;
    }
}

}  // namespace vx
