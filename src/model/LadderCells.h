// The ladder program's cells.
//
// 14 columns by 10193 rows, each cell a kind byte, a first text (what the user
// sees: X17, T5 K100, MOV D0 D1) and a second text (the C fragment the compile
// stage pastes into the generated source). The arrays are stored column by
// column, as the program always has. A cell is numbered row x 14 + column
// wherever one number is needed (project and clipboard files).
//
// Rows form blocks: the main program uses rows 0-1999, subroutine n (0-31) the
// 256 rows from 2000 + 256 n. Row 10192 belongs to no block: it is never shown
// but is kept and saved like any other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vx {

inline constexpr int kColumns = 14;
inline constexpr int kRows = 10193;
inline constexpr int kCellCount = kColumns * kRows;
// The longest cell text the project file keeps, in GBK bytes.
inline constexpr std::size_t kCellTextBytes = 26;

// Column roles.
inline constexpr int kRailColumn = 0;            // left rail and row number, no cells
inline constexpr int kFirstConditionColumn = 1;  // contacts, lines, inverters; STL only here
inline constexpr int kLastConditionColumn = 11;
inline constexpr int kOutputColumn = 12;   // coil or function box only
inline constexpr int kCommentColumn = 13;  // right rail; the row's block comment

// Blocks of rows.
inline constexpr int kMainBlock = -1;
inline constexpr int kMainRows = 2000;
inline constexpr int kSubroutineCount = 32;
inline constexpr int kSubroutineRows = 256;
inline constexpr int kUnshownRow = kRows - 1;  // 10192

constexpr int CellNumber(int column, int row) {
    return row * kColumns + column;
}
constexpr int CellColumn(int cellNumber) {
    return cellNumber % kColumns;
}
constexpr int CellRow(int cellNumber) {
    return cellNumber / kColumns;
}
constexpr bool IsCellNumber(std::int64_t n) {
    return n >= 0 && n < kCellCount;
}
constexpr bool IsCell(int column, int row) {
    return column >= 0 && column < kColumns && row >= 0 && row < kRows;
}

// First absolute row of a block: kMainBlock or a subroutine number.
constexpr int BlockFirstRow(int block) {
    return block == kMainBlock ? 0 : kMainRows + kSubroutineRows * block;
}
constexpr int BlockRowCount(int block) {
    return block == kMainBlock ? kMainRows : kSubroutineRows;
}
constexpr int BlockLastRow(int block) {
    return BlockFirstRow(block) + BlockRowCount(block) - 1;
}
// The block of an absolute row; row 10192 (and anything outside) has none and gives -2.
constexpr int BlockOfRow(int row) {
    if (row >= 0 && row < kMainRows) return kMainBlock;
    if (row >= kMainRows && row < kUnshownRow) return (row - kMainRows) / kSubroutineRows;
    return -2;
}
// The line number the user sees: 1 for the block's first row.
constexpr int BlockLine(int row) {
    return row - BlockFirstRow(BlockOfRow(row)) + 1;
}

class LadderCells {
  public:
    LadderCells();

    std::uint8_t& Kind(int column, int row) { return kinds_[Index(column, row)]; }
    std::uint8_t Kind(int column, int row) const { return kinds_[Index(column, row)]; }
    std::string& First(int column, int row) { return firsts_[Index(column, row)]; }
    const std::string& First(int column, int row) const { return firsts_[Index(column, row)]; }
    std::string& Second(int column, int row) { return seconds_[Index(column, row)]; }
    const std::string& Second(int column, int row) const { return seconds_[Index(column, row)]; }

    // Empties one cell: kind 0, both texts empty.
    void ClearCell(int column, int row);
    // Empties the whole store.
    void Clear();

    // The vertical connection between row - 1 and row at the left edge of the column.
    bool HasVerticalLink(int column, int row) const;
    // Draws or removes that connection. Column 1 (whose left edge is the rail)
    // and the first row never take one; the call then does nothing and says so.
    bool SetVerticalLink(int column, int row, bool on);

    bool operator==(const LadderCells& other) const = default;

  private:
    static constexpr std::size_t Index(int column, int row) {
        return static_cast<std::size_t>(column) * kRows + static_cast<std::size_t>(row);
    }

    std::vector<std::uint8_t> kinds_;
    std::vector<std::string> firsts_;
    std::vector<std::string> seconds_;
};

}  // namespace vx
