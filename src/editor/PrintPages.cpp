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
    rowsPerPage = std::max(1, rowsPerPage);
    const int lastRow = std::clamp(lastUsedRow, 0, std::max(0, gridRows - 1));
    const int count = lastRow / rowsPerPage + 1;
    std::vector<LadderPage> pages;
    pages.reserve(count);
    for (int number = 1; number <= count; ++number) {
        const int first = (number - 1) * rowsPerPage;
        const int rows = std::max(0, std::min(rowsPerPage, gridRows - first));
        pages.push_back({number, first, rows, range.Contains(number)});
    }
    return pages;
}

double LadderPageScale(double sheetWidth, double sheetHeight, double width, double height) {
    if (width <= 0 || height <= 0) return 1.0;
    return std::min(sheetWidth / width, sheetHeight / height);
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
