// The words of the quick entry box: what each typed text asks for.
#include "model/QuickEntry.h"

#include <gtest/gtest.h>

#include <set>

#include "model/CellKind.h"

namespace vx {
namespace {

using Kind = QuickEntryAction::Kind;

TEST(QuickEntry, BasicElementsPlaceTheirTool) {
    struct Case {
        const char* text;
        std::int32_t toolKind;
        bool orEdge;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QuickEntryAction action = QuickEntryOnChange(c.text);
        EXPECT_EQ(action.kind, Kind::PlaceTool);
        EXPECT_EQ(action.toolKind, c.toolKind);
        EXPECT_EQ(action.orEdge, c.orEdge);
    }
}

TEST(QuickEntry, CompareWordsHandOverTheSignWithoutLdOrAnd) {
    struct Case {
        const char* text;
        const char* handed;
    };
    for (Case c :
         {Case{"LD> ", "> "}, Case{"LD<> ", "<> "}, Case{"LDD>= ", "D>= "}, Case{"AND< ", "< "},
          Case{"ANDD<> ", "D<> "}, Case{"ANDD<= ", "D<= "}, Case{"LD= ", "= "}}) {
        const QuickEntryAction action = QuickEntryOnChange(c.text);
        EXPECT_EQ(action.kind, Kind::OpenEntry) << c.text;
        EXPECT_EQ(action.entryText, c.handed) << c.text;
    }
    // There are no compare words with OR, and the sign needs its blank.
    for (const char* text : {"OR> ", "ORD= ", "LD>", "LD=> ", "LDD ", "AND> X"}) {
        EXPECT_EQ(QuickEntryOnChange(text).kind, Kind::None) << text;
    }
}

TEST(QuickEntry, ApplicationInstructionsOpenTheDialogWithTheWordAsTyped) {
    const std::vector<std::string> words = QuickEntryChangeWords();
    EXPECT_EQ(words.size(), 11u + 91u + 24u);
    EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), words.size())
        << "every word stands once";
    int instructions = 0;
    for (const std::string& word : words) {
        ASSERT_EQ(word.back(), ' ') << word;
        const QuickEntryAction action = QuickEntryOnChange(word);
        EXPECT_NE(action.kind, Kind::None) << word;
        if (action.kind == Kind::OpenEntry && word.substr(0, 2) != "LD" &&
            word.substr(0, 3) != "AND") {
            EXPECT_EQ(action.entryText, word);
            ++instructions;
        }
    }
    EXPECT_EQ(instructions, 91);
    for (const char* text : {"MOV ", "P ", "STL ", "DEMOV ", "RS4 ", "MODWB "})
        EXPECT_EQ(QuickEntryOnChange(text), (QuickEntryAction{Kind::OpenEntry, 0, false, text}));
}

TEST(QuickEntry, UnfinishedOrUnknownTextKeepsTheBoxOpen) {
    for (const char* text : {"", "L", "LD", "LDI", "END", "END ", "FEND ", "RET ", "CLR ", "XL ",
                             "INV ", "LD X0", "MOV", "MOVE ", "ld ", "  LD "}) {
        EXPECT_EQ(QuickEntryOnChange(text).kind, Kind::None) << "'" << text << "'";
    }
}

TEST(QuickEntry, EnterWords) {
    for (const char* text : {"END", "FEND", "RET", "CLR"}) {
        EXPECT_EQ(QuickEntryOnEnter(text), (QuickEntryAction{Kind::StoreEntry, 0, false, text}));
    }
    EXPECT_EQ(QuickEntryOnEnter("INV"),
              (QuickEntryAction{Kind::PlaceTool, CellKind::kInverter, false, ""}));
    EXPECT_EQ(QuickEntryOnEnter("XL"),
              (QuickEntryAction{Kind::PlaceTool, CellKind::kLine, false, ""}));
    EXPECT_EQ(QuickEntryOnEnter("YL").kind, Kind::LinkDown);
    EXPECT_EQ(QuickEntryOnEnter("YLC").kind, Kind::LinkRemove);
    for (const char* text : {"END ", "LD ", "MOV ", "Y", "YLCX", "", "ORP"}) {
        EXPECT_EQ(QuickEntryOnEnter(text).kind, Kind::None) << text;
    }
    EXPECT_EQ(QuickEntryEnterWords().size(), 8u);
}

}  // namespace
}  // namespace vx
