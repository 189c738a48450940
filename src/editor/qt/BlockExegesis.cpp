#include "editor/qt/BlockExegesis.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>

#include "editor/qt/RecordTextValidator.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

constexpr int kTop = 100;

}  // namespace

TBlockExegesisFrm::TBlockExegesisFrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("BlockExegesisFrm"));
    setWindowTitle(QStringLiteral("程序块注释"));
    setModal(true);

    auto* validator = new TRecordTextValidator(this);
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    // Wide enough for a whole line: 26 bytes, 13 Chinese characters.
    const int lineWidth = fontMetrics().horizontalAdvance(QString(13, QChar(0x6CE8))) + 16;
    for (QLineEdit* edit : {edit1_, edit2_}) {
        edit->setValidator(validator);
        edit->setMinimumWidth(lineWidth);
        connect(edit, &QLineEdit::returnPressed, this, &TBlockExegesisFrm::SpeedButton1Click);
    }
    speedButton1_ = new QToolButton(this);
    speedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
    speedButton1_->setText(QStringLiteral("O  K"));
    speedButton1_->setToolTip(QStringLiteral("关闭"));
    speedButton1_->setAutoRaise(true);  // flat
    speedButton1_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    speedButton1_->setMinimumWidth(44);
    connect(speedButton1_, &QToolButton::clicked, this, &TBlockExegesisFrm::SpeedButton1Click);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(edit1_, 0, 0);
    layout->addWidget(edit2_, 1, 0);
    layout->addWidget(speedButton1_, 0, 1, 2, 1);
    const QSize hint = sizeHint();
    setFixedSize(std::max(hint.width(), 223), std::max(hint.height(), 81));
    skin_ = TFlatSkin::ForDialog(this);
}

std::optional<std::pair<std::string, std::string>> TBlockExegesisFrm::Execute(
    const std::string& line1, const std::string& line2) {
    edit1_->setText(QString::fromStdString(line1));
    edit2_->setText(QString::fromStdString(line2));
    if (exec() != QDialog::Accepted) return std::nullopt;
    return std::make_pair(edit1_->text().toStdString(), edit2_->text().toStdString());
}

void TBlockExegesisFrm::showEvent(QShowEvent* event) {
    // Centred across the screen, its top edge 100 pixels down.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.left() + (s.width() - width()) / 2, s.top() + kTop);
    }
    QDialog::showEvent(event);
    edit1_->setFocus();
}

void TBlockExegesisFrm::SpeedButton1Click() {
    accept();
}

}  // namespace vx
