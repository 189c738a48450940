#include "online/RegisterFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "model/FloatText.h"

namespace vx {
namespace {

struct FormatInfo {
    const char* name;
    const char* caption;
};

constexpr FormatInfo kFormats[kDFormatCount] = {
    {"16bit-U", "D监控格式: 16-bit Unsigned"}, {"16bit-S", "D监控格式: 16-bit Signed"},
    {"16bit-H", "D监控格式: 16-bit HEX"},      {"32bit-S", "D监控格式: 32-bit Signed"},
    {"32bit-H", "D监控格式: 32-bit HEX"},      {"32bit-F", "D监控格式: 32-bit Float"},
};

enum class Parse { Ok, Malformed, Overflow };

// Numbers beyond this are out of every range; reading stops growing there.
constexpr std::int64_t kCap = std::int64_t{1} << 40;

// An optional minus sign and decimal digits.
Parse ParseDecimal(std::string_view text, std::int64_t& value) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty()) return Parse::Malformed;
    std::int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return Parse::Malformed;
        if (v < kCap) v = v * 10 + (c - '0');
    }
    value = negative ? -v : v;
    return v >= kCap ? Parse::Overflow : Parse::Ok;
}

// Hexadecimal digits, either case.
Parse ParseHex(std::string_view text, std::int64_t& value) {
    if (text.empty()) return Parse::Malformed;
    std::int64_t v = 0;
    for (char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return Parse::Malformed;
        }
        if (v < kCap) v = v * 16 + digit;
    }
    value = v;
    return v >= kCap ? Parse::Overflow : Parse::Ok;
}

RegisterWrite Words(int number, int count, std::uint32_t pattern) {
    RegisterWrite w;
    w.number = number;
    w.count = count;
    w.words = {static_cast<std::uint16_t>(pattern & 0xFFFF),
               count == 2 ? static_cast<std::uint16_t>(pattern >> 16) : std::uint16_t{0}};
    return w;
}

}  // namespace

const char* FormatName(DFormat format) {
    return kFormats[static_cast<int>(format)].name;
}

std::optional<DFormat> FormatOfName(std::string_view name) {
    for (int i = 0; i < kDFormatCount; ++i) {
        if (name == kFormats[i].name) return static_cast<DFormat>(i);
    }
    return std::nullopt;
}

const char* FormatCaption(DFormat format) {
    return kFormats[static_cast<int>(format)].caption;
}

int FormatWords(DFormat format) {
    return format == DFormat::U16 || format == DFormat::S16 || format == DFormat::H16 ? 1 : 2;
}

std::string FormatFloat(float value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const double v = value == 0.0f ? 0.0 : static_cast<double>(value);
    // Seven significant digits decide the exponent (rounding may carry into it).
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.6e", v);
    const char* e = std::strchr(scientific, 'e');
    const int exponent = e != nullptr ? std::atoi(e + 1) : 0;
    char text[64];
    if (exponent >= 7) {
        // d.ddddddE+XX
        std::string mantissa(scientific, static_cast<std::size_t>(e - scientific));
        std::snprintf(text, sizeof text, "%sE%c%02d", mantissa.c_str(), exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        return text;
    }
    // Only the decimals within the seven significant digits count; the rest are zeros.
    const int decimals = exponent >= 0 ? 6 - exponent : 6;
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    std::string shown = text;
    if (decimals == 0) shown += '.';
    shown.append(static_cast<std::size_t>(6 - decimals), '0');
    if (shown.rfind("-0.", 0) == 0 && shown.find_first_not_of("-0.") == std::string::npos)
        shown.erase(0, 1);  // no negative zero
    return shown;
}

std::string FormatRegister(DFormat format, const DeviceImage& image, int number) {
    char text[32];
    if (FormatWords(format) == 1) {
        const std::optional<std::uint16_t> w = image.Word(DeviceKind::D, number);
        if (!w) return {};
        switch (format) {
            case DFormat::U16:
                return std::to_string(*w);
            case DFormat::S16:
                return std::to_string(static_cast<std::int16_t>(*w));
            default:
                std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(*w));
                return text;
        }
    }
    const std::optional<std::uint32_t> pair = image.RegisterPair(number);
    if (!pair) return {};
    switch (format) {
        case DFormat::S32:
            return std::to_string(static_cast<std::int32_t>(*pair));
        case DFormat::H32:
            std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(*pair));
            return text;
        default: {
            float f = 0;
            const std::uint32_t bits = *pair;
            std::memcpy(&f, &bits, sizeof f);
            return FormatFloat(f);
        }
    }
}

ParsedWrite ParseRegisterWrite(DFormat format, std::string_view registerText,
                               std::string_view valueText) {
    ParsedWrite result;
    const int count = FormatWords(format);

    std::int64_t number = 0;
    const Parse reg = ParseDecimal(registerText, number);
    if (reg == Parse::Malformed) {
        result.refusal = WriteRefusal::Malformed;
        return result;
    }
    if (reg == Parse::Overflow || number < 0 || number + count - 1 > kHighestWritableRegister) {
        result.refusal = WriteRefusal::RegisterOutOfRange;
        return result;
    }
    const int n = static_cast<int>(number);

    if (format == DFormat::F32) {
        const FloatText f = ParseFloatText(valueText);
        if (f.status != FloatTextStatus::Ok) {
            result.refusal = f.status == FloatTextStatus::Malformed ? WriteRefusal::Malformed
                                                                    : WriteRefusal::OutOfRange;
            return result;
        }
        std::uint32_t bits = 0;
        std::memcpy(&bits, &f.value, sizeof bits);
        result.write = Words(n, count, bits);
        return result;
    }

    std::int64_t value = 0;
    const bool hex = format == DFormat::H16 || format == DFormat::H32;
    const Parse p = hex ? ParseHex(valueText, value) : ParseDecimal(valueText, value);
    if (p == Parse::Malformed) {
        result.refusal = WriteRefusal::Malformed;
        return result;
    }
    std::int64_t low = 0;
    std::int64_t high = 0;
    switch (format) {
        case DFormat::U16:
        case DFormat::H16:
            high = 0xFFFF;
            break;
        case DFormat::S16:
            low = std::numeric_limits<std::int16_t>::min();
            high = std::numeric_limits<std::int16_t>::max();
            break;
        case DFormat::S32:
            low = std::numeric_limits<std::int32_t>::min();
            high = std::numeric_limits<std::int32_t>::max();
            break;
        default:
            high = 0xFFFFFFFF;
            break;
    }
    if (p == Parse::Overflow || value < low || value > high) {
        result.refusal = WriteRefusal::OutOfRange;
        return result;
    }
    result.write = Words(n, count, static_cast<std::uint32_t>(value));
    return result;
}

}  // namespace vx
