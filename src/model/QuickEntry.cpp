#include "model/QuickEntry.h"

#include "model/CellKind.h"

namespace vx {
namespace {

using Kind = QuickEntryAction::Kind;

// Basic elements: placed by the element tool, which opens the entry dialog
// for the operand.
struct BasicWord {
    const char* text;
    std::uint8_t toolKind;
    bool orEdge;
};
constexpr BasicWord kBasicWords[] = {
    {"LD ", CellKind::kOpenContact, false},
    {"AND ", CellKind::kOpenContact, false},
    {"LDI ", CellKind::kClosedContact, false},
    {"ANI ", CellKind::kClosedContact, false},
    {"OR ", CellKind::kParallelOpenContact, false},
    {"ORI ", CellKind::kParallelClosedContact, false},
    {"OUT ", CellKind::kCoil, false},
    {"LDP ", CellKind::kRisingEdge, false},
    {"LDF ", CellKind::kFallingEdge, false},
    {"ORP ", CellKind::kRisingEdge, true},
    {"ORF ", CellKind::kFallingEdge, true},
};

// Application instructions: the entry dialog opens on the mnemonic and its blank.
constexpr const char* kInstructionWords[] = {
    "SET ",   "RST ",   "PLS ",   "PLF ",   "ALT ",   "MOV ",   "ZRST ",  "SFTR ", "SFTL ", "CML ",
    "ADD ",   "SUB ",   "MUL ",   "DIV ",   "WAND ",  "WOR ",   "WXOR ",  "INC ",  "DEC ",  "PID ",
    "DADD ",  "DSUB ",  "DMUL ",  "DDIV ",  "SPD ",   "DINC ",  "DDEC ",  "DMOV ", "PLSR ", "PLSF ",
    "PWM ",   "MC ",    "MCR ",   "CJ ",    "CALL ",  "P ",     "ABS ",   "DABS ", "SWAP ", "SUM ",
    "BCD ",   "BIN ",   "BON ",   "MODRD ", "MODRI ", "MODWR ", "MODWL ", "TXT ",  "REG ",  "SCAD ",
    "FILT ",  "STL ",   "REF ",   "XCH ",   "ROR ",   "ROL ",   "FMOV ",  "BMOV ", "LADJ ", "DFLT ",
    "DINT ",  "DEADD ", "DESUB ", "DEMUL ", "DEDIV ", "DECMP ", "NEG ",   "DNEG ", "WTOB ", "BTOW ",
    "DEMOV ", "MEAN ",  "WSUM ",  "WSFR ",  "WSFL ",  "SFWR ",  "SFRD ",  "POP ",  "HOUR ", "DUTY ",
    "RAMP ",  "DPLSV ", "DDRVI ", "DDRVA ", "DZRN ",  "MODRB ", "MODWB ", "RS1 ",  "RS2 ",  "RS3 ",
    "RS4 ",
};

// Compare contacts: "LD" or "AND" and a sign; the entry dialog gets the sign
// (with its "D" for the 32-bit forms) and the blank. There are none with "OR".
constexpr const char* kCompareSigns[] = {
    "> ", "< ", "= ", "<> ", ">= ", "<= ", "D> ", "D< ", "D= ", "D<> ", "D>= ", "D<= "};
constexpr const char* kComparePrefixes[] = {"LD", "AND"};

// Instructions without operands, stored at once on Enter.
constexpr const char* kStoredOnEnter[] = {"END", "FEND", "RET", "CLR"};

QuickEntryAction Place(std::int32_t toolKind, bool orEdge = false) {
    QuickEntryAction action;
    action.kind = Kind::PlaceTool;
    action.toolKind = toolKind;
    action.orEdge = orEdge;
    return action;
}

QuickEntryAction Entry(Kind kind, std::string_view text) {
    QuickEntryAction action;
    action.kind = kind;
    action.entryText = std::string(text);
    return action;
}

}  // namespace

QuickEntryAction QuickEntryOnChange(std::string_view text) {
    for (const BasicWord& word : kBasicWords) {
        if (text == word.text) return Place(word.toolKind, word.orEdge);
    }
    for (const char* word : kInstructionWords) {
        if (text == word) return Entry(Kind::OpenEntry, text);
    }
    for (const char* prefix : kComparePrefixes) {
        const std::string_view p(prefix);
        if (text.substr(0, p.size()) != p) continue;
        const std::string_view sign = text.substr(p.size());
        for (const char* s : kCompareSigns) {
            if (sign == s) return Entry(Kind::OpenEntry, sign);
        }
    }
    return {};
}

QuickEntryAction QuickEntryOnEnter(std::string_view text) {
    for (const char* word : kStoredOnEnter) {
        if (text == word) return Entry(Kind::StoreEntry, text);
    }
    if (text == "INV") return Place(CellKind::kInverter);
    if (text == "XL") return Place(CellKind::kLine);
    if (text == "YL") return Entry(Kind::LinkDown, {});
    if (text == "YLC") return Entry(Kind::LinkRemove, {});
    return {};
}

std::vector<std::string> QuickEntryChangeWords() {
    std::vector<std::string> words;
    for (const BasicWord& word : kBasicWords)
        words.emplace_back(word.text);
    for (const char* word : kInstructionWords)
        words.emplace_back(word);
    for (const char* prefix : kComparePrefixes) {
        for (const char* sign : kCompareSigns)
            words.push_back(std::string(prefix) + sign);
    }
    return words;
}

std::vector<std::string> QuickEntryEnterWords() {
    std::vector<std::string> words(std::begin(kStoredOnEnter), std::end(kStoredOnEnter));
    for (const char* word : {"INV", "XL", "YL", "YLC"})
        words.emplace_back(word);
    return words;
}

std::string QuickEntryHintText() {
    return "键入指令后按空格键:\n"
           "  LD AND LDI ANI OR ORI OUT\n"
           "  LDP LDF ORP ORF\n"
           "  应用指令 (MOV ADD ...)\n"
           "  比较触点 (LD> AND<= ...)\n"
           "键入后按回车键:\n"
           "  END FEND RET CLR\n"
           "  INV XL YL YLC\n"
           "Esc 取消";
}

}  // namespace vx
