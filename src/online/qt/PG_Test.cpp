#include "online/qt/PG_Test.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include "online/LinkTexts.h"
#include "online/PulseChannels.h"
#include "online/RegisterCalls.h"
#include "online/qt/PG_Send.h"
#include "platform/qt/ProgramText.h"

namespace vx {
namespace {

constexpr const char* kCaption = "PG高速测试界面";
constexpr const char* kEnglishCaption = "PG High-Speed Test";
const QColor kRunningColour(255, 255, 0);    // yellow
const QColor kIdleColour(128, 128, 0);       // dark olive
const QColor kUnknownColour(192, 192, 192);  // silver: not read

void Paint(QFrame* shape, const QColor& colour) {
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, colour);
    shape->setPalette(palette);
}

}  // namespace

TPG_TestFrm::TPG_TestFrm(QWidget* parent, RegisterCalls& calls)
    : QDialog(parent), poller_(this, calls) {
    setObjectName(QStringLiteral("PG_TestFrm"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setFixedSize(606, 262);

    const char* channels[] = {"K0 (Y20)", "K1 (Y21)", "K2 (Y22)"};
    const char* captions[] = {"脉冲:", "目标频率:", "启动频率:", "加速时间:"};
    const int rows[] = {28, 100, 136, 172};  // the output count sits below the pulses
    for (int k = 0; k < kPulseChannels; ++k) {
        auto* group = new QGroupBox(QString::fromUtf8(channels[k]), this);
        group->setObjectName(QStringLiteral("GroupBox%1").arg(k + 1));
        group->setGeometry(8 + 198 * k, 8, 192, 246);
        for (int r = 0; r < 4; ++r) {
            const int i = 4 * k + r;
            auto* caption = new QLabel(QString::fromUtf8(captions[r]), group);
            caption->setGeometry(10, rows[r] + 4, 70, 20);
            auto* edit = new QLineEdit(group);
            edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
            edit->setReadOnly(true);
            edit->setAlignment(Qt::AlignRight);
            edit->setGeometry(80, rows[r], 100, 26);
            edit->setProperty("Tag", kPulseEditRegisters[static_cast<std::size_t>(i)]);
            edit->installEventFilter(this);
            edits_[static_cast<std::size_t>(i)] = edit;
        }
        auto* output = new QLabel(QStringLiteral("输出: "), group);
        output->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        output->setGeometry(10, 64, 170, 20);
        outputs_[static_cast<std::size_t>(k)] = output;
        MarkProgramText(output);  // the channel's output state
        auto* shape = new QFrame(group);
        shape->setObjectName(QStringLiteral("Shape%1").arg(k + 1));
        shape->setFrameShape(QFrame::Box);
        shape->setAutoFillBackground(true);
        shape->setGeometry(80, 212, 100, 20);
        Paint(shape, kIdleColour);
        shapes_[static_cast<std::size_t>(k)] = shape;
        auto* running = new QLabel(QStringLiteral("运行:"), group);
        running->setGeometry(10, 212, 70, 20);
    }

    send_ = new TPG_SendFrm(this, poller_);
    connect(&poller_, &TRegisterPoller::Answered, this, &TPG_TestFrm::ShowValues);
    connect(&poller_, &TRegisterPoller::GaveUp, this, &TPG_TestFrm::ShowLinkFailed);
}

void TPG_TestFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

QString TPG_TestFrm::Caption() const {
    return QString::fromUtf8(chinese_ ? kCaption : kEnglishCaption);
}

void TPG_TestFrm::SetChinese(bool chinese) {
    chinese_ = chinese;
    send_->SetChinese(chinese);
}

void TPG_TestFrm::FormShow() {
    setWindowTitle(Caption());
    for (QLabel* output : outputs_)
        output->setText(QString::fromUtf8(chinese_ ? "输出: " : "Output: "));
    // Nothing of an earlier session is shown: the poller forgets what was
    // read, so the fields are blank and the lamps grey until the first answer.
    const bool open = poller_.Start(kPulseStart, kPulseWords);
    ShowValues({});
    if (!open) ShowLinkFailed();
}

void TPG_TestFrm::ShowValues(const QString& spinner) {
    if (!spinner.isEmpty()) setWindowTitle(Caption() + QStringLiteral(" ") + spinner);
    const DeviceImage& image = TheDeviceImage();
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        edits_[i]->setText(QString::fromStdString(PulseValueText(kPulseEditRegisters[i], image)));
        edits_[i]->setEnabled(true);
    }
    const bool known = PulseRunningKnown(image);
    for (int k = 0; k < kPulseChannels; ++k) {
        outputs_[static_cast<std::size_t>(k)]->setText(
            QString::fromStdString(PulseOutputText(k, image, chinese_)));
        outputs_[static_cast<std::size_t>(k)]->setEnabled(true);
        Paint(shapes_[static_cast<std::size_t>(k)], !known                          ? kUnknownColour
                                                    : PulseChannelRunning(k, image) ? kRunningColour
                                                                                    : kIdleColour);
    }
}

void TPG_TestFrm::ShowLinkFailed() {
    // The values last read stay, greyed: they are not live.
    setWindowTitle(Caption() + QStringLiteral(" ") + QString::fromUtf8(LinkFailedText(chinese_)));
    for (QLineEdit* edit : edits_)
        edit->setEnabled(false);
    for (QLabel* output : outputs_)
        output->setEnabled(false);
    for (QFrame* shape : shapes_)
        Paint(shape, kUnknownColour);
}

bool TPG_TestFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) Edit1Click(edit);
    }
    return QDialog::eventFilter(watched, event);
}

void TPG_TestFrm::Edit1Click(QLineEdit* edit) {
    if (!poller_.Polling()) return;
    const int reg = edit->property("Tag").toInt();
    send_->Prepare(reg, edit->text(), PulseMaximum(reg));
    send_->open();
}

void TPG_TestFrm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TPG_TestFrm::FormClose() {
    send_->reject();
    poller_.Stop();
}

}  // namespace vx
