// The editor's small dialogs driven through the main window: the row
// comment, go to row, the subroutine rename, the ladder colours and the save
// and backup settings, with their menu items, keys and tree pop-up items.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

#include "editor/GridCursor.h"
#include "editor/ProgramBlocks.h"
#include "editor/Settings.h"
#include "editor/qt/BlockExegesis.h"
#include "editor/qt/Main.h"
#include "editor/qt/SavBak.h"
#include "editor/qt/SelfhoodColor.h"
#include "editor/qt/SubRename.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

// Runs `action` once a modal window of class Window is the active one.
template <class Window>
void WhenModal(QObject* owner, std::function<void(Window&)> action) {
    auto* poll = new QTimer(owner);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, owner, [poll, action = std::move(action)] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (window == nullptr || !window->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        action(*window);
    });
    poll->start();
}

class EditorDialogsTest : public testing::Test {
  protected:
    void SetUp() override {
        test::ResetEditorRunState();
        frm_ = test::StartedMainWindow();
        frm_->FileNewItemClick();
        ASSERT_FALSE(frm_->CoverShown());
        ASSERT_FALSE(frm_->Item("FileSaveItem")->isEnabled());
    }
    void TearDown() override { frm_.reset(); }

    template <class Window>
    Window* Find() const {
        return frm_->findChild<Window*>();
    }
    // The text of the tree node of subroutine n.
    QString NodeText(int n) const {
        const QList<QTreeWidgetItem*> found = frm_->TreeView1()->findItems(
            QString("%1 - ").arg(n), Qt::MatchStartsWith | Qt::MatchRecursive);
        return found.isEmpty() ? QString() : found.first()->text(0);
    }

    std::unique_ptr<TMainFrm> frm_;
    test::MessageRecorder messages_;
};

TEST_F(EditorDialogsTest, TheCommandsStandInTheirMenusWithTheirKeysAndWork) {
    test::ExpectMenuItems(*frm_,
                          {
                              {"P2", "Edit1", "程序块注释(&B)", QKeySequence(Qt::CTRL | Qt::Key_B)},
                              {"MenuItem3", "Find1", "移到行(&G)...", QKeySequence()},
                              {"N46", "Options1", "保存和备份(&B)...", QKeySequence()},
                              {"I5", "N50", "梯形图颜色配置(&D)...", QKeySequence()},
                          });
    // The grid's pop-up menu holds go to row, under a caption of its own, and
    // the row comment.
    const QList<QAction*> popup = frm_->GridPopupMenu()->actions();
    EXPECT_TRUE(popup.contains(frm_->Item("GridGoToRowItem")));
    EXPECT_EQ(frm_->Item("GridGoToRowItem")->text(), QString("转移到行(&G)..."));
    EXPECT_TRUE(popup.contains(frm_->Item("P2")));
    // One window of each, for the whole run, with the names the language files use.
    EXPECT_EQ(Find<TBlockExegesisFrm>()->objectName(), QString("BlockExegesisFrm"));
    EXPECT_EQ(Find<TSubRenameFrm>()->objectName(), QString("SubRenameFrm"));
    EXPECT_EQ(Find<TSelfhoodColorFrm>()->objectName(), QString("SelfhoodColorFrm"));
    EXPECT_EQ(Find<TForSav>()->objectName(), QString("ForSav"));
}

TEST_F(EditorDialogsTest, RowCommentGoesToTheCommentColumnOfTheCursorRow) {
    LadderCells& cells = TheProgram().cells;
    cells.First(13, 3) = "old";
    cells.Second(13, 3) = "two";
    cells.Kind(13, 3) = CellKind::kRailMarker;
    frm_->LadderEdit()->SetCursor(4, 3);

    QString shown1, shown2, title;
    bool edit1Focused = false;
    WhenModal<TBlockExegesisFrm>(frm_.get(), [&](TBlockExegesisFrm& d) {
        title = d.windowTitle();
        shown1 = d.Edit1()->text();
        shown2 = d.Edit2()->text();
        edit1Focused = d.focusWidget() == d.Edit1();
        d.Edit1()->setText("电机启动");
        d.Edit2()->setText("Motor 1");
        d.SpeedButton1()->click();
    });
    QTest::keyClick(frm_->LadderEdit(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(title, QString("程序块注释"));
    EXPECT_EQ(shown1, QString("old"));
    EXPECT_EQ(shown2, QString("two"));
    EXPECT_TRUE(edit1Focused);
    EXPECT_EQ(cells.First(13, 3), "电机启动");
    EXPECT_EQ(cells.Second(13, 3), "Motor 1");
    EXPECT_EQ(cells.Kind(13, 3), CellKind::kRailMarker) << "the kind byte is not touched";
    EXPECT_EQ(cells.First(13, 2), "") << "only the cursor row";
    EXPECT_TRUE(frm_->Item("FileSaveItem")->isEnabled());
    EXPECT_TRUE(frm_->Item("UndoItem")->isEnabled()) << "an undo step";

    // Esc leaves the comment; Enter in the second line stores both.
    WhenModal<TBlockExegesisFrm>(frm_.get(), [](TBlockExegesisFrm& d) {
        d.Edit1()->setText("changed");
        QTest::keyClick(d.Edit1(), Qt::Key_Escape);
    });
    frm_->Item("P2")->trigger();
    EXPECT_EQ(cells.First(13, 3), "电机启动");
    WhenModal<TBlockExegesisFrm>(frm_.get(), [](TBlockExegesisFrm& d) {
        d.Edit2()->setText("Enter");
        QTest::keyClick(d.Edit2(), Qt::Key_Return);
    });
    frm_->Item("P2")->trigger();
    EXPECT_EQ(cells.Second(13, 3), "Enter");
    EXPECT_FALSE(Find<TBlockExegesisFrm>()->isVisible());
}

TEST_F(EditorDialogsTest, ARowCommentLineTakesWhatTheProjectFileKeeps) {
    // 26 bytes: thirteen Chinese characters; a longer line would lose its end on save.
    const QString thirteen = QString::fromUtf8("一二三四五六七八九十甲乙丙");
    QString typed1, typed2;
    WhenModal<TBlockExegesisFrm>(frm_.get(), [&](TBlockExegesisFrm& d) {
        d.Edit1()->clear();
        d.Edit1()->insert(thirteen);
        d.Edit1()->insert(QString::fromUtf8("丁"));
        d.Edit2()->clear();
        QTest::keyClicks(d.Edit2(), QString(30, 'x'));
        typed1 = d.Edit1()->text();
        typed2 = d.Edit2()->text();
        d.SpeedButton1()->click();
    });
    frm_->Item("P2")->trigger();
    EXPECT_EQ(typed1, thirteen);
    EXPECT_EQ(typed2, QString(26, 'x'));
    EXPECT_EQ(TheProgram().cells.First(13, 0), thirteen.toStdString());
}

TEST_F(EditorDialogsTest, GoToRowOffersTheCursorRowOfTheShownBlockAndGoesThere) {
    frm_->ShowTreeNode(NodeOfBlock(3));
    frm_->LadderEdit()->SetCursor(5, 9);  // the 10th row of subroutine 3
    TSubRenameFrm* dialog = Find<TSubRenameFrm>();
    QString title, range, hint;
    int value = 0, maximum = 0;
    bool spinShown = false, nameShown = true, spinFocused = false;
    WhenModal<TSubRenameFrm>(frm_.get(), [&](TSubRenameFrm& d) {
        title = d.windowTitle();
        value = d.SpinEdit1()->value();
        maximum = d.SpinEdit1()->maximum();
        range = d.Label3()->text();
        hint = d.SpinEdit1()->toolTip();
        spinShown = d.Panel2()->isVisible();
        nameShown = d.Panel1()->isVisible();
        spinFocused = d.focusWidget() == d.SpinEdit1();
        d.SpinEdit1()->setValue(256);
        d.BitBtn1()->click();
    });
    frm_->Item("MenuItem3")->trigger();
    EXPECT_EQ(dialog->Tag(), kGoToRowTag);
    EXPECT_EQ(title, QString("转移到行"));
    EXPECT_EQ(value, 10);
    EXPECT_EQ(maximum, 256);
    EXPECT_EQ(range, QString("1 ~ 256"));
    EXPECT_EQ(hint, QString("1 ~ 256"));
    EXPECT_TRUE(spinShown);
    EXPECT_FALSE(nameShown);
    EXPECT_TRUE(spinFocused);
    EXPECT_EQ(frm_->LadderEdit()->Row(), 255) << "the block's last row";
    EXPECT_EQ(frm_->LadderEdit()->Col(), 1);
    EXPECT_EQ(TheGridCursor().cursorRow, 2000 + 256 * 3 + 255);
    EXPECT_FALSE(frm_->Item("FileSaveItem")->isEnabled()) << "going somewhere changes nothing";

    // Typed digits and Enter; Esc stays where it is.
    WhenModal<TSubRenameFrm>(frm_.get(), [](TSubRenameFrm& d) {
        d.SpinEdit1()->selectAll();
        QTest::keyClicks(d.SpinEdit1(), "12");
        QTest::keyClick(d.SpinEdit1(), Qt::Key_Return);
    });
    frm_->Item("GridGoToRowItem")->trigger();  // the grid's pop-up item runs it too
    EXPECT_EQ(frm_->LadderEdit()->Row(), 11);
    WhenModal<TSubRenameFrm>(frm_.get(), [](TSubRenameFrm& d) {
        d.SpinEdit1()->setValue(100);
        QTest::keyClick(d.SpinEdit1(), Qt::Key_Escape);
    });
    frm_->Item("MenuItem3")->trigger();
    EXPECT_EQ(frm_->LadderEdit()->Row(), 11);

    // In Main the range is 2000 rows.
    frm_->ShowTreeNode(kMainNode);
    WhenModal<TSubRenameFrm>(frm_.get(), [&](TSubRenameFrm& d) {
        range = d.Label3()->text();
        d.SpinEdit1()->setValue(2000);
        d.BitBtn1()->click();
    });
    frm_->Item("MenuItem3")->trigger();
    EXPECT_EQ(range, QString("1 ~ 2000"));
    EXPECT_EQ(frm_->LadderEdit()->Row(), 1999);
}

TEST_F(EditorDialogsTest, RenamingASubroutineShowsTheNameInTheTreeAtOnce) {
    frm_->ShowTreeNode(NodeOfBlock(5));
    ASSERT_EQ(frm_->Item("MenuItem2")->data().toInt(), 5) << "the tag follows the chosen node";
    QString title, shown;
    bool nameShown = false, spinShown = true;
    WhenModal<TSubRenameFrm>(frm_.get(), [&](TSubRenameFrm& d) {
        title = d.windowTitle();
        shown = d.Edit1()->text();
        nameShown = d.Panel1()->isVisible();
        spinShown = d.Panel2()->isVisible();
        d.Edit1()->setText("电机控制");
        QTest::keyClick(d.Edit1(), Qt::Key_Return);
    });
    frm_->Item("MenuItem2")->trigger();
    EXPECT_EQ(Find<TSubRenameFrm>()->Tag(), 5);
    EXPECT_EQ(title, QString("子程序重命名"));
    EXPECT_EQ(shown, QString("Sub_5"));
    EXPECT_TRUE(nameShown);
    EXPECT_FALSE(spinShown);
    EXPECT_EQ(TheProgram().subroutineNames[5], "电机控制");
    EXPECT_EQ(NodeText(5), QString("5 - 电机控制"));
    EXPECT_TRUE(frm_->Item("FileSaveItem")->isEnabled()) << "the project counts as changed";
    EXPECT_TRUE(frm_->Button("SaveToolButton")->isEnabled());
    EXPECT_EQ(TheProgramBlocks().currentBlock, NodeOfBlock(5)) << "the block stays shown";

    // An empty name gives the default name back; cancel keeps the name.
    WhenModal<TSubRenameFrm>(frm_.get(), [](TSubRenameFrm& d) {
        d.Edit1()->clear();
        d.BitBtn1()->click();
    });
    frm_->Item("MenuItem2")->trigger();
    EXPECT_EQ(NodeText(5), QString("5 - Sub_5"));
    WhenModal<TSubRenameFrm>(frm_.get(), [](TSubRenameFrm& d) {
        d.Edit1()->setText("gone");
        d.BitBtn3()->click();
    });
    frm_->Item("MenuItem2")->trigger();
    EXPECT_EQ(TheProgram().subroutineNames[5], "Sub_5");
}

TEST_F(EditorDialogsTest, TheSubroutinesTreeMenuRenamesAndHasNoDisabledItems) {
    frm_->ShowTreeNode(NodeOfBlock(7));
    QTreeWidget* tree = frm_->TreeView1();
    QTreeWidgetItem* node = tree->currentItem();
    ASSERT_NE(node, nullptr);
    tree->scrollToItem(node);
    const QPoint at = tree->visualItemRect(node).center();

    QStringList captions;
    QList<bool> enabled;
    auto* poll = new QTimer(frm_.get());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, frm_.get(), [&, poll] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        poll->stop();
        poll->deleteLater();
        QAction* rename = nullptr;
        for (QAction* action : menu->actions()) {
            captions << action->text();
            enabled << action->isEnabled();
            if (action->text() == "重命名(&R)...") rename = action;
        }
        menu->close();
        WhenModal<TSubRenameFrm>(frm_.get(), [](TSubRenameFrm& d) {
            d.Edit1()->setText("Pump");
            d.BitBtn1()->click();
        });
        if (rename) rename->trigger();
    });
    poll->start();
    emit tree->customContextMenuRequested(at);
    EXPECT_EQ(captions, QStringList({"转移到行(&G)...", "重命名(&R)...", "导入子程序(&L)",
                                     "导出子程序(&E)"}));
    EXPECT_EQ(enabled, QList<bool>({true, true, true, true}));
    EXPECT_EQ(TheProgram().subroutineNames[7], "Pump");
    EXPECT_EQ(NodeText(7), QString("7 - Pump"));
}

TEST_F(EditorDialogsTest, ColoursChosenOnlyReachTheGridAndSettingsOnOk) {
    TLadderGrid* grid = frm_->LadderEdit();
    const LadderColors before = grid->DrawContext().colors;
    const ColorValue figureBefore = frm_->CurrentSettings().figureColor;
    TSelfhoodColorFrm* colours = Find<TSelfhoodColorFrm>();

    // A colour chosen, then the window closed by its close box: nothing changes.
    ColorValue panelAfterChoice = -1;
    QString title;
    WhenModal<TSelfhoodColorFrm>(frm_.get(), [&](TSelfhoodColorFrm& d) {
        title = d.windowTitle();
        WhenModal<QColorDialog>(frm_.get(), [](QColorDialog& c) {
            c.setCurrentColor(QColor(255, 0, 0));
            c.accept();
        });
        QTest::mouseClick(d.Panel(0), Qt::LeftButton);
        panelAfterChoice = d.PanelColour(0);
        d.close();
    });
    frm_->Item("I5")->trigger();
    EXPECT_EQ(title, QString("梯形图颜色配置"));
    EXPECT_EQ(panelAfterChoice, clRed) << "the panel took the chosen colour";
    EXPECT_EQ(frm_->CurrentSettings().figureColor, figureBefore);
    EXPECT_EQ(grid->DrawContext().colors.figure, before.figure);

    // Shown again, the panels show the colours in use; a cancelled chooser keeps the panel.
    ColorValue shownAgain = -1, afterCancel = -1;
    WhenModal<TSelfhoodColorFrm>(frm_.get(), [&](TSelfhoodColorFrm& d) {
        shownAgain = d.PanelColour(0);
        WhenModal<QColorDialog>(frm_.get(), [](QColorDialog& c) {
            c.setCurrentColor(QColor(0, 0, 255));
            c.reject();
        });
        d.PanelClick(1);
        afterCancel = d.PanelColour(1);
        // Choose the block comment colour, then OK.
        WhenModal<QColorDialog>(frm_.get(), [](QColorDialog& c) {
            c.setCurrentColor(QColor(0x12, 0x34, 0x56));
            c.accept();
        });
        d.PanelClick(4);
        d.BitBtn1()->click();
    });
    frm_->Item("I5")->trigger();
    EXPECT_EQ(shownAgain, figureBefore);
    EXPECT_EQ(afterCancel, before.stakeout);
    const ColorValue chosen = RGBColor(0x12, 0x34, 0x56);
    EXPECT_EQ(frm_->CurrentSettings().dollopNoteColor, chosen) << "written when the window closes";
    EXPECT_EQ(grid->DrawContext().colors.dollopNote, chosen);
    EXPECT_EQ(grid->DrawContext().colors.stakeout, before.stakeout);
    EXPECT_FALSE(colours->isVisible());
}

TEST(EditorSettingsColours, TheLiveValueColourOfTheSettingsFileReachesTheGrid) {
    test::ResetEditorRunState();
    test::WriteTestFile(SettingsFilePath(),
                        "[configure]\r\nDvalueColor=255\r\nStakeoutColor=65280\r\n");
    auto frm = test::StartedMainWindow();
    EXPECT_EQ(frm->LadderEdit()->DrawContext().colors.value, 255);
    EXPECT_EQ(frm->LadderEdit()->DrawContext().colors.stakeout, 65280);
    frm.reset();
    test::ResetEditorRunState();
}

class SaveSettingsTest : public EditorDialogsTest {
  protected:
    // Opens "保存和备份" and works it once it is shown.
    void Run(std::function<void(TForSav&)> work) {
        WhenModal<TForSav>(frm_.get(), std::move(work));
        frm_->Item("N46")->trigger();
        EXPECT_FALSE(Find<TForSav>()->isVisible());
    }
    static void Type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
};

TEST_F(SaveSettingsTest, ShowsTheSettingsAndSetsTheAutoSaveTimer) {
    // A run without a settings file: defaults, auto-save off for now.
    ASSERT_FALSE(frm_->AutoSaveTimer().isActive());
    bool autoSave = false, backup = true, password = true, edit1Enabled = false;
    bool edit2Enabled = true;
    QString interval, afterZero, title;
    Run([&](TForSav& d) {
        title = d.windowTitle();
        autoSave = d.CheckBox1()->isChecked();
        interval = d.Edit1()->text();
        backup = d.CheckBox2()->isChecked();
        password = d.CheckBox3()->isChecked();
        edit1Enabled = d.Edit1()->isEnabled();
        edit2Enabled = d.Edit2()->isEnabled();
        Type(d.Edit1(), "0");
        afterZero = d.Edit1()->text();
        Type(d.Edit1(), "5");
        d.CheckBox2()->setChecked(true);
        d.BitBtn1()->click();
    });
    EXPECT_EQ(title, QString("保存和备份"));
    EXPECT_TRUE(autoSave);
    EXPECT_EQ(interval, QString("5"));
    EXPECT_FALSE(backup);
    EXPECT_FALSE(password);
    EXPECT_TRUE(edit1Enabled);
    EXPECT_FALSE(edit2Enabled) << "the password fields only while it is ticked";
    EXPECT_EQ(afterZero, QString("1")) << "a lone 0 becomes 1 at once";
    EXPECT_TRUE(frm_->AutoSaveTimer().isActive());
    EXPECT_EQ(frm_->AutoSaveTimer().interval(), 300000);
    EXPECT_EQ(frm_->CurrentSettings().autoSavBakInterval, 5);
    EXPECT_EQ(frm_->CurrentSettings().autoTempBakFun, 1);
    EXPECT_TRUE(frm_->Item("FileSaveItem")->isEnabled()) << "the project counts as changed";

    // Unticked, auto-save stops; its field is disabled and takes no keys.
    Run([&](TForSav& d) {
        d.CheckBox1()->setChecked(false);
        edit1Enabled = d.Edit1()->isEnabled();
        d.BitBtn1()->click();
    });
    EXPECT_FALSE(edit1Enabled);
    EXPECT_FALSE(frm_->AutoSaveTimer().isActive());
    EXPECT_EQ(frm_->CurrentSettings().autoSavBakFun, 0);

    // Cancel changes nothing.
    Run([](TForSav& d) {
        d.CheckBox1()->setChecked(true);
        d.BitBtn3()->click();
    });
    EXPECT_FALSE(frm_->AutoSaveTimer().isActive());
    EXPECT_EQ(frm_->CurrentSettings().autoSavBakFun, 0);
}

TEST_F(SaveSettingsTest, TheIntervalFieldTakesTwoDigitsAndNoOtherKeys) {
    QString typed;
    Run([&](TForSav& d) {
        Type(d.Edit1(), "a1b23");
        typed = d.Edit1()->text();
        d.BitBtn3()->click();
    });
    EXPECT_EQ(typed, QString("12"));
}

TEST_F(SaveSettingsTest, AnIntervalOfNoMinutesIsRefusedAndChangesNothing) {
    for (const char* bad : {"00", ""}) {
        SCOPED_TRACE(bad);
        messages_.Clear();
        bool stillOpen = false;
        Run([&](TForSav& d) {
            d.CheckBox1()->setChecked(true);
            d.Edit1()->setText(QString::fromLatin1(bad));
            d.CheckBox2()->setChecked(true);
            d.BitBtn1()->click();
            stillOpen = d.isVisible();
            d.BitBtn3()->click();
        });
        EXPECT_TRUE(stillOpen);
        ASSERT_EQ(messages_.Count(), 1u);
        EXPECT_EQ(messages_.Last().text, "自动保存间隔分钟数应为 1 ~ 99 ！");
        EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
        EXPECT_EQ(messages_.Last().caption, kProductTitle);
        EXPECT_FALSE(frm_->AutoSaveTimer().isActive()) << "never a timer of 0 ms";
        EXPECT_EQ(frm_->CurrentSettings().autoTempBakFun, 0) << "nothing applied before the check";
        EXPECT_FALSE(frm_->Item("FileSaveItem")->isEnabled());
    }
}

TEST_F(SaveSettingsTest, PasswordsMustMatchCaseAndAllBeforeAnythingIsStored) {
    bool stillOpen = false;
    Run([&](TForSav& d) {
        d.CheckBox1()->setChecked(false);  // would stop auto-save if applied
        d.CheckBox3()->setChecked(true);
        EXPECT_TRUE(d.Edit2()->isEnabled());
        EXPECT_TRUE(d.Label(3)->isEnabled());
        EXPECT_EQ(d.Edit2()->echoMode(), QLineEdit::Password);
        EXPECT_EQ(d.Edit2()->maxLength(), 12);
        d.Edit2()->setText("Plc2024");
        d.Edit3()->setText("plc2024");
        d.BitBtn1()->click();
        stillOpen = d.isVisible();
        d.BitBtn3()->click();
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "两次输入密码不一致！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    EXPECT_EQ(TheProgram().passwordFlag, 0);
    EXPECT_EQ(TheProgram().passwordText, "");
    EXPECT_EQ(frm_->CurrentSettings().autoSavBakFun, 1) << "nothing applied before the check";
    EXPECT_FALSE(frm_->Item("FileSaveItem")->isEnabled());

    // In English; then equal entries set the password and its flag.
    frm_->Item("English1")->trigger();
    messages_.Clear();
    Run([&](TForSav& d) {
        d.CheckBox3()->setChecked(true);
        d.Edit2()->setText("Plc2024");
        d.Edit3()->setText("plc2024");
        d.BitBtn1()->click();
        d.Edit3()->setText("Plc2024");
        d.BitBtn1()->click();
    });
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "The two input password does not match!");
    EXPECT_EQ(TheProgram().passwordText, "Plc2024");
    EXPECT_EQ(TheProgram().passwordFlag, 1);
    EXPECT_TRUE(frm_->Item("FileSaveItem")->isEnabled());
}

TEST_F(SaveSettingsTest, UntickingThePasswordClearsItsFlagAndMarksTheProjectChanged) {
    TheProgram().passwordText = "Secret";
    TheProgram().passwordFlag = 1;
    QString shown1, shown2;
    bool ticked = false;
    Run([&](TForSav& d) {
        ticked = d.CheckBox3()->isChecked();
        shown1 = d.Edit2()->text();
        shown2 = d.Edit3()->text();
        d.CheckBox3()->setChecked(false);
        EXPECT_FALSE(d.Edit3()->isEnabled());
        EXPECT_FALSE(d.Label(1)->isEnabled());
        d.BitBtn1()->click();
    });
    EXPECT_TRUE(ticked);
    EXPECT_EQ(shown1, QString("Secret"));
    EXPECT_EQ(shown2, QString("Secret"));
    EXPECT_EQ(TheProgram().passwordFlag, 0);
    EXPECT_EQ(TheProgram().passwordText, "Secret") << "the text stays";
    EXPECT_TRUE(frm_->Item("FileSaveItem")->isEnabled());
}

}  // namespace
}  // namespace vx
