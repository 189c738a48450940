// The value texts of the set-value dialog "设置当前值": what a text means at
// the chosen width, whether it may be written, and the line the dialog logs.
//
// A text is a letter and a number: "K" decimal, "H" hexadecimal, "B" binary
// (the last digit is bit 0) or "E" a decimal floating-point number, written as
// its single-precision pattern. "16 bits" writes one word; "32 bits" and
// "32 Float" write two, the low word first.
//
// K values must lie in -32768..32767 (16 bits) or -2147483647..2147483647.
// H and B texts name a bit pattern: every pattern of the width is accepted
// (H8000-HFFFF and sixteen ones in 16 bits, as the dialog's hints say) and is
// written as it stands, which is the pattern of the matching negative K value;
// a larger H value is out of range, a B text longer than the width or with
// digits other than 0 and 1 is malformed. An E value is read as the
// register-write dialog reads a float (`ParseFloatText`: the nearest single,
// zero for a magnitude too small for it, refused beyond about 3.4E38); with
// "16 bits" its pattern must fit one word (so only zero does).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

enum class ValueWidth { k16Bits, k32Bits, k32Float };

// The device family of the dialog's combo `DTC`, in its order.
enum class ValueFamily { D = 0, T = 1, C = 2 };

// The highest device number of a family: D 9999, T 399, C 199.
int FamilyHighest(ValueFamily family);
// The word write code of a family: D 16, T current value 102, C current value 103.
int FamilyWriteCode(ValueFamily family);
// "D", "T" or "C".
const char* FamilyLetter(ValueFamily family);

// The number of bits and words of a width.
inline int WidthBits(ValueWidth width) {
    return width == ValueWidth::k16Bits ? 16 : 32;
}
inline int WidthWords(ValueWidth width) {
    return width == ValueWidth::k16Bits ? 1 : 2;
}

enum class ValueError {
    None,
    Input,  // "输入错误 ！": empty, an unknown letter or a malformed number
    Range,  // "数值超过范围 ！"
};

struct SetValueEntry {
    ValueError error = ValueError::None;
    std::string text;           // the text with its ASCII letters upper-cased
    bool parsed = false;        // the number was read: the bit labels show `pattern`
    std::uint32_t pattern = 0;  // the bits to write (the low 16 for one word)
    std::int64_t value = 0;     // the pattern read as a signed number of the width
    int words = 1;              // 1 or 2
    std::uint16_t low = 0;      // the words to write, the low word first
    std::uint16_t high = 0;
};

// Reads a value text at a width.
SetValueEntry ParseSetValue(std::string_view text, ValueWidth width);

// Why a value of the width cannot be written from the device number: a
// 32-bit value takes the device and the next one, so it cannot start at the
// family's last device (the controller would refuse the write and the user
// would be told of a failed link). Empty when it can.
std::string WidthRefusal(ValueFamily family, int number, ValueWidth width, bool chinese);

// The line the dialog adds to its log for a value sent: family + number +
// "  --> " + the text, and unless "32 Float" is chosen " [ K" + the value + " ]"
// ("D100  --> H10 [ K16 ]").
std::string SetValueLogLine(ValueFamily family, int number, const SetValueEntry& entry,
                            ValueWidth width);

// The text the bit labels make: "K" and the bits read as a signed number of
// the width (bit 15 set in 16 bits gives a negative value, as written back).
std::string BitLabelsText(std::uint32_t bits, ValueWidth width);

}  // namespace vx
