#include "platform/qt/NotifierWindow.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace vx {

class TNotifierWindow : public QWidget {
    Q_OBJECT
  public:
    TNotifierWindow(QWidget* parent, std::function<void(QObject*)> onThemeChange)
        : QWidget(parent), onThemeChange_(std::move(onThemeChange)) {
        // Hidden for good: a form shows only the children it was not told
        // to hide.
        hide();
        WatchForm();
    }

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ThemeChange && onThemeChange_) onThemeChange_(this);
        if (event->type() == QEvent::ParentChange) WatchForm();
        return QWidget::event(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Qt tells the form of a theme change, not the form's children.
        if (watched == form_ && event->type() == QEvent::ThemeChange) {
            QEvent change(QEvent::ThemeChange);
            QCoreApplication::sendEvent(this, &change);
        }
        return false;
    }

  private:
    void WatchForm() {
        if (form_) form_->removeEventFilter(this);
        form_ = parentWidget() != nullptr ? window() : nullptr;
        if (form_) form_->installEventFilter(this);
    }

    std::function<void(QObject*)> onThemeChange_;
    QPointer<QWidget> form_;
};

QObject* NewNotifierWindow(QObject* owner, std::function<void(QObject*)> onThemeChange) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
    QWidget* parent = nullptr;
    for (QObject* o = owner; o != nullptr && parent == nullptr; o = o->parent()) {
        if (o->isWidgetType()) parent = static_cast<QWidget*>(o);
    }
    return new TNotifierWindow(parent, std::move(onThemeChange));
}

}  // namespace vx

#include "NotifierWindow.moc"
