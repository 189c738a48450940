// The grids of the device memory monitor: their size, headers and row
// labels, the device each cell shows, and what a cell shows of it.
//
//   grid  columns                      rows  row label         device of column c, row r
//   X, Y  8                            32    X0, X10 ... X370  octal digits of (r-1) x 8, + c - 1
//   M     10                           1000  M0, M10 ...       (r-1) x 10 + c - 1
//   S     10                           20    S0 ...            the same
//   T     10                           40    T0 ...            the same
//   C     10                           20    C0 ...            the same
//   D     10 (16-bit), 6 (32-bit)      1000  D0, D10 ...       16-bit as M; 32-bit (r-1) x 10 +
//   (c-1) x 2 SD    10                           60    D10000 ...        10000 + (r-1) x 10 + c - 1
//
// Rows and columns count from 1 (row 0 and column 0 are the headers). X and Y
// devices are octal-digit numbers (X17), which is also their index in the
// device image. The sixth column of the 32-bit D view shows the pair that
// begins the next row.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "online/DeviceImage.h"
#include "online/MemoryPoll.h"
#include "online/RegisterFormat.h"
#include "platform/Colors.h"

namespace vx {

int GridColumns(MonitorTab tab, DFormat format);
int GridRows(MonitorTab tab);
// " + 0", " + 1", ...; the 32-bit D view " + 0", " + 2", ... " + 10".
std::string ColumnHeader(MonitorTab tab, DFormat format, int column);
std::string RowLabel(MonitorTab tab, int row);
// The device number of a cell; -1 outside the grid.
int DeviceOfCell(MonitorTab tab, DFormat format, int column, int row);
// The grid cell (column, row) that shows a device number; the 32-bit D view
// shows an odd register in the cell of its pair. Nothing outside the grid.
std::optional<std::pair<int, int>> CellOfDevice(MonitorTab tab, DFormat format, int device);

// Cell backgrounds.
inline constexpr TColor kOnColor = RGBColor(255, 215, 215);      // X, Y, S, T ON
inline constexpr TColor kYellowColor = RGBColor(255, 255, 155);  // retentive and marked areas
inline constexpr TColor kGreenColor = RGBColor(149, 255, 149);   // marked register areas
inline constexpr TColor kValueColor = clFuchsia;                 // values (T, C, D, SD)
inline constexpr int kValueLeft = 44;                            // pixels from the cell's left edge

// What a cell shows: the device ("■M100" ON, "□M100" OFF, "D100"), the value
// of a timer, counter or register drawn in magenta at 44 pixels, the
// background, and bold type for the timers from T235. A device not read from
// the controller (see DeviceImage) shows no state: its bare name ("M100"),
// greyed, without the ON background; a value not read is left blank.
struct MemoryCell {
    std::string label;
    std::string value;
    TColor background = clWindow;
    bool bold = false;
    bool read = true;  // false: the device's state is not known; drawn grey

    bool operator==(const MemoryCell&) const = default;
};

// The cell from the image; an empty cell outside the grid.
MemoryCell CellOf(MonitorTab tab, DFormat format, int column, int row, const DeviceImage& image);

// The set/reset dialog's caption for a Y, M or S device: "Y:17", "M:100",
// "S:5"; empty for the other grids.
std::string SetResetCaption(MonitorTab tab, int device);

// The bit write a set/reset caption names: the number from its third
// character, the write code by its letter (M 5, S 14, Y 109).
struct BitWriteTarget {
    int number = 0;
    int areaCode = 0;

    bool operator==(const BitWriteTarget&) const = default;
};
std::optional<BitWriteTarget> BitWriteOfCaption(std::string_view caption);

}  // namespace vx
