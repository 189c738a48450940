#include "online/EvaluateCell.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <optional>

#include "model/ApartInjunction.h"
#include "model/CellKind.h"
#include "model/MyPublic.h"
#include "platform/Text.h"

namespace vx {
namespace {

// A device number as cell texts write it: one to nine decimal digits and
// nothing else (no sign, no blank).
std::optional<int> ReadNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The digits of a K constant, with an optional minus sign.
std::optional<std::int64_t> ReadDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text[0] == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// The digits of an H constant: one to eight hexadecimal digits.
std::optional<std::int64_t> ReadHex(std::string_view text) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        int d = (c >= '0' && c <= '9')   ? c - '0'
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                         : -1;
        if (d < 0) return std::nullopt;
        value = value * 16 + d;
    }
    return value;
}

std::optional<DeviceKind> KindOfLetter(char letter) {
    if (const std::optional<DeviceRange> range = RangeOfLetter(letter)) return range->kind;
    return std::nullopt;
}

// K, H and E operands are constants.
bool IsConstant(std::string_view operand) {
    return !operand.empty() && (operand[0] == 'K' || operand[0] == 'H' || operand[0] == 'E');
}

bool OneOf(std::string_view mnemonic, std::initializer_list<std::string_view> mnemonics) {
    for (std::string_view m : mnemonics) {
        if (mnemonic == m) return true;
    }
    return false;
}

std::string Show32(std::uint32_t bits) {
    return std::to_string(static_cast<std::int32_t>(bits));
}

std::string ShowFloat(std::uint32_t bits) {
    const float value = std::bit_cast<float>(bits);
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    char text[64];  // the largest float takes 39 digits before the point
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(value));
    return text;
}

// The arithmetic sign by the letter that names the operation.
std::string_view Operator(char letter) {
    switch (letter) {
        case 'A':
            return " + ";
        case 'S':
            return " - ";
        case 'M':
            return " * ";
        default:
            return " / ";
    }
}

enum class Sign { kGreater, kGreaterEqual, kEqual, kLess, kLessEqual, kNotEqual };

std::optional<Sign> SignOf(std::string_view sign) {
    if (sign == "> ") return Sign::kGreater;
    if (sign == ">= ") return Sign::kGreaterEqual;
    if (sign == "= ") return Sign::kEqual;
    if (sign == "< ") return Sign::kLess;
    if (sign == "<= ") return Sign::kLessEqual;
    if (sign == "<> ") return Sign::kNotEqual;
    return std::nullopt;
}

// One operand as the lines show it, with the register it names (none for a
// constant).
struct Value {
    DeviceCode code = kNoDevice;
    std::string text;
};

// One operand of a compare contact: its register (if any) and its bits, 16 or
// 32 wide.
struct Compared {
    DeviceCode code = kNoDevice;
    std::uint32_t bits = 0;
};

// Evaluates one cell. An operand that has to name a device, but names none
// that the image holds, makes the whole cell unreadable: it gives the empty
// record, so nothing outside the image is ever read or requested.
class Evaluator {
  public:
    Evaluator(const DeviceImage& image, WordDisplay display) : image_(image), display_(display) {}

    MonitorRecord Run(std::uint8_t kind, std::string_view text);

  private:
    DeviceCode Unreadable() {
        unreadable_ = true;
        return kNoDevice;
    }

    // Notes the entries a value or state comes from: one not read from the
    // controller makes the record unread.
    void Uses(DeviceKind kind, int number, int count = 1);

    DeviceCode Device(std::string_view operand, std::string_view letters);
    bool BitOf(DeviceCode code);
    std::optional<int> Register(std::string_view operand, int width, bool indexed);
    std::string Show16(std::uint16_t bits, WordDisplay display) const;
    Value Word(std::string_view operand, WordDisplay display, bool indexed = false);
    Value Word(std::string_view operand) { return Word(operand, display_); }
    Value Pair(std::string_view operand);
    Value Float(std::string_view operand);
    Value CurrentValue(std::string_view operand);
    Compared CompareOperand(std::string_view operand, bool wide);

    void Contact(std::uint8_t symbol, std::string_view text);
    void Coil(std::string_view text);
    void StepContact(std::string_view text);
    void CompareContact(std::string_view text);
    void FunctionBox(std::string_view text);
    void Move(const InstrFields& fields);

    void SetCodes(DeviceCode code, DeviceCode extra1 = kNoDevice, DeviceCode extra2 = kNoDevice) {
        record_.code = code;
        record_.extraCode1 = extra1;
        record_.extraCode2 = extra2;
    }

    const DeviceImage& image_;
    const WordDisplay display_;
    MonitorRecord record_;
    bool unreadable_ = false;
    bool read_ = true;
};

MonitorRecord Evaluator::Run(std::uint8_t kind, std::string_view text) {
    const std::uint8_t symbol = Symbol(kind);
    switch (symbol) {
        case CellKind::kOpenContact:
        case CellKind::kClosedContact:
        case CellKind::kRisingEdge:
        case CellKind::kFallingEdge:
            Contact(symbol, text);
            break;
        case CellKind::kCoil:
            Coil(text);
            break;
        case CellKind::kStepContact:
            StepContact(text);
            break;
        case CellKind::kCompareContact:
            CompareContact(text);
            break;
        case CellKind::kFunctionBox:
            FunctionBox(text);
            break;
        default:  // empty, line, inverter, rail marker
            break;
    }
    if (unreadable_) return MonitorRecord{};

    // The devices move up over the places of constants, so the main code is
    // always the first device of the cell and a cell whose first operand is a
    // constant still has its other devices read.
    const DeviceCode codes[] = {record_.code, record_.extraCode1, record_.extraCode2};
    DeviceCode packed[] = {kNoDevice, kNoDevice, kNoDevice};
    int count = 0;
    for (DeviceCode code : codes) {
        if (code != kNoDevice) packed[count++] = code;
    }
    SetCodes(packed[0], packed[1], packed[2]);
    record_.read = read_;
    return record_;
}

// A bit device of one of the letters: the letter and its number in the image.
DeviceCode Evaluator::Device(std::string_view operand, std::string_view letters) {
    if (operand.empty() || letters.find(operand[0]) == std::string_view::npos) {
        return Unreadable();
    }
    const std::optional<DeviceKind> kind = KindOfLetter(operand[0]);
    const std::optional<int> number = ReadNumber(operand.substr(1));
    if (!kind || !number || !DeviceImage::Holds(*kind, *number)) return Unreadable();
    return MakeDeviceCode(*kind, *number);
}

void Evaluator::Uses(DeviceKind kind, int number, int count) {
    for (int n = number; n < number + count; ++n) {
        if (!image_.WasRead(kind, n)) read_ = false;
    }
}

bool Evaluator::BitOf(DeviceCode code) {
    if (code == kNoDevice) return false;
    Uses(DeviceCodeKind(code), DeviceCodeNumber(code));
    return image_.Bit(DeviceCodeKind(code), DeviceCodeNumber(code)).value_or(false);
}

// A D register (width 2: a register pair) whose words lie in the image. An
// index suffix V or Z, where allowed, is dropped: the register is read at its
// base number.
std::optional<int> Evaluator::Register(std::string_view operand, int width, bool indexed) {
    if (operand.empty() || operand[0] != 'D') return std::nullopt;
    std::string_view digits = operand.substr(1);
    if (indexed && !digits.empty() && (digits.back() == 'V' || digits.back() == 'Z')) {
        digits.remove_suffix(1);
    }
    const std::optional<int> number = ReadNumber(digits);
    if (!number || !DeviceImage::Holds(DeviceKind::D, *number, width)) return std::nullopt;
    return number;
}

std::string Evaluator::Show16(std::uint16_t bits, WordDisplay display) const {
    if (display == WordDisplay::kSigned) return std::to_string(static_cast<std::int16_t>(bits));
    return std::to_string(bits);
}

Value Evaluator::Word(std::string_view operand, WordDisplay display, bool indexed) {
    if (IsConstant(operand)) return {kNoDevice, std::string(operand)};
    const std::optional<int> number = Register(operand, 1, indexed);
    if (!number) return {Unreadable(), {}};
    Uses(DeviceKind::D, *number);
    return {MakeDeviceCode(DeviceKind::D, *number),
            Show16(image_.Word(DeviceKind::D, *number).value_or(0), display)};
}

Value Evaluator::Pair(std::string_view operand) {
    if (IsConstant(operand)) return {kNoDevice, std::string(operand)};
    const std::optional<int> number = Register(operand, 2, false);
    if (!number) return {Unreadable(), {}};
    Uses(DeviceKind::D, *number, 2);
    return {MakeDeviceCode(DeviceKind::D, *number),
            Show32(image_.RegisterPair(*number).value_or(0))};
}

Value Evaluator::Float(std::string_view operand) {
    if (IsConstant(operand)) return {kNoDevice, std::string(operand)};
    const std::optional<int> number = Register(operand, 2, false);
    if (!number) return {Unreadable(), {}};
    Uses(DeviceKind::D, *number, 2);
    return {MakeDeviceCode(DeviceKind::D, *number),
            ShowFloat(image_.RegisterPair(*number).value_or(0))};
}

// The current value of a timer (T n) or counter (C n).
Value Evaluator::CurrentValue(std::string_view operand) {
    const DeviceKind kind = operand[0] == 'T' ? DeviceKind::TValue : DeviceKind::CValue;
    const std::optional<int> number = ReadNumber(operand.substr(1));
    if (!number || !DeviceImage::Holds(kind, *number)) return {Unreadable(), {}};
    Uses(kind, *number);
    return {MakeDeviceCode(kind, *number),
            Show16(image_.Word(kind, *number).value_or(0), display_)};
}

Compared Evaluator::CompareOperand(std::string_view operand, bool wide) {
    if (!operand.empty() && (operand[0] == 'K' || operand[0] == 'H')) {
        const std::optional<std::int64_t> value =
            operand[0] == 'K' ? ReadDecimal(operand.substr(1)) : ReadHex(operand.substr(1));
        if (!value) return {Unreadable(), 0};
        const auto bits = static_cast<std::uint32_t>(*value);
        return {kNoDevice, wide ? bits : bits & 0xFFFFu};
    }
    const std::optional<int> number = Register(operand, wide ? 2 : 1, false);
    if (!number) return {Unreadable(), 0};
    Uses(DeviceKind::D, *number, wide ? 2 : 1);
    const std::uint32_t bits = wide ? image_.RegisterPair(*number).value_or(0)
                                    : image_.Word(DeviceKind::D, *number).value_or(0);
    return {MakeDeviceCode(DeviceKind::D, *number), bits};
}

void Evaluator::Contact(std::uint8_t symbol, std::string_view text) {
    record_.code = Device(text, "XYMSTC");
    bool on = BitOf(record_.code);
    if (symbol == CellKind::kClosedContact) on = !on;
    record_.state = on ? 1 : 0;
}

// Y, M and S coils name the device alone; timer and counter coils add a blank
// and the set value (T5 K100, C3 D20), and show the current value with the
// set value's register.
void Evaluator::Coil(std::string_view text) {
    if (text.empty() || (text[0] != 'T' && text[0] != 'C')) {
        record_.code = Device(text, "YMS");
        record_.state = BitOf(record_.code) ? 1 : 0;
        return;
    }
    const std::size_t blank = text.find(' ');
    const Value current = CurrentValue(text.substr(0, blank));
    if (unreadable_) return;
    record_.code = MakeDeviceCode(text[0] == 'T' ? DeviceKind::T : DeviceKind::C,
                                  DeviceCodeNumber(current.code));
    record_.state = BitOf(record_.code) ? 1 : 0;
    record_.line1 = PadRight(current.text, 4);
    if (blank != std::string_view::npos && blank + 1 < text.size() && text[blank + 1] == 'D') {
        const Value setValue = Word(text.substr(blank + 1));
        record_.extraCode1 = setValue.code;
        record_.line1 += " " + setValue.text;
    }
}

// "STL S3": the step number stands from the sixth character on.
void Evaluator::StepContact(std::string_view text) {
    const std::optional<int> number =
        text.size() > 5 ? ReadNumber(text.substr(5)) : std::optional<int>();
    if (!number || !DeviceImage::Holds(DeviceKind::S, *number)) {
        Unreadable();
        return;
    }
    record_.code = MakeDeviceCode(DeviceKind::S, *number);
    record_.state = BitOf(record_.code) ? 1 : 0;
}

// "> D0 K100", "D>= D10 D20": a 16-bit or (with a leading D) 32-bit comparison
// of two registers or constants.
void Evaluator::CompareContact(std::string_view text) {
    const InstrFields fields = ApartInjunction(text);
    std::string_view sign = fields.mnemonic;
    const bool wide = !sign.empty() && sign[0] == 'D';
    if (wide) sign.remove_prefix(1);
    const std::optional<Sign> comparison = SignOf(sign);
    if (!comparison) return;

    const Compared a = CompareOperand(fields.operand1, wide);
    const Compared b = CompareOperand(fields.operand2, wide);
    if (unreadable_) return;

    std::int32_t x, y;
    if (wide) {
        x = static_cast<std::int32_t>(a.bits);
        y = static_cast<std::int32_t>(b.bits);
        record_.line1 = Show32(a.bits);
        record_.line2 = Show32(b.bits);
    } else {
        x = static_cast<std::int16_t>(a.bits);
        y = static_cast<std::int16_t>(b.bits);
        record_.line1 = Show16(static_cast<std::uint16_t>(a.bits), display_);
        record_.line2 = Show16(static_cast<std::uint16_t>(b.bits), display_);
    }
    bool holds = false;
    switch (*comparison) {
        case Sign::kGreater:
            holds = x > y;
            break;
        case Sign::kGreaterEqual:
            holds = x >= y;
            break;
        case Sign::kLess:
            holds = x < y;
            break;
        case Sign::kLessEqual:
            holds = x <= y;
            break;
        case Sign::kEqual:  // the patterns
            holds = a.bits == b.bits;
            break;
        case Sign::kNotEqual:
            holds = a.bits != b.bits;
            break;
    }
    record_.state = holds ? 1 : 0;
    SetCodes(a.code, b.code);
}

// MOV: the source's value (a register's or a timer's or counter's current
// value, padded to 4 characters; anything else as written) and the value of a
// destination register.
void Evaluator::Move(const InstrFields& fields) {
    const std::string_view source = fields.operand1;
    const std::string_view target = fields.operand2;
    Value from;
    if (IsConstant(source)) {
        from.text = source;
    } else {
        if (!source.empty() && source[0] == 'D') {
            from = Word(source, display_, true);
        } else if (!source.empty() && (source[0] == 'T' || source[0] == 'C')) {
            from = CurrentValue(source);
        } else {  // V, Z and the word views of bit devices
            from.text = source;
        }
        from.text = PadRight(from.text, 4);
    }
    Value to;
    if (!target.empty() && target[0] == 'D') to = Word(target, display_, true);
    record_.line1 = from.text;
    if (to.code != kNoDevice) record_.line1 += " " + to.text;
    SetCodes(from.code != kNoDevice ? from.code : to.code, to.code);
}

void Evaluator::FunctionBox(std::string_view text) {
    const InstrFields fields = ApartInjunction(text);
    const std::string& m = fields.mnemonic;
    const std::string_view op1 = fields.operand1;
    const std::string_view op2 = fields.operand2;
    const std::string_view op3 = fields.operand3;
    const std::string_view op4 = fields.operand4;
    const std::string blank = " ";
    MonitorRecord& r = record_;

    if (OneOf(m, {"SET ", "RST ", "ALT "})) {
        r.code = Device(op1, "YMSC");
        const bool on = BitOf(r.code);
        r.state = (m == "RST " ? !on : on) ? 1 : 0;
    } else if (OneOf(m, {"PLS ", "PLF "})) {
        r.code = Device(op1, "MS");
        r.state = BitOf(r.code) ? 1 : 0;
    } else if (m == "MOV ") {
        Move(fields);
    } else if (OneOf(m, {"DMOV ", "DEMOV "})) {
        const bool real = m == "DEMOV ";
        const Value a = real ? Float(op1) : Pair(op1);
        const Value b = real ? Float(op2) : Pair(op2);
        SetCodes(a.code != kNoDevice ? a.code : b.code, b.code);
        r.line1 = blank + a.text + blank + b.text;
    } else if (OneOf(m, {"DFLT ", "DPLSV ", "DABS "})) {
        const Value a = Pair(op1);
        r.code = a.code;
        r.line1 = blank + a.text;
        if (m == "DFLT ") {
            const Value b = Float(op2);
            r.extraCode1 = b.code;
            r.line1 += blank + b.text;
        }
    } else if (m == "DINT ") {
        const Value a = Float(op1);
        const Value b = Pair(op2);
        SetCodes(a.code, b.code);
        r.line1 = blank + a.text + blank + b.text;
    } else if (OneOf(m, {"DEADD ", "DESUB ", "DEMUL ", "DEDIV "})) {
        const Value a = Float(op1);
        const Value b = Float(op2);
        const Value c = Float(op3);
        SetCodes(a.code, b.code, c.code);
        r.line1 = blank + a.text + std::string(Operator(m[2])) + b.text;
        r.line2 = blank + std::string(op3) + " = " + c.text;
    } else if (m == "DECMP ") {
        const Value a = Float(op1);
        const Value b = Float(op2);
        const DeviceCode flag = Device(op3, "YMS");
        SetCodes(a.code, b.code, flag);
        r.state = BitOf(flag) ? 1 : 0;
        r.line1 = blank + a.text + blank + b.text;
    } else if (OneOf(m, {"HOUR ", "WTOB ", "BTOW ", "MEAN ", "WSUM ", "WSFR ", "WSFL ", "SFWR ",
                         "SFRD ", "POP "})) {
        const Value a = Word(op1);
        const Value b = Word(op2);
        SetCodes(a.code, b.code);
        r.line1 = a.text + "    " + b.text;
        if (m == "HOUR ") {
            r.extraCode2 = Device(op3, "YMS");
            r.state = BitOf(r.extraCode2) ? 1 : 0;
            r.line1 += r.state ? "    ON" : "    OFF";
        }
    } else if (m == "DUTY ") {
        const Value a = Word(op1);
        const Value b = Word(op2);
        const DeviceCode flag = Device(op3, "M");
        SetCodes(a.code != kNoDevice ? a.code : b.code, b.code, flag);
        r.state = BitOf(flag) ? 1 : 0;
        r.line1 = a.text + "    " + b.text + (r.state ? "    ON" : "    OFF");
    } else if (m == "RAMP ") {
        const Value a = Word(op1, WordDisplay::kUnsigned);
        const Value b = Word(op2, WordDisplay::kUnsigned);
        const Value c = Word(op3, WordDisplay::kUnsigned);
        SetCodes(a.code, b.code, c.code);
        r.line1 = blank + a.text + " -> " + b.text;
        r.line2 = blank + std::string(op3) + " = " + c.text;
    } else if (OneOf(m, {"RS1 ", "RS2 ", "RS3 ", "RS4 "})) {
        const Value b = Word(op2);
        const Value d = Word(op4);
        SetCodes(b.code, d.code);
        r.line1 = std::string(op1) + blank +
                  PadRight(b.text, static_cast<int>(GbkByteLength(op2))) + blank +
                  std::string(op3) + blank + d.text;
    } else if (OneOf(m, {"INC ", "DEC ", "NEG "})) {
        const Value a = Word(op1, display_, true);
        r.code = a.code;
        r.line1 = a.text;
    } else if (OneOf(m, {"DINC ", "DDEC ", "DNEG "})) {
        const Value a = Pair(op1);
        r.code = a.code;
        r.line1 = a.text;
    } else if (OneOf(m, {"ADD ", "SUB ", "MUL ", "DIV ", "WOR ", "WAND ", "WXOR "})) {
        const Value a = Word(op1);
        const Value b = Word(op2);
        const Value c = Word(op3);
        SetCodes(a.code, b.code, c.code);
        r.line1 = a.text + blank + b.text + blank + c.text;
    } else if (OneOf(m, {"DADD ", "DSUB ", "DMUL ", "DDIV "})) {
        const Value a = Pair(op1);
        const Value b = Pair(op2);
        const Value c = Pair(op3);
        SetCodes(a.code, b.code, c.code);
        r.line1 = blank + a.text + std::string(Operator(m[1])) + b.text;
        r.line2 = blank + std::string(op3) + " = " + c.text;
    } else if (m == "PID ") {
        const Value d = Word(op4);
        r.code = d.code;
        r.line1 =
            std::string(op1) + blank + std::string(op2) + blank + std::string(op3) + blank + d.text;
    } else if (m == "SPD ") {
        const Value c = Word(op3);
        r.code = c.code;
        r.line1 = std::string(op1) + blank + std::string(op2) + blank + c.text;
    } else if (OneOf(m, {"LADJ ", "FILT "})) {
        const Value c = Word(op3);
        r.code = c.code;
        r.line1 = blank + std::string(op1) + blank + std::string(op2) + blank + c.text;
    } else if (OneOf(m, {"CML ", "XCH ", "SUM "})) {
        const Value b = Word(op2);
        r.code = b.code;
        r.line1 = std::string(op1) + blank + b.text;
    } else if (OneOf(m, {"FMOV ", "BMOV "})) {
        const Value b = Word(op2);
        r.code = b.code;
        r.line1 = std::string(op1) + blank + b.text + blank +
                  (display_ == WordDisplay::kUnsigned ? blank : std::string()) + std::string(op3);
    } else if (OneOf(m, {"ROR ", "ROL ", "PWM ", "BON ", "ABS "})) {
        const Value a = Word(op1);
        r.code = a.code;
        r.line1 = a.text;
    } else if (OneOf(m, {"PLSR ", "PLSF ", "DDRVI ", "DDRVA ", "DZRN "})) {
        const Value a = Pair(op1);
        const Value b = Pair(op2);
        SetCodes(a.code, b.code);
        r.line1 = blank + a.text + "  " + b.text;
    }
    // Any other instruction watches no device.
}

}  // namespace

MonitorRecord EvaluateCell(std::uint8_t kind, std::string_view firstText, const DeviceImage& image,
                           WordDisplay display) {
    return Evaluator(image, display).Run(kind, firstText);
}

MonitorRecord EvaluateCell(const LadderCells& cells, int column, int row, const DeviceImage& image,
                           WordDisplay display) {
    if (!IsCell(column, row)) return MonitorRecord{};
    return EvaluateCell(cells.Kind(column, row), cells.First(column, row), image, display);
}

}  // namespace vx
