// The number converter's arithmetic: one 16-bit value shown as a decimal
// number, a hexadecimal number, sixteen bit cells and a string of sixteen
// base-2 digits.
//
// The value lives in the converter's fields; each command takes the fields as
// they stand and gives them back changed. Typed numbers light the bit cells
// as plain binary; clicking the cells reads them back either as plain binary
// ("自然码") or as Gray code ("格雷码"). A decimal number above 65535 (up to
// five digits can be typed) keeps all its hexadecimal digits but lights only
// its low 16 bits.
//
// An empty field reads as 0 and shows "0": no command fails on a field the
// user has cleared or not finished.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

inline constexpr const char* kSetAllCaption = "置位(S)";
inline constexpr const char* kClearAllCaption = "清零(R)";

// What the set/clear button shows for its state (kSetAllCaption or
// kClearAllCaption) in the interface language.
std::string SetClearButtonText(const std::string& setClear, bool chinese);

struct CodeConvFields {
    std::string decimal = "0";                // Edit1, at most 5 digits
    std::string hex = "0";                    // Edit2, at most 4 digits, no prefix
    std::uint16_t bits = 0;                   // the bit cells: bit i set = cell X00_i red
    bool gray = false;                        // BinCode reads "格雷码"
    std::string binary = "0000000000000000";  // Edit3, bit 15 first
    std::string setClear = kSetAllCaption;    // BitBtn1
};

// The leading decimal or hexadecimal digits of a field's text; 0 for none.
std::uint32_t DecimalFieldValue(std::string_view text);
std::uint32_t HexFieldValue(std::string_view text);
// Upper-case hexadecimal with at least `digits` digits.
std::string HexDigits(std::uint32_t value, int digits);
// The plain value of Gray-coded bits.
std::uint16_t GrayDecode(std::uint16_t bits);
// The sixteen bits as "0"/"1", bit 15 first.
std::string BinaryDigits(std::uint16_t bits);

// Enter in the decimal field (the hexadecimal field gets 4 digits or more),
// or leaving it (1 digit or more).
void DecimalEntered(CodeConvFields& fields, bool enterKey);
// Enter in the hexadecimal field, or leaving it.
void HexEntered(CodeConvFields& fields);
// A click on bit cell 0-15: the cell changes, then the cells are read back.
void BitClicked(CodeConvFields& fields, int bit);
// The cells read back after they changed (a cell that toggles itself).
void BitsChanged(CodeConvFields& fields);
// BitBtn1: "清零(R)" clears the value, "置位(S)" sets 65535.
void SetOrClear(CodeConvFields& fields);
// BitBtn2 and BitBtn4: the value shifted one bit; the bit shifted out at the
// top is lost, since the numbers are read back from the cells.
void ShiftLeft(CodeConvFields& fields);
void ShiftRight(CodeConvFields& fields);

}  // namespace vx
