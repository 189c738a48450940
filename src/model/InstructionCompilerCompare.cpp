// Compare contacts: a sign and two word operands, 16-bit or (sign beginning
// with D) 32-bit on register pairs. The C text names the comparison by a code
// letter that the generated C header turns into the comparison.
#include <string>

#include "model/InstructionCompilerParts.h"

namespace vx::instruction {
namespace {

struct Sign {
    const char* sign;  // as the splitting leaves it, with its blank
    const char* code;  // the code letter and its blank
};

constexpr Sign kSigns[] = {
    {"> ", "L "},  {"< ", "M "},  {"= ", "N "},  {"<> ", "O "},  {">= ", "P "},  {"<= ", "Q "},
    {"D> ", "U "}, {"D< ", "V "}, {"D= ", "W "}, {"D<> ", "X "}, {"D>= ", "Y "}, {"D<= ", "Z "},
};

const Sign* FindSign(std::string_view mnemonic) {
    for (const Sign& sign : kSigns) {
        if (mnemonic == sign.sign) return &sign;
    }
    return nullptr;
}

// 16-bit: a register as its array element, constants as values.
constexpr Operand kWord{Device("D", Check::D, Coded::Array), KWord(), HValue(65535)};
// 32-bit: the register pair as its first register's number; constants are refused.
constexpr Operand kPair{Device("D", Check::D32, Coded::Bare)};

}  // namespace

bool IsCompareSign(std::string_view mnemonic) {
    return FindSign(mnemonic) != nullptr;
}

Compiled CompileCompareContact(const Request& request) {
    const Sign& sign = *FindSign(request.fields.mnemonic);
    const bool pair = sign.sign[0] == 'D';
    const std::string* operands[] = {&request.fields.operand1, &request.fields.operand2};

    const Form* forms[2];
    for (int i = 0; i < 2; ++i) {
        forms[i] = FindForm(kWord, *operands[i]);
        if (forms[i] == nullptr) return Refuse(kWrongOperand);
    }
    if (pair) {
        for (int i = 0; i < 2; ++i) {
            if (forms[i]->check != Check::D) {
                return Refuse("常数不可直接32bit双字比较运算 ！\r\r请先把常数传送至Dn,最后...");
            }
            forms[i] = &kPair.forms[0];
        }
    }

    std::optional<OperandParts> parts[2];
    for (int i = 0; i < 2; ++i) {
        parts[i] = Evaluate(*forms[i], *operands[i]);
        if (!parts[i]) return std::nullopt;
    }
    Built built;
    built.first = std::string(sign.sign) + parts[0]->shown + " " + parts[1]->shown;
    built.second = std::string(sign.code) + "(" + parts[0]->coded + "," + parts[1]->coded + ")";
    built.placement = Placement::CompareContact;
    return built;
}

}  // namespace vx::instruction
