/* Edges, pulses, timers and counters of the ladder program. */
#include "plc.h"
#include "runtime.h"

unsigned char rPULSE(unsigned char input, INT8U* memory) {
    unsigned char edge = input && !*memory;
    *memory = input ? 1 : 0;
    return edge;
}

unsigned char rPULSEF(unsigned char input, INT8U* memory) {
    unsigned char edge = !input && *memory;
    *memory = input ? 1 : 0;
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

/* The clock reading of each timer's last scan while it was running. */
static unsigned int TimerStamp[T_SIZE];
static unsigned char TimerRunning[T_SIZE];

/* An on-delay timer: while its input holds it adds the time that passed
   since the last scan to T_Memory (in ms); its current value T_Nonce counts
   whole units and stops at the set value, where the contact closes. The
   timer starts again from 0 when the input drops. */
void Timer_Handle(unsigned short n, int setValue, unsigned char input) {
    if (n >= T_SIZE) {
        Plc_Error();
        return;
    }
    unsigned int now = RuntimeMilliseconds();
    if (!input) {
        TimerRunning[n] = 0;
        T_Memory[n] = 0;
        T_Nonce[n] = 0;
        T_out[n] = 0;
        return;
    }
    unsigned int unit = TimerUnit(n);
    unsigned int limit = (unsigned int)(setValue < 0 ? 0 : (setValue > 32767 ? 32767 : setValue));
    unsigned int memory = T_Memory[n];
    if (TimerRunning[n]) {
        unsigned int cap = limit * unit, delta = now - TimerStamp[n];
        if (memory > cap) memory = cap; /* the set value came down */
        memory = delta >= cap - memory ? cap : memory + delta;
    } else {
        memory = 0;
        TimerRunning[n] = 1;
    }
    TimerStamp[n] = now;
    T_Memory[n] = memory;
    T_Nonce[n] = (unsigned short)(memory / unit);
    T_out[n] = T_Nonce[n] >= limit ? 1 : 0;
}

/* A 16-bit up counter: counts the rising edges of its input until the
   current value reaches the set value (K0 acts as K1), where the contact
   closes and further edges are not counted. */
void Counter_Handle(unsigned short n, int setValue, unsigned char input) {
    if (n >= C_SIZE) {
        Plc_Error();
        return;
    }
    int limit = setValue < 1 ? 1 : (setValue > 32767 ? 32767 : setValue);
    if (input && !C_clk[n] && C_Nonce[n] < limit) C_Nonce[n] = (short)(C_Nonce[n] + 1);
    C_clk[n] = input ? 1 : 0;
    C_Memory[n] = setValue;
    C_out[n] = C_Nonce[n] >= limit ? 1 : 0;
}

/* Clears the counter's value and contact; an input that stays on after the
   reset is not counted again until it rises anew. */
void Counter_Reset(unsigned short n) {
    if (n >= C_SIZE) {
        Plc_Error();
        return;
    }
    C_Nonce[n] = 0;
    C_out[n] = 0;
}
