// The find of the find window: an element name or operand in the ladder
// program's display texts.
//
// The first texts of columns 1 to 12 are searched; the rail column and the
// block comments of column 13 never are. One Find step starts in the cell
// after the cursor and scans row by row, in the search direction, through the
// shown block or through the whole program (rows 0-10191); within every row
// the columns run from left to right. A hit in another block switches the
// grid to that block, with a notice when the user asked for one.
//
// The cursor itself moves only on a hit: with the cursor in the output
// column the step begins in the next row, but that row is only where the scan
// starts, so fruitless searches leave the cursor where it stood.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/ProgramBlocks.h"
#include "model/LadderCells.h"

namespace vx {

// The last row the find reaches in the whole program (row 10192 belongs to no block).
inline constexpr int kLastFindRow = kUnshownRow - 1;  // 10191

struct LookupOptions {
    bool upward = false;     // "向上"; "向下" otherwise
    bool wholeText = false;  // "匹配全部字"
    bool allBlocks = true;   // "查找全部程序对象"; the shown block otherwise
};

// Whether a cell's text matches the search text. Whole text: equal. Else the
// search text must end the cell's text or be followed by a blank in it: X1
// matches X1, the cell "T5 K100" matches T5 and K100, "MOV D10 D1" matches D1
// (its last operand, although D10 comes first), X1 does not match X10.
bool LookupMatches(std::string_view cellText, std::string_view searchText, bool wholeText);

struct LookupHit {
    int column;
    int row;  // absolute
};

// One Find step from the cursor (grid column, absolute row) through the
// shown block or the whole program. Nothing for an empty text, a start
// outside the range or no match.
std::optional<LookupHit> LookupStep(const LadderCells& cells, std::string_view searchText,
                                    const LookupOptions& options, int cursorCol, int cursorRow,
                                    const ProgramBlocks& blocks);

// A switch of the shown block for a hit in another block: the tree node to
// show and the notice that announces it, in the interface language.
// ("跳回: 子程序.3", "跳回: 主程序.Main ！", "跳至: 子程序.4"; in English
// "Back to: Sub.3", "Back to: Program.Main!", "Jump to: Sub.4").
struct BlockJump {
    int node;
    std::string notice;
};
// For an upward hit before the shown block.
std::optional<BlockJump> ResiliencyFrontSect(const ProgramBlocks& blocks, int row,
                                             bool chinese = true);
// For a downward hit after the shown block.
std::optional<BlockJump> JumpNextSect(const ProgramBlocks& blocks, int row, bool chinese = true);

// The find history: distinct found texts in the order found. When a new text
// comes to a history of more than 1000 entries, the history starts afresh.
class LookupHistory {
  public:
    static constexpr std::size_t kLimit = 1000;

    // Adds a found text unless it is there already; true when the list changed.
    bool AddLookupItems(const std::string& text);
    const std::vector<std::string>& Entries() const { return entries_; }

  private:
    std::vector<std::string> entries_;
};

}  // namespace vx
