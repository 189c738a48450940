#include "online/qt/AD_EN_Show.h"

#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include "model/LadderProgram.h"
#include "online/AnalogEncoder.h"
#include "online/LinkTexts.h"
#include "online/RegisterPoll.h"
#include "platform/LoadingScope.h"
#include "widgets/qt/WgPageControl.h"

namespace vx {
namespace {

// The title when shown, and while it polls (followed by the spinner).
QString ShownTitle(bool chinese) {
    return chinese ? QStringLiteral("AD&编码器监视") : QStringLiteral("AD & Encoder Monitor");
}

QString PollingTitle(bool chinese) {
    return chinese ? QStringLiteral("特殊寄存器监视 ") : QStringLiteral("Special Registers ");
}

}  // namespace

TAD_EN_Frm::TAD_EN_Frm(QWidget* parent, RegisterCalls& calls)
    : QDialog(parent), poller_(this, calls) {
    setObjectName(QStringLiteral("AD_EN_Frm"));
    setWindowTitle(QStringLiteral("AD&编码器监视"));
    // Wide enough for the title bar to show the English title whole, also
    // with the failed link's note behind it.
    setFixedSize(400, 226);

    const char* tabs[] = {"AD(12bit)", "AD(24bit)", "编码器", "关闭"};
    const char* names[3][4] = {{"AD1", "AD2", "AD3", "AD4"},
                               {"AD10", "AD11", "AD12", "AD13"},
                               {"EN0", "EN1", "EN2", "EN3"}};
    {
        // Set up as a stored window is read: the first page is shown when
        // loading ends, without a change event.
        TLoadingScope loading;
        pages_ = new TWgPageControl(this);
        pages_->setObjectName(QStringLiteral("WgPageControl1"));
        pages_->setGeometry(8, 8, 384, 210);
        pages_->SetTabStyle(TWgTabStyle::tsRoundCorners);
        pages_->SetTransparent(true);
        pages_->SetBoldCurrentTab(true);
        pages_->TextColors().SetUnselected(clNavy);
        pages_->SetFixedDimension(22);
        for (int t = 0; t < 4; ++t) {
            auto* sheet = new TWgTabSheet(pages_);
            sheet->setObjectName(QStringLiteral("TabSheet%1").arg(t + 1));
            sheet->SetCaption(QString::fromUtf8(tabs[t]));
            if (t == kCloseTab) break;
            for (int row = 0; row < 4; ++row) {
                const int n = t * 4 + row + 1;
                auto* caption = new QLabel(QString::fromUtf8(names[t][row]), sheet);
                caption->setObjectName(QStringLiteral("Label%1").arg(n));
                caption->setGeometry(16, 18 + 38 * row, 110, 20);
                auto* value = new QLineEdit(sheet);
                value->setObjectName(QStringLiteral("Edit%1").arg(n));
                value->setReadOnly(true);
                value->setAlignment(Qt::AlignRight);
                value->setGeometry(130, 14 + 38 * row, 220, 26);
                captions_[Index(t, row)] = caption;
                values_[Index(t, row)] = value;
            }
        }
        pages_->SetActivePageIndex(kAd12Tab);
        pages_->OnChange = [this] {
            if (!settingTab_) WgPageControl1Change();
        };
    }

    connect(&poller_, &TRegisterPoller::Answered, this, &TAD_EN_Frm::ShowValues);
    connect(&poller_, &TRegisterPoller::GaveUp, this,
            [this] { ShowLinkFailed(PollingTitle(chinese_).trimmed()); });
}

void TAD_EN_Frm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TAD_EN_Frm::FormShow() {
    encoderBase_ = vx::EncoderBase(TheProgram().holdParamString);
    const auto labels = EncoderLabels(encoderBase_);
    for (int row = 0; row < 4; ++row)
        captions_[Index(kEncoderTab, row)]->setText(
            QString::fromStdString(labels[static_cast<std::size_t>(row)]));
    settingTab_ = true;
    pages_->SetActivePageIndex(kAd12Tab);
    settingTab_ = false;
    for (QLineEdit* value : values_) {
        value->clear();
        value->setEnabled(true);
    }
    setWindowTitle(ShownTitle(chinese_));
    if (!poller_.Start(kAd12Start, kAnalogWords)) ShowLinkFailed(ShownTitle(chinese_));
}

void TAD_EN_Frm::ShowLinkFailed(const QString& caption) {
    // The values last read stay, greyed: they are not live.
    setWindowTitle(caption + QStringLiteral(" ") + QString::fromUtf8(LinkFailedText(chinese_)));
    for (QLineEdit* value : values_)
        value->setEnabled(false);
}

void TAD_EN_Frm::WgPageControl1Change() {
    const int tab = pages_->ActivePageIndex();
    if (tab == kCloseTab) {
        close();
        return;
    }
    poller_.SetWindow(AnalogStart(tab, encoderBase_), kAnalogWords);
}

void TAD_EN_Frm::ShowValues(const QString& spinner) {
    setWindowTitle(PollingTitle(chinese_) + spinner);
    const int tab = pages_->ActivePageIndex();
    if (tab < 0 || tab >= kCloseTab) return;
    // An encoder window past the image is never read: nothing new to show.
    if (!RegisterWindowFits(poller_.WindowStart(), kAnalogWords)) return;
    const auto texts = AnalogValues(tab, poller_.WindowStart(), TheDeviceImage());
    for (int row = 0; row < 4; ++row) {
        values_[Index(tab, row)]->setText(
            QString::fromStdString(texts[static_cast<std::size_t>(row)]));
        values_[Index(tab, row)]->setEnabled(true);
    }
}

void TAD_EN_Frm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TAD_EN_Frm::FormClose() {
    poller_.Stop();
}

}  // namespace vx
