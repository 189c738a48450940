/* Instructions that drive the controller's hardware: pulse outputs, PWM,
   speed measurement, I/O refresh, the Modbus master and free serial ports,
   the text display.

   The kit has no drivers for the pulse generators, the serial ports as a
   master, CAN or the display, so these instructions do what can be done
   without them: they keep their registers and flags as the hardware would
   leave them (a positioning move ends at its target at once; a link request
   ends with no answer; the display is a text buffer in RAM). */
#include <stdint.h>

#include "plc.h"
#include "runtime.h"

static int PairFits(unsigned int n) {
    if (n + 1u < D_SIZE) return 1;
    Plc_Error();
    return 0;
}

/* ---- pulse outputs ----------------------------------------------------------- */

/* Three pulse channels on Y0 (or Y20), Y1 (Y21) and Y2 (Y22). Channel k keeps
   its registers from D[300 + 8k]: +0/+1 pulses of the move, +2/+3 output
   count (the current position), +4/+5 frequency, +6 start frequency, +7
   acceleration time; D[325] bit k is set while the channel runs. */
#define PULSE_CHANNELS 3
#define PULSE_BASE(k) (300u + 8u * (unsigned int)(k))
#define PULSE_RUNNING 325u

struct PulseChannel {
    unsigned char input;   /* the drive input of the last scan */
    unsigned char running; /* a speed output is on */
    unsigned int stamp;    /* clock of the last scan while running */
    long long remainder;   /* pulse fraction (in 1/1000) not yet counted */
    int left;              /* pulses still to go (PLSF with a count), 0: no end */
};
static struct PulseChannel Channels[PULSE_CHANNELS];

static int ChannelOfOutput(unsigned short y) {
    if (y <= 2) return y;
    if (y >= 20 && y <= 22) return y - 20;
    Plc_Error();
    return -1;
}

static void SetRunning(int k, int on) {
    unsigned int bits = (unsigned short)D[PULSE_RUNNING];
    bits = on ? bits | (1u << k) : bits & ~(1u << k);
    D[PULSE_RUNNING] = (short)bits;
    Channels[k].running = (unsigned char)on;
}

/* True on the scan the drive input rises. */
static int Rising(int k) {
    int rise = B00 && !Channels[k].input;
    Channels[k].input = B00 ? 1 : 0;
    return rise;
}

/* A positioning move: the position register reaches its target at once. */
static void MoveTo(int k, int target, int frequency) {
    unsigned int base = PULSE_BASE(k);
    Obtain_SetD32(base + 4, frequency);
    Obtain_SetD32(base + 2, target);
    SetRunning(k, 0);
    M[M_DONE_FLAG] = 1;
}

/* A speed output: while the input holds, the position counts the pulses
   the frequency would have given out since the last scan. */
static void RunAt(int k, int frequency) {
    struct PulseChannel* c = &Channels[k];
    unsigned int base = PULSE_BASE(k), now = RuntimeMilliseconds();
    Obtain_SetD32(base + 4, frequency);
    if (!B00) {
        if (c->running) SetRunning(k, 0);
        return;
    }
    if (!c->running) {
        SetRunning(k, 1);
        c->stamp = now;
        c->remainder = 0;
        return;
    }
    long long total = (long long)frequency * (long long)(now - c->stamp) + c->remainder;
    c->stamp = now;
    long long pulses = total / 1000;
    c->remainder = total % 1000;
    if (c->left > 0 && pulses >= c->left) {
        pulses = c->left;
        c->left = 0;
        SetRunning(k, 0);
        M[M_DONE_FLAG] = 1;
    } else if (c->left > 0) {
        c->left -= (int)pulses;
    }
    unsigned int position = (unsigned int)Obtain_D32(base + 2) + (unsigned int)pulses;
    Obtain_SetD32(base + 2, (int)position);
}

/* PLSR: when the input rises, a move of D32(a) pulses at D32(b) Hz with
   acceleration time D[c] on channel ch. */
void Ins_PLSR(unsigned short a, unsigned short b, unsigned short c, unsigned short ch) {
    if (ch >= PULSE_CHANNELS || !PairFits(a) || !PairFits(b) || c >= D_SIZE) {
        if (ch >= PULSE_CHANNELS && B00) Plc_Error();
        return;
    }
    if (!Rising(ch)) return;
    int pulses = Obtain_D32(a);
    if (pulses < 0) {
        Plc_Error();
        return;
    }
    unsigned int base = PULSE_BASE(ch);
    Obtain_SetD32(base, pulses);
    D[base + 7] = D[c];
    MoveTo(ch, (int)((unsigned int)Obtain_D32(base + 2) + (unsigned int)pulses), Obtain_D32(b));
}

/* PLSF: while the input holds, channel ch gives out D32(b) Hz (the value of
   each scan); with D32(a) above 0 it stops after that many pulses. */
void Ins_PLSF(unsigned short a, unsigned short b, unsigned short c, unsigned short ch) {
    if (ch >= PULSE_CHANNELS || !PairFits(a) || !PairFits(b) || c >= D_SIZE) {
        if (ch >= PULSE_CHANNELS && B00) Plc_Error();
        return;
    }
    if (Rising(ch)) {
        int pulses = Obtain_D32(a);
        Channels[ch].left = pulses > 0 ? pulses : 0;
        Obtain_SetD32(PULSE_BASE(ch), pulses);
        D[PULSE_BASE(ch) + 7] = D[c];
        if (Channels[ch].running) SetRunning(ch, 0);
    }
    if (B00 && !Channels[ch].running && Channels[ch].left == 0 && Obtain_D32(a) > 0) return;
    int frequency = Obtain_D32(b);
    RunAt(ch, frequency < 0 ? 0 : frequency);
}

/* DPLSV: while the input holds, output Y y gives out D32(f) Hz; a negative
   frequency runs backwards with the direction bit off. */
void Ins_DPLSV(unsigned short f, unsigned short y, INT8U* flag) {
    int k = ChannelOfOutput(y);
    if (k < 0 || !PairFits(f)) return;
    int frequency = Obtain_D32(f);
    Channels[k].input = B00 ? 1 : 0;
    Channels[k].left = 0;
    if (B00) *flag = frequency >= 0;
    RunAt(k, frequency);
}

/* DDRVI / DDRVA: when the input rises, a move by (or to) D32(n) pulses at
   D32(f) Hz on output Y y; the direction bit is on for a forward move. */
void Ins_DDRV(unsigned short n, unsigned short f, unsigned short y, INT8U* flag,
              unsigned char absolute) {
    int k = ChannelOfOutput(y);
    if (k < 0 || !PairFits(n) || !PairFits(f) || !Rising(k)) return;
    unsigned int base = PULSE_BASE(k);
    int from = Obtain_D32(base + 2), amount = Obtain_D32(n);
    int target = absolute ? amount : (int)((unsigned int)from + (unsigned int)amount);
    *flag = absolute ? amount >= from : amount >= 0;
    Obtain_SetD32(base, absolute ? (int)((unsigned int)amount - (unsigned int)from) : amount);
    MoveTo(k, target, Obtain_D32(f));
}

/* DZRN: when the input rises, a return to the origin of output Y y at
   D32(a) Hz, creeping at D32(b) Hz to the near-point signal: the position
   becomes 0. */
void Ins_DZRN(unsigned short a, unsigned short b, INT8U* sensor, unsigned short y) {
    (void)sensor;
    int k = ChannelOfOutput(y);
    if (k < 0 || !PairFits(a) || !PairFits(b) || !Rising(k)) return;
    MoveTo(k, 0, Obtain_D32(a));
}

/* PWM: output Y y (Y0-Y17) is on for `width` percent of every 100 ms while
   the input holds, and off when it drops. */
void Ins_PWM(int width, unsigned short y) {
    if (y >= 18 || y % 10 > 7) {
        Plc_Error();
        return;
    }
    if (width < 0 || width > 100) {
        if (B00) Plc_Error();
        width = width < 0 ? 0 : 100;
    }
    Y[y] = B00 && (int)(RuntimeMilliseconds() % 100u) < width;
}

/* ---- speed measurement and refresh ------------------------------------------ */

/* SPD: while the input holds, counts the rising edges of X x (X0-X27) in
   windows of `time` ms: D[d] the count of the last whole window, D[d + 1]
   the count so far, D[d + 2] the ms left of the window. The edges are those
   the scans see. */
#define SPD_INPUTS 24
void Ins_SPD(unsigned short x, int time, unsigned short d) {
    static unsigned char running[SPD_INPUTS], level[SPD_INPUTS];
    static unsigned int start[SPD_INPUTS];
    int k = (x / 10) * 8 + x % 10;
    if (x % 10 > 7 || k >= SPD_INPUTS || d + 2u >= D_SIZE || time < 1) {
        if (B00) Plc_Error();
        return;
    }
    unsigned int now = RuntimeMilliseconds();
    if (!B00) {
        running[k] = 0;
        return;
    }
    if (!running[k]) {
        running[k] = 1;
        start[k] = now;
        level[k] = X[x] ? 1 : 0;
        D[d + 1] = 0;
    }
    if (X[x] && !level[k]) D[d + 1] = (short)(D[d + 1] + 1);
    level[k] = X[x] ? 1 : 0;
    unsigned int passed = now - start[k];
    if (passed >= (unsigned int)time) {
        D[d] = D[d + 1];
        D[d + 1] = 0;
        start[k] = now;
        passed = 0;
    }
    D[d + 2] = (short)((unsigned int)time - passed);
}

/* REF: reads the inputs (kind 0) or writes the outputs (kind 1) at once,
   in the middle of the scan. */
void Ins_REF(unsigned short kind, unsigned short n) {
    (void)n; /* the whole bank is refreshed */
    if (kind == 0)
        RuntimeReadInputs();
    else if (kind == 1)
        RuntimeWriteOutputs();
    else
        Plc_Error();
}

/* ---- links ---------------------------------------------------------------- */

/* The Modbus master (function op to station, from address, n registers or
   coils, or the data for a single write). The kit has no master driver, so a
   request ends at once with no answer: the done flag and the link error flag
   are set and no register changes. A broadcast write (station 0) expects no
   answer and ends without the error. */
void Ins_MODBUS(unsigned char op, int station, int address, int n) {
    int write = op == 5 || op == 6 || op == 15 || op == 16;
    int count = op == 6 || op == 5 ? 1 : n;
    if (station < 0 || station > 255 || address < 0 || address > 65535 || count < 0 ||
        (!write && station == 0)) {
        Plc_Error();
        return;
    }
    M[M_DONE_FLAG] = 1;
    M[M_LINK_ERROR_FLAG] = !(write && station == 0);
}

/* RS1-RS3 (serial ports COM1-COM3) and RS4 (CAN): sends a words from D[b]
   and receives up to c words into D[d]. Without a driver the send goes out
   nowhere and the receive times out: the done flag and the link error flag
   are set, D[d] keeps its values. */
void Ins_RS(unsigned char port, int a, unsigned short b, int c, unsigned short d) {
    if (port < 1 || port > 4 || a < 0 || a > 256 || c < 0 || c > 256 || b >= D_SIZE ||
        (unsigned int)a > (unsigned int)(D_SIZE - b) || d >= D_SIZE ||
        (unsigned int)c > (unsigned int)(D_SIZE - d)) {
        Plc_Error();
        return;
    }
    M[M_DONE_FLAG] = 1;
    M[M_LINK_ERROR_FLAG] = 1;
}

/* ---- the text display -------------------------------------------------------- */

char LcdScreen[LCD_LINES][LCD_COLUMNS];

void LcdCLR(void) {
    for (int l = 0; l < LCD_LINES; ++l)
        for (int c = 0; c < LCD_COLUMNS; ++c)
            LcdScreen[l][c] = ' ';
}

/* Writes the text from the column on; what passes the line's end is cut. */
void LcdText(unsigned short line, unsigned short column, const char* text) {
    if (line >= LCD_LINES || column >= LCD_COLUMNS || text == 0) {
        Plc_Error();
        return;
    }
    for (unsigned int c = column; c < LCD_COLUMNS && *text; ++c)
        LcdScreen[line][c] = *text++;
}

/* REG: D[d] at line a, column b; n is digits x 10 + decimals (K52: five
   digits, two of them after the point), right-aligned in the digits (and
   the point) it asks for, 0 digits meaning as many as needed. */
void Ins_REG(unsigned short a, unsigned short b, unsigned short d, unsigned short n) {
    if (d >= D_SIZE || n > 55) {
        Plc_Error();
        return;
    }
    int digits = n / 10, decimals = n % 10;
    int value = D[d];
    unsigned int magnitude = (unsigned int)(value < 0 ? -value : value);
    char text[16];
    int length = 0;
    char reversed[16];
    int r = 0;
    do {
        reversed[r++] = (char)('0' + magnitude % 10u);
        magnitude /= 10u;
        if (r == decimals) reversed[r++] = '.';
    } while (magnitude != 0 || r <= decimals);
    if (reversed[r - 1] == '.') reversed[r++] = '0';
    if (value < 0) reversed[r++] = '-';
    int width = digits + (decimals > 0 ? 1 : 0);
    for (int pad = width - r; pad > 0; --pad)
        text[length++] = ' ';
    while (r > 0)
        text[length++] = reversed[--r];
    text[length] = 0;
    LcdText(a, b, text);
}
