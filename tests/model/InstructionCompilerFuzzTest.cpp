// Seeded random and mutated instruction texts, cursor cells and store
// contents: nothing the user can type may crash the compiler or the jump-label
// check, leave a refusal unexplained, or produce a cell the project file
// cannot keep.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/ApartInjunction.h"
#include "model/CellKind.h"
#include "model/InstructionCompiler.h"
#include "model/JumpLabelCheck.h"
#include "model/LadderProgram.h"
#include "platform/Text.h"
#include "support/MessageRecorder.h"

namespace vx {
namespace {

using test::MessageRecorder;

// One accepted text per mnemonic, the seeds of the mutations.
const char* const kSeeds[] = {
    "SET M10",
    "RST C1",
    "PLS M5",
    "PLF S3",
    "ALT Y7",
    "MC N0",
    "MCR N1",
    "CJ P5",
    "CALL S3",
    "P 5",
    "CLR",
    "RET",
    "END",
    "FEND",
    "STL S3",
    "MOV K10 D5",
    "MOV D0Z WY0",
    "MOV WX0 WM8",
    "MOV T5 V",
    "CML H1F D1",
    "XCH D0 D1",
    "DFLT D0 D2",
    "DINT D4 D6",
    "DEADD D0 D2 D4",
    "DESUB D0 D2 D4",
    "DEMUL D0 D2 D4",
    "DEDIV D0 D2 D4",
    "DECMP D0 D2 M0",
    "HOUR D0 D2 Y1",
    "WTOB D0 D10 K5",
    "BTOW D0 D10 K5",
    "DUTY K10 D1 M8330",
    "DPLSV D0 Y0 M1",
    "DDRVI D0 D2 Y0 Y4",
    "DDRVA D0 D2 Y1 S0",
    "DZRN D0 D2 X0 Y1",
    "LADJ D0 D1 D2",
    "FMOV K5 D100 K10",
    "BMOV D0 D10 K5",
    "ROR D0 K16",
    "ROL D5 K1",
    "> D0 K100",
    "< H1F D5",
    "= K5 D9",
    "<> D1 D2",
    ">= D0 HFFFF",
    "<= K-5 K1",
    "D> D0 D2",
    "D< D1 D3",
    "D= D4 D6",
    "D<> D0 D2",
    "D>= D10 D20",
    "D<= D5 D7",
    "ZRST M0 K10",
    "SFTR S5 K99",
    "SFTL M1 K1",
    "ADD D0 K5 D2",
    "SUB D0 D1 D2",
    "MUL D0 D1 D2",
    "DIV D0 D1 D2",
    "DADD D0 D2 D4",
    "DSUB D0 D2 D4",
    "DMUL D0 D2 D4",
    "DDIV D0 D2 D4",
    "WAND H00FF D1 D3",
    "WOR D0 D1 D2",
    "WXOR D0 D1 D2",
    "DMOV K70000 D0",
    "DEMOV E1.5 D10",
    "SUM D0 D1",
    "BCD D0 D1",
    "BIN D0 D1",
    "BON D0 Y1 HF",
    "PLSR D0 D1 D2 K0",
    "PLSF D0 D1 D2 K2",
    "RAMP D0 D1 D2 K100",
    "WSFR D0 D1 K2 K3",
    "WSFL D0 D1 K2 K3",
    "SFWR D0 D1 K10",
    "SFRD D0 D1 K10",
    "POP D0 D1 K2",
    "MEAN D0 D1 K64",
    "WSUM D0 D1 K256",
    "PWM H32 Y1",
    "SPD X0 K100 D0",
    "REF WX10",
    "PID D0 D1 D2 D3",
    "SCAD D0 K10 D1",
    "FILT D0 D5 D1",
    "INC D5",
    "DEC Z",
    "DINC D5",
    "DDEC D0",
    "ABS V",
    "SWAP D1",
    "DABS D2",
    "NEG D2",
    "DNEG D4",
    "MODRB K1 K2 K3",
    "MODRD V V D0",
    "MODRI K1 H2 K3",
    "MODWB K1 K2 K3",
    "MODWR K1 K2 K65535",
    "MODWL K1 K2 D3",
    "RS1 K10 D0 K20 D1",
    "RS2 V D0 V D1",
    "RS3 K1 D0 K1 D1",
    "RS4 K1 D0 K1 D1",
    "TXT K0 K0 AB CD",
    "TXT K1 K2 温度",
    "REG K3 K7 D100 K55",
};

// Pieces the mutations insert: device letters, numbers at and beyond the
// limits, signs, blanks, quotes, Chinese text, bytes that are not UTF-8.
const char* const kPieces[] = {
    "D",     "K",     "H",     "X",          "Y",    "M",    "S",        "T",
    "C",     "V",     "Z",     "W",          "E",    "P",    "N",        "0",
    "1",     "7",     "8",     "9",          "17",   "377",  "9998",     "9999",
    "10000", "65535", "65536", "2147483648", "-",    "+",    ".",        "e",
    " ",     "  ",    "\"",    "\\",         "温度", "\xFF", "\xE6\xB8", "\t",
    "WX",    "WY",    "WM",    "WS",         "D>",   "CJ",   "TXT ",     "ABCDEFGHIJKLM",
    "x",     "\x00",
};

class Mutator {
  public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::string Text() {
        std::string text;
        if (Below(8) == 0) {
            for (int n = Below(8); n > 0; --n)
                text += Piece();
            return text;
        }
        text = kSeeds[Below(static_cast<int>(std::size(kSeeds)))];
        for (int n = Below(3); n > 0; --n)
            Mutate(text);
        return text;
    }

  private:
    std::string Piece() {
        const char* piece = kPieces[Below(static_cast<int>(std::size(kPieces)))];
        return piece[0] == '\0' ? std::string(1, '\0') : std::string(piece);
    }

    void Mutate(std::string& text) {
        const std::size_t at =
            text.empty() ? 0 : static_cast<std::size_t>(Below(static_cast<int>(text.size()) + 1));
        switch (Below(6)) {
            case 0:
                text.insert(at, Piece());
                break;
            case 1:
                if (at < text.size()) text.erase(at, 1 + Below(3));
                break;
            case 2:
                if (at < text.size()) text[at] = static_cast<char>(Below(256));
                break;
            case 3:
                text = text.substr(0, at);
                break;
            case 4:
                text += " " + Piece();
                break;
            default:
                if (at < text.size()) text.replace(at, 1, Piece());
                break;
        }
    }

    std::mt19937 random_;
};

bool HeldInGbk(const std::string& text) {
    return GbkToUtf8(Utf8ToGbk(text)) == text;
}

// The display text is kept whole by the project file; the C text is derived
// from it again, so only its characters matter.
bool KeptByTheProjectFile(const std::string& text) {
    return GbkByteLength(text) <= kCellTextBytes && HeldInGbk(text);
}

void CheckEntry(const std::string& text, int column, int row, const LadderCells& cells,
                const InstructionEntry& entry) {
    ASSERT_FALSE(entry.writes.empty());
    const CellWrite& cell = entry.writes[0];
    for (const CellWrite& write : entry.writes) {
        ASSERT_TRUE(IsCell(write.column, write.row));
        EXPECT_EQ(write.row, row);
        EXPECT_GE(write.column, kFirstConditionColumn);
        EXPECT_LE(write.column, kOutputColumn);
        EXPECT_EQ(write.kind & 0xF0, cells.Kind(write.column, write.row) & 0xF0)
            << "links are kept";
        EXPECT_TRUE(KeptByTheProjectFile(write.first)) << write.first;
        EXPECT_TRUE(HeldInGbk(write.second)) << write.second;
    }
    switch (Symbol(cell.kind)) {
        case CellKind::kFunctionBox: {
            EXPECT_EQ(cell.column, kOutputColumn);
            EXPECT_TRUE(entry.outputWrapped);
            const int firstLine = std::max(column, kFirstConditionColumn);
            ASSERT_EQ(entry.writes.size(), 1u + std::max(0, kOutputColumn - firstLine));
            for (std::size_t i = 1; i < entry.writes.size(); ++i) {
                EXPECT_EQ(entry.writes[i].column, firstLine + static_cast<int>(i) - 1);
                EXPECT_EQ(Symbol(entry.writes[i].kind), CellKind::kLine);
                EXPECT_TRUE(entry.writes[i].first.empty() && entry.writes[i].second.empty());
            }
            break;
        }
        case CellKind::kCompareContact:
            EXPECT_EQ(cell.column, column);
            EXPECT_EQ(entry.cursorColumn, column + 1);
            EXPECT_EQ(entry.writes.size(), 1u);
            break;
        case CellKind::kStepContact:
            EXPECT_EQ(column, 1);
            EXPECT_EQ(entry.cursorColumn, 2);
            EXPECT_EQ(entry.writes.size(), 1u);
            break;
        default:
            ADD_FAILURE() << "symbol " << int(cell.kind) << " for " << text;
    }
    // Opening the cell again and confirming it gives the same cell, silently.
    MessageRecorder recorder;
    std::optional<InstructionEntry> again =
        CompileFunctionInstruction(cell.first, column, row, cells);
    ASSERT_TRUE(again) << cell.first;
    EXPECT_EQ(*again, entry) << text << " shown as " << cell.first;
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST(InstructionCompilerFuzz, EveryTextIsStoredSoundlyOrRefusedWithOneMessage) {
    Mutator mutator(0x5EED4A);
    LadderCells cells;
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string text = mutator.Text();
        const int column = mutator.Below(8) == 0 ? mutator.Below(16) - 1 : mutator.Below(14);
        const int row = mutator.Below(kRows);
        // Whatever stands in the row beforehand, links included.
        for (int c = 1; c <= kOutputColumn; ++c)
            cells.Kind(c, row) = static_cast<std::uint8_t>(mutator.Below(256));

        SCOPED_TRACE(testing::Message() << "text \"" << text << "\" at " << column << "," << row);
        std::optional<InstructionEntry> entry;
        {
            MessageRecorder recorder;
            entry = CompileFunctionInstruction(text, column, row, cells);
            if (!IsCell(column, row)) {
                EXPECT_FALSE(entry);
                EXPECT_EQ(recorder.Count(), 0u);
            } else if (!entry) {
                ASSERT_EQ(recorder.Count(), 1u) << "a refusal is told once";
                EXPECT_EQ(recorder.Last().caption, kProductTitle);
                EXPECT_FALSE(recorder.Last().text.empty());
            } else {
                const bool cutText = ApartInjunction(text).mnemonic == "TXT ";
                EXPECT_EQ(recorder.Count(), cutText ? recorder.Count() : 0u);
                EXPECT_LE(recorder.Count(), 1u);
            }
        }
        if (entry) {
            ++accepted;
            CheckEntry(text, column, row, cells, *entry);
        }
        for (int c = 1; c <= kOutputColumn; ++c)
            cells.ClearCell(c, row);
        if (HasFailure()) break;
    }
    EXPECT_GT(accepted, 4000) << "the mutations still reach the accepting paths";
}

TEST(JumpLabelCheckFuzz, RandomOutputColumnsAreCheckedSafely) {
    Mutator mutator(0xCEC4);
    LadderCells cells;
    int failures = 0;
    std::vector<int> used;  // rows to empty before the next round
    for (int round = 0; round < 200; ++round) {
        for (int row : used)
            cells.ClearCell(kOutputColumn, row);
        used.clear();
        for (int n = mutator.Below(40); n > 0; --n) {
            const int row = mutator.Below(kRows);
            used.push_back(row);
            const std::string number = std::to_string(mutator.Below(12));
            std::string first;
            switch (mutator.Below(4)) {
                case 0:
                    first = "CJ  P" + number;
                    break;
                case 1:
                    first = "P   " + number;
                    break;
                default:
                    first = mutator.Text();
                    break;
            }
            // Mostly function boxes, some with links, some other symbols.
            const int pick = mutator.Below(8);
            cells.Kind(kOutputColumn, row) =
                pick < 5   ? CellKind::kFunctionBox
                : pick < 7 ? static_cast<std::uint8_t>(mutator.Below(4) << 4 | 6)
                           : static_cast<std::uint8_t>(mutator.Below(256));
            cells.First(kOutputColumn, row) = first;
        }
        MessageRecorder recorder;
        const bool pass = CheckJumpLabels(cells);
        EXPECT_EQ(recorder.Count(), pass ? 0u : 1u);
        if (!pass) {
            ++failures;
            EXPECT_EQ(recorder.Last().caption, "Error");
        }
        // Giving every block every label it can ask for leaves only unreadable numbers.
        for (int block = kMainBlock; block < kSubroutineCount; ++block) {
            for (int label = 0; label < 12; ++label) {
                const int row = BlockFirstRow(block) + label;
                used.push_back(row);
                cells.Kind(kOutputColumn, row) = CellKind::kFunctionBox;
                cells.First(kOutputColumn, row) = "P   " + std::to_string(label);
            }
        }
        recorder.Clear();
        if (!CheckJumpLabels(cells)) {
            ASSERT_EQ(recorder.Count(), 1u);
            EXPECT_NE(recorder.Last().text.find("标签编号无法识别"), std::string::npos)
                << recorder.Last().text;
        }
    }
    EXPECT_GT(failures, 0);
    EXPECT_LT(failures, 200);
}

}  // namespace
}  // namespace vx
