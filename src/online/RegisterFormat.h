// The six ways the device memory monitor shows a D register, and the value
// texts its register-write dialog turns into the words it writes.
//
//   format  name       shown as                               words
//   U16     16bit-U    unsigned decimal                       1
//   S16     16bit-S    signed decimal                         1
//   H16     16bit-H    4 hexadecimal digits                   1
//   S32     32bit-S    signed decimal of the pair n, n + 1    2
//   H32     32bit-H    8 hexadecimal digits of the pair       2
//   F32     32bit-F    single precision, 6 decimals           2
//
// A pair keeps its low word in register n. A value text is taken in the
// format's own notation and range only: a text that is no number of that
// notation is malformed, a number outside the range is refused, never cut to
// the format's width (70000 is no 16-bit value).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "online/DeviceImage.h"

namespace vx {

enum class DFormat { U16 = 0, S16, H16, S32, H32, F32 };
inline constexpr int kDFormatCount = 6;

// "16bit-U" ... "32bit-F", the names the write dialog shows.
const char* FormatName(DFormat format);
std::optional<DFormat> FormatOfName(std::string_view name);
// The format combo's item: "D监控格式: 16-bit Unsigned" ... "D监控格式: 32-bit Float".
const char* FormatCaption(DFormat format);
// 1 for the 16-bit formats, 2 for the 32-bit ones.
int FormatWords(DFormat format);

// Register n in the format, from the D area of the image (D0-D20000); empty
// when the register, or for a pair n + 1, is outside the image.
std::string FormatRegister(DFormat format, const DeviceImage& image, int number);
// A single-precision value in fixed notation with 6 decimals, rounded to 7
// significant digits; values of more than 7 integer digits in scientific
// notation ("1.000000E+10"); "NAN", "INF", "-INF".
std::string FormatFloat(float value);

// Registers the dialog writes: D0-D20000 (D10000 and up are the system registers).
inline constexpr int kHighestWritableRegister = 20000;

enum class WriteRefusal {
    None,
    Malformed,           // the register or the value is no number of its notation
    OutOfRange,          // the value lies outside the format's range
    RegisterOutOfRange,  // the register (or the pair's second one) lies outside D0-D20000
};

struct RegisterWrite {
    int number = 0;
    int count = 1;                         // words
    std::array<std::uint16_t, 2> words{};  // low word first

    bool operator==(const RegisterWrite&) const = default;
};

struct ParsedWrite {
    WriteRefusal refusal = WriteRefusal::None;
    RegisterWrite write{};
};

// The register text (decimal) and the value text in the format's notation:
// decimal for U16, S16 and S32, hexadecimal digits for H16 and H32, a decimal
// floating-point number (with an optional exponent) for F32, read as the
// set-value dialog reads its E values (`ParseFloatText`) and stored as its
// single-precision pattern.
ParsedWrite ParseRegisterWrite(DFormat format, std::string_view registerText,
                               std::string_view valueText);

}  // namespace vx
