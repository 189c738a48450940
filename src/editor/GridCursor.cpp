#include "editor/GridCursor.h"

#include "model/LadderCells.h"

namespace vx {

GridCursor& TheGridCursor() {
    static GridCursor cursor;
    return cursor;
}

std::string SelectCell(GridCursor& cursor, int gridCol, int gridRow, int rowBase) {
    cursor.cursorCol = gridCol;
    cursor.cursorRow = gridRow + rowBase;
    cursor.placeArmed = true;
    return " row " + std::to_string(gridRow + 1) + " , Col " + std::to_string(gridCol);
}

std::optional<std::string> SelectionStatusText(int left, int top, int right, int bottom) {
    if (bottom <= top && right <= left) return std::nullopt;
    return "for:" + std::to_string(top + 1) + "," + std::to_string(left) + ";   " +
           "to:" + std::to_string(bottom + 1) + "," + std::to_string(right);
}

QuickEntryPlacement PlaceQuickEntry(const GridCursor& cursor, int hintHeight) {
    QuickEntryPlacement p{};
    p.hintLeft = cursor.cursorCellX;
    // Near the bottom of the grid the hint goes above the cell, else below it.
    p.hintTop =
        cursor.cursorCellY >= 200 ? cursor.cursorCellY - hintHeight + 50 : cursor.cursorCellY + 96;
    p.boxLeft = cursor.cursorCellX;
    p.boxTop = cursor.cursorCellY + 100;
    return p;
}

bool QuickEntryAllowed(const GridCursor& cursor, bool projectLoaded) {
    return projectLoaded && cursor.cursorCol < kCommentColumn;
}

}  // namespace vx
