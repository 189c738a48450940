#include "build/qt/PasswordIN.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "model/LadderProgram.h"
#include "platform/MessageBox.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {

TPasswordFrm::TPasswordFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PasswordFrm"));
    setWindowTitle(QStringLiteral("密码"));
    setModal(true);
    TFlatSkin::ForDialog(this);

    auto* note = new QLabel(QStringLiteral("该文件有密码保护"), this);
    auto* label = new QLabel(QStringLiteral("密码:"), this);
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setMaxLength(12);
    edit1_->setEchoMode(QLineEdit::Password);
    auto* ok = new QPushButton(QStringLiteral("确认(&Y)"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消(&N)"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(note, 0, 0, 1, 3);
    layout->addWidget(label, 1, 0);
    layout->addWidget(edit1_, 1, 1, 1, 2);
    layout->addWidget(ok, 2, 1);
    layout->addWidget(cancel, 2, 2);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + s.height() / 2 - height() / 2 - 100);
    }

    connect(ok, &QPushButton::clicked, this, &TPasswordFrm::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPasswordFrm::BitBtn1Click() {
    if (edit1_->text().toStdString() == expected_) {
        accept();
        return;
    }
    ShowMessage({kProductTitle, chinese_ ? "密码不正确！" : "The password is incorrect!",
                 MsgIcon::Exclamation, MsgButtons::Ok});
    edit1_->selectAll();
    edit1_->setFocus();
}

}  // namespace vx
