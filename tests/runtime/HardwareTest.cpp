// The instructions of hardware the kit has no driver for: what they leave in
// their registers and flags.
#include <string>

#include "runtime/HostShim.h"

namespace vx::test {
namespace {

using PulseOutputTest = RuntimeTest;
using LinkTest = RuntimeTest;
using DisplayTest = RuntimeTest;

constexpr unsigned short kPosition[3] = {302, 310, 318};  // output count of channels 0-2

TEST_F(PulseOutputTest, RelativeAndAbsoluteMovesEndAtTheirTarget) {
    SetPair(0, -500);   // pulses
    SetPair(2, 10000);  // Hz
    B00 = 1;
    DDRVI(0, 2, 1, Y[4]);  // channel 1 (Y1)
    EXPECT_EQ(Pair(kPosition[1]), -500);
    EXPECT_EQ(Y[4], 0) << "backwards";
    EXPECT_EQ(Pair(312), 10000);
    EXPECT_EQ(M[M_DONE_FLAG], 1);
    DDRVI(0, 2, 1, Y[4]);
    EXPECT_EQ(Pair(kPosition[1]), -500) << "one move per rise of the input";
    B00 = 0;
    DDRVI(0, 2, 1, Y[4]);
    B00 = 1;
    DDRVI(0, 2, 1, Y[4]);
    EXPECT_EQ(Pair(kPosition[1]), -1000);

    B00 = 0;
    DDRVA(0, 2, 21, S[0]);
    SetPair(0, 300);
    B00 = 1;
    DDRVA(0, 2, 21, S[0]);  // Y21 is channel 1 as well
    EXPECT_EQ(Pair(kPosition[1]), 300);
    EXPECT_EQ(S[0], 1) << "forwards";
    EXPECT_EQ(D[325], 0) << "no channel runs";

    DDRVI(0, 2, 5, Y[4]);  // Y5 has no pulse channel
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(PulseOutputTest, PulseTrainAddsItsPulsesAndZeroReturnClears) {
    SetPair(0, 1000);
    SetPair(2, 5000);
    D[4] = 200;
    B00 = 1;
    PLSR(0, 2, 4, 2);
    EXPECT_EQ(Pair(kPosition[2]), 1000);
    EXPECT_EQ(Pair(300 + 16), 1000);
    EXPECT_EQ(D[300 + 16 + 7], 200);
    B00 = 0;
    PLSR(0, 2, 4, 2);
    B00 = 1;
    PLSR(0, 2, 4, 2);
    EXPECT_EQ(Pair(kPosition[2]), 2000);

    B00 = 0;
    DZRN(2, 2, X[0], 2);
    B00 = 1;
    DZRN(2, 2, X[0], 2);
    EXPECT_EQ(Pair(kPosition[2]), 0);
}

TEST_F(PulseOutputTest, SpeedOutputCountsPulsesOverTime) {
    SetPair(0, 1500);  // Hz
    B00 = 1;
    DPLSV(0, 0, M[1]);
    EXPECT_EQ(D[325] & 1, 1);
    EXPECT_EQ(M[1], 1);
    for (int i = 0; i < 3; ++i) {
        AdvanceClock(333);
        DPLSV(0, 0, M[1]);
    }
    EXPECT_EQ(Pair(kPosition[0]), 1498);  // 999 ms at 1500 Hz
    SetPair(0, -1000);
    AdvanceClock(1);
    DPLSV(0, 0, M[1]);
    EXPECT_EQ(Pair(kPosition[0]), 1498) << "1.5 - 1 pulses is not yet a whole one";
    AdvanceClock(1000);
    DPLSV(0, 0, M[1]);
    EXPECT_EQ(Pair(kPosition[0]), 498);  // 1498.5 - 1000.5 pulses, half a pulse to come
    EXPECT_EQ(M[1], 0);
    B00 = 0;
    DPLSV(0, 0, M[1]);
    EXPECT_EQ(D[325], 0);
    AdvanceClock(1000);
    DPLSV(0, 0, M[1]);
    EXPECT_EQ(Pair(kPosition[0]), 498);
}

TEST_F(PulseOutputTest, VariableFrequencyStopsAfterItsPulses) {
    SetPair(0, 100);   // pulses
    SetPair(2, 1000);  // Hz
    B00 = 1;
    PLSF(0, 2, 4, 0);
    EXPECT_EQ(D[325] & 1, 1);
    AdvanceClock(60);
    PLSF(0, 2, 4, 0);
    EXPECT_EQ(Pair(kPosition[0]), 60);
    AdvanceClock(60);
    PLSF(0, 2, 4, 0);
    EXPECT_EQ(Pair(kPosition[0]), 100);
    EXPECT_EQ(D[325], 0);
    EXPECT_EQ(M[M_DONE_FLAG], 1);
    AdvanceClock(60);
    PLSF(0, 2, 4, 0);
    EXPECT_EQ(Pair(kPosition[0]), 100) << "it does not start again while the input holds";
}

TEST_F(PulseOutputTest, PwmDrivesItsOutputForItsShareOfTheCycle) {
    int on = 0;
    B00 = 1;
    for (int ms = 0; ms < 100; ++ms) {
        SetClock(static_cast<unsigned int>(ms));
        PWM(30, 7);
        on += Y[7];
    }
    EXPECT_EQ(on, 30);
    B00 = 0;
    SetClock(0);
    PWM(30, 7);
    EXPECT_EQ(Y[7], 0);
    B00 = 1;
    PWM(50, 18);  // Y18 is no output
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(PulseOutputTest, SpeedMeasurementCountsEdgesPerWindow) {
    B00 = 1;
    for (int ms = 0; ms < 100; ms += 5) {
        SetClock(static_cast<unsigned int>(ms));
        X[20] = (ms / 5) % 2;  // a rise every 10 ms
        SPD(20, 100, 0);
    }
    EXPECT_EQ(D[1], 10);
    EXPECT_EQ(D[2], 5);
    SetClock(100);
    SPD(20, 100, 0);
    EXPECT_EQ(D[0], 10);
    EXPECT_EQ(D[1], 0);
    SPD(30, 100, 0);  // X30 is not a speed input
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(PulseOutputTest, RefreshReadsInputsOrWritesOutputsAtOnce) {
    B00 = 1;
    REF(0, 0);
    REF(1, 10);
    REF(1, 0);
    EXPECT_EQ(InputRefreshes(), 1);
    EXPECT_EQ(OutputRefreshes(), 2);
}

TEST_F(LinkTest, ModbusRequestsEndWithNoAnswer) {
    B00 = 1;
    MODRD(1, 100, 10);
    EXPECT_EQ(M[M_DONE_FLAG], 1);
    EXPECT_EQ(M[M_LINK_ERROR_FLAG], 1);
    M[M_LINK_ERROR_FLAG] = 0;
    MODWR(0, 2, 3);  // a broadcast expects no answer
    EXPECT_EQ(M[M_LINK_ERROR_FLAG], 0);
    MODRB(0, 1, 16);  // a broadcast read is no request
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(LinkTest, FreePortsCheckTheirBuffersAndTimeOut) {
    B00 = 1;
    D[1] = 7;
    RS1(10, 0, 20, 1);
    EXPECT_EQ(M[M_DONE_FLAG], 1);
    EXPECT_EQ(M[M_LINK_ERROR_FLAG], 1);
    EXPECT_EQ(D[1], 7);
    EXPECT_EQ(M[M_OPERATION_ERROR], 0);
    RS4(V, 9990, 0, 0);
    EXPECT_EQ(M[M_OPERATION_ERROR], 0);
    V = 20;
    RS4(V, 9990, 0, 0);  // twenty words from D9990 pass D9999
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

std::string Line(int l) {
    return std::string(LcdScreen[l], LCD_COLUMNS);
}

TEST_F(DisplayTest, TextAndRegistersOnTheScreen) {
    B00 = 1;
    LcdCLR();
    TXT(1, 2, "AB  ");
    EXPECT_EQ(Line(1), "  AB                ");
    D[100] = -1234;
    REG(0, 0, 100, 52);
    EXPECT_EQ(Line(0), "-12.34              ");
    D[100] = 7;
    REG(0, 10, 100, 41);
    EXPECT_EQ(Line(0), "-12.34      0.7     ");
    D[100] = 5;
    REG(2, 0, 100, 3);
    EXPECT_EQ(Line(2).substr(0, 5), "0.005");
    TXT(3, 7, "ABCDEFGHIJKLMN");
    EXPECT_EQ(Line(3), "       ABCDEFGHIJKLM") << "cut at the line's end";
    B00 = 0;
    TXT(0, 0, "XX");
    EXPECT_EQ(Line(0)[0], '-');
}

}  // namespace
}  // namespace vx::test
