// Every C fragment the instruction compiler writes into a cell compiles
// against "plc.h" without a warning and links against the run-time kit: a
// converted program may use any of them.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "build/CompileValues.h"
#include "build/ScratchFolder.h"
#include "build/StageView.h"
#include "build/ToolChain.h"
#include "build/TranslateStage.h"
#include "editor/ProjectFile.h"
#include "model/InstructionCompiler.h"
#include "platform/FileIo.h"
#include "platform/Launcher.h"
#include "platform/SystemFolders.h"
#include "support/ImageBuild.h"
#include "support/MessageRecorder.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// One typed text per form of C fragment.
constexpr const char* kBoxes[] = {"SET M10",
                                  "RST S199",
                                  "RST C1",
                                  "PLS M1999",
                                  "PLF M0",
                                  "ALT Y7",
                                  "MC N0",
                                  "MCR N0",
                                  "CJ P5",
                                  "P 5",
                                  "CALL S0",
                                  "CLR",
                                  "MOV K10 D5",
                                  "MOV D0 WM16",
                                  "MOV WM9999 D0",
                                  "MOV WM0 WS0",
                                  "MOV WX0 WM8",
                                  "MOV D0 WY0",
                                  "MOV WX17 D0",
                                  "MOV WS0 WX10",
                                  "MOV WX0 WY0",
                                  "MOV D0Z D1",
                                  "MOV T5 D7V",
                                  "CML K5 D0",
                                  "XCH D0 D1",
                                  "DMOV D0 D2",
                                  "DMOV K70000 D0",
                                  "BMOV D0 D10 K5",
                                  "FMOV K5 D100 K10",
                                  "ZRST M0 K10",
                                  "SFTR S5 K99",
                                  "SFTL M100 K1",
                                  "BON D0 M5 K15",
                                  "ADD D0 K5 D2",
                                  "SUB K-5 H1 D9999",
                                  "MUL D1 D2 D3",
                                  "DIV D10 K3 D20",
                                  "WAND H00FF D1 D3",
                                  "WOR D1 HF0F0 D2",
                                  "WXOR K65535 K0 D0",
                                  "DADD D0 D2 D4",
                                  "DSUB D9998 D0 D2",
                                  "DMUL D1 D3 D5",
                                  "DDIV D0 D2 D9998",
                                  "DEADD D0 D2 D4",
                                  "DESUB D10 D12 D14",
                                  "DEMUL D1 D3 D5",
                                  "DEDIV D0 D2 D9998",
                                  "DECMP D0 D2 M0",
                                  "DFLT D0 D2",
                                  "DINT D4 D6",
                                  "INC D5",
                                  "DEC D0",
                                  "DINC D5",
                                  "DDEC D0",
                                  "INC Z",
                                  "DEC V",
                                  "NEG Z",
                                  "NEG D2",
                                  "SWAP Z",
                                  "ABS V",
                                  "DNEG D2",
                                  "ABS D9999",
                                  "DABS D9998",
                                  "SWAP D1",
                                  "ROR D0 K16",
                                  "ROL D5 K1",
                                  "BCD D5 D9999",
                                  "BIN D9999 D0",
                                  "SUM D0 D1",
                                  "WTOB D0 D10 K5",
                                  "BTOW D0 D10 K99",
                                  "WSUM D0 D1 K256",
                                  "MEAN D0 D1 K64",
                                  "WSFR D0 D10 K256 K1",
                                  "WSFL D0 D10 K1 K256",
                                  "SFWR D0 D1 K10",
                                  "SFRD D0 D1 K10",
                                  "POP D0 D1 K2",
                                  "LADJ D0 D1 D2",
                                  "HOUR D0 D2 Y17",
                                  "DUTY K10 D1 M8330",
                                  "DUTY D9999 D9999 M8334",
                                  "RAMP D0 D1 D2 K100",
                                  "PID D0 D1 D5100 D3",
                                  "SCAD D0 K10 D1",
                                  "FILT D0 D5 D1",
                                  "SPD X0 K100 D0",
                                  "REF WX0",
                                  "PWM K50 Y0",
                                  "PLSR D0 D1 D2 K0",
                                  "PLSF D0 D1 D2 K2",
                                  "DPLSV D0 Y0 M1",
                                  "DDRVI D0 D2 Y0 Y4",
                                  "DDRVA D0 D2 Y1 S0",
                                  "DZRN D0 D2 X0 Y1",
                                  "DZRN D9998 D9998 Y377 Y377",
                                  "MODRB K255 H1F K16",
                                  "MODRD K1 K100 K10",
                                  "MODRI K1 K2 D5",
                                  "MODWB K1 HFFFF K0",
                                  "MODWR V V D0",
                                  "MODWL V K2 K3",
                                  "RS1 K10 D0 K20 D1",
                                  "REG K3 K7 D100 K55",
                                  "TXT K1 K2 AB",
                                  "RET"};

constexpr const char* kCompares[] = {"> D0 K100",   "< D1 D2",       "= K5 D9999",  "<> H1F D5",
                                     ">= D0 HFFFF", "<= K-5 K65535", "D> D0 D2",    "D< D1 D3",
                                     "D= D10 D20",  "D<> D0 D9998",  "D>= D10 D20", "D<= D5 D7"};

// The contact, coil and block forms the converter writes around them.
constexpr const char* kLogic =
    "  LD(X[1]); LDI(M[5]); ANB(); AND(T_out[5]); ANI(C_out[3]); OR(S[2]); ORI(Y[7]);\r\n"
    "  LDUPp(X[2], M[100]); LDDNp(X[3], M[101]); ORB(); ANDUPp(X[4], M[102]);\r\n"
    "  ANDDNp(X[5], M[103]); ORUPp(X[6], M[104]); ORDNp(X[7], M[105]);\r\n"
    "  MPS(); OUT   (Y[0]); MRD(); INV(); OUT   (M[9999]); MPP(); STL(3);\r\n"
    "  TON   (5, 100); TON   (6, D[3]); CNT   (3, 10); CNT   (4, D[1]);\r\n";

TEST(KitLinkTest, EveryInstructionFragmentCompilesAndLinks) {
    if (!fs::exists(VX_RUNTIME_KIT_DIR "/ST.ld") || FindExecutable("arm-none-eabi-gcc").empty())
        GTEST_SKIP() << "the GNU ARM tool chain or the run-time kit is not there";
    test::MessageRecorder messages;
    test::TempFolder windows, program, projects;
    fs::create_directory_symlink(VX_RUNTIME_KIT_DIR, RuntimeKitFolder(program.Path()));
    ASSERT_EQ(InstallToolChain(windows.Path(), program.Path()), "");

    LadderCells cells;
    std::string macro = kLogic;
    for (const char* text : kCompares) {
        const auto entry = CompileFunctionInstruction(text, 1, 0, cells);
        ASSERT_TRUE(entry) << text;
        const std::string& c = entry->writes[0].second;
        macro += "  LD" + c + "; AND" + c + "; OR" + c + ";\r\n";
    }
    for (const char* text : kBoxes) {
        const auto entry = CompileFunctionInstruction(text, 12, 0, cells);
        ASSERT_TRUE(entry) << text;
        const std::string& c = entry->writes[0].second;
        macro += "  " + c + (c.ends_with(";") ? "" : c.ends_with(":") ? " ;" : ";") + "\r\n";
    }
    const std::string scratch = ScratchFolder(windows.Path());
    fs::create_directories(scratch);
    WriteFileAtomically(JoinPath(scratch, "Macro.txt"), macro);
    WriteFileAtomically(
        JoinPath(scratch, "Sub.txt"),
        "void CALL_Sub(unsigned char n)\r\n{\r\n  if (n == 0) { LD(M[1]); }\r\n}\r\n");

    TranslateInputs in;
    in.winDir = windows.Path();
    in.programFolder = program.Path();
    in.projectFile = projects / "all.PSP";
    in.targetFile = JoinPath(windows.Path(), "Torvin.pin");
    in.sysParamString = kDefaultSysParamString;
    in.holdParamString = kDefaultHoldParamString;
    test::CollectingView view;
    TranslateStage stage(in, view);
    std::string compilerLog;
    stage.beforeCleanUp = [&](const std::string& s) {
        compilerLog = ReadWholeFile(JoinPath(s, "P.Txt")).value_or("(none)");
    };
    ASSERT_TRUE(stage.Begin());
    while (stage.Poll())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(stage.Result(), 0) << view.messages;
    EXPECT_GT(stage.ProductSize(), 1024);
    EXPECT_EQ(compilerLog, "") << "the fragments compile without a warning";
    EXPECT_TRUE(messages.Messages().empty());
}

// The share of the kit the compile's report leaves out, as recorded when the
// kit was built, is the image F5 makes of a project with nothing in it.
TEST(KitLinkTest, TheKitsRecordedShareIsTheImageOfAnEmptyProject) {
    if (!test::CanBuildImages())
        GTEST_SKIP() << "the GNU ARM tool chain or the run-time kit is not there";
    test::MessageRecorder messages;
    test::TempFolder folder;
    struct Model {
        const char* series;   // field 1, two digits
        const char* version;  // field 3, two digits
        char can;             // field 21
    };
    int n = 0;
    for (const Model& model : {Model{"00", "00", '0'}, Model{"06", "01", '2'},
                               Model{"03", "00", '1'}, Model{"10", "02", '0'}}) {
        LadderProgram project;
        SetDefaultParameters(project);
        project.sysParamString.replace(0, 2, model.series);
        project.sysParamString.replace(2, 2, model.version);
        project.sysParamString[20] = model.can;
        const std::string where = folder / std::to_string(n++);
        const test::BuiltImage built = test::BuildImage(project, where);
        ASSERT_TRUE(built.ok) << built.messages;
        const int recorded = EmptyImageSize(JoinPath(where, "windows"),
                                            ReadCompileValues(project.sysParamString, false));
        EXPECT_GT(recorded, 1024);
        EXPECT_EQ(recorded, static_cast<int>(fs::file_size(built.image)))
            << "series " << model.series << " version " << model.version << " CAN " << model.can;
    }
    EXPECT_TRUE(messages.Messages().empty());
}

}  // namespace
}  // namespace vx
