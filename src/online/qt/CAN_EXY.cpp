#include "online/qt/CAN_EXY.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTableWidget>

#include "model/LadderProgram.h"
#include "online/LinkTexts.h"
#include "platform/MessageBox.h"
#include "platform/qt/ProgramText.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

constexpr const char* kCaption = "CAN_EXY模块标定";
constexpr const char* kEnglishCaption = "CAN_EXY Module Setup";
constexpr const char* kEnglishConditionMessage = "Update module\nCondition: modules online == (1)";
constexpr int kGridColumns = 7;

QLabel* Label(QWidget* parent, const char* name, const char* text, QRect geometry) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(geometry);
    return label;
}

}  // namespace

TCAN_EXYFrm::TCAN_EXYFrm(QWidget* parent, RegisterCalls& calls)
    : QDialog(parent), poller_(this, calls) {
    setObjectName(QStringLiteral("CAN_EXYFrm"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setFixedSize(452, 174);

    Label(this, "Label1", "当前在线模块ID:", {16, 20, 120, 20});
    spinEdit1_ = new QSpinBox(this);
    spinEdit1_->setObjectName(QStringLiteral("SpinEdit1"));
    // kCanIdUnknown shows blank: no module read yet.
    spinEdit1_->setRange(kCanIdUnknown, kCanModules);
    spinEdit1_->setSpecialValueText(QStringLiteral(" "));
    spinEdit1_->setReadOnly(true);
    spinEdit1_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spinEdit1_->setGeometry(140, 16, 60, 26);
    label3_ = Label(this, "Label3", "XY:0", {212, 20, 80, 20});
    MarkProgramText(label3_);  // module IDs

    Label(this, "Label4", "重新设置模块ID:", {16, 56, 120, 20});
    spinEdit2_ = new QSpinBox(this);
    spinEdit2_->setObjectName(QStringLiteral("SpinEdit2"));
    spinEdit2_->setRange(1, kCanModules);
    spinEdit2_->setGeometry(140, 52, 60, 26);
    label5_ = Label(this, "Label5", "", {212, 56, 80, 20});
    MarkProgramText(label5_);
    label5_->setText(QString::fromStdString(XyLabel(1)));

    bitBtn2_ = new QPushButton(QString::fromUtf8(kCanUpdateCaption), this);
    bitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    bitBtn2_->setGeometry(310, 50, 120, 30);

    grid_ = new QTableWidget(2, kGridColumns, this);
    grid_->setObjectName(QStringLiteral("Grid_EX_Show"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < kGridColumns; ++c)
        grid_->setColumnWidth(c, 60);
    for (int r = 0; r < 2; ++r) {
        grid_->setRowHeight(r, 28);
        for (int c = 0; c < kGridColumns; ++c) {
            auto* item = new QTableWidgetItem(QStringLiteral("*"));
            item->setTextAlignment(Qt::AlignCenter);
            grid_->setItem(r, c, item);
        }
    }
    grid_->setGeometry(14, 100, 60 * kGridColumns + 4, 2 * 28 + 4);

    skin_ = TFlatSkin::ForDialog(this);

    connect(spinEdit2_, &QSpinBox::textChanged, this, &TCAN_EXYFrm::SpinEdit2Change);
    // An emptied box is no value to the spin box, which keeps its last one
    // unannounced and puts it back on leaving: its editor tells it.
    connect(spinEdit2_->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
            &TCAN_EXYFrm::SpinEdit2Change);
    connect(bitBtn2_, &QPushButton::clicked, this, &TCAN_EXYFrm::BitBtn2Click);
    connect(&poller_, &TRegisterPoller::Answered, this, &TCAN_EXYFrm::Timer1Answer);
    connect(&poller_, &TRegisterPoller::GaveUp, this, &TCAN_EXYFrm::ShowLinkFailed);
}

void TCAN_EXYFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

QString TCAN_EXYFrm::Caption() const {
    return QString::fromUtf8(chinese_ ? kCaption : kEnglishCaption);
}

void TCAN_EXYFrm::FormShow() {
    setWindowTitle(Caption());
    EndUpdate();
    onlineCount_ = 0;
    // Nothing of an earlier session is shown: the poller forgets what was
    // read, so the modules are blank until the first answer.
    const bool open = poller_.Start(kCanStart, kCanWords);
    ShowModules();
    if (!open) ShowLinkFailed();
}

void TCAN_EXYFrm::ShowModules() {
    const CanView view = CanViewOf(TheDeviceImage());
    spinEdit1_->setValue(view.currentId);
    spinEdit1_->setEnabled(true);
    label3_->setText(view.currentId == kCanIdUnknown
                         ? QString()
                         : QString::fromStdString(XyLabel(view.currentId)));
    label3_->setEnabled(true);
    for (int n = 0; n < kCanModules; ++n) {
        QTableWidgetItem* item = grid_->item(n / kGridColumns, n % kGridColumns);
        item->setText(QString::fromStdString(view.cells[static_cast<std::size_t>(n)]));
        item->setData(Qt::ForegroundRole, QVariant());
    }
    onlineCount_ = view.onlineCount;
}

void TCAN_EXYFrm::ShowLinkFailed() {
    // The modules last read stay, greyed: they are not live.
    setWindowTitle(Caption() + QStringLiteral(" ") + QString::fromUtf8(LinkFailedText(chinese_)));
    spinEdit1_->setEnabled(false);
    label3_->setEnabled(false);
    for (int n = 0; n < kCanModules; ++n)
        grid_->item(n / kGridColumns, n % kGridColumns)->setForeground(QColor(128, 128, 128));
}

void TCAN_EXYFrm::Timer1Answer(const QString& spinner) {
    setWindowTitle(Caption() + QStringLiteral(" ") + spinner);
    ShowModules();
    const CanView view = CanViewOf(TheDeviceImage());
    switch (update_.Answer(view.currentId)) {
        case CanIdUpdate::Step::Done:
            EndUpdate();
            break;
        case CanIdUpdate::Step::Resend:
            SendCommand();
            break;
        default:
            break;
    }
}

void TCAN_EXYFrm::SpinEdit2Change() {
    // An emptied box stands for module 1 and shows it at once.
    if (spinEdit2_->cleanText().isEmpty()) spinEdit2_->setValue(1);
    const int id = ModuleIdOfText(spinEdit2_->cleanText().toStdString());
    label5_->setText(QString::fromStdString(XyLabel(id)));
}

void TCAN_EXYFrm::BitBtn2Click() {
    if (!CanUpdateAllowed(onlineCount_)) {
        ShowMessage({kProductTitle, chinese_ ? kCanConditionMessage : kEnglishConditionMessage,
                     MsgIcon::Exclamation, MsgButtons::Ok});
        return;
    }
    update_.Start(ModuleIdOfText(spinEdit2_->cleanText().toStdString()));
    bitBtn2_->setEnabled(false);
    bitBtn2_->setText(chinese_ ? QString::fromUtf8(kCanWaitCaption)
                               : QStringLiteral("Please wait..."));
    SendCommand();
}

void TCAN_EXYFrm::SendCommand() {
    const std::uint16_t words[2] = {kCanSetIdCommand,
                                    static_cast<std::uint16_t>(update_.Requested())};
    if (poller_.Write(words, kCanCommandRegister, 2)) return;
    // Also reached from a tick: the timer stops while the box is up.
    const bool polling = poller_.Polling();
    poller_.Timer1().stop();
    EndUpdate();
    ShowMessage({kProductTitle, LinkFailedText(chinese_), MsgIcon::Information, MsgButtons::Ok});
    if (polling && isVisible()) poller_.Timer1().start();
}

void TCAN_EXYFrm::EndUpdate() {
    update_.Cancel();
    bitBtn2_->setText(chinese_ ? QString::fromUtf8(kCanUpdateCaption)
                               : QStringLiteral("Update module"));
    bitBtn2_->setEnabled(true);
}

void TCAN_EXYFrm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TCAN_EXYFrm::FormClose() {
    poller_.Stop();
}

}  // namespace vx
