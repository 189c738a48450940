// Bit instructions, program flow, the step contact and the instructions
// without operands.
#include <string>

#include "model/InstructionCompilerParts.h"
#include "model/OperandCheck.h"

namespace vx::instruction {
namespace {

constexpr std::string_view kBitInstructions = "SET RST PLS PLF ALT";
constexpr std::string_view kFlowInstructions = "MC MCR CJ CALL P";

bool IsWithoutOperands(std::string_view mnemonic) {
    return mnemonic == "CLR" || mnemonic == "RET" || mnemonic == "END" || mnemonic == "FEND";
}

// SET, RST and ALT act on Y, M and S; PLS and PLF pulse M or S and keep the
// pulse memory beside the device; RST alone clears a counter.
Compiled CompileBitInstruction(const Request& request) {
    const std::string& m = request.fields.mnemonic;
    const std::string& operand = request.fields.operand1;
    const bool pulse = m[0] == 'P';
    const char letter = operand.empty() ? '\0' : operand[0];
    if (letter != 'Y' && letter != 'M' && letter != 'S' && letter != 'C') {
        return Refuse(kWrongOperand);
    }
    if (letter == 'Y' && pulse) return Refuse("元件设置错误,Y不可 PLS || PLF ！");
    if (letter == 'C' && m != "RST ") return Refuse("元件设置错误,C只可用 RST ！");

    CheckedNumber n;
    switch (letter) {
        case 'Y':
            n = CheckYNumber(operand);
            break;
        case 'M':
            n = pulse ? CheckPulseMNumber(operand) : CheckMNumber(operand);
            break;
        case 'S':
            n = CheckSNumber(operand);
            break;
        default:
            n = CheckCNumber(operand);
            break;
    }
    if (!n) return std::nullopt;
    const std::string number = std::to_string(*n);
    const std::string device = std::string(1, letter) + number;
    Built built;
    built.first = m + device;
    if (letter == 'C') {
        built.second = "Rcnt  (" + number + ")";
    } else if (pulse) {
        built.second = m + "(" + letter + "[" + number + "]," + letter + "P[" + number + "])";
    } else {
        built.second = m + "(" + letter + "[" + number + "])";
    }
    return built;
}

// The number of a jump label or subroutine after its letter, within 0..highest.
std::optional<std::int32_t> LabelNumber(std::string_view digits, std::int32_t highest,
                                        const char* rangeMessage) {
    std::optional<std::int32_t> n = ParseInteger(digits);
    if (!n) return Refuse(kUnreadableNumber, MsgIcon::Information);
    if (*n < 0 || *n > highest) return Refuse(rangeMessage);
    return n;
}

Compiled CompileProgramFlow(const Request& request) {
    const std::string& m = request.fields.mnemonic;
    const std::string& operand = request.fields.operand1;
    Built built;
    if (m == "MC " || m == "MCR ") {
        if (operand != "N0" && operand != "N1") return Refuse(kWrongOperand);
        built.first = (m == "MC " ? "MC  " : "MCR ") + operand;
        built.second = m + "(" + operand[1] + ")";
        return built;
    }
    if (m == "CJ ") {
        if (!operand.starts_with('P')) return Refuse(kWrongOperand);
        std::optional<std::int32_t> n =
            LabelNumber(std::string_view(operand).substr(1), 255, "设定值 P 超过 255 上限 ！");
        if (!n) return std::nullopt;
        built.first = "CJ  " + operand;
        built.second = "if(B00)goto Label" + std::to_string(*n) + ";";
        return built;
    }
    if (m == "CALL ") {
        if (!operand.starts_with('S')) return Refuse(kWrongOperand);
        std::optional<std::int32_t> n =
            LabelNumber(std::string_view(operand).substr(1), 31, "设定值 S 超过 31 上限 ！");
        if (!n) return std::nullopt;
        built.first = "CALL " + operand;
        built.second = "CALLs (" + std::to_string(*n) + ")";
        return built;
    }
    // "P ": a jump label, a bare number.
    std::optional<std::int32_t> n = LabelNumber(operand, 255, "设定值 P 超过 255 上限 ！");
    if (!n) return std::nullopt;
    built.first = "P   " + operand;
    built.second = "Label" + std::to_string(*n) + ":";
    return built;
}

// STL stands in column 1 only; its C text is the bare step number.
Compiled CompileStepContact(const Request& request) {
    const std::string& operand = request.fields.operand1;
    if (!operand.starts_with('S')) return Refuse(kWrongOperand);
    if (request.column != 1) return Refuse("STL指令放置位置错误 ！");
    CheckedNumber n = CheckSNumber(operand);
    if (!n) return std::nullopt;
    return Built{"STL S" + std::to_string(*n), std::to_string(*n), Placement::StepContact};
}

}  // namespace

bool IsFlowInstruction(std::string_view mnemonic) {
    return ListHolds(kBitInstructions, mnemonic) || ListHolds(kFlowInstructions, mnemonic) ||
           mnemonic == "STL " || IsWithoutOperands(mnemonic);
}

Compiled CompileFlowInstruction(const Request& request) {
    const std::string& m = request.fields.mnemonic;
    if (ListHolds(kBitInstructions, m)) return CompileBitInstruction(request);
    if (ListHolds(kFlowInstructions, m)) return CompileProgramFlow(request);
    if (m == "STL ") return CompileStepContact(request);
    if (m == "CLR") return Built{"CLR", "if(B00) LcdCLR();"};
    return Built{m, "return;"};  // RET, END, FEND
}

}  // namespace vx::instruction
