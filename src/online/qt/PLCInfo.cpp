#include "online/qt/PLCInfo.h"

#include <QLabel>

#include "model/LadderProgram.h"
#include "online/LinkTexts.h"
#include "online/PlcIdentity.h"
#include "platform/MessageBox.h"
#include "platform/qt/ProgramText.h"

namespace vx {
namespace {

QLabel* Line(QWidget* parent, const char* name, int y) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(40, y, 220, 20);
    return label;
}

}  // namespace

TPLCInfoFrm::TPLCInfoFrm(QWidget* parent, RegisterCalls& calls, DeviceImage& image,
                         PollState& state)
    : QDialog(parent), calls_(calls), image_(image), state_(state) {
    setObjectName(QStringLiteral("PLCInfoFrm"));
    setWindowTitle(QStringLiteral("PLC信息"));
    setFixedSize(300, 120);
    label1_ = Line(this, "Label1", 20);
    label2_ = Line(this, "Label2", 48);
    label3_ = Line(this, "Label3", 76);
    for (QLabel* label : {label1_, label2_, label3_})
        MarkProgramText(label);  // the controller's answers
    label1_->setText(QString::fromUtf8(kFactoryYearCaption));
    label2_->setText(QString::fromUtf8(kFactoryMonthCaption));
    label3_->setText(QString::fromUtf8(kFirmwareCaption));

    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &TPLCInfoFrm::Timer1Timer);
}

TPLCInfoFrm::~TPLCInfoFrm() {
    timer_.stop();
    CloseLink();
}

void TPLCInfoFrm::RePLCInfo() {
    if (timer_.isActive()) return;  // the identity is on its way
    const PlcInfoTexts bare = BareInfoTexts(chinese_);
    label1_->setText(QString::fromStdString(bare.year));
    label2_->setText(QString::fromStdString(bare.month));
    label3_->setText(QString::fromStdString(bare.version));
    if (!calls_.Open(ToolLinkParameters())) {
        ShowMessage(
            {kProductTitle, LinkFailedText(chinese_), MsgIcon::Information, MsgButtons::Ok});
        return;
    }
    linkOpen_ = true;
    state_.Reset();
    state_.kind = DeviceKind::D;
    state_.start = kIdentityRegister;
    state_.count = kIdentityWords;
    state_.areaCode = kRegisterReadArea;
    calls_.ReadWords(kIdentityRegister, kIdentityWords, kRegisterReadArea);
    state_.answerReady = false;
    state_.retryCount = 0;
    timer_.start();
}

void TPLCInfoFrm::Timer1Timer() {
    state_.retryCount += 1;
    if (state_.retryCount >= kIdentityTickLimit) {
        timer_.stop();  // before the message box, which runs its own event loop
        CloseLink();
        ShowMessage(
            {kProductTitle, LinkFailedText(chinese_), MsgIcon::Information, MsgButtons::Ok});
        return;
    }
    const std::span<std::uint16_t> words =
        image_.WordSpan(DeviceKind::D, kIdentityRegister, kIdentityWords);
    if (!calls_.RetakeWords(words.data(), kIdentityWords)) return;
    timer_.stop();
    state_.answerReady = true;
    const PlcInfoTexts texts = InfoTexts(IdentityOfWords(words), chinese_);
    label1_->setText(QString::fromStdString(texts.year));
    label2_->setText(QString::fromStdString(texts.month));
    label3_->setText(QString::fromStdString(texts.version));
    setWindowTitle(QString::fromStdString(texts.caption));
    CloseLink();
    open();  // modal over the main window
}

void TPLCInfoFrm::CloseLink() {
    if (!linkOpen_) return;
    linkOpen_ = false;
    calls_.Close();
}

}  // namespace vx
