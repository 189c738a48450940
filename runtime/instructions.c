/* Application instructions of the ladder program. */
#include <stdint.h>

#include "plc.h"
#include "runtime.h"

/* ---- checks ---------------------------------------------------------------- */

void Plc_Error(void) {
    M[M_OPERATION_ERROR] = 1;
}

/* True when a whole run of n registers from s lies inside D. */
static int Run(unsigned int s, unsigned int n) {
    return s < D_SIZE && n <= D_SIZE - s;
}

static int RunOrError(unsigned int s, unsigned int n) {
    if (Run(s, n)) return 1;
    Plc_Error();
    return 0;
}

static const char* SkipBlanks(const char* p) {
    while (*p == ' ')
        ++p;
    return p;
}

/* An indexed operand as the instruction compiler writes it: the array's
   name, "[", the number, "+", V or Z, "]" (blanks allowed between). Any
   other text is refused. */
unsigned char Plc_IndexOk(const char* operand) {
    const char* p = operand;
    unsigned int size = 0;
    if (p[0] == 'D' && p[1] == '[')
        size = D_SIZE;
    else if (p[0] == 'M' && p[1] == '[')
        size = M_SIZE;
    else if (p[0] == 'S' && p[1] == '[')
        size = S_SIZE;
    else if (p[0] == 'X' && p[1] == '[')
        size = X_SIZE;
    else if (p[0] == 'Y' && p[1] == '[')
        size = Y_SIZE;
    if (size != 0) {
        long index = 0;
        int digits = 0;
        for (p = SkipBlanks(p + 2); *p >= '0' && *p <= '9' && digits < 6; ++p, ++digits)
            index = index * 10 + (*p - '0');
        p = SkipBlanks(p);
        if (digits > 0 && *p == '+') {
            p = SkipBlanks(p + 1);
            char reg = *p;
            p = SkipBlanks(p + 1);
            if ((reg == 'V' || reg == 'Z') && p[0] == ']' && p[1] == 0) {
                index += reg == 'V' ? V : Z;
                if (index >= 0 && index < (long)size) return 1;
            }
        }
    }
    Plc_Error();
    return 0;
}

/* ---- register pairs and word views ---------------------------------------- */

int Obtain_D32(unsigned short n) {
    if (!Run(n, 2)) {
        Plc_Error();
        return 0;
    }
    return (int)((unsigned int)(unsigned short)D[n] |
                 ((unsigned int)(unsigned short)D[n + 1] << 16));
}

void Obtain_SetD32(unsigned short n, int value) {
    if (!RunOrError(n, 2)) return;
    D[n] = (short)((unsigned int)value & 0xFFFFu);
    D[n + 1] = (short)((unsigned int)value >> 16);
}

void Ins_KMOV(unsigned short lo, unsigned short hi, unsigned short d) {
    Obtain_SetD32(d, (int)((unsigned int)lo | ((unsigned int)hi << 16)));
}

float Obtain_F32(unsigned short n) {
    union {
        unsigned int i;
        float f;
    } u;
    u.i = (unsigned int)Obtain_D32(n);
    return u.f;
}

void Obtain_SetF32(unsigned short n, float value) {
    union {
        unsigned int i;
        float f;
    } u;
    u.f = value;
    Obtain_SetD32(n, (int)u.i);
}

/* A run of bit devices seen from its first bit. X and Y are numbered in octal
   digits (the bit after X17 is X20); the others count on in decimal. */
struct BitArea {
    INT8U* base;
    int size;   /* array elements */
    int octal;  /* numbered in octal digits */
    int number; /* the first bit's array index */
};

static int Within(INT8U* p, INT8U* base, int size) {
    uintptr_t a = (uintptr_t)p, b = (uintptr_t)base;
    return a >= b && a < b + (uintptr_t)size;
}

static int FindBitArea(INT8U* first, struct BitArea* area) {
    static INT8U* const bases[] = {X, Y, M, S, MP, SP, T_out, C_out};
    static const int sizes[] = {X_SIZE, Y_SIZE, M_SIZE, S_SIZE, MP_SIZE, S_SIZE, T_SIZE, C_SIZE};
    for (unsigned int i = 0; i < sizeof sizes / sizeof sizes[0]; ++i) {
        if (Within(first, bases[i], sizes[i])) {
            area->base = bases[i];
            area->size = sizes[i];
            area->octal = i < 2;
            area->number = (int)(first - bases[i]);
            return 1;
        }
    }
    return 0;
}

static int OctalToOrdinal(int digits) {
    return (digits / 100) * 64 + ((digits / 10) % 10) * 8 + digits % 10;
}

static int OrdinalToOctal(int ordinal) {
    return (ordinal / 64) * 100 + ((ordinal / 8) % 8) * 10 + ordinal % 8;
}

/* The i-th bit from the area's first, or 0 past the end of the device. */
static INT8U* BitAt(const struct BitArea* area, int i) {
    int n = area->octal ? OrdinalToOctal(OctalToOrdinal(area->number) + i) : area->number + i;
    return n < area->size ? &area->base[n] : 0;
}

/* The number of bits from the first to the end of the device. */
static int BitsLeft(const struct BitArea* area) {
    if (!area->octal) return area->size - area->number;
    return OctalToOrdinal(area->size - 1) - OctalToOrdinal(area->number) + 1;
}

/* Finds the area of a run of count bits; a run that does not fit its device
   is an operation error. */
static int BitRun(INT8U* first, int count, struct BitArea* area) {
    if (FindBitArea(first, area) && count <= BitsLeft(area)) return 1;
    Plc_Error();
    return 0;
}

unsigned char Obtain_WordOk(INT8U* first) {
    struct BitArea area;
    return (unsigned char)BitRun(first, 16, &area);
}

static unsigned short ReadBits16(INT8U* first) {
    struct BitArea area;
    unsigned short value = 0;
    if (!BitRun(first, 16, &area)) return 0;
    for (int i = 0; i < 16; ++i) {
        if (*BitAt(&area, i)) value |= (unsigned short)(1u << i);
    }
    return value;
}

static void WriteBits16(INT8U* first, unsigned short value) {
    struct BitArea area;
    if (!BitRun(first, 16, &area)) return;
    for (int i = 0; i < 16; ++i)
        *BitAt(&area, i) = (value >> i) & 1u;
}

/* 16 bits of X or Y from the first (bit 0 is the first point). */
unsigned short Obtain_WX(INT8U* first) {
    return ReadBits16(first);
}

void Obtain_SetWX(INT8U* first, unsigned short value) {
    WriteBits16(first, value);
}

/* 16 bits of M or S from the first. */
unsigned short Obtain_WM(INT8U* first) {
    return ReadBits16(first);
}

void Obtain_SetWM(INT8U* first, unsigned short value) {
    WriteBits16(first, value);
}

/* ZRST: count bits from the first take the value. */
void Obtain_Zone(INT8U* first, unsigned short count, unsigned char value) {
    struct BitArea area;
    if (!BitRun(first, count, &area)) return;
    for (int i = 0; i < count; ++i)
        *BitAt(&area, i) = value ? 1 : 0;
}

/* SFTR moves the run of count bits one place towards the first bit (the
   first falls out, the last becomes 0); SFTL one place away from it. */
void Obtain_Shift(INT8U* first, unsigned short count, unsigned char right) {
    struct BitArea area;
    if (count == 0 || !BitRun(first, count, &area)) return;
    if (right) {
        for (int i = 0; i + 1 < count; ++i)
            *BitAt(&area, i) = *BitAt(&area, i + 1);
        *BitAt(&area, count - 1) = 0;
    } else {
        for (int i = count - 1; i > 0; --i)
            *BitAt(&area, i) = *BitAt(&area, i - 1);
        *BitAt(&area, 0) = 0;
    }
}

/* BON: the bit shows bit n (0-15) of D[s]. */
void Ins_BON(unsigned short s, INT8U* bit, int n) {
    if (s >= D_SIZE || n < 0 || n > 15) {
        Plc_Error();
        return;
    }
    *bit = ((unsigned short)D[s] >> n) & 1u;
}

/* ---- arithmetic ------------------------------------------------------------ */

/* DIV: quotient into D[d], remainder into D[d + 1] when there is one; a
   division by zero leaves both and sets the operation error. */
void Ins_DIV(int a, int b, unsigned short d) {
    if (b == 0) {
        Plc_Error();
        return;
    }
    if (!RunOrError(d, 1)) return;
    D[d] = (short)(b == -1 ? (int)(0u - (unsigned int)a) : a / b);
    if (d + 1u < D_SIZE) D[d + 1] = (short)(b == -1 ? 0 : a % b);
}

void Ins_DADD(unsigned short a, unsigned short b, unsigned short d) {
    if (!RunOrError(a, 2) || !RunOrError(b, 2)) return;
    Obtain_SetD32(d, (int)((unsigned int)Obtain_D32(a) + (unsigned int)Obtain_D32(b)));
}

void Ins_DSUB(unsigned short a, unsigned short b, unsigned short d) {
    if (!RunOrError(a, 2) || !RunOrError(b, 2)) return;
    Obtain_SetD32(d, (int)((unsigned int)Obtain_D32(a) - (unsigned int)Obtain_D32(b)));
}

/* DMUL: the product is formed in 64 bits; its low 32 bits go into the pair,
   as the 16-bit MUL keeps the low 16. */
void Ins_DMUL(unsigned short a, unsigned short b, unsigned short d) {
    if (!RunOrError(a, 2) || !RunOrError(b, 2)) return;
    long long product = (long long)Obtain_D32(a) * (long long)Obtain_D32(b);
    Obtain_SetD32(d, (int)(unsigned int)((unsigned long long)product & 0xFFFFFFFFu));
}

/* DDIV: quotient into the pair d, remainder into the pair d + 2 when it fits. */
void Ins_DDIV(unsigned short a, unsigned short b, unsigned short d) {
    if (!RunOrError(a, 2) || !RunOrError(b, 2) || !RunOrError(d, 2)) return;
    int dividend = Obtain_D32(a), divisor = Obtain_D32(b);
    if (divisor == 0) {
        Plc_Error();
        return;
    }
    int quotient, remainder;
    if (divisor == -1) { /* also INT_MIN / -1, which wraps */
        quotient = (int)(0u - (unsigned int)dividend);
        remainder = 0;
    } else {
        quotient = dividend / divisor;
        remainder = dividend % divisor;
    }
    Obtain_SetD32(d, quotient);
    if (Run(d + 2u, 2)) Obtain_SetD32(d + 2, remainder);
}

/* DEADD, DESUB, DEMUL, DEDIV on floats held in register pairs. */
void Ins_DEOP(unsigned short a, unsigned short b, unsigned short d, char op) {
    if (!RunOrError(a, 2) || !RunOrError(b, 2) || !RunOrError(d, 2)) return;
    float x = Obtain_F32(a), y = Obtain_F32(b), r;
    switch (op) {
        case '+':
            r = x + y;
            break;
        case '-':
            r = x - y;
            break;
        case '*':
            r = x * y;
            break;
        default:
            if (y == 0.0f) {
                Plc_Error();
                return;
            }
            r = x / y;
            break;
    }
    Obtain_SetF32(d, r);
}

/* DECMP: bits[0] a > b, the next bit a = b, the one after a < b. */
void Ins_DECMP(unsigned short a, unsigned short b, INT8U* bits) {
    struct BitArea area;
    if (!RunOrError(a, 2) || !RunOrError(b, 2) || !BitRun(bits, 3, &area)) return;
    float x = Obtain_F32(a), y = Obtain_F32(b);
    *BitAt(&area, 0) = x > y;
    *BitAt(&area, 1) = x == y;
    *BitAt(&area, 2) = x < y;
}

void Ins_DFLT(unsigned short s, unsigned short d) {
    if (!RunOrError(s, 2) || !RunOrError(d, 2)) return;
    Obtain_SetF32(d, (float)Obtain_D32(s));
}

/* DINT cuts the fraction off; a float outside the 32-bit range (or not a
   number) leaves the destination and sets the operation error. */
void Ins_DINT(unsigned short s, unsigned short d) {
    if (!RunOrError(s, 2) || !RunOrError(d, 2)) return;
    float f = Obtain_F32(s);
    if (!(f > -2147483904.0f && f < 2147483648.0f)) {
        Plc_Error();
        return;
    }
    Obtain_SetD32(d, (int)f);
}

/* ---- blocks ---------------------------------------------------------------- */

/* BMOV copies n registers; overlapping blocks are copied as if through a
   buffer. */
void Ins_BMOV(unsigned short s, unsigned short d, unsigned short n) {
    if (!RunOrError(s, n) || !RunOrError(d, n)) return;
    if (d < s) {
        for (unsigned int i = 0; i < n; ++i)
            D[d + i] = D[s + i];
    } else {
        for (unsigned int i = n; i > 0; --i)
            D[d + i - 1] = D[s + i - 1];
    }
}

void Ins_FMOV(int value, unsigned short d, unsigned short n) {
    if (!RunOrError(d, n)) return;
    for (unsigned int i = 0; i < n; ++i)
        D[d + i] = (short)value;
}

/* ROR/ROL turn the 16 bits of D[d] by n places. */
void Ins_ROTATE(unsigned short d, unsigned short n, unsigned char right) {
    if (!RunOrError(d, 1)) return;
    unsigned int v = (unsigned short)D[d];
    n &= 15;
    if (n == 0) return;
    v = right ? (v >> n) | (v << (16 - n)) : (v << n) | (v >> (16 - n));
    D[d] = (short)(v & 0xFFFFu);
}

/* BCD: D[s] (0 to 9999) as four BCD digits into D[d]. */
void Ins_BCD(unsigned short s, unsigned short d) {
    if (!RunOrError(s, 1) || !RunOrError(d, 1)) return;
    int value = D[s];
    if (value < 0 || value > 9999) {
        Plc_Error();
        return;
    }
    unsigned int out = 0;
    for (int shift = 0; shift < 16; shift += 4) {
        out |= (unsigned int)(value % 10) << shift;
        value /= 10;
    }
    D[d] = (short)out;
}

/* BIN: four BCD digits of D[s] as a binary number into D[d]; a digit above 9
   is an operation error. */
void Ins_BIN(unsigned short s, unsigned short d) {
    if (!RunOrError(s, 1) || !RunOrError(d, 1)) return;
    unsigned int value = (unsigned short)D[s], out = 0;
    for (int shift = 12; shift >= 0; shift -= 4) {
        unsigned int digit = (value >> shift) & 15u;
        if (digit > 9) {
            Plc_Error();
            return;
        }
        out = out * 10 + digit;
    }
    D[d] = (short)out;
}

/* SUM: the number of set bits of D[s] into D[d]. */
void Ins_SUM(unsigned short s, unsigned short d) {
    if (!RunOrError(s, 1) || !RunOrError(d, 1)) return;
    unsigned int value = (unsigned short)D[s];
    short count = 0;
    for (; value; value &= value - 1)
        ++count;
    D[d] = count;
}

/* WTOB: the n bytes of the words from D[s] (low byte first) into the low
   bytes of n registers from D[d]. */
void Ins_WTOB(unsigned short s, unsigned short d, unsigned short n) {
    unsigned short words[50]; /* read first: the two runs may overlap */
    if (n > 100) {
        Plc_Error();
        return;
    }
    if (!RunOrError(s, (n + 1u) / 2u) || !RunOrError(d, n)) return;
    for (unsigned int i = 0; i < (n + 1u) / 2u; ++i)
        words[i] = (unsigned short)D[s + i];
    for (unsigned int i = 0; i < n; ++i)
        D[d + i] = (short)((words[i / 2] >> ((i & 1u) * 8u)) & 0xFFu);
}

/* BTOW: the low bytes of n registers from D[s] joined into words from D[d];
   an odd last byte leaves the high byte of its word 0. */
void Ins_BTOW(unsigned short s, unsigned short d, unsigned short n) {
    unsigned char bytes[100];
    if (n > 100) {
        Plc_Error();
        return;
    }
    if (!RunOrError(s, n) || !RunOrError(d, (n + 1u) / 2u)) return;
    for (unsigned int i = 0; i < n; ++i)
        bytes[i] = (unsigned char)((unsigned short)D[s + i] & 0xFFu);
    for (unsigned int i = 0; i < n; i += 2) {
        unsigned int word = bytes[i];
        if (i + 1 < n) word |= (unsigned int)bytes[i + 1] << 8;
        D[d + i / 2] = (short)word;
    }
}

/* WSUM: the signed sum of n registers from D[s] into the pair d. */
void Ins_WSUM(unsigned short s, unsigned short d, unsigned short n) {
    if (!RunOrError(s, n) || !RunOrError(d, 2)) return;
    int sum = 0;
    for (unsigned int i = 0; i < n; ++i)
        sum += D[s + i];
    Obtain_SetD32(d, sum);
}

/* MEAN: the mean of n registers (the fraction cut off) into D[d]. */
void Ins_MEAN(unsigned short s, unsigned short d, unsigned short n) {
    if (n == 0 || !RunOrError(s, n) || !RunOrError(d, 1)) {
        if (n == 0) Plc_Error();
        return;
    }
    int sum = 0;
    for (unsigned int i = 0; i < n; ++i)
        sum += D[s + i];
    D[d] = (short)(sum / (int)n);
}

/* WSFR moves the n words from D[d] m places towards D[d] and puts the m
   words from D[s] at the top; WSFL moves them the other way and puts the
   new words at the bottom. */
void Ins_WSHIFT(unsigned short s, unsigned short d, unsigned short n, unsigned short m,
                unsigned char right) {
    if (m > n || !RunOrError(d, n) || !RunOrError(s, m)) {
        if (m > n) Plc_Error();
        return;
    }
    if (right) {
        for (unsigned int i = 0; i + m < n; ++i)
            D[d + i] = D[d + i + m];
        for (unsigned int i = 0; i < m; ++i)
            D[d + n - m + i] = D[s + i];
    } else {
        for (unsigned int i = n; i > m; --i)
            D[d + i - 1] = D[d + i - 1 - m];
        for (unsigned int i = 0; i < m; ++i)
            D[d + i] = D[s + i];
    }
}

/* A first-in table of n words: its first word is the pointer (the number
   of entries), the n - 1 words after it hold the entries, oldest first.
   SFWR (op 0) appends D[a] to the table at b; SFRD (op 1) takes the oldest
   entry of the table at a into D[b] and moves the others down; POP (op 2)
   takes the newest. A full table sets the carry flag and keeps its entries,
   an empty one sets the zero flag. */
void Ins_FIFO(unsigned short a, unsigned short b, unsigned short n, unsigned char op) {
    unsigned short table = op == 0 ? b : a, data = op == 0 ? a : b;
    if (n < 2 || !RunOrError(table, n) || !RunOrError(data, 1)) {
        if (n < 2) Plc_Error();
        return;
    }
    int count = D[table];
    if (count < 0 || count > n - 1) {
        Plc_Error();
        return;
    }
    if (op == 0) {
        if (count == n - 1) {
            M[M_CARRY_FLAG] = 1;
            return;
        }
        D[table + 1 + count] = D[data];
        D[table] = (short)(count + 1);
        M[M_CARRY_FLAG] = count + 1 == n - 1;
        return;
    }
    if (count == 0) {
        M[M_ZERO_FLAG] = 1;
        return;
    }
    if (op == 1) {
        D[data] = D[table + 1];
        for (int i = 1; i < count; ++i)
            D[table + i] = D[table + i + 1];
    } else {
        D[data] = D[table + count];
    }
    D[table] = (short)(count - 1);
    M[M_ZERO_FLAG] = count - 1 == 0;
}

/* ---- timing and control ----------------------------------------------------- */

/* HOUR: an hour meter. While the input holds, D[b + 1] counts the seconds
   of the running hour and D[b] the whole hours (up to 32767); the output
   shows whether the hours have reached the set value D[a]. */
void Ins_HOUR(unsigned short a, unsigned short b, INT8U* out) {
    if (!RunOrError(a, 1) || !RunOrError(b, 2)) return;
    if (B00 && Sec_CLK_ON && D[b] < 32767) {
        int seconds = D[b + 1] + 1;
        if (seconds >= 3600 || seconds < 0) {
            seconds = 0;
            D[b] = (short)(D[b] + 1);
        }
        D[b + 1] = (short)seconds;
    }
    *out = D[b] >= D[a];
}

/* DUTY: a timing clock on one of M8330-M8334, on for `on` scans of every
   `cycle` scans. It starts with the first scan its input holds and then
   runs on by itself, as such clocks do; a cycle below 1 or an on-time
   beyond the cycle is an operation error. */
void Ins_DUTY(int on, int cycle, unsigned short m) {
    static unsigned char running[5];
    static int scans[5];
    if (m < 8330 || m > 8334 || cycle < 1 || on < 0 || on > cycle) {
        if (B00) Plc_Error();
        return;
    }
    int k = m - 8330;
    if (!running[k] && !B00) return;
    if (!running[k]) {
        running[k] = 1;
        scans[k] = 0;
    }
    if (scans[k] >= cycle) scans[k] = 0;
    M[m] = scans[k] < on;
    scans[k] += 1;
}

/* LADJ: linear calibration, D[c] = D[a] x D[b] / 1000 + D[b + 1] (a gain in
   thousandths and an offset), kept within 16 bits. */
void Ins_LADJ(unsigned short a, unsigned short b, unsigned short c) {
    if (!RunOrError(a, 1) || !RunOrError(b, 2) || !RunOrError(c, 1)) return;
    long value = (long)D[a] * D[b] / 1000 + D[b + 1];
    D[c] = (short)(value > 32767 ? 32767 : (value < -32768 ? -32768 : value));
}

/* RAMP: while the input holds, D[c] goes from D[a] to D[b] in n scans; D[c
   + 1] counts the scans. At the end D[c] stays at D[b] and the done flag
   is set. When the input drops the count is cleared, so the next time it
   holds the ramp starts again from D[a]. */
void Ins_RAMP(unsigned short a, unsigned short b, unsigned short c, unsigned short n) {
    if (!RunOrError(a, 1) || !RunOrError(b, 1) || !RunOrError(c, 2)) return;
    if (!B00) {
        D[c + 1] = 0;
        return;
    }
    unsigned int count = (unsigned short)D[c + 1];
    if (count < n) ++count;
    if (count > n) count = n;
    long from = D[a], to = D[b];
    D[c] = (short)(n == 0 ? to : from + (to - from) * (long)count / (long)n);
    D[c + 1] = (short)count;
    if (count >= n) M[M_DONE_FLAG] = 1;
}

/* PID over a parameter block of 18 registers from D[par]:
     par + 0  sample time Ts in ms (below 1 counts as 1)
     par + 1  mode: bit 0 reverse action (error = PV - SV, else SV - PV),
              bit 1 incremental (the output moves by the step of each sample,
              else the output is the positional sum)
     par + 2  proportional gain Kp in percent (100 = 1.0)
     par + 3  integral time Ti in 100 ms (0: no integral action)
     par + 4  derivative time Td in 10 ms (0: no derivative action)
     par + 5  output low limit, par + 6 output high limit (applied when the
              high limit is above the low one, else the 16-bit range)
     par + 7 to par + 9  kept free
   and its working registers, which the program leaves alone:
     par + 10 time since the last sample in ms, par + 11 e(k-1),
     par + 12 e(k-2), par + 13/14 the integral sum (a float pair),
     par + 15/16 the clock at the last scan, par + 17 1 while running.
   The output D[out] is computed once per sample time while the input holds;
   when the input drops the working registers are cleared (the output
   stays). */
#define PID_BLOCK 18
void Ins_PID(unsigned short sv, unsigned short pv, unsigned short par, unsigned short out) {
    if (!RunOrError(sv, 1) || !RunOrError(pv, 1) || !RunOrError(par, PID_BLOCK) ||
        !RunOrError(out, 1))
        return;
    if (!B00) {
        for (int i = 10; i < PID_BLOCK; ++i)
            D[par + i] = 0;
        return;
    }
    unsigned int now = RuntimeMilliseconds();
    int ts = D[par] < 1 ? 1 : D[par];
    int error = D[par + 1] & 1 ? D[pv] - D[sv] : D[sv] - D[pv];
    if (D[par + 17] == 0) { /* first scan: sample at once */
        D[par + 17] = 1;
        D[par + 10] = (short)ts;
        D[par + 11] = (short)error;
        D[par + 12] = (short)error;
        Obtain_SetF32(par + 13, 0.0f);
    } else {
        unsigned int last = (unsigned int)Obtain_D32(par + 15);
        unsigned int since = (unsigned short)D[par + 10] + (now - last);
        D[par + 10] = (short)(since > 32767u ? 32767u : since);
    }
    Obtain_SetD32(par + 15, (int)now);
    if (D[par + 10] < ts) return;
    D[par + 10] = 0;

    float low = D[par + 5], high = D[par + 6];
    if (!(high > low)) {
        low = -32768.0f;
        high = 32767.0f;
    }
    float kp = D[par + 2] / 100.0f;
    float ti = D[par + 3] * 100.0f, td = D[par + 4] * 10.0f;
    float e = (float)error, e1 = D[par + 11], e2 = D[par + 12];
    float integral = Obtain_F32(par + 13);
    float value;
    if (D[par + 1] & 2) {
        float step = (e - e1) + (ti > 0.0f ? e * ts / ti : 0.0f) + td * (e - 2.0f * e1 + e2) / ts;
        value = D[out] + kp * step;
    } else {
        float next = ti > 0.0f ? integral + e * ts / ti : 0.0f;
        value = kp * (e + next + td * (e - e1) / ts);
        /* the integral only grows while the output is not held at a limit */
        if ((value < high || next < integral) && (value > low || next > integral)) integral = next;
        Obtain_SetF32(par + 13, integral);
    }
    if (!(value >= low)) value = low; /* also not a number */
    if (value > high) value = high;
    D[out] = (short)value;
    D[par + 12] = D[par + 11];
    D[par + 11] = (short)(error > 32767 ? 32767 : (error < -32768 ? -32768 : error));
}

/* SCAD: a 12-bit analog value D[a] (0 to 4095) scaled to 0..b into D[d]. */
void Ins_SCAD(unsigned short a, int b, unsigned short d) {
    if (!RunOrError(a, 1) || !RunOrError(d, 1)) return;
    long raw = D[a] < 0 ? 0 : (D[a] > 4095 ? 4095 : D[a]);
    long value = raw * b / 4095;
    D[d] = (short)(value > 32767 ? 32767 : (value < -32768 ? -32768 : value));
}

/* FILT: a first-order filter, D[d] moves by 1/b of its distance to D[a]
   each scan (at least one step, so it reaches the input); b below 2 copies
   the input. */
void Ins_FILT(unsigned short a, int b, unsigned short d) {
    if (!RunOrError(a, 1) || !RunOrError(d, 1)) return;
    int x = D[a], y = D[d];
    if (b < 2) {
        D[d] = (short)x;
        return;
    }
    int step = (x - y) / b;
    if (step == 0) step = (x > y) - (x < y);
    D[d] = (short)(y + step);
}
