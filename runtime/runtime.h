/* What the run-time library's parts share with the start-up code. */
#ifndef RUNTIME_H
#define RUNTIME_H

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

/* COM1 as the Modbus RTU slave (serial.c): SerialStart sets the port up
   from SysIni_TAB, SerialPoll answers a request that has come, between two
   scans. */
void SerialStart(void);
void SerialPoll(void);
void USART1_IRQHandler(void);

#endif
