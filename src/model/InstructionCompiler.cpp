#include "model/InstructionCompiler.h"

#include <algorithm>

#include "model/ApartInjunction.h"
#include "model/CellKind.h"
#include "model/InstructionCompilerParts.h"

namespace vx {
namespace {

using namespace instruction;

Compiled Dispatch(const Request& request) {
    const std::string& m = request.fields.mnemonic;
    if (IsFlowInstruction(m)) return CompileFlowInstruction(request);
    if (IsCompareSign(m)) return CompileCompareContact(request);
    if (IsMoveOrArithmetic(m)) return CompileMoveOrArithmetic(request);
    if (IsTableInstruction(m)) return CompileTableInstruction(request);
    if (IsSpecialInstruction(m)) return CompileSpecialInstruction(request);
    return Refuse(kUnknownInstruction);
}

CellWrite Replace(const LadderCells& cells, int column, int row, std::uint8_t symbol,
                  std::string first, std::string second) {
    return {column, row, WithSymbol(cells.Kind(column, row), symbol), std::move(first),
            std::move(second)};
}

}  // namespace

std::optional<InstructionEntry> CompileFunctionInstruction(std::string_view text, int cursorColumn,
                                                           int cursorRow,
                                                           const LadderCells& cells) {
    if (!IsCell(cursorColumn, cursorRow)) return std::nullopt;
    const InstrFields fields = ApartInjunction(text);
    Compiled built = Dispatch(Request{fields, cursorColumn});
    if (!built) return std::nullopt;

    if (built->placement == Placement::CompareContact &&
        (cursorColumn < kFirstConditionColumn || cursorColumn > kLastConditionColumn)) {
        return Refuse("这里不能放置比较触点 ！");
    }
    if (!FitsCellText(*built)) return std::nullopt;

    InstructionEntry entry;
    switch (built->placement) {
        case Placement::FunctionBox:
            entry.writes.push_back(Replace(cells, kOutputColumn, cursorRow, CellKind::kFunctionBox,
                                           std::move(built->first), std::move(built->second)));
            for (int column = std::max(cursorColumn, kFirstConditionColumn);
                 column <= kLastConditionColumn; ++column) {
                entry.writes.push_back(Replace(cells, column, cursorRow, CellKind::kLine, "", ""));
            }
            entry.cursorColumn = cursorColumn;
            entry.outputWrapped = true;
            break;
        case Placement::CompareContact:
            entry.writes.push_back(Replace(cells, cursorColumn, cursorRow,
                                           CellKind::kCompareContact, std::move(built->first),
                                           std::move(built->second)));
            entry.cursorColumn = cursorColumn + 1;
            break;
        case Placement::StepContact:
            entry.writes.push_back(Replace(cells, kFirstConditionColumn, cursorRow,
                                           CellKind::kStepContact, std::move(built->first),
                                           std::move(built->second)));
            entry.cursorColumn = kFirstConditionColumn + 1;
            break;
    }
    return entry;
}

void ApplyCellWrites(const InstructionEntry& entry, LadderCells& cells) {
    for (const CellWrite& write : entry.writes) {
        cells.Kind(write.column, write.row) = write.kind;
        cells.First(write.column, write.row) = write.first;
        cells.Second(write.column, write.row) = write.second;
    }
}

}  // namespace vx
