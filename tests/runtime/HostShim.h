// What the start-up code gives the run-time kit on the controller, for the
// host: a clock the test sets, input and output refresh counters, and a
// reset of the whole device memory between tests.
#pragma once

#include <gtest/gtest.h>

extern "C" {
#include "plc.h"
#include "runtime.h"
}

namespace vx::test {

void SetClock(unsigned int milliseconds);
void AdvanceClock(unsigned int milliseconds);
int InputRefreshes();
int OutputRefreshes();
int SubroutineCalls(unsigned char n);

// Clears every device, flag and the stack, the clock and the refresh
// counters, and lets the kit's own per-instance state (timers, pulse
// channels) see its inputs drop.
void ResetKit();

class RuntimeTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetKit(); }
};

// A 32-bit register pair as the kit keeps it: low word first.
inline void SetPair(unsigned short n, int value) {
    D[n] = static_cast<short>(static_cast<unsigned int>(value) & 0xFFFFu);
    D[n + 1] = static_cast<short>(static_cast<unsigned int>(value) >> 16);
}
inline int Pair(unsigned short n) {
    return static_cast<int>(
        static_cast<unsigned short>(D[n]) |
        (static_cast<unsigned int>(static_cast<unsigned short>(D[n + 1])) << 16));
}
void SetFloat(unsigned short n, float value);
float Float(unsigned short n);

}  // namespace vx::test
