#include "online/qt/SetRTC.h"

#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>

#include "model/LadderProgram.h"
#include "online/LinkTexts.h"
#include "platform/MessageBox.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

QSpinBox* Field(QWidget* parent, const char* name, const char* caption, int minimum, int maximum,
                int x, int y, int width) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setGeometry(x, y + 4, 34, 18);
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromUtf8(name));
    spin->setRange(minimum, maximum);
    spin->setGeometry(x + 34, y, width - 4, 26);
    return spin;
}

void Tell(const char* text) {
    ShowMessage({kProductTitle, text, MsgIcon::Information, MsgButtons::Ok});
}

}  // namespace

TSetRTCFrm::TSetRTCFrm(QWidget* parent, RegisterCalls& calls) : QDialog(parent), calls_(calls) {
    setObjectName(QStringLiteral("SetRTCFrm"));
    setWindowTitle(QStringLiteral("设置PLC时钟"));
    setFixedSize(342, 188);

    year_ = Field(this, "SpinEdit1", "年:", kClockYearMin, kClockYearMax, 14, 16, 70);
    month_ = Field(this, "SpinEdit2", "月:", 1, 12, 126, 16, 60);
    day_ = Field(this, "SpinEdit3", "日:", 1, 31, 228, 16, 60);
    hour_ = Field(this, "SpinEdit4", "时:", 0, 23, 14, 56, 70);
    minute_ = Field(this, "SpinEdit5", "分:", 0, 59, 126, 56, 60);
    second_ = Field(this, "SpinEdit6", "秒:", 0, 59, 228, 56, 60);
    auto* label = new QLabel(QStringLiteral("星期:"), this);
    label->setGeometry(14, 100, 40, 18);
    weekday_ = new QComboBox(this);
    weekday_->setObjectName(QStringLiteral("ComboBox1"));
    for (const char* day : {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"})
        weekday_->addItem(QString::fromUtf8(day));
    weekday_->setGeometry(56, 96, 100, 26);

    bitBtn1_ = new QPushButton(QStringLiteral("设置(&S)"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setGeometry(72, 144, 86, 28);
    bitBtn1_->setDefault(true);
    bitBtn3_ = new QPushButton(QStringLiteral("关闭(&C)"), this);
    bitBtn3_->setObjectName(QStringLiteral("BitBtn3"));
    bitBtn3_->setGeometry(184, 144, 86, 28);

    skin_ = TFlatSkin::ForDialog(this);

    connect(bitBtn1_, &QPushButton::clicked, this, &TSetRTCFrm::BitBtn1Click);
    connect(bitBtn3_, &QPushButton::clicked, this, &QDialog::reject);
}

void TSetRTCFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TSetRTCFrm::FormShow() {
    const QDateTime now = QDateTime::currentDateTime();
    year_->setValue(now.date().year());
    month_->setValue(now.date().month());
    day_->setValue(now.date().day());
    hour_->setValue(now.time().hour());
    minute_->setValue(now.time().minute());
    second_->setValue(now.time().second());
    weekday_->setCurrentIndex(now.date().dayOfWeek() % 7);  // Sunday is 7, the list starts with it
}

ClockSetting TSetRTCFrm::Setting() const {
    return {year_->value(), month_->value(), day_->value(), hour_->value(), minute_->value()};
}

void TSetRTCFrm::BitBtn1Click() {
    bool ownLink = false;
    if (!(monitor_.linkOpen && monitor_.linkOpen())) {
        if (!calls_.Open(ToolLinkParameters())) {
            Tell("通信失败 ！");  // nothing was sent; the fields stay for another try
            return;
        }
        ownLink = true;
    }
    if (monitor_.pausePolling) monitor_.pausePolling();
    const auto words = ClockWords(Setting());
    const bool ok =
        calls_.WriteWords(words.data(), kClockRegister, kClockWords, kRegisterWriteArea);
    if (monitor_.resumePolling) monitor_.resumePolling();
    Tell(ok ? SetDoneText(chinese_) : LinkFailedText(chinese_));
    if (ownLink) calls_.Close();
    accept();
}

}  // namespace vx
