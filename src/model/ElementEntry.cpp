#include "model/ElementEntry.h"

#include <algorithm>
#include <string>

#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "model/OperandCheck.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"

namespace vx {
namespace {

constexpr std::int32_t kSetValueLimit = 65535;

std::nullopt_t Refuse(const char* text) {
    ShowMessage({kProductTitle, text, MsgIcon::Exclamation, MsgButtons::Ok});
    return std::nullopt;
}

struct Texts {
    std::string first;
    std::string second;
};

// A contact: the device alone; timers and counters show their output bit.
std::optional<Texts> ContactTexts(const std::string& text) {
    CheckedNumber n;
    const char* array = nullptr;
    switch (text[0]) {
        case 'X':
            n = CheckXNumber(text);
            array = "X[";
            break;
        case 'Y':
            n = CheckYNumber(text);
            array = "Y[";
            break;
        case 'M':
            n = CheckMNumber(text);
            array = "M[";
            break;
        case 'S':
            n = CheckSNumber(text);
            array = "S[";
            break;
        case 'T':
            n = CheckTNumber(text);
            array = "T_out[";
            break;
        case 'C':
            n = CheckCNumber(text);
            array = "C_out[";
            break;
        default:
            return Refuse(kEntryRefused);
    }
    if (!n) return std::nullopt;
    const std::string number = std::to_string(*n);
    return Texts{std::string(1, text[0]) + number, "(" + std::string(array) + number + "])"};
}

// A timer or counter coil: the device, one blank and the set value, K or D.
std::optional<Texts> SetValueCoilTexts(const std::string& text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos || text.size() - blank - 1 < 2) {
        return Refuse(kEntrySetValueMissing);
    }
    const std::string device = text.substr(0, blank);
    const std::string value = text.substr(blank + 1);
    if (value[0] != 'K' && value[0] != 'D') return Refuse(kEntrySetValueLetter);
    const bool timer = text[0] == 'T';
    const CheckedNumber n = timer ? CheckTNumber(device) : CheckCNumber(device);
    if (!n) return std::nullopt;
    const CheckedNumber v =
        value[0] == 'K' ? CheckKValue(value, kSetValueLimit, 0) : CheckDNumber(value);
    if (!v) return std::nullopt;
    const std::string number = std::to_string(*n);
    const std::string setValue = std::to_string(*v);
    const std::string call = timer ? "TON   (" : "CNT   (";
    if (value[0] == 'K') {
        return Texts{std::string(1, text[0]) + number + " K" + setValue,
                     call + number + ", " + setValue + ")"};
    }
    return Texts{std::string(1, text[0]) + number + " D" + setValue,
                 call + number + ", D[" + setValue + "])"};
}

std::optional<Texts> CoilTexts(const std::string& text) {
    CheckedNumber n;
    switch (text[0]) {
        case 'Y':
            n = CheckYNumber(text);
            break;
        case 'M':
            n = CheckMNumber(text);
            break;
        case 'S':
            n = CheckSNumber(text);
            break;
        case 'T':
        case 'C':
            return SetValueCoilTexts(text);
        default:
            return Refuse(kEntryCoilRefused);
    }
    if (!n) return std::nullopt;
    const std::string number = std::to_string(*n);
    return Texts{std::string(1, text[0]) + number,
                 "OUT   (" + std::string(1, text[0]) + "[" + number + "])"};
}

// The cells an entry writes, each taken from the store when first touched.
class Writes {
  public:
    explicit Writes(const LadderCells& cells) : cells_(cells) {}

    CellWrite& At(int column, int row) {
        for (CellWrite& w : writes_) {
            if (w.column == column && w.row == row) return w;
        }
        writes_.push_back({column, row, cells_.Kind(column, row), cells_.First(column, row),
                           cells_.Second(column, row)});
        return writes_.back();
    }

    std::vector<CellWrite> Take() { return std::move(writes_); }

  private:
    const LadderCells& cells_;
    std::vector<CellWrite> writes_;
};

// A parallel branch joins the element to the row above at both its edges;
// the first row of a block has nothing above it.
void JoinToRowAbove(Writes& writes, int column, int row) {
    if (row == BlockFirstRow(BlockOfRow(row))) return;
    if (column > kFirstConditionColumn) {
        writes.At(column, row).kind |= CellKind::kLinkUp;
        writes.At(column, row - 1).kind |= CellKind::kLinkDown;
    }
    writes.At(column + 1, row).kind |= CellKind::kLinkUp;
    writes.At(column + 1, row - 1).kind |= CellKind::kLinkDown;
}

// After an output the cursor goes to column 1 of the next row, unless the
// row is the block's last.
void WrapCursor(ElementEntryResult& result, int row) {
    result.cursorColumn = kFirstConditionColumn;
    result.cursorRow = row < BlockLastRow(BlockOfRow(row)) ? row + 1 : row;
}

std::optional<ElementEntryResult> EnterInstruction(const ElementEntryRequest& request,
                                                   const LadderCells& cells) {
    std::optional<InstructionEntry> entry =
        CompileFunctionInstruction(request.text, request.column, request.row, cells);
    if (!entry || entry->writes.empty()) return std::nullopt;
    ElementEntryResult result;
    result.elementColumn = entry->writes.front().column;
    result.writes = std::move(entry->writes);
    result.closes = true;
    if (entry->outputWrapped) {
        WrapCursor(result, request.row);
    } else {
        result.cursorColumn = entry->cursorColumn;
        result.cursorRow = request.row;
    }
    return result;
}

}  // namespace

std::optional<ElementEntryResult> EnterElement(const ElementEntryRequest& request,
                                               const LadderCells& cells) {
    const int column = request.column;
    const int row = request.row;
    if (!IsCell(column, row) || BlockOfRow(row) < kMainBlock) return std::nullopt;
    if (request.text.empty()) return Refuse(kEntryRefused);
    if (IsCompiledEntry(request.entryKind)) return EnterInstruction(request, cells);

    // Only the bare tool values 11 and 12 are parallel contacts; a whole kind
    // byte is told by its symbol.
    const bool parallel = request.entryKind == CellKind::kParallelOpenContact ||
                          request.entryKind == CellKind::kParallelClosedContact;
    std::uint8_t symbol = EntrySymbol(request.entryKind);
    if (symbol == CellKind::kParallelOpenContact || symbol == CellKind::kParallelClosedContact) {
        symbol = static_cast<std::uint8_t>(symbol - 10);
    }
    const bool contact = symbol == CellKind::kOpenContact || symbol == CellKind::kClosedContact ||
                         symbol == CellKind::kRisingEdge || symbol == CellKind::kFallingEdge;
    const bool coil = symbol == CellKind::kCoil;
    if (!contact && !coil) return Refuse(kEntryRefused);
    if (column < kFirstConditionColumn || column > (coil ? kOutputColumn : kLastConditionColumn)) {
        return Refuse("这里不能放置该元件 ！");
    }

    const std::string text = AsciiUpper(request.text);
    std::optional<Texts> texts = coil ? CoilTexts(text) : ContactTexts(text);
    if (!texts) return std::nullopt;

    ElementEntryResult result;
    Writes writes(cells);
    if (coil) {
        CellWrite& output = writes.At(kOutputColumn, row);
        output.kind = WithSymbol(output.kind, CellKind::kCoil);
        output.first = texts->first;
        output.second = texts->second;
        for (int c = column; c <= kLastConditionColumn; ++c) {
            CellWrite& line = writes.At(c, row);
            line.kind = WithSymbol(line.kind, CellKind::kLine);
            line.first.clear();
            line.second.clear();
        }
        result.elementColumn = kOutputColumn;
        result.closes = true;
        WrapCursor(result, row);
    } else {
        CellWrite& element = writes.At(column, row);
        element.first = texts->first;
        element.second = texts->second;
        const bool edge = symbol == CellKind::kRisingEdge || symbol == CellKind::kFallingEdge;
        if (parallel || (request.orEdge && edge)) JoinToRowAbove(writes, column, row);
        // Joining may have added the element's own link; take it afresh.
        CellWrite& joined = writes.At(column, row);
        joined.kind = WithSymbol(joined.kind, symbol);
        result.elementColumn = column;
        result.cursorRow = row;
        if (request.keepOpen) {
            result.closes = false;
            result.cursorColumn = column < kLastConditionColumn ? column + 1 : column;
        } else {
            result.closes = true;
            result.cursorColumn = column + 1;
        }
    }
    result.writes = writes.Take();
    return result;
}

bool WritesChange(const std::vector<CellWrite>& writes, const LadderCells& cells) {
    return std::any_of(writes.begin(), writes.end(), [&](const CellWrite& w) {
        return cells.Kind(w.column, w.row) != w.kind || cells.First(w.column, w.row) != w.first ||
               cells.Second(w.column, w.row) != w.second;
    });
}

void ApplyCellWrites(const std::vector<CellWrite>& writes, LadderCells& cells) {
    for (const CellWrite& w : writes) {
        cells.Kind(w.column, w.row) = w.kind;
        cells.First(w.column, w.row) = w.first;
        cells.Second(w.column, w.row) = w.second;
    }
}

}  // namespace vx
