/* The ladder program's interrupt subroutines: subroutine 31 on the internal
   timer when the flag byte of the system parameters asks for it (every 1 ms;
   the system tick is the only timer the run-time drives, so the faster
   setting also runs it every 1 ms) and subroutine 30 on the edges of the inputs X00-X02 that
   the interrupt modes select. An interrupt subroutine works on the same
   accumulator and bit stack as the scan it interrupts, so both are kept
   aside while it runs. */
#include "plc.h"
#include "runtime.h"

/* SysIni_TAB positions and the codes of the interrupt modes. */
enum {
    kFlagByte = 25,
    kFirstInterruptMode = 26,
    kRisingEdge = 0x0C,
    kFallingEdge = 0x08,
    kBothEdges = 0x10,
};

void RuntimeRunSubroutine(unsigned char n) {
    unsigned char saved[PUSH_SIZE];
    unsigned char accumulator = B00;
    unsigned char count = PUSHcnt;
    for (int i = 0; i < PUSH_SIZE; ++i)
        saved[i] = PUSH[i];
    CALL_Sub(n);
    for (int i = 0; i < PUSH_SIZE; ++i)
        PUSH[i] = saved[i];
    PUSHcnt = count;
    B00 = accumulator;
}

void RuntimeTimerInterrupt(void) {
    if ((SysIni_TAB[kFlagByte] >> 4) & 3u) RuntimeRunSubroutine(31);
}

static unsigned char LastInput[3];

void RuntimeInputInterrupts(void) {
    for (int i = 0; i < 3; ++i) {
        const unsigned char now = X[i] ? 1 : 0;
        const unsigned char rise = now && !LastInput[i];
        const unsigned char fall = !now && LastInput[i];
        LastInput[i] = now;
        const unsigned short mode = SysIni_TAB[kFirstInterruptMode + i];
        if ((mode == kRisingEdge && rise) || (mode == kFallingEdge && fall) ||
            (mode == kBothEdges && (rise || fall))) {
            RuntimeRunSubroutine(30);
        }
    }
}
