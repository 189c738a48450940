// The device usage table: which devices the program uses.
//
// A device counts as used when the first text of a cell in columns 1-12 of
// the scanned rows names it in one of these forms (q is the letter and the
// number as written, X17, M100):
//   X        the text is q
//   Y, S     the text is q, "ALT " q, "RST " q or "SET " q
//   M        as Y, and also "PLS " q or "PLF " q
//   T, C     the text is q or contains q followed by a blank (a coil with its set value)
//   D        the text contains q between blanks, or ends with a blank and q (an operand)
// The scan reads every cell once and notes every device it names, instead of
// asking for each of the 21,512 devices in turn.
//
// The scanned rows run from row 0 to the last row before the scope end that
// holds an element in columns 1-12.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "editor/DeviceComments.h"
#include "model/Devices.h"
#include "model/LadderCells.h"
#include "platform/FileIo.h"

namespace vx {

// The scope list: "Main", then "Main -> Sub0" to "Main -> Sub31".
std::vector<std::string> UsageScopeNames();
// End of the scanned rows (exclusive): 10192 for the whole program, else
// 2000 + 256 x the scope list index (Main and the subroutines before it).
int UsageScopeEnd(bool wholeProgram, int scopeIndex);
// The last row before the scope end with a non-zero kind in columns 1-12, -1 when none.
int LastUsedRow(const LadderCells& cells, int scopeEnd);

class DeviceUsage {
  public:
    DeviceUsage();

    // One pass over rows 0 to LastUsedRow(cells, scopeEnd).
    static DeviceUsage Scan(const LadderCells& cells, int scopeEnd);

    // Whether the device is used; the index is the comment table row (X and Y
    // numbered by their index, X17 is 15).
    bool Used(DeviceKind kind, int index) const;
    // Whether the device written q (X17, T5, D100) is used; false for a text
    // that names no device of the tables.
    bool UseCheck(std::string_view q) const;
    int Count(DeviceKind kind) const;
    int LastRow() const { return lastRow_; }

  private:
    void Note(DeviceKind kind, int index);

    std::array<std::vector<bool>, kCommentTableCount> used_;
    std::array<int, kCommentTableCount> counts_{};
    int lastRow_ = -1;
};

// The points a usage ratio counts against: X and Y 256, M 6000, S 200, T 400,
// C 200, D 6000.
int UsageRatioPoints(DeviceKind kind);
// The ratio as the summary shows it: the first four characters of the decimal
// text of count x 100 / points, and "%" (3 of 256 gives "1.17%").
std::string UsageRatioText(int count, int points);

struct UsageSummary {
    DeviceKind kind;
    int count = 0;
    std::string label;  // " X接点使用数:3  使用比率:1.17%"
    int ratioBar = 0;   // count x 100 div points
    int progress = 0;   // the progress bar after this kind
};

struct UsageReport {
    std::array<UsageSummary, kCommentTableCount> summaries;
    std::vector<std::string> memoLines;  // the report memo
};

// The summaries and the report lines, kind by kind in the order X, Y, M, S,
// T, C, D: an empty line, the header, an empty line, then a line per used
// device in address order with its comment or "已使用" ("Used").
// The headings, summaries and "已使用" are in the interface language
// (English: "X device usage", " X used:3  Ratio:1.17%").
UsageReport BuildUsageReport(const DeviceUsage& usage, const DeviceComments& comments,
                             bool chinese = true);

// Sets the usage marks of the comment tables: "   U" for every used device,
// nothing for the others.
void MarkUsage(const DeviceUsage& usage, DeviceComments& comments);

// One usage grid: a header row and a label column, then a cell per device,
// column = last digit + 1, row = tens + 1 of the number as written. Unused
// devices show " *", used ones their comment or, in the interface language,
// "已使用" ("Used").
struct UsageGrid {
    int columns = 0;  // including the label column
    int rows = 0;     // including the header row
    std::vector<std::string> cells;
    const std::string& Cell(int column, int row) const {
        return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                     static_cast<std::size_t>(column)];
    }
};
UsageGrid BuildUsageGrid(DeviceKind kind, const DeviceUsage& usage, const DeviceComments& comments,
                         bool chinese = true);

// The report file name: ".Txt" appended when the name does not contain it.
std::string UsageReportPath(const std::string& chosenName);
// Writes the report lines (GBK, CR LF) atomically.
IoResult SaveUsageReport(const std::string& path, const std::vector<std::string>& lines);

}  // namespace vx
