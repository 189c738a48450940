#include "editor/Selection.h"

#include <gtest/gtest.h>

#include "editor/ClipboardFile.h"
#include "model/CellKind.h"
#include "support/MessageRecorder.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

class SelectionTest : public testing::Test {
  protected:
    SelectionTest() { undo.EditFileBackup(cells); }

    void Set(int column, int row, std::uint8_t kind, std::string first = "") {
        cells.Kind(column, row) = kind;
        cells.First(column, row) = std::move(first);
    }
    EditResult Copy(int left, int top, int right, int bottom, int rowBase = 0) {
        return CopySelection(cells, {left, top, right, bottom}, rowBase, clip, clipPath);
    }
    EditResult PasteAt(int column, int row, bool chinese = true) {
        return PasteClipCells(cells, clip, {column, row, 0, kMainRows}, undo, chinese);
    }

    test::TempFolder dir;
    std::string clipPath = dir / "Clipboard.dat";
    LadderCells cells;
    ClipCells clip;
    UndoHistory undo;
    test::MessageRecorder messages;
};

TEST_F(SelectionTest, DeleteEmptiesTheWholeRectangleOfTheBlock) {
    Set(0, 2010, 0x11, "a");
    Set(13, 2011, 0xCD, "comment");
    Set(5, 2011, 0x31, "X1");
    Set(5, 2012, 0x21, "X2");
    EXPECT_TRUE(AreaSelectionDel(cells, {0, 10, 13, 11}, 2000, undo).cellsChanged);
    EXPECT_EQ(cells.Kind(0, 2010), 0);
    EXPECT_EQ(cells.First(13, 2011), "");
    EXPECT_EQ(cells.Kind(5, 2011), 0) << "links go with the cell";
    EXPECT_EQ(cells.Kind(5, 2012), 0x21) << "rows outside stay";
    EXPECT_EQ(undo.Depth(), 1);
}

TEST_F(SelectionTest, CopyTakesAtMost128RowsAndCutEmptiesWhatItCopied) {
    Set(1, 2000, 1, "X0");
    EXPECT_FALSE(Copy(1, 0, 1, 128, 2000).copied);
    EXPECT_EQ(messages.Last().text, "Operation number>128 ！");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Information);
    EXPECT_FALSE(FileExists(clipPath));

    clip.First(9, 50) = "older";
    const EditResult copied = Copy(1, 0, 2, 127, 2000);
    EXPECT_TRUE(copied.copied && copied.clipboardWritten && !copied.cellsChanged);
    EXPECT_EQ(clip.Area(), (CopiedArea{0, 1, 127, 2}));
    EXPECT_EQ(clip.First(9, 50), "older") << "the rest of the buffer keeps what it held";
    EXPECT_EQ(ReadClipboardFile(clipPath)->mode, "Copy");
    EXPECT_EQ(ReadClipboardFile(clipPath)->cells.First(1, 0), "X0");
    EXPECT_EQ(undo.Depth(), 0) << "a copy is no edit";

    Set(12, 4, 4, "Y4");
    const EditResult cut = CutSelection(cells, {2, 4, 12, 4}, 0, clip, clipPath, undo);
    EXPECT_TRUE(cut.cellsChanged && cut.copied);
    EXPECT_EQ(cells.Kind(12, 4), 0);
    EXPECT_EQ(clip.First(12, 0), "Y4");
    EXPECT_EQ(undo.Depth(), 1);
}

// One cell copied from a column and pasted at another: where it lands and as what.
TEST_F(SelectionTest, SingleCellPlacement) {
    const struct {
        const char* what;
        int fromColumn;
        std::uint8_t kind;
        int toColumn;
        std::uint8_t targetKind;  // what the target cell held before
        int landsIn;
        std::uint8_t landsAs;
    } cases[] = {
        {"contact keeps the target's links", 3, 0x11, 5, 0x20, 5, 0x21},
        {"coil goes to the output column", 12, 0x04, 4, 0x00, 12, 0x04},
        {"function box goes to the output column", 12, 0x16, 9, 0x00, 12, 0x16},
        {"coil onto the output column keeps its links", 12, 0x04, 12, 0x10, 12, 0x14},
        {"step contact goes to column 1", 1, 0x0A, 6, 0x00, 1, 0x0A},
        {"block comment stays on the rail", 13, 0xCD, 3, 0x00, 13, 0xCD},
        {"block comment onto the rail", 13, 0xCD, 13, 0x00, 13, 0xCD},
        {"compare contact in a condition column", 2, 0x07, 11, 0x00, 11, 0x07},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        cells.Clear();
        Set(c.fromColumn, 40, c.kind, "text");
        ASSERT_TRUE(Copy(c.fromColumn, 40, c.fromColumn, 40).copied);
        cells.Clear();
        cells.Kind(c.toColumn, 8) = c.targetKind;
        ASSERT_TRUE(PasteAt(c.toColumn, 8).cellsChanged);
        EXPECT_EQ(cells.Kind(c.landsIn, 8), c.landsAs);
        EXPECT_EQ(cells.First(c.landsIn, 8), "text");
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SelectionTest, ACoilPastedLeftOfTheOutputDrawsLinesUpToIt) {
    Set(12, 3, 0x04, "Y0");
    ASSERT_TRUE(Copy(12, 3, 12, 3).copied);
    Set(6, 20, 0x12, "X6");  // a contact with a link down, where a line will go
    ASSERT_TRUE(PasteAt(4, 20).cellsChanged);
    EXPECT_EQ(cells.First(12, 20), "Y0");
    for (int column = 4; column <= 11; ++column) {
        EXPECT_EQ(Symbol(cells.Kind(column, 20)), CellKind::kLine) << column;
        EXPECT_EQ(cells.First(column, 20), "") << column;
    }
    EXPECT_EQ(cells.Kind(6, 20), 0x13) << "a single-cell paste keeps the links of the line cells";
    EXPECT_EQ(cells.Kind(3, 20), 0);
}

TEST_F(SelectionTest, ABlockNeverJoinsTheRowsAroundIt) {
    // Columns 2-3 of rows 10-12: the top row links up, the middle both ways,
    // the bottom row down (with the meaningless bits 6 and 7 set).
    Set(2, 10, 0x21, "X0");
    Set(2, 11, 0x31, "X1");
    Set(3, 11, 0x13);
    Set(2, 12, 0x11, "X2");
    Set(3, 12, 0xC3);
    ASSERT_TRUE(Copy(2, 10, 3, 12).copied);
    ASSERT_TRUE(PasteAt(2, 100).cellsChanged);
    EXPECT_EQ(cells.Kind(2, 100), 0x01);
    EXPECT_EQ(cells.Kind(2, 101), 0x31) << "inner links stay";
    EXPECT_EQ(cells.Kind(3, 101), 0x13);
    EXPECT_EQ(cells.Kind(2, 102), 0x01);
    EXPECT_EQ(cells.Kind(3, 102), 0x03);

    // Columns 5-13 of one row pasted at column 2: both outer links go, the
    // coil stays at 12 behind lines, the comment stays on the rail as it is.
    cells.Clear();
    Set(5, 0, 0x31, "X0");
    Set(12, 0, 0x04, "Y0");
    Set(13, 0, 0xCD, "note");
    ASSERT_TRUE(Copy(5, 0, 13, 0).copied);
    ASSERT_TRUE(PasteAt(2, 30).cellsChanged);
    EXPECT_EQ(cells.Kind(2, 30), 0x01);
    EXPECT_EQ(cells.Kind(12, 30), 0x04);
    for (int column = 9; column <= 11; ++column)
        EXPECT_EQ(cells.Kind(column, 30), 0x03) << column;
    EXPECT_EQ(cells.Kind(13, 30), 0xCD);
    EXPECT_EQ(cells.First(13, 30), "note");
}

// Coils moved to the output column and block comments moved to the rail are
// pasted cells like the others: the block's edge rows lose their outer links
// there too, and a comment the grid has not painted yet (kind 0) still goes
// to the rail instead of landing on the output.
TEST_F(SelectionTest, CellsMovedToTheirColumnKeepTheBlockApart) {
    Set(12, 50, 0x24, "Y0");  // parallel coils joined above and below
    Set(12, 51, 0x34, "Y1");
    Set(12, 52, 0x14, "Y2");
    ASSERT_TRUE(Copy(11, 50, 12, 52).copied);
    Set(12, 199, 0x14, "Y9");  // outputs above and below that links could join
    Set(12, 203, 0x24, "Y8");
    ASSERT_TRUE(PasteAt(10, 200).cellsChanged);
    const struct {
        int column, row;
        std::uint8_t kind;
    } expected[] = {{10, 200, 0x00}, {11, 200, 0x03}, {12, 200, 0x04}, {12, 201, 0x34},
                    {12, 202, 0x04}, {12, 199, 0x14}, {12, 203, 0x24}};
    for (const auto& e : expected)
        EXPECT_EQ(cells.Kind(e.column, e.row), e.kind) << e.column << "," << e.row;
    EXPECT_FALSE(cells.HasVerticalLink(12, 200));
    EXPECT_FALSE(cells.HasVerticalLink(12, 203));

    cells.Clear();
    Set(12, 70, 0x04, "Y0");
    cells.First(13, 70) = "unpainted note";
    ASSERT_TRUE(Copy(12, 70, 13, 71).copied);
    ASSERT_TRUE(PasteAt(11, 300).cellsChanged);
    EXPECT_EQ(cells.Kind(11, 300), 0x03);
    EXPECT_EQ(cells.Kind(12, 300), 0x04);
    EXPECT_EQ(cells.First(12, 300), "Y0");
    EXPECT_EQ(cells.Kind(13, 300), 0xCD);
    EXPECT_EQ(cells.First(13, 300), "unpainted note");
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SelectionTest, WrongPlacesRefuseTheWholePasteBeforeAnythingIsWritten) {
    const struct {
        std::uint8_t kind;
        int toColumn;
    } cases[] = {{0x01, 12}, {0x03, 13}, {0x05, 12}, {0x08, 12}, {0x09, 13}, {0x07, 12}};
    for (const auto& c : cases) {
        cells.Clear();
        Set(3, 0, c.kind, "X0");
        ASSERT_TRUE(Copy(3, 0, 3, 0).copied);
        Set(c.toColumn, 9, 0xCD, "kept");
        EXPECT_FALSE(PasteAt(c.toColumn, 9).cellsChanged) << int(c.kind) << " at " << c.toColumn;
        EXPECT_EQ(messages.Last().text, "粘贴的位置不合适，不能执行。\r请把光标往左移再执行。");
        EXPECT_EQ(cells.First(c.toColumn, 9), "kept");
    }
    EXPECT_EQ(undo.Depth(), 0) << "no snapshot";

    // Only the last cell of two rows is misplaced: nothing of the first row lands.
    cells.Clear();
    Set(10, 1, 0x01, "X10");
    Set(11, 1, 0x01, "X11");
    ASSERT_TRUE(Copy(10, 0, 11, 1).copied);
    Set(11, 40, 0x03);
    Set(12, 40, 0x04, "Y1");
    EXPECT_FALSE(PasteAt(11, 40, false).cellsChanged);
    EXPECT_EQ(
        messages.Last().text,
        "stuck in the wrong place, cannot perform. \r put the cursor to the left to perform. ");
    EXPECT_EQ(cells.Kind(11, 40), 0x03);
    EXPECT_EQ(cells.First(12, 40), "Y1");
}

TEST_F(SelectionTest, PastesThatLeaveTheBlockAreRefused) {
    Set(1, 0, 0x01, "X0");
    Set(1, 1, 0x01, "X1");
    ASSERT_TRUE(Copy(1, 0, 1, 1).copied);
    // The last pasted row may not be the block's last row.
    EXPECT_FALSE(PasteAt(1, 1998).cellsChanged);
    EXPECT_EQ(messages.Last().text,
              "剪贴板行数为:2，粘贴结果超过了最大行数，不能执行。\r请把光标往上移再执行。");
    EXPECT_TRUE(PasteAt(1, 1997).cellsChanged);
    // In a subroutine rows count from its first row.
    EXPECT_FALSE(PasteClipCells(cells, clip, {1, 2254, 2000, 256}, undo, false).cellsChanged);
    EXPECT_EQ(messages.Last().text,
              "Line number: 2, paste the results exceed the maximum number of rows, not "
              "performed. \r put the cursor up again. ");
    EXPECT_TRUE(PasteClipCells(cells, clip, {1, 2253, 2000, 256}, undo, false).cellsChanged);

    ASSERT_TRUE(Copy(1, 0, 13, 0).copied);
    EXPECT_FALSE(PasteAt(2, 5).cellsChanged);
    EXPECT_EQ(messages.Last().text,
              "剪贴板列数为:13，粘贴结果超过了右母线，不能执行。\r请把光标往左移再执行。");
    EXPECT_FALSE(PasteAt(2, 5, false).cellsChanged);
    EXPECT_EQ(messages.Last().text,
              "The clipboard columns: 13, paste the results over the right bus, not performed. "
              "\r put the cursor to the left to perform. ");
    EXPECT_TRUE(PasteAt(1, 5).cellsChanged);
}

TEST_F(SelectionTest, ABufferWithoutACopiedAreaPastesNothing) {
    clip.Kind(1, 0) = 0x01;
    clip.SetArea({0, 1, 140, 1});
    EXPECT_FALSE(PasteAt(1, 0).cellsChanged);
    clip.SetArea({0, 9, 0, 3});
    EXPECT_FALSE(PasteAt(1, 0).cellsChanged);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(cells, LadderCells());
}

}  // namespace
}  // namespace vx
