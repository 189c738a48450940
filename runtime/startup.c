/* Start-up and scan loop of the controller: the vector table, the reset
   handler that prepares memory and runs the program's scans (COM1's Modbus
   requests are answered between two scans), the system tick and the CAN
   function of the variant.

   Built once per variant: VX_CAN 0 (no CAN), 1 (CANown data sharing) or 2
   (CANopen); VX_WIDE 1 for the controllers with the larger memory map. */
#include "plc.h"
#include "runtime.h"

#ifndef VX_CAN
#define VX_CAN 0
#endif
#ifndef VX_WIDE
#define VX_WIDE 0
#endif

extern unsigned int _sidata, _sdata, _edata, _sbss, _ebss, _estack;

void Reset_Handler(void);
void Default_Handler(void);
void SysTick_Handler(void);

static volatile unsigned int Milliseconds;
static volatile unsigned char SecondPending;

unsigned int RuntimeMilliseconds(void) {
    return Milliseconds;
}

void SysTick_Handler(void) {
    if (++Milliseconds % 1000u == 0u) SecondPending = 1;
    RuntimeTimerInterrupt();
}

void Default_Handler(void) {
    for (;;) {
    }
}

/* The I/O point an X or Y index names: its decimal digits read as octal
   (X17 is the 16th point); -1 for an index with a digit 8 or 9. */
static int PointOf(unsigned short index) {
    int point = 0, scale = 1;
    for (unsigned short rest = index; rest > 0; rest /= 10, scale *= 8) {
        if (rest % 10 > 7) return -1;
        point += (rest % 10) * scale;
    }
    return point;
}

/* Inputs and outputs go through the model's I/O points: devices beyond them
   read as off. */
void RuntimeReadInputs(void) {
    for (unsigned short i = 0; i < X_SIZE; ++i) {
        if (PointOf(i) < 0 || PointOf(i) >= PlcModel.inputs) X[i] = 0;
    }
}

void RuntimeWriteOutputs(void) {
    for (unsigned short i = 0; i < Y_SIZE; ++i) {
        if (PointOf(i) < 0 || PointOf(i) >= PlcModel.outputs) Y[i] = 0;
    }
}

#if VX_CAN == 0
void CAN_Handle(void) {}
#elif VX_CAN == 1
/* CANown: the data-share area (own ID and acceptance codes in SysIni_TAB). */
static volatile unsigned short CanShareIds[4];
void CAN_Handle(void) {
    for (int i = 0; i < 4; ++i)
        CanShareIds[i] = SysIni_TAB[17 + i];
}
#else
/* CANopen: node ID and TPDO inhibit time from SysIni_TAB. */
static volatile unsigned short CanOpenNode, CanOpenInhibit;
void CAN_Handle(void) {
    CanOpenNode = SysIni_TAB[14];
    CanOpenInhibit = SysIni_TAB[16];
}
#endif

#define SYST_CSR (*(volatile unsigned int*)0xE000E010u)
#define SYST_RVR (*(volatile unsigned int*)0xE000E014u)
#define SYST_CVR (*(volatile unsigned int*)0xE000E018u)

void Reset_Handler(void) {
    unsigned int* from = &_sidata;
    for (unsigned int* to = &_sdata; to < &_edata;)
        *to++ = *from++;
    for (unsigned int* to = &_sbss; to < &_ebss;)
        *to++ = 0;
    RuntimeIdentity();

    SYST_RVR = 72000u - 1u; /* 1 ms at 72 MHz */
    SYST_CVR = 0;
    SYST_CSR = 7u;
    SerialStart();

    for (;;) {
        if (SecondPending) {
            SecondPending = 0;
            Sec_CLK_ON = TRUE;
        }
        RuntimeReadInputs();
        RuntimeInputInterrupts();
        PUSHcnt = 0;
        PLCact();
        CAN_Handle();
        RuntimeWriteOutputs();
        SerialPoll();
    }
}

#define VX_IRQS (VX_WIDE ? 68 : 60)

typedef void (*Vector)(void);

__attribute__((section(".isr_vector"), used)) const Vector VectorTable[16 + VX_IRQS] = {
    (Vector)&_estack,
    Reset_Handler,
    Default_Handler,
    Default_Handler,
    Default_Handler,
    Default_Handler,
    Default_Handler,
    0,
    0,
    0,
    0,
    Default_Handler,
    Default_Handler,
    0,
    Default_Handler,
    SysTick_Handler,
    [16 ... 16 + 36] = Default_Handler,
    [16 + 37] = USART1_IRQHandler,
    [16 + 38 ... 16 + VX_IRQS - 1] = Default_Handler,
};
