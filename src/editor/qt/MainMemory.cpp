// The main window's device memory monitor command (F9, "软元件内存(&D)", its
// tool button, the project tree's node): it takes the link over from ladder
// monitoring, which the monitor restarts when it closes, and is shown
// without blocking the main window.
#include "editor/ProjectTree.h"
#include "editor/qt/Main.h"
#include "editor/qt/ToolImages.h"
#include "online/qt/MonitorFrm.h"

namespace vx {

void TMainFrm::ConnectMemoryMonitor() {
    monitorFrm_ = new TMonitorFrm(this);
    TMonitorFrm::Hooks& hooks = monitorFrm_->Seams();
    hooks.chinese = [this] { return Chinese(); };
    hooks.repaintLadder = [this] { ladderEdit_->viewport()->update(); };
    hooks.restartLadderMonitoring = [this] { NStakeoutONClick(); };
    hooks.monitorButtonUp = [this] {
        if (Monitoring()) return;
        TFxToolBarButton* button = Button("StakeoutON");
        button->SetDown(false);
        button->SetImageIndex(kImageMonitorOff);
        Item("NStakeoutON")->setIcon(toolImages_->GetIcon(kImageMonitorOff));
        button->SetHint(QString::fromStdString(Tr("开始监控 F8", "Start monitoring F8")));
        Item("NStakeoutON")
            ->setText(QString::fromStdString(Tr("开始监控(&S)", "Start monitoring(&S)")));
    };

    windows_.memoryMonitorShown = [this] { return monitorFrm_->isVisible(); };
    windows_.closeMemoryMonitor = [this] { monitorFrm_->close(); };

    connect(Item("N30"), &QAction::triggered, this, &TMainFrm::ShowMemoryMonitor);
    connect(Button("MemoryToolButton"), &TFxCustomToolBarButton::Clicked, this,
            &TMainFrm::ShowMemoryMonitor);
    windows_.openNode = [this, previous = windows_.openNode](int action) {
        if (static_cast<NodeAction>(action) == NodeAction::DeviceMemory) {
            ShowMemoryMonitor();
        } else if (previous) {
            previous(action);
        }
    };
}

void TMainFrm::ShowMemoryMonitor() {
    if (Monitoring()) {
        // The monitor takes the link over; its close hands it back.
        monitorFrm_->SetTag(TMonitorFrm::kFromLadderMonitoring);
        NStakeoutONClick();
    }
    monitorFrm_->show();
    monitorFrm_->raise();
    monitorFrm_->activateWindow();
}

}  // namespace vx
