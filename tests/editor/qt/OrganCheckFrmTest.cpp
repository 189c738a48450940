// The duplicate-output check over the main window: F11, the progress note,
// the list and its order, and the double click that shows a place.
#include "editor/qt/OrganCheck.h"
#include "editor/qt/ToolImages.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "editor/GridCursor.h"
#include "editor/ProgramBlocks.h"
#include "editor/qt/Main.h"
#include "model/LadderProgram.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/StartedMainWindow.h"

namespace vx {
namespace {

class OrganCheckFrmTest : public testing::Test {
  protected:
    void SetUp() override {
        test::ResetEditorRunState();
        frm_ = test::StartedMainWindow();
        frm_->FileNewItemClick();
        check_ = frm_->findChild<TOrganCheckFrm*>();
        ASSERT_NE(check_, nullptr);
    }
    void TearDown() override { check_->close(); }

    static void Coil(int row, const char* text) {
        TheProgram().cells.Kind(kOutputColumn, row) = 4;
        TheProgram().cells.First(kOutputColumn, row) = text;
    }
    // F11, then the finished check's rows as "name|block|line".
    std::vector<std::string> RunCheck() {
        QSignalSpy finished(check_, &TOrganCheckFrm::CheckFinished);
        frm_->Item("N43")->trigger();
        EXPECT_TRUE(finished.wait(test::kStateWaitMs));
        std::vector<std::string> rows;
        QTreeWidget* list = check_->ListView1();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            rows.push_back(
                (item->text(0) + "|" + item->text(1) + "|" + item->text(2)).toStdString());
        }
        return rows;
    }
    // A double click on a row as the mouse makes it: a click, then the double click.
    void DoubleClick(int index) {
        QTreeWidget* list = check_->ListView1();
        QTreeWidgetItem* item = list->topLevelItem(index);
        list->setCurrentItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    test::MessageRecorder messages_;
    std::unique_ptr<TMainFrm> frm_;
    TOrganCheckFrm* check_ = nullptr;
};

TEST_F(OrganCheckFrmTest, F11OpensTheCheckModallyWithItsProgressNote) {
    QAction* item = frm_->Item("N43");
    EXPECT_EQ(item->text(), QString("输出复用检查(&R)"));
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F11));
    ASSERT_TRUE(item->isEnabled());
    QSignalSpy finished(check_, &TOrganCheckFrm::CheckFinished);
    item->trigger();
    EXPECT_TRUE(check_->isVisible());
    EXPECT_NE(check_->windowModality(), Qt::NonModal);
    EXPECT_EQ(check_->windowTitle(), QString("输出复用检查"));
    EXPECT_EQ(check_->size(), QSize(322, 364));
    EXPECT_TRUE(check_->Panel1()->isVisible()) << "the note is seen before the check runs";
    EXPECT_EQ(check_->Panel1()->text(), QString("检查中。。。"));
    ASSERT_TRUE(finished.wait(test::kStateWaitMs));
    EXPECT_FALSE(check_->Panel1()->isVisible());
    EXPECT_EQ(check_->Panel1()->text(), QString("检查中。。。。。。。。。。。"))
        << "two more dots after each of the first four groups";
    QTreeWidget* list = check_->ListView1();
    EXPECT_EQ(list->headerItem()->text(0), QString("重复输出元件号"));
    EXPECT_EQ(list->headerItem()->text(1), QString("程序段"));
    EXPECT_EQ(list->headerItem()->text(2), QString("行号"));
    EXPECT_EQ(list->topLevelItemCount(), 0) << "a new program drives nothing twice";
}

TEST_F(OrganCheckFrmTest, ListsTheFirstTwoPlacesGroupByGroup) {
    Coil(5, "Y0");
    Coil(9, "Y0");
    Coil(40, "C1 K1");
    Coil(41, "C1 K2");
    Coil(42, "C1 K3");  // a third place is not listed
    Coil(2000, "M3");
    Coil(30, "M3");
    Coil(50, "T5 K100");
    Coil(BlockFirstRow(7) + 9, "T5 D10");
    Coil(60, "T50 K1");
    Coil(61, "Y1");
    Coil(62, "SET Y1");  // function boxes are not compared
    Coil(70, "S7");
    Coil(BlockFirstRow(31) + 255, "S7");
    const std::vector<std::string> expected = {
        "Y0|Main|6",     "Y0|Main|10",  "M3|Main|31",   "M3|Sub_0|1",  "S7|Main|71",
        "S7|Sub_31|256", "T5 |Main|51", "T5 |Sub_7|10", "C1 |Main|41", "C1 |Main|42",
    };
    EXPECT_EQ(RunCheck(), expected);
    QTreeWidget* list = check_->ListView1();
    // The first place shows the usage picture, the second the repeated-output mark.
    const QImage first = list->topLevelItem(0)->icon(0).pixmap(16).toImage();
    const QImage second = list->topLevelItem(1)->icon(0).pixmap(16).toImage();
    EXPECT_EQ(first, ToolImages()[kImageUsageNode].pixmap(16).toImage());
    EXPECT_EQ(second, ToolImages()[kImageRepeatedOutput].pixmap(16).toImage());
    EXPECT_NE(first, second);

    // Showing the window again checks afresh.
    check_->close();
    TheProgram().cells.First(kOutputColumn, 9) = "Y2";
    const std::vector<std::string> again = RunCheck();
    ASSERT_FALSE(again.empty());
    EXPECT_EQ(again.front(), "M3|Main|31");
    EXPECT_EQ(again.size(), expected.size() - 2);
}

TEST_F(OrganCheckFrmTest, ADoubleClickShowsThePlaceInItsBlock) {
    Coil(2000, "M3");
    Coil(30, "M3");
    ASSERT_EQ(RunCheck().size(), 2u);
    DoubleClick(1);
    EXPECT_EQ(TheProgramBlocks().currentBlock, kFirstSubroutineNode);
    EXPECT_EQ(frm_->StatusPanel(6)->text(), QString(" 子程序.0"));
    EXPECT_EQ(frm_->windowTitle(), QString("KZ6-Quillary - [Torvin0] - [ 子程序.0 ]"));
    EXPECT_EQ(frm_->LadderEdit()->RowCount(), 256);
    EXPECT_EQ(frm_->LadderEdit()->Row(), 0);
    EXPECT_EQ(frm_->LadderEdit()->Col(), kOutputColumn);
    EXPECT_EQ(TheGridCursor().cursorRow, 2000);
    DoubleClick(0);
    EXPECT_EQ(TheProgramBlocks().currentBlock, kMainNode);
    EXPECT_EQ(frm_->LadderEdit()->Row(), 30);
    EXPECT_EQ(frm_->LadderEdit()->Col(), kOutputColumn);
    EXPECT_TRUE(check_->isVisible()) << "the list stays for the next place";
}

}  // namespace
}  // namespace vx
