// The application instructions with rules of their own: the register-pair
// moves and conversions (DMOV, DEMOV, SUM, BCD, BIN), the increments and other
// one-operand instructions, the I/O refresh REF and the display text TXT.
#include <bit>
#include <cstring>
#include <string>

#include "model/FloatText.h"
#include "model/InstructionCompilerParts.h"
#include "model/LadderProgram.h"
#include "model/OperandCheck.h"
#include "platform/Text.h"

namespace vx::instruction {
namespace {

constexpr std::string_view kPairMoves = "DMOV DEMOV SUM BCD BIN";
constexpr std::string_view kIncrements = "INC DEC ABS SWAP NEG";
constexpr std::string_view kPairIncrements = "DINC DDEC DABS DNEG";

// A real number after the E of a floating-point constant, read as the value
// dialogs read one (`ParseFloatText`).
std::optional<float> ParseReal(std::string_view text) {
    const FloatText real = ParseFloatText(text);
    if (real.status != FloatTextStatus::Ok) return std::nullopt;
    return real.value;
}

// KMOV(low,high,d) stores the two halves of a 32-bit pattern into D[d] and D[d+1].
std::string KMove(std::uint32_t pattern, std::int32_t destination) {
    return "KMOV(" + std::to_string(pattern & 0xFFFFu) + "," + std::to_string(pattern >> 16) + "," +
           std::to_string(destination) + ")";
}

// DMOV and DEMOV move a register pair or a 32-bit constant (K, H, or E for a
// real number) into a register pair; SUM, BCD and BIN take a register only
// and invoke their own macro.
Compiled CompilePairMove(const Request& request) {
    const std::string& m = request.fields.mnemonic;
    const std::string& source = request.fields.operand1;
    const std::string& destination = request.fields.operand2;
    const bool move = m == "DMOV " || m == "DEMOV ";
    const char letter = source.empty() ? '\0' : source[0];
    if (std::strchr("DEHK", letter) == nullptr || letter == '\0') return Refuse(kWrongOperand);
    if (!destination.starts_with('D')) return Refuse(kWrongOperand);
    if (letter != 'D' && !move) return Refuse(kOnlyD);

    // A move fills a register pair; the conversions work on one register.
    auto checkRegister = move ? CheckD32Number : CheckDNumber;
    std::string shown;
    std::optional<std::uint32_t> pattern;
    std::int32_t register_ = 0;
    switch (letter) {
        case 'D': {
            CheckedNumber n = checkRegister(source);
            if (!n) return std::nullopt;
            register_ = *n;
            shown = "D" + std::to_string(*n);
            break;
        }
        case 'K': {
            CheckedNumber k = CheckKValue(source, 999999999, -999999999);
            if (!k) return std::nullopt;
            pattern = static_cast<std::uint32_t>(*k);
            shown = "K" + std::to_string(*k);
            break;
        }
        case 'H': {
            CheckedNumber h = CheckHValue(source, 0x7FFFFFFF);
            if (!h) return std::nullopt;
            pattern = static_cast<std::uint32_t>(*h);
            shown = "H" + Hex(*pattern, 8);
            break;
        }
        default: {  // 'E'
            std::optional<float> real = ParseReal(std::string_view(source).substr(1));
            if (!real) return Refuse(kUnreadableNumber, MsgIcon::Information);
            pattern = std::bit_cast<std::uint32_t>(*real);
            shown = source;
            break;
        }
    }
    CheckedNumber d = checkRegister(destination);
    if (!d) return std::nullopt;

    Built built;
    built.first = m + shown + " D" + std::to_string(*d);
    if (pattern) {
        built.second = KMove(*pattern, *d);
    } else {
        built.second = std::string(move ? std::string_view("DMOV") : Bare(m)) + "(" +
                       std::to_string(register_) + "," + std::to_string(*d) + ")";
    }
    return built;
}

// INC, DEC, ABS, SWAP and NEG work on a register or on an index register (the
// header's V forms: VINC(Z)); the D forms on a register pair.
Compiled CompileIncrement(const Request& request) {
    const std::string& m = request.fields.mnemonic;
    const std::string& operand = request.fields.operand1;
    const bool pair = ListHolds(kPairIncrements, m);
    const char letter = operand.empty() ? '\0' : operand[0];
    if (pair) {
        if (letter != 'D') return Refuse(kOnlyD);
        CheckedNumber n = CheckD32Number(operand);
        if (!n) return std::nullopt;
        return Built{m + " " + operand, m + "(" + std::to_string(*n) + ")"};
    }
    if (letter != 'D' && letter != 'V' && letter != 'Z') {
        return Refuse("元件设置错误,只可用 D,V,Z ！");
    }
    if (letter == 'D') {
        CheckedNumber n = CheckDNumber(operand);
        if (!n) return std::nullopt;
        return Built{m + "  " + operand, m + "(" + std::to_string(*n) + ")"};
    }
    if (operand.size() != 1) return Refuse(kWrongOperand);
    return Built{m + operand, "V" + m + "(" + operand + ")"};
}

// REF refreshes a group of eight inputs (WX) or outputs (WY), numbered 0-20 in octal.
Compiled CompileRefresh(const Request& request) {
    const std::string& operand = request.fields.operand1;
    const bool inputs = operand.starts_with("WX");
    if (!inputs && !operand.starts_with("WY")) return Refuse(kWrongOperand);
    const std::string_view digits = std::string_view(operand).substr(2);
    std::optional<std::int32_t> n = ParseInteger(digits);
    if (!n) return Refuse(kUnreadableNumber, MsgIcon::Information);
    if (*n < 0 || *n > 20) return Refuse("REF指令的元件编号为 0-20 ！");
    if (digits.find_first_of("89") != std::string_view::npos) {
        return Refuse("XY 元件编号不是 8 进制 ！");
    }
    const std::string number = std::to_string(*n);
    return Built{"REF " + operand.substr(0, 2) + number,
                 std::string("REF (") + (inputs ? "0," : "1,") + number + ")"};
}

// The longest display text TXT shows, counted as the display counts it: a
// Chinese character takes two of its places, as it takes two GBK bytes.
constexpr std::size_t kDisplayTextWidth = 12;

// Characters the C string literal of TXT cannot carry, or the project file
// cannot keep. The program source is compiled in GBK, where the second byte
// of some characters (誠 is D5 5C) is the backslash: the compiler would read
// it as an escape and the literal would lose its end.
bool HasUnusableCharacter(std::string_view text) {
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) return true;
    }
    const std::string gbk = Utf8ToGbk(text);
    return gbk.find('\\') != std::string::npos || GbkToUtf8(gbk) != text;
}

// TXT shows a text at a line and column of the operator display. The text is
// everything after the two positions, joined with single blanks.
Compiled CompileDisplayText(const Request& request) {
    const InstrFields& f = request.fields;
    if (!f.operand1.starts_with('K') || !f.operand2.starts_with('K')) {
        return Refuse(kWrongOperand);
    }
    CheckedNumber line = CheckKValue(f.operand1, 3, 0);
    if (!line) return std::nullopt;
    CheckedNumber column = CheckKValue(f.operand2, 7, 0);
    if (!column) return std::nullopt;

    std::string text = f.operand3 + " " + f.operand4 + " " + f.operand5;
    // Both would end the C string literal early or start an escape in it.
    if (text.find('"') != std::string::npos) return Refuse("输入的文本内容存在[“”]");
    if (text.find('\\') != std::string::npos) return Refuse("输入的文本内容存在[\\]");
    if (HasUnusableCharacter(text)) return Refuse("输入的文本内容存在不能使用的字符 ！");
    const bool cut = GbkByteLength(text) > kDisplayTextWidth;
    if (cut) {
        text = CutToGbkBytes(text, kDisplayTextWidth);
        // A Chinese character that does not fit whole leaves its place blank:
        // the text then fills the twelve places, so the stored first text,
        // split and joined again (as the converter does), gives this text.
        text.append(kDisplayTextWidth - GbkByteLength(text), ' ');
    }

    const std::string l = std::to_string(*line);
    const std::string c = std::to_string(*column);
    Built built{"TXT K" + l + " K" + c + " " + text, "TXT (" + l + "," + c + ",\"" + text + "\")"};
    // A text that cannot be stored is refused before the user is told what is
    // kept of it.
    if (!FitsCellText(built)) return std::nullopt;
    if (cut) {
        ShowMessage({kProductTitle, "输入的文本内容长度 >12 ！\r只能保留:" + text,
                     MsgIcon::Exclamation, MsgButtons::Ok});
    }
    return built;
}

}  // namespace

bool IsSpecialInstruction(std::string_view mnemonic) {
    return ListHolds(kPairMoves, mnemonic) || ListHolds(kIncrements, mnemonic) ||
           ListHolds(kPairIncrements, mnemonic) || mnemonic == "REF " || mnemonic == "TXT ";
}

Compiled CompileSpecialInstruction(const Request& request) {
    const std::string& m = request.fields.mnemonic;
    if (ListHolds(kPairMoves, m)) return CompilePairMove(request);
    if (m == "REF ") return CompileRefresh(request);
    if (m == "TXT ") return CompileDisplayText(request);
    return CompileIncrement(request);
}

}  // namespace vx::instruction
