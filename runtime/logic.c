/* The accumulator and bit stack of the ladder program. The stack wraps
   around its 32 entries, so a rung that leaves pushed values behind (every
   rung starts with a load) never writes outside it; the scan loop empties it
   before each scan. */
#include "plc.h"

static void Push(void) {
    PUSH[PUSHcnt & (PUSH_SIZE - 1)] = B00;
    PUSHcnt = (unsigned char)(PUSHcnt + 1);
}

static unsigned char Pop(void) {
    PUSHcnt = (unsigned char)(PUSHcnt - 1);
    return PUSH[PUSHcnt & (PUSH_SIZE - 1)];
}

void PLC_LD(unsigned char a) {
    Push();
    B00 = a ? 1 : 0;
}

void PLC_AND(unsigned char a) {
    B00 = (B00 && a) ? 1 : 0;
}

void PLC_OR(unsigned char a) {
    B00 = (B00 || a) ? 1 : 0;
}

void PLC_ANB(void) {
    unsigned char top = Pop();
    B00 = (top && B00) ? 1 : 0;
}

void PLC_ORB(void) {
    unsigned char top = Pop();
    B00 = (top || B00) ? 1 : 0;
}

void PLC_MPS(void) {
    Push();
}

void PLC_MRD(void) {
    B00 = PUSH[(unsigned char)(PUSHcnt - 1) & (PUSH_SIZE - 1)];
}

void PLC_MPP(void) {
    B00 = Pop();
}

void PLC_INV(void) {
    B00 = B00 ? 0 : 1;
}
