// The words of the quick entry box.
//
// A letter typed in the ladder grid opens a small box over the cursor cell.
// As soon as the text typed there is one of the known words, the box acts:
// the basic elements ("LD ", "OUT ", "ORP " ...) are placed through the
// element tool, application instructions and compare contacts open the
// element entry dialog with the mnemonic filled in, and Enter places the
// instructions without operands ("END" ...) and the line tools. Every word is
// compared whole, its trailing blank included; any other text leaves the box
// open for more typing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The longest text the box takes.
inline constexpr int kQuickEntryLength = 10;

struct QuickEntryAction {
    enum class Kind {
        None,        // keep typing
        PlaceTool,   // the element tool toolKind at the cursor
        OpenEntry,   // the entry dialog, modally, with entryText and EntryKind 6
        StoreEntry,  // the entry dialog's OK pressed at once on entryText (EntryKind 6)
        LinkDown,    // "YL": the vertical link command
        LinkRemove,  // "YLC": the vertical link removal
    };
    Kind kind = Kind::None;
    std::int32_t toolKind = 0;
    bool orEdge = false;    // "ORP "/"ORF ": the edge contact is a parallel branch
    std::string entryText;  // the entry dialog's element text

    bool operator==(const QuickEntryAction&) const = default;
};

// What a change of the box's text asks for. The text is compared as it
// stands; the box upper-cases it first.
QuickEntryAction QuickEntryOnChange(std::string_view text);

// What Enter asks for.
QuickEntryAction QuickEntryOnEnter(std::string_view text);

// Every word that acts on a change, in table order (basic elements,
// application instructions, compare contacts), and every Enter word.
std::vector<std::string> QuickEntryChangeWords();
std::vector<std::string> QuickEntryEnterWords();

// The text of the hint beside the box.
std::string QuickEntryHintText();

}  // namespace vx
