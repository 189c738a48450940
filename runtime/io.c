/* Instructions that drive the controller's hardware: pulse outputs, serial
   and Modbus links, the display. Each one takes its operands and keeps them
   for the drivers of the hardware model. */
#include "plc.h"

static volatile int LastRequest[6];

static void Keep(int a, int b, int c, int d, int e, int f) {
    LastRequest[0] = a;
    LastRequest[1] = b;
    LastRequest[2] = c;
    LastRequest[3] = d;
    LastRequest[4] = e;
    LastRequest[5] = f;
}

void Ins_SPD(unsigned short x, int time, unsigned short d) { Keep(1, x, time, d, 0, 0); }
void Ins_REF(unsigned short kind, unsigned short n) { Keep(2, kind, n, 0, 0, 0); }
void Ins_PWM(int width, unsigned short y) { Keep(3, width, y, 0, 0, 0); }
void Ins_PLSR(unsigned short a, unsigned short b, unsigned short c, unsigned short ch) {
    Keep(4, a, b, c, ch, 0);
}
void Ins_PLSF(unsigned short a, unsigned short b, unsigned short c, unsigned short ch) {
    Keep(5, a, b, c, ch, 0);
}
void Ins_DPLSV(unsigned short f, unsigned short y, INT8U* flag) {
    Keep(6, f, y, 0, 0, 0);
    *flag = 0;
}
void Ins_DDRV(unsigned short n, unsigned short f, unsigned short y, INT8U* flag,
              unsigned char absolute) {
    Keep(7, n, f, y, absolute, 0);
    *flag = 0;
}
void Ins_DZRN(unsigned short a, unsigned short b, INT8U* sensor, unsigned short y) {
    Keep(8, a, b, *sensor, y, 0);
}
void Ins_MODBUS(unsigned char op, int station, int address, int n) {
    Keep(9, op, station, address, n, 0);
}
void Ins_RS(unsigned char port, int a, unsigned short b, int c, unsigned short d) {
    Keep(10, port, a, b, c, d);
}
void Ins_REG(unsigned short a, unsigned short b, unsigned short d, unsigned short n) {
    Keep(11, a, b, d, n, 0);
}
void LcdCLR(void) { Keep(12, 0, 0, 0, 0, 0); }
void LcdText(unsigned short line, unsigned short column, const char* text) {
    Keep(13, line, column, text != 0, 0, 0);
}
