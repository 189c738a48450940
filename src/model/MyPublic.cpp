#include "model/MyPublic.h"

#include "platform/Text.h"

namespace vx {

std::int32_t HexFieldToInt(std::string_view text, int position, int count) {
    // Substring semantics of the original: a start before 1 counts from 1, a
    // start past the end or a count below 1 gives an empty field.
    if (position < 1) position = 1;
    if (count < 1 || static_cast<std::size_t>(position) > text.size()) return 0;
    std::string_view field =
        text.substr(static_cast<std::size_t>(position - 1), static_cast<std::size_t>(count));
    std::uint64_t value = 0;
    for (char c : field) {
        int d = (c >= '0' && c <= '9')   ? c - '0'
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                         : -1;
        if (d < 0) return 0;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFull) return 0;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> DecimalToInt(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 0x80000000LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string PadRight(std::string_view text, int width) {
    std::string out(text);
    const std::size_t length = GbkByteLength(text);
    if (width > 0 && length < static_cast<std::size_t>(width)) {
        out.append(static_cast<std::size_t>(width) - length, ' ');
    }
    return out;
}

std::int64_t IntToOctalDigits(std::int64_t value) {
    std::int64_t digits = 0;
    std::int64_t place = 1;
    while (value > 0) {
        digits += (value & 7) * place;
        place *= 10;
        value >>= 3;
    }
    return digits;
}

std::int32_t OctalDigitsToInt(std::int32_t octalDigits) {
    const std::uint32_t v = static_cast<std::uint32_t>(octalDigits) & 0xFFFFu;
    const std::uint32_t d4 = v / 10000, d3 = (v % 10000) / 1000, d2 = (v % 1000) / 100,
                        d1 = (v % 100) / 10, d0 = v % 10;
    return static_cast<std::int32_t>(d4 * 4096 + d3 * 512 + d2 * 64 + d1 * 8 + d0);
}

}  // namespace vx
