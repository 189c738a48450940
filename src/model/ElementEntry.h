// The element entry dialog's rules: what one OK stores.
//
// The dialog hands over the element text as typed, the element kind being
// entered (EntryKind), the cursor cell and whether the dialog is kept open.
// Contacts, coils, timer and counter coils are built here; application
// instructions, compare contacts and step contacts (symbols 6, 7 and 10) go
// to the instruction compiler. The result lists every cell to write (the
// entered element's own cell first, then lines and links) and where the
// cursor goes; the store itself is never changed here, so a refusal leaves
// every cell as it was.
//
// Element kinds: the symbol is EntryKind & 0x0F, so editing an existing cell
// (whose whole kind byte, links included, is handed over) enters the same
// element. The parallel contacts 11 and 12 exist only as bare tool values:
// they are stored as contacts 1 and 2, joined to the row above at both edges.
// An edge contact entered after "ORP "/"ORF " (orEdge) is joined the same way.
//
// Refusals are told at once through ShowMessage (caption kProductTitle,
// exclamation icon, OK button; the validators' own messages for numbers).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "model/InstructionCompiler.h"
#include "model/LadderCells.h"

namespace vx {

struct ElementEntryRequest {
    std::string_view text;       // the element field as typed
    std::int32_t entryKind = 0;  // EntryKind
    bool orEdge = false;         // OrEdgeFlag
    bool keepOpen = false;       // "保存这个对话框" ticked
    int column = 0;              // the cursor cell: grid column and absolute row
    int row = 0;
};

struct ElementEntryResult {
    std::vector<CellWrite> writes;  // the element's own cell first
    int cursorColumn = 0;           // the grid cursor afterwards
    int cursorRow = 0;
    bool closes = true;     // the dialog closes after this OK
    int elementColumn = 0;  // the cell whose device the comment belongs to (row: the cursor row)

    bool operator==(const ElementEntryResult&) const = default;
};

// Texts of the refusals.
inline constexpr const char* kEntryRefused = "设置错误 ！";
inline constexpr const char* kEntryCoilRefused = "元件设置错误 ！";
inline constexpr const char* kEntrySetValueMissing = "指令设置错误 ！";
inline constexpr const char* kEntrySetValueLetter = "指令设置错误, K/D ！";

// The symbol an entry kind enters.
constexpr std::uint8_t EntrySymbol(std::int32_t entryKind) {
    return static_cast<std::uint8_t>(entryKind & 0x0F);
}
// Whether the kind goes through the instruction compiler.
constexpr bool IsCompiledEntry(std::int32_t entryKind) {
    const std::uint8_t s = EntrySymbol(entryKind);
    return s == 6 || s == 7 || s == 10;
}

std::optional<ElementEntryResult> EnterElement(const ElementEntryRequest& request,
                                               const LadderCells& cells);

// Whether writing the cells would change the store.
bool WritesChange(const std::vector<CellWrite>& writes, const LadderCells& cells);

// Writes the cells into the store.
void ApplyCellWrites(const std::vector<CellWrite>& writes, LadderCells& cells);

}  // namespace vx
