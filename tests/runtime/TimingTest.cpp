// Timers, counters and the instructions that run over time: hour meter,
// timing clock, ramp, PID, scaling and filtering.
#include <string>

#include "runtime/HostShim.h"

namespace vx::test {
namespace {

using TimerTest = RuntimeTest;
using CounterTest = RuntimeTest;
using ControlTest = RuntimeTest;

// One scan of "LD X0; TON n k".
void TimerScan(unsigned short n, int k) {
    LD(X[0]);
    TON(n, k);
}

TEST_F(TimerTest, HundredMillisecondTimerClosesAtItsSetValue) {
    X[0] = 1;
    SetClock(5000);
    TimerScan(0, 10);
    for (int i = 0; i < 99; ++i) {
        AdvanceClock(10);
        TimerScan(0, 10);
    }
    EXPECT_EQ(T_Nonce[0], 9);
    EXPECT_EQ(T_out[0], 0);
    AdvanceClock(10);
    TimerScan(0, 10);
    EXPECT_EQ(T_Nonce[0], 10);
    EXPECT_EQ(T_out[0], 1);
    AdvanceClock(5000);
    TimerScan(0, 10);
    EXPECT_EQ(T_Nonce[0], 10) << "the value stops at the set value";

    X[0] = 0;
    TimerScan(0, 10);
    EXPECT_EQ(T_Nonce[0], 0);
    EXPECT_EQ(T_out[0], 0);
    X[0] = 1;
    TimerScan(0, 10);
    AdvanceClock(999);
    TimerScan(0, 10);
    EXPECT_EQ(T_out[0], 0) << "it starts again from 0";
}

TEST_F(TimerTest, UnitsByTimerNumber) {
    X[0] = 1;
    SetClock(0xFFFFFF00u);  // the clock wraps during the run
    for (unsigned short n : {199, 200, 245, 246, 399})
        TimerScan(n, 30000);
    AdvanceClock(500);
    for (unsigned short n : {199, 200, 245, 246, 399})
        TimerScan(n, 30000);
    EXPECT_EQ(T_Nonce[199], 5);
    EXPECT_EQ(T_Nonce[200], 50);
    EXPECT_EQ(T_Nonce[245], 50);
    EXPECT_EQ(T_Nonce[246], 500);
    EXPECT_EQ(T_Nonce[399], 500);
}

TEST_F(TimerTest, SetValueFromARegisterAndABadNumber) {
    X[0] = 1;
    D[3] = 0;
    TimerScan(5, D[3]);
    EXPECT_EQ(T_out[5], 1) << "K0 closes at once";
    Timer_Handle(400, 1, 1);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

// One scan of "LD X1; CNT n k" and "LD X2; RST Cn".
void CounterScan(unsigned short n, int k) {
    LD(X[1]);
    CNT(n, k);
    LD(X[2]);
    Rcnt(n);
}

TEST_F(CounterTest, CountsRisingEdgesUpToTheSetValue) {
    const int input[] = {1, 1, 0, 1, 0, 0, 1, 1, 0, 1, 0, 1};
    int closedAt = -1;
    for (int i = 0; i < 12; ++i) {
        X[1] = static_cast<unsigned char>(input[i]);
        CounterScan(3, 4);
        if (C_out[3] && closedAt < 0) closedAt = i;
    }
    EXPECT_EQ(closedAt, 9);
    EXPECT_EQ(C_Nonce[3], 4) << "edges past the set value are not counted";
    EXPECT_EQ(C_Memory[3], 4);
}

TEST_F(CounterTest, ResetClearsAndAHeldInputIsNotCountedAgain) {
    X[1] = 1;
    CounterScan(4, 2);
    EXPECT_EQ(C_Nonce[4], 1);
    X[2] = 1;
    CounterScan(4, 2);
    EXPECT_EQ(C_Nonce[4], 0);
    X[2] = 0;
    CounterScan(4, 2);
    EXPECT_EQ(C_Nonce[4], 0);
    X[1] = 0;
    CounterScan(4, 2);
    X[1] = 1;
    CounterScan(4, 2);
    EXPECT_EQ(C_Nonce[4], 1);
    Counter_Handle(200, 1, 1);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(ControlTest, HourMeterCountsSecondsWhileItsInputHolds) {
    D[0] = 1;  // alarm at one hour
    D[2] = 0;
    D[3] = 3598;  // seconds of the running hour
    for (int second = 0; second < 3; ++second) {
        B00 = second != 1;  // the second second the input is off
        Sec_CLK_ON = TRUE;
        HOUR(0, 2, Y[17]);
    }
    EXPECT_EQ(D[2], 1);
    EXPECT_EQ(D[3], 0);
    EXPECT_EQ(Y[17], 1);
    B00 = 1;
    Sec_CLK_ON = FALSE;
    HOUR(0, 2, Y[17]);
    EXPECT_EQ(D[3], 0) << "seconds count only on the second's scan";
}

TEST_F(ControlTest, TimingClockRunsOnOnceStarted) {
    std::string pattern;
    for (int scan = 0; scan < 8; ++scan) {
        B00 = scan == 0;
        DUTY(2, 3, 8331);
        pattern += M[8331] ? '1' : '0';
    }
    EXPECT_EQ(pattern, "11011011");
    B00 = 1;
    DUTY(2, 0, 8332);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(ControlTest, RampReachesItsEndInNScansAndRestarts) {
    D[0] = 100;
    D[1] = 200;
    B00 = 1;
    for (int scan = 0; scan < 3; ++scan)
        RAMP(0, 1, 2, 4);
    EXPECT_EQ(D[2], 175);
    EXPECT_EQ(M[M_DONE_FLAG], 0);
    RAMP(0, 1, 2, 4);
    RAMP(0, 1, 2, 4);
    EXPECT_EQ(D[2], 200);
    EXPECT_EQ(D[3], 4);
    EXPECT_EQ(M[M_DONE_FLAG], 1);
    B00 = 0;
    RAMP(0, 1, 2, 4);
    EXPECT_EQ(D[2], 200) << "the value stays when the input drops";
    B00 = 1;
    RAMP(0, 1, 2, 4);
    EXPECT_EQ(D[2], 125);
}

TEST_F(ControlTest, ProportionalControlWithinTheOutputLimits) {
    const unsigned short par = 100;
    D[par] = 100;      // sample every 100 ms
    D[par + 2] = 200;  // Kp 2.0
    D[par + 5] = -50;
    D[par + 6] = 500;
    D[0] = 1000;  // SV
    D[1] = 900;   // PV
    B00 = 1;
    PID(0, 1, par, 3);
    EXPECT_EQ(D[3], 200);
    D[1] = 600;
    AdvanceClock(50);
    PID(0, 1, par, 3);
    EXPECT_EQ(D[3], 200) << "not before the sample time";
    AdvanceClock(50);
    PID(0, 1, par, 3);
    EXPECT_EQ(D[3], 500) << "held at the high limit";
    D[par + 1] = 1;  // reverse action
    AdvanceClock(100);
    PID(0, 1, par, 3);
    EXPECT_EQ(D[3], -50);
}

TEST_F(ControlTest, IntegralActionRemovesTheRemainingError) {
    const unsigned short par = 200;
    D[par] = 100;
    D[par + 2] = 100;  // Kp 1.0
    D[par + 3] = 10;   // Ti 1 s
    D[0] = 100;
    D[1] = 90;
    B00 = 1;
    PID(0, 1, par, 3);
    const int first = D[3];
    for (int i = 0; i < 10; ++i) {
        AdvanceClock(100);
        PID(0, 1, par, 3);
    }
    EXPECT_GT(D[3], first + 5) << "a constant error keeps the output growing";

    D[par + 1] = 2;  // incremental: each sample adds its step to the output
    B00 = 0;
    PID(0, 1, par, 3);
    EXPECT_EQ(D[par + 17], 0) << "dropping the input clears the working registers";
    const int before = D[3];
    B00 = 1;
    PID(0, 1, par, 3);
    EXPECT_EQ(D[3], before + 1);  // (e - e1) 0 + e x Ts / Ti = 1
    PID(9900, 1, 9990, 3);        // the block passes D9999
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(ControlTest, ScalingCalibrationAndFilter) {
    B00 = 1;
    D[0] = 4095;
    SCAD(0, 1000, 1);
    EXPECT_EQ(D[1], 1000);
    D[0] = 2048;
    SCAD(0, D[5], 1);
    EXPECT_EQ(D[1], 0);

    D[10] = 200;
    D[11] = 1500;  // gain 1.5
    D[12] = -10;   // offset
    LADJ(10, 11, 13);
    EXPECT_EQ(D[13], 290);

    D[20] = 100;
    int scans = 0;
    while (D[21] != 100 && scans < 100) {
        FILT(20, 4, 21);
        ++scans;
    }
    EXPECT_EQ(D[21], 100) << "the filter reaches its input";
    EXPECT_GT(scans, 10);
}

}  // namespace
}  // namespace vx::test
