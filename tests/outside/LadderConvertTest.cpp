// The converter: project path, "|", scratch folder; three files or false with
// a message naming block and line. The logic of the rungs themselves is
// proven in RungNetworkTest and, compiled and running, on the emulated
// controller.
#include "outside/LadderConvert.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <regex>

#include "LadderSketch.h"
#include "editor/ProgramBlocks.h"
#include "editor/ProjectFile.h"
#include "model/InstructionCompiler.h"
#include "platform/FileIo.h"
#include "platform/Language.h"
#include "platform/Text.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::LadderSketch;
using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

class LadderConvertTest : public ::testing::Test {
  protected:
    LadderConvertTest() {
        SetDefaultParameters(*program);
        FillDefaultSubroutineNames(program->subroutineNames);
    }
    std::unique_ptr<LadderProgram> program = std::make_unique<LadderProgram>();
    LadderSketch sketch{program->cells};

    ConvertedProgram Convert() {
        ConvertedProgram out;
        std::string message;
        EXPECT_TRUE(ConvertLadder(*program, out, message)) << message;
        return out;
    }
    std::string Refusal() {
        ConvertedProgram out;
        std::string message;
        EXPECT_FALSE(ConvertLadder(*program, out, message));
        return message;
    }
};

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(LadderConvertTest, ASavedProjectGivesTheThreeFiles) {
    TempFolder dir;
    sketch.Contact(1, 0, "X0").Out(2, 0, "Y0");
    program->subroutineNames[3] = "泵控制";
    sketch.Contact(1, BlockFirstRow(3), "M1").Out(2, BlockFirstRow(3), "Y1");
    const std::string project = dir / "泵站 控制.PSP";
    WriteTestFile(project, SerialiseProject(*program));
    const std::string scratch = dir / "system temp";
    ASSERT_TRUE(LadderConvert(project + "|" + scratch + "/"));
    EXPECT_TRUE(LadderConvertMessage().empty());
    const std::string list = GbkToUtf8(ReadTestFile(scratch + "/LD.txt"));
    EXPECT_TRUE(Holds(list, "主程序")) << list;
    EXPECT_TRUE(Holds(list, "LD    X0\r\n")) << list;
    EXPECT_TRUE(Holds(list, "OUT   Y0\r\n")) << list;
    EXPECT_TRUE(Holds(list, "子程序 S3 泵控制")) << list;
    SetInterfaceChinese(false);
    ASSERT_TRUE(LadderConvert(project + "|" + scratch + "/"));
    SetInterfaceChinese(true);
    const std::string english = GbkToUtf8(ReadTestFile(scratch + "/LD.txt"));
    EXPECT_TRUE(Holds(english, ";========== Main program ==========")) << english;
    EXPECT_TRUE(Holds(english, ";========== Subroutine S3 泵控制 ==========")) << english;
    EXPECT_TRUE(Holds(ReadTestFile(scratch + "/Macro.txt"), "LD(X[0]);\r\n  OUT   (Y[0]);"));
    const std::string sub = ReadTestFile(scratch + "/Sub.txt");
    EXPECT_TRUE(Holds(sub, "static void Sub3(void)")) << sub;
    EXPECT_TRUE(Holds(sub, "case 3: Sub3(); break;")) << sub;
    EXPECT_TRUE(Holds(sub, "void CALL_Sub(unsigned char n)"));
    EXPECT_TRUE(LadderConvert(project + "|" + scratch)) << "with or without the separator";
}

TEST_F(LadderConvertTest, RefusesWhatIsNoProject) {
    TempFolder dir;
    WriteTestFile(dir / "bad.PSP", std::string(2000, 'x'));
    EXPECT_FALSE(LadderConvert(dir / "bad.PSP|" + dir.Path()));
    EXPECT_FALSE(LadderConvertMessage().empty());
    EXPECT_FALSE(LadderConvert(dir / "missing.PSP|" + dir.Path()));
    EXPECT_FALSE(LadderConvert(dir / "bad.PSP"));
    EXPECT_FALSE(LadderConvert("|" + dir.Path()));
    EXPECT_FALSE(FileExists(dir / "LD.txt"));
}

// Linux names may hold the bar that parts the two paths.
TEST_F(LadderConvertTest, ProjectAndScratchNamesMayHoldBars) {
    TempFolder dir;
    sketch.Contact(1, 0, "X0").Out(2, 0, "Y0");
    const struct {
        const char* project;
        const char* scratch;
    } rows[] = {
        {"a|b.PSP", "temp"},
        {"p.PSP", "t|emp/"},
        {"x|y|z.PSP", "s|t|u"},
        {"-n 中文;&$(x)`'\"%V%><.PSP", "-s 中文;&$(x)`'\"%V%><"},
    };
    for (const auto& row : rows) {
        const std::string project = dir / row.project;
        WriteTestFile(project, SerialiseProject(*program));
        EXPECT_TRUE(LadderConvert(project + "|" + (dir / row.scratch))) << row.project;
        EXPECT_TRUE(FileExists(dir / row.scratch + "/Macro.txt")) << row.scratch;
    }
}

TEST_F(LadderConvertTest, RefusalsNameBlockAndLineAndWriteNothing) {
    TempFolder dir;
    sketch.Contact(1, 0, "X0").Out(2, 0, "Y0");
    sketch.Contact(1, BlockFirstRow(5) + 6, "X1");  // a contact leading nowhere
    const std::string project = dir / "p.PSP";
    WriteTestFile(project, SerialiseProject(*program));
    EXPECT_FALSE(LadderConvert(project + "|" + dir.Path()));
    EXPECT_EQ(LadderConvertMessage(), "子程序 S5 Sub_5 第0007行: 元件没有连接到输出");
    EXPECT_FALSE(FileExists(dir / "Macro.txt"));

    program = std::make_unique<LadderProgram>();
    LadderSketch(program->cells).Contact(1, 9, "X9").Out(2, 9, "Y0");  // X9 is no input
    const std::string message = Refusal();
    EXPECT_TRUE(message.starts_with("主程序 第0010行: 元件设置错误")) << message;
}

TEST_F(LadderConvertTest, CodeComesFromTheFirstTexts) {
    // Second texts as a damaged or cut project file leaves them.
    sketch.Contact(1, 0, "X17").Cell(2, 0, CellKind::kRisingEdge, "M5").Out(3, 0, "T250 K100");
    program->cells.Second(1, 0) = "garbage";
    sketch.Cell(1, 1, CellKind::kCompareContact, "D> D0 D2").Box(2, 1, "DMOV K70000 D10");
    program->cells.Second(12, 1) = "DMOV  (K7";
    sketch.Cell(1, 2, CellKind::kFallingEdge, "X1").Out(2, 2, "C3 D1");
    sketch.Contact(1, 3, "X2").Box(2, 3, "DUTY D9999 D9999 M8334");
    program->cells.Second(12, 3) = "DUTY (D[9999],D[9999],833";  // 26 of its 27 bytes
    const ConvertedProgram out = Convert();
    EXPECT_TRUE(Holds(out.macro, "DUTY (D[9999],D[9999],8334);")) << out.macro;
    EXPECT_TRUE(Holds(out.macro, "static INT8U EdgeM_[2];")) << out.macro;
    EXPECT_TRUE(Holds(out.macro, "LD(X[17]);")) << out.macro;
    EXPECT_TRUE(Holds(out.macro, "ANDUPp(M[5], EdgeM_[0]);")) << out.macro;
    EXPECT_TRUE(Holds(out.macro, "TON   (250, 100);")) << out.macro;
    EXPECT_TRUE(Holds(out.macro, "LDU(0,2);")) << out.macro;
    EXPECT_TRUE(Holds(out.macro, "LDDNp(X[1], EdgeM_[1]);")) << out.macro;
    EXPECT_FALSE(Holds(out.macro, "garbage"));
    EXPECT_TRUE(Holds(out.list, "LDD>  D0 D2")) << out.list;
    EXPECT_TRUE(Holds(out.list, "ANDP  M5")) << out.list;
    EXPECT_TRUE(Holds(out.list, "LDF   X1")) << out.list;
    EXPECT_TRUE(Holds(out.list, "OUT   C3 D1")) << out.list;
}

TEST_F(LadderConvertTest, StepsAndMasterControlGateTheirRungs) {
    sketch.Cell(1, 0, CellKind::kStepContact, "STL S20").Contact(2, 0, "X1").Box(3, 0, "SET S21");
    sketch.Contact(1, 1, "X2").Out(2, 1, "Y1");  // inside step 20
    sketch.Cell(1, 2, CellKind::kStepContact, "STL S21").Out(2, 2, "Y2");
    sketch.Box(1, 3, "RET");
    sketch.Contact(1, 4, "X3").Box(2, 4, "MC N0");
    sketch.Contact(1, 5, "X4").Out(2, 5, "Y3");  // inside MC N0
    sketch.Box(1, 6, "MCR N0");
    sketch.Contact(1, 7, "X5").Out(2, 7, "Y4");  // outside
    const ConvertedProgram out = Convert();
    EXPECT_TRUE(Holds(out.macro, "STL(20);\r\n  AND(X[1]);\r\n  SET (S[21]); RST(S[20]);"))
        << out.macro;
    EXPECT_TRUE(Holds(out.macro, "LD(X[2]);\r\n  MPS(); AND(S[20]); OUT   (Y[1]); MPP();"));
    EXPECT_TRUE(Holds(out.macro, "STL(21);\r\n  OUT   (Y[2]);")) << out.macro;
    EXPECT_TRUE(Holds(out.macro, "LD(X[4]);\r\n  MPS(); AND(N[0]); OUT   (Y[3]); MPP();"));
    EXPECT_TRUE(Holds(out.macro, "LD(X[5]);\r\n  OUT   (Y[4]);")) << out.macro;
    EXPECT_FALSE(Holds(out.macro, "return;")) << "RET closes the step";
    EXPECT_TRUE(Holds(out.list, "STL   S20")) << out.list;
    EXPECT_TRUE(Holds(out.list, "RET")) << out.list;
}

TEST_F(LadderConvertTest, JumpsLabelsCallsAndTheirRefusals) {
    sketch.Contact(1, 0, "X0").Box(2, 0, "CJ P7");
    sketch.Contact(1, 1, "X1").Out(2, 1, "Y1");
    sketch.Box(1, 2, "P 7");
    sketch.Contact(1, 3, "X2").Box(2, 3, "CALL S2");
    sketch.Box(1, 4, "FEND");
    const int sub = BlockFirstRow(2);
    sketch.Contact(1, sub, "M0").Out(2, sub, "Y5");
    ConvertedProgram out = Convert();
    EXPECT_TRUE(Holds(out.macro, "if(B00)goto Label7;")) << out.macro;
    EXPECT_TRUE(Holds(out.macro, "Label7: ;")) << out.macro;
    EXPECT_TRUE(Holds(out.macro, "CALLs (2);")) << out.macro;
    EXPECT_TRUE(Holds(out.macro, "return;")) << out.macro;
    EXPECT_TRUE(Holds(out.sub, "case 2: Sub2(); break;")) << out.sub;

    // A jump to a label of another block.
    sketch.Box(1, 2, "P 8");
    EXPECT_EQ(Refusal(), "主程序 第0001行: 跳转标号 P7 不存在");
    sketch.Box(1, 2, "P 7");
    sketch.Box(1, 5, "P 7");
    EXPECT_EQ(Refusal(), "主程序 第0006行: 跳转标号 P7 重复");
    sketch.Box(1, 5, "P 9");

    // Subroutine 2 calling 4 calling 2 again.
    sketch.Contact(1, sub + 1, "M1").Box(2, sub + 1, "CALL S4");
    sketch.Contact(1, BlockFirstRow(4), "M2").Box(2, BlockFirstRow(4), "CALL S2");
    EXPECT_EQ(Refusal(), "子程序 S2 Sub_2 第0002行: 子程序递归调用");

    // In English.
    SetInterfaceChinese(false);
    const std::string english = Refusal();
    sketch.Box(1, 5, "P 7");
    const std::string twice = Refusal();
    SetInterfaceChinese(true);
    EXPECT_EQ(english, "Subroutine S2 Sub_2 line 0002: recursive subroutine call");
    EXPECT_EQ(twice, "Main program line 0006: jump label P7 is used twice");
}

// Display texts entered through the entry, trailing blanks and cut texts
// among them, convert to the very C text the entry stored, also where the
// saved project keeps only 26 bytes of that C text.
TEST_F(LadderConvertTest, DisplayTextsConvertAsTheyWereEntered) {
    const char* const typed[] = {
        "TXT K0 K7 ABCDEFGHIJ 中X",
        "TXT K3 K0 A温度设定值上限",
        "TXT K0 K0 AB",
        "TXT K1 K2 A B ",
        "TXT K0 K0 ABCDEFGHIJK",
        "TXT K2 K5 温度设定值上限报警",
        "TXT K0 K0 AB 中文中文中文",
        "DUTY D1000 D1000 M8330",
        "DUTY D9999 D9999 M8334",
        "DDRVI D998 D9998 Y377 Y377",
        "DZRN D9998 D9998 X377 Y377",
    };
    std::vector<std::string> seconds;
    int row = 0;
    for (const char* text : typed) {
        sketch.Contact(1, row, "M" + std::to_string(row));
        const std::optional<InstructionEntry> entry =
            CompileFunctionInstruction(text, 2, row, program->cells);
        ASSERT_TRUE(entry) << text;
        ApplyCellWrites(*entry, program->cells);
        seconds.push_back(entry->writes[0].second);
        ++row;
    }
    TempFolder dir;
    const std::string project = dir / "text.PSP";
    WriteTestFile(project, SerialiseProject(*program));
    ASSERT_TRUE(LadderConvert(project + "|" + dir.Path())) << LadderConvertMessage();
    const std::string macro = GbkToUtf8(ReadTestFile(dir / "Macro.txt"));
    for (const std::string& second : seconds)
        EXPECT_TRUE(Holds(macro, "  " + second + ";\r\n")) << second << "\n" << macro;
}

// Cells a hand-made or damaged project file may hold: a number too large for
// any integer, a cell whose kind does not fit its text. Each is refused with
// block and line like any other fault, never by an exception.
TEST_F(LadderConvertTest, CraftedCellsAreRefusedWithBlockAndLine) {
    struct Crafted {
        const char* what;
        std::uint8_t kind;
        int column;
        const char* text;
    };
    const Crafted crafted[] = {
        {"a level number beyond any integer", CellKind::kFunctionBox, kOutputColumn,
         "MC N99999999999"},
        {"the same after MCR", CellKind::kFunctionBox, kOutputColumn, "MCR N99999999999"},
        {"an instruction as a step contact", CellKind::kStepContact, 1, "MOV K1 D0"},
        {"a compare as a step contact", CellKind::kStepContact, 1, "> D0 K1"},
        {"END as a compare contact", CellKind::kCompareContact, 1, "END"},
        {"a step as a compare contact", CellKind::kCompareContact, 1, "STL S3"},
        {"a step as a function box", CellKind::kFunctionBox, kOutputColumn, "STL S3"},
        {"a jump beyond any integer", CellKind::kFunctionBox, kOutputColumn, "CJ P99999999999"},
    };
    TempFolder dir;
    const std::string project = dir / "crafted.PSP";
    for (const int block : {kMainBlock, 6}) {
        for (const Crafted& c : crafted) {
            SCOPED_TRACE(std::string(c.what) + " in block " + std::to_string(block));
            program = std::make_unique<LadderProgram>();
            SetDefaultParameters(*program);
            FillDefaultSubroutineNames(program->subroutineNames);
            LadderSketch s(program->cells);
            const int row = BlockFirstRow(block) + 4;
            s.Contact(1, row - 2, "X0").Out(2, row - 2, "Y0");
            if (c.column == kOutputColumn) {
                s.Contact(1, row, "X1").Box(2, row, c.text);
            } else {
                s.Cell(1, row, c.kind, c.text).Out(2, row, "Y1");
            }
            program->cells.Kind(c.column, row) = c.kind;
            WriteTestFile(project, SerialiseProject(*program));
            bool converted = true;
            EXPECT_NO_THROW(converted = LadderConvert(project + "|" + dir.Path()));
            EXPECT_FALSE(converted);
            const std::string where =
                block == kMainBlock ? "主程序 第0005行: " : "子程序 S6 Sub_6 第0005行: ";
            EXPECT_TRUE(LadderConvertMessage().starts_with(where)) << LadderConvertMessage();
            EXPECT_GT(LadderConvertMessage().size(), where.size()) << "and says why";
            EXPECT_FALSE(FileExists(dir / "Macro.txt"));
        }
    }
}

// Rungs of a few rows in random blocks, drawn soundly and then damaged at
// random (any kind, any text, stray links): the converter either converts or
// refuses naming the block and one of the rows; it never throws.
TEST(LadderConvertFuzz, EveryCellIsConvertedOrRefusedWithBlockAndLine) {
    const char* const contacts[] = {"X0", "X17", "Y7", "M100", "S3", "T5", "C3"};
    const char* const compares[] = {"> D0 K1", "D>= D0 D2", "<> K-5 D1", "= D9 H1F"};
    const char* const coils[] = {"Y0", "M5", "S21", "T5 K10", "C2 D5", "T250 K100"};
    const char* const boxes[] = {"MOV K1 D0",    "SET S21",       "RST C1", "INC D5",  "MC N0",
                                 "MCR N0",       "MC N1",         "MCR N1", "END",     "FEND",
                                 "RET",          "CJ P5",         "P 5",    "CALL S3", "CLR",
                                 "TXT K0 K0 AB", "DMOV K70000 D0"};
    // What a damaged or hand-made file may hold instead.
    const char* const damaged[] = {"MC N99999999999",
                                   "MCR N99999999999",
                                   "CJ P99999999999",
                                   "CALL S99999999999",
                                   "P 99999999999",
                                   "STL S99999999999",
                                   "SET S99999999999",
                                   "MC N-1",
                                   "STL S",
                                   "STL",
                                   "STL S3",
                                   "P",
                                   "CJ",
                                   "CALL",
                                   "MC",
                                   "",
                                   " ",
                                   "SET S",
                                   "> D0",
                                   "LD X0",
                                   "OUT Y0",
                                   "温度",
                                   "\xFF",
                                   "X9",
                                   "T5 K",
                                   "MOV K1 D0",
                                   "END",
                                   "> D0 K1",
                                   "X0",
                                   "Y0",
                                   "T5 K10"};
    const char* const pieces[] = {"9", "99999999999", "-", " ", "S", "N", "P", "K", "D", "X"};
    auto program = std::make_unique<LadderProgram>();
    SetDefaultParameters(*program);
    FillDefaultSubroutineNames(program->subroutineNames);
    LadderCells& cells = program->cells;
    std::mt19937 random(0xC0417);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    auto pick = [&](const auto& list) {
        return std::string(list[below(static_cast<int>(std::size(list)))]);
    };
    const std::regex where("^(主程序|子程序 S[0-9]+ [^ ]+) 第([0-9]{4})行: .+");
    int converted = 0, refused = 0;
    std::vector<int> used;
    for (int round = 0; round < 2000 && !::testing::Test::HasFailure(); ++round) {
        for (int row : used) {
            for (int c = 1; c <= kOutputColumn; ++c)
                cells.ClearCell(c, row);
        }
        used.clear();
        const int block = below(3) == 0 ? below(kSubroutineCount) : kMainBlock;
        const int first = BlockFirstRow(block) + below(3);
        const int rows = 1 + below(4);
        LadderSketch s(cells);
        for (int row = first; row < first + rows; ++row) {
            used.push_back(row);
            const int filled = 1 + below(kLastConditionColumn);
            for (int c = 1; c <= filled; ++c) {
                switch (below(8)) {
                    case 0:
                        s.Cell(c, row, CellKind::kCompareContact, pick(compares));
                        break;
                    case 1:
                        s.Cell(c, row, c == 1 ? CellKind::kStepContact : CellKind::kLine,
                               c == 1 ? "STL S" + std::to_string(below(4)) : "");
                        break;
                    case 2:
                        s.Closed(c, row, pick(contacts));
                        break;
                    case 3:
                        s.Cell(c, row, CellKind::kRisingEdge, pick(contacts));
                        break;
                    default:
                        s.Contact(c, row, pick(contacts));
                        break;
                }
            }
            if (below(2) == 0) {
                s.Out(filled + 1, row, pick(coils));
            } else {
                s.Box(filled + 1, row, pick(boxes));
            }
            if (row + 1 < first + rows && below(3) == 0) s.Link(2 + below(kOutputColumn - 1), row);
        }
        for (int n = below(3); n > 0; --n) {
            const int row = first + below(rows);
            const int column = 1 + below(kOutputColumn);
            std::string text = pick(damaged);
            if (below(3) == 0) text += pick(pieces);
            cells.Kind(column, row) =
                static_cast<std::uint8_t>(below(2) == 0 ? below(16) : below(256));
            cells.First(column, row) = text;
        }

        SCOPED_TRACE("round " + std::to_string(round));
        ConvertedProgram out;
        std::string message;
        bool ok = false;
        EXPECT_NO_THROW(ok = ConvertLadder(*program, out, message));
        if (ok) {
            ++converted;
            EXPECT_TRUE(message.empty());
            EXPECT_FALSE(out.macro.empty() && out.sub.empty());
        } else {
            ++refused;
            std::smatch parts;
            ASSERT_TRUE(std::regex_search(message, parts, where)) << message;
            // The block and one of the rows that were filled.
            const std::string title =
                block == kMainBlock
                    ? "主程序"
                    : "子程序 S" + std::to_string(block) + " " + program->subroutineNames[block];
            EXPECT_EQ(parts[1], title) << message;
            const int line = std::stoi(parts[2]);
            EXPECT_GE(line, BlockLine(first)) << message;
            EXPECT_LT(line, BlockLine(first) + rows) << message;
        }
    }
    // Both ways out are taken often.
    EXPECT_GT(converted, 200);
    EXPECT_GT(refused, 200);
}

}  // namespace
}  // namespace vx
