// The ladder grid's cursor and the element tools.
//
// The grid is edited through its cursor cell. The cursor is kept as the grid
// column and the absolute row of the store (grid row + RowBase), together with
// the element tool last chosen and the two flags the editing commands consult.
// The grid's event handlers update this state and call the editing commands
// (EditCommands.h), which move the cursor in it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

struct GridCursor {
    int cursorCol = 1;          // grid column 0-13
    int cursorRow = 0;          // absolute row of the store
    std::int32_t toolKind = 0;  // element of the last tool (0-12; 11 and 12 parallel contacts)
    bool placeArmed = false;    // set once the grid has reported a cell selection
    bool shiftHeld = false;     // Shift is down in the grid
    int cursorCellX = 0;        // top-left corner of the focused cell inside the grid,
    int cursorCellY = 0;        // stored by the painter
};

// The process-wide cursor that the grid, the entry dialogs and the find
// dialog share.
GridCursor& TheGridCursor();

// The grid reports a selected cell (grid column, grid row). Returns the text
// of status panel 4.
std::string SelectCell(GridCursor& cursor, int gridCol, int gridRow, int rowBase);

// Status panel 4 after a mouse selection of more than one cell (rows are grid
// rows); nothing for a single cell.
std::optional<std::string> SelectionStatusText(int left, int top, int right, int bottom);

// The element tools of the function tool bar.
struct ElementTool {
    const char* hint;
    std::int32_t toolKind;
    bool placedDirectly;  // lines and inverters need no entry dialog
};
inline constexpr ElementTool kElementTools[] = {
    {"LD", 1, false},   {"LDI", 2, false}, {"LDP", 8, false},  {"LDF", 9, false}, {"OR", 11, false},
    {"ORI", 12, false}, {"OUT", 4, false}, {"FUNC", 6, false}, {"XL", 3, true},   {"INV", 5, true},
};
// Hints of the two link tools.
inline constexpr const char* kLinkDownHint = "YL  同时按下“Shift”键则不插入操作";
inline constexpr const char* kLinkRemoveHint = "YLC";

// Where the quick entry box and its hint memo go for a typed letter, from the
// painted position of the cursor cell.
struct QuickEntryPlacement {
    int hintLeft;  // the hint memo, inside the grid panel
    int hintTop;
    int boxLeft;  // the quick entry box, relative to the grid panel's left and top
    int boxTop;
};
QuickEntryPlacement PlaceQuickEntry(const GridCursor& cursor, int hintHeight);

// Whether a typed letter opens the quick entry box: not on the right rail,
// and only while a project is loaded.
bool QuickEntryAllowed(const GridCursor& cursor, bool projectLoaded);

}  // namespace vx
