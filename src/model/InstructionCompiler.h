// Turning one typed instruction into ladder cells.
//
// The entry dialog hands over what the user typed for an application
// instruction, a compare contact or a step contact, and where the cursor
// stands. The compiler splits the text (ApartInjunction), checks the mnemonic
// and every operand, builds the display text (first text) and the C fragment
// (second text), and says which cells to write and where the cursor goes. It
// never changes the store: the dialog applies the writes after a success, so
// a refusal leaves every cell as it was.
//
// A refusal is told to the user at once through ShowMessage (caption
// kProductTitle, OK button, Chinese only; the exclamation icon, the information
// icon for a number that cannot be read) and the result is empty; the dialog
// then stays open with the text unchanged. Exactly one message is shown per
// refusal, whether it comes from an operand validator or from the compiler.
//
// Where the cells go:
// - a function box (every instruction but compare contacts and STL) is written
//   into column 12 of the cursor row, and the columns from the cursor column to
//   11 become horizontal lines with empty texts; outputWrapped is set, so the
//   dialog's close counts the entry as made in column 12 and moves the cursor
//   to column 1 of the next row;
// - a compare contact is written into the cursor cell (columns 1 to 11 only)
//   and the cursor moves one column right;
// - a step contact (STL) is written into column 1 (the cursor must stand
//   there) and the cursor moves to column 2.
// Every write keeps the link bits of the cell it replaces.
//
// No text longer than a cell text of the project file (26 GBK bytes) is ever
// produced: such an entry is refused with a message instead of being cut when
// the project is saved.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/LadderCells.h"

namespace vx {

// One cell to be written: the whole kind byte (link bits included) and both texts.
struct CellWrite {
    int column = 0;
    int row = 0;
    std::uint8_t kind = 0;
    std::string first;
    std::string second;

    bool operator==(const CellWrite&) const = default;
};

struct InstructionEntry {
    std::vector<CellWrite> writes;  // the instruction's own cell first, then any lines
    int cursorColumn = 0;           // the grid cursor column afterwards; the row stays
    bool outputWrapped = false;     // a function box was stored in column 12

    bool operator==(const InstructionEntry&) const = default;
};

// Compiles the typed text for the cursor cell (column 0-13, absolute row) of
// the store. A cursor outside the store gives an empty result without a
// message (the dialog never asks for one).
std::optional<InstructionEntry> CompileFunctionInstruction(std::string_view text, int cursorColumn,
                                                           int cursorRow, const LadderCells& cells);

// Writes the entry's cells into the store.
void ApplyCellWrites(const InstructionEntry& entry, LadderCells& cells);

}  // namespace vx
