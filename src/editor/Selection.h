// Delete, cut, copy and paste of a rectangle of grid cells.
//
// The grid's selection is a rectangle of grid cells (columns 0-13, rows
// block-local); with range selection off it is the cursor cell alone. The
// absolute row of a grid row is the row + RowBase. Every command that changes
// the program ends with an undo snapshot; the result tells the window what to
// repaint and which buttons to enable.
#pragma once

#include <string>

#include "editor/ClipCells.h"
#include "editor/UndoHistory.h"
#include "model/LadderCells.h"

namespace vx {

struct GridSelection {
    int left = 0;
    int top = 0;  // grid rows, block-local
    int right = 0;
    int bottom = 0;

    bool Contains(int column, int row) const {
        return column >= left && column <= right && row >= top && row <= bottom;
    }
    bool IsRange() const { return right > left || bottom > top; }
    bool operator==(const GridSelection&) const = default;
};

struct EditResult {
    // The cells changed: repaint; an undo snapshot was taken and Save is due.
    bool cellsChanged = false;
    // The buffer holds a new copy: paste may be enabled.
    bool copied = false;
    // The buffer was written to "Clipboard.dat" (other instances will see it).
    bool clipboardWritten = false;
};

// Delete key: every cell of the rectangle, columns 0 and 13 included, becomes
// empty (kind 0 with its links, both texts empty).
EditResult AreaSelectionDel(LadderCells& cells, const GridSelection& selection, int rowBase,
                            UndoHistory& undo);

// Copies the rectangle into the buffer (cells of the buffer outside it keep
// what they held), notes it in the control row and writes the buffer to the
// clipboard file with the mode "Copy". More than 128 rows are refused with
// "Operation number>128 ！".
EditResult CopySelection(const LadderCells& cells, const GridSelection& selection, int rowBase,
                         ClipCells& clip, const std::string& clipboardPath);

// As copy, and the copied cells are emptied.
EditResult CutSelection(LadderCells& cells, const GridSelection& selection, int rowBase,
                        ClipCells& clip, const std::string& clipboardPath, UndoHistory& undo);

// Where a paste goes: the cursor (grid column, absolute row) in the block shown.
struct PasteTarget {
    int cursorCol = 1;
    int cursorRow = 0;  // absolute
    int rowBase = 0;    // first absolute row of the block shown
    int rowCount = 0;   // rows of that block (2000 or 256)
};

// Pastes the buffer's copied area at the cursor. Block comments go to column
// 13, step contacts to column 1, coils and function boxes to column 12 with
// lines from their column up to 11; a contact, line or inverter that would land
// right of column 11 refuses the whole paste. A multi-cell paste never joins
// the rows around it: its first row loses the links up, its last row the links
// down. Every cell is checked before any is written, so a refused paste
// changes nothing; a buffer without a copied area pastes nothing. Refusals are
// told to the user in the chosen language.
EditResult PasteClipCells(LadderCells& cells, const ClipCells& clip, const PasteTarget& target,
                          UndoHistory& undo, bool chinese);

}  // namespace vx
