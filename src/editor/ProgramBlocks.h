// The block of the program that the grid shows.
//
// The grid shows one block at a time: the main program (2000 rows from row 0)
// or one of the 32 subroutines (256 rows from 2000 + 256 n). The shown block
// is named by the index of its node in the project tree: 2 for Main, n + 10
// for subroutine n. Each block remembers the grid row its cursor stood on, so
// that coming back to a block returns to the same place.
#pragma once

#include <array>
#include <string>

#include "model/LadderCells.h"

namespace vx {

inline constexpr int kMainNode = 2;
inline constexpr int kFirstSubroutineNode = 10;
inline constexpr int kTreeNodeCount = kFirstSubroutineNode + kSubroutineCount;  // 42

constexpr bool IsBlockNode(int node) {
    return node == kMainNode || (node >= kFirstSubroutineNode && node < kTreeNodeCount);
}
// The block (kMainBlock or a subroutine number) of a block node; -2 for other nodes.
constexpr int BlockOfNode(int node) {
    if (node == kMainNode) return kMainBlock;
    if (node >= kFirstSubroutineNode && node < kTreeNodeCount) return node - kFirstSubroutineNode;
    return -2;
}
constexpr int NodeOfBlock(int block) {
    return block == kMainBlock ? kMainNode : block + kFirstSubroutineNode;
}

struct ProgramBlocks {
    int currentBlock = kMainNode;                 // tree node of the shown block
    int rowBase = 0;                              // first absolute row of the shown block
    int rowCount = kMainRows;                     // the grid's row count
    std::array<int, kTreeNodeCount> blockRows{};  // remembered grid row per block node
};

// The process-wide block state shared by the grid, the tree and the find dialog.
ProgramBlocks& TheProgramBlocks();

// Shows a block: current block, row count and row base. The find dialog and
// the duplicate-output check switch this way. Returns false (and changes
// nothing) for a node that is no block.
bool ShowBlock(ProgramBlocks& blocks, int node);

// The project tree's switch: remembers the grid row of the block being left,
// shows the new block and returns the grid row it had (0 the first time).
// A node that is no block changes nothing and gives the grid row back.
int SwitchBlock(ProgramBlocks& blocks, int node, int gridRow);

// Status panel 6 for a block node: " 主程序.Main" / " Program.Main",
// " 子程序." + n / " Sub." + n.
std::string BlockStatusText(int node, bool chinese);

// The main window's caption while a block is shown.
std::string BlockCaption(const std::string& projectFile, const std::string& statusText);

// The name a subroutine without one gets: "Sub_" + n, "EXTI_Xnn" for the
// external-interrupt subroutine 30, "TIME_1ms" for the 1 ms timer subroutine 31.
std::string DefaultSubroutineName(int n);
// Gives every unnamed subroutine its default name, kept in the program.
void FillDefaultSubroutineNames(std::array<std::string, kSubroutineCount>& names);

}  // namespace vx
