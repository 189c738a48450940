#include "editor/PrintPages.h"

#include <algorithm>

namespace vx {

int LastUsedGridRow(const LadderCells& cells, int rowBase, int gridRows) {
    for (int row = gridRows - 1; row >= 0; --row) {
        const int stored = rowBase + row;
        if (stored < 0 || stored >= kRows) continue;
        for (int column = kFirstConditionColumn; column <= kOutputColumn; ++column) {
            if (cells.Kind(column, stored) != 0) return row;
        }
    }
    return -1;
}

std::vector<LadderPage> LadderPagePlan(int lastUsedRow, int rowsPerPage, int gridRows,
                                       const PageRange& range) {
    std::vector<LadderPage> pages;
    const int lastRow = std::max(0, gridRows - 1);
    int row = std::min(rowsPerPage, lastRow);
    int number = 1;
    while (lastUsedRow > row) {
        pages.push_back({number, row, range.Contains(number)});
        ++number;
        row = std::min(row + rowsPerPage, lastRow);
    }
    pages.push_back({number, row, range.Contains(number)});
    return pages;
}

std::string LadderHeaderText(const std::string& projectFile, const std::string& date,
                             const std::string& time, bool chinese) {
    return projectFile + (chinese ? "   梯形图打印   " : "   Ladder print   ") + date + "  " +
           time + (chinese ? "    第" : "    Page ");
}

std::string LadderPageLabel(const std::string& header, int page, bool chinese) {
    return header + std::to_string(page) + (chinese ? "页" : "");
}

std::string InstructionListHeader(const std::string& projectFile, const std::string& date,
                                  const std::string& time, bool chinese) {
    return projectFile + (chinese ? "   指令表打印   " : "   Instruction list print   ") + date +
           "  " + time;
}

}  // namespace vx
