#include "online/qt/PG_Send.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "model/LadderProgram.h"
#include "online/LinkTexts.h"
#include "online/PulseChannels.h"
#include "online/qt/RegisterPoller.h"
#include "platform/MessageBox.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {

TPG_SendFrm::TPG_SendFrm(QWidget* parent, TRegisterPoller& poller)
    : QDialog(parent), poller_(poller) {
    setObjectName(QStringLiteral("PG_SendFrm"));
    setWindowTitle(QStringLiteral("PG参数设置"));
    setFixedSize(270, 132);

    auto* label2 = new QLabel(QStringLiteral("寄存器: D"), this);
    label2->setGeometry(20, 20, 70, 20);
    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setReadOnly(true);
    edit2_->setGeometry(96, 16, 150, 26);
    auto* label1 = new QLabel(QStringLiteral("设定值:"), this);
    label1->setGeometry(20, 54, 70, 20);
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit1_));
    edit1_->setGeometry(96, 50, 150, 26);

    bitBtn1_ = new QPushButton(QStringLiteral("确认(&Y)"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setGeometry(40, 92, 86, 28);
    bitBtn1_->setDefault(true);
    bitBtn2_ = new QPushButton(QStringLiteral("取消(&N)"), this);
    bitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    bitBtn2_->setGeometry(144, 92, 86, 28);

    skin_ = TFlatSkin::ForDialog(this);

    connect(edit1_, &QLineEdit::textChanged, this, &TPG_SendFrm::Edit1Change);
    connect(bitBtn1_, &QPushButton::clicked, this, &TPG_SendFrm::BitBtn1Click);
    connect(bitBtn2_, &QPushButton::clicked, this, &QDialog::reject);
}

void TPG_SendFrm::Prepare(int reg, const QString& value, std::int64_t maximum) {
    register_ = reg;
    maximum_ = maximum;
    edit2_->setText(QString::number(reg));
    // The edit takes digits only: a value the range cannot hold (a negative
    // pair) is offered as 0 rather than written without its sign.
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    const QSignalBlocker block(edit1_);
    edit1_->setText(digits.match(value).hasMatch() ? value : QStringLiteral("0"));
    edit1_->selectAll();
    edit1_->setFocus();
}

void TPG_SendFrm::Edit1Change() {
    const PulseEntry entry = CheckPulseEntry(edit1_->text().toStdString(), maximum_);
    if (!entry.aboveMaximum) return;
    ShowMessage({kProductTitle, PulseRangeMessage(maximum_, chinese_), MsgIcon::Information,
                 MsgButtons::Ok});
    const QSignalBlocker block(edit1_);
    edit1_->setText(QString::fromStdString(entry.text));
}

void TPG_SendFrm::BitBtn1Click() {
    const PulseEntry entry = CheckPulseEntry(edit1_->text().toStdString(), maximum_);
    if (entry.aboveMaximum)
        ShowMessage({kProductTitle, PulseRangeMessage(maximum_, chinese_), MsgIcon::Information,
                     MsgButtons::Ok});
    const auto words = PulseWords(entry.value);
    if (!poller_.Write(words.data(), register_, PulseWordCount(maximum_)))
        ShowMessage(
            {kProductTitle, LinkFailedText(chinese_), MsgIcon::Information, MsgButtons::Ok});
    accept();
}

}  // namespace vx
