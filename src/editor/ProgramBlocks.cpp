#include "editor/ProgramBlocks.h"

#include "model/LadderProgram.h"

namespace vx {

ProgramBlocks& TheProgramBlocks() {
    static ProgramBlocks blocks;
    return blocks;
}

bool ShowBlock(ProgramBlocks& blocks, int node) {
    if (!IsBlockNode(node)) return false;
    const int block = BlockOfNode(node);
    blocks.currentBlock = node;
    blocks.rowCount = BlockRowCount(block);
    blocks.rowBase = BlockFirstRow(block);
    return true;
}

int SwitchBlock(ProgramBlocks& blocks, int node, int gridRow) {
    if (!IsBlockNode(node)) return gridRow;
    if (IsBlockNode(blocks.currentBlock)) blocks.blockRows[blocks.currentBlock] = gridRow;
    ShowBlock(blocks, node);
    const int row = blocks.blockRows[node];
    return row >= 0 && row < blocks.rowCount ? row : 0;
}

std::string BlockStatusText(int node, bool chinese) {
    if (node == kMainNode) return chinese ? " 主程序.Main" : " Program.Main";
    const std::string n = std::to_string(BlockOfNode(node));
    return (chinese ? " 子程序." : " Sub.") + n;
}

std::string BlockCaption(const std::string& projectFile, const std::string& statusText) {
    return std::string(kProductTitle) + " - [" + projectFile + "] - [" + statusText + " ]";
}

std::string DefaultSubroutineName(int n) {
    if (n == 30) return "EXTI_Xnn";
    if (n == 31) return "TIME_1ms";
    return "Sub_" + std::to_string(n);
}

void FillDefaultSubroutineNames(std::array<std::string, kSubroutineCount>& names) {
    for (int n = 0; n < kSubroutineCount; ++n) {
        if (names[static_cast<std::size_t>(n)].empty()) {
            names[static_cast<std::size_t>(n)] = DefaultSubroutineName(n);
        }
    }
}

}  // namespace vx
