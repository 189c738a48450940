/* Application instructions of the ladder program. */
#include "plc.h"
#include "runtime.h"

/* ---- register pairs and word views ---------------------------------------- */

int Obtain_D32(unsigned short n) {
    if (n + 1 >= D_SIZE) return 0;
    return (int)((unsigned int)(unsigned short)D[n] | ((unsigned int)(unsigned short)D[n + 1] << 16));
}

void Obtain_SetD32(unsigned short n, int value) {
    if (n + 1 >= D_SIZE) return;
    D[n] = (short)((unsigned int)value & 0xFFFFu);
    D[n + 1] = (short)((unsigned int)value >> 16);
}

float Obtain_F32(unsigned short n) {
    union {
        int i;
        float f;
    } u;
    u.i = Obtain_D32(n);
    return u.f;
}

void Obtain_SetF32(unsigned short n, float value) {
    union {
        int i;
        float f;
    } u;
    u.f = value;
    Obtain_SetD32(n, u.i);
}

/* X and Y are numbered in octal digits: the bit after X17 is X20. */
static int OctalToIndex(int digits) {
    return (digits / 100) * 64 + ((digits / 10) % 10) * 8 + digits % 10;
}
static int IndexToOctal(int index) {
    return (index / 64) * 100 + ((index / 8) % 8) * 10 + index % 8;
}

static INT8U* WordViewBase(INT8U* first, int* start, int* size) {
    if (first >= X && first < X + X_SIZE) {
        *start = (int)(first - X);
        *size = X_SIZE;
        return X;
    }
    *start = (int)(first - Y);
    *size = Y_SIZE;
    return Y;
}

unsigned short Obtain_WX(INT8U* first) {
    int start, size;
    INT8U* base = WordViewBase(first, &start, &size);
    unsigned short value = 0;
    for (int i = 0; i < 16; ++i) {
        int n = IndexToOctal(OctalToIndex(start) + i);
        if (n < size && base[n]) value |= (unsigned short)(1u << i);
    }
    return value;
}

void Obtain_SetWX(INT8U* first, unsigned short value) {
    int start, size;
    INT8U* base = WordViewBase(first, &start, &size);
    for (int i = 0; i < 16; ++i) {
        int n = IndexToOctal(OctalToIndex(start) + i);
        if (n < size) base[n] = (value >> i) & 1u;
    }
}

static int BitLimit(INT8U* first) {
    if (first >= M && first < M + M_SIZE) return (int)(M + M_SIZE - first);
    if (first >= S && first < S + S_SIZE) return (int)(S + S_SIZE - first);
    return 0;
}

unsigned short Obtain_WM(INT8U* first) {
    int limit = BitLimit(first);
    unsigned short value = 0;
    for (int i = 0; i < 16 && i < limit; ++i) {
        if (first[i]) value |= (unsigned short)(1u << i);
    }
    return value;
}

void Obtain_SetWM(INT8U* first, unsigned short value) {
    int limit = BitLimit(first);
    for (int i = 0; i < 16 && i < limit; ++i)
        first[i] = (value >> i) & 1u;
}

void Obtain_Zone(INT8U* first, unsigned short count, unsigned char value) {
    int limit = BitLimit(first);
    for (int i = 0; i < count && i < limit; ++i)
        first[i] = value;
}

void Obtain_Shift(INT8U* first, unsigned short count, unsigned char right) {
    int limit = BitLimit(first);
    int n = count < limit ? count : limit;
    if (n <= 0) return;
    if (right) {
        for (int i = 0; i + 1 < n; ++i)
            first[i] = first[i + 1];
        first[n - 1] = 0;
    } else {
        for (int i = n - 1; i > 0; --i)
            first[i] = first[i - 1];
        first[0] = 0;
    }
}

/* ---- arithmetic ------------------------------------------------------------ */

void Ins_DIV(int a, int b, unsigned short d) {
    if (b == 0 || d + 1 >= D_SIZE) return;
    D[d] = (short)(a / b);
    D[d + 1] = (short)(a % b);
}

void Ins_DADD(unsigned short a, unsigned short b, unsigned short d) {
    Obtain_SetD32(d, (int)((unsigned int)Obtain_D32(a) + (unsigned int)Obtain_D32(b)));
}

void Ins_DSUB(unsigned short a, unsigned short b, unsigned short d) {
    Obtain_SetD32(d, (int)((unsigned int)Obtain_D32(a) - (unsigned int)Obtain_D32(b)));
}

void Ins_DMUL(unsigned short a, unsigned short b, unsigned short d) {
    Obtain_SetD32(d, (int)((unsigned int)Obtain_D32(a) * (unsigned int)Obtain_D32(b)));
}

void Ins_DDIV(unsigned short a, unsigned short b, unsigned short d) {
    int divisor = Obtain_D32(b);
    if (divisor == 0) return;
    Obtain_SetD32(d, Obtain_D32(a) / divisor);
}

void Ins_DEOP(unsigned short a, unsigned short b, unsigned short d, char op) {
    float x = Obtain_F32(a), y = Obtain_F32(b), r;
    switch (op) {
        case '+': r = x + y; break;
        case '-': r = x - y; break;
        case '*': r = x * y; break;
        default:
            if (y == 0.0f) return;
            r = x / y;
            break;
    }
    Obtain_SetF32(d, r);
}

void Ins_DECMP(unsigned short a, unsigned short b, INT8U* bits) {
    float x = Obtain_F32(a), y = Obtain_F32(b);
    bits[0] = x > y;
    bits[1] = x == y;
    bits[2] = x < y;
}

void Ins_DFLT(unsigned short s, unsigned short d) {
    Obtain_SetF32(d, (float)Obtain_D32(s));
}

void Ins_DINT(unsigned short s, unsigned short d) {
    Obtain_SetD32(d, (int)Obtain_F32(s));
}

void Ins_BMOV(unsigned short s, unsigned short d, unsigned short n) {
    if (s + n > D_SIZE || d + n > D_SIZE) return;
    if (d < s) {
        for (unsigned short i = 0; i < n; ++i)
            D[d + i] = D[s + i];
    } else {
        for (unsigned short i = n; i > 0; --i)
            D[d + i - 1] = D[s + i - 1];
    }
}

void Ins_FMOV(int value, unsigned short d, unsigned short n) {
    for (unsigned short i = 0; i < n && d + i < D_SIZE; ++i)
        D[d + i] = (short)value;
}

void Ins_ROTATE(unsigned short d, unsigned short n, unsigned char right) {
    if (d >= D_SIZE) return;
    unsigned short v = (unsigned short)D[d];
    n &= 15;
    if (n == 0) return;
    v = right ? (unsigned short)((v >> n) | (v << (16 - n)))
              : (unsigned short)((v << n) | (v >> (16 - n)));
    D[d] = (short)v;
}

unsigned short Ins_BCD(unsigned short value) {
    unsigned short out = 0;
    for (int shift = 0; shift < 16 && value; shift += 4) {
        out |= (unsigned short)((value % 10) << shift);
        value /= 10;
    }
    return out;
}

unsigned short Ins_BIN(unsigned short value) {
    unsigned short out = 0;
    for (int shift = 12; shift >= 0; shift -= 4)
        out = (unsigned short)(out * 10 + ((value >> shift) & 15));
    return out;
}

unsigned short Ins_SUM(unsigned short value) {
    unsigned short count = 0;
    for (; value; value &= (unsigned short)(value - 1))
        ++count;
    return count;
}

void Ins_WTOB(unsigned short s, unsigned short d, unsigned short n) {
    for (unsigned short i = 0; i < n && s + i / 2 < D_SIZE && d + i < D_SIZE; ++i)
        D[d + i] = (short)(((unsigned short)D[s + i / 2] >> ((i & 1) * 8)) & 0xFF);
}

void Ins_BTOW(unsigned short s, unsigned short d, unsigned short n) {
    for (unsigned short i = 0; i < n && s + i < D_SIZE && d + i / 2 < D_SIZE; ++i) {
        unsigned short byte = (unsigned short)D[s + i] & 0xFF;
        unsigned short word = (unsigned short)D[d + i / 2];
        word = (i & 1) ? (unsigned short)((word & 0x00FF) | (byte << 8))
                       : (unsigned short)((word & 0xFF00) | byte);
        D[d + i / 2] = (short)word;
    }
}

void Ins_WSUM(unsigned short s, unsigned short d, unsigned short n) {
    int sum = 0;
    for (unsigned short i = 0; i < n && s + i < D_SIZE; ++i)
        sum += D[s + i];
    Obtain_SetD32(d, sum);
}

void Ins_MEAN(unsigned short s, unsigned short d, unsigned short n) {
    if (n == 0 || d >= D_SIZE) return;
    int sum = 0;
    for (unsigned short i = 0; i < n && s + i < D_SIZE; ++i)
        sum += D[s + i];
    D[d] = (short)(sum / n);
}

void Ins_WSHIFT(unsigned short s, unsigned short d, unsigned short n, unsigned short m,
                unsigned char right) {
    if (m > n || d + n > D_SIZE || s + m > D_SIZE) return;
    if (right) {
        for (unsigned short i = 0; i + m < n; ++i)
            D[d + i] = D[d + i + m];
        for (unsigned short i = 0; i < m; ++i)
            D[d + n - m + i] = D[s + i];
    } else {
        for (unsigned short i = n; i > m; --i)
            D[d + i - 1] = D[d + i - 1 - m];
        for (unsigned short i = 0; i < m; ++i)
            D[d + i] = D[s + i];
    }
}

/* A first-in first-out table: D[b] holds the count, the entries follow. */
void Ins_FIFO(unsigned short a, unsigned short b, unsigned short n, unsigned char op) {
    if (b + n >= D_SIZE || a >= D_SIZE) return;
    unsigned short count = (unsigned short)D[b];
    if (op == 0) {
        if (count + 1 >= n) return;
        D[b + 1 + count] = D[a];
        D[b] = (short)(count + 1);
    } else if (count > 0) {
        if (op == 1) {
            D[a] = D[b + 1];
            for (unsigned short i = 1; i < count; ++i)
                D[b + i] = D[b + i + 1];
        } else {
            D[a] = D[b + count];
        }
        D[b] = (short)(count - 1);
    }
}

void Ins_HOUR(unsigned short a, unsigned short b, INT8U* out) {
    *out = B00 && Obtain_D32(b) >= Obtain_D32(a);
}

void Ins_DUTY(int on, int cycle, unsigned short m) {
    if (m >= M_SIZE || cycle <= 0) return;
    M[m] = (int)(RuntimeMilliseconds() / 10u % (unsigned int)cycle) < on;
}

void Ins_LADJ(unsigned short a, unsigned short b, unsigned short c) {
    if (c >= D_SIZE || a >= D_SIZE || b >= D_SIZE) return;
    D[c] = D[a] < D[b] ? D[a] : D[b];
}

void Ins_RAMP(unsigned short a, unsigned short b, unsigned short c, unsigned short n) {
    if (a >= D_SIZE || b >= D_SIZE || c >= D_SIZE || n == 0) return;
    int step = (D[b] - D[a]) / (int)n;
    int next = D[c] + (step == 0 ? (D[b] > D[c]) - (D[b] < D[c]) : step);
    if ((step >= 0 && next > D[b]) || (step < 0 && next < D[b])) next = D[b];
    D[c] = (short)next;
}

void Ins_PID(unsigned short sv, unsigned short pv, unsigned short par, unsigned short out) {
    if (sv >= D_SIZE || pv >= D_SIZE || par + 3 >= D_SIZE || out >= D_SIZE) return;
    int error = D[sv] - D[pv];
    int gain = D[par] == 0 ? 1 : D[par];
    int value = D[out] + error * gain / 100;
    if (value > 32767) value = 32767;
    if (value < -32768) value = -32768;
    D[out] = (short)value;
}

void Ins_SCAD(unsigned short a, int b, unsigned short d) {
    if (a >= D_SIZE || d >= D_SIZE) return;
    D[d] = (short)(D[a] * b / 4096);
}

void Ins_FILT(unsigned short a, int b, unsigned short d) {
    if (a >= D_SIZE || d >= D_SIZE || b <= 0) return;
    D[d] = (short)(D[d] + (D[a] - D[d]) / b);
}
