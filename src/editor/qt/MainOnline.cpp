// Online functions in the main window: ladder monitoring (F8) and the
// communication settings.
//
// While monitoring runs the grid draws energised elements and live values from
// the device image, the poller reads the devices of the visible rows, and every
// scroll or block switch rebuilds its request list.
#include <QAbstractScrollArea>
#include <QScrollBar>

#include "editor/qt/Main.h"
#include "editor/qt/ToolImages.h"
#include "model/LadderProgram.h"
#include "online/CommunicationsScheme.h"
#include "online/LinkSettings.h"
#include "online/RegisterCalls.h"
#include "online/qt/LadderPoller.h"
#include "online/qt/SetCOMpro.h"
#include "online/qt/StakeoutOnOff.h"

namespace vx {

void TMainFrm::ConnectOnline() {
    ladderPoller_ = new TLadderPoller(this);
    setCOMpro_ = new TsetCOMpro(this);
    for (const char* name : {"NStakeoutON", "N13"})
        Item(name)->setEnabled(true);
    for (const char* name : {"StakeoutON", "ComToolButton"})
        Button(name)->setEnabled(true);

    connect(Item("NStakeoutON"), &QAction::triggered, this, &TMainFrm::NStakeoutONClick);
    connect(Button("StakeoutON"), &TFxCustomToolBarButton::Clicked, this,
            &TMainFrm::NStakeoutONClick);
    connect(Item("N13"), &QAction::triggered, this, &TMainFrm::N13Click);
    connect(Button("ComToolButton"), &TFxCustomToolBarButton::Clicked, this, &TMainFrm::N13Click);

    // Every scroll and every block switch announces the visible region anew.
    connect(ladderEdit_, &TLadderGrid::TopLeftChanged, this, [this] {
        if (Monitoring()) LadderRegionChanged();
    });
    connect(this, &TMainFrm::BlockShown, this, [this] {
        if (Monitoring()) LadderRegionChanged();
    });
    connect(ladderPoller_, &TLadderPoller::Answered, this, [this](const QString& spinner) {
        const QString port =
            QString::fromStdString(PortPanelText(TheLinkSettings(), spinner.toStdString()));
        ShowStatus(2, [port] { return port; });
    });
    connect(ladderPoller_, &TLadderPoller::RepaintWanted, this,
            [this] { ladderEdit_->viewport()->update(); });
    // A controller that does not answer is told once in the port's panel,
    // which the next answer's spinner replaces.
    connect(ladderPoller_, &TLadderPoller::LinkFailed, this, &TMainFrm::ShowLinkFailed);
}

void TMainFrm::ShowLinkFailed() {
    ShowStatus(2, [this, port = PortPanelText(TheLinkSettings())] {
        return QString::fromStdString(port + " " + LinkFailedText(Chinese()));
    });
}

void TMainFrm::ApplyLinkSettings() {
    // The settings file's values become the link settings of this run.
    LinkSettings& link = TheLinkSettings();
    link.comPortIndex = settings_.comPort > 7 ? kEthernetPortIndex : settings_.comPort;
    link.baudIndex = settings_.baudRate;
    link.tcpAddress = settings_.ltcpip;
    link.tcpPortText = settings_.ltcpport;
}

bool TMainFrm::Monitoring() const {
    return ladderPoller_ != nullptr && ladderPoller_->Enabled();
}

void TMainFrm::NStakeoutONClick() {
    TFxToolBarButton* button = Button("StakeoutON");
    QAction* item = Item("NStakeoutON");
    auto setImage = [&](int index) {
        button->SetImageIndex(index);
        item->setIcon(toolImages_->GetIcon(index));
    };

    if (button->ImageIndex() != kImageMonitorOn) {
        if (CoverShown()) {  // no project: nothing to watch
            button->SetDown(false);
            return;
        }
        // The device memory monitor holds the link while it is shown. Closing
        // it may start ladder monitoring itself (when it was opened from
        // here); then monitoring stays on.
        if (windows_.memoryMonitorShown && windows_.memoryMonitorShown()) {
            if (windows_.closeMemoryMonitor) windows_.closeMemoryMonitor();
            if (Monitoring()) return;
        }
        setImage(kImageMonitorOn);
        const LinkParameters parameters =
            LinkParametersFor(TheLinkSettings(), TheProgram().sysParamString);
        if (!ladderPoller_->Start(parameters)) {
            // Monitoring stays off; the port's panel tells why.
            button->SetDown(false);
            setImage(kImageMonitorOff);
            ShowLinkFailed();
            return;
        }
        button->SetDown(true);
        item->setText(QString::fromStdString(Tr("停止监控(&T) ", "Stop monitor(&T) ")));
        button->SetHint(QString::fromStdString(Tr("停止监控 F8", "Stop monitor F8")));
        ladderEdit_->DrawContext().monitoring = true;
        LadderRegionChanged();
    } else {
        setImage(kImageMonitorOff);
        button->SetDown(false);
        item->setText(QString::fromStdString(Tr("开始监控(&S)", "Start monitoring(&S)")));
        button->SetHint(QString::fromStdString(Tr("开始监控 F8", "Start monitoring F8")));
        ladderPoller_->Stop();  // closes the link it opened
        stakeoutOnOff_->hide();
        ladderEdit_->DrawContext().monitoring = false;
        RefreshPortPanel();
    }
    ladderEdit_->viewport()->update();
}

void TMainFrm::LadderRegionChanged() {
    const int first = ladderEdit_->TopRow();
    const int last = std::min(ladderEdit_->RowCount() - 1, first + ladderEdit_->VisibleRowCount());
    ladderPoller_->SetScheme(
        LadderRegionScheme(TheProgram().cells, ladderEdit_->DrawContext().rowBase, first, last));
}

void TMainFrm::N13Click() {
    setCOMpro_->SetChinese(Chinese());
    if (setCOMpro_->exec() != QDialog::Accepted) return;
    // The settings file keeps what the dialog chose.
    const LinkSettings& link = TheLinkSettings();
    settings_.comPort = link.comPortIndex;
    settings_.baudRate = link.baudIndex;
    settings_.ltcpip = link.tcpAddress;
    settings_.ltcpport = link.tcpPortText;
    ShowStatus(2, [port = QString::fromStdString(PortPanelText(link))] { return port; });
}

}  // namespace vx
