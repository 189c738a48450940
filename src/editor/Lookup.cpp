#include "editor/Lookup.h"

#include <algorithm>

namespace vx {

bool LookupMatches(std::string_view cellText, std::string_view searchText, bool wholeText) {
    if (wholeText) return cellText == searchText;
    if (cellText.ends_with(searchText)) return true;
    return cellText.find(std::string(searchText) + ' ') != std::string_view::npos;
}

std::optional<LookupHit> LookupStep(const LadderCells& cells, std::string_view searchText,
                                    const LookupOptions& options, int cursorCol, int cursorRow,
                                    const ProgramBlocks& blocks) {
    const int first = options.allBlocks ? 0 : blocks.rowBase;
    const int last = options.allBlocks ? kLastFindRow : blocks.rowBase + blocks.rowCount - 1;
    if (searchText.empty()) return std::nullopt;

    const int step = options.upward ? -1 : 1;
    // The cell after the cursor; after the output column, the next row's first.
    int startRow = cursorRow;
    int startCol = cursorCol + 1;
    if (cursorCol == kOutputColumn) {
        startCol = kFirstConditionColumn;
        startRow += step;
    }
    if (startRow < first || startRow > last) return std::nullopt;

    for (int row = startRow; row >= first && row <= last; row += step) {
        const int fromCol =
            row == startRow ? std::max(startCol, kFirstConditionColumn) : kFirstConditionColumn;
        for (int column = fromCol; column <= kOutputColumn; ++column) {
            if (LookupMatches(cells.First(column, row), searchText, options.wholeText))
                return LookupHit{column, row};
        }
    }
    return std::nullopt;
}

namespace {

std::optional<BlockJump> JumpToSubroutine(const ProgramBlocks& blocks, int row, const char* verb,
                                          bool chinese) {
    if (row < kMainRows || row > kLastFindRow) return std::nullopt;
    const int n = (row - kMainRows) / kSubroutineRows;
    const int node = kFirstSubroutineNode + n;
    if (blocks.currentBlock == node) return std::nullopt;
    return BlockJump{node,
                     std::string(verb) + (chinese ? ": 子程序." : ": Sub.") + std::to_string(n)};
}

}  // namespace

std::optional<BlockJump> ResiliencyFrontSect(const ProgramBlocks& blocks, int row, bool chinese) {
    if (row >= blocks.rowBase) return std::nullopt;
    if (row >= kMainRows)
        return JumpToSubroutine(blocks, row, chinese ? "跳回" : "Back to", chinese);
    if (row < 0 || blocks.currentBlock == kMainNode) return std::nullopt;
    return BlockJump{kMainNode, chinese ? "跳回: 主程序.Main ！" : "Back to: Program.Main!"};
}

std::optional<BlockJump> JumpNextSect(const ProgramBlocks& blocks, int row, bool chinese) {
    if (row <= blocks.rowBase + blocks.rowCount - 1) return std::nullopt;
    return JumpToSubroutine(blocks, row, chinese ? "跳至" : "Jump to", chinese);
}

bool LookupHistory::AddLookupItems(const std::string& text) {
    if (std::find(entries_.begin(), entries_.end(), text) != entries_.end()) return false;
    if (entries_.size() > kLimit) entries_.clear();
    entries_.push_back(text);
    return true;
}

}  // namespace vx
