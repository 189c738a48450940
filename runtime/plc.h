/*
 * plc.h - what the generated ladder program (PLC.c), the project's C block
 * (function1) and the controller run-time library share.
 *
 * The ladder program works on one accumulator bit, B00, and a stack of bits,
 * PUSH with its counter PUSHcnt: a load starts a new logic block (pushing the
 * block before it), AND and OR combine a contact into the accumulator, ANB and
 * ORB combine the last two blocks, MPS/MRD/MPP keep the accumulator for the
 * branches of an output. An application instruction acts while the
 * accumulator is set. Devices are arrays: X and Y indexed by their
 * octal-digit number (X17 is X[17]), the others by their decimal number;
 * a 32-bit operand is a register pair D[n], D[n + 1], low word first.
 *
 * Every routine checks the device numbers it is given: an operand that would
 * reach outside its device is not executed and sets the operation error flag.
 *
 * The run-time library is built from this very file, so the two always agree.
 */
#ifndef PLC_H
#define PLC_H

#ifdef __cplusplus
extern "C" {
#endif

#ifndef TRUE
#define TRUE 0xff
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef volatile unsigned char INT8U;
typedef volatile signed char INT8;
typedef volatile unsigned short INT16U;
typedef volatile signed short INT16;
typedef volatile unsigned int INT32U;
typedef volatile signed int INT32;
typedef float FP32;
typedef double FP64;

/* ---- devices ------------------------------------------------------------ */
#define X_SIZE 378   /* X0..X377, octal digits */
#define Y_SIZE 378   /* Y0..Y377, octal digits */
#define M_SIZE 10000 /* M0..M9999 */
#define MP_SIZE 2000 /* pulse memory of M0..M1999 */
#define S_SIZE 200   /* S0..S199 */
#define D_SIZE 10000 /* D0..D9999 */
#define SD_SIZE 256  /* special registers */
#define T_SIZE 400   /* T0..T399 */
#define C_SIZE 200   /* C0..C199 */
#define PUSH_SIZE 32 /* depth of the bit stack */

extern INT8U X[X_SIZE];
extern INT8U Y[Y_SIZE];
extern INT8U S[S_SIZE];
extern INT8U SP[S_SIZE];
extern INT8U M[M_SIZE];
extern INT8U MP[MP_SIZE];
extern INT16 D[D_SIZE];
extern INT16 SD[SD_SIZE];
extern INT8U T_out[T_SIZE];     /* timer contacts */
extern INT32U T_Memory[T_SIZE]; /* timer running time in ms */
extern INT16U T_Nonce[T_SIZE];  /* timer current values */
extern INT8U C_clk[C_SIZE];     /* counter input of the last scan */
extern INT8U C_out[C_SIZE];     /* counter contacts */
extern INT32 C_Memory[C_SIZE];  /* counter set values of the last scan */
extern INT16 C_Nonce[C_SIZE];   /* counter current values */
extern INT8U B00;               /* the accumulator bit */
extern INT8U N[2];              /* master-control levels N0 and N1 */
extern INT8U PUSHcnt;
extern INT8U Sec_CLK_ON; /* set for one scan every second */
extern INT8U PUSH[PUSH_SIZE];
extern INT16 Z;
extern INT16 V;
extern const INT16U SysIni_TAB[]; /* the project's system parameters (PLC.c) */

/* Special relays the run-time sets (M8000 upwards, as on the common small
   controllers); the program reads and clears them like any other M. */
#define M_ZERO_FLAG 8020       /* a read of an empty first-in table */
#define M_CARRY_FLAG 8022      /* a write into a full first-in table */
#define M_DONE_FLAG 8029       /* a pulse output, ramp or link request finished */
#define M_LINK_ERROR_FLAG 8063 /* a Modbus or serial request got no answer */
/* An instruction could not run: a division by zero, an operand outside its
   device, a bad BCD digit, a float outside the integer range. */
#define M_OPERATION_ERROR 8067

/* ---- entries -------------------------------------------------------------- */
void PLCact(void);              /* one scan of the program (PLC.c) */
void function1(void);           /* the project's C block */
void Plu_Handle(void);          /* the project's plug-in, every scan */
void CAN_Handle(void);          /* the CAN function of the run-time variant */
void CALL_Sub(unsigned char n); /* runs subroutine n (PLC.c) */

/* ---- run-time routines ---------------------------------------------------- */
void PULSE(INT8U* bit, INT8U* memory, unsigned char input);  /* PLS */
void PULSEF(INT8U* bit, INT8U* memory, unsigned char input); /* PLF */
unsigned char rPULSE(unsigned char input, INT8U* memory);    /* rising edge */
unsigned char rPULSEF(unsigned char input, INT8U* memory);   /* falling edge */
void Timer_Handle(unsigned short n, int setValue, unsigned char input);
void Counter_Handle(unsigned short n, int setValue, unsigned char input);
void Counter_Reset(unsigned short n);
int Obtain_D32(unsigned short n);
void Obtain_SetD32(unsigned short n, int value);
float Obtain_F32(unsigned short n);
void Obtain_SetF32(unsigned short n, float value);
unsigned short Obtain_WX(INT8U* first); /* 16 bits of X or Y */
void Obtain_SetWX(INT8U* first, unsigned short value);
unsigned short Obtain_WM(INT8U* first); /* 16 bits of M or S */
void Obtain_SetWM(INT8U* first, unsigned short value);
unsigned char Obtain_WordOk(INT8U* first); /* 16 bits from it fit the device */
void Obtain_Zone(INT8U* first, unsigned short count, unsigned char value);
void Obtain_Shift(INT8U* first, unsigned short count, unsigned char right);
void LcdCLR(void);
void LcdText(unsigned short line, unsigned short column, const char* text);

unsigned char Plc_IndexOk(const char* operand);
void Plc_Error(void);

void Ins_DIV(int a, int b, unsigned short d);
void Ins_DADD(unsigned short a, unsigned short b, unsigned short d);
void Ins_DSUB(unsigned short a, unsigned short b, unsigned short d);
void Ins_DMUL(unsigned short a, unsigned short b, unsigned short d);
void Ins_DDIV(unsigned short a, unsigned short b, unsigned short d);
void Ins_DEOP(unsigned short a, unsigned short b, unsigned short d, char op);
void Ins_DFLT(unsigned short s, unsigned short d);
void Ins_DINT(unsigned short s, unsigned short d);
void Ins_BMOV(unsigned short s, unsigned short d, unsigned short n);
void Ins_FMOV(int value, unsigned short d, unsigned short n);
void Ins_ROTATE(unsigned short d, unsigned short n, unsigned char right);
void Ins_BCD(unsigned short s, unsigned short d);
void Ins_BIN(unsigned short s, unsigned short d);
void Ins_SUM(unsigned short s, unsigned short d);
void Ins_BON(unsigned short s, INT8U* bit, int n);
void Ins_WTOB(unsigned short s, unsigned short d, unsigned short n);
void Ins_BTOW(unsigned short s, unsigned short d, unsigned short n);
void Ins_WSUM(unsigned short s, unsigned short d, unsigned short n);
void Ins_MEAN(unsigned short s, unsigned short d, unsigned short n);
void Ins_WSHIFT(unsigned short s, unsigned short d, unsigned short n, unsigned short m,
                unsigned char right);
void Ins_FIFO(unsigned short a, unsigned short b, unsigned short n, unsigned char op);
void Ins_HOUR(unsigned short a, unsigned short b, INT8U* out);
void Ins_DECMP(unsigned short a, unsigned short b, INT8U* bits);
void Ins_DUTY(int on, int cycle, unsigned short m);
void Ins_LADJ(unsigned short a, unsigned short b, unsigned short c);
void Ins_RAMP(unsigned short a, unsigned short b, unsigned short c, unsigned short n);
void Ins_PID(unsigned short sv, unsigned short pv, unsigned short par, unsigned short out);
void Ins_SCAD(unsigned short a, int b, unsigned short d);
void Ins_FILT(unsigned short a, int b, unsigned short d);
void Ins_SPD(unsigned short x, int time, unsigned short d);
void Ins_REF(unsigned short kind, unsigned short n);
void Ins_PWM(int width, unsigned short y);
void Ins_PLSR(unsigned short a, unsigned short b, unsigned short c, unsigned short ch);
void Ins_PLSF(unsigned short a, unsigned short b, unsigned short c, unsigned short ch);
void Ins_DPLSV(unsigned short f, unsigned short y, INT8U* flag);
void Ins_DDRV(unsigned short n, unsigned short f, unsigned short y, INT8U* flag,
              unsigned char absolute);
void Ins_DZRN(unsigned short a, unsigned short b, INT8U* sensor, unsigned short y);
void Ins_KMOV(unsigned short lo, unsigned short hi, unsigned short d);
void Ins_MODBUS(unsigned char op, int station, int address, int n);
void Ins_RS(unsigned char port, int a, unsigned short b, int c, unsigned short d);
void Ins_REG(unsigned short a, unsigned short b, unsigned short d, unsigned short n);

/* ---- logic blocks --------------------------------------------------------- */
/* The block instructions are small run-time routines rather than inline code:
   a main program of 2000 rows then fits the controller's flash and compiles
   quickly. */
void PLC_LD(unsigned char a);  /* push the accumulator, load a */
void PLC_AND(unsigned char a); /* accumulator AND a */
void PLC_OR(unsigned char a);  /* accumulator OR a */
void PLC_ANB(void);            /* pop, AND with the accumulator */
void PLC_ORB(void);            /* pop, OR with the accumulator */
void PLC_MPS(void);            /* push the accumulator */
void PLC_MRD(void);            /* read the top of the stack */
void PLC_MPP(void);            /* pop into the accumulator */
void PLC_INV(void);            /* invert the accumulator */

#define BIT(a) ((a) ? 1 : 0)

#define LD(a) PLC_LD(BIT(a))
#define LDI(a) PLC_LD(!(a))
#define AND(a) PLC_AND(BIT(a))
#define ANI(a) PLC_AND(!(a))
#define OR(a) PLC_OR(BIT(a))
#define ORI(a) PLC_OR(!(a))
#define LDUPp(a, p) PLC_LD(rPULSE(BIT(a), &(p)))
#define LDDNp(a, p) PLC_LD(rPULSEF(BIT(a), &(p)))
#define ANDUPp(a, p) PLC_AND(rPULSE(BIT(a), &(p)))
#define ANDDNp(a, p) PLC_AND(rPULSEF(BIT(a), &(p)))
#define ORUPp(a, p) PLC_OR(rPULSE(BIT(a), &(p)))
#define ORDNp(a, p) PLC_OR(rPULSEF(BIT(a), &(p)))
#define ANB() PLC_ANB()
#define ORB() PLC_ORB()
#define MPS() PLC_MPS()
#define MRD() PLC_MRD()
#define MPP() PLC_MPP()
#define INV() PLC_INV()
#define STL(n) LD(S[n])

/* 16-bit compare contacts: > < = <> >= <= */
#define CMP16(a, op, b) ((int)(a)op(int)(b))
#define LDL(a, b) LD(CMP16(a, >, b))
#define LDM(a, b) LD(CMP16(a, <, b))
#define LDN(a, b) LD(CMP16(a, ==, b))
#define LDO(a, b) LD(CMP16(a, !=, b))
#define LDP(a, b) LD(CMP16(a, >=, b))
#define LDQ(a, b) LD(CMP16(a, <=, b))
#define ANDL(a, b) AND(CMP16(a, >, b))
#define ANDM(a, b) AND(CMP16(a, <, b))
#define ANDN(a, b) AND(CMP16(a, ==, b))
#define ANDO(a, b) AND(CMP16(a, !=, b))
#define ANDP(a, b) AND(CMP16(a, >=, b))
#define ANDQ(a, b) AND(CMP16(a, <=, b))
#define ORL(a, b) OR(CMP16(a, >, b))
#define ORM(a, b) OR(CMP16(a, <, b))
#define ORN(a, b) OR(CMP16(a, ==, b))
#define ORO(a, b) OR(CMP16(a, !=, b))
#define ORP(a, b) OR(CMP16(a, >=, b))
#define ORQ(a, b) OR(CMP16(a, <=, b))

/* 32-bit compare contacts on register pairs */
#define CMP32(a, op, b) (Obtain_D32(a) op Obtain_D32(b))
#define LD32CMP(a, op, b) LD(CMP32(a, op, b))
#define LDU(a, b) LD32CMP(a, >, b)
#define LDV(a, b) LD32CMP(a, <, b)
#define LDW(a, b) LD32CMP(a, ==, b)
#define LDX(a, b) LD32CMP(a, !=, b)
#define LDY(a, b) LD32CMP(a, >=, b)
#define LDZ(a, b) LD32CMP(a, <=, b)
#define ANDU(a, b) AND(CMP32(a, >, b))
#define ANDV(a, b) AND(CMP32(a, <, b))
#define ANDW(a, b) AND(CMP32(a, ==, b))
#define ANDX(a, b) AND(CMP32(a, !=, b))
#define ANDY(a, b) AND(CMP32(a, >=, b))
#define ANDZ(a, b) AND(CMP32(a, <=, b))
#define ORU(a, b) OR(CMP32(a, >, b))
#define ORV(a, b) OR(CMP32(a, <, b))
#define ORW(a, b) OR(CMP32(a, ==, b))
#define ORX(a, b) OR(CMP32(a, !=, b))
#define ORY(a, b) OR(CMP32(a, >=, b))
#define ORZ(a, b) OR(CMP32(a, <=, b))

/* ---- outputs -------------------------------------------------------------- */
#define WHEN(x)    \
    do {           \
        if (B00) { \
            x;     \
        }          \
    } while (0)
#define OUT(a) ((a) = B00)
#define TON(n, k) Timer_Handle(n, k, B00)
#define CNT(n, k) Counter_Handle(n, k, B00)
#define Rcnt(n) WHEN(Counter_Reset(n))
#define SET(a) WHEN((a) = 1)
#define RST(a) WHEN((a) = 0)
#define ALT(a) WHEN((a) = !(a))
#define PLS(a, p) PULSE(&(a), &(p), B00)
#define PLF(a, p) PULSEF(&(a), &(p), B00)
#define MC(n) (N[n] = B00)
#define MCR(n) (N[n] = TRUE)
#define CALLs(n) WHEN(CALL_Sub(n))

/* The destination register number of the arithmetic: an instruction whose
   destination is not a register is skipped (operation error). */
#define DOK(n) ((unsigned int)(n) < D_SIZE)
#define DWHEN(n, x) WHEN(if (DOK(n)) { x; } else Plc_Error())

/* An indexed operand ("D[5+Z]") is checked before it is touched: the
   operand's own text says whether it is indexed (it ends in "Z]" or "V]"),
   and that test folds away for every other operand. */
#define PLC_TEXT_AT(t, back) ((t)[sizeof(t) > 4 ? sizeof(t) - (back) : 0])
#define PLC_INDEXED(t)                            \
    (sizeof(t) > 4 && PLC_TEXT_AT(t, 2) == ']' && \
     (PLC_TEXT_AT(t, 3) == 'Z' || PLC_TEXT_AT(t, 3) == 'V'))
#define IOK(a) (!PLC_INDEXED(#a) || Plc_IndexOk(#a))

/* ---- moves: a source value into a register, V, Z or a word view ----------- */
#define MOV(s, d) WHEN(if (IOK(s) && IOK(d))(d) = (s))
#define XOV(s, d) WHEN(if (Obtain_WordOk(&(s)))(d) = Obtain_WX(&(s)))
#define SOV(s, d) WHEN(if (Obtain_WordOk(&(s)))(d) = Obtain_WM(&(s)))
#define XMOV(s, d) WHEN(Obtain_SetWX(&(d), (s)))
#define SMOV(s, d) WHEN(Obtain_SetWM(&(d), (s)))
#define XXOV(s, d) WHEN(Obtain_SetWX(&(d), Obtain_WX(&(s))))
#define XSOV(s, d) WHEN(Obtain_SetWX(&(d), Obtain_WM(&(s))))
#define SXOV(s, d) WHEN(Obtain_SetWM(&(d), Obtain_WX(&(s))))
#define SSOV(s, d) WHEN(Obtain_SetWM(&(d), Obtain_WM(&(s))))
#define CML(s, d) WHEN((d) = (short)~(s))
#define XCH(a, b)         \
    WHEN({                \
        short xch_ = (a); \
        (a) = (b);        \
        (b) = xch_;       \
    })
#define KMOV(lo, hi, d) WHEN(Ins_KMOV(lo, hi, d))
#define DMOV(s, d) WHEN(Obtain_SetD32(d, Obtain_D32(s)))
#define DEMOV(s, d) WHEN(Obtain_SetD32(d, Obtain_D32(s)))
#define BMOV(s, d, n) WHEN(Ins_BMOV(s, d, n))
#define FMOV(v, d, n) WHEN(Ins_FMOV(v, d, n))
#define ZRST(a, n) WHEN(Obtain_Zone(&(a), n, 0))
#define SFTR(a, n) WHEN(Obtain_Shift(&(a), n, 1))
#define SFTL(a, n) WHEN(Obtain_Shift(&(a), n, 0))
#define BON(s, b, n) WHEN(Ins_BON(s, &(b), n))

/* ---- arithmetic and logic (destination: a register number) ---------------- */
#define ADD(a, b, d) DWHEN(d, D[d] = (short)((a) + (b)))
#define SUB(a, b, d) DWHEN(d, D[d] = (short)((a) - (b)))
#define MUL(a, b, d) DWHEN(d, D[d] = (short)((unsigned int)(a) * (unsigned int)(b)))
#define DIV(a, b, d) WHEN(Ins_DIV(a, b, d))
#define WAND(a, b, d) DWHEN(d, D[d] = (short)((a) & (b)))
#define WOR(a, b, d) DWHEN(d, D[d] = (short)((a) | (b)))
#define WXOR(a, b, d) DWHEN(d, D[d] = (short)((a) ^ (b)))
#define DADD(a, b, d) WHEN(Ins_DADD(a, b, d))
#define DSUB(a, b, d) WHEN(Ins_DSUB(a, b, d))
#define DMUL(a, b, d) WHEN(Ins_DMUL(a, b, d))
#define DDIV(a, b, d) WHEN(Ins_DDIV(a, b, d))
#define DEADD(a, b, d) WHEN(Ins_DEOP(a, b, d, '+'))
#define DESUB(a, b, d) WHEN(Ins_DEOP(a, b, d, '-'))
#define DEMUL(a, b, d) WHEN(Ins_DEOP(a, b, d, '*'))
#define DEDIV(a, b, d) WHEN(Ins_DEOP(a, b, d, '/'))
#define DECMP(a, b, m) WHEN(Ins_DECMP(a, b, &(m)))
#define DFLT(s, d) WHEN(Ins_DFLT(s, d))
#define DINT(s, d) WHEN(Ins_DINT(s, d))
#define INC(d) DWHEN(d, D[d] = (short)(D[d] + 1))
#define DEC(d) DWHEN(d, D[d] = (short)(D[d] - 1))
#define DINC(d) WHEN(Obtain_SetD32(d, (int)((unsigned int)Obtain_D32(d) + 1u)))
#define DDEC(d) WHEN(Obtain_SetD32(d, (int)((unsigned int)Obtain_D32(d) - 1u)))
#define VINC(v) WHEN((v) = (short)((v) + 1))
#define VDEC(v) WHEN((v) = (short)((v)-1))
#define VNEG(v) WHEN((v) = (short)-(v))
#define VABS(v) WHEN((v) = (short)((v) < 0 ? -(v) : (v)))
#define VSWAP(v) WHEN((v) = (short)(((unsigned short)(v) >> 8) | ((unsigned short)(v) << 8)))
#define NEG(d) DWHEN(d, D[d] = (short)-D[d])
#define DNEG(d) WHEN(Obtain_SetD32(d, (int)(0u - (unsigned int)Obtain_D32(d))))
#define ABS(d) DWHEN(d, D[d] = (short)(D[d] < 0 ? -D[d] : D[d]))
#define DABS(d)         \
    WHEN(Obtain_SetD32( \
        d, Obtain_D32(d) < 0 ? (int)(0u - (unsigned int)Obtain_D32(d)) : Obtain_D32(d)))
#define SWAP(d) DWHEN(d, D[d] = (short)(((unsigned short)D[d] >> 8) | ((unsigned short)D[d] << 8)))
#define ROR(d, n) WHEN(Ins_ROTATE(d, n, 1))
#define ROL(d, n) WHEN(Ins_ROTATE(d, n, 0))
#define BCD(s, d) WHEN(Ins_BCD(s, d))
#define BIN(s, d) WHEN(Ins_BIN(s, d))
#define SUM(s, d) WHEN(Ins_SUM(s, d))
#define WTOB(s, d, n) WHEN(Ins_WTOB(s, d, n))
#define BTOW(s, d, n) WHEN(Ins_BTOW(s, d, n))
#define WSUM(s, d, n) WHEN(Ins_WSUM(s, d, n))
#define MEAN(s, d, n) WHEN(Ins_MEAN(s, d, n))
#define WSFR(s, d, n, m) WHEN(Ins_WSHIFT(s, d, n, m, 1))
#define WSFL(s, d, n, m) WHEN(Ins_WSHIFT(s, d, n, m, 0))
#define SFWR(a, b, n) WHEN(Ins_FIFO(a, b, n, 0))
#define SFRD(a, b, n) WHEN(Ins_FIFO(a, b, n, 1))
#define POP(a, b, n) WHEN(Ins_FIFO(a, b, n, 2))
#define LADJ(a, b, c) WHEN(Ins_LADJ(a, b, c))
#define HOUR(a, b, y) Ins_HOUR(a, b, &(y))
#define DUTY(a, b, m) Ins_DUTY(a, b, m)
#define RAMP(a, b, c, n) Ins_RAMP(a, b, c, n)
#define PID(a, b, c, d) Ins_PID(a, b, c, d)
#define SCAD(a, b, d) WHEN(Ins_SCAD(a, b, d))
#define FILT(a, b, d) WHEN(Ins_FILT(a, b, d))
#define SPD(x, t, d) Ins_SPD(x, t, d)
#define REF(k, n) WHEN(Ins_REF(k, n))

/* ---- pulse outputs, links and displays ------------------------------------ */
#define PWM(w, y) Ins_PWM(w, y)
#define PLSR(a, b, c, ch) Ins_PLSR(a, b, c, ch)
#define PLSF(a, b, c, ch) Ins_PLSF(a, b, c, ch)
#define DPLSV(f, y, m) Ins_DPLSV(f, y, &(m))
#define DDRVI(n, f, y, m) Ins_DDRV(n, f, y, &(m), 0)
#define DDRVA(n, f, y, m) Ins_DDRV(n, f, y, &(m), 1)
#define DZRN(a, b, x, y) Ins_DZRN(a, b, &(x), y)
#define MODRB(s, a, n) WHEN(Ins_MODBUS(1, s, a, n))
#define MODRD(s, a, n) WHEN(Ins_MODBUS(3, s, a, n))
#define MODRI(s, a, n) WHEN(Ins_MODBUS(4, s, a, n))
#define MODWB(s, a, n) WHEN(Ins_MODBUS(5, s, a, n))
#define MODWR(s, a, n) WHEN(Ins_MODBUS(6, s, a, n))
#define MODWL(s, a, n) WHEN(Ins_MODBUS(16, s, a, n))
#define RS1(a, b, c, d) WHEN(Ins_RS(1, a, b, c, d))
#define RS2(a, b, c, d) WHEN(Ins_RS(2, a, b, c, d))
#define RS3(a, b, c, d) WHEN(Ins_RS(3, a, b, c, d))
#define RS4(a, b, c, d) WHEN(Ins_RS(4, a, b, c, d))
#define REG(a, b, d, n) WHEN(Ins_REG(a, b, d, n))
#define TXT(l, c, s) WHEN(LcdText(l, c, s))

#ifdef __cplusplus
}
#endif

#endif /* PLC_H */
