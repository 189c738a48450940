#include "online/qt/MonitorDf.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>
#include <chrono>
#include <thread>

#include "online/LinkTexts.h"
#include "online/qt/MonitorFrm.h"
#include "platform/qt/ProgramText.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {

TMonitorDf::TMonitorDf(TMonitorFrm& monitor)
    : QDialog(&monitor, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      monitor_(monitor) {
    setObjectName(QStringLiteral("MonitorDf"));
    setWindowTitle(QStringLiteral(" 写寄存器 "));
    setModal(true);

    // Both edits take digits, "-", "." and the hexadecimal letters only.
    auto* keys =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-.0-9A-Fa-f]*")), this);
    auto* registerLabel = new QLabel(QStringLiteral("D"), this);
    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setMaxLength(5);
    edit2_->setValidator(keys);
    datFormat_ = new QLabel(QString::fromLatin1(FormatName(format_)), this);
    MarkProgramText(datFormat_);  // the register's format
    datFormat_->setObjectName(QStringLiteral("DatFormat"));
    datFormat_->setFrameShape(QFrame::Panel);
    datFormat_->setFrameShadow(QFrame::Sunken);
    datFormat_->setAlignment(Qt::AlignCenter);
    datFormat_->setMinimumWidth(72);
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setMaxLength(11);
    edit1_->setValidator(keys);
    checkBox1_ = new QCheckBox(QStringLiteral("写入后关闭对话框"), this);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    bitBtn1_ = new QPushButton(QStringLiteral("写入(&W)"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setDefault(true);  // Enter in the value writes
    bitBtn3_ = new QPushButton(QStringLiteral("关闭(&C)"), this);
    bitBtn3_->setObjectName(QStringLiteral("BitBtn3"));
    bitBtn3_->setAutoDefault(false);
    for (QPushButton* b : {bitBtn1_, bitBtn3_})
        b->setMinimumSize(88, 30);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->addWidget(registerLabel, 0, 0, Qt::AlignRight);
    fields->addWidget(edit2_, 0, 1);
    fields->addWidget(datFormat_, 1, 0);
    fields->addWidget(edit1_, 1, 1);
    fields->setColumnMinimumWidth(1, 150);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bitBtn1_);
    buttons->addWidget(bitBtn3_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    layout->addLayout(fields);
    layout->addWidget(checkBox1_);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    skin_ = TFlatSkin::ForDialog(this);

    connect(bitBtn1_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(bitBtn3_, &QPushButton::clicked, this, &QDialog::reject);

    // Centred, 100 pixels above the middle of the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2 - 100);
    }
}

void TMonitorDf::SetFormat(DFormat format) {
    format_ = format;
    datFormat_->setText(QString::fromLatin1(FormatName(format)));
}

void TMonitorDf::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    checkBox1_->setChecked(true);
    edit1_->setFocus();
    edit1_->selectAll();
}

void TMonitorDf::BitBtn1Click() {
    if (!monitor_.LinkOpen()) {
        monitor_.LinkMessage(PortNotOpenText(monitor_.Chinese()));
        return;
    }
    const ParsedWrite parsed =
        ParseRegisterWrite(format_, edit2_->text().toStdString(), edit1_->text().toStdString());
    switch (parsed.refusal) {
        case WriteRefusal::None:
            break;
        case WriteRefusal::Malformed:
            monitor_.Refuse("输入错误 ！", "Input error !");
            return;
        case WriteRefusal::OutOfRange:
            monitor_.Refuse("数值超过范围 ！", "Value out of range !");
            return;
        case WriteRefusal::RegisterOutOfRange:
            monitor_.Refuse("寄存器超过范围 (D0 - D20000) ！",
                            "Register out of range (D0 - D20000) !");
            return;
    }
    const RegisterWrite& w = parsed.write;
    monitor_.PausePolling();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const bool written = monitor_.Seams().writeWords(w.words.data(), w.number, w.count, 16);
    monitor_.ResumePolling();
    if (!written) monitor_.LinkMessage(LinkFailedText(monitor_.Chinese()));
    if (checkBox1_->isChecked()) accept();
}

}  // namespace vx
