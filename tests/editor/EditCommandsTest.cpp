#include "editor/EditCommands.h"

#include <gtest/gtest.h>

#include <random>

#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "support/MessageRecorder.h"

namespace vx {
namespace {

using namespace CellKind;

constexpr int kSub3 = 2000 + 256 * 3;  // first row of subroutine 3
constexpr int kSub3Last = kSub3 + 255;

class EditCommands : public testing::Test {
  protected:
    void Put(int col, int row, std::uint8_t kind, const std::string& first = "",
             const std::string& second = "") {
        cells.Kind(col, row) = kind;
        cells.First(col, row) = first;
        cells.Second(col, row) = second;
    }
    void At(int col, int row) {
        cursor.cursorCol = col;
        cursor.cursorRow = row;
        cursor.placeArmed = true;
    }
    // A rung: X0 and X1 in columns 1 and 2, lines up to 11, coil Y0.
    void Rung(int row) {
        Put(1, row, kOpenContact, "X0", "(X[0])");
        Put(2, row, kClosedContact, "X1", "(X[1])");
        for (int c = 3; c <= 11; ++c)
            Put(c, row, kLine);
        Put(12, row, kCoil, "Y0", "OUT   (Y[0])");
    }
    void ExpectRefused(const std::string& text) {
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, text);
        EXPECT_EQ(messages.Last().caption, kProductTitle);
        EXPECT_EQ(messages.Last().icon, MsgIcon::Exclamation);
        messages.Clear();
    }

    LadderCells cells;
    GridCursor cursor;
    test::MessageRecorder messages;
};

TEST_F(EditCommands, LinesAndInvertersArePlacedDirectlyKeepingTheLinks) {
    Put(3, 5, kOpenContact | kLinkDown | kLinkUp, "X7", "(X[7])");
    At(3, 5);
    cursor.toolKind = kLine;
    CommandResult r = PlaceToolAtCursor(cells, cursor, true);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(cells.Kind(3, 5), kLine | kLinkDown | kLinkUp);
    EXPECT_TRUE(cells.First(3, 5).empty());
    EXPECT_TRUE(cells.Second(3, 5).empty());
    EXPECT_EQ(r.cursorCol, 4);
    EXPECT_EQ(cursor.cursorCol, 4);

    cursor.toolKind = kInverter;
    r = PlaceToolAtCursor(cells, cursor, true);
    EXPECT_EQ(cells.Kind(4, 5), kInverter);

    // In column 11 the cursor stays; placing the same line again changes nothing.
    At(11, 5);
    cursor.toolKind = kLine;
    EXPECT_TRUE(PlaceToolAtCursor(cells, cursor, true).changed);
    EXPECT_EQ(cursor.cursorCol, 11);
    EXPECT_FALSE(PlaceToolAtCursor(cells, cursor, true).changed);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(EditCommands, ElementToolsAskForTheEntryDialog) {
    Put(4, 7, kOpenContact, "M3", "(M[3])");
    At(4, 7);
    cursor.toolKind = kParallelOpenContact;
    CommandResult r = PlaceToolAtCursor(cells, cursor, true);
    EXPECT_EQ(r.request, EditRequest::EntryDialog);
    EXPECT_EQ(r.entryKind, kParallelOpenContact);
    EXPECT_EQ(r.edit1, "M3");
    EXPECT_EQ(r.edit2, "");
    EXPECT_FALSE(r.changed) << "the dialog stores the element and takes the snapshot";

    At(12, 7);
    cursor.toolKind = kCoil;
    EXPECT_EQ(PlaceToolAtCursor(cells, cursor, true).request, EditRequest::EntryDialog);
    cursor.toolKind = kFunctionBox;
    EXPECT_EQ(PlaceToolAtCursor(cells, cursor, true).request, EditRequest::EntryDialog);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(EditCommands, PlacingIsRefusedOnTheRailsAndBeforeTheGridReportedACell) {
    const LadderCells before = cells;
    cursor.toolKind = kLine;
    cursor.cursorCol = 3;
    EXPECT_EQ(PlaceToolAtCursor(cells, cursor, true).request, EditRequest::None);
    EXPECT_EQ(messages.Count(), 0u) << "nothing happens until a cell was selected";

    At(12, 0);
    for (std::int32_t tool : {kLine, kInverter, kOpenContact, kParallelClosedContact}) {
        cursor.toolKind = tool;
        CommandResult r = PlaceToolAtCursor(cells, cursor, true);
        EXPECT_EQ(r.request, EditRequest::None);
        ExpectRefused("这里不能放置该元件 ！");
    }
    At(13, 0);
    cursor.toolKind = kCoil;
    PlaceToolAtCursor(cells, cursor, false);
    ExpectRefused("The element not can be placed here!");
    EXPECT_EQ(cursor.cursorCol, 13);
    EXPECT_TRUE(cells == before);
}

TEST_F(EditCommands, ElementEntryEditsWhatStandsUnderTheCursor) {
    Put(12, 9, kFunctionBox | kLinkDown, "MOV D0 D1", "MOV(D[0],D[1])");
    At(12, 9);
    CommandResult r = ElementEntry(cells, cursor);
    EXPECT_EQ(r.request, EditRequest::EntryDialog);
    EXPECT_EQ(r.entryKind, 0x16) << "the whole kind byte, links included";
    EXPECT_EQ(r.edit1, "MOV D0 D1");

    Put(2, 9, kLine | kLinkUp);
    Put(3, 9, kInverter);
    for (int col : {1, 2, 3}) {
        At(col, 9);
        EXPECT_EQ(ElementEntry(cells, cursor).request, EditRequest::None) << col;
    }

    Put(13, 9, kRailMarker, "first line", "second line");
    At(13, 9);
    r = ElementEntry(cells, cursor);
    EXPECT_EQ(r.request, EditRequest::BlockComment);
    EXPECT_EQ(r.edit1, "first line");
    EXPECT_EQ(r.edit2, "second line");

    // A double click sets a value while monitoring with Shift held.
    At(12, 9);
    cursor.shiftHeld = true;
    EXPECT_EQ(LadderEditDblClick(cells, cursor, true).request, EditRequest::SetValue);
    EXPECT_EQ(LadderEditDblClick(cells, cursor, false).request, EditRequest::EntryDialog);
    cursor.shiftHeld = false;
    EXPECT_EQ(LadderEditDblClick(cells, cursor, true).request, EditRequest::EntryDialog);
}

TEST_F(EditCommands, BackspaceEmptiesTheCellKeepsItsLinksAndStepsLeft) {
    Put(5, 3, kOpenContact | kLinkUp, "X2", "(X[2])");
    At(5, 3);
    CommandResult r = BackspaceAtCursor(cells, cursor);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(cells.Kind(5, 3), kLinkUp);
    EXPECT_TRUE(cells.First(5, 3).empty());
    EXPECT_EQ(r.cursorCol, 4);

    // An empty cell: no snapshot; column 1 is the leftmost step.
    At(1, 3);
    r = BackspaceAtCursor(cells, cursor);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.cursorCol, 1);

    // On the right rail the block comment goes; the rail keeps its kind.
    Put(13, 3, kRailMarker, "note", "more");
    At(13, 3);
    r = BackspaceAtCursor(cells, cursor);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(cells.Kind(13, 3), kRailMarker);
    EXPECT_TRUE(cells.First(13, 3).empty());
    EXPECT_TRUE(cells.Second(13, 3).empty());
    EXPECT_EQ(r.cursorCol, 12);
}

TEST_F(EditCommands, LinkDownOpensAnEmptyBranchRowUnderANewBranch) {
    Rung(10);
    Rung(11);
    Put(4, 11, kLine | kLinkUp);  // a dangling link up on the row below
    Put(6, 11, kLine | kLinkDown);
    Put(6, 12, kLinkUp);
    At(4, 10);
    CommandResult r = YlineClick(cells, cursor, true);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.cursorRow, 11);
    EXPECT_EQ(r.cursorCol, 4);
    EXPECT_EQ(cells.Kind(4, 10), kLine | kLinkDown);
    // The new row 11 holds only the links coming down into it.
    EXPECT_EQ(cells.Kind(4, 11), kLinkUp);
    for (int c = 1; c <= 13; ++c) {
        if (c != 4) {
            EXPECT_EQ(cells.Kind(c, 11), 0) << c;
        }
        EXPECT_TRUE(cells.First(c, 11).empty()) << c;
    }
    // The old row 11 moved to 12 without its up links; its down links still
    // meet the old row 12, now row 13.
    EXPECT_EQ(cells.First(1, 12), "X0");
    EXPECT_EQ(cells.Kind(4, 12), kLine);
    EXPECT_EQ(cells.Kind(6, 12), kLine | kLinkDown);
    EXPECT_EQ(cells.Kind(6, 13), kLinkUp);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(EditCommands, LinkDownOnlyDrawsTheLinkWithShiftOrOnABranchingRow) {
    Rung(10);
    Rung(11);
    cursor.shiftHeld = true;
    At(3, 10);
    EXPECT_TRUE(YlineClick(cells, cursor, true).changed);
    EXPECT_EQ(cells.Kind(3, 10), kLine | kLinkDown);
    EXPECT_EQ(cells.Kind(3, 11), kLine | kLinkUp);
    EXPECT_EQ(cells.First(1, 11), "X0") << "no row opened";

    cursor.shiftHeld = false;
    At(5, 10);  // row 10 already branches at column 3
    YlineClick(cells, cursor, true);
    EXPECT_EQ(cells.Kind(5, 11), kLine | kLinkUp);
    EXPECT_EQ(cells.First(1, 11), "X0");
    EXPECT_EQ(cursor.cursorRow, 11);
}

TEST_F(EditCommands, LinkDownInColumnOneDrawsNothingButStillOpensARow) {
    Rung(20);
    Rung(21);
    At(1, 20);
    CommandResult r = YlineClick(cells, cursor, true);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.cursorRow, 21);
    EXPECT_EQ(cells.Kind(1, 20), kOpenContact);
    EXPECT_EQ(cells.Kind(1, 21), 0);
    EXPECT_EQ(cells.First(1, 22), "X0");
}

TEST_F(EditCommands, LinkDownStaysInsideTheBlock) {
    Rung(kSub3Last);
    Put(3, kSub3Last + 1, kLine);  // first row of subroutine 4
    const LadderCells before = cells;
    At(3, kSub3Last);
    CommandResult r = YlineClick(cells, cursor, true);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.cursorRow, kSub3Last);
    EXPECT_TRUE(cells == before) << "subroutine 4 is not touched";
}

// From the row before a block's last row the link itself reaches the last
// row: no branch row can be opened, the link stays and the user is told.
TEST_F(EditCommands, LinkDownFromTheRowBeforeTheLastRefusesTheBranchRowKeepingTheLink) {
    for (const int last : {1999, kSub3Last}) {
        SCOPED_TRACE(last);
        Rung(last - 2);
        Rung(last - 1);
        At(5, last - 1);
        CommandResult r = YlineClick(cells, cursor, false);
        ExpectRefused("The last line has content of ladder diagram!");
        EXPECT_TRUE(r.changed) << "the link is drawn";
        EXPECT_EQ(r.cursorRow, last);
        EXPECT_EQ(cells.Kind(5, last - 1), kLine | kLinkDown);
        EXPECT_EQ(cells.Kind(5, last), kLinkUp);
        EXPECT_EQ(cells.First(1, last - 1), "X0") << "no row moved";
        EXPECT_EQ(cells.Kind(3, last + 1), 0) << "the next block is not touched";

        // In column 1 nothing is drawn, so the empty last row becomes the branch row.
        Put(5, last - 1, kLine);
        Put(5, last, 0);
        At(1, last - 1);
        r = YlineClick(cells, cursor, true);
        EXPECT_EQ(messages.Count(), 0u);
        EXPECT_EQ(r.cursorRow, last);
        EXPECT_EQ(cells.Kind(1, last), 0);
    }
}

TEST_F(EditCommands, BranchRowIsRefusedWhenTheLastRowIsUsedAndTheLinkStays) {
    Rung(kSub3 + 4);
    Rung(kSub3 + 5);
    Put(7, kSub3Last, kOpenContact, "X5");
    At(3, kSub3 + 4);
    CommandResult r = YlineClick(cells, cursor, false);
    ExpectRefused("The last line has content of ladder diagram!");
    EXPECT_TRUE(r.changed) << "the link is drawn";
    EXPECT_EQ(cells.Kind(3, kSub3 + 5), kLine | kLinkUp);
    EXPECT_EQ(cells.First(1, kSub3 + 5), "X0") << "no row moved";
    EXPECT_EQ(cells.First(7, kSub3Last), "X5");

    // A block comment on the last row counts as content too.
    Put(7, kSub3Last, 0);
    Put(13, kSub3Last, kRailMarker, "keep me");
    At(8, kSub3 + 4);
    Put(3, kSub3 + 4, kLine);  // no branch yet
    YlineClick(cells, cursor, true);
    ExpectRefused("梯形图最后一行有内容 ！");
    EXPECT_EQ(cells.First(13, kSub3Last), "keep me");
}

TEST_F(EditCommands, LinkRemoveClearsBothHalvesAndMovesDown) {
    Rung(30);
    Rung(31);
    cells.SetVerticalLink(6, 31, true);
    At(6, 30);
    CommandResult r = YlineDELClick(cells, cursor);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.cursorRow, 31);
    EXPECT_EQ(cells.Kind(6, 30), kLine);
    EXPECT_EQ(cells.Kind(6, 31), kLine);
    EXPECT_FALSE(YlineDELClick(cells, cursor).changed) << "no link, no snapshot";

    // On the block's last row the next block's up link is left alone.
    Put(6, kSub3Last, kLine | kLinkDown);
    Put(6, kSub3Last + 1, kLine | kLinkUp);
    At(6, kSub3Last);
    r = YlineDELClick(cells, cursor);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.cursorRow, kSub3Last);
    EXPECT_EQ(cells.Kind(6, kSub3Last), kLine);
    EXPECT_EQ(cells.Kind(6, kSub3Last + 1), kLine | kLinkUp);
}

TEST_F(EditCommands, RowInsertKeepsTheVerticalLinesThatPassThrough) {
    Rung(40);
    Rung(41);
    cells.SetVerticalLink(3, 41, true);
    Put(13, 41, kRailMarker, "row comment");
    At(5, 41);
    CommandResult r = InsertRow(cells, cursor, true);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.cursorRow, 42) << "the cursor stays with its row";
    EXPECT_EQ(cells.Kind(3, 41), kLinkUp | kLinkDown);
    for (int c = 1; c <= 13; ++c) {
        if (c != 3) {
            EXPECT_EQ(cells.Kind(c, 41), 0) << c;
        }
        EXPECT_TRUE(cells.First(c, 41).empty()) << c;
    }
    EXPECT_EQ(cells.First(1, 42), "X0");
    EXPECT_EQ(cells.Kind(3, 42), kLine | kLinkUp);
    EXPECT_EQ(cells.First(13, 42), "row comment");
    EXPECT_EQ(cells.Kind(3, 40), kLine | kLinkDown);
}

TEST_F(EditCommands, RowInsertIsRefusedWhenTheLastRowHasContent) {
    Rung(kSub3 + 1);
    Put(12, kSub3Last, kCoil, "Y7");
    At(1, kSub3 + 1);
    LadderCells before = cells;
    CommandResult r = InsertRow(cells, cursor, true);
    ExpectRefused("梯形图最后一行有内容 ！");
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.cursorRow, kSub3 + 2) << "the cursor has moved down before the refusal";
    EXPECT_TRUE(cells == before);

    // A block comment alone on the last row would be lost: refused as well.
    Put(12, kSub3Last, 0);
    Put(13, kSub3Last, kRailMarker, "", "second line");
    before = cells;
    At(1, kSub3 + 1);
    InsertRow(cells, cursor, false);
    ExpectRefused("The last line has content of ladder diagram!");
    EXPECT_TRUE(cells == before);

    // The painter's marker alone is no content.
    Put(13, kSub3Last, kRailMarker);
    Put(3, kSub3Last + 1, kLine);
    At(1, kSub3 + 1);
    EXPECT_TRUE(InsertRow(cells, cursor, false).changed);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(cells.Kind(3, kSub3Last + 1), kLine) << "subroutine 4 untouched";
    EXPECT_EQ(cells.Kind(13, kSub3Last), 0) << "the marker went with the emptied last row";
}

TEST_F(EditCommands, RowInsertOnTheLastRowDoesNothing) {
    Rung(1999);
    At(2, 1999);
    const LadderCells before = cells;
    CommandResult r = InsertRow(cells, cursor, true);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.cursorRow, 1999);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(cells == before);
}

TEST_F(EditCommands, RowDeleteMovesTheRowsBelowUpAndEmptiesTheLastRow) {
    Rung(kSub3 + 7);
    Put(4, kSub3 + 8, kOpenContact, "M8", "(M[8])");
    Put(13, kSub3 + 8, kRailMarker, "comment");
    Put(2, kSub3Last, kLine);
    Put(2, kSub3Last + 1, kLine);
    At(9, kSub3 + 7);
    CommandResult r = DeleteRow(cells, cursor);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.cursorRow, kSub3 + 7);
    EXPECT_EQ(cells.First(4, kSub3 + 7), "M8");
    EXPECT_EQ(cells.First(13, kSub3 + 7), "comment");
    EXPECT_EQ(cells.Kind(1, kSub3 + 7), 0);
    EXPECT_EQ(cells.Kind(2, kSub3Last - 1), kLine);
    EXPECT_EQ(cells.Kind(2, kSub3Last), 0);
    EXPECT_EQ(cells.Kind(2, kSub3Last + 1), kLine) << "the next block stays";

    Put(2, kSub3Last, kLine);
    At(9, kSub3Last);
    EXPECT_TRUE(DeleteRow(cells, cursor).changed);
    EXPECT_FALSE(DeleteRow(cells, cursor).changed);
}

TEST_F(EditCommands, ColumnDeleteKeepsTheRowJoinedToItsOutput) {
    Rung(50);
    Put(2, 50, kClosedContact | kLinkUp | kLinkDown, "X1", "(X[1])");
    At(1, 50);
    CommandResult r = DeleteColumn(cells, cursor);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(cells.Kind(1, 50), kClosedContact) << "no links on column 1";
    EXPECT_EQ(cells.First(1, 50), "X1");
    for (int c = 2; c <= 11; ++c)
        EXPECT_EQ(cells.Kind(c, 50), kLine) << c;
    EXPECT_EQ(cells.First(12, 50), "Y0");

    // A contact in column 11 gives way to a line.
    Put(11, 51, kOpenContact, "M1");
    Put(12, 51, kCoil, "Y1");
    At(11, 51);
    DeleteColumn(cells, cursor);
    EXPECT_EQ(cells.Kind(11, 51), kLine);
    EXPECT_TRUE(cells.First(11, 51).empty());
    // The output column is not a condition column.
    At(12, 51);
    EXPECT_FALSE(DeleteColumn(cells, cursor).changed);
    EXPECT_EQ(cells.First(12, 51), "Y1");
}

TEST_F(EditCommands, ColumnInsertShiftsTheConditionsRight) {
    Put(1, 60, kOpenContact, "X0");
    Put(2, 60, kOpenContact | kLinkUp, "X1");
    for (int c = 3; c <= 11; ++c)
        Put(c, 60, kLine);
    Put(12, 60, kCoil, "Y0");
    At(2, 60);
    CommandResult r = InsertColumn(cells, cursor, true);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.cursorCol, 2);
    EXPECT_EQ(cells.Kind(2, 60), kLine) << "a line without links";
    EXPECT_TRUE(cells.First(2, 60).empty());
    EXPECT_EQ(cells.Kind(3, 60), kOpenContact | kLinkUp);
    EXPECT_EQ(cells.First(3, 60), "X1");
    EXPECT_EQ(cells.First(12, 60), "Y0");

    // An empty cursor cell stays empty.
    Put(1, 61, kOpenContact, "X0");
    At(2, 61);
    InsertColumn(cells, cursor, true);
    EXPECT_EQ(cells.Kind(2, 61), 0);
    EXPECT_EQ(cells.Kind(3, 61), 0);
}

TEST_F(EditCommands, ColumnInsertIsRefusedWhenColumnElevenHoldsAnElement) {
    Put(1, 70, kOpenContact, "X0");
    Put(11, 70, kClosedContact, "X7");
    Put(12, 70, kCoil, "Y0");
    const LadderCells before = cells;
    for (int col : {1, 11}) {
        At(col, 70);
        EXPECT_FALSE(InsertColumn(cells, cursor, true).changed);
        ExpectRefused("梯形图最后一列有内容 ！");
    }
    At(1, 70);
    InsertColumn(cells, cursor, false);
    ExpectRefused("The last column has content of ladder diagram!");
    EXPECT_TRUE(cells == before);
}

TEST_F(EditCommands, BlockCommentIsStoredWithoutTouchingTheKind) {
    Put(13, 80, kRailMarker, "old");
    At(4, 80);
    CommandResult r = OpenBlockComment(cells, cursor);
    EXPECT_EQ(r.request, EditRequest::BlockComment);
    EXPECT_EQ(r.edit1, "old");
    EXPECT_FALSE(StoreBlockComment(cells, 80, "old", ""));
    EXPECT_TRUE(StoreBlockComment(cells, 80, "新的注释", "line 2"));
    EXPECT_EQ(cells.First(13, 80), "新的注释");
    EXPECT_EQ(cells.Second(13, 80), "line 2");
    EXPECT_EQ(cells.Kind(13, 80), kRailMarker);
}

TEST_F(EditCommands, TopAndBottomOfTheShownBlock) {
    for (int row = 0; row <= 40; ++row)
        Rung(row);
    Rung(2000);  // subroutine 0 does not count for Main
    At(5, 17);
    CommandResult r = CursorToBottom(cells, cursor);
    EXPECT_EQ(r.cursorCol, 1);
    EXPECT_EQ(r.cursorRow, 40);
    r = CursorToTop(cursor);
    EXPECT_EQ(r.cursorRow, 0);

    // Subroutine 3: its last used row, then the top is its first row.
    Put(12, kSub3 + 99, kCoil, "Y3");
    At(7, kSub3 + 5);
    EXPECT_EQ(CursorToBottom(cells, cursor).cursorRow, kSub3 + 99);
    EXPECT_EQ(CursorToTop(cursor).cursorRow, kSub3);

    // An empty block leaves the cursor where it is.
    At(7, 2000 + 256 * 9 + 4);
    r = CursorToBottom(cells, cursor);
    EXPECT_EQ(r.cursorCol, 7);
    EXPECT_EQ(r.cursorRow, 2000 + 256 * 9 + 4);
}

// Whatever command runs wherever the cursor stands in a block, the rows of
// the other blocks keep what they held.
TEST_F(EditCommands, NoCommandWritesOutsideTheCursorBlock) {
    std::mt19937 random(7);
    auto fill = [&](int first, int last) {
        for (int row = first; row <= last; ++row) {
            for (int c = 1; c <= 13; ++c) {
                if (random() % 3 == 0) continue;
                std::uint8_t kind = static_cast<std::uint8_t>(1 + random() % 9);
                if (c > 1) kind |= static_cast<std::uint8_t>((random() % 4) << 4);
                Put(c, row, kind, "T" + std::to_string(random() % 400), "x");
            }
        }
    };
    const int first = 2000 + 256 * 5;
    const int last = first + 255;
    fill(first - 3, first + 2);
    fill(last - 2, last + 3);
    const LadderCells start = cells;
    auto outsideUnchanged = [&]() {
        for (int row : {first - 3, first - 2, first - 1, last + 1, last + 2, last + 3}) {
            for (int c = 0; c < kColumns; ++c) {
                if (cells.Kind(c, row) != start.Kind(c, row) ||
                    cells.First(c, row) != start.First(c, row)) {
                    return false;
                }
            }
        }
        return true;
    };
    const int rows[] = {first, first + 1, first + 2, last - 2, last - 1, last};
    for (int round = 0; round < 400; ++round) {
        At(static_cast<int>(random() % 14), rows[random() % 6]);
        cursor.shiftHeld = random() % 2 == 0;
        cursor.toolKind = static_cast<std::int32_t>(random() % 13);
        switch (random() % 8) {
            case 0:
                PlaceToolAtCursor(cells, cursor, true);
                break;
            case 1:
                BackspaceAtCursor(cells, cursor);
                break;
            case 2:
                YlineClick(cells, cursor, true);
                break;
            case 3:
                YlineDELClick(cells, cursor);
                break;
            case 4:
                InsertRow(cells, cursor, true);
                break;
            case 5:
                DeleteRow(cells, cursor);
                break;
            case 6:
                DeleteColumn(cells, cursor);
                break;
            default:
                InsertColumn(cells, cursor, true);
                break;
        }
        ASSERT_TRUE(outsideUnchanged()) << "round " << round;
        EXPECT_GE(cursor.cursorRow, first);
        EXPECT_LE(cursor.cursorRow, last);
        if (round % 50 == 49) fill(last - 2, last);  // give the last row content again
    }
}

TEST(GridCursor, SelectionReportsThePositionInTheStatusBar) {
    GridCursor cursor;
    EXPECT_EQ(SelectCell(cursor, 4, 9, 2000 + 256 * 2), " row 10 , Col 4");
    EXPECT_EQ(cursor.cursorCol, 4);
    EXPECT_EQ(cursor.cursorRow, 2521);
    EXPECT_TRUE(cursor.placeArmed);
    EXPECT_EQ(SelectionStatusText(2, 0, 5, 3), "for:1,2;   to:4,5");
    EXPECT_FALSE(SelectionStatusText(3, 7, 3, 7).has_value());
}

}  // namespace
}  // namespace vx
