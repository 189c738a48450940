// The pages of a ladder print and the header lines of both prints.
//
// The ladder is printed a page's rows at a time, each row on exactly one
// page, from the first row of the shown block to the last that holds an
// element; what a page holds depends on the program alone, never on the
// size of the window.
#pragma once

#include <string>
#include <vector>

#include "model/LadderCells.h"

namespace vx {

// Grid rows on one printed page: fewer while device comments are shown,
// since their rows are taller.
inline constexpr int kRowsPerPage = 14;
inline constexpr int kRowsPerPageWithComments = 10;
constexpr int RowsPerPage(bool commentsShown) {
    return commentsShown ? kRowsPerPageWithComments : kRowsPerPage;
}

// The last grid row of the shown block (its rows from rowBase on, gridRows of
// them) with an element in any of the columns 1 to 12; -1 when there is none.
int LastUsedGridRow(const LadderCells& cells, int rowBase, int gridRows);

// The pages the user asked for: all, or first to last.
struct PageRange {
    bool all = true;
    int first = 1;
    int last = 1;
    bool Contains(int page) const { return all || (page >= first && page <= last); }
};

// One page of the ladder print: its number, the grid rows it holds (rows
// from firstRow on), and whether it goes to the printer.
struct LadderPage {
    int number = 1;
    int firstRow = 0;
    int rows = 0;
    bool printed = true;
    bool operator==(const LadderPage&) const = default;
};

// Every page of a block of gridRows rows whose last used grid row is
// lastUsedRow: page n holds rows (n - 1) * rowsPerPage on, rowsPerPage of
// them (fewer at the block's end), up to the page with the last used row; an
// empty block is one page. Only the pages within the range are printed.
std::vector<LadderPage> LadderPagePlan(int lastUsedRow, int rowsPerPage, int gridRows,
                                       const PageRange& range);

// The scale that draws a page of width x height pixels as wide as the sheet,
// or, where the sheet is too short for that, as tall as the sheet.
double LadderPageScale(double sheetWidth, double sheetHeight, double width, double height);

// The ladder header before the page number: project, "梯形图打印", date and
// time, and "第"; the page's label adds the number and "页". In English
// "Ladder print" and "Page " before the number.
std::string LadderHeaderText(const std::string& projectFile, const std::string& date,
                             const std::string& time, bool chinese = true);
std::string LadderPageLabel(const std::string& header, int page, bool chinese = true);

// The instruction list's first line ("指令表打印", "Instruction list print").
std::string InstructionListHeader(const std::string& projectFile, const std::string& date,
                                  const std::string& time, bool chinese = true);

}  // namespace vx
