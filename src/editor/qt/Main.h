// The main window `TMainFrm` of the programming tool.
//
// It holds the menu bar, the three tool bars, the project tree, the ladder
// grid, the compile-message pane, the mnemonic pane, the quick-entry hint and
// the cover that hides the grid while no project is loaded, and the status
// bar of seven panels. Its timers run the ready countdown, the clock and the
// clipboard watch (every second), the start (once, 988 ms after it is shown)
// and the auto-save.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "editor/ClipboardFile.h"
#include "editor/EditCommands.h"
#include "editor/ProjectCommands.h"
#include "editor/Selection.h"
#include "editor/Settings.h"
#include "editor/qt/LadderGrid.h"
#include "editor/qt/Print.h"
#include "model/Devices.h"
#include "styling/menus/qt/FxMenuStylers.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarOfficeStyler.h"
#include "widgets/qt/WgSplit.h"

class QPainter;
class QPrinter;
class QProgressDialog;

namespace vx {

struct LadderPage;
class TDockStrip;
class TF8setValFrm;
class TLadderPoller;
class TMonitorFrm;
class TStakeoutOnOff;
class TUiLanguage;
class TWgTabSheet;
class TsetCOMpro;

class TMainFrm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainFrm(QWidget* parent = nullptr);
    ~TMainFrm() override;

    // Menu items and tool buttons by their names (for the language engine,
    // the tests and the other windows).
    QAction* Item(const QString& name) const;
    TFxToolBarButton* Button(const QString& name) const;

    TLadderGrid* LadderEdit() const { return ladderEdit_; }
    QLabel* StatusPanel(int index) const { return statusPanels_[static_cast<std::size_t>(index)]; }
    // Writes what a status panel reports. `text` makes the panel's text in
    // the language in force: now, and again at every change of language, so
    // a panel goes on reporting the same thing in the other language.
    void ShowStatus(int panel, std::function<QString()> text);
    void ShowStatus(int panel, const char* chinese, const char* english);
    // Status panel 1 back to the ready text: the work it reported has ended.
    void ShowReady();
    // Status panel 5, the clock: date and time of now, in the one clock format.
    static constexpr int kClockPanel = 5;
    void RefreshClockPanel();
    QWidget* CoverPanel() const { return panel5_; }
    QTreeWidget* TreeView1() const { return treeView1_; }
    Settings& CurrentSettings() { return settings_; }
    // The auto-save timer (Timer3).
    const QTimer& AutoSaveTimer() const { return timer3_; }
    // The start timer (Timer2): one shot after the window is shown.
    const QTimer& StartTimer() const { return timer2_; }
    // The one-second timer (Timer1): tool bar states, the clock and the
    // countdown that puts "就绪" back into status panel 1 after a compile.
    QTimer& Timer1() { return timer1_; }
    bool Chinese() const;
    // Picks the Chinese or English form of a message by the language item.
    std::string Tr(const char* chinese, const char* english) const;

    // The language refresh: Qt's own texts and the language file of the
    // language item ("kzchs.ini" or "kzeng.ini" in the program folder) applied
    // to every form, the texts the main window writes itself (status panels,
    // the recent-file item's caption) written again, then LanguageRefreshed
    // for the windows that write their own. A missing or unreadable
    // file is reported and refuses the change: the language item goes back
    // to the language in force and nothing else changes; false then
    // (MainLanguage.cpp).
    bool Button1Click();

    // Brings menus and tool bars into the project-loaded state.
    void ToolbarInitialize();

    // The dialogs and other windows the main window opens. Each is a seam:
    // the program sets the real window, tests set their own answers. An empty
    // function means the window does not exist yet.
    struct Windows {
        // Open dialog, starting in the folder, with a file chosen when one is
        // given: the chosen file, or nothing when cancelled.
        std::function<std::optional<std::string>(const std::string& folder,
                                                 const std::string& preselect)>
            openFile;
        // Save dialog for an untitled project, offered a name in the folder it
        // starts in (a whole path).
        std::function<std::optional<std::string>(const std::string& suggested)> saveFile;
        // System parameter dialog of a new project: true when confirmed.
        std::function<bool(LadderProgram&)> systemParameters;
        // Password prompt of a project that asks for one: true when right.
        std::function<bool(const LadderProgram&)> password;
        // The element entry dialog, with EntryKind and the two entry texts.
        std::function<void(std::int32_t entryKind, const std::string& edit1,
                           const std::string& edit2)>
            entry;
        // The block comment dialog: the two new lines, or nothing when cancelled.
        std::function<std::optional<std::pair<std::string, std::string>>(const std::string&,
                                                                         const std::string&)>
            blockComment;
        // The start page.
        std::function<void()> startPage;
        // What a double click on a project tree node opens (a NodeAction).
        std::function<void(int action)> openNode;
        // Starts another instance of the tool with these arguments; true when it started.
        std::function<bool(const std::vector<std::string>& arguments, const std::string& readyFile)>
            newInstance;
        // The device memory monitor: whether it is shown, and closing it (which
        // may start ladder monitoring again).
        std::function<bool()> memoryMonitorShown;
        std::function<void()> closeMemoryMonitor;
        // The customer update package's save dialog, offered a name: the
        // package folder, or nothing when cancelled.
        std::function<std::optional<std::string>(const std::string& suggested)> packageFolder;
        // The system print dialog on the printer (which it may set up): true
        // when confirmed. The printer set-up dialog likewise.
        std::function<bool(QPrinter&)> printDialog;
        std::function<void(QPrinter&)> printerSetup;
    };
    Windows& Dialogs() { return windows_; }

    // The project commands (also run by their menu items and buttons).
    void FileNewItemClick();
    void FileOpenItemClick();
    void FileSaveItemClick();
    void FileSaveAsItemClick();
    void LastFileOpenItemClick();
    void N63Click();
    // The print command (MainPrint.cpp): the print options, the print dialog,
    // then the ladder pages and the instruction list; and the printer set-up.
    void PrintToolButtonClick();
    void N29Click();
    // The printer both commands use.
    QPrinter& Printer() { return *printer_; }
    // Marks the program changed after an edit: undo snapshot, Save enabled.
    void EditFileBackup();
    // Rebuilds the project tree and shows the current block.
    void ProManageRefresh();
    // Switches the grid to a tree node (2 = Main, n + 10 = subroutine n).
    void ShowTreeNode(int node);
    // The cursor to an absolute place, the grid switched to its block first (MainLookup.cpp).
    void ShowPlace(int column, int row);
    const std::string& WinDir() const { return winDir_; }
    bool CoverShown() const;
    void SetCoverShown(bool shown);
    const std::string& ProjectFile() const { return names_.projectFile; }
    // The system parameter command: from its menu item or button the dialog
    // is shown; New and Open only let it take the project's strings. Then the
    // model and version go to status panel 3 and the project tab.
    void PLC2Click(bool fromMenu);
    // The compile command (F5; also run by the download command).
    void c1Click();
    // The download command (F6, MainDownload.cpp).
    void N12Click();
    // The customer update package (F12) and the firmware-update launch (MainUpdate.cpp).
    void N44Click();
    void FirmwareUpdateItemClick();

    // Ladder monitoring (MainOnline.cpp): F8 starts it when it is off and stops it when it is on.
    void NStakeoutONClick();
    bool Monitoring() const;
    TLadderPoller* LadderPoller() const { return ladderPoller_; }
    TsetCOMpro* SetCOMpro() const { return setCOMpro_; }
    // The device memory monitor (MainMemory.cpp): F9, its tool button, the tree
    // node and the monitoring pop-up menu's item show it.
    void ShowMemoryMonitor();
    TMonitorFrm* MonitorFrm() const { return monitorFrm_; }

    // Forcing and setting values while monitoring (MainForce.cpp). The grid's
    // pop-up menu is FxPopupMenu1 (force ON, force OFF, set current value,
    // device memory, signed display) while monitoring, else SysTrayPopupMenu.
    TFxPopupMenu* GridPopupMenu() const;
    // A double click with Shift while monitoring: the ON/OFF panel for a bit
    // device, the set-value dialog for a register or a current value.
    void EditValueAtCursor();
    // "显示16位为有符号数(&N)": 16-bit values in the grid are shown signed.
    bool SignedValues() const;
    TStakeoutOnOff* StakeoutOnOff() const { return stakeoutOnOff_; }
    TF8setValFrm* F8setValFrm() const { return f8setValFrm_; }

  signals:
    // After the start timer has enabled the window.
    void StartTimerFired();
    // Every second, after the main window's own work.
    void SecondTick();
    // A letter typed in the grid, for the quick entry box.
    void LetterTyped(QChar letter);
    // The grid shows another block.
    void BlockShown();
    // A language refresh has put the interface in the language of the
    // language item: windows that write texts themselves write them again.
    void LanguageRefreshed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildToolBars();
    void BuildClientArea();
    // The family's panes (MainPanes.cpp): the project tree's size panel, the
    // message pane, a pane's title bar, and the balloon hints.
    TWgSizePanel* BuildSidePanel(QWidget* parent);
    TWgSizePanel* BuildMessagePane(QWidget* parent);
    static TWgPanel* BuildTitleBar(QWidget* parent, const char* name, const char* caption);
    void BuildBalloonHints();
    void BuildStatusBar();
    QAction* AddItem(QMenu* menu, const char* name, const char* caption,
                     const QKeySequence& key = {});
    QAction* AddCheckItem(QMenu* menu, const char* name, const char* caption, bool checked);
    // An item of a pop-up menu with a caption of its own that runs `target`
    // and is enabled with it.
    QAction* AddLinkedItem(QMenu* menu, const char* name, const char* caption, QAction* target);
    TFxToolBarButton* AddButton(TFxToolBar* bar, const char* name, const char* hint, int image);
    void AddSeparator(TFxToolBar* bar, const char* name);
    TFxToolBar* AddToolBar(const char* name, const char* caption, int left, int width);

    void FormCreate();
    void FormShow();
    bool FormClose();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

    void ApplySettings();
    // The menu checks the settings file keeps ("范围选择", "工程栏", the language) into settings_.
    void TakeMenuChecks();
    void ToggleVisibility(QAction* item, QWidget* target);
    void N28Click();  // comment display
    void SetLook(int style);
    void RefreshCursorPanel();
    void RefreshPortPanel();
    void SetSaveEnabled(bool enabled);
    void SetProjectCommandsEnabled(bool enabled);
    void RefreshUndoButtons();
    void ConnectCommands();
    void ConnectEditing();
    void ConnectEntryWindows();  // the quick entry box and the entry dialogs (MainEntry.cpp)
    void ConnectBuildWindows();  // compile, C block and plug-in commands (MainBuild.cpp)
    // The update package, the firmware update and the calculator (MainUpdate.cpp).
    void ConnectUpdateCommands();
    void ApplyCommandResult(const CommandResult& result);
    void RunEditCommand(const std::function<CommandResult()>& command);
    void AfterSelectionEdit(const EditResult& result);
    void LadderEditKeyDown(QKeyEvent* event);
    void PlaceTool(std::int32_t toolKind);
    void HandOver(bool open, const std::string& name);
    void AfterProjectLoaded();
    ProjectHooks Hooks();
    ProjectOptions Options() const;
    // Where the project dialogs start; and the folder of a project just opened
    // or saved, remembered as the last one used.
    DialogPlaces Places() const;
    void RememberFolder();
    void TreeView1Click();
    void TreeView1DblClick();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Undo();
    void Redo();
    void Launch(const char* program, const std::vector<std::string>& arguments,
                const std::string& folder);
    // The system parameter and device usage windows (MainParameters.cpp).
    void ConnectParameterWindows();
    // Row comment, go to row, rename, colours, save and backup (MainEditorDialogs.cpp).
    void ConnectEditorDialogs();
    // The drawing colours of the settings into the grid, repainted.
    void ApplyLadderColours();
    // The find window, the duplicate-output check and the number converter (MainLookup.cpp).
    void ConnectLookupWindows();
    // The start page, the about box, the print options and the help (MainStart.cpp).
    void ConnectStartWindows();
    // Shows a page of the user guide (a path or a file link) in the help viewer.
    void OpenHelpPage(const std::string& page);
    // The header panel and the print commands (MainPrint.cpp).
    void ConnectPrint();
    // One sheet more for the print job (begun on the first): false when the
    // printer could not be opened.
    bool NextSheet(QPainter& painter, bool landscape);
    bool PrintLadderPages(QPainter& painter, const std::vector<LadderPage>& pages,
                          QProgressDialog& progress);
    void PrintLadderPage(QPainter& painter, const LadderPage& page, int rowsPerPage);
    bool PrintInstructionList(QPainter& painter);

    // Widgets.
    TFxMainMenu* mainMenu_ = nullptr;
    TFxMenuOfficeStyler* menuStyler_ = nullptr;
    TFxToolBarOfficeStyler* toolBarStyler_ = nullptr;
    TImageList* toolImages_ = nullptr;      // the pictures of the tool bars and menus
    TDockStrip* dockStrip_ = nullptr;       // the top of the client area
    TFxDockPanel* fxDockPanel1_ = nullptr;  // the tool bars' dock, in the strip
    TFxToolBar* standardBar_ = nullptr;
    TFxToolBar* functionBar_ = nullptr;
    TFxToolBar* auxiliaryBar_ = nullptr;
    QSplitter* splitter_ = nullptr;
    TWgSizePanel* wgSizePanel2_ = nullptr;  // project tree panel
    TWgTabSheet* tabSheet1_ = nullptr;      // its project tab: the model and version
    QTreeWidget* treeView1_ = nullptr;
    QWidget* panel1_ = nullptr;  // grid panel
    TLadderGrid* ladderEdit_ = nullptr;
    TWgSizePanel* wgSizePanel1_ = nullptr;  // compile-message pane
    QPlainTextEdit* memo2_ = nullptr;
    QWidget* panel4_ = nullptr;  // mnemonic pane
    QPlainTextEdit* memo1_ = nullptr;
    QPlainTextEdit* ldHelp_ = nullptr;
    QWidget* panel5_ = nullptr;  // cover
    QWidget* panel3_ = nullptr;  // the print header, drawn on ladder pages only
    QLabel* label2_ = nullptr;
    QLabel* image1_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    TFxPopupMenu* gridPopup_ = nullptr;
    std::array<QLabel*, 7> statusPanels_{};
    std::array<std::function<QString()>, 7> statusTexts_;  // what each panel reports
    void RefreshStatusPanels();
    std::map<QString, QAction*> items_;
    std::map<QString, TFxToolBarButton*> buttons_;

    QTimer timer1_, timer2_, timer3_;

    // Editor state of the window's run.
    Settings settings_;
    bool shown_ = false;
    int readyCountdown_ = 0;
    // A save (Save or Save as) is running: its name dialog or a message is
    // open, so the auto-save timer and a second save wait for it to end.
    bool saving_ = false;
    std::string winDir_;
    std::string targetFile_;
    ProjectNames names_;
    std::string lastFolder_;
    std::string commandLineProject_;
    std::string openRequest_;
    std::string openRequestName_;
    ClipboardWatch clipboardWatch_{ClipboardFilePath()};
    Windows windows_;
    int treePopup_ = 0;
    std::set<QString> unbuilt_;  // commands whose windows do not exist yet

    // The language menu's two items (MainLanguage.cpp).
    void ConnectLanguage();
    void SetLanguageItems(bool chinese);
    // The recent-file item: the last project's path the settings file keeps,
    // or, while it names none, "最近文件" in the language in force.
    void ShowRecentFileCaption();
    TUiLanguage* uiLanguage_ = nullptr;
    bool chineseInForce_ = true;  // the language of the texts: the forms are built in Chinese

    void ConnectOnline();
    void ConnectDownload();
    // The clock, information, analog/encoder, pulse test and CAN dialogs (MainUtility.cpp).
    void ConnectUtilityWindows();
    // The utility dialogs, each holding a link of its own while it is open.
    std::vector<QDialog*> onlineDialogs_;
    // Ends every use of the link before a download: the utility dialogs and
    // the device memory monitor close, ladder monitoring stops.
    void EndOnlineWindows();
    void ApplyLinkSettings();
    void LadderRegionChanged();
    void N13Click();
    // Status panel 2: the port and that the controller did not answer.
    void ShowLinkFailed();
    TLadderPoller* ladderPoller_ = nullptr;
    TsetCOMpro* setCOMpro_ = nullptr;

    void ConnectMemoryMonitor();
    TMonitorFrm* monitorFrm_ = nullptr;
    void ConnectForce();
    DeviceCode CursorDevice() const;
    void ForceAtCursor(bool on);  // MenuItem4Click, MenuItem6Click
    void MenuItem8Click();
    void Panel2Click(DeviceCode code, int value);
    void ShowSetValue();
    TFxPopupMenu* fxPopupMenu1_ = nullptr;
    TStakeoutOnOff* stakeoutOnOff_ = nullptr;
    TF8setValFrm* f8setValFrm_ = nullptr;
};

}  // namespace vx
