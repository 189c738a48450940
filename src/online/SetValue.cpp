#include "online/SetValue.h"

#include <bit>

#include "model/FloatText.h"

namespace vx {
namespace {

// A number read from its digits: well formed or not, and too large for any
// width (kept apart so that it is refused as out of range, not as malformed).
struct Digits {
    bool wellFormed = false;
    bool overflow = false;
    std::uint64_t magnitude = 0;
};

constexpr std::uint64_t kMagnitudeLimit = std::uint64_t{1} << 40;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

Digits ReadDigits(std::string_view text, int base) {
    Digits d;
    if (text.empty()) return d;
    for (char c : text) {
        const int digit = base == 16 ? HexDigit(c) : (IsDigit(c) ? c - '0' : -1);
        if (digit < 0 || digit >= base) return d;
        if (!d.overflow) {
            d.magnitude =
                d.magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
            if (d.magnitude >= kMagnitudeLimit) d.overflow = true;
        }
    }
    d.wellFormed = true;
    return d;
}

std::int64_t SignedOfWidth(std::uint32_t pattern, ValueWidth width) {
    if (width == ValueWidth::k16Bits) return static_cast<std::int16_t>(pattern & 0xFFFFu);
    return static_cast<std::int32_t>(pattern);
}

}  // namespace

int FamilyHighest(ValueFamily family) {
    switch (family) {
        case ValueFamily::D:
            return 9999;
        case ValueFamily::T:
            return 399;
        case ValueFamily::C:
            return 199;
    }
    return 0;
}

int FamilyWriteCode(ValueFamily family) {
    switch (family) {
        case ValueFamily::D:
            return 16;
        case ValueFamily::T:
            return 102;
        case ValueFamily::C:
            return 103;
    }
    return 0;
}

const char* FamilyLetter(ValueFamily family) {
    switch (family) {
        case ValueFamily::D:
            return "D";
        case ValueFamily::T:
            return "T";
        case ValueFamily::C:
            return "C";
    }
    return "";
}

SetValueEntry ParseSetValue(std::string_view text, ValueWidth width) {
    SetValueEntry e;
    e.text.assign(text);
    for (char& c : e.text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    e.words = WidthWords(width);
    if (e.text.empty()) {
        e.error = ValueError::Input;
        return e;
    }
    const int bits = WidthBits(width);
    const std::uint64_t mask = bits == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    const std::string_view rest = std::string_view(e.text).substr(1);
    std::uint64_t raw = 0;  // the bits read, before they are cut to the width
    bool fits = false;

    switch (e.text.front()) {
        case 'K': {
            std::string_view digits = rest;
            const bool negative = !digits.empty() && digits.front() == '-';
            if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
                digits.remove_prefix(1);
            const Digits d = ReadDigits(digits, 10);
            if (!d.wellFormed) {
                e.error = ValueError::Input;
                return e;
            }
            if (d.overflow) {
                e.error = ValueError::Range;
                return e;
            }
            const std::int64_t value = negative ? -static_cast<std::int64_t>(d.magnitude)
                                                : static_cast<std::int64_t>(d.magnitude);
            const std::int64_t lowest = bits == 16 ? -32768 : -2147483647;
            const std::int64_t highest = bits == 16 ? 32767 : 2147483647;
            fits = value >= lowest && value <= highest;
            raw = static_cast<std::uint64_t>(value);
            break;
        }
        case 'H': {
            const Digits d = ReadDigits(rest, 16);
            if (!d.wellFormed) {
                e.error = ValueError::Input;
                return e;
            }
            if (d.overflow) {
                e.error = ValueError::Range;
                return e;
            }
            fits = d.magnitude <= mask;
            raw = d.magnitude;
            break;
        }
        case 'B': {
            if (rest.size() > static_cast<std::size_t>(bits)) {
                e.error = ValueError::Input;
                return e;
            }
            const Digits d = ReadDigits(rest, 2);
            if (!d.wellFormed) {
                e.error = ValueError::Input;
                return e;
            }
            fits = true;
            raw = d.magnitude;
            break;
        }
        case 'E': {
            const FloatText f = ParseFloatText(rest);
            if (f.status != FloatTextStatus::Ok) {
                e.error =
                    f.status == FloatTextStatus::Malformed ? ValueError::Input : ValueError::Range;
                return e;
            }
            raw = std::bit_cast<std::uint32_t>(f.value);
            fits = raw <= mask;  // in one word only the pattern of zero fits
            break;
        }
        default:
            e.error = ValueError::Input;
            return e;
    }

    e.parsed = true;
    e.pattern = static_cast<std::uint32_t>(raw & mask);
    e.value = SignedOfWidth(e.pattern, width);
    e.low = static_cast<std::uint16_t>(e.pattern & 0xFFFFu);
    e.high = static_cast<std::uint16_t>(e.pattern >> 16);
    if (!fits) e.error = ValueError::Range;
    return e;
}

std::string WidthRefusal(ValueFamily family, int number, ValueWidth width, bool chinese) {
    const int highest = FamilyHighest(family);
    if (number < 0 || number > highest)
        return chinese ? "元件编号超过范围 ！" : "Device out of range!";
    if (number + WidthWords(width) - 1 <= highest) return {};
    const std::string last = FamilyLetter(family) + std::to_string(highest - 1);
    return chinese ? "32 位数值占用两个元件, 起始编号最大为 " + last + " ！"
                   : "A 32-bit value takes two devices: it starts at " + last + " at most!";
}

std::string SetValueLogLine(ValueFamily family, int number, const SetValueEntry& entry,
                            ValueWidth width) {
    std::string line = FamilyLetter(family) + std::to_string(number) + "  --> " + entry.text;
    if (width != ValueWidth::k32Float) line += " [ K" + std::to_string(entry.value) + " ]";
    return line;
}

std::string BitLabelsText(std::uint32_t bits, ValueWidth width) {
    return "K" + std::to_string(SignedOfWidth(bits, width));
}

}  // namespace vx
