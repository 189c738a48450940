// The main window's compile commands: the compile (F5) with its report, the C
// block editor, the C library compile, the C-language help pages, the plug-in
// choice and the project password prompt, and the buttons of the message
// pane.
#include <QApplication>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include "build/CompileReport.h"
#include "build/CompileState.h"
#include "build/CompileValues.h"
#include "build/ScratchFolder.h"
#include "build/ToolChain.h"
#include "build/TranslateStage.h"
#include "build/qt/Client_Opt.h"
#include "build/qt/MyPublicFrm.h"
#include "build/qt/PasswordIN.h"
#include "build/qt/TCPPlib.h"
#include "build/qt/Translate.h"
#include "editor/CBlockFile.h"
#include "editor/ProjectTree.h"
#include "editor/qt/Main.h"
#include "model/JumpLabelCheck.h"
#include "model/LadderProgram.h"
#include "outside/LadderConvert.h"
#include "outside/qt/HighlightEdit.h"
#include "platform/FileIo.h"
#include "platform/MessageBox.h"
#include "platform/SystemFolders.h"
#include "platform/qt/AlignHost.h"
#include "widgets/qt/WgSplit.h"

namespace vx {
namespace {

constexpr int kPaneMinimum = 118;
constexpr int kPaneExpanded = 188;
constexpr int kReadySeconds = 60;

QString Q(const std::string& s) {
    QString text = QString::fromStdString(s);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// Adds lines to a memo as a list of lines: the first line added to an empty
// memo is its first line, even when it is empty.
void AddLines(QPlainTextEdit* memo, const QStringList& lines) {
    const QString text = memo->toPlainText();
    QStringList all = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    all += lines;
    memo->setPlainText(all.join(QLatin1Char('\n')));
}

// The message pane's text colour: errors red, warnings blue; a new list of
// messages starts in the ordinary text colour.
void SetPaneTextColour(QPlainTextEdit* memo, const QColor& colour) {
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Text, colour);
    memo->setPalette(palette);
}
void ClearMessagePane(QPlainTextEdit* memo) {
    memo->clear();
    SetPaneTextColour(memo, QApplication::palette(memo).color(QPalette::Text));
}

// Runs an action on a double click of the watched widget.
class DoubleClickFilter : public QObject {
  public:
    DoubleClickFilter(QObject* parent, std::function<void()> action)
        : QObject(parent), action_(std::move(action)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            action_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> action_;
};

QToolButton* PaneButton(QWidget* parent, const char* name, const char* hint,
                        QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setToolTip(QString::fromUtf8(hint));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setAutoRaise(true);
    button->setIconSize(QSize(12, 12));
    button->resize(19, 15);
    return button;
}

// Puts buttons at the right end of a title bar, the first leftmost: the
// rightmost is aligned first, each next one left of those before it.
void AlignRight(const std::vector<QToolButton*>& buttons) {
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->move(static_cast<int>(i) * 19, 0);
    for (auto b = buttons.rbegin(); b != buttons.rend(); ++b)
        SetWidgetAlign(*b, TAlign::alRight);
}

// The main window's side of a tool-chain job: status panels, message pane
// and instruction list.
FunctionStageView MainStageView(TMainFrm& frm, TWgSizePanel* pane, QPlainTextEdit* memo2,
                                QPlainTextEdit* memo1) {
    FunctionStageView view;
    view.state = [&frm](const std::string& text) {
        frm.ShowStatus(1, [state = Q(text)] { return state; });
    };
    view.clock = [&frm] { frm.RefreshClockPanel(); };
    view.setMessages = [=](const std::string& text) { memo2->setPlainText(Q(text)); };
    view.addMessage = [=](const std::string& line) { AddLines(memo2, {Q(line)}); };
    view.showPane = [=](PaneColour colour) {
        // At least 118 pixels high.
        if (pane->height() < kPaneMinimum)
            pane->SetBounds(pane->x(), pane->y(), pane->width(), kPaneMinimum);
        pane->show();
        SetPaneTextColour(memo2, colour == PaneColour::Red ? QColor(255, 0, 0) : QColor(0, 0, 255));
    };
    view.instructionList = [=](const std::string& text) { memo1->setPlainText(Q(text)); };
    return view;
}

}  // namespace

void TMainFrm::ConnectBuildWindows() {
    // The message pane: collapse to its bar, expand, hide; the buttons sit
    // on a transparent panel at the right end of its title bar.
    auto* paneTitle = wgSizePanel1_->findChild<TWgPanel*>(QStringLiteral("WgPanel1"));
    auto* paneButtons = BuildTitleBar(paneTitle, "WgPanel2", "");
    paneButtons->setMinimumHeight(0);
    paneButtons->setMaximumHeight(QWIDGETSIZE_MAX);
    paneButtons->resize(58, 15);
    paneButtons->SetBorderOuter(TFrameStyle::fsNone);
    paneButtons->SetTransparent(true);
    paneButtons->SetAlign(TAlign::alRight);
    QToolButton* collapse =
        PaneButton(paneButtons, "SpeedButton15", "全部折叠", QStyle::SP_TitleBarShadeButton);
    QToolButton* expand =
        PaneButton(paneButtons, "SpeedButton16", "全部展开", QStyle::SP_TitleBarUnshadeButton);
    QToolButton* hidePane =
        PaneButton(paneButtons, "SpeedButton17", "隐藏编译信息", QStyle::SP_TitleBarCloseButton);
    AlignRight({collapse, expand, hidePane});
    // Compiler messages point at columns: a fixed-width font keeps them aligned.
    memo2_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(collapse, &QToolButton::clicked, wgSizePanel1_, &TWgSizePanel::CollapseToHotSpot);
    connect(expand, &QToolButton::clicked, this, [this] {
        wgSizePanel1_->SetBounds(wgSizePanel1_->x(), wgSizePanel1_->y(), wgSizePanel1_->width(),
                                 kPaneExpanded);
    });
    connect(hidePane, &QToolButton::clicked, wgSizePanel1_, &QWidget::hide);
    paneTitle->installEventFilter(new DoubleClickFilter(this, [this] { wgSizePanel1_->hide(); }));

    // The mnemonic pane's hide button.
    auto* mnemonicTitle = panel4_->findChild<TWgPanel*>(QStringLiteral("WgPanel3"));
    QToolButton* hideMnemonic =
        PaneButton(mnemonicTitle, "SpeedButton11", "隐藏助记码", QStyle::SP_TitleBarCloseButton);
    AlignRight({hideMnemonic});
    auto hideMnemonicPane = [this] {
        panel4_->hide();
        Item("N18")->setChecked(false);
    };
    connect(hideMnemonic, &QToolButton::clicked, this, hideMnemonicPane);
    mnemonicTitle->installEventFilter(new DoubleClickFilter(this, hideMnemonicPane));

    // The commands.
    connect(Item("c1"), &QAction::triggered, this, &TMainFrm::c1Click);
    connect(Button("CompileToolButton"), &TFxCustomToolBarButton::Clicked, this,
            &TMainFrm::c1Click);

    auto editCBlock = [this] {
        if (names_.projectFile == kUntitledProject) {
            ShowMessage({kProductTitle, Tr("请先保存此新工程 ！", "please save this new project! "),
                         MsgIcon::Exclamation, MsgButtons::Ok, true});
            SetSaveEnabled(true);
            FileSaveItemClick();
            return;
        }
        const std::string path = CBlockPath(names_.projectFile);
        if (!FileExists(path)) EnsureCBlockFile(names_.projectFile);
        const std::string before = FileStampText(path);
        ShowHighlightEdit(this, Tr("高级语言-[", "C Language-[") + path + "]", path);
        if (FileStampText(path) != before) SetSaveEnabled(true);
    };
    connect(Item("N38"), &QAction::triggered, this, editCBlock);

    connect(Item("N39"), &QAction::triggered, this, [this] {
        if (!HasCBlock(TheProgram().sysParamString)) {
            ShowMessage({kProductTitle,
                         Tr("高级语言(function1 源码编辑模块) 未启用，不能执行！",
                            "The C Language ( function1 source code editing module ) is not "
                            "enabled, unable to perform!"),
                         MsgIcon::Information, MsgButtons::Ok});
            return;
        }
        if (!FileExists(CBlockPath(names_.projectFile))) {
            ShowMessage({kProductTitle,
                         Tr("高级语言(function1 源码编辑模块) 未创建，不能执行！",
                            "The C Language ( function1 source code editing module ) did not "
                            "create, not performed!"),
                         MsgIcon::Information, MsgButtons::Ok});
            return;
        }
        DeleteWithRetries(LibFileOf(names_.projectFile));
        ClearMessagePane(memo2_);
        InstallToolChain(winDir_, ProgramFolder());
        FunctionStageView host = MainStageView(*this, wgSizePanel1_, memo2_, memo1_);
        TTCPPlibFrm frm({winDir_, names_.projectFile, Chinese()}, host, this);
        frm.exec();
        ShowReady();  // the library compile's progress ends with it
        CompileState& state = TheCompileState();
        state.compileResult = frm.Stage().Result();
        state.targetImageSize = frm.Stage().ProductSize();
        state.compileStop = frm.Stage().Stopped();
    });

    auto helpPage = [this](const char* chinese, const char* english, const char* page) {
        auto* frm = findChild<TMyPublicFrm*>(QStringLiteral("MyPublicFrm"));
        if (frm == nullptr) frm = new TMyPublicFrm(this);
        frm->ShowPage(Q(Tr(chinese, english)), JoinPath(ProgramFolder(), page));
    };
    connect(Item("N40"), &QAction::triggered, this,
            [helpPage] { helpPage("C语言简介", "C Language Synopsis", "Cvb.htm"); });
    connect(Item("N41"), &QAction::triggered, this,
            [helpPage] { helpPage("系统保留字", "Reserved word", "KeyWord.htm"); });

    auto choosePlugin = [this] {
        TClient_OptFrm frm(ProgramFolder(), this);
        frm.FormShow(TheProgram());
        if (frm.exec() != QDialog::Accepted) return;
        frm.Commit(TheProgram());
        SetSaveEnabled(true);
    };
    connect(Item("N47"), &QAction::triggered, this, choosePlugin);

    // The project tree's "function1" and plug-in nodes open these windows;
    // other nodes go to whatever was there before.
    std::function<void(int)> previous = windows_.openNode;
    windows_.openNode = [editCBlock, choosePlugin, previous](int action) {
        if (action == static_cast<int>(NodeAction::CBlockEditor)) {
            editCBlock();
        } else if (action == static_cast<int>(NodeAction::PlugIn)) {
            choosePlugin();
        } else if (previous) {
            previous(action);
        }
    };

    windows_.password = [this](const LadderProgram& program) {
        TPasswordFrm frm(this);
        frm.SetExpectedPassword(program.passwordText);
        frm.SetChinese(Chinese());
        return frm.exec() == QDialog::Accepted;
    };
}

void TMainFrm::c1Click() {
    if (CoverShown()) return;  // no project
    CompileState& state = TheCompileState();
    struct CursorScope {
        bool set = false;
        void Wait() {
            if (!set) QApplication::setOverrideCursor(Qt::WaitCursor);
            set = true;
        }
        ~CursorScope() {
            if (set) QApplication::restoreOverrideCursor();
        }
    } cursor;
    // " Program checking..." and the tool chain's progress report work in
    // hand: a compile that stops before its report, whichever way, puts the
    // ready text back.
    struct WorkText {
        TMainFrm& frm;
        bool shown = false;
        ~WorkText() {
            if (shown) frm.ShowReady();
        }
    } work{*this};
    try {
        // 1. The old image goes first, so a failed compile leaves none.
        DeleteWithRetries(targetFile_);
        // 2. The tool chain and the run-time kit.
        const std::string problems = InstallToolChain(winDir_, ProgramFolder());
        if (!ToolChainPresent(winDir_)) {
            ShowMessage({kProductTitle,
                         "System file is corrupt, please reinstall the software!" +
                             (problems.empty() ? std::string() : "\n\n" + problems),
                         MsgIcon::Information, MsgButtons::Ok});
            return;
        }
        // 3. Every jump has its label.
        if (!CheckJumpLabels()) return;
        // 4. Save; an untitled project whose save was cancelled, or a failed
        // save, is not compiled (the converter reads the file on disk).
        cursor.Wait();
        ClearMessagePane(memo2_);
        ShowStatus(1, [] { return QStringLiteral(" Program checking..."); });
        work.shown = true;
        state.compileResult = 0;
        state.targetImageSize = 0;
        state.compileStop = false;
        statusBar()->repaint();
        FileSaveItemClick();
        if (names_.projectFile == kUntitledProject || Item("FileSaveItem")->isEnabled()) return;

        LadderProgram& program = TheProgram();
        const CompileValues values = ReadCompileValues(program.sysParamString, false);
        // 5. The compiled C library.
        if (values.cLibrary) {
            const std::string lib = LibFileOf(names_.projectFile);
            if (!FileExists(lib)) {
                ShowMessage(
                    {kProductTitle,
                     Tr("项目启用了 Lib功能，[", "The project is enabled for the Lib, the [") +
                         lib + Tr("]文件不存在！", "] file does not exist!"),
                     MsgIcon::Information, MsgButtons::Ok});
                return;
            }
        }
        // 6. The plug-in.
        if (program.usePlugin == 1) {
            // A name that leaves the Plugins folder names no plug-in: it is
            // shown as the project stores it.
            const std::string plugin = PluginPathOf(ProgramFolder(), program.pluginName);
            if (plugin.empty() || !FileExists(plugin)) {
                ShowMessage({kProductTitle,
                             Tr("项目启用了特殊功能模块，[",
                                "The project enabled a special function module, the [") +
                                 (plugin.empty() ? program.pluginName : plugin) +
                                 Tr("]文件不存在！", "] file does not exist! "),
                             MsgIcon::Information, MsgButtons::Ok});
                return;
            }
        }
        // 7. The converter, then the C stage.
        const std::string scratch = ScratchFolder(winDir_);
        MakeFolders(scratch);
        if (LadderConvert(names_.projectFile + "|" + scratch + "/")) {
            timer1_.stop();
            FunctionStageView host = MainStageView(*this, wgSizePanel1_, memo2_, memo1_);
            TTranslateFrm frm(
                {winDir_, ProgramFolder(), names_.projectFile, targetFile_, program.sysParamString,
                 program.holdParamString, program.usePlugin == 1, program.pluginName, Chinese()},
                host, this);
            frm.exec();
            state.compileResult = frm.Stage().Result();
            state.targetImageSize = frm.Stage().ProductSize();
            state.compileStop = frm.Stage().Stopped();
        } else {
            state.targetImageSize = 0;
            state.compileResult = 5;
            // Where the converter stopped, in red in the message pane.
            if (!LadderConvertMessage().empty()) {
                FunctionStageView host = MainStageView(*this, wgSizePanel1_, memo2_, memo1_);
                host.SetMessages(LadderConvertMessage());
                host.ShowMessagePane(PaneColour::Red);
            }
        }
        // 8. The report.
        // The size above the kit's own share: the image of an empty program
        // for the project's model.
        const CompileReport report =
            MakeCompileReport(state.compileResult, state.targetImageSize, state.compileStop,
                              EmptyImageSize(winDir_, values));
        statusBar()->setToolTip(Q(report.sizeHint));
        ShowStatus(1, [text = Q(report.statusText)] { return text; });
        work.shown = false;
        if (!wgSizePanel1_->isHidden()) {
            AddLines(memo2_, {QString(), Q(report.paneLine)});
        }
        state.compileResult = kReadySeconds;
        readyCountdown_ = kReadySeconds;
        timer1_.start();
        state.projectStampAtCompile = FileStampText(names_.projectFile);
        state.targetStampAtCompile = FileStampText(targetFile_);
    } catch (...) {
        ShowMessage({kProductTitle, "System file is corrupt, please reinstall the software!..",
                     MsgIcon::Information, MsgButtons::Ok});
    }
}

}  // namespace vx
