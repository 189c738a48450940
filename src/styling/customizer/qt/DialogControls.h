// The customizer's dialogs are laid out by hand, as designed: each control
// made with its name, at its place and size.
#pragma once

#include <QDialog>
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

// A tool dialog of fixed size with a close button, named (and titled until
// its texts are set) as designed.
inline void SetUpDialog(QDialog* dialog, const char* name, int w, int h) {
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setWindowTitle(QString::fromLatin1(name));
    dialog->setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFixedSize(w, h);
}

}  // namespace vx
