// Number and text helpers shared by the whole tool.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// The `count` characters from the 1-based `position` read as a hexadecimal
// number; 0 when they are not one (or are empty). Fields of the parameter
// strings are read this way.
std::int32_t HexFieldToInt(std::string_view text, int position, int count);

// A decimal number with an optional sign that fits 32 bits; nothing for any
// other text (empty, other characters, too large).
std::optional<std::int32_t> DecimalToInt(std::string_view text);

// The text followed by blanks up to `width` characters (GBK bytes, as the
// fixed-width displays count them); a longer text is returned unchanged.
std::string PadRight(std::string_view text, int width);

// An X/Y index as its octal-digit number: 15 -> 17, 255 -> 377; 0 for 0 and for
// negative arguments.
std::int64_t IntToOctalDigits(std::int64_t value);

// An octal-digit X/Y number as its index: 17 -> 15, 377 -> 255. Only the low
// 16 bits of the argument count, and digits are not checked: a digit 8 or 9
// counts with its value (the validators refuse such numbers before they are
// stored).
std::int32_t OctalDigitsToInt(std::int32_t octalDigits);

}  // namespace vx
