// Operand validators.
//
// Every operand typed into the entry dialog passes the validator of its device
// letter before any cell is written. A validator takes the operand as typed
// (letter first: X17, K100, H1F), tells the user at once what is wrong, and
// returns the number, or nothing after a refusal; the caller then abandons the
// entry without a further message. Success is told apart from the value, so a
// constant such as K-1 is a number like any other.
//
// Messages: caption kProductTitle, OK button; a number that cannot be read
// gets the information icon, a number out of range the exclamation icon.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vx {

using CheckedNumber = std::optional<std::int32_t>;

// X and Y: 0 to 377 written with octal digits; the result is the octal-digit
// number as written (X17 gives 17).
CheckedNumber CheckXNumber(std::string_view operand);
CheckedNumber CheckYNumber(std::string_view operand);
// M as the operand of a pulse instruction: 0 to 1999.
CheckedNumber CheckPulseMNumber(std::string_view operand);
CheckedNumber CheckMNumber(std::string_view operand);    // 0 to 9999
CheckedNumber CheckSNumber(std::string_view operand);    // 0 to 199
CheckedNumber CheckTNumber(std::string_view operand);    // 0 to 399
CheckedNumber CheckCNumber(std::string_view operand);    // 0 to 199
CheckedNumber CheckDNumber(std::string_view operand);    // 0 to 9999
CheckedNumber CheckD32Number(std::string_view operand);  // 0 to 9998, a register pair

// Decimal constants: a value from `lowest` to `limit`, both given by the
// operand (a count or a position starts at 0, a 16-bit value at -32768).
CheckedNumber CheckKValue(std::string_view operand, std::int32_t limit, std::int32_t lowest);
// Hexadecimal constants (never negative): a value not above the limit.
CheckedNumber CheckHValue(std::string_view operand, std::int32_t limit);

// The lowest value of a K operand that holds a 16-bit word, signed or not.
inline constexpr std::int32_t kLowestWord = -32768;

}  // namespace vx
