// A ladder program drawn in the cells goes through the converter and the C
// stage into a controller image, which then runs on an emulated Cortex-M3.
// Between scans the test sets inputs and reads outputs and registers in the
// controller's memory; what it expects follows from the ladder alone.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "LadderSketch.h"
#include "editor/ProgramBlocks.h"
#include "editor/ProjectFile.h"
#include "support/ImageBuild.h"
#include "support/QemuBoard.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::LadderSketch;

// One program with a rung group per feature, each on devices of its own.
std::unique_ptr<LadderProgram> SampleProgram() {
    auto program = std::make_unique<LadderProgram>();
    SetDefaultParameters(*program);
    FillDefaultSubroutineNames(program->subroutineNames);
    LadderSketch s(program->cells);
    const auto edge = [&](int col, int row, bool rise, const std::string& d) {
        s.Cell(col, row, rise ? CellKind::kRisingEdge : CellKind::kFallingEdge, d);
    };
    s.Contact(1, 0, "X0").Contact(2, 0, "X1").Out(3, 0, "Y0");             // series
    s.Contact(1, 1, "X0").Out(2, 1, "Y1").Contact(1, 2, "X2").Link(2, 1);  // parallel
    s.Contact(1, 3, "X3").Closed(2, 3, "X4").Out(3, 3, "Y2");              // self-holding
    s.Contact(1, 4, "Y2").Link(2, 3);
    edge(1, 5, true, "X5");
    s.Box(2, 5, "INC D0");
    edge(1, 6, false, "X5");
    s.Box(2, 6, "INC D1");
    s.Contact(1, 7, "X6").Out(2, 7, "T250 K50");  // 50 ms
    s.Contact(1, 8, "T250").Out(2, 8, "Y3");
    s.Contact(1, 9, "X7").Out(2, 9, "C0 K3");
    s.Contact(1, 10, "X10").Box(2, 10, "RST C0");
    s.Contact(1, 11, "C0").Out(2, 11, "Y4");
    s.Cell(1, 12, CellKind::kCompareContact, ">= D0 K2").Out(2, 12, "Y5");
    s.Box(1, 13, "MOV K1234 D10");
    s.Box(1, 14, "ADD D10 K1 D11");
    s.Box(1, 15, "DMOV K70000 D20");
    s.Box(1, 16, "DADD D20 D20 D22");
    s.Contact(1, 17, "X11").Box(2, 17, "CJ P1");
    s.Contact(1, 18, "X12").Out(2, 18, "Y6");
    s.Box(1, 19, "P 1");
    s.Contact(1, 20, "X13").Box(2, 20, "CALL S0");
    edge(1, 21, true, "X15");
    s.Box(2, 21, "SET S0");
    s.Cell(1, 22, CellKind::kStepContact, "STL S0").Out(2, 22, "Y10");
    s.Contact(1, 23, "X16").Box(2, 23, "SET S1");
    s.Cell(1, 24, CellKind::kStepContact, "STL S1").Out(2, 24, "Y11");
    s.Contact(1, 25, "X17").Box(2, 25, "SET S0");
    s.Box(1, 26, "RET");
    s.Contact(1, 27, "X20").Box(2, 27, "MC N0");
    s.Contact(1, 28, "X21").Out(2, 28, "Y12");
    s.Box(1, 29, "MCR N0");
    s.Contact(1, 30, "X21").Out(2, 30, "Y13");
    s.Box(1, 31, "END");
    s.Contact(1, 32, "X22").Out(2, 32, "Y14");  // after END: never runs
    const int sub = BlockFirstRow(0);
    s.Contact(1, sub, "X14").Out(2, sub, "Y7");
    // The 1 ms routine counts milliseconds in D100; a rising X01 calls the
    // external-interrupt routine, which counts in D101.
    s.Box(1, BlockFirstRow(31), "INC D100");
    s.Box(1, BlockFirstRow(30), "INC D101");
    program->sysParamString.replace(49, 2, "10");
    program->holdParamString[1] = '1';
    return program;
}

class LadderRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!test::CanBuildImages()) GTEST_SKIP() << "no GNU ARM tool chain or run-time kit";
        if (!test::QemuBoard::Available()) GTEST_SKIP() << "no qemu-system-arm";
    }

    // Sets the inputs, then lets the controller run whole scans.
    void Scan(int scans = 2) { ASSERT_TRUE(board.RunScans(scans)); }
    void Set(int x, bool on) { ASSERT_TRUE(board.SetByte("X", x, on ? 1 : 0)); }
    int Y(int y) { return board.Byte("Y", y).value_or(-1); }
    int D(int d) { return static_cast<std::int16_t>(board.Word("D", d).value_or(0xFFFF)); }
    int Value(const char* name, int n) { return board.Word(name, n).value_or(-1); }

    test::TempFolder dir;
    test::QemuBoard board;
};

TEST_F(LadderRunTest, TheSampleProgramBehavesAsItsLadderSays) {
    const auto program = SampleProgram();
    const test::BuiltImage built = test::BuildImage(*program, dir.Path());
    ASSERT_TRUE(built.ok) << built.messages;
    test::QemuBoard::Options options;
    options.elfPath = built.elf;
    ASSERT_TRUE(board.Start(built.image, options)) << board.Error();
    Scan();

    // Series and parallel contacts.
    EXPECT_EQ(Y(0), 0);
    Set(0, true);
    Scan();
    EXPECT_EQ(Y(0), 0);
    EXPECT_EQ(Y(1), 1);
    Set(1, true);
    Scan();
    EXPECT_EQ(Y(0), 1);
    Set(0, false);
    Set(2, true);
    Scan();
    EXPECT_EQ(Y(0), 0);
    EXPECT_EQ(Y(1), 1);
    Set(2, false);
    Scan();
    EXPECT_EQ(Y(1), 0);

    // A self-holding circuit: X3 starts, X4 stops.
    Set(3, true);
    Scan();
    EXPECT_EQ(Y(2), 1);
    Set(3, false);
    Scan();
    EXPECT_EQ(Y(2), 1) << "holds itself";
    Set(4, true);
    Scan();
    EXPECT_EQ(Y(2), 0);
    Set(4, false);
    Scan();
    EXPECT_EQ(Y(2), 0);

    // Rising and falling edges count once per change, however long it lasts;
    // the compare contact follows D0.
    for (int round = 1; round <= 2; ++round) {
        EXPECT_EQ(Y(5), round > 2 ? 1 : 0);
        Set(5, true);
        Scan(3);
        EXPECT_EQ(D(0), round);
        EXPECT_EQ(D(1), round - 1);
        Set(5, false);
        Scan(3);
        EXPECT_EQ(D(1), round);
    }
    EXPECT_EQ(Y(5), 1);

    // Moves and arithmetic, 16 and 32 bits (register pairs low word first).
    EXPECT_EQ(D(10), 1234);
    EXPECT_EQ(D(11), 1235);
    EXPECT_EQ(D(20) | (D(21) << 16), 70000);
    EXPECT_EQ(D(22) | (D(23) << 16), 140000);

    // A 1 ms timer reaches its set point of 50 ms, and drops with its input.
    Set(6, true);
    Scan(1);
    EXPECT_EQ(Y(3), 0);
    const auto start = std::chrono::steady_clock::now();
    while (Y(3) == 0 && std::chrono::steady_clock::now() - start < std::chrono::seconds(10))
        Scan(20);
    EXPECT_EQ(Y(3), 1);
    EXPECT_GE(Value("T_Nonce", 250), 50);
    Set(6, false);
    Scan();
    EXPECT_EQ(Y(3), 0);
    EXPECT_EQ(Value("T_Nonce", 250), 0);

    // A counter counts rising inputs up to its set value; RST clears it.
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(Y(4), 0);
        Set(7, true);
        Scan();
        Set(7, false);
        Scan();
        EXPECT_EQ(Value("C_Nonce", 0), n);
    }
    EXPECT_EQ(Y(4), 1);
    Set(10, true);
    Scan();
    EXPECT_EQ(Y(4), 0);
    EXPECT_EQ(Value("C_Nonce", 0), 0);
    Set(10, false);

    // CJ skips the rows to its label: their outputs keep their state.
    Set(12, true);
    Scan();
    EXPECT_EQ(Y(6), 1);
    Set(11, true);
    Set(12, false);
    Scan();
    EXPECT_EQ(Y(6), 1) << "jumped over";
    Set(11, false);
    Scan();
    EXPECT_EQ(Y(6), 0);

    // CALL runs subroutine 0 only while its condition holds.
    Set(13, true);
    Set(14, true);
    Scan();
    EXPECT_EQ(Y(7), 1);
    Set(13, false);
    Set(14, false);
    Scan();
    EXPECT_EQ(Y(7), 1) << "not called";
    Set(13, true);
    Scan();
    EXPECT_EQ(Y(7), 0);

    // Steps: X15 starts step 0, X16 moves to step 1, X17 back to step 0.
    EXPECT_EQ(Y(10), 0);
    Set(15, true);
    Scan();
    EXPECT_EQ(Y(10), 1);
    EXPECT_EQ(Y(11), 0);
    Set(17, true);
    Scan();
    EXPECT_EQ(Y(10), 1) << "X17 acts only in step 1";
    Set(17, false);
    Set(16, true);
    Scan();
    EXPECT_EQ(Y(10), 0);
    EXPECT_EQ(Y(11), 1);
    EXPECT_EQ(board.Byte("S", 0).value_or(-1), 0);
    Set(16, false);
    Set(17, true);
    Scan();
    EXPECT_EQ(Y(10), 1);
    EXPECT_EQ(Y(11), 0);
    Set(17, false);

    // MC gates the rows up to MCR.
    Set(21, true);
    Scan();
    EXPECT_EQ(Y(12), 0);
    EXPECT_EQ(Y(13), 1);
    Set(20, true);
    Scan();
    EXPECT_EQ(Y(12), 1);
    Set(20, false);
    Scan();
    EXPECT_EQ(Y(12), 0);

    // The interrupt routines.
    EXPECT_EQ(D(101), 1) << "X01 rose once";
    EXPECT_GT(D(100), 50) << "the timer ran more than 50 ms";

    // Nothing after END runs.
    Set(22, true);
    Scan();
    EXPECT_EQ(Y(14), 0);
}

// One application instruction of each family, each on its own rung behind a
// contact: the converted program compiles without a warning and links.
TEST_F(LadderRunTest, EveryInstructionFamilyConvertsAndCompiles) {
    constexpr const char* kFamilies[] = {"SET M10",
                                         "RST C1",
                                         "PLS M5",
                                         "ALT Y7",
                                         "MOV WX0 D2",
                                         "CML K5 D0",
                                         "XCH D0 D1",
                                         "BMOV D0 D10 K5",
                                         "FMOV K5 D100 K10",
                                         "ZRST M0 K10",
                                         "SFTL M100 K1",
                                         "BON D0 M5 K15",
                                         "SUB K-5 H1 D9",
                                         "DIV D10 K3 D20",
                                         "WXOR K65535 K0 D0",
                                         "DMUL D1 D3 D5",
                                         "DEDIV D0 D2 D8",
                                         "DECMP D0 D2 M0",
                                         "DFLT D0 D2",
                                         "DINC D5",
                                         "NEG Z",
                                         "ROR D0 K16",
                                         "BCD D5 D9",
                                         "WTOB D0 D10 K5",
                                         "MEAN D0 D1 K64",
                                         "WSFL D0 D10 K1 K256",
                                         "SFRD D0 D1 K10",
                                         "LADJ D0 D1 D2",
                                         "HOUR D0 D2 Y17",
                                         "RAMP D0 D1 D2 K100",
                                         "PID D0 D1 D5100 D3",
                                         "FILT D0 D5 D1",
                                         "SPD X0 K100 D0",
                                         "PWM K50 Y0",
                                         "PLSR D0 D1 D2 K0",
                                         "DDRVA D0 D2 Y1 S0",
                                         "MODRD K1 K100 K10",
                                         "RS1 K10 D0 K20 D1",
                                         "TXT K1 K2 AB",
                                         "CLR"};
    auto program = std::make_unique<LadderProgram>();
    SetDefaultParameters(*program);
    LadderSketch s(program->cells);
    int row = 0;
    for (const char* text : kFamilies) {
        s.Contact(1, row, "M" + std::to_string(row)).Box(2, row, text);
        ++row;
    }
    const test::BuiltImage built = test::BuildImage(*program, dir.Path());
    EXPECT_TRUE(built.ok) << built.messages;
    EXPECT_EQ(built.messages, "") << "no compiler warning";
}

}  // namespace
}  // namespace vx
