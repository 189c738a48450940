// The decimal floating-point text of a single-precision number for the
// controller, wherever the tool takes one: the E constant of an instruction,
// the set-value dialog after its "E", the register-write dialog in the 32-bit
// float format. One text means one value in all of them.
#pragma once

#include <string_view>

namespace vx {

enum class FloatTextStatus {
    Ok,
    Malformed,   // not a decimal number of this form
    OutOfRange,  // beyond the largest single-precision magnitude, about 3.4E38
};

struct FloatText {
    FloatTextStatus status = FloatTextStatus::Malformed;
    float value = 0.0f;
};

// An optional sign, digits with an optional point (at least one digit), and
// an optional exponent: "E" or "e", an optional sign and digits. No blanks,
// infinities, NaN or hexadecimal forms, whatever the locale. The value is the
// nearest single-precision number, rounded once from the text as written
// (a tie to the even one), as for any decimal: a magnitude too small for
// single precision, however it is written ("1E-400", a point and 400 zeros
// before a 1), is a zero of its sign; only a magnitude that rounds past the
// largest single is out of range ("3.4028235E38" is the largest).
FloatText ParseFloatText(std::string_view text);

}  // namespace vx
