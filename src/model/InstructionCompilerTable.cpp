// The application instructions whose operands follow one pattern: each
// operand accepts a few forms chosen by its letter, every letter is checked
// before any number, then the operands are validated left to right. The
// display text is the mnemonic followed by the operands' parts; the C text
// invokes the macro of the same name with the operands' C parts.
#include <string>

#include "model/InstructionCompilerParts.h"

namespace vx::instruction {
namespace {

struct TableInstruction {
    std::string_view mnemonics;  // blank-separated
    Operand operands[4];
    const char* gap = "";  // between the mnemonic and the first operand
};

// Registers as a bare number (D32: a register pair, D0-D9998), or as an array element.
constexpr Form D = Device("D", Check::D, Coded::Bare);
constexpr Form D32 = Device("D", Check::D32, Coded::Bare);
constexpr Form DArray = Device("D", Check::D, Coded::Array);
constexpr Form MArray = Device("M", Check::M, Coded::Array);
constexpr Form SArray = Device("S", Check::S, Coded::Array);
constexpr Form XArray = Device("X", Check::X, Coded::Array);
constexpr Form YArray = Device("Y", Check::Y, Coded::Array);
constexpr Form Y = Device("Y", Check::Y, Coded::Bare);
constexpr Form X = Device("X", Check::X, Coded::Bare);
constexpr Form M = Device("M", Check::M, Coded::Bare);
constexpr Form V = LetterOnly("V");
constexpr Form K(std::int32_t limit, std::int32_t lowest = 0) {
    return KValue(limit, lowest);
}
// A hexadecimal constant shown as H and four digits but passed on in decimal.
constexpr Form HDecimal(std::int32_t limit) {
    return HValue(limit, Coded::Bare);
}

constexpr TableInstruction kTable[] = {
    {"CML", {{KWord(), HValue(65535), DArray}, {DArray}}},
    {"XCH", {{DArray}, {DArray}}},
    {"DFLT DINT", {{D32}, {D32}}, " "},
    {"DEADD DESUB DEMUL DEDIV", {{D32}, {D32}, {D32}}},
    {"DECMP HOUR", {{D32}, {D32}, {MArray, YArray}}},
    {"WTOB BTOW", {{D32}, {D32}, {K(99)}}},
    {"DUTY",
     {{K(65535), DArray},
      {K(65535), DArray},
      {Narrowed(M, 8330, 8334, "设置范围 M8330~M8334 ！")}}},
    {"DPLSV", {{D32}, {Y}, {MArray, SArray, YArray}}},
    {"DDRVI DDRVA", {{D32}, {D32}, {Y}, {SArray, YArray}}},
    {"DZRN", {{D32}, {D32}, {XArray, YArray}, {Y}}},
    {"LADJ", {{D}, {D}, {D}}},
    {"FMOV", {{KWord(), HValue(65535), DArray}, {D}, {K(99)}}},
    {"BMOV", {{D}, {D}, {K(99)}}},
    {"ROR ROL", {{D}, {K(16)}}},
    {"ZRST SFTR SFTL", {{MArray, SArray}, {K(99)}}},
    {"BON", {{D}, {YArray, MArray, SArray}, {K(15), HValue(15, Coded::Hex, 2), DArray}}},
    {"PLSR PLSF",
     {{D}, {D}, {D}, {Narrowed(K(INT32_MAX, INT32_MIN), 0, 2, "通道号设定范围 K0..K2  ！")}}},
    {"RAMP", {{D}, {D}, {D}, {K(65535)}}},
    {"WSFR WSFL", {{D}, {D}, {K(256)}, {K(256)}}},
    {"SFWR SFRD POP WSUM", {{D}, {D}, {K(256)}}},
    {"MEAN", {{D}, {D}, {K(64)}}},
    {"PWM", {{K(100), HDecimal(100), DArray}, {Narrowed(Y, 0, 17, "Y 元件编号为 0-17 ！")}}},
    {"SPD", {{Narrowed(X, 0, 27, "X 元件编号为 0-27 ！")}, {K(65535), DArray}, {D}}},
    {"PID", {{D}, {D}, {Narrowed(D, 0, 5100, "参数值3设定范围 D0..D5100 ！")}, {D}}},
    {"SCAD FILT", {{D}, {KWord(), DArray}, {D}}},
    {"MODRB MODRD MODRI MODWB MODWL",
     {{K(255), V}, {K(65535), HDecimal(65535), V}, {K(16), DArray}}},
    {"MODWR", {{K(255), V}, {K(65535), HDecimal(65535), V}, {KWord(), DArray}}},
    {"RS1 RS2 RS3 RS4", {{K(256), V}, {D}, {K(256), V}, {D}}},
    {"REG", {{K(3)}, {K(7)}, {D}, {K(55)}}},
};

const TableInstruction* FindInstruction(std::string_view mnemonic) {
    for (const TableInstruction& instruction : kTable) {
        if (ListHolds(instruction.mnemonics, mnemonic)) return &instruction;
    }
    return nullptr;
}

}  // namespace

bool IsTableInstruction(std::string_view mnemonic) {
    return FindInstruction(mnemonic) != nullptr;
}

Compiled CompileTableInstruction(const Request& request) {
    const TableInstruction& instruction = *FindInstruction(request.fields.mnemonic);
    const std::string* operands[] = {&request.fields.operand1, &request.fields.operand2,
                                     &request.fields.operand3, &request.fields.operand4};
    int count = 0;
    const Form* forms[4] = {};
    for (; count < 4 && instruction.operands[count].count > 0; ++count) {
        forms[count] = FindForm(instruction.operands[count], *operands[count]);
        if (forms[count] == nullptr) return Refuse(kWrongOperand);
    }

    Built built;
    built.first = request.fields.mnemonic + instruction.gap;
    built.second = request.fields.mnemonic + "(";
    for (int i = 0; i < count; ++i) {
        std::optional<OperandParts> parts = Evaluate(*forms[i], *operands[i]);
        if (!parts) return std::nullopt;
        if (i > 0) {
            built.first += ' ';
            built.second += ',';
        }
        built.first += parts->shown;
        built.second += parts->coded;
    }
    built.second += ')';
    return built;
}

}  // namespace vx::instruction
