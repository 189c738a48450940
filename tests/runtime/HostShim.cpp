#include "runtime/HostShim.h"

#include <cstring>

namespace {
unsigned int clockMs = 0;
int inputRefreshes = 0, outputRefreshes = 0;
int subroutineCalls[32];
}  // namespace

extern "C" {

const INT16U SysIni_TAB[] = {0, 0, 0, 0};
const struct PlcModelInfo PlcModel = {0, 0, 16, 16};

unsigned int RuntimeMilliseconds(void) {
    return clockMs;
}
void RuntimeReadInputs(void) {
    ++inputRefreshes;
}
void RuntimeWriteOutputs(void) {
    ++outputRefreshes;
}
void PLCact(void) {}
void function1(void) {}
void Plu_Handle(void) {}
void CAN_Handle(void) {}
void CALL_Sub(unsigned char n) {
    ++subroutineCalls[n & 31];
}
}

namespace vx::test {

void SetClock(unsigned int milliseconds) {
    clockMs = milliseconds;
}
void AdvanceClock(unsigned int milliseconds) {
    clockMs += milliseconds;
}
int InputRefreshes() {
    return inputRefreshes;
}
int OutputRefreshes() {
    return outputRefreshes;
}
int SubroutineCalls(unsigned char n) {
    return subroutineCalls[n & 31];
}

template <typename T, std::size_t N>
static void Clear(volatile T (&array)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        array[i] = 0;
}

void ResetKit() {
    clockMs = 0;
    inputRefreshes = outputRefreshes = 0;
    std::memset(subroutineCalls, 0, sizeof subroutineCalls);
    Clear(X), Clear(Y), Clear(S), Clear(SP), Clear(M), Clear(MP), Clear(D), Clear(SD);
    Clear(T_out), Clear(T_Memory), Clear(T_Nonce), Clear(C_clk), Clear(C_out), Clear(C_Memory),
        Clear(C_Nonce), Clear(PUSH);
    B00 = 0;
    PUSHcnt = 0;
    Sec_CLK_ON = 0;
    N[0] = TRUE;
    N[1] = TRUE;
    Z = 0;
    V = 0;
    // Inputs off: timers stop, pulse channels and PWM see their drive drop.
    for (unsigned short t = 0; t < T_SIZE; ++t)
        Timer_Handle(t, 0, 0);
    INT8U direction = 0;
    for (unsigned short y = 0; y < 3; ++y) {
        Ins_DPLSV(0, y, &direction);
        Ins_DDRV(0, 0, y, &direction, 0);
    }
    Clear(D), Clear(M), Clear(Y);
    std::memset(LcdScreen, 0, sizeof LcdScreen);
}

void SetFloat(unsigned short n, float value) {
    unsigned int bits;
    std::memcpy(&bits, &value, sizeof bits);
    SetPair(n, static_cast<int>(bits));
}

float Float(unsigned short n) {
    const unsigned int bits = static_cast<unsigned int>(Pair(n));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace vx::test
