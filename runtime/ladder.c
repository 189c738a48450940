/* Edges, pulses, timers and counters of the ladder program. */
#include "plc.h"
#include "runtime.h"

unsigned char rPULSE(unsigned char input, INT8U* memory) {
    unsigned char edge = input && !*memory;
    *memory = input;
    return edge;
}

unsigned char rPULSEF(unsigned char input, INT8U* memory) {
    unsigned char edge = !input && *memory;
    *memory = input;
    return edge;
}

void PULSE(INT8U* bit, INT8U* memory, unsigned char input) {
    *bit = rPULSE(input, memory);
}

void PULSEF(INT8U* bit, INT8U* memory, unsigned char input) {
    *bit = rPULSEF(input, memory);
}

/* T0-T199 count 100 ms, T200-T245 10 ms, the rest 1 ms. */
static unsigned int TimerUnit(unsigned short n) {
    return n < 200 ? 100u : (n < 246 ? 10u : 1u);
}

void Timer_Handle(unsigned short n, int setValue, unsigned char input) {
    if (n >= T_SIZE) return;
    if (!input) {
        T_Memory[n] = 0;
        T_Nonce[n] = 0;
        T_out[n] = 0;
        return;
    }
    if (T_Memory[n] == 0) T_Memory[n] = RuntimeMilliseconds() | 1u;
    unsigned int elapsed = (RuntimeMilliseconds() - T_Memory[n]) / TimerUnit(n);
    if (elapsed > 32767u) elapsed = 32767u;
    T_Nonce[n] = (unsigned short)elapsed;
    T_out[n] = (int)elapsed >= setValue ? 1 : 0;
}

void Counter_Handle(unsigned short n, int setValue, unsigned char input) {
    if (n >= C_SIZE) return;
    if (input && !C_clk[n] && C_Nonce[n] < 32767) C_Nonce[n]++;
    C_clk[n] = input;
    C_Memory[n] = setValue;
    C_out[n] = C_Nonce[n] >= setValue ? 1 : 0;
}

void Counter_Reset(unsigned short n) {
    if (n >= C_SIZE) return;
    C_Nonce[n] = 0;
    C_out[n] = 0;
}
