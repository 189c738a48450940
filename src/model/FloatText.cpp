#include "model/FloatText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vx {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal exponent of the text's first significant digit (1234.5 gives
// 3, 0.001 gives -3), or nothing for a zero. Exponents beyond any number's
// are held at a bound, so a long exponent cannot overflow.
struct Magnitude {
    bool zero = true;
    long exponent = 0;
};

constexpr long kExponentBound = 1000000;

// Reads the form; false when the text is not of it.
bool ReadForm(std::string_view text, Magnitude& magnitude) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    long integerDigits = 0;
    long digits = 0;
    long firstSignificant = -1;  // among all mantissa digits
    auto mantissaDigit = [&](char c) {
        if (c != '0' && firstSignificant < 0) firstSignificant = digits;
        ++digits;
    };
    while (i < text.size() && IsDigit(text[i])) {
        mantissaDigit(text[i++]);
        ++integerDigits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            mantissaDigit(text[i++]);
    }
    if (digits == 0) return false;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            if (exponent < kExponentBound) exponent = exponent * 10 + (text[i] - '0');
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) return false;
        if (negative) exponent = -exponent;
    }
    if (i != text.size()) return false;
    magnitude.zero = firstSignificant < 0;
    if (!magnitude.zero) magnitude.exponent = integerDigits - 1 - firstSignificant + exponent;
    return true;
}

}  // namespace

FloatText ParseFloatText(std::string_view text) {
    Magnitude magnitude;
    if (!ReadForm(text, magnitude)) return {FloatTextStatus::Malformed, 0.0f};
    const bool negative = text.front() == '-';
    std::string_view number = text;
    if (number.front() == '+') number.remove_prefix(1);  // from_chars takes no "+"
    // Read straight to single precision: by way of a double the text would be
    // rounded twice, and one just past the midpoint of two singles would come
    // out on the wrong side of it. from_chars is also blind to the locale.
    float value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Rounded to zero, or beyond the largest single.
        if (magnitude.exponent < 0) return {FloatTextStatus::Ok, negative ? -0.0f : 0.0f};
        return {FloatTextStatus::OutOfRange, 0.0f};
    }
    if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return {FloatTextStatus::Malformed, 0.0f};
    return {FloatTextStatus::Ok, value};
}

}  // namespace vx
