// Gathers what a widget is asked to repaint, for tests of partial repaints.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

namespace vx::test {

class PaintedRegion final : public QObject {
  public:
    explicit PaintedRegion(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

}  // namespace vx::test
