// The kind byte of a ladder cell.
//
// The low four bits choose the symbol; bit 4 draws a vertical link on the
// cell's left edge from its middle down to the row below, bit 5 one from the
// top edge down to the middle. A vertical connection between row r - 1 and row
// r at the left edge of column c is the pair: bit 4 on (c, r - 1) and bit 5 on
// (c, r). Code that asks for the symbol masks with 0x0F; code that stores a
// symbol keeps the high bits.
#pragma once

#include <cstdint>

namespace vx {

namespace CellKind {
inline constexpr std::uint8_t kEmpty = 0;
inline constexpr std::uint8_t kOpenContact = 1;
inline constexpr std::uint8_t kClosedContact = 2;
inline constexpr std::uint8_t kLine = 3;  // horizontal line
inline constexpr std::uint8_t kCoil = 4;
inline constexpr std::uint8_t kInverter = 5;     // "INV"
inline constexpr std::uint8_t kFunctionBox = 6;  // application instruction
inline constexpr std::uint8_t kCompareContact = 7;
inline constexpr std::uint8_t kRisingEdge = 8;
inline constexpr std::uint8_t kFallingEdge = 9;
inline constexpr std::uint8_t kStepContact = 10;  // "STL", column 1 only

// Element kinds of the entry tools only: parallel contacts. They are stored as
// kOpenContact and kClosedContact with link bits.
inline constexpr std::uint8_t kParallelOpenContact = 11;
inline constexpr std::uint8_t kParallelClosedContact = 12;

inline constexpr std::uint8_t kLinkDown = 0x10;  // left edge, middle to bottom
inline constexpr std::uint8_t kLinkUp = 0x20;    // left edge, top to middle
inline constexpr std::uint8_t kSymbolMask = 0x0F;
inline constexpr std::uint8_t kRailMarker = 0xCD;  // a painted column-13 cell
}  // namespace CellKind

constexpr std::uint8_t Symbol(std::uint8_t kind) {
    return kind & CellKind::kSymbolMask;
}

// The kind with its symbol replaced and its high bits (the links) kept.
constexpr std::uint8_t WithSymbol(std::uint8_t kind, std::uint8_t symbol) {
    return static_cast<std::uint8_t>((kind & 0xF0) | (symbol & CellKind::kSymbolMask));
}

constexpr bool HasLinkDown(std::uint8_t kind) {
    return (kind & CellKind::kLinkDown) != 0;
}
constexpr bool HasLinkUp(std::uint8_t kind) {
    return (kind & CellKind::kLinkUp) != 0;
}

// Symbols that may stand in a condition column (1 to 11).
constexpr bool IsConditionSymbol(std::uint8_t symbol) {
    return symbol == CellKind::kOpenContact || symbol == CellKind::kClosedContact ||
           symbol == CellKind::kLine || symbol == CellKind::kInverter ||
           symbol == CellKind::kCompareContact || symbol == CellKind::kRisingEdge ||
           symbol == CellKind::kFallingEdge || symbol == CellKind::kStepContact;
}

// Symbols that may stand in the output column (12).
constexpr bool IsOutputSymbol(std::uint8_t symbol) {
    return symbol == CellKind::kCoil || symbol == CellKind::kFunctionBox;
}

}  // namespace vx
