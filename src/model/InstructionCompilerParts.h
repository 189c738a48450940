// Pieces shared by the instruction compiler's families (not for other callers).
//
// Each family turns the split instruction into the two texts and says how the
// result is placed; the core (InstructionCompiler.cpp) dispatches, checks the
// cursor column and the text lengths, and builds the cell writes.
//
// Operands are described as data: an operand accepts one or more forms, each
// chosen by the letters the operand begins with (D, K, WX, ...), with the
// validator that reads its number, an optional narrower range with a message
// of its own, and how the number is shown in the display text and written in
// the C text.
#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/ApartInjunction.h"
#include "model/OperandCheck.h"
#include "platform/MessageBox.h"

namespace vx::instruction {

enum class Placement : std::uint8_t {
    FunctionBox,     // column 12, lines from the cursor
    CompareContact,  // the cursor cell, columns 1 to 11
    StepContact,     // column 1
};

struct Built {
    std::string first;
    std::string second;
    Placement placement = Placement::FunctionBox;
};
using Compiled = std::optional<Built>;

struct Request {
    const InstrFields& fields;
    int column;  // the cursor column
};

// Texts the compiler shows.
inline constexpr const char* kUnknownInstruction = "指令设置错误 ！";
inline constexpr const char* kWrongOperand = "元件设置错误 ！";
inline constexpr const char* kOnlyD = "元件设置错误,只可用 D ！";
inline constexpr const char* kUnreadableNumber = "数值设置错误 ！";

// Shows the message (caption kProductTitle, OK button) and gives an empty result.
std::nullopt_t Refuse(std::string_view text, MsgIcon icon = MsgIcon::Exclamation);

// Whether the display text fits a cell text of the project file (26 GBK
// bytes); a longer one would be cut without a word when the project is saved,
// so it is refused here with a message. The C text may be longer: the project
// file keeps 26 bytes of it, and the converter derives it again from the
// display text.
bool FitsCellText(const Built& built);

// The compiler's own reading of a number: an optional sign and decimal digits
// that fit a signed 32-bit number, nothing else.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// The value as upper-case hexadecimal digits, at least `digits` of them.
std::string Hex(std::uint32_t value, int digits);

// The mnemonic without its trailing blank ("ADD " -> "ADD").
std::string_view Bare(std::string_view mnemonic);

// Whether the blank-separated word list holds the mnemonic (given with its
// trailing blank, as the splitting leaves it).
bool ListHolds(std::string_view words, std::string_view mnemonic);

// --- Operands as data -------------------------------------------------------

enum class Check : std::uint8_t { None, X, Y, M, S, T, C, D, D32, K, H };
enum class Shown : std::uint8_t {
    Number,  // the letters and the number: D5, K-3, WX17
    Hex,     // the letter and the value in `digits` hexadecimal digits: H00FF
    Letter,  // the letters alone: V
};
enum class Coded : std::uint8_t {
    Bare,    // the number: 5
    Array,   // the array element: D[5], X[17], T_Nonce[3]
    Hex,     // 0x and `digits` hexadecimal digits: 0x00FF
    Letter,  // the letters alone: V
};

struct Form {
    const char* prefix = "";  // the letters that choose this form
    Check check = Check::None;
    Shown shown = Shown::Number;
    Coded coded = Coded::Bare;
    std::int32_t limit = 0;       // K and H: the highest value
    std::int32_t lowest = 0;      // K: the lowest value
    int digits = 4;               // H: hexadecimal digits shown and coded
    const char* array = nullptr;  // Coded::Array: the array's name (default: the last letter)
    // A range narrower than the validator's, with its own message.
    const char* rangeMessage = nullptr;
    std::int32_t low = 0;
    std::int32_t high = 0;
};

inline constexpr int kMaxForms = 3;

struct Operand {
    Form forms[kMaxForms]{};
    int count = 0;

    constexpr Operand() = default;
    template <std::same_as<Form>... F>
    constexpr Operand(F... f) : forms{f...}, count(static_cast<int>(sizeof...(F))) {
        static_assert(sizeof...(F) <= kMaxForms);
    }
};

// The operand's form, chosen by its first letters (the first form that fits);
// nullptr when none fits.
const Form* FindForm(std::span<const Form> forms, std::string_view text);
inline const Form* FindForm(const Operand& operand, std::string_view text) {
    return FindForm(std::span<const Form>(operand.forms, static_cast<std::size_t>(operand.count)),
                    text);
}

struct OperandParts {
    std::int32_t number = 0;
    std::string shown;
    std::string coded;
};

// Validates the operand in the chosen form (the validator sees the operand
// from the form's last prefix letter on, so WX17 is checked as X17). After a
// refusal, which has told the user, the result is empty.
std::optional<OperandParts> Evaluate(const Form& form, std::string_view text);

// Form builders for the tables.
constexpr Form Device(const char* letters, Check check, Coded coded) {
    return Form{.prefix = letters, .check = check, .coded = coded};
}
// A count, position, channel or the like: 0 up to the limit, unless told.
constexpr Form KValue(std::int32_t limit, std::int32_t lowest = 0) {
    return Form{.prefix = "K", .check = Check::K, .limit = limit, .lowest = lowest};
}
// A 16-bit value for a register, signed or not: -32768 to 65535.
constexpr Form KWord() {
    return KValue(65535, kLowestWord);
}
constexpr Form HValue(std::int32_t limit, Coded coded = Coded::Hex, int digits = 4) {
    return Form{.prefix = "H",
                .check = Check::H,
                .shown = Shown::Hex,
                .coded = coded,
                .limit = limit,
                .digits = digits};
}
constexpr Form Narrowed(Form form, std::int32_t low, std::int32_t high, const char* message) {
    form.rangeMessage = message;
    form.low = low;
    form.high = high;
    return form;
}
constexpr Form LetterOnly(const char* letters) {
    return Form{.prefix = letters, .shown = Shown::Letter, .coded = Coded::Letter};
}

// --- The families -----------------------------------------------------------
// Each knows its mnemonics and compiles them; a refusal has told the user.

bool IsFlowInstruction(std::string_view mnemonic);  // bit, program flow, STL, no operands
Compiled CompileFlowInstruction(const Request& request);

bool IsCompareSign(std::string_view mnemonic);
Compiled CompileCompareContact(const Request& request);

bool IsMoveOrArithmetic(std::string_view mnemonic);  // MOV, ADD ... DDIV, WAND ... WXOR
Compiled CompileMoveOrArithmetic(const Request& request);

bool IsTableInstruction(std::string_view mnemonic);  // the operand-table instructions
Compiled CompileTableInstruction(const Request& request);

bool IsSpecialInstruction(std::string_view mnemonic);  // DMOV family, increments, REF, TXT
Compiled CompileSpecialInstruction(const Request& request);

}  // namespace vx::instruction
