// The main window's openers of the online utility dialogs: the clock (F7),
// the controller information (Shift+F2), the analog and encoder monitor
// (Shift+F9), the pulse test (Shift+F10) and the CAN module calibration.
//
// Each refuses while ladder monitoring runs, since the dialog opens a link of
// its own. All but the clock first close the device memory monitor, which
// holds the link while it is shown; closing it may start ladder monitoring
// again (when it was opened from there), and then the command refuses.
#include "editor/qt/Main.h"
#include "model/LadderProgram.h"
#include "online/qt/AD_EN_Show.h"
#include "online/qt/CAN_EXY.h"
#include "online/qt/MonitorFrm.h"
#include "online/qt/PG_Test.h"
#include "online/qt/PLCInfo.h"
#include "online/qt/SetRTC.h"
#include "platform/MessageBox.h"

namespace vx {

void TMainFrm::ConnectUtilityWindows() {
    auto* setRTC = new TSetRTCFrm(this);
    // While the device memory monitor holds the link, the clock writes over
    // it, its polling paused.
    setRTC->SetMonitorLink({[this] { return monitorFrm_->LinkOpen(); },
                            [this] { monitorFrm_->PausePolling(); },
                            [this] { monitorFrm_->ResumePolling(); }});
    auto* plcInfo = new TPLCInfoFrm(this);
    auto* adEn = new TAD_EN_Frm(this);
    auto* pgTest = new TPG_TestFrm(this);
    auto* canExy = new TCAN_EXYFrm(this);
    onlineDialogs_ = {setRTC, plcInfo, adEn, pgTest, canExy};

    // True (and told) while ladder monitoring runs.
    auto refused = [this] {
        if (!Monitoring()) return false;
        ShowMessage({kProductTitle, Tr("请先退出梯形图监控 ！", "please exit ladder monitor! "),
                     MsgIcon::Information, MsgButtons::Ok});
        return true;
    };
    auto closeMemoryMonitor = [this] {
        if (windows_.memoryMonitorShown && windows_.memoryMonitorShown() &&
            windows_.closeMemoryMonitor)
            windows_.closeMemoryMonitor();
    };

    connect(Item("N14"), &QAction::triggered, this, [=, this] {
        setRTC->SetChinese(Chinese());
        if (!refused()) setRTC->open();
    });
    connect(Item("N15"), &QAction::triggered, this, [=, this] {
        closeMemoryMonitor();
        plcInfo->SetChinese(Chinese());
        if (!refused()) plcInfo->RePLCInfo();
    });
    auto opener = [=, this](const char* item, QDialog* dialog) {
        connect(Item(item), &QAction::triggered, this, [=] {
            closeMemoryMonitor();
            if (!refused()) dialog->open();
        });
    };
    // The texts these three write while they work follow the language at
    // opening: told before the openers below run.
    connect(Item("N31"), &QAction::triggered, adEn, [=, this] { adEn->SetChinese(Chinese()); });
    connect(Item("N32"), &QAction::triggered, pgTest, [=, this] { pgTest->SetChinese(Chinese()); });
    connect(Item("CanExyItem"), &QAction::triggered, canExy,
            [=, this] { canExy->SetChinese(Chinese()); });
    opener("N31", adEn);
    opener("N32", pgTest);
    opener("CanExyItem", canExy);
}

}  // namespace vx
