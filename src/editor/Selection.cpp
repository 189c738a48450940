#include "editor/Selection.h"

#include <algorithm>
#include <optional>

#include "editor/ClipboardFile.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "platform/MessageBox.h"

namespace vx {
namespace {

// The selection limited to the store; nothing when no cell of it is there.
std::optional<GridSelection> InsideStore(const GridSelection& s, int rowBase) {
    GridSelection c;
    c.left = std::max(s.left, 0);
    c.right = std::min(s.right, kColumns - 1);
    c.top = std::max(s.top, -rowBase);
    c.bottom = std::min(s.bottom, kRows - 1 - rowBase);
    if (c.left > c.right || c.top > c.bottom) return std::nullopt;
    return c;
}

void Inform(std::string text) {
    ShowMessage({kProductTitle, std::move(text), MsgIcon::Information, MsgButtons::Ok, false});
}

// Copies the rectangle into the buffer; nothing when it is refused.
std::optional<GridSelection> CopyIntoClip(const LadderCells& cells, const GridSelection& selection,
                                          int rowBase, ClipCells& clip) {
    if (selection.bottom - selection.top + 1 > kClipCopyRows) {
        Inform("Operation number>128 ！");
        return std::nullopt;
    }
    const std::optional<GridSelection> s = InsideStore(selection, rowBase);
    if (!s) return std::nullopt;
    for (int row = s->top; row <= s->bottom; ++row) {
        const int absolute = row + rowBase;
        const int clipRow = row - s->top;
        for (int column = s->left; column <= s->right; ++column) {
            clip.Kind(column, clipRow) = cells.Kind(column, absolute);
            clip.First(column, clipRow) = cells.First(column, absolute);
            clip.Second(column, clipRow) = cells.Second(column, absolute);
        }
    }
    clip.SetArea({s->top, s->left, s->bottom, s->right});
    return s;
}

// Symbols that belong left of the output column.
bool IsConditionOnly(std::uint8_t symbol) {
    // Compare contacts are refused there too: the output column holds only
    // coils and function boxes, and column 13 only the block comment.
    return symbol == CellKind::kOpenContact || symbol == CellKind::kClosedContact ||
           symbol == CellKind::kLine || symbol == CellKind::kInverter ||
           symbol == CellKind::kRisingEdge || symbol == CellKind::kFallingEdge ||
           symbol == CellKind::kCompareContact;
}

// A copied right-rail cell that carries a block comment. The grid marks the
// rail cells it paints; a comment on a row it has not painted yet still has
// kind 0, and is a block comment all the same (the project file saves it so).
bool IsBlockComment(std::uint8_t kind, int copiedColumn, const std::string& first,
                    const std::string& second) {
    if (kind == CellKind::kRailMarker) return true;
    return copiedColumn == kCommentColumn && kind == CellKind::kEmpty &&
           (!first.empty() || !second.empty());
}

constexpr std::uint8_t kLinkBits = CellKind::kLinkDown | CellKind::kLinkUp;

void PutCell(LadderCells& cells, int column, int row, std::uint8_t kind, const std::string& first,
             const std::string& second) {
    cells.Kind(column, row) = kind;
    cells.First(column, row) = first;
    cells.Second(column, row) = second;
}

std::string RowsRefusal(int rows, bool chinese) {
    const std::string n = std::to_string(rows);
    return chinese ? "剪贴板行数为:" + n +
                         "，粘贴结果超过了最大行数，不能执行。\r请把光标往上移再执行。"
                   : "Line number: " + n +
                         ", paste the results exceed the maximum number of rows, not performed. "
                         "\r put the cursor up again. ";
}

std::string ColumnsRefusal(int columns, bool chinese) {
    const std::string n = std::to_string(columns);
    return chinese
               ? "剪贴板列数为:" + n + "，粘贴结果超过了右母线，不能执行。\r请把光标往左移再执行。"
               : "The clipboard columns: " + n +
                     ", paste the results over the right bus, not performed. \r put the cursor "
                     "to the left to perform. ";
}

std::string PlaceRefusal(bool chinese) {
    return chinese ? "粘贴的位置不合适，不能执行。\r请把光标往左移再执行。"
                   : "stuck in the wrong place, cannot perform. \r put the cursor to the left to "
                     "perform. ";
}

}  // namespace

EditResult AreaSelectionDel(LadderCells& cells, const GridSelection& selection, int rowBase,
                            UndoHistory& undo) {
    EditResult result;
    const std::optional<GridSelection> s = InsideStore(selection, rowBase);
    if (!s) return result;
    for (int row = s->top; row <= s->bottom; ++row) {
        for (int column = s->left; column <= s->right; ++column)
            cells.ClearCell(column, row + rowBase);
    }
    undo.EditFileBackup(cells);
    result.cellsChanged = true;
    return result;
}

EditResult CopySelection(const LadderCells& cells, const GridSelection& selection, int rowBase,
                         ClipCells& clip, const std::string& clipboardPath) {
    EditResult result;
    if (!CopyIntoClip(cells, selection, rowBase, clip)) return result;
    result.copied = true;
    result.clipboardWritten = WriteClipboardFile(clipboardPath, kCopyMode, clip).ok;
    return result;
}

EditResult CutSelection(LadderCells& cells, const GridSelection& selection, int rowBase,
                        ClipCells& clip, const std::string& clipboardPath, UndoHistory& undo) {
    EditResult result;
    const std::optional<GridSelection> s = CopyIntoClip(cells, selection, rowBase, clip);
    if (!s) return result;
    for (int row = s->top; row <= s->bottom; ++row) {
        for (int column = s->left; column <= s->right; ++column)
            cells.ClearCell(column, row + rowBase);
    }
    result.copied = true;
    result.clipboardWritten = WriteClipboardFile(clipboardPath, kCopyMode, clip).ok;
    undo.EditFileBackup(cells);
    result.cellsChanged = true;
    return result;
}

EditResult PasteClipCells(LadderCells& cells, const ClipCells& clip, const PasteTarget& target,
                          UndoHistory& undo, bool chinese) {
    EditResult result;
    const std::optional<CopiedArea> area = clip.Area();
    if (!area) return result;
    const int rows = area->Rows();
    const int columns = area->Columns();

    if ((target.cursorRow - target.rowBase) + rows > target.rowCount - 1) {
        Inform(RowsRefusal(rows, chinese));
        return result;
    }
    if (target.cursorCol + columns > kColumns) {
        Inform(ColumnsRefusal(columns, chinese));
        return result;
    }
    // A cursor outside the store (which the grid never reports) pastes nothing.
    if (target.cursorCol < 0 || target.cursorRow < 0 || target.cursorRow + rows > kRows)
        return result;

    // Every cell is checked before the first is written.
    for (int r = 0; r < rows; ++r) {
        for (int c = area->left; c <= area->right; ++c) {
            const int t = target.cursorCol + c - area->left;
            const std::uint8_t k = clip.Kind(c, r);
            if (k != CellKind::kRailMarker && IsConditionOnly(Symbol(k)) &&
                t > kLastConditionColumn) {
                Inform(PlaceRefusal(chinese));
                return result;
            }
        }
    }

    const bool singleCell = rows + columns == 2;
    for (int r = 0; r < rows; ++r) {
        const int row = target.cursorRow + r;
        for (int c = area->left; c <= area->right; ++c) {
            const int t = target.cursorCol + c - area->left;
            const std::uint8_t k = clip.Kind(c, r);
            const std::uint8_t symbol = Symbol(k);
            const std::string& first = clip.First(c, r);
            const std::string& second = clip.Second(c, r);
            // The column the cell is written to: the copied one, or the
            // column its kind belongs in.
            int written = t;
            if (IsBlockComment(k, c, first, second)) {
                // Block comments stay on the right rail, painted or not.
                written = kCommentColumn;
                PutCell(cells, written, row, CellKind::kRailMarker, first, second);
            } else if (symbol == CellKind::kStepContact) {
                written = kFirstConditionColumn;
                PutCell(cells, written, row, k, first, second);
            } else if (IsOutputSymbol(symbol) && t != kOutputColumn) {
                written = kOutputColumn;
                PutCell(cells, written, row, k, first, second);
                for (int line = t; line <= kLastConditionColumn; ++line) {
                    const std::uint8_t links = singleCell ? cells.Kind(line, row) & kLinkBits : 0;
                    PutCell(cells, line, row, static_cast<std::uint8_t>(links | CellKind::kLine),
                            {}, {});
                }
            } else {
                const bool keepLinks = singleCell || t == kFirstConditionColumn;
                const std::uint8_t kind =
                    keepLinks ? static_cast<std::uint8_t>((cells.Kind(t, row) & kLinkBits) | symbol)
                              : k;
                PutCell(cells, t, row, kind, first, second);
            }
            if (!singleCell) {
                // The edge rows lose their outer links wherever the cell went,
                // so a coil moved to the output column cannot join the rows
                // around the block either.
                std::uint8_t& edge = cells.Kind(written, row);
                // A rail marker carries no links; it keeps its kind.
                if (edge != CellKind::kRailMarker) {
                    // Bits 6 and 7 mean nothing and go with the outer links.
                    if (r == 0) edge &= static_cast<std::uint8_t>(~CellKind::kLinkUp & 0x3F);
                    if (r == rows - 1)
                        edge &= static_cast<std::uint8_t>(~CellKind::kLinkDown & 0x3F);
                }
            }
        }
    }
    undo.EditFileBackup(cells);
    result.cellsChanged = true;
    return result;
}

}  // namespace vx
