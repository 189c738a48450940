// The download command (F6): the compiled image into the controller.
//
// It ends every use of the port first (the downloader needs it): the utility
// dialogs and the device memory monitor close, ladder monitoring stops. Then
// it saves an unsaved-to-disk project, recompiles whenever the image may not
// be the project's (the project changed since the compile, unsaved edits, or an
// image written behind the tool's back since), and hands the image and the
// download word to the downloader, which does the rest and tells the outcome.
#include <QApplication>
#include <chrono>
#include <thread>

#include "build/CompileState.h"
#include "build/ScratchFolder.h"
#include "editor/qt/Main.h"
#include "model/LadderProgram.h"
#include "online/DownloadWord.h"
#include "online/LinkSettings.h"
#include "online/qt/MonitorFrm.h"
#include "outside/qt/Downloads.h"
#include "platform/FileIo.h"
#include "platform/MessageBox.h"

namespace vx {

void TMainFrm::ConnectDownload() {
    connect(Item("N12"), &QAction::triggered, this, &TMainFrm::N12Click);
    connect(Button("DownloadToolButton"), &TFxCustomToolBarButton::Clicked, this,
            &TMainFrm::N12Click);
}

void TMainFrm::EndOnlineWindows() {
    for (QDialog* dialog : onlineDialogs_) {
        if (dialog->isVisible()) dialog->reject();  // closes the dialog's own link
    }
    if (windows_.memoryMonitorShown && windows_.memoryMonitorShown()) {
        // Not handed back to ladder monitoring: the download ends that too.
        if (monitorFrm_) monitorFrm_->SetTag(0);
        if (windows_.closeMemoryMonitor) windows_.closeMemoryMonitor();
    }
    if (Button("StakeoutON")->Down() || Monitoring()) NStakeoutONClick();
}

void TMainFrm::N12Click() {
    if (CoverShown()) return;  // no project
    // 1. The downloader takes the port that monitoring and the online windows hold.
    EndOnlineWindows();
    // 2. A project that is not on disk yet is saved first.
    if (!FileExists(names_.projectFile)) {
        FileSaveItemClick();
        if (names_.projectFile == kUntitledProject) return;
    }
    CompileState& state = TheCompileState();
    // 3. and 4. An image written since the compile is not the compile's.
    const std::string projectStamp = FileStampText(names_.projectFile);
    if (FileExists(targetFile_) && FileStampText(targetFile_) != state.targetStampAtCompile) {
        DeleteWithRetries(targetFile_);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // 5. Compile when there is no image, or the project may differ from it.
    if (!FileExists(targetFile_) || projectStamp != state.projectStampAtCompile ||
        Item("FileSaveItem")->isEnabled())
        c1Click();
    // 6.
    if (!FileExists(targetFile_)) {
        ShowMessage({kProductTitle, "Compilation fails!", MsgIcon::Exclamation, MsgButtons::Ok});
        return;
    }
    // 7. and 8. The boot loader is reached over a serial port only.
    const LinkSettings& link = TheLinkSettings();
    if (link.Ethernet()) {
        ShowMessage({kProductTitle,
                     Tr("以太网不能下载程序：程序将通过 COM1 串口的引导程序下载 ！",
                        "Programs cannot be downloaded over Ethernet: the download goes over "
                        "the serial boot loader on COM1!"),
                     MsgIcon::Information, MsgButtons::Ok});
    }
    SetDownloadsChinese(Chinese());
    vx_Downloads(this, targetFile_.c_str(), MakeDownloadWord(link, TheProgram().sysParamString));
}

}  // namespace vx
