// The ladder editor's commands at the grid cursor.
//
// Every command works on the store at the cursor (column cursorCol, absolute
// row cursorRow) inside the block that holds the cursor row, and never writes
// outside that block. It moves the cursor in the GridCursor it is given and
// returns whether the store changed: the caller then repaints the grid and
// takes the undo snapshot (EditFileBackup). Commands that need a dialog do not
// show it; they return what to open, and the dialog does the rest.
//
// Refusals are message boxes (exclamation icon, the product title as caption)
// in Chinese or English as `chinese` says; a refused command leaves the store
// as it was.
#pragma once

#include <cstdint>
#include <string>

#include "editor/GridCursor.h"
#include "model/LadderCells.h"

namespace vx {

enum class EditRequest {
    None,
    EntryDialog,   // open the element entry dialog with entryKind, edit1, edit2
    BlockComment,  // open the block comment dialog with edit1, edit2 (column 13 of the row)
    SetValue,      // run the set-value command for the cursor cell (monitoring)
};

struct CommandResult {
    bool changed = false;  // the store differs: repaint and take the undo snapshot
    int cursorCol = 0;     // the cursor after the command
    int cursorRow = 0;
    EditRequest request = EditRequest::None;
    std::int32_t entryKind = 0;  // EntryKind for the entry dialog
    std::string edit1;
    std::string edit2;
};

// The element tool at the cursor (the tool buttons and the quick entry box
// call it after setting toolKind). Lines (3) and inverters (5) are placed
// directly, keeping the cell's links; every other element asks for the entry
// dialog. Refused on the right rail, and in the output column for anything
// but a coil or a function. Does nothing until the grid has reported a cell.
CommandResult PlaceToolAtCursor(LadderCells& cells, GridCursor& cursor, bool chinese);

// Enter or a double click: edit the element under the cursor. The right rail
// opens the block comment; contacts, coils and functions open the entry
// dialog with the cell's whole kind byte. Empty cells, lines and inverters
// open nothing.
CommandResult ElementEntry(const LadderCells& cells, const GridCursor& cursor);

// A double click: the set-value command while monitoring with Shift held,
// otherwise ElementEntry.
CommandResult LadderEditDblClick(const LadderCells& cells, const GridCursor& cursor,
                                 bool monitoring);

// Backspace: empties the cursor cell (its links stay) and steps left. On the
// right rail it removes the row's block comment.
CommandResult BackspaceAtCursor(LadderCells& cells, GridCursor& cursor);

// "YL": a vertical link down from the cursor cell's left edge to the row
// below, and, unless the row already branches or Shift is held, a new empty
// branch row under it. The branch row needs an empty last row in the block
// (the new link counts: from the row before the last it fills the last row);
// otherwise it is refused and the link stays drawn. Nothing is linked from a
// block's last row.
CommandResult YlineClick(LadderCells& cells, GridCursor& cursor, bool chinese);

// "YLC": removes the vertical link down from the cursor cell's left edge.
CommandResult YlineDELClick(LadderCells& cells, GridCursor& cursor);

// Row insert (Shift+Ins): an empty row at the cursor, keeping the vertical
// lines that pass through it. Refused when the block's last row has content.
CommandResult InsertRow(LadderCells& cells, GridCursor& cursor, bool chinese);

// Row delete (Shift+Del): the cursor row goes, the rows below move up.
CommandResult DeleteRow(LadderCells& cells, GridCursor& cursor);

// Column delete (Ctrl+Del), in the cursor row: the conditions right of the
// cursor move one column left; column 11 becomes a line so the row stays
// joined to its output.
CommandResult DeleteColumn(LadderCells& cells, GridCursor& cursor);

// Column insert (Ctrl+Ins), in the cursor row: the conditions from the cursor
// move one column right and the cursor cell becomes a line. Refused when
// column 11 holds anything but a line, which would be pushed out.
CommandResult InsertColumn(LadderCells& cells, GridCursor& cursor, bool chinese);

// Block comment (Ctrl+B): asks for the block comment dialog on the cursor row.
CommandResult OpenBlockComment(const LadderCells& cells, const GridCursor& cursor);
// Stores the dialog's two lines in column 13 of the row, the kind untouched.
// Returns whether either line changed.
bool StoreBlockComment(LadderCells& cells, int row, const std::string& line1,
                       const std::string& line2);

// To top (Ctrl+Home): column 1 of the block's first row.
CommandResult CursorToTop(GridCursor& cursor);
// To bottom (Ctrl+End): column 1 of the block's last used row; an empty block
// leaves the cursor where it is.
CommandResult CursorToBottom(const LadderCells& cells, GridCursor& cursor);

// Whether a row holds anything that moving the rows of a block down would
// push out of its last row: a symbol or link in columns 1-12, or a block
// comment or link on the right rail.
bool RowHasContent(const LadderCells& cells, int row);

// Refusal texts.
std::string PlaceRefusedText(bool chinese);
std::string LastRowHasContentText(bool chinese);
std::string LastColumnHasContentText(bool chinese);

}  // namespace vx
