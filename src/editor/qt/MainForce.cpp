// Forcing and setting values in the main window while the ladder is
// monitored: the monitoring pop-up menu, the ON/OFF panel of a double click,
// the set-value dialog and the signed display of 16-bit values.
//
// The device is always the one of the cursor cell. Every write holds ladder
// monitoring's poller while it is on the line; a write the controller does
// not confirm is reported.
#include "editor/GridCursor.h"
#include "editor/qt/Main.h"
#include "model/LadderProgram.h"
#include "online/DeviceImage.h"
#include "online/EvaluateCell.h"
#include "online/ForceDevice.h"
#include "online/LinkTexts.h"
#include "online/qt/F8setVal.h"
#include "online/qt/LadderPoller.h"
#include "online/qt/StakeoutOnOff.h"
#include "outside/ModbusLink.h"
#include "platform/MessageBox.h"

namespace vx {

void TMainFrm::ConnectForce() {
    fxPopupMenu1_ = new TFxPopupMenu(this);
    fxPopupMenu1_->setObjectName(QStringLiteral("FxPopupMenu1"));
    fxPopupMenu1_->SetMenuStyler(menuStyler_);
    QAction* on = AddItem(fxPopupMenu1_, "MenuItem4", "强制 ON(&S)");
    QAction* off = AddItem(fxPopupMenu1_, "MenuItem6", "强制 OFF(&R)");
    fxPopupMenu1_->addSeparator();
    QAction* setValue = AddItem(fxPopupMenu1_, "MenuItem8", "设置当前值(&V)");
    fxPopupMenu1_->addSeparator();
    // The device memory monitor, opened as its own menu item opens it.
    AddLinkedItem(fxPopupMenu1_, "N72", "软元件内存(&D)", Item("N30"));
    fxPopupMenu1_->addSeparator();
    QAction* signedValues = AddCheckItem(fxPopupMenu1_, "N161", "显示16位为有符号数(&N)", true);

    connect(on, &QAction::triggered, this, [this] { ForceAtCursor(true); });
    connect(off, &QAction::triggered, this, [this] { ForceAtCursor(false); });
    connect(setValue, &QAction::triggered, this, &TMainFrm::MenuItem8Click);
    connect(signedValues, &QAction::toggled, this, [this] { ladderEdit_->viewport()->update(); });

    stakeoutOnOff_ = new TStakeoutOnOff(ladderEdit_->viewport());
    connect(stakeoutOnOff_, &TStakeoutOnOff::Panel2Click, this, &TMainFrm::Panel2Click);
    // The panel belongs to the cell it was opened on.
    connect(ladderEdit_, &TLadderGrid::SelectCell, stakeoutOnOff_, &QWidget::hide);

    f8setValFrm_ = new TF8setValFrm(this, ladderPoller_);
}

TFxPopupMenu* TMainFrm::GridPopupMenu() const {
    return Button("StakeoutON")->Down() ? fxPopupMenu1_ : gridPopup_;
}

bool TMainFrm::SignedValues() const {
    const QAction* item = Item("N161");
    return item == nullptr || item->isChecked();
}

DeviceCode TMainFrm::CursorDevice() const {
    const GridCursor& cursor = TheGridCursor();
    return EvaluateCell(TheProgram().cells, cursor.cursorCol, cursor.cursorRow, TheDeviceImage(),
                        SignedValues() ? WordDisplay::kSigned : WordDisplay::kUnsigned)
        .code;
}

void TMainFrm::ForceAtCursor(bool on) {
    const DeviceCode code = CursorDevice();
    if (!Forceable(code)) return;  // no device, an input or a word
    const Message question{kProductTitle, ForcePrompt(on, code), MsgIcon::Question,
                           MsgButtons::YesNo};
    if (ShowMessage(question) != MsgAnswer::Yes) return;
    Panel2Click(code, on ? kForceOn : kForceOff);
}

void TMainFrm::Panel2Click(DeviceCode code, int value) {
    const std::optional<int> area = BitWriteCode(DeviceCodeKind(code));
    if (!area) return;
    bool written = false;
    {
        const TLadderPoller::Hold hold(ladderPoller_);
        written = Modbus_Write_B_relay(value, DeviceCodeNumber(code), *area);
    }
    if (!written)
        ShowMessage(
            {kProductTitle, LinkFailedText(Chinese()), MsgIcon::Information, MsgButtons::Ok});
}

void TMainFrm::EditValueAtCursor() {
    const DeviceCode code = CursorDevice();
    if (code == kNoDevice) return;
    if (Forceable(code)) {
        stakeoutOnOff_->ShowFor(code, ladderEdit_->LastMousePos());
        return;
    }
    if (DeviceCodeKind(code) >= DeviceKind::D) MenuItem8Click();
    // An input cannot be written: nothing.
}

void TMainFrm::MenuItem8Click() {
    const DeviceCode code = CursorDevice();
    if (code != kNoDevice && DeviceCodeKind(code) >= DeviceKind::D) {
        const int family = static_cast<int>(DeviceCodeKind(code)) - static_cast<int>(DeviceKind::D);
        f8setValFrm_->SetDevice(static_cast<ValueFamily>(family), DeviceCodeNumber(code));
    }
    ShowSetValue();
}

void TMainFrm::ShowSetValue() {
    f8setValFrm_->SetChinese(Chinese());
    f8setValFrm_->exec();
}

}  // namespace vx
