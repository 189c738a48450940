// The find window over the main window: its openers, the search steps, the
// block switches with their notices, and the cursor that moves on hits only.
#include "editor/qt/Lookup.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "editor/GridCursor.h"
#include "editor/ProgramBlocks.h"
#include "editor/qt/Main.h"
#include "model/LadderProgram.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/StartedMainWindow.h"
#include "support/ToolButtonClick.h"

namespace vx {
namespace {

class ForLookupTest : public testing::Test {
  protected:
    void SetUp() override {
        test::ResetEditorRunState();
        frm_ = test::StartedMainWindow();
        frm_->FileNewItemClick();
        lookup_ = frm_->findChild<TForLookup*>();
        ASSERT_NE(lookup_, nullptr);
        frm_->Item("LookupItem")->trigger();
    }

    static void Put(int column, int row, const char* text) {
        TheProgram().cells.Kind(column, row) = column == kOutputColumn ? 4 : 1;
        TheProgram().cells.First(column, row) = text;
    }
    // The grid's cursor to an absolute row of the shown block.
    void Cursor(int column, int row) {
        frm_->LadderEdit()->SetCursor(column, row - TheProgramBlocks().rowBase);
    }
    void Find(const char* text) {
        lookup_->ComboBox1()->setEditText(QString::fromUtf8(text));
        lookup_->BitBtn1()->click();
    }
    // The cursor as the editing commands see it, and as the grid shows it.
    void ExpectCursor(int column, int row) {
        EXPECT_EQ(TheGridCursor().cursorCol, column);
        EXPECT_EQ(TheGridCursor().cursorRow, row);
        EXPECT_EQ(frm_->LadderEdit()->Col(), column);
        EXPECT_EQ(frm_->LadderEdit()->Row(), row - TheProgramBlocks().rowBase);
    }
    void Upward() { lookup_->RadioButton1()->click(); }

    test::MessageRecorder messages_;
    std::unique_ptr<TMainFrm> frm_;
    TForLookup* lookup_ = nullptr;
};

TEST_F(ForLookupTest, OpensFromItsItemsAndButtonBesideTheGrid) {
    EXPECT_EQ(frm_->Item("LookupItem")->text(), QString("查找(&L)..."));
    EXPECT_EQ(frm_->Item("LookupItem")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(frm_->Item("MenuItem1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_TRUE(lookup_->isVisible());
    EXPECT_FALSE(lookup_->isModal()) << "the grid stays usable";
    EXPECT_TRUE(lookup_->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(lookup_->windowTitle(), QString("元件名查找"));
    EXPECT_EQ(lookup_->size(), QSize(390, 134));
    VX_WAIT_TRUE(lookup_->focusWidget() == lookup_->ComboBox1() ||
                     lookup_->focusWidget() == lookup_->ComboBox1()->lineEdit(),
                 test::kStateWaitMs);
    // Design-time states.
    EXPECT_TRUE(lookup_->RadioButton2()->isChecked());
    EXPECT_FALSE(lookup_->CheckBox(1)->isChecked());
    EXPECT_TRUE(lookup_->CheckBox(2)->isChecked());
    EXPECT_FALSE(lookup_->CheckBox(3)->isChecked());
    EXPECT_TRUE(lookup_->CheckBox(4)->isChecked());

    QTest::keyClick(lookup_->ComboBox1()->lineEdit(), Qt::Key_Escape);
    EXPECT_FALSE(lookup_->isVisible()) << "Esc closes";
    for (const char* item : {"LookupItem", "MenuItem1"}) {
        EXPECT_TRUE(frm_->Item(item)->isEnabled()) << item;
        frm_->Item(item)->trigger();
        EXPECT_TRUE(lookup_->isVisible()) << item;
        lookup_->BitBtn3()->click();
        EXPECT_FALSE(lookup_->isVisible());
    }
    ASSERT_TRUE(frm_->Button("LookupToolButton")->isEnabled());
    test::ClickToolButton(frm_->Button("LookupToolButton"));
    EXPECT_TRUE(lookup_->isVisible());
    EXPECT_TRUE(
        frm_->findChild<QMenu*>("SysTrayPopupMenu")->actions().contains(frm_->Item("MenuItem1")));
}

TEST_F(ForLookupTest, NoProjectNoFind) {
    auto frm = test::StartedMainWindow();
    EXPECT_FALSE(frm->Button("LookupToolButton")->isEnabled());
    frm->Item("LookupItem")->trigger();
    EXPECT_FALSE(frm->findChild<TForLookup*>()->isVisible());
}

TEST_F(ForLookupTest, TheEndOfTheSearchIsToldInTheInterfaceLanguage) {
    frm_->Item("English1")->trigger();
    messages_.Clear();
    Find("X1");
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "Search complete!");
}

TEST_F(ForLookupTest, StepsFromHitToHitWithTheTextUpperCased) {
    Put(3, 4, "D1");
    Put(9, 4, "MOV D10 D1");
    Put(12, 6, "T5 K100");
    Put(2, 7, "X10");
    Cursor(1, 0);
    Find("d1");
    EXPECT_EQ(lookup_->ComboBox1()->currentText(), QString("D1"));
    ExpectCursor(3, 4);
    QTest::keyClick(lookup_->ComboBox1()->lineEdit(), Qt::Key_Return);  // Enter finds on
    ExpectCursor(9, 4);
    EXPECT_EQ(messages_.Count(), 0u);
    lookup_->BitBtn1()->click();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "搜索完毕 ！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    EXPECT_EQ(messages_.Last().caption, kProductTitle);
    ExpectCursor(9, 4);
    EXPECT_EQ(lookup_->ComboBox1()->count(), 1) << "found texts join the history once";

    // Operands and set values are found; a longer name is not.
    Cursor(1, 0);
    Find("k100");
    ExpectCursor(12, 6);
    Cursor(1, 0);
    Find("X1");
    EXPECT_EQ(messages_.Last().text, "搜索完毕 ！");
    EXPECT_EQ(lookup_->ComboBox1()->count(), 2) << "missed texts do not";
    // Whole text: the coil's text as a whole.
    lookup_->CheckBox(1)->click();
    Cursor(1, 0);
    Find("T5");
    ExpectCursor(1, 0);
    Find("T5 K100");
    ExpectCursor(12, 6);
    // An empty text ends the step without a word.
    messages_.Clear();
    Find("");
    EXPECT_EQ(messages_.Count(), 0u);
}

TEST_F(ForLookupTest, FromTheOutputColumnTheNextRowIsSearched) {
    Put(1, 21, "Y3");
    Put(12, 20, "Y3");
    Cursor(12, 20);
    Find("Y3");
    ExpectCursor(1, 21);
    Upward();
    Put(12, 19, "Y3");
    Put(12, 17, "Y3");
    Cursor(12, 20);
    Find("Y3");
    ExpectCursor(12, 19);
    Find("Y3");
    ExpectCursor(12, 17);
}

TEST_F(ForLookupTest, FruitlessSearchesLeaveTheCursorInTheShownBlock) {
    frm_->ShowTreeNode(kFirstSubroutineNode + 2);
    lookup_->CheckBox(2)->click();  // the shown block only
    const int last = BlockLastRow(2);
    Cursor(12, last - 2);
    for (int i = 0; i < 5; ++i)
        Find("M9");
    EXPECT_EQ(messages_.Count(), 5u);
    ExpectCursor(12, last - 2);
    Put(4, last - 1, "M9");
    Find("M9");
    ExpectCursor(4, last - 1);

    // Upward from the first rows of the whole program.
    lookup_->CheckBox(2)->click();
    frm_->ShowTreeNode(kMainNode);
    Upward();
    Cursor(12, 0);
    for (int i = 0; i < 3; ++i)
        Find("M9");
    ExpectCursor(12, 0);
    EXPECT_EQ(TheProgramBlocks().currentBlock, kMainNode);
}

TEST_F(ForLookupTest, HitsInOtherBlocksSwitchTheGridWithANotice) {
    Put(2, 100, "X7");
    Put(5, BlockFirstRow(4) + 3, "X7");
    frm_->ShowTreeNode(kFirstSubroutineNode + 3);
    Cursor(1, BlockFirstRow(3) + 10);

    // Only the shown block: nothing.
    lookup_->CheckBox(2)->click();
    Find("X7");
    EXPECT_EQ(messages_.Last().text, "搜索完毕 ！");
    EXPECT_EQ(TheProgramBlocks().currentBlock, kFirstSubroutineNode + 3);
    lookup_->CheckBox(2)->click();

    Upward();
    messages_.Clear();
    Find("X7");
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "跳回: 主程序.Main ！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Exclamation);
    EXPECT_TRUE(messages_.Last().topmost);
    EXPECT_EQ(TheProgramBlocks().currentBlock, kMainNode);
    EXPECT_EQ(frm_->LadderEdit()->RowCount(), 2000);
    EXPECT_EQ(frm_->StatusPanel(6)->text(), QString(" 主程序.Main"));
    EXPECT_EQ(frm_->windowTitle(), QString("KZ6-Quillary - [Torvin0] - [ 主程序.Main ]"));
    EXPECT_EQ(frm_->TreeView1()->currentItem()->data(0, Qt::UserRole).toInt(), kMainNode);
    ExpectCursor(2, 100);

    lookup_->RadioButton2()->click();
    messages_.Clear();
    Find("X7");
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "跳至: 子程序.4");
    EXPECT_EQ(frm_->StatusPanel(6)->text(), QString(" 子程序.4"));
    EXPECT_EQ(frm_->LadderEdit()->RowCount(), 256);
    ExpectCursor(5, BlockFirstRow(4) + 3);

    // Without the notice the switch is silent.
    lookup_->CheckBox(4)->click();
    Upward();
    messages_.Clear();
    Find("X7");
    EXPECT_EQ(messages_.Count(), 0u);
    EXPECT_EQ(TheProgramBlocks().currentBlock, kMainNode);
    ExpectCursor(2, 100);
}

TEST_F(ForLookupTest, TheNoticeOptionFollowsTheAllBlocksOption) {
    QCheckBox* all = lookup_->CheckBox(2);
    QCheckBox* notice = lookup_->CheckBox(4);
    all->click();
    EXPECT_FALSE(notice->isEnabled());
    all->setFocus();
    QTest::keyClick(all, Qt::Key_Space);
    EXPECT_TRUE(all->isChecked());
    EXPECT_TRUE(notice->isEnabled()) << "ticked by the keyboard too";
}

TEST_F(ForLookupTest, ClosesAfterAHitWhenAsked) {
    Put(6, 8, "C2 K9");
    lookup_->CheckBox(3)->click();
    Cursor(1, 0);
    Find("C3");
    EXPECT_TRUE(lookup_->isVisible()) << "a miss keeps it open";
    Find("C2");
    EXPECT_FALSE(lookup_->isVisible());
    ExpectCursor(6, 8);
    frm_->Item("LookupItem")->trigger();
    EXPECT_TRUE(lookup_->CheckBox(3)->isChecked()) << "the options stay for the run";
    EXPECT_EQ(lookup_->ComboBox1()->count(), 1);
}

TEST_F(ForLookupTest, TheHistoryStartsAfreshAfterAThousandTexts) {
    for (int i = 0; i <= 1001; ++i)
        Put(2, i, ("M" + std::to_string(i)).c_str());
    for (int i = 0; i <= 1000; ++i) {
        Cursor(1, 0);
        Find(("m" + std::to_string(i)).c_str());
        ASSERT_EQ(TheGridCursor().cursorRow, i);
    }
    EXPECT_EQ(lookup_->ComboBox1()->count(), 1001);
    Cursor(1, 0);
    Find("M1001");
    ASSERT_EQ(lookup_->ComboBox1()->count(), 1);
    EXPECT_EQ(lookup_->ComboBox1()->itemText(0), QString("M1001"));
    EXPECT_EQ(lookup_->ComboBox1()->currentText(), QString("M1001"));
}

}  // namespace
}  // namespace vx
