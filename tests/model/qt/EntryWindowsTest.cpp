// The entry windows in the real main window: typing in the grid, the entry
// dialog's stores and refusals, its links, comments, keep-open and undo, and
// its "..." button with the catalogue and the picker.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWindow>
#include <filesystem>

#include "editor/ClipCells.h"
#include "editor/DeviceComments.h"
#include "editor/GridCursor.h"
#include "editor/ProgramBlocks.h"
#include "editor/UndoHistory.h"
#include "editor/qt/Main.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "model/qt/FunInput.h"
#include "model/qt/KeyInput.h"
#include "model/qt/OUTfun.h"
#include "model/qt/Ucanzhao.h"
#include "platform/SystemFolders.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/StartedMainWindow.h"
#include "support/ToolButtonClick.h"

namespace vx {
namespace {

using test::MessageRecorder;

class EntryWindows : public testing::Test {
  protected:
    void SetUp() override {
        test::ResetEditorRunState();
        previous_ = SetModalRunner([](QDialog& d) { d.show(); });

        frm_ = test::StartedMainWindow();
        ASSERT_TRUE(frm_->isEnabled());
        frm_->FileNewItemClick();
        ASSERT_FALSE(frm_->CoverShown());
        box_ = frm_->findChild<TKeyInputFrm*>();
        entry_ = frm_->findChild<TFunInputFrm*>();
        ASSERT_NE(box_, nullptr);
        ASSERT_NE(entry_, nullptr);
    }
    void TearDown() override {
        frm_.reset();
        SetModalRunner(previous_);
    }

    // A word typed in the grid: its first letter opens the box, the rest goes there.
    void TypeInGrid(int column, int row, const char* word) {
        frm_->LadderEdit()->SetCursor(column, row);
        QTest::keyClick(frm_->LadderEdit(), word[0]);
        ASSERT_TRUE(box_->isVisible()) << word;
        QTest::keyClicks(box_->Edit1(), QString(word + 1));
    }
    void EnterInBox() { QTest::keyClick(box_->Edit1(), Qt::Key_Return); }
    // The entry dialog's element field typed and confirmed with Enter.
    void Confirm(const char* text, const char* comment = nullptr) {
        ASSERT_TRUE(entry_->isVisible()) << text;
        entry_->Edit1()->selectAll();
        QTest::keyClicks(entry_->Edit1(), text);
        if (comment != nullptr) entry_->Edit2()->setText(QString::fromUtf8(comment));
        QTest::keyClick(entry_->Edit1(), Qt::Key_Return);
    }
    void Tool(int button) {
        test::ClickToolButton(frm_->Button(QString("FxToolBarButton%1").arg(button)));
    }
    void Cell(int column, int row, std::uint8_t kind, const char* first, const char* second = "") {
        TheProgram().cells.Kind(column, row) = kind;
        TheProgram().cells.First(column, row) = first;
        TheProgram().cells.Second(column, row) = second;
    }
    static std::uint8_t Kind(int column, int row) { return TheProgram().cells.Kind(column, row); }
    static const std::string& First(int column, int row) {
        return TheProgram().cells.First(column, row);
    }
    static const std::string& Second(int column, int row) {
        return TheProgram().cells.Second(column, row);
    }
    bool SaveEnabled() const { return frm_->Item("FileSaveItem")->isEnabled(); }
    QPoint Cursor() const { return {frm_->LadderEdit()->Col(), frm_->LadderEdit()->Row()}; }

    MessageRecorder messages_;
    ModalRunner previous_;
    std::unique_ptr<TMainFrm> frm_;
    TKeyInputFrm* box_ = nullptr;
    TFunInputFrm* entry_ = nullptr;
};

TEST_F(EntryWindows, TypingInTheGridPlacesContactsAndCoils) {
    TypeInGrid(1, 0, "ld ");
    EXPECT_FALSE(box_->isVisible()) << "the box closes once it has acted";
    ASSERT_TRUE(entry_->isVisible());
    EXPECT_EQ(entry_->EntryKind(), CellKind::kOpenContact);
    EXPECT_EQ(entry_->Image2()->pixmap().toImage(),
              QPixmap::fromImage(frm_->Button("FxToolBarButton1")->Glyph()).toImage());
    Confirm("x0");
    EXPECT_FALSE(entry_->isVisible());
    EXPECT_EQ(Kind(1, 0), CellKind::kOpenContact);
    EXPECT_EQ(First(1, 0), "X0");
    EXPECT_EQ(Second(1, 0), "(X[0])");
    EXPECT_EQ(Cursor(), QPoint(2, 0));
    EXPECT_TRUE(SaveEnabled());
    EXPECT_TRUE(TheUndoHistory().CanUndo());

    TypeInGrid(2, 0, "ANI ");
    EXPECT_EQ(entry_->EntryKind(), CellKind::kClosedContact);
    Confirm("M5");
    EXPECT_EQ(Kind(2, 0), CellKind::kClosedContact);
    EXPECT_EQ(First(2, 0), "M5");

    TypeInGrid(3, 0, "out ");
    EXPECT_EQ(entry_->EntryKind(), CellKind::kCoil);
    Confirm("t5 k100");
    EXPECT_EQ(Kind(12, 0), CellKind::kCoil);
    EXPECT_EQ(First(12, 0), "T5 K100");
    EXPECT_EQ(Second(12, 0), "TON   (5, 100)");
    for (int column = 3; column <= 11; ++column)
        EXPECT_EQ(Kind(column, 0), CellKind::kLine) << column;
    EXPECT_EQ(Cursor(), QPoint(1, 1)) << "column 1 of the next row";

    // A parallel contact under X0 joins the row above.
    TypeInGrid(1, 1, "or ");
    EXPECT_EQ(entry_->EntryKind(), CellKind::kParallelOpenContact);
    Confirm("x1");
    EXPECT_EQ(Kind(1, 1), CellKind::kOpenContact);
    EXPECT_EQ(Kind(2, 1), CellKind::kLinkUp);
    EXPECT_EQ(Kind(2, 0), CellKind::kClosedContact | CellKind::kLinkDown);

    // An edge contact after "ORP " likewise; after "LDP " not.
    TypeInGrid(4, 3, "orp ");
    EXPECT_TRUE(entry_->OrEdgeFlag());
    Confirm("x2");
    EXPECT_EQ(Kind(4, 3), CellKind::kRisingEdge | CellKind::kLinkUp);
    EXPECT_EQ(Kind(5, 2), CellKind::kLinkDown);
    TypeInGrid(4, 5, "ldf ");
    Confirm("x3");
    EXPECT_EQ(Kind(4, 5), CellKind::kFallingEdge);
    EXPECT_EQ(Kind(4, 4), CellKind::kEmpty);
    EXPECT_EQ(messages_.Count(), 0u);
}

TEST_F(EntryWindows, CompareWordsAndInstructionsOpenTheDialogWithTheMnemonic) {
    TypeInGrid(1, 2, "ld> ");
    ASSERT_TRUE(entry_->isVisible());
    EXPECT_EQ(entry_->EntryKind(), CellKind::kFunctionBox);
    EXPECT_EQ(entry_->Edit1()->text(), QString("> "));
    QTest::keyClicks(entry_->Edit1(), "K1 D0");
    EXPECT_EQ(entry_->Edit1()->text(), QString("> K1 D0")) << "operands follow the mnemonic";
    QTest::keyClick(entry_->Edit1(), Qt::Key_Return);
    EXPECT_EQ(Symbol(Kind(1, 2)), CellKind::kCompareContact);
    EXPECT_EQ(Cursor(), QPoint(2, 2));

    TypeInGrid(2, 2, "anddd<> ");  // "ANDD<> " after the first letter and three more
    EXPECT_FALSE(entry_->isVisible()) << "ANDDD<> is no word";
    box_->BitBtn1()->click();

    TypeInGrid(2, 2, "andd<> ");
    EXPECT_EQ(entry_->Edit1()->text(), QString("D<> "));
    entry_->BitBtn3()->click();

    TypeInGrid(2, 2, "mov ");
    EXPECT_EQ(entry_->Edit1()->text(), QString("MOV "));
    EXPECT_EQ(entry_->Image2()->pixmap().toImage(),
              QPixmap::fromImage(frm_->Button("FxToolBarButton8")->Glyph()).toImage());
    QTest::keyClicks(entry_->Edit1(), "D0 D1");
    QTest::keyClick(entry_->Edit1(), Qt::Key_Return);
    EXPECT_EQ(Kind(12, 2), CellKind::kFunctionBox);
    EXPECT_EQ(First(12, 2), "MOV D0 D1");
    EXPECT_EQ(Cursor(), QPoint(1, 3));

    // "END" is stored on Enter at once; with a blank it is no word.
    TypeInGrid(5, 4, "end ");
    EXPECT_TRUE(box_->isVisible());
    EXPECT_EQ(box_->Edit1()->text(), QString("END "));
    QTest::keyClick(box_->Edit1(), Qt::Key_Backspace);
    EnterInBox();
    EXPECT_FALSE(box_->isVisible());
    EXPECT_FALSE(entry_->isVisible());
    EXPECT_EQ(entry_->Tag(), 0);
    EXPECT_EQ(First(12, 4), "END");
    EXPECT_EQ(Second(12, 4), "return;");
    EXPECT_EQ(Kind(5, 4), CellKind::kLine);
    EXPECT_EQ(Cursor(), QPoint(1, 5));
    EXPECT_EQ(messages_.Count(), 0u);
}

TEST_F(EntryWindows, EnterWordsPlaceLinesAndLinks) {
    TypeInGrid(3, 0, "inv");
    EnterInBox();
    EXPECT_EQ(Kind(3, 0), CellKind::kInverter);
    EXPECT_EQ(Cursor(), QPoint(4, 0));
    TypeInGrid(4, 0, "xl");
    EnterInBox();
    EXPECT_EQ(Kind(4, 0), CellKind::kLine);

    TypeInGrid(12, 0, "xl");
    EnterInBox();
    EXPECT_FALSE(box_->isVisible());
    EXPECT_EQ(Kind(12, 0), CellKind::kEmpty);
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "这里不能放置该元件 ！");

    TypeInGrid(2, 6, "yl");
    EnterInBox();
    EXPECT_TRUE(TheProgram().cells.HasVerticalLink(2, 7));
    TypeInGrid(2, 6, "ylc");
    EnterInBox();
    EXPECT_FALSE(TheProgram().cells.HasVerticalLink(2, 7));

    // Esc, the cancel button and unknown Enter words change nothing.
    TypeInGrid(6, 6, "zz");
    EnterInBox();
    EXPECT_TRUE(box_->isVisible());
    QTest::keyClick(box_->Edit1(), Qt::Key_Escape);
    EXPECT_FALSE(box_->isVisible());
    TypeInGrid(6, 6, "l");
    box_->BitBtn1()->click();
    EXPECT_FALSE(box_->isVisible());
    EXPECT_EQ(Kind(6, 6), CellKind::kEmpty);
    EXPECT_FALSE(entry_->isVisible());
}

TEST_F(EntryWindows, TheBoxTakesTenCharactersAndShowsTheHintAsTheViewAsks) {
    QWidget* hint = frm_->findChild<QWidget*>("LDhelp");
    ASSERT_NE(hint, nullptr);
    TypeInGrid(1, 0, "l");
    EXPECT_EQ(box_->Edit1()->text(), QString("L"));
    EXPECT_TRUE(hint->isVisible());
    QTest::keyClicks(box_->Edit1(), "abcdefghijkl");
    EXPECT_EQ(box_->Edit1()->text().size(), 10);
    QTest::keyClick(box_->Edit1(), Qt::Key_Escape);
    EXPECT_FALSE(hint->isVisible()) << "closing the box hides the hint";

    frm_->Item("N16")->trigger();
    EXPECT_FALSE(frm_->Item("N16")->isChecked());
    TypeInGrid(1, 0, "l");
    EXPECT_FALSE(hint->isVisible());
    box_->BitBtn1()->click();
}

TEST_F(EntryWindows, OrEdgeFlagNeverReachesALaterEdgeContact) {
    // "ORP " cancelled in the dialog.
    TypeInGrid(4, 5, "orp ");
    ASSERT_TRUE(entry_->isVisible());
    entry_->BitBtn3()->click();
    EXPECT_FALSE(entry_->OrEdgeFlag());
    // "ORP " refused where no contact may stand.
    TypeInGrid(12, 5, "orp ");
    EXPECT_FALSE(entry_->isVisible());
    EXPECT_EQ(messages_.Last().text, "这里不能放置该元件 ！");
    EXPECT_FALSE(entry_->OrEdgeFlag());

    // The rising-edge tool then places a plain edge contact.
    frm_->LadderEdit()->SetCursor(4, 5);
    Tool(3);
    Confirm("x1");
    EXPECT_EQ(Kind(4, 5), CellKind::kRisingEdge);
    EXPECT_EQ(Kind(4, 4), CellKind::kEmpty);
    EXPECT_EQ(Kind(5, 5), CellKind::kEmpty);
}

TEST_F(EntryWindows, RefusedEntriesKeepTheDialogOpenAndTheCellAsItWas) {
    frm_->LadderEdit()->SetCursor(1, 3);
    Tool(1);
    struct Case {
        const char* text;
        const char* message;
    };
    for (Case c : {Case{"", "设置错误 ！"}, Case{"X8", "X 元件编号不是 8 进制 ！"}}) {
        messages_.Clear();
        Confirm(c.text);
        ASSERT_EQ(messages_.Count(), 1u) << c.text;
        EXPECT_EQ(messages_.Last().text, c.message);
        EXPECT_TRUE(entry_->isVisible());
        EXPECT_EQ(Kind(1, 3), CellKind::kEmpty);
    }
    entry_->BitBtn3()->click();
    frm_->LadderEdit()->SetCursor(3, 3);
    Tool(7);
    for (Case c : {Case{"T5 K", "指令设置错误 ！"}, Case{"X17", "元件设置错误 ！"}}) {
        messages_.Clear();
        Confirm(c.text);
        ASSERT_EQ(messages_.Count(), 1u) << c.text;
        EXPECT_EQ(messages_.Last().text, c.message);
        EXPECT_EQ(messages_.Last().icon, MsgIcon::Exclamation);
        EXPECT_TRUE(entry_->isVisible());
        EXPECT_EQ(Kind(12, 3), CellKind::kEmpty);
        EXPECT_EQ(Kind(3, 3), CellKind::kEmpty);
    }
    EXPECT_FALSE(SaveEnabled()) << "nothing was stored";
    EXPECT_FALSE(TheUndoHistory().CanUndo());
    EXPECT_EQ(Cursor(), QPoint(3, 3));
    Confirm("t5 k100");
    EXPECT_FALSE(entry_->isVisible());
    EXPECT_EQ(First(12, 3), "T5 K100");
    EXPECT_EQ(Cursor(), QPoint(1, 4));
}

TEST_F(EntryWindows, EditingALinkedContactKeepsItsLinks) {
    Cell(4, 8, CellKind::kOpenContact | CellKind::kLinkUp, "X1", "(X[1])");
    Cell(4, 7, CellKind::kLinkDown, "");
    Cell(12, 9, CellKind::kCoil | CellKind::kLinkDown, "Y1", "OUT   (Y[1])");
    frm_->LadderEdit()->SetCursor(4, 8);
    QTest::keyClick(frm_->LadderEdit(), Qt::Key_Return);
    ASSERT_TRUE(entry_->isVisible());
    EXPECT_EQ(entry_->EntryKind(), CellKind::kOpenContact | CellKind::kLinkUp);
    EXPECT_EQ(entry_->Edit1()->text(), QString("X1"));
    EXPECT_EQ(entry_->Edit1()->selectedText(), QString("X1")) << "replaced by typing";
    EXPECT_EQ(entry_->Image2()->pixmap().toImage(),
              QPixmap::fromImage(frm_->Button("FxToolBarButton1")->Glyph()).toImage());
    QTest::keyClicks(entry_->Edit1(), "x2");
    QTest::keyClick(entry_->Edit1(), Qt::Key_Return);
    EXPECT_EQ(Kind(4, 8), CellKind::kOpenContact | CellKind::kLinkUp);
    EXPECT_EQ(First(4, 8), "X2");

    frm_->LadderEdit()->SetCursor(12, 9);
    QTest::keyClick(frm_->LadderEdit(), Qt::Key_Return);
    ASSERT_TRUE(entry_->isVisible());
    EXPECT_EQ(entry_->Edit1()->cursorPosition(), 2) << "a coil's caret stands at the end";
    QTest::keyClick(entry_->Edit1(), Qt::Key_Backspace);
    QTest::keyClicks(entry_->Edit1(), "7");
    QTest::keyClick(entry_->Edit1(), Qt::Key_Return);
    EXPECT_EQ(Kind(12, 9), CellKind::kCoil | CellKind::kLinkDown);
    EXPECT_EQ(First(12, 9), "Y7");
    EXPECT_EQ(Cursor(), QPoint(1, 10));
}

TEST_F(EntryWindows, KeptOpenEachOkStoresItsOwnCellCommentAndSnapshot) {
    frm_->LadderEdit()->SetCursor(1, 9);
    Tool(1);
    entry_->CheckBox1()->setChecked(true);
    Confirm("x1", "启动");
    EXPECT_TRUE(entry_->isVisible()) << "kept open";
    EXPECT_EQ(First(1, 9), "X1");
    EXPECT_EQ(Cursor(), QPoint(2, 9));
    EXPECT_EQ(TheDeviceComments().Comment(DeviceKind::X, 1), "启动");
    EXPECT_TRUE(entry_->Edit2()->text().isEmpty()) << "the next cell has no device yet";
    EXPECT_EQ(TheUndoHistory().Depth(), 1);

    Confirm("x2", "停止");
    EXPECT_EQ(First(2, 9), "X2");
    EXPECT_EQ(TheDeviceComments().Comment(DeviceKind::X, 2), "停止");
    EXPECT_EQ(TheDeviceComments().Comment(DeviceKind::X, 1), "启动") << "the first comment stays";
    EXPECT_EQ(TheUndoHistory().Depth(), 2) << "one snapshot per OK";

    // A coil closes it even when it is kept open.
    entry_->SetEntryKind(CellKind::kCoil);
    Confirm("y0");
    EXPECT_FALSE(entry_->isVisible());
    EXPECT_EQ(First(12, 9), "Y0");
    EXPECT_EQ(First(3, 9), "") << "lines from the cursor";
    EXPECT_EQ(TheUndoHistory().Depth(), 3);
}

TEST_F(EntryWindows, CommentsFollowTheirDevice) {
    Cell(1, 10, CellKind::kOpenContact, "X3", "(X[3])");
    frm_->LadderEdit()->SetCursor(1, 10);
    QTest::keyClick(frm_->LadderEdit(), Qt::Key_Return);
    ASSERT_TRUE(entry_->isVisible());
    EXPECT_TRUE(entry_->Edit2()->text().isEmpty());
    entry_->Edit2()->setText("  水泵");
    entry_->BitBtn1()->click();
    EXPECT_EQ(TheDeviceComments().Comment(DeviceKind::X, 3), "水泵") << "leading blanks dropped";
    EXPECT_TRUE(SaveEnabled());
    EXPECT_FALSE(TheUndoHistory().CanUndo()) << "only the comment changed";

    // The comment shows again, and one longer than the field's limit is shown whole.
    const std::string longComment(40, 'c');
    TheDeviceComments().SetComment(DeviceKind::X, 3, longComment);
    frm_->LadderEdit()->SetCursor(1, 10);
    QTest::keyClick(frm_->LadderEdit(), Qt::Key_Return);
    EXPECT_EQ(entry_->Edit2()->text().toStdString(), longComment);
    entry_->BitBtn3()->click();

    // Timers keep their comment in the timer table; X17 is input 15.
    Cell(12, 11, CellKind::kCoil, "T5 K100", "TON   (5, 100)");
    frm_->LadderEdit()->SetCursor(12, 11);
    QTest::keyClick(frm_->LadderEdit(), Qt::Key_Return);
    entry_->Edit2()->setText("延时");
    entry_->BitBtn1()->click();
    EXPECT_EQ(TheDeviceComments().Comment(DeviceKind::T, 5), "延时");
    frm_->LadderEdit()->SetCursor(5, 12);
    Tool(2);
    Confirm("x17", "门");
    EXPECT_EQ(TheDeviceComments().Comment(DeviceKind::X, 15), "门");
    EXPECT_EQ(TheDeviceComments().Comment(DeviceKind::X, 17), "");

    // A cell whose device number lies outside the tables shows no comment,
    // and a function without a device keeps none.
    Cell(1, 13, CellKind::kOpenContact, "M99999", "");
    Cell(2, 13, CellKind::kOpenContact, "X777", "");
    Cell(12, 13, CellKind::kFunctionBox, "MOV D12000 D1", "");
    for (int column : {1, 2, 12}) {
        frm_->LadderEdit()->SetCursor(column, 13);
        QTest::keyClick(frm_->LadderEdit(), Qt::Key_Return);
        ASSERT_TRUE(entry_->isVisible()) << column;
        EXPECT_TRUE(entry_->Edit2()->text().isEmpty()) << column;
        entry_->BitBtn3()->click();
    }
    frm_->LadderEdit()->SetCursor(3, 14);
    Tool(8);
    Confirm("CJ P5", "跳转");
    EXPECT_EQ(First(12, 14), "CJ  P5");
    EXPECT_FALSE(entry_->isVisible());
}

TEST_F(EntryWindows, SaveFollowsEveryCellTheOkChanged) {
    Cell(1, 12, CellKind::kOpenContact, "X1", "(X[1])");
    // An OK that changes nothing takes no snapshot.
    frm_->LadderEdit()->SetCursor(1, 12);
    QTest::keyClick(frm_->LadderEdit(), Qt::Key_Return);
    ASSERT_TRUE(entry_->isVisible());
    QTest::keyClick(entry_->Edit1(), Qt::Key_Return);
    EXPECT_FALSE(entry_->isVisible());
    EXPECT_FALSE(SaveEnabled());
    EXPECT_FALSE(TheUndoHistory().CanUndo());

    // The same contact entered again as a parallel branch changes only links.
    frm_->LadderEdit()->SetCursor(1, 12);
    Tool(5);
    EXPECT_EQ(entry_->Edit1()->text(), QString("X1"));
    QTest::keyClick(entry_->Edit1(), Qt::Key_Return);
    EXPECT_EQ(Kind(1, 12), CellKind::kOpenContact);
    EXPECT_TRUE(TheProgram().cells.HasVerticalLink(2, 12));
    EXPECT_TRUE(SaveEnabled());
    EXPECT_TRUE(TheUndoHistory().CanUndo());
    test::ClickToolButton(frm_->Button("ToolButton9"));
    EXPECT_FALSE(TheProgram().cells.HasVerticalLink(2, 12)) << "the links undo with the entry";
}

TEST_F(EntryWindows, TheDialogSitsUnderTheCursorCellAndIsDraggedByItsBackground) {
    TLadderGrid* grid = frm_->LadderEdit();
    auto cellOnScreen = [grid] {
        return grid->viewport()->mapToGlobal(grid->CellRect(grid->Col(), grid->Row()).topLeft());
    };
    grid->SetCursor(3, 1);
    Tool(1);
    ASSERT_TRUE(entry_->isVisible());
    EXPECT_EQ(entry_->size(), QSize(342, 82));
    EXPECT_EQ(entry_->pos(), cellOnScreen() + QPoint(0, 58)) << "just under the cell";

    QWidget* background = entry_->findChild<QWidget*>("Panel1");
    ASSERT_NE(background, nullptr);
    const QPoint before = entry_->pos();
    QTest::mousePress(background, Qt::LeftButton, {}, QPoint(200, 70));
    QTest::mouseMove(background, QPoint(230, 90));
    QTest::mouseRelease(background, Qt::LeftButton, {}, QPoint(230, 90));
    EXPECT_EQ(entry_->pos(), before + QPoint(30, 20));
    entry_->BitBtn3()->click();

    // Near the bottom of the screen it goes above the cell.
    const int screenHeight = entry_->screen()->geometry().height();
    int row = grid->TopRow();
    while (grid->viewport()->mapToGlobal(grid->CellRect(1, row).topLeft()).y() + 58 <=
               screenHeight - 182 &&
           row < grid->TopRow() + grid->VisibleRowCount() - 1) {
        ++row;
    }
    grid->SetCursor(3, row);
    Tool(1);
    const QPoint cell = cellOnScreen();
    ASSERT_GT(cell.y() + 58, screenHeight - 182) << "a row low enough on the screen";
    EXPECT_EQ(entry_->pos(), cell + QPoint(0, 58 - 143));
    entry_->BitBtn3()->click();
}

TEST_F(EntryWindows, TheDotsButtonOpensTheCatalogueOrThePicker) {
    auto* catalogue = frm_->findChild<TOUTF*>();
    auto* picker = frm_->findChild<Tcanzhao*>();
    ASSERT_NE(catalogue, nullptr);
    ASSERT_NE(picker, nullptr);

    frm_->LadderEdit()->SetCursor(1, 14);
    Tool(8);
    entry_->Edit1()->SetText("mov d5v d6");
    entry_->BitBtn2()->click();
    ASSERT_TRUE(catalogue->isVisible());
    EXPECT_EQ(catalogue->Edit1()->currentText(), QString("MOV"));
    EXPECT_EQ(catalogue->OperandField(1)->text(), QString("D5"));
    EXPECT_EQ(catalogue->OPerICB(1)->currentText(), QString("V"));
    catalogue->OperandField(2)->setText("D7");
    catalogue->BitBtn7()->click();
    EXPECT_EQ(entry_->Edit1()->text(), QString("MOV D5V D7"));
    QTest::keyClick(entry_->Edit1(), Qt::Key_Return);
    EXPECT_EQ(First(12, 14), "MOV D5V D7");

    frm_->LadderEdit()->SetCursor(1, 15);
    Tool(7);
    entry_->Edit1()->SetText("T5 K100");
    entry_->BitBtn2()->click();
    ASSERT_TRUE(picker->isVisible());
    EXPECT_TRUE(picker->CoilMode());
    EXPECT_TRUE(picker->Edit2()->isEnabled());
    picker->StringGrid2SelectCell(0);
    picker->Edit2()->SetText("D12");
    picker->BitBtn1()->click();
    EXPECT_EQ(entry_->Edit1()->text(), QString("T5 D12"));
    QTest::keyClick(entry_->Edit1(), Qt::Key_Return);
    EXPECT_EQ(Second(12, 15), "TON   (5, D[12])");

    frm_->LadderEdit()->SetCursor(2, 16);
    Tool(2);
    entry_->Edit1()->SetText("X3");
    entry_->BitBtn2()->click();
    EXPECT_FALSE(picker->CoilMode());
    picker->BitBtn3()->click();
    EXPECT_EQ(entry_->Edit1()->text(), QString("X3")) << "cancel leaves the field";
    entry_->BitBtn3()->click();
    EXPECT_EQ(Kind(2, 16), CellKind::kEmpty);
}

// Keys typed faster than the entry windows open, with the windows shown
// modally as the program shows them: every key reaches the field it was
// meant for, in order.
class TypeAhead : public EntryWindows {
  protected:
    void SetUp() override {
        EntryWindows::SetUp();
        SetModalRunner({});  // the real modal windows
    }

    // How the typed keys reach the program.
    enum class Way {
        PostedToGrid,  // all queued for the grid before any is handled
        MainWindow,    // to the main window, which still has the keyboard
        FocusWindow,   // to the window that has the keyboard as each is typed
    };

    static std::pair<int, QString> KeyOf(QChar c) {
        if (c == QLatin1Char('\r')) return {Qt::Key_Return, QStringLiteral("\r")};
        return {c.toUpper().unicode(), QString(c)};
    }

    // Types `keys` at the grid's cursor cell and lets the program handle them
    // until no entry window is left open. A window still open after a while
    // has lost a key: it is closed, and the case fails.
    void Type(int column, int row, const QString& keys, Way way) {
        frm_->LadderEdit()->SetCursor(column, row);
        frm_->activateWindow();
        frm_->LadderEdit()->setFocus();
        VX_WAIT_TRUE(QGuiApplication::focusWindow() == frm_->windowHandle(), test::kStateWaitMs);
        bool stuck = false;
        QTimer rescue;
        QObject::connect(&rescue, &QTimer::timeout, [&] {
            stuck = true;
            if (entry_->isVisible()) entry_->reject();
            if (box_->isVisible()) box_->reject();
        });
        rescue.start(15000);  // far beyond typing ten keys, even on a busy machine
        auto done = std::make_shared<bool>(false);
        if (way == Way::PostedToGrid) {
            for (QChar c : keys) {
                const auto [key, text] = KeyOf(c);
                QCoreApplication::postEvent(frm_->LadderEdit(),
                                            new QKeyEvent(QEvent::KeyPress, key, {}, text));
                QCoreApplication::postEvent(frm_->LadderEdit(),
                                            new QKeyEvent(QEvent::KeyRelease, key, {}, text));
            }
            QMetaObject::invokeMethod(
                frm_.get(), [done] { *done = true; }, Qt::QueuedConnection);
        } else {
            // One key per turn of whichever event loop runs: each key is
            // typed while the windows the ones before it opened come up.
            auto next = std::make_shared<std::function<void()>>();
            auto typed = std::make_shared<int>(0);
            std::weak_ptr<std::function<void()>> self = next;
            *next = [this, done, self, typed, keys, way] {
                if (*typed >= keys.size()) {
                    *done = true;
                    return;
                }
                const auto [key, text] = KeyOf(keys[(*typed)++]);
                if (auto again = self.lock()) QTimer::singleShot(0, frm_.get(), *again);
                QWindow* window =
                    way == Way::MainWindow ? frm_->windowHandle() : QGuiApplication::focusWindow();
                if (window == nullptr) window = frm_->windowHandle();
                QTest::keyClick(window, static_cast<Qt::Key>(key));
            };
            QTimer::singleShot(0, frm_.get(), *next);
            (void)QTest::qWaitFor([&] { return *done; }, test::kStateWaitMs);
        }
        (void)QTest::qWaitFor([&] { return *done && !box_->isVisible() && !entry_->isVisible(); },
                              test::kStateWaitMs);
        rescue.stop();
        EXPECT_TRUE(*done);
        EXPECT_FALSE(stuck) << "a window waited for a key that was lost: " << keys.toStdString();
        EXPECT_FALSE(box_->isVisible());
        EXPECT_FALSE(entry_->isVisible());
    }

    void TypeEverySequence(Way way) {
        for (int round = 0; round < 4; ++round) {
            const int row = round * 4;
            Type(1, row, "ld x5\r", way);
            EXPECT_EQ(Kind(1, row), CellKind::kOpenContact) << round;
            EXPECT_EQ(First(1, row), "X5") << round;
            if (HasFailure()) return;
            Type(2, row, "ani m10\r", way);
            EXPECT_EQ(Kind(2, row), CellKind::kClosedContact) << round;
            EXPECT_EQ(First(2, row), "M10") << round;
            if (HasFailure()) return;
            Type(3, row, "out y3\r", way);
            EXPECT_EQ(Kind(12, row), CellKind::kCoil) << round;
            EXPECT_EQ(First(12, row), "Y3") << round;
            if (HasFailure()) return;
            Type(1, row + 1, "mov k1 d0\r", way);
            EXPECT_EQ(Kind(12, row + 1), CellKind::kFunctionBox) << round;
            EXPECT_EQ(First(12, row + 1), "MOV K1 D0") << round;
            if (HasFailure()) return;
            Type(1, row + 2, "ld> d0 k5\r", way);
            EXPECT_EQ(Symbol(Kind(1, row + 2)), CellKind::kCompareContact) << round;
            EXPECT_EQ(First(1, row + 2), "> D0 K5") << round;
            if (HasFailure()) return;
            Type(3, row + 2, "end\r", way);
            EXPECT_EQ(First(12, row + 2), "END") << round;
            if (HasFailure()) return;
        }
        EXPECT_EQ(messages_.Count(), 0u) << messages_.Last().text;
    }
};

TEST_F(TypeAhead, KeysQueuedForTheGridReachTheBoxAndTheDialog) {
    TypeEverySequence(Way::PostedToGrid);
}

TEST_F(TypeAhead, KeysTheMainWindowStillReceivesReachTheBoxAndTheDialog) {
    TypeEverySequence(Way::MainWindow);
}

TEST_F(TypeAhead, KeysFollowingTheKeyboardFocusReachTheBoxAndTheDialog) {
    TypeEverySequence(Way::FocusWindow);
}

}  // namespace
}  // namespace vx
