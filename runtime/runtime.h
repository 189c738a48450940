/* What the run-time library's parts share with the start-up code. */
#ifndef RUNTIME_H
#define RUNTIME_H

#ifdef __cplusplus
extern "C" {
#endif

/* Milliseconds since start, counted by the system tick. */
unsigned int RuntimeMilliseconds(void);

/* The model the image was linked for (the per-model object). */
struct PlcModelInfo {
    unsigned char series;
    unsigned char version;
    unsigned short inputs;  /* number of X points */
    unsigned short outputs; /* number of Y points */
};
extern const struct PlcModelInfo PlcModel;

/* Reads the inputs into X and writes Y to the outputs. */
void RuntimeReadInputs(void);
void RuntimeWriteOutputs(void);

/* The text display's memory: TXT, REG and CLR write here, one byte per
   character (a GBK character takes two). */
#define LCD_LINES 4
#define LCD_COLUMNS 20
extern char LcdScreen[LCD_LINES][LCD_COLUMNS];

/* Interrupt subroutines (interrupts.c): runs subroutine n with the
   accumulator and bit stack kept aside; the timer interrupt, called on every
   1 ms tick; the input interrupts, checked after every input read. */
void RuntimeRunSubroutine(unsigned char n);
void RuntimeTimerInterrupt(void);
void RuntimeInputInterrupts(void);

/* The controller's identity (identity.c): year and month of the kit's build,
   its version and a serial number into D2090-D2094, at start. */
#define RUNTIME_IDENTITY_REGISTER 2090
void RuntimeIdentity(void);

/* COM1 as the Modbus RTU slave (serial.c): SerialStart sets the port up
   from SysIni_TAB, SerialPoll answers a request that has come, between two
   scans. */
void SerialStart(void);
void SerialPoll(void);
void USART1_IRQHandler(void);

#ifdef __cplusplus
}
#endif

#endif
