#include "editor/EditCommands.h"

#include <utility>
#include <vector>

#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "platform/MessageBox.h"

namespace vx {
namespace {

// The rows of the block that holds the cursor row, or nothing when the cursor
// is not on a shown row.
struct BlockSpan {
    int first;
    int last;
};

bool CursorBlock(const GridCursor& cursor, BlockSpan& span) {
    const int block = BlockOfRow(cursor.cursorRow);
    if (block < kMainBlock || cursor.cursorCol < 0 || cursor.cursorCol >= kColumns) return false;
    span = {BlockFirstRow(block), BlockLastRow(block)};
    return true;
}

CommandResult Finish(const GridCursor& cursor, bool changed = false) {
    CommandResult result;
    result.changed = changed;
    result.cursorCol = cursor.cursorCol;
    result.cursorRow = cursor.cursorRow;
    return result;
}

void Refuse(const std::string& text) {
    ShowMessage({kProductTitle, text, MsgIcon::Exclamation, MsgButtons::Ok, false});
}

// A copy of some rows, to tell afterwards whether a command changed them.
class RowsSnapshot {
  public:
    RowsSnapshot(const LadderCells& cells, int first, int last) : first_(first), last_(last) {
        for (int row = first; row <= last; ++row) {
            for (int col = 0; col < kColumns; ++col) {
                kinds_.push_back(cells.Kind(col, row));
                firsts_.push_back(cells.First(col, row));
                seconds_.push_back(cells.Second(col, row));
            }
        }
    }

    bool Differs(const LadderCells& cells) const {
        std::size_t i = 0;
        for (int row = first_; row <= last_; ++row) {
            for (int col = 0; col < kColumns; ++col, ++i) {
                if (kinds_[i] != cells.Kind(col, row) || firsts_[i] != cells.First(col, row) ||
                    seconds_[i] != cells.Second(col, row)) {
                    return true;
                }
            }
        }
        return false;
    }

  private:
    int first_;
    int last_;
    std::vector<std::uint8_t> kinds_;
    std::vector<std::string> firsts_;
    std::vector<std::string> seconds_;
};

void CopyCell(LadderCells& cells, int fromCol, int fromRow, int toCol, int toRow) {
    cells.Kind(toCol, toRow) = cells.Kind(fromCol, fromRow);
    cells.First(toCol, toRow) = cells.First(fromCol, fromRow);
    cells.Second(toCol, toRow) = cells.Second(fromCol, fromRow);
}

void ClearTexts(LadderCells& cells, int col, int row) {
    cells.First(col, row).clear();
    cells.Second(col, row).clear();
}

// Rows from..to - 1 move down one row in columns 1-13; row `from` keeps a copy.
void MoveRowsDown(LadderCells& cells, int from, int to) {
    for (int row = to; row > from; --row) {
        for (int col = kFirstConditionColumn; col < kColumns; ++col) {
            cells.Kind(col, row) = cells.Kind(col, row - 1);
            cells.First(col, row) = std::move(cells.First(col, row - 1));
            cells.Second(col, row) = std::move(cells.Second(col, row - 1));
        }
    }
    for (int col = kFirstConditionColumn; col < kColumns; ++col) {
        // Moved-from texts are left empty on purpose; callers set the row.
        cells.First(col, from).clear();
        cells.Second(col, from).clear();
    }
}

}  // namespace

std::string PlaceRefusedText(bool chinese) {
    return chinese ? "这里不能放置该元件 ！" : "The element not can be placed here!";
}

std::string LastRowHasContentText(bool chinese) {
    return chinese ? "梯形图最后一行有内容 ！" : "The last line has content of ladder diagram!";
}

std::string LastColumnHasContentText(bool chinese) {
    return chinese ? "梯形图最后一列有内容 ！" : "The last column has content of ladder diagram!";
}

bool RowHasContent(const LadderCells& cells, int row) {
    for (int col = kFirstConditionColumn; col <= kOutputColumn; ++col) {
        if (cells.Kind(col, row) != CellKind::kEmpty) return true;
    }
    // The painter marks every right-rail cell it draws; the marker alone is no
    // content, the block comment is.
    const std::uint8_t rail = cells.Kind(kCommentColumn, row);
    return (rail != CellKind::kEmpty && rail != CellKind::kRailMarker) ||
           !cells.First(kCommentColumn, row).empty() || !cells.Second(kCommentColumn, row).empty();
}

CommandResult PlaceToolAtCursor(LadderCells& cells, GridCursor& cursor, bool chinese) {
    BlockSpan span{};
    if (!cursor.placeArmed || !CursorBlock(cursor, span)) return Finish(cursor);
    const int col = cursor.cursorCol;
    const int row = cursor.cursorRow;
    const std::int32_t tool = cursor.toolKind;
    if (tool < CellKind::kOpenContact || tool > CellKind::kParallelClosedContact) {
        return Finish(cursor);  // no tool chosen yet
    }
    const bool output = tool == CellKind::kCoil || tool == CellKind::kFunctionBox;
    if (col < kFirstConditionColumn || col == kCommentColumn || (col == kOutputColumn && !output)) {
        Refuse(PlaceRefusedText(chinese));
        return Finish(cursor);
    }
    if (tool != CellKind::kLine && tool != CellKind::kInverter) {
        CommandResult result = Finish(cursor);
        result.request = EditRequest::EntryDialog;
        result.entryKind = tool;
        result.edit1 = cells.First(col, row);
        return result;
    }
    RowsSnapshot before(cells, row, row);
    cells.Kind(col, row) = WithSymbol(cells.Kind(col, row), static_cast<std::uint8_t>(tool));
    ClearTexts(cells, col, row);
    if (col < kLastConditionColumn) ++cursor.cursorCol;
    return Finish(cursor, before.Differs(cells));
}

CommandResult ElementEntry(const LadderCells& cells, const GridCursor& cursor) {
    BlockSpan span{};
    if (!CursorBlock(cursor, span)) return Finish(cursor);
    const int col = cursor.cursorCol;
    if (col == kCommentColumn) return OpenBlockComment(cells, cursor);
    if (col < kFirstConditionColumn) return Finish(cursor);
    const std::uint8_t kind = cells.Kind(col, cursor.cursorRow);
    const std::uint8_t symbol = Symbol(kind);
    if (symbol == CellKind::kEmpty || symbol == CellKind::kLine || symbol == CellKind::kInverter) {
        return Finish(cursor);
    }
    CommandResult result = Finish(cursor);
    result.request = EditRequest::EntryDialog;
    result.entryKind = kind;
    result.edit1 = cells.First(col, cursor.cursorRow);
    return result;
}

CommandResult LadderEditDblClick(const LadderCells& cells, const GridCursor& cursor,
                                 bool monitoring) {
    if (monitoring && cursor.shiftHeld) {
        CommandResult result = Finish(cursor);
        result.request = EditRequest::SetValue;
        return result;
    }
    return ElementEntry(cells, cursor);
}

CommandResult BackspaceAtCursor(LadderCells& cells, GridCursor& cursor) {
    BlockSpan span{};
    if (!CursorBlock(cursor, span) || cursor.cursorCol < kFirstConditionColumn) {
        return Finish(cursor);
    }
    const int col = cursor.cursorCol;
    const int row = cursor.cursorRow;
    RowsSnapshot before(cells, row, row);
    // The right rail keeps its kind (0 or the painter's marker); its texts are
    // the block comment.
    if (col != kCommentColumn) cells.Kind(col, row) &= 0xF0;
    ClearTexts(cells, col, row);
    if (col > kFirstConditionColumn) --cursor.cursorCol;
    return Finish(cursor, before.Differs(cells));
}

CommandResult YlineClick(LadderCells& cells, GridCursor& cursor, bool chinese) {
    BlockSpan span{};
    if (!CursorBlock(cursor, span)) return Finish(cursor);
    const int col = cursor.cursorCol;
    const int row = cursor.cursorRow;
    // A link from the last row would join the next block.
    if (row == span.last) return Finish(cursor);

    bool branches = false;
    for (int c = kFirstConditionColumn; c < kColumns; ++c) {
        if (HasLinkDown(cells.Kind(c, row))) branches = true;
    }
    RowsSnapshot before(cells, row, span.last);
    if (col > kFirstConditionColumn) {
        cells.Kind(col, row) |= CellKind::kLinkDown;
        cells.Kind(col, row + 1) |= CellKind::kLinkUp;
    }
    cursor.cursorRow = row + 1;

    if (!branches && !cursor.shiftHeld) {
        // The branch row needs an empty last row, judged after the link is
        // drawn: from the row before the last, the link itself reaches the
        // last row, so no branch row is opened there. The link stays drawn.
        if (RowHasContent(cells, span.last)) {
            Refuse(LastRowHasContentText(chinese));
        } else {
            // Open the branch row: rows row + 1 .. last - 1 move down, the new
            // row keeps only the links coming down into it.
            std::vector<std::uint8_t> linksUp(kColumns, 0);
            for (int c = kFirstConditionColumn; c < kColumns; ++c) {
                linksUp[c] = cells.Kind(c, row + 1) & CellKind::kLinkUp;
            }
            MoveRowsDown(cells, row + 1, span.last);
            if (row + 2 <= span.last) {
                for (int c = kFirstConditionColumn; c < kColumns; ++c) {
                    cells.Kind(c, row + 2) &= static_cast<std::uint8_t>(~CellKind::kLinkUp);
                }
            }
            for (int c = kFirstConditionColumn; c < kColumns; ++c) {
                cells.Kind(c, row + 1) = linksUp[c];
            }
        }
    }
    return Finish(cursor, before.Differs(cells));
}

CommandResult YlineDELClick(LadderCells& cells, GridCursor& cursor) {
    BlockSpan span{};
    if (!CursorBlock(cursor, span)) return Finish(cursor);
    const int col = cursor.cursorCol;
    const int row = cursor.cursorRow;
    bool changed = false;
    if (col >= kFirstConditionColumn) {
        std::uint8_t& upper = cells.Kind(col, row);
        changed = HasLinkDown(upper);
        upper &= static_cast<std::uint8_t>(~CellKind::kLinkDown);
        if (row < span.last) {
            std::uint8_t& lower = cells.Kind(col, row + 1);
            changed = changed || HasLinkUp(lower);
            lower &= static_cast<std::uint8_t>(~CellKind::kLinkUp);
        }
    }
    if (row < span.last) cursor.cursorRow = row + 1;
    return Finish(cursor, changed);
}

CommandResult InsertRow(LadderCells& cells, GridCursor& cursor, bool chinese) {
    BlockSpan span{};
    if (!CursorBlock(cursor, span)) return Finish(cursor);
    const int row = cursor.cursorRow;
    if (row == span.last) return Finish(cursor);
    cursor.cursorRow = row + 1;
    if (RowHasContent(cells, span.last)) {
        Refuse(LastRowHasContentText(chinese));
        return Finish(cursor);
    }
    RowsSnapshot before(cells, row, span.last);
    std::vector<std::uint8_t> oldKinds(kColumns, 0);
    for (int c = kFirstConditionColumn; c < kColumns; ++c)
        oldKinds[c] = cells.Kind(c, row);
    MoveRowsDown(cells, row, span.last);
    // The new row carries the vertical lines that passed through the old one.
    for (int c = kFirstConditionColumn; c < kColumns; ++c) {
        std::uint8_t kind = oldKinds[c] & CellKind::kLinkUp;
        if (HasLinkUp(cells.Kind(c, row + 1))) kind |= CellKind::kLinkDown;
        cells.Kind(c, row) = kind;
    }
    return Finish(cursor, before.Differs(cells));
}

CommandResult DeleteRow(LadderCells& cells, GridCursor& cursor) {
    BlockSpan span{};
    if (!CursorBlock(cursor, span)) return Finish(cursor);
    const int row = cursor.cursorRow;
    RowsSnapshot before(cells, row, span.last);
    for (int r = row; r < span.last; ++r) {
        for (int c = kFirstConditionColumn; c < kColumns; ++c) {
            cells.Kind(c, r) = cells.Kind(c, r + 1);
            cells.First(c, r) = std::move(cells.First(c, r + 1));
            cells.Second(c, r) = std::move(cells.Second(c, r + 1));
        }
    }
    for (int c = kFirstConditionColumn; c < kColumns; ++c)
        cells.ClearCell(c, span.last);
    return Finish(cursor, before.Differs(cells));
}

CommandResult DeleteColumn(LadderCells& cells, GridCursor& cursor) {
    BlockSpan span{};
    if (!CursorBlock(cursor, span)) return Finish(cursor);
    const int col = cursor.cursorCol;
    const int row = cursor.cursorRow;
    if (col < kFirstConditionColumn || col > kLastConditionColumn) return Finish(cursor);
    RowsSnapshot before(cells, row, row);
    for (int c = col; c < kLastConditionColumn; ++c) {
        CopyCell(cells, c + 1, row, c, row);
        // Column 1's left edge is the rail: no links there.
        if (c == kFirstConditionColumn) cells.Kind(c, row) &= CellKind::kSymbolMask;
    }
    if (cells.Kind(kLastConditionColumn, row) != CellKind::kEmpty) {
        cells.Kind(kLastConditionColumn, row) = CellKind::kLine;
        ClearTexts(cells, kLastConditionColumn, row);
    }
    return Finish(cursor, before.Differs(cells));
}

CommandResult InsertColumn(LadderCells& cells, GridCursor& cursor, bool chinese) {
    BlockSpan span{};
    if (!CursorBlock(cursor, span)) return Finish(cursor);
    const int col = cursor.cursorCol;
    const int row = cursor.cursorRow;
    if (col < kFirstConditionColumn || col > kLastConditionColumn) return Finish(cursor);
    // Column 11 is pushed out; only an empty cell or a line may go.
    const std::uint8_t last = Symbol(cells.Kind(kLastConditionColumn, row));
    if (last != CellKind::kEmpty && last != CellKind::kLine) {
        Refuse(LastColumnHasContentText(chinese));
        return Finish(cursor);
    }
    RowsSnapshot before(cells, row, row);
    for (int c = kLastConditionColumn; c > col; --c)
        CopyCell(cells, c - 1, row, c, row);
    if (cells.Kind(col, row) != CellKind::kEmpty) {
        cells.Kind(col, row) = CellKind::kLine;
        ClearTexts(cells, col, row);
    }
    return Finish(cursor, before.Differs(cells));
}

CommandResult OpenBlockComment(const LadderCells& cells, const GridCursor& cursor) {
    BlockSpan span{};
    if (!CursorBlock(cursor, span)) return Finish(cursor);
    CommandResult result = Finish(cursor);
    result.request = EditRequest::BlockComment;
    result.edit1 = cells.First(kCommentColumn, cursor.cursorRow);
    result.edit2 = cells.Second(kCommentColumn, cursor.cursorRow);
    return result;
}

bool StoreBlockComment(LadderCells& cells, int row, const std::string& line1,
                       const std::string& line2) {
    if (!IsCell(kCommentColumn, row)) return false;
    std::string& first = cells.First(kCommentColumn, row);
    std::string& second = cells.Second(kCommentColumn, row);
    const bool changed = first != line1 || second != line2;
    first = line1;
    second = line2;
    return changed;
}

CommandResult CursorToTop(GridCursor& cursor) {
    BlockSpan span{};
    if (!CursorBlock(cursor, span)) return Finish(cursor);
    cursor.cursorCol = kFirstConditionColumn;
    cursor.cursorRow = span.first;
    return Finish(cursor);
}

CommandResult CursorToBottom(const LadderCells& cells, GridCursor& cursor) {
    BlockSpan span{};
    if (!CursorBlock(cursor, span)) return Finish(cursor);
    for (int row = span.last; row >= span.first; --row) {
        for (int c = kFirstConditionColumn; c <= kOutputColumn; ++c) {
            if (cells.Kind(c, row) != CellKind::kEmpty) {
                cursor.cursorCol = kFirstConditionColumn;
                cursor.cursorRow = row;
                return Finish(cursor);
            }
        }
    }
    return Finish(cursor);
}

}  // namespace vx
