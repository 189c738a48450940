// The customizer's dialogs are laid out by hand, as designed: each control
// made with its name, at its place and size.
#pragma once

#include <QString>
#include <QWidget>

namespace vx {

template <typename W>
W* MakeControl(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}

}  // namespace vx
