// The main window driven as a user drives it: start, New, editing through
// the tools and menus, save, close and reopen, undo and redo, block switching.
#include "editor/qt/Main.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "ClockTextCheck.h"
#include "editor/ClipCells.h"
#include "editor/DeviceComments.h"
#include "editor/GridCursor.h"
#include "editor/ProgramBlocks.h"
#include "editor/Settings.h"
#include "editor/UndoHistory.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "platform/SystemFolders.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"
#include "support/ToolButtonClick.h"

namespace vx {
namespace {

using test::IsClockText;
using test::MessageRecorder;
using test::ScopedLocale;
using test::TempFolder;

class MainFrmTest : public testing::Test {
  protected:
    void SetUp() override { test::ResetEditorRunState(); }

    // A main window that has been shown and whose start timer has fired.
    std::unique_ptr<TMainFrm> Started() {
        // New confirms the parameter dialog unchanged.
        return test::StartedMainWindow(
            [this](TMainFrm& frm) { frm.Dialogs().startPage = [this] { ++startPages_; }; });
    }

    static std::uint8_t KindAt(int column, int row) { return TheProgram().cells.Kind(column, row); }

    MessageRecorder messages_;
    TempFolder dir_;
    int startPages_ = 0;
};

TEST_F(MainFrmTest, StartsDisabledThenEnablesAndOffersTheStartPage) {
    TMainFrm frm;
    int startPages = 0;
    frm.Dialogs().startPage = [&] { ++startPages; };
    EXPECT_FALSE(frm.isEnabled()) << "created disabled";
    QSignalSpy started(&frm, &TMainFrm::StartTimerFired);
    frm.show();
    EXPECT_EQ(frm.windowTitle(), QString("KZ6-Quillary"));
    EXPECT_FALSE(frm.isEnabled());
    ASSERT_TRUE(started.wait(test::kStateWaitMs)) << "the start timer enables the window";
    EXPECT_TRUE(frm.isEnabled());
    EXPECT_EQ(startPages, 1);
    EXPECT_TRUE(frm.CoverShown());
    EXPECT_TRUE(frm.Item("N28")->isChecked()) << "comment display is switched on once";
    EXPECT_EQ(frm.LadderEdit()->DefaultRowHeight(), 55);
    EXPECT_EQ(frm.StatusPanel(1)->text(), QString(" 就绪"));
    EXPECT_EQ(frm.StatusPanel(2)->text(), QString(" COM1"));
    EXPECT_TRUE(FileExists(ClipboardFilePath())) << "a fresh clipboard file is written";
    EXPECT_EQ(TheClipCells().OpenMode(), "StartOpenFile");
    EXPECT_EQ(TheClipCells().NewMode(), "StartNewFile");
}

TEST_F(MainFrmTest, StatusClockShowsTheLocaleShortFormatsFromTheFirstShowOn) {
    const QLocale german(QLocale::German, QLocale::Germany);
    ScopedLocale user(german);
    TMainFrm frm;
    frm.Dialogs().startPage = [] {};
    frm.show();
    EXPECT_TRUE(IsClockText(frm.StatusPanel(5)->text(), german))
        << "first show: '" << frm.StatusPanel(5)->text().toStdString() << "'";
    QSignalSpy tick(&frm, &TMainFrm::SecondTick);
    ASSERT_TRUE(tick.wait(test::kStateWaitMs));
    EXPECT_TRUE(IsClockText(frm.StatusPanel(5)->text(), german))
        << "tick: '" << frm.StatusPanel(5)->text().toStdString() << "'";
}

TEST_F(MainFrmTest, NewProjectThenToolsEditTheGrid) {
    auto frm = Started();
    frm->FileNewItemClick();
    ASSERT_FALSE(frm->CoverShown());
    EXPECT_FALSE(frm->Item("FileSaveItem")->isEnabled()) << "a fresh project has nothing unsaved";
    EXPECT_EQ(TheProgram().sysParamString, "0200000000136429200005000100640640650660670C80C9000");
    EXPECT_EQ(frm->StatusPanel(6)->text(), QString(" 主程序.Main"));
    EXPECT_EQ(TheProgram().subroutineNames[31], "TIME_1ms");

    // "XL" in column 1: a line, and the cursor moves right.
    test::ClickToolButton(frm->Button("FxToolBarButton9"));
    EXPECT_EQ(KindAt(1, 0), CellKind::kLine);
    EXPECT_EQ(frm->LadderEdit()->Col(), 2);
    EXPECT_TRUE(frm->Item("FileSaveItem")->isEnabled());
    EXPECT_TRUE(frm->Button("ToolButton9")->isEnabled()) << "undo is possible";
    test::ClickToolButton(frm->Button("FxToolBarButton10"));  // INV
    EXPECT_EQ(KindAt(2, 0), CellKind::kInverter);

    // A line in the output column is refused with the placing message.
    frm->LadderEdit()->SetCursor(12, 0);
    test::ClickToolButton(frm->Button("FxToolBarButton9"));
    EXPECT_EQ(KindAt(12, 0), CellKind::kEmpty);
    ASSERT_GE(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "这里不能放置该元件 ！");

    // The entry tools hand over to the entry dialog with the cell.
    std::int32_t asked = 0;
    frm->Dialogs().entry = [&](std::int32_t kind, const std::string&, const std::string&) {
        asked = kind;
    };
    frm->LadderEdit()->SetCursor(3, 0);
    test::ClickToolButton(frm->Button("FxToolBarButton1"));
    EXPECT_EQ(asked, CellKind::kOpenContact);

    // Backspace clears the cell left of... the cursor cell, and moves left.
    frm->LadderEdit()->SetCursor(2, 0);
    QTest::keyClick(frm->LadderEdit(), Qt::Key_Backspace);
    EXPECT_EQ(KindAt(2, 0), CellKind::kEmpty);
    EXPECT_EQ(frm->LadderEdit()->Col(), 1);
}

TEST_F(MainFrmTest, SaveCloseAndReopenKeepTheCells) {
    const std::string path = dir_ / "泵站控制";
    {
        auto frm = Started();
        frm->FileNewItemClick();
        test::ClickToolButton(frm->Button("FxToolBarButton9"));
        frm->LadderEdit()->SetCursor(5, 7);
        test::ClickToolButton(frm->Button("FxToolBarButton10"));
        frm->Dialogs().saveFile = [&](const std::string& suggested) {
            EXPECT_EQ(suggested, QDir::homePath().toStdString() + "/Torvin0")
                << "nothing opened or saved yet: the user's own folder";
            return std::optional<std::string>(path);
        };
        frm->FileSaveItemClick();
        EXPECT_EQ(frm->ProjectFile(), path + ".PSP");
        EXPECT_EQ(frm->windowTitle().toStdString(), "KZ6-Quillary - [" + path + ".PSP]");
        EXPECT_FALSE(frm->Item("FileSaveItem")->isEnabled());
        EXPECT_FALSE(frm->Button("ToolButton9")->isEnabled()) << "saving empties the history";
        EXPECT_EQ(frm->Item("LastFileOpenItem")->text(), QString("最近文件"))
            << "the recent file is the settings file's, read at the start";
        messages_.Answer(MsgAnswer::Yes);  // "是否退出程序 ？"
        EXPECT_TRUE(frm->close());
        EXPECT_EQ(messages_.Last().text, "是否退出程序 ？");
        EXPECT_FALSE(FileExists(ClipboardFilePath())) << "closing deletes the clipboard file";
        EXPECT_TRUE(FileExists(SettingsFilePath())) << "and writes the settings";
    }
    const LadderCells saved = TheProgram().cells;
    TheProgram().Clear();

    // The image another project compiled is never downloaded for this one.
    const std::string staleImage = JoinPath(WindowsDirectory(), "Torvin.pin");
    test::WriteTestFile(staleImage, "image of another project");
    auto frm = Started();
    frm->Dialogs().openFile = [&](const std::string&, const std::string&) {
        return std::optional<std::string>(path + ".PSP");
    };
    frm->FileOpenItemClick();
    ASSERT_FALSE(frm->CoverShown());
    EXPECT_FALSE(FileExists(staleImage)) << "loading a project removes the old image";
    EXPECT_EQ(TheProgram().cells, saved);
    EXPECT_EQ(KindAt(5, 7), CellKind::kInverter);
    EXPECT_EQ(frm->Item("LastFileOpenItem")->text().toStdString(), "&1 " + path + ".PSP")
        << "the recent file remembered at the last close";
}

TEST_F(MainFrmTest, YlFromTheRowBeforeTheLastDrawsTheLinkAndSaysTheLastRowIsUsed) {
    auto frm = Started();
    frm->FileNewItemClick();
    frm->LadderEdit()->SetCursor(4, 1998);
    test::ClickToolButton(frm->Button("FxToolBarButton11"));  // "YL"
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "梯形图最后一行有内容 ！");
    EXPECT_EQ(KindAt(4, 1998), CellKind::kLinkDown);
    EXPECT_EQ(KindAt(4, 1999), CellKind::kLinkUp);
    EXPECT_EQ(frm->LadderEdit()->Row(), 1999);
    EXPECT_TRUE(frm->Item("FileSaveItem")->isEnabled()) << "the drawn link is an edit";
}

// The refusal's message box takes Shift's key-up: YL after it is YL without
// Shift, which opens its branch row (refused here, as the last row is used).
TEST_F(MainFrmTest, ShiftReleasedOverARefusalIsNoLongerHeld) {
    auto frm = Started();
    frm->FileNewItemClick();
    TheProgram().cells.Kind(3, 1999) = CellKind::kLine;
    TLadderGrid* grid = frm->LadderEdit();
    grid->SetCursor(4, 10);
    frm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get(), test::kStateWaitMs));
    grid->setFocus();
    QTest::keyPress(grid, Qt::Key_Insert, Qt::ShiftModifier);  // "行插入", Shift+Ins
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "梯形图最后一行有内容 ！");
    QWidget box;
    QTest::keyRelease(&box, Qt::Key_Insert, Qt::ShiftModifier);
    test::ClickToolButton(frm->Button("FxToolBarButton11"));  // "YL"
    ASSERT_EQ(messages_.Count(), 2u) << "YL acted as Shift+YL";
    EXPECT_EQ(messages_.Last().text, "梯形图最后一行有内容 ！");
}

TEST_F(MainFrmTest, UndoAndRedoThroughTheButtons) {
    auto frm = Started();
    frm->FileNewItemClick();
    for (int col = 1; col <= 3; ++col) {
        frm->LadderEdit()->SetCursor(col, 0);
        test::ClickToolButton(frm->Button("FxToolBarButton9"));
    }
    EXPECT_EQ(KindAt(3, 0), CellKind::kLine);
    test::ClickToolButton(frm->Button("ToolButton9"));
    EXPECT_EQ(KindAt(3, 0), CellKind::kEmpty);
    EXPECT_EQ(KindAt(2, 0), CellKind::kLine);
    test::ClickToolButton(frm->Button("ToolButton9"));
    test::ClickToolButton(frm->Button("ToolButton9"));
    EXPECT_EQ(KindAt(1, 0), CellKind::kEmpty);
    EXPECT_FALSE(frm->Button("ToolButton9")->isEnabled()) << "nothing older to go back to";
    test::ClickToolButton(frm->Button("ToolButton11"));
    EXPECT_EQ(KindAt(1, 0), CellKind::kLine);
    EXPECT_TRUE(frm->Button("ToolButton11")->isEnabled());
    // An edit drops the redo steps.
    frm->LadderEdit()->SetCursor(6, 0);
    test::ClickToolButton(frm->Button("FxToolBarButton10"));
    EXPECT_FALSE(frm->Button("ToolButton11")->isEnabled());
}

TEST_F(MainFrmTest, SwitchingBlocksShowsTheirRowsCaptionAndStatus) {
    auto frm = Started();
    frm->FileNewItemClick();
    frm->LadderEdit()->SetCursor(1, 40);
    frm->ShowTreeNode(kFirstSubroutineNode + 3);
    EXPECT_EQ(frm->LadderEdit()->RowCount(), 256);
    EXPECT_EQ(frm->StatusPanel(6)->text(), QString(" 子程序.3"));
    EXPECT_EQ(frm->windowTitle(), QString("KZ6-Quillary - [Torvin0] - [ 子程序.3 ]"));
    EXPECT_EQ(frm->LadderEdit()->Row(), 0);
    test::ClickToolButton(frm->Button("FxToolBarButton9"));
    EXPECT_EQ(KindAt(1, BlockFirstRow(3)), CellKind::kLine)
        << "edits go into the subroutine's rows";
    frm->ShowTreeNode(kMainNode);
    EXPECT_EQ(frm->LadderEdit()->RowCount(), 2000);
    EXPECT_EQ(frm->LadderEdit()->Row(), 40) << "the main program's row is remembered";
    frm->Item("English1")->trigger();
    frm->ShowTreeNode(kFirstSubroutineNode + 2);
    EXPECT_EQ(frm->StatusPanel(6)->text(), QString(" Sub.2"));
}

TEST_F(MainFrmTest, ClosingAsksAndStaysOpenWhenTheSaveDoesNotHappen) {
    auto frm = Started();
    frm->FileNewItemClick();
    test::ClickToolButton(frm->Button("FxToolBarButton9"));
    messages_.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(frm->close());
    EXPECT_EQ(messages_.Last().text, "是否保存 Torvin0 文件 ？");
    // Yes, but the save dialog is cancelled: the window stays, nothing is lost.
    frm->Dialogs().saveFile = [](const std::string&) { return std::optional<std::string>(); };
    messages_.Answer(MsgAnswer::Yes);
    EXPECT_FALSE(frm->close());
    EXPECT_EQ(KindAt(1, 0), CellKind::kLine);
    EXPECT_TRUE(FileExists(ClipboardFilePath()));
    // Yes, and the save fails: told, the window stays and still asks for a name.
    frm->Dialogs().saveFile = [this](const std::string&) {
        return std::optional<std::string>(dir_ / "gone/p");
    };
    messages_.Answer(MsgAnswer::Yes);
    EXPECT_FALSE(frm->close());
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Exclamation);
    EXPECT_TRUE(frm->Item("FileSaveItem")->isEnabled());
    messages_.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(frm->close());
    EXPECT_EQ(messages_.Last().text, "是否保存 Torvin0 文件 ？");
}

// A save's name dialog and its failure message, and any other modal window,
// run event loops of their own in which the auto-save timer goes on firing:
// no tick may start a save on top of them (a second dialog or message at
// every interval). Once they are closed, auto-save goes on.
TEST_F(MainFrmTest, AutoSaveStartsNoSaveWhileADialogOrMessageIsOpen) {
    auto frm = Started();
    frm->FileNewItemClick();
    test::ClickToolButton(frm->Button("FxToolBarButton9"));  // an edit to save
    auto& autoSave = const_cast<QTimer&>(frm->AutoSaveTimer());
    int ticks = 0, open = 0, deepest = 0, names = 0, failures = 0;
    QObject::connect(&autoSave, &QTimer::timeout, frm.get(), [&] { ++ticks; });
    // Open until the timer has fired three more times; one opened on top of
    // another is answered at once.
    auto modal = [&] {
        deepest = std::max(deepest, ++open);
        if (open == 1) {
            const int from = ticks;
            EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= from + 3; }, test::kStateWaitMs));
        }
        --open;
    };
    frm->Dialogs().saveFile = [&](const std::string&) {
        ++names;
        modal();
        return std::optional<std::string>(dir_ / "gone/p");  // a folder that is not there
    };
    {
        struct Presenter {
            MessagePresenter previous;
            ~Presenter() { SetMessagePresenter(std::move(previous)); }
        } presenter{SetMessagePresenter([&](const Message& message) {
            ++failures;
            EXPECT_EQ(message.icon, MsgIcon::Exclamation);
            modal();
            return MsgAnswer::Ok;
        })};
        autoSave.start(5);
        frm->Item("FileSaveItem")->trigger();  // Ctrl+S
    }
    EXPECT_EQ(deepest, 1) << "nothing opened on top of the dialog or the message";
    EXPECT_EQ(names, 1);
    EXPECT_EQ(failures, 1);
    ASSERT_TRUE(frm->Item("FileSaveItem")->isEnabled()) << "nothing saved: still to save";

    // Another modal window: the ticks meanwhile start nothing.
    names = 0;
    frm->Dialogs().saveFile = [&](const std::string&) {
        ++names;
        return std::optional<std::string>();
    };
    QDialog other(frm.get());
    test::WhenModal(frm.get(), [&](QWidget*) {
        const int from = ticks;
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= from + 3; }, test::kStateWaitMs));
        other.reject();
    });
    other.exec();
    EXPECT_EQ(names, 0);
    VX_WAIT_TRUE(names > 0, test::kStateWaitMs);  // and the next tick after it saves
    autoSave.stop();
}

TEST_F(MainFrmTest, ClosingWithoutAProjectAsksNothing) {
    auto frm = Started();
    ASSERT_TRUE(frm->CoverShown());
    const std::size_t before = messages_.Count();
    EXPECT_TRUE(frm->close());
    EXPECT_EQ(messages_.Count(), before);
    EXPECT_FALSE(FileExists(SettingsFilePath())) << "no settings are written";
}

// The view checks the settings file keeps are saved as the menus show them
// and come back at the next start.
TEST_F(MainFrmTest, ViewChecksAreWhatTheSettingsFileKeeps) {
    {
        auto frm = Started();
        frm->FileNewItemClick();
        QWidget* tree = frm->findChild<QWidget*>(QStringLiteral("WgSizePanel2"));
        ASSERT_TRUE(frm->Item("N54")->isChecked());
        EXPECT_TRUE(tree->isVisibleTo(frm.get()));
        frm->Item("N54")->trigger();  // "工程栏": the user hides the project tree
        EXPECT_FALSE(tree->isVisibleTo(frm.get()));
        frm->Item("D5")->trigger();        // "范围选择" off
        frm->Item("English1")->trigger();  // language English
        messages_.Answer(MsgAnswer::Yes);
        ASSERT_TRUE(frm->close());
    }
    const Settings saved = LoadSettings(SettingsFilePath());
    EXPECT_FALSE(saved.proColumn);
    EXPECT_FALSE(saved.rangeSelect);
    EXPECT_FALSE(saved.chinese);

    auto frm = Started();
    EXPECT_FALSE(frm->Item("N54")->isChecked()) << "the project tree stays hidden";
    EXPECT_FALSE(frm->Item("D5")->isChecked());
    EXPECT_TRUE(frm->Item("English1")->isChecked());
    frm->FileNewItemClick();
    EXPECT_FALSE(frm->findChild<QWidget*>(QStringLiteral("WgSizePanel2"))->isVisibleTo(frm.get()));
    frm->Item("N54")->trigger();  // shown again: saved as shown
    messages_.Answer(MsgAnswer::Yes);
    ASSERT_TRUE(frm->close());
    EXPECT_TRUE(LoadSettings(SettingsFilePath()).proColumn);
}

// On a screen 1280 pixels or wider the project tree is shown at start
// whatever the file says, and that is what the next close saves. Runs on the
// wide offscreen screen of the MainFrmWideScreen test.
TEST_F(MainFrmTest, WideScreenShowsTheProjectTreeAndSavesThat) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || screen->geometry().width() < 1280)
        GTEST_SKIP() << "needs a screen 1280 pixels wide (ctest MainFrmWideScreen)";
    Settings hidden;
    hidden.proColumn = false;
    ASSERT_TRUE(SaveSettings(SettingsFilePath(), hidden, "Torvin0"));
    auto frm = Started();
    EXPECT_TRUE(frm->Item("N54")->isChecked());
    frm->FileNewItemClick();
    EXPECT_TRUE(frm->findChild<QWidget*>(QStringLiteral("WgSizePanel2"))->isVisibleTo(frm.get()));
    messages_.Answer(MsgAnswer::Yes);
    ASSERT_TRUE(frm->close());
    EXPECT_TRUE(LoadSettings(SettingsFilePath()).proColumn);
}

TEST_F(MainFrmTest, CopyInTheGridBecomesPasteableWithinASecond) {
    auto frm = Started();
    frm->FileNewItemClick();
    test::ClickToolButton(frm->Button("FxToolBarButton9"));
    frm->LadderEdit()->SetCursor(1, 0);
    EXPECT_FALSE(frm->Item("affixV")->isEnabled());
    frm->Item("copyC")->trigger();
    VX_WAIT_TRUE(frm->Item("affixV")->isEnabled(), test::kStateWaitMs);
    frm->LadderEdit()->SetCursor(1, 5);
    frm->Item("affixV")->trigger();
    EXPECT_EQ(KindAt(1, 5), CellKind::kLine);
}

// The look command sets the tool-bar styler first, then the menu styler.
// The tool bars start in the window's own palette; the first look leaves it,
// the first look after another gives the blue set.
TEST_F(MainFrmTest, LooksSetTheToolBarStylerFirstOverItsStoredPalette) {
    TMainFrm frm;
    auto* styler = frm.findChild<TFxToolBarOfficeStyler*>("FxToolBarOfficeStyler1");
    auto* menus = frm.findChild<TFxMenuOfficeStyler*>();
    ASSERT_NE(styler, nullptr);
    ASSERT_NE(menus, nullptr);
    struct Watcher : QObject, IToolBarStyleReceiver {
        QObject* ReceiverObject() override { return this; }
        void StylerChanged(int) override { menuLook = static_cast<int>(menus->Style()); }
        TFxMenuOfficeStyler* menus = nullptr;
        int menuLook = -1;
    } watcher;
    watcher.menus = menus;
    styler->AddControl(&watcher);

    struct Look {
        const char* item;
        TColor hot, checked, captionHot, floatingBorder, tabTextDisabled, bar;
    };
    const Look stored{"", 0xDCFFFF, 0x3E80FE, 0xFDEADA, 0x6D6D6D, clSilver, 0xFDEADA};
    const Look looks[] = {
        {"N56", 0xDCFFFF, 0x3E80FE, 0xFDEADA, 0x6D6D6D, clSilver, 0xFDEADA},
        {"N57", 0xCCF4FF, 0x8CD5FF, 0xCCF4FF, 0x927476, 0x808080, 0xECE2E1},
        {"N56", 0xCCF4FF, 0x8CD5FF, 0xCCF4FF, 0x913500, 0x808080, 0xFDEADA},
        {"N58", 0xCCF4FF, 0x8CD5FF, 0xCCF4FF, 0x6B7760, 0x808080, 0xCFF0EA},
    };
    const auto check = [&](const Look& look) {
        EXPECT_EQ(styler->ButtonAppearance().ColorHot(), look.hot) << look.item;
        EXPECT_EQ(styler->ButtonAppearance().ColorChecked(), look.checked) << look.item;
        EXPECT_EQ(styler->CaptionAppearance().CaptionColorHot(), look.captionHot) << look.item;
        EXPECT_EQ(styler->FloatingWindowBorderColor(), look.floatingBorder) << look.item;
        EXPECT_EQ(styler->TabAppearance().TextColorDisabled(), look.tabTextDisabled) << look.item;
        EXPECT_EQ(styler->Color().Color(), look.bar) << look.item;
    };
    check(stored);
    int previous = static_cast<int>(menus->Style());
    for (const Look& look : looks) {
        frm.Item(look.item)->trigger();
        check(look);
        if (watcher.menuLook != -1) {
            EXPECT_EQ(watcher.menuLook, previous) << look.item;
        }
        previous = static_cast<int>(menus->Style());
        watcher.menuLook = -1;
    }
    EXPECT_EQ(static_cast<int>(styler->Style()), 2);
    EXPECT_EQ(previous, 2);
}

}  // namespace
}  // namespace vx
