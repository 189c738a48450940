// Start, timers and close of the main window.
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QScreen>
#include <QStackedLayout>
#include <QStatusBar>
#include <cstdlib>
#include <filesystem>

#include "editor/ClipCells.h"
#include "editor/UndoHistory.h"
#include "editor/qt/Main.h"
#include "editor/qt/StatusClock.h"
#include "model/LadderProgram.h"
#include "platform/MessageBox.h"
#include "platform/SystemFolders.h"

namespace vx {

void TMainFrm::FormCreate() {
    // The quick-entry hint: centred on the screen, 180 pixels above its middle.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        ldHelp_->move((s.width() - ldHelp_->width()) / 2, s.height() / 2 - 180);
    }
    winDir_ = WindowsDirectory();
    MakeFolders(JoinPath(winDir_, "\\system32\\systemtemp"));
    targetFile_ = JoinPath(winDir_, "\\Torvin.pin");
    setEnabled(false);
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TMainFrm::FormShow() {
    setWindowTitle(QString::fromUtf8(kProductTitle));
    QApplication::setApplicationName(QString::fromUtf8(kProductTitle));
    Item("AboutItem")
        ->setText(QString::fromStdString(Tr("关于", "About") + kProductTitle + "(&A)..."));

    settings_ = LoadSettings(SettingsFilePath());
    ApplySettings();
    ApplyLinkSettings();
    if (QScreen* screen = QGuiApplication::primaryScreen();
        screen && screen->geometry().width() >= 1280) {
        // A wide screen always starts with the project tree, and saves that.
        Item("N54")->setChecked(true);
        settings_.proColumn = true;
    }

    openRequest_.clear();
    names_ = ProjectNames{};
    ladderEdit_->SetCursor(1, 0);
    ShowStatus(0, " 梯形图", " Ladder");
    RefreshPortPanel();
    RefreshCursorPanel();
    RefreshClockPanel();
    TheUndoHistory().Clear();

    // The project to open: all command-line parameters joined with blanks.
    commandLineProject_.clear();
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].isEmpty()) continue;
        if (!commandLineProject_.empty()) commandLineProject_ += ' ';
        commandLineProject_ += arguments[i].toStdString();
    }
    commandLineProject_.erase(0, commandLineProject_.find_first_not_of(" \t"));

    // The clipboard buffer is read at every start, so that opening a project
    // (which writes the buffer back) never destroys another instance's copy.
    ClipCells& clip = TheClipCells();
    const StartRequest request = LoadClipboardAtStart(ClipboardFilePath(), clip);
    if (!commandLineProject_.empty()) {
        clip.SetOpenMode(kOpenFileMode);
        clip.SetNewMode(kStartNewFileMode);  // New still works after a failed open
        timer2_.setInterval(20);
        setEnabled(true);
    } else if (request.handedOver) {
        timer2_.setInterval(20);
        setEnabled(true);
        commandLineProject_ = request.projectName;
    }
    // A parent instance that handed its request over waits for this sign that
    // the clipboard file has been read.
    if (const char* ready = std::getenv("VXTORVIN_HANDOVER_READY")) {
        WriteFileAtomically(ready, "");
        unsetenv("VXTORVIN_HANDOVER_READY");
    }
    Button1Click();  // the texts of the chosen language
    timer1_.start();
    timer2_.start();
}

void TMainFrm::ApplySettings() {
    Item("D5")->setChecked(settings_.rangeSelect);
    ladderEdit_->SetRangeSelect(settings_.rangeSelect);
    Item("N54")->setChecked(settings_.proColumn);
    ApplyLadderColours();
    Item("Chinese1")->setChecked(settings_.chinese);
    Item("English1")->setChecked(!settings_.chinese);
    ShowRecentFileCaption();
    if (settings_.AutoSaveEnabled() && settings_.AutoSaveIntervalMs() > 0) {
        timer3_.setInterval(
            static_cast<int>(std::min<std::int64_t>(settings_.AutoSaveIntervalMs(), INT32_MAX)));
        timer3_.start();
    } else {
        timer3_.stop();
    }
}

void TMainFrm::TakeMenuChecks() {
    // The checks the settings file keeps are saved as the menus show them,
    // however they were set.
    settings_.rangeSelect = Item("D5")->isChecked();
    settings_.proColumn = Item("N54")->isChecked();
    settings_.chinese = Chinese();
}

void TMainFrm::Timer2Timer() {
    timer2_.stop();
    setEnabled(true);
    Item("N28")->trigger();  // comment display on
    ShowReady();
    ladderEdit_->SetCellColor(clWindow);
    const ClipCells& clip = TheClipCells();
    if (clip.NewMode() == kNewFileMode) {
        FileNewItemClick();
    } else if (clip.OpenMode() != kOpenFileMode) {
        if (windows_.startPage) windows_.startPage();
    } else {
        openRequestName_ = commandLineProject_;
        openRequest_ = "Open";
        FileOpenItemClick();
    }
    emit StartTimerFired();
}

void TMainFrm::Timer1Timer() {
    Item("N18")->setChecked(!panel4_->isHidden());
    Item("N19")->setChecked(!standardBar_->isHidden());
    Item("N20")->setChecked(!functionBar_->isHidden());
    Item("N21")->setChecked(!auxiliaryBar_->isHidden());
    const UndoHistory& undo = TheUndoHistory();
    if (undo.CanUndo()) Button("ToolButton9")->setEnabled(true);
    if (undo.CanRedo()) Button("ToolButton11")->setEnabled(true);
    Item("UndoItem")->setEnabled(Button("ToolButton9")->isEnabled());
    Item("RedoItem")->setEnabled(Button("ToolButton11")->isEnabled());
    if (readyCountdown_ > 0 && --readyCountdown_ == 0) ShowReady();
    RefreshClockPanel();
    // A copy made in any instance becomes pasteable here.
    if (clipboardWatch_.Poll(TheClipCells()).pasteAvailable) {
        Item("affixV")->setEnabled(true);
        Button("PasteToolButton")->setEnabled(true);
    }
    emit SecondTick();
}

void TMainFrm::Timer3Timer() {
    // A tick while a save's dialog or message, or any other modal window, is
    // open would stack a second save dialog or failure message on it at every
    // interval; the next tick after it closes saves.
    if (saving_ || QApplication::activeModalWidget() != nullptr) return;
    if (Item("FileSaveItem")->isEnabled()) Item("FileSaveItem")->trigger();
}

void TMainFrm::closeEvent(QCloseEvent* event) {
    if (FormClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool TMainFrm::FormClose() {
    if (windows_.memoryMonitorShown && windows_.memoryMonitorShown()) {
        ShowMessage({kProductTitle,
                     Tr("请先停止软元件内存监控 ！", "Please stop soft element memory monitoring"),
                     MsgIcon::Exclamation, MsgButtons::Ok, true});
        return false;
    }
    if (!CoverShown()) {
        if (Item("FileSaveItem")->isEnabled()) {
            const MsgAnswer answer =
                ShowMessage({kProductTitle,
                             Tr("是否保存 ", "Do you want to save ") + names_.projectFile +
                                 Tr(" 文件 ？", " File ？"),
                             MsgIcon::Question, MsgButtons::YesNoCancel});
            if (answer == MsgAnswer::Cancel) return false;
            if (answer == MsgAnswer::Yes) {
                Item("FileSaveItem")->trigger();
                // A cancelled or failed save leaves the changes unsaved: stay open.
                if (Item("FileSaveItem")->isEnabled()) return false;
            }
        } else if (ShowMessage({kProductTitle,
                                Tr("是否退出程序 ？", "Whether to exit the program?"),
                                MsgIcon::Question, MsgButtons::YesNo}) != MsgAnswer::Yes) {
            return false;
        }
        TakeMenuChecks();
        const IoResult written = SaveSettings(SettingsFilePath(), settings_, names_.projectFile);
        if (!written) {
            ShowMessage({kProductTitle, written.error, MsgIcon::Exclamation, MsgButtons::Ok});
        }
    }
    std::error_code ec;
    std::filesystem::remove(JoinPath(winDir_, "\\system32\\Clipboard.dat"), ec);
    timer1_.stop();
    timer3_.stop();
    return true;
}

bool TMainFrm::CoverShown() const {
    return !panel5_->isHidden();
}

void TMainFrm::SetCoverShown(bool shown) {
    auto* stack = static_cast<QStackedLayout*>(panel1_->layout());
    stack->setCurrentWidget(shown ? panel5_ : static_cast<QWidget*>(ladderEdit_));
    wgSizePanel2_->setVisible(!shown && Item("N54")->isChecked());
}

void TMainFrm::ToolbarInitialize() {
    SetCoverShown(false);
    SetProjectCommandsEnabled(true);
    ladderEdit_->SetCursor(1, 0);
    ladderEdit_->viewport()->update();
    EditFileBackup();
    TheUndoHistory().Clear();
    RefreshUndoButtons();
    SetSaveEnabled(false);
    std::error_code ec;
    std::filesystem::remove(targetFile_, ec);  // never download a stale image of another project
}

void TMainFrm::SetProjectCommandsEnabled(bool enabled) {
    // Without a project only the file menu, the view toggles and the look work.
    for (const char* menu : {"Edit1", "Find1", "PLC1", "C1", "Monitor1", "Options1"}) {
        if (QMenu* m = mainMenu_->findChild<QMenu*>(menu)) m->setEnabled(enabled);
    }
    for (const char* name : {"PrintItem", "N29", "FileSaveAsItem"}) {
        if (!unbuilt_.count(name)) Item(name)->setEnabled(enabled);
    }
    for (auto* b : functionBar_->findChildren<TFxToolBarButton*>(Qt::FindDirectChildrenOnly))
        b->setEnabled(enabled);
    for (const char* name : {"CutToolButton", "CopyToolButton", "TopToolButton", "OnTopToolButton",
                             "SystemToolButton", "LookupToolButton", "PrintToolButton"}) {
        Button(name)->setEnabled(enabled);
    }
}

void TMainFrm::ToggleVisibility(QAction* item, QWidget* target) {
    // The item has already toggled its check.
    target->setVisible(item->isChecked());
}

void TMainFrm::N28Click() {
    const bool on = Item("N28")->isChecked();
    ladderEdit_->DrawContext().commentsShown = on;
    ladderEdit_->SetDefaultRowHeight(on ? 55 : 43);
    Button("OnTopToolButton")->SetDown(on);
}

void TMainFrm::SetLook(int style) {
    const char* looks[] = {"N56", "N57", "N58"};
    for (int i = 0; i < 3; ++i)
        Item(looks[i])->setChecked(i == style);
    // The tool bars first, then the menus.
    toolBarStyler_->SetStyle(static_cast<TToolBarStyle>(style));
    menuStyler_->SetStyle(static_cast<TOfficeStyle>(style));
}

void TMainFrm::RefreshCursorPanel() {
    const QString cursor =
        QString(" row %1 , Col %2").arg(ladderEdit_->Row() + 1).arg(ladderEdit_->Col());
    ShowStatus(4, [cursor] { return cursor; });
}

void TMainFrm::RefreshClockPanel() {
    ShowStatus(kClockPanel, [] { return StatusClockText(QDateTime::currentDateTime()); });
}

void TMainFrm::RefreshPortPanel() {
    const QString port = settings_.comPort <= 7 ? QString(" COM%1").arg(settings_.comPort + 1)
                                                : QString::fromStdString(settings_.ltcpip);
    ShowStatus(2, [port] { return port; });
}

}  // namespace vx
