#include "editor/CodeConv.h"

namespace vx {
namespace {

// Beyond nine digits the fields' limits are long passed; stopping there keeps
// the sum inside 32 bits.
constexpr std::size_t kMostDigits = 9;

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The value of the decimal field; an empty field becomes "0".
std::uint32_t ReadDecimal(CodeConvFields& fields) {
    if (fields.decimal.empty()) fields.decimal = "0";
    return DecimalFieldValue(fields.decimal);
}

void PaintBits(CodeConvFields& fields, std::uint32_t value) {
    fields.bits = static_cast<std::uint16_t>(value & 0xFFFFu);
}

void ReadBits(CodeConvFields& fields) {
    const std::uint16_t value = fields.gray ? GrayDecode(fields.bits) : fields.bits;
    fields.decimal = std::to_string(value);
    fields.hex = HexDigits(value, 4);
}

void ShowBinary(CodeConvFields& fields) {
    fields.binary = BinaryDigits(fields.bits);
    fields.setClear = fields.decimal == "0" ? kSetAllCaption : kClearAllCaption;
}

void SetDecimal(CodeConvFields& fields, std::uint32_t value) {
    fields.decimal = std::to_string(value);
    fields.hex = HexDigits(value, 1);
    PaintBits(fields, value);
}

}  // namespace

std::uint32_t DecimalFieldValue(std::string_view text) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < text.size() && i < kMostDigits; ++i) {
        if (text[i] < '0' || text[i] > '9') break;
        value = value * 10 + static_cast<std::uint32_t>(text[i] - '0');
    }
    return value;
}

std::uint32_t HexFieldValue(std::string_view text) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < text.size() && i < 7; ++i) {
        const int digit = HexDigitValue(text[i]);
        if (digit < 0) break;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::string HexDigits(std::uint32_t value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value & 0xFu]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(text.size()) < digits)
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    return text;
}

std::uint16_t GrayDecode(std::uint16_t bits) {
    std::uint16_t value = bits;
    for (std::uint16_t shifted = bits >> 1; shifted != 0; shifted >>= 1)
        value ^= shifted;
    return value;
}

std::string BinaryDigits(std::uint16_t bits) {
    std::string text(16, '0');
    for (int i = 0; i < 16; ++i) {
        if (bits & (1u << i)) text[static_cast<std::size_t>(15 - i)] = '1';
    }
    return text;
}

void DecimalEntered(CodeConvFields& fields, bool enterKey) {
    const std::uint32_t value = ReadDecimal(fields);
    fields.hex = HexDigits(value, enterKey ? 4 : 1);
    PaintBits(fields, value);
    ShowBinary(fields);
}

void HexEntered(CodeConvFields& fields) {
    if (fields.hex.empty()) fields.hex = "0";
    const std::uint32_t value = HexFieldValue(fields.hex);
    fields.decimal = std::to_string(value);
    PaintBits(fields, value);
    ShowBinary(fields);
}

void BitClicked(CodeConvFields& fields, int bit) {
    if (bit < 0 || bit > 15) return;
    fields.bits = static_cast<std::uint16_t>(fields.bits ^ (1u << bit));
    BitsChanged(fields);
}

void BitsChanged(CodeConvFields& fields) {
    ReadBits(fields);
    ShowBinary(fields);
}

std::string SetClearButtonText(const std::string& setClear, bool chinese) {
    if (chinese) return setClear;
    return setClear == kClearAllCaption ? "Clear(R)" : "Set(S)";
}

void SetOrClear(CodeConvFields& fields) {
    SetDecimal(fields, fields.setClear == kClearAllCaption ? 0u : 65535u);
    ShowBinary(fields);
}

void ShiftLeft(CodeConvFields& fields) {
    SetDecimal(fields, ReadDecimal(fields) * 2);
    ReadBits(fields);
    ShowBinary(fields);
}

void ShiftRight(CodeConvFields& fields) {
    SetDecimal(fields, ReadDecimal(fields) >> 1);
    ReadBits(fields);
    ShowBinary(fields);
}

}  // namespace vx
