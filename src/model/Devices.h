// The controller's devices (soft elements) and their numbering.
//
// X and Y are numbered in octal and stored as "octal-digit numbers": the
// integer whose decimal digits are the octal digits as written, so X17 is
// stored as 17 and means input index 15. A device is identified by a
// DeviceCode, kind + number x 256, with the octal-digit number for X and Y.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

enum class DeviceKind : std::int32_t {
    X = 0,       // inputs
    Y = 1,       // outputs
    M = 2,       // relays
    S = 3,       // steps
    T = 4,       // timers (contacts)
    C = 5,       // counters (contacts)
    D = 6,       // data registers
    TValue = 7,  // timer current values
    CValue = 8,  // counter current values
};
inline constexpr int kDeviceKindCount = 9;

using DeviceCode = std::int32_t;
inline constexpr DeviceCode kNoDevice = -1;

constexpr DeviceCode MakeDeviceCode(DeviceKind kind, std::int32_t number) {
    return static_cast<std::int32_t>(kind) + number * 256;
}
constexpr DeviceKind DeviceCodeKind(DeviceCode code) {
    return static_cast<DeviceKind>(code & 0xFF);
}
constexpr std::int32_t DeviceCodeNumber(DeviceCode code) {
    return code >> 8;
}

// Numbers accepted at entry, per device letter.
struct DeviceRange {
    char letter;
    DeviceKind kind;
    std::int32_t highest;  // as written (377 for X and Y)
    bool octal;            // digits 8 and 9 are not allowed
    std::int32_t points;   // how many devices there are
};

inline constexpr DeviceRange kXRange{'X', DeviceKind::X, 377, true, 256};
inline constexpr DeviceRange kYRange{'Y', DeviceKind::Y, 377, true, 256};
inline constexpr DeviceRange kMRange{'M', DeviceKind::M, 9999, false, 10000};
inline constexpr DeviceRange kSRange{'S', DeviceKind::S, 199, false, 200};
inline constexpr DeviceRange kTRange{'T', DeviceKind::T, 399, false, 400};
inline constexpr DeviceRange kCRange{'C', DeviceKind::C, 199, false, 200};
inline constexpr DeviceRange kDRange{'D', DeviceKind::D, 9999, false, 10000};
// Relays as the operand of a pulse instruction.
inline constexpr std::int32_t kHighestPulseRelay = 1999;
// Data registers an instruction uses as a 32-bit pair (n and n + 1).
inline constexpr std::int32_t kHighestRegisterPair = 9998;

// The range of a device letter (X, Y, M, S, T, C, D), if it is one.
std::optional<DeviceRange> RangeOfLetter(char letter);
// The letter of a device kind; T and C current values use T and C.
char LetterOfKind(DeviceKind kind);

// The display text of a device: its letter and number in decimal without
// leading zeros (typed X017 is shown and stored as X17).
std::string DeviceText(char letter, std::int32_t number);

}  // namespace vx
