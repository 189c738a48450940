// Drawing of one cell of the ladder grid.
//
// The ladder diagram is not a picture: every cell is drawn from the program
// store each time the grid paints it, in the configured colours, with the
// live state while monitoring, but only what was read from the controller
// since the link opened: a cell whose devices were not all read, and the
// wires of a row whose devices were not all read, keep the editing look.
// Positions inside a cell depend on whether
// device comments are shown (rows 55 pixels high) or not (43 pixels).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "model/Devices.h"
#include "model/LadderCells.h"
#include "platform/Colors.h"
#include "platform/Geometry.h"

namespace vx {

class Canvas;

// What the cell evaluator reports for a drawn cell while monitoring.
struct CellLiveState {
    bool energised = false;
    std::string line1;
    std::string line2;
    bool read = true;  // everything the state and the lines come from was read
};

struct LadderColors {
    TColor figure = clBlack;        // lines and symbols
    TColor stakeout = 0x00FF00;     // energised elements
    TColor instruction = 0xFF0000;  // element texts
    TColor note = 0xFF80FF;         // device comments
    TColor dollopNote = 0x0080FF;   // block comments
    TColor value = 0xFF0000;        // live values while monitoring
};

struct LadderDrawContext {
    LadderCells* cells = nullptr;  // painting marks column-13 cells, so not const
    int rowBase = 0;               // first absolute row of the shown block
    bool commentsShown = false;
    bool monitoring = false;
    LadderColors colors;
    // The device a cell names (kNoDevice when none); while monitoring it also
    // fills the live state.
    std::function<DeviceCode(int column, int row, CellLiveState& live)> evaluate;
    // The comment of a device, empty when it has none.
    std::function<std::string(DeviceCode)> comment;
    // How far a row number moves across from its place in column 0: nothing
    // on the screen; on paper what keeps its gap to the rail (see
    // PaperRowNumberShift).
    std::function<double(const std::string& number)> rowNumberShift;
};

// Row heights and the vertical positions inside a cell.
struct CellMetrics {
    int rowHeight;
    int mid;     // height of the lines
    int top;     // upper end of contact bars
    int bottom;  // lower end of contact bars
};
CellMetrics MetricsFor(bool commentsShown);

inline constexpr int kColumnWidths[kColumns] = {33, 57, 57, 57, 57, 57,  57,
                                                57, 57, 57, 57, 57, 185, 166};

// Column 0: the rail, drawn 2 pixels wide about x + kRailX, and the row
// number, grid row + 1 in four digits ("0001"), anchored at (x +
// kRowNumberLeft, y + kRowNumberTop).
inline constexpr int kRailX = 32;
inline constexpr int kRowNumberLeft = 5;
inline constexpr int kRowNumberTop = 15;
std::string RowNumberText(int gridRow);

// How far a printed row number moves across so that its ink ends where the
// grid's does on the screen, and so leaves the gap to the rail that the
// screen shows. The screen draws the font's glyphs as pixels, which end
// sooner than their outlines, and paper takes the outlines: the number's
// last digit would touch the rail there.
double PaperRowNumberShift(const std::string& number);

// Draws the cell of grid column `column` and grid row `gridRow` with its
// top-left corner at (x, y). The cell's background is already painted.
void LadderEditDrawCell(Canvas& canvas, const LadderDrawContext& context, int column, int gridRow,
                        int x, int y, bool selected);

}  // namespace vx
