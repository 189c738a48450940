#include "model/JumpLabelCheck.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/CellKind.h"
#include "model/InstructionCompilerParts.h"
#include "model/LadderProgram.h"
#include "platform/MessageBox.h"

namespace vx {
namespace {

std::string BlockName(int block) {
    return block == kMainBlock ? "主程序.Main - " : "子程序." + std::to_string(block) + " - ";
}

void Tell(int row, const std::string& what) {
    const int block = BlockOfRow(row);
    ShowMessage({"Error", BlockName(block) + "行" + std::to_string(BlockLine(row)) + ", " + what,
                 MsgIcon::Exclamation, MsgButtons::Ok});
}

// The operand of a box's first text: after the first blank, leading blanks removed.
std::string_view OperandOf(std::string_view first) {
    std::size_t blank = first.find(' ');
    std::string_view rest = first.substr(blank + 1);
    std::size_t start = rest.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view() : rest.substr(start);
}

// A jump's label number: CJ  P5 gives 5.
std::optional<std::int32_t> JumpNumber(std::string_view first) {
    std::string_view operand = OperandOf(first);
    if (!operand.starts_with('P')) return std::nullopt;
    return instruction::ParseInteger(operand.substr(1));
}

// A label's number: P   5 gives 5.
std::optional<std::int32_t> LabelNumber(std::string_view first) {
    return instruction::ParseInteger(OperandOf(first));
}

bool CheckBlock(const LadderCells& cells, int block) {
    struct Jump {
        int row;
        std::int32_t label;
    };
    std::vector<Jump> jumps;
    std::unordered_set<std::int32_t> labels;
    for (int row = BlockFirstRow(block); row <= BlockLastRow(block); ++row) {
        if (Symbol(cells.Kind(kOutputColumn, row)) != CellKind::kFunctionBox) continue;
        const std::string& first = cells.First(kOutputColumn, row);
        const bool jump = first.starts_with("CJ ");
        if (!jump && !first.starts_with("P ")) continue;
        std::optional<std::int32_t> n = jump ? JumpNumber(first) : LabelNumber(first);
        if (!n) {
            Tell(row, "\"" + first + "\" 标签编号无法识别！");
            return false;
        }
        if (jump) {
            jumps.push_back({row, *n});
        } else {
            labels.insert(*n);
        }
    }
    for (const Jump& jump : jumps) {
        if (!labels.contains(jump.label)) {
            Tell(jump.row, "CJ \"P" + std::to_string(jump.label) + "\" 标签未放置！");
            return false;
        }
    }
    return true;
}

}  // namespace

bool CheckJumpLabels(const LadderCells& cells) {
    for (int block = kMainBlock; block < kSubroutineCount; ++block) {
        if (!CheckBlock(cells, block)) return false;
    }
    return true;
}

bool CheckJumpLabels() {
    return CheckJumpLabels(TheProgram().cells);
}

}  // namespace vx
