// The converter: project path, "|", scratch folder; three files or false with
// a message naming block and line. The logic of the rungs themselves is
// proven in RungNetworkTest and, compiled and running, on the emulated
// controller.
#include "outside/LadderConvert.h"

#include <gtest/gtest.h>

#include <memory>

#include "LadderSketch.h"
#include "editor/ProgramBlocks.h"
#include "editor/ProjectFile.h"
#include "platform/FileIo.h"
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
    const ConvertedProgram out = Convert();
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
}

}  // namespace
}  // namespace vx
