#include "editor/Selection.h"

#include <gtest/gtest.h>

#include "editor/ClipboardFile.h"
#include "model/CellKind.h"
#include "support/MessageRecorder.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::MessageRecorder;
using test::TempFolder;

class SelectionTest : public testing::Test {
  protected:
    SelectionTest() { undo.EditFileBackup(cells); }

    void Set(int column, int row, std::uint8_t kind, std::string first = "",
             std::string second = "") {
        cells.Kind(column, row) = kind;
        cells.First(column, row) = std::move(first);
        cells.Second(column, row) = std::move(second);
    }
    EditResult Copy(int left, int top, int right, int bottom, int rowBase = 0) {
        return CopySelection(cells, {left, top, right, bottom}, rowBase, clip, clipPath);
    }
    EditResult PasteAt(int column, int row, bool chinese = true) {
        return PasteClipCells(cells, clip, {column, row, 0, kMainRows}, undo, chinese);
    }

    TempFolder dir;
    std::string clipPath = dir / "Clipboard.dat";
    LadderCells cells;
    ClipCells clip;
    UndoHistory undo;
    MessageRecorder messages;
};

TEST_F(SelectionTest, DeleteEmptiesTheWholeRectangleAndTakesASnapshot) {
    Set(0, 2010, 0x11, "a");
    Set(13, 2011, 0xCD, "comment", "line 2");
    Set(5, 2011, 0x31, "X1", "(X[1])");
    Set(5, 2012, 0x21, "X2");
    const EditResult r = AreaSelectionDel(cells, {0, 10, 13, 11}, 2000, undo);
    EXPECT_TRUE(r.cellsChanged);
    EXPECT_EQ(cells.Kind(0, 2010), 0);
    EXPECT_EQ(cells.First(13, 2011), "");
    EXPECT_EQ(cells.Second(13, 2011), "");
    EXPECT_EQ(cells.Kind(5, 2011), 0) << "links go with the cell";
    EXPECT_EQ(cells.Kind(5, 2012), 0x21) << "rows outside stay";
    EXPECT_EQ(undo.Depth(), 1);
}

TEST_F(SelectionTest, CopyTakesAtMost128Rows) {
    Set(1, 0, 1, "X0");
    EditResult r = Copy(1, 0, 1, 128);
    EXPECT_FALSE(r.copied);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Operation number>128 ！");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Information);
    EXPECT_FALSE(FileExists(clipPath));

    r = Copy(1, 0, 2, 127);
    EXPECT_TRUE(r.copied);
    EXPECT_TRUE(r.clipboardWritten);
    EXPECT_FALSE(r.cellsChanged);
    EXPECT_EQ(clip.Area(), (CopiedArea{0, 1, 127, 2}));
    const auto file = ReadClipboardFile(clipPath);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->mode, "Copy");
    EXPECT_EQ(file->cells.First(1, 0), "X0");
    EXPECT_EQ(undo.Depth(), 0) << "a copy is no edit";
}

TEST_F(SelectionTest, CopyUsesBlockRowsAndLeavesTheRestOfTheBuffer) {
    clip.First(9, 50) = "older";
    Set(4, 2000 + 300, 2, "M1");  // subroutine 0 starts at row 2000; grid row 300 of nothing
    Set(4, 2000 + 7, 2, "M7");
    ASSERT_TRUE(Copy(3, 7, 5, 9, 2000).copied);
    EXPECT_EQ(clip.First(4, 0), "M7");
    EXPECT_EQ(clip.First(9, 50), "older");
    EXPECT_EQ(clip.Area(), (CopiedArea{7, 3, 9, 5}));
}

TEST_F(SelectionTest, CutEmptiesTheCopiedCellsAndTakesASnapshot) {
    Set(2, 4, 1, "X4");
    Set(12, 4, 4, "Y4");
    const EditResult r = CutSelection(cells, {2, 4, 12, 4}, 0, clip, clipPath, undo);
    EXPECT_TRUE(r.cellsChanged);
    EXPECT_TRUE(r.copied);
    EXPECT_EQ(cells.Kind(2, 4), 0);
    EXPECT_EQ(cells.First(12, 4), "");
    EXPECT_EQ(clip.First(12, 0), "Y4");
    EXPECT_EQ(undo.Depth(), 1);
    EXPECT_EQ(ReadClipboardFile(clipPath)->mode, "Copy");
}

// One cell copied from a column and pasted at another: where it lands and as what.
TEST_F(SelectionTest, SingleCellPlacement) {
    struct Case {
        const char* what;
        int fromColumn;
        std::uint8_t kind;
        int toColumn;
        std::uint8_t targetKind;  // what the target cell held before
        int landsIn;
        std::uint8_t landsAs;
    };
    const Case cases[] = {
        {"contact keeps the target's links", 3, 0x11, 5, 0x20, 5, 0x21},
        {"contact into column 1", 3, 0x01, 1, 0x00, 1, 0x01},
        {"coil goes to the output column", 12, 0x04, 4, 0x00, 12, 0x04},
        {"function box goes to the output column", 12, 0x16, 9, 0x00, 12, 0x16},
        {"coil onto the output column keeps its links", 12, 0x04, 12, 0x10, 12, 0x14},
        {"step contact goes to column 1", 1, 0x0A, 6, 0x00, 1, 0x0A},
        {"block comment stays on the rail", 13, 0xCD, 3, 0x00, 13, 0xCD},
        {"block comment onto the rail", 13, 0xCD, 13, 0x00, 13, 0xCD},
        {"compare contact in a condition column", 2, 0x07, 11, 0x00, 11, 0x07},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LadderCells source;
        source.Kind(c.fromColumn, 40) = c.kind;
        source.First(c.fromColumn, 40) = "text";
        source.Second(c.fromColumn, 40) = "code";
        ASSERT_TRUE(
            CopySelection(source, {c.fromColumn, 40, c.fromColumn, 40}, 0, clip, clipPath).copied);
        cells.Clear();
        cells.Kind(c.toColumn, 8) = c.targetKind;
        ASSERT_TRUE(PasteAt(c.toColumn, 8).cellsChanged);
        EXPECT_EQ(cells.Kind(c.landsIn, 8), c.landsAs);
        EXPECT_EQ(cells.First(c.landsIn, 8), "text");
        EXPECT_EQ(cells.Second(c.landsIn, 8), "code");
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SelectionTest, ACoilPastedLeftOfTheOutputDrawsLinesUpToIt) {
    Set(12, 3, 0x04, "Y0", "Y[0]");
    ASSERT_TRUE(Copy(12, 3, 12, 3).copied);
    Set(6, 20, 0x12, "X6");  // a contact with a link down, where a line will go
    ASSERT_TRUE(PasteAt(4, 20).cellsChanged);
    EXPECT_EQ(cells.Kind(12, 20), 0x04);
    EXPECT_EQ(cells.First(12, 20), "Y0");
    for (int column = 4; column <= 11; ++column) {
        EXPECT_EQ(Symbol(cells.Kind(column, 20)), CellKind::kLine) << column;
        EXPECT_EQ(cells.First(column, 20), "") << column;
    }
    EXPECT_EQ(cells.Kind(6, 20), 0x13) << "a single-cell paste keeps the links of the line cells";
    EXPECT_EQ(cells.Kind(3, 20), 0);
    EXPECT_EQ(undo.Depth(), 1);
}

TEST_F(SelectionTest, ABlockNeverJoinsTheRowsAroundIt) {
    // Rows 10-12, columns 2-3: the top row links up, the middle both ways,
    // the bottom row links down.
    Set(2, 10, 0x21, "X0");
    Set(3, 10, 0x03);
    Set(2, 11, 0x31, "X1");
    Set(3, 11, 0x13);
    Set(2, 12, 0x11, "X2");
    Set(3, 12, 0xC3);  // bits 6 and 7 set
    ASSERT_TRUE(Copy(2, 10, 3, 12).copied);
    ASSERT_TRUE(PasteAt(2, 100).cellsChanged);
    EXPECT_EQ(cells.Kind(2, 100), 0x01);
    EXPECT_EQ(cells.Kind(3, 100), 0x03);
    EXPECT_EQ(cells.Kind(2, 101), 0x31) << "inner links stay";
    EXPECT_EQ(cells.Kind(3, 101), 0x13);
    EXPECT_EQ(cells.Kind(2, 102), 0x01);
    EXPECT_EQ(cells.Kind(3, 102), 0x03);
    EXPECT_EQ(cells.First(2, 102), "X2");

    // One row of several cells loses both outer links; a rail marker keeps its kind.
    cells.Clear();
    Set(5, 0, 0x31, "M0");
    Set(13, 0, 0xCD, "note");
    ASSERT_TRUE(Copy(5, 0, 13, 0).copied);
    ASSERT_TRUE(PasteAt(5, 50).cellsChanged);
    EXPECT_EQ(cells.Kind(5, 50), 0x01);
    EXPECT_EQ(cells.Kind(13, 50), 0xCD);
    EXPECT_EQ(cells.First(13, 50), "note");
}

TEST_F(SelectionTest, ABlockWithAnOutputLeftOfItsColumnMovesItToTheOutputColumn) {
    // Columns 5-13 of one row pasted at column 2: contacts shift left, the
    // coil stays at 12 behind lines, the comment stays on the rail.
    Set(5, 0, 0x01, "X0");
    Set(12, 0, 0x04, "Y0");
    Set(13, 0, 0xCD, "note");
    ASSERT_TRUE(Copy(5, 0, 13, 0).copied);
    ASSERT_TRUE(PasteAt(2, 30).cellsChanged);
    EXPECT_EQ(cells.First(2, 30), "X0");
    EXPECT_EQ(cells.Kind(12, 30), 0x04);
    EXPECT_EQ(cells.Kind(9, 30), 0x03);
    EXPECT_EQ(cells.Kind(11, 30), 0x03);
    EXPECT_EQ(cells.First(13, 30), "note");
    EXPECT_EQ(cells.Kind(10, 30), 0x03) << "the comment went to the rail, not over the line";
}

TEST_F(SelectionTest, WrongPlacesRefuseTheWholePasteBeforeAnythingIsWritten) {
    struct Case {
        std::uint8_t kind;
        int toColumn;
    };
    for (const Case c : {Case{0x01, 12}, Case{0x03, 13}, Case{0x05, 12}, Case{0x08, 12},
                         Case{0x09, 13}, Case{0x02, 12}, Case{0x07, 12}, Case{0x07, 13}}) {
        cells.Clear();
        Set(3, 0, c.kind, "X0");
        ASSERT_TRUE(Copy(3, 0, 3, 0).copied);
        Set(c.toColumn, 9, 0xCD, "kept");
        messages.Clear();
        const int depth = undo.Depth();
        EXPECT_FALSE(PasteAt(c.toColumn, 9).cellsChanged) << int(c.kind) << " at " << c.toColumn;
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "粘贴的位置不合适，不能执行。\r请把光标往左移再执行。");
        EXPECT_EQ(messages.Last().icon, MsgIcon::Information);
        EXPECT_EQ(cells.First(c.toColumn, 9), "kept");
        EXPECT_EQ(undo.Depth(), depth) << "no snapshot";
    }

    // Two rows where only the last cell of the second row is misplaced: the
    // first row would have been half pasted before.
    cells.Clear();
    Set(10, 0, 0x00);
    Set(11, 0, 0x00);
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
    EXPECT_EQ(cells.First(1, 1998), "X1");

    // In a subroutine block rows are counted from its first row.
    const PasteTarget sub{1, 2000 + 254, 2000, kSubroutineRows};
    EXPECT_FALSE(PasteClipCells(cells, clip, sub, undo, false).cellsChanged);
    EXPECT_EQ(messages.Last().text,
              "Line number: 2, paste the results exceed the maximum number of rows, not "
              "performed. \r put the cursor up again. ");
    const PasteTarget fits{1, 2000 + 253, 2000, kSubroutineRows};
    EXPECT_TRUE(PasteClipCells(cells, clip, fits, undo, false).cellsChanged);

    ASSERT_TRUE(Copy(1, 0, 13, 0).copied);
    messages.Clear();
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
    EXPECT_EQ(undo.Depth(), 0);
}

}  // namespace
}  // namespace vx
