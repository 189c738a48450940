// The catalogue of application instructions the entry dialog offers from its
// "..." button: twelve categories of mnemonics with a one-line description
// each, in Chinese and in English, and for each mnemonic the operand panels with the device letters
// an operand takes and the range shown beside each letter.
//
// The catalogue checks nothing. It offers choices and builds the instruction
// text, which the entry dialog then validates and compiles.
#pragma once

#include <array>
#include <concepts>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

struct CatalogueEntry {
    const char* mnemonic;
    const char* description;  // Chinese
    const char* english;
    // The description in the interface language.
    const char* Description(bool chinese) const { return chinese ? description : english; }
};

struct CatalogueCategory {
    const char* name;
    std::span<const CatalogueEntry> entries;
};

// The twelve categories in list order.
std::span<const CatalogueCategory> CatalogueCategories();

// The entries of the category list: "所有应用指令" first, then the twelve names.
std::vector<std::string> CatalogueCategoryNames();

// The mnemonics of a category list entry: entry 0 all twelve categories one
// after another, entry k category k - 1; nothing for another entry.
std::vector<CatalogueEntry> CatalogueListing(int categoryEntry);

// One device letter an operand offers, with the range shown beside it.
struct OperandChoice {
    const char* letter;
    const char* range;
};

inline constexpr int kMaxOperandChoices = 11;
inline constexpr int kOperandPanels = 4;

struct OperandChoices {
    OperandChoice choices[kMaxOperandChoices]{};
    int count = 0;

    constexpr OperandChoices() = default;
    template <std::same_as<OperandChoice>... C>
    constexpr OperandChoices(C... c) : choices{c...}, count(static_cast<int>(sizeof...(C))) {
        static_assert(sizeof...(C) <= kMaxOperandChoices);
    }
    std::span<const OperandChoice> List() const {
        return {choices, static_cast<std::size_t>(count)};
    }
};

// The operand panels of a group of mnemonics.
struct OperandLayout {
    const char* mnemonics;  // blank-separated
    int panels = 0;
    std::array<OperandChoices, kOperandPanels> operands{};
};

// The layout of a mnemonic, compared whole and exactly (the caller
// upper-cases); nullptr for a mnemonic that shows no operand panel.
const OperandLayout* FindOperandLayout(std::string_view mnemonic);

// The letter to choose on opening for an operand text: the first letter, in
// list order, that occurs anywhere in the text; 0 (the first) when none does.
int ChoiceForOperand(const OperandChoices& choices, std::string_view operand);

// An index register written after one of the first two operands ("D5V"):
// taken off the text when the text is longer than one character, V first,
// then Z. Returns the index letter chosen ("" for none).
std::string TakeIndexRegister(std::string& operand);

// Whether the first two operands offer an index register: the letter D with
// the mnemonic typed exactly "MOV" or "mov".
bool OffersIndexRegister(std::string_view mnemonicAsTyped, std::string_view letter);

// One operand as the catalogue's OK sees it.
struct CatalogueOperand {
    bool shown = false;  // its panel is visible
    std::string text;    // the operand field
    std::string index;   // "V" or "Z" when an index register is chosen for it
};

// The instruction text of the catalogue's OK: the mnemonic as typed, then one
// blank and each shown, non-empty operand with its index register. A mnemonic
// without operand panels keeps the operands handed in with it
// (keepHandedOperands), so the catalogue never drops what it does not know.
std::string BuildCatalogueText(std::string_view mnemonicAsTyped,
                               const std::array<CatalogueOperand, kOperandPanels>& operands,
                               bool keepHandedOperands);

}  // namespace vx
