// The word move MOV and the four-function and logic instructions.
//
// MOV moves between registers, current values, the index registers and word
// views of 16 bit devices (WX, WY, WM, WS); the macro of the C text names both
// sides: MOV, XOV/SOV for a word-view source, and an X or S in front for a
// word-view destination (XMOV, SXOV, ...).
#include <string>

#include "model/InstructionCompilerParts.h"

namespace vx::instruction {
namespace {

constexpr std::string_view kArithmetic16 = "ADD SUB MUL DIV WAND WOR WXOR";
constexpr std::string_view kArithmetic32 = "DADD DSUB DMUL DDIV";

constexpr Form kRegister = Device("D", Check::D, Coded::Array);

constexpr Form kMoveSources[] = {
    KWord(),
    HValue(65535),
    kRegister,
    Form{.prefix = "T", .check = Check::T, .coded = Coded::Array, .array = "T_Nonce"},
    Form{.prefix = "C", .check = Check::C, .coded = Coded::Array, .array = "C_Nonce"},
    LetterOnly("V"),
    LetterOnly("Z"),
    Device("WX", Check::X, Coded::Array),
    Device("WY", Check::Y, Coded::Array),
    Device("WM", Check::M, Coded::Array),
    Device("WS", Check::S, Coded::Array),
};

constexpr Form kMoveDestinations[] = {
    kRegister,
    LetterOnly("V"),
    LetterOnly("Z"),
    Device("WX", Check::X, Coded::Array),
    Device("WY", Check::Y, Coded::Array),
    Device("WM", Check::M, Coded::Array),
    Device("WS", Check::S, Coded::Array),
};

bool IsWordView(const Form& form) {
    return form.prefix[0] == 'W';
}
bool IsConstant(const Form& form) {
    return form.check == Check::K || form.check == Check::H;
}

// The macro letter of a word view: X for the inputs and outputs, S for relays and steps.
char WordViewLetter(const Form& form) {
    return (form.prefix[1] == 'X' || form.prefix[1] == 'Y') ? 'X' : 'S';
}

// A register operand ending in V or Z is indexed: D5Z is D[5+Z].
bool IsIndexed(const Form& form, std::string_view operand) {
    return form.check == Check::D && operand.size() > 1 &&
           (operand.back() == 'V' || operand.back() == 'Z');
}

std::optional<OperandParts> EvaluateMoveOperand(const Form& form, std::string_view operand) {
    if (!IsIndexed(form, operand)) return Evaluate(form, operand);
    const char index = operand.back();
    std::optional<OperandParts> parts = Evaluate(form, operand.substr(0, operand.size() - 1));
    if (!parts) return std::nullopt;
    parts->shown += index;
    parts->coded = "D[" + std::to_string(parts->number) + "+" + index + "]";
    return parts;
}

Compiled CompileMove(const Request& request) {
    const std::string& source = request.fields.operand1;
    const std::string& destination = request.fields.operand2;
    const Form* from = FindForm(kMoveSources, source);
    if (from == nullptr) return Refuse(kWrongOperand);
    const Form* to = FindForm(kMoveDestinations, destination);
    if (to == nullptr) return Refuse(kWrongOperand);
    if (IsConstant(*from) && IsWordView(*to)) {
        return Refuse("常数不可直接传送至 WYn、WMn、WSn ！\r\r请先把常数传送至Dn,最后...");
    }

    std::optional<OperandParts> a = EvaluateMoveOperand(*from, source);
    if (!a) return std::nullopt;
    std::optional<OperandParts> b = EvaluateMoveOperand(*to, destination);
    if (!b) return std::nullopt;

    std::string macro = "MOV ";
    if (IsWordView(*from)) macro = std::string(1, WordViewLetter(*from)) + "OV ";
    if (IsWordView(*to)) macro.insert(macro.begin(), WordViewLetter(*to));
    Built built;
    built.first = "MOV " + a->shown + " " + b->shown;
    built.second = macro + "(" + a->coded + "," + b->coded + ")";
    return built;
}

// ADD(a,b,c) sets D[c] = a + b and so on; the D forms work on register pairs
// and take registers only. DIV leaves the remainder in D[c+1], so its
// destination is a pair too.
Compiled CompileArithmetic(const Request& request) {
    const std::string& m = request.fields.mnemonic;
    const bool pairs = ListHolds(kArithmetic32, m);
    constexpr Operand kSource{kRegister, KWord(), HValue(65535)};
    constexpr Operand kTarget{Device("D", Check::D, Coded::Bare)};
    constexpr Form kPair = Device("D", Check::D32, Coded::Bare);

    const std::string* operands[] = {&request.fields.operand1, &request.fields.operand2,
                                     &request.fields.operand3};
    const Form* forms[3] = {FindForm(kSource, *operands[0]), FindForm(kSource, *operands[1]),
                            FindForm(kTarget, *operands[2])};
    for (const Form* form : forms) {
        if (form == nullptr) return Refuse(kWrongOperand);
    }
    if (pairs) {
        for (const Form*& form : forms) {
            if (IsConstant(*form)) {
                return Refuse("常数不可直接32bit双字数学运算 ！\r\r请先把常数传送至Dn,最后...");
            }
            form = &kPair;
        }
    } else if (m == "DIV ") {
        forms[2] = &kPair;
    }

    std::optional<OperandParts> parts[3];
    for (int i = 0; i < 3; ++i) {
        parts[i] = Evaluate(*forms[i], *operands[i]);
        if (!parts[i]) return std::nullopt;
    }
    Built built;
    built.first = m + parts[0]->shown + " " + parts[1]->shown + " " + parts[2]->shown;
    built.second = std::string(pairs ? std::string_view(m) : Bare(m)) + "(" + parts[0]->coded +
                   "," + parts[1]->coded + "," + parts[2]->coded + ")";
    return built;
}

}  // namespace

bool IsMoveOrArithmetic(std::string_view mnemonic) {
    return mnemonic == "MOV " || ListHolds(kArithmetic16, mnemonic) ||
           ListHolds(kArithmetic32, mnemonic);
}

Compiled CompileMoveOrArithmetic(const Request& request) {
    if (request.fields.mnemonic == "MOV ") return CompileMove(request);
    return CompileArithmetic(request);
}

}  // namespace vx::instruction
