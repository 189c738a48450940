// The pages of a ladder print and the header lines of both prints.
//
// The ladder is printed as pictures of the main window, one per page: the
// grid's cursor steps down a page's rows at a time and the grid scrolls to
// keep it in view. The steps are worked out here, from the last row of the
// shown block that holds an element.
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

// One step of the ladder print: the page's number, the grid row the cursor
// stands on for it, and whether the page goes to the printer.
struct LadderPage {
    int number = 1;
    int cursorRow = 0;
    bool printed = true;
    bool operator==(const LadderPage&) const = default;
};

// Every page of a block of gridRows rows whose last used grid row is
// lastUsedRow: the first with the cursor on row rowsPerPage, each next one
// rowsPerPage rows further down (or on the last row when fewer remain), until
// the cursor has reached the last used row. The grid steps through all of
// them; only those within the range are printed.
std::vector<LadderPage> LadderPagePlan(int lastUsedRow, int rowsPerPage, int gridRows,
                                       const PageRange& range);

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
