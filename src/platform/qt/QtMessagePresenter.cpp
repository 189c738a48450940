#include "platform/qt/QtMessagePresenter.h"

#include <QApplication>
#include <QMessageBox>

namespace vx {

MsgAnswer PresentWithQMessageBox(const Message& message) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(message.caption));
    box.setText(QString::fromStdString(message.text));
    switch (message.icon) {
        case MsgIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    QMessageBox::StandardButtons buttons;
    switch (message.buttons) {
        case MsgButtons::Ok:
            buttons = QMessageBox::Ok;
            break;
        case MsgButtons::OkCancel:
            buttons = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case MsgButtons::YesNo:
            buttons = QMessageBox::Yes | QMessageBox::No;
            break;
        case MsgButtons::YesNoCancel:
            buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
    }
    box.setStandardButtons(buttons);
    if (message.topmost) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        default:
            return CautiousAnswer(message.buttons);
    }
}

}  // namespace vx
