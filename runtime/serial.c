/* COM1 of the controller, USART1 of its STM32, as the Modbus RTU slave
   (modbus.c) with the station, baud and frame of the project's parameters.

   Bytes are taken in by the USART interrupt and stamped with the millisecond
   clock; a complete request is carried out by SerialPoll, which the scan loop
   calls between two scans, so a ladder scan never sees half of a multi-
   register write. The answer goes out from the interrupt (and from SerialPoll
   as well, which also picks up received bytes, so the line works even where
   the interrupt is not raised).

   One image serves two chips. The product is an STM32F1 (USART1 at
   0x40013800, RCC at 0x40021000, PA9/PA10 configured through GPIOA_CRH); the
   emulated test board is an STM32F2 (USART1 at 0x40011000, RCC at 0x40023800,
   PA9/PA10 on alternate function 7). The family is told from the core's CPUID
   register: its variant field (bits 23:20) is 1 on the STM32F1's Cortex-M3
   r1p1, and anything else is taken for the F2 register map. The USART's own
   registers (SR, DR, BRR, CR1-CR3) are laid out alike on both, and USART1 is
   interrupt 37 on both. */
#include "modbus.h"
#include "plc.h"
#include "runtime.h"

#define IO32(address) (*(volatile unsigned int*)(address))

#define CPUID IO32(0xE000ED00u)
#define NVIC_ISER1 IO32(0xE000E104u)
#define USART1_IRQ 37u

/* USART registers, offsets from the USART's base. */
#define USART_SR 0x00u
#define USART_DR 0x04u
#define USART_BRR 0x08u
#define USART_CR1 0x0Cu
#define USART_CR2 0x10u
#define USART_CR3 0x14u

#define SR_PE (1u << 0)
#define SR_FE (1u << 1)
#define SR_NE (1u << 2)
#define SR_ORE (1u << 3)
#define SR_RXNE (1u << 5)
#define SR_TXE (1u << 7)
#define CR1_RE (1u << 2)
#define CR1_TE (1u << 3)
#define CR1_RXNEIE (1u << 5)
#define CR1_TXEIE (1u << 7)
#define CR1_PS (1u << 9)
#define CR1_PCE (1u << 10)
#define CR1_M (1u << 12)
#define CR1_UE (1u << 13)
#define CR2_TWO_STOP (2u << 12)

/* The crystal both boards are assumed to carry. */
#define HSE_HZ 8000000u

static unsigned int UsartBase;
static unsigned int Silence = 3;
static unsigned char Station = 1;
static struct ModbusReceiver Receiver;
static unsigned char Answer[MODBUS_FRAME_MAX];
static volatile unsigned int AnswerSize, AnswerSent;

void USART1_IRQHandler(void);

static unsigned int Interrupts(void) {
    unsigned int mask;
    __asm volatile("mrs %0, primask\n cpsid i" : "=r"(mask)::"memory");
    return mask;
}

static void RestoreInterrupts(unsigned int mask) {
    __asm volatile("msr primask, %0" ::"r"(mask) : "memory");
}

static int IsStm32F1(void) {
    return ((CPUID >> 20) & 0xFu) == 1u;
}

/* AHB prescaler: 1, then 2, 4 ... 512 (16 and 32 do not exist). */
static unsigned int AhbDivider(unsigned int code) {
    static const unsigned short dividers[8] = {2, 4, 8, 16, 64, 128, 256, 512};
    return code < 8u ? 1u : dividers[code - 8u];
}

/* APB prescaler: 1, then 2, 4, 8, 16. */
static unsigned int ApbDivider(unsigned int code) {
    return code < 4u ? 1u : 1u << (code - 3u);
}

/* The clock of APB2, where USART1 sits, from the clock tree as it is set. */
static unsigned int Apb2Hz(int f1) {
    unsigned int sysclk;
    if (f1) {
        const unsigned int cfgr = IO32(0x40021004u);
        switch ((cfgr >> 2) & 3u) {
            case 1:
                sysclk = HSE_HZ;
                break;
            case 2: {
                unsigned int multiplier = ((cfgr >> 18) & 0xFu) + 2u;
                if (multiplier > 16u) multiplier = 16u;
                const unsigned int source =
                    (cfgr >> 16) & 1u ? HSE_HZ / (((cfgr >> 17) & 1u) + 1u) : 4000000u;
                sysclk = source * multiplier;
                break;
            }
            default:
                sysclk = 8000000u; /* HSI */
                break;
        }
        return sysclk / AhbDivider((cfgr >> 4) & 0xFu) / ApbDivider((cfgr >> 11) & 7u);
    }
    const unsigned int cfgr = IO32(0x40023808u);
    switch ((cfgr >> 2) & 3u) {
        case 1:
            sysclk = HSE_HZ;
            break;
        case 2: {
            const unsigned int pll = IO32(0x40023804u);
            const unsigned int m = pll & 0x3Fu, n = (pll >> 6) & 0x1FFu;
            const unsigned int p = (((pll >> 16) & 3u) + 1u) * 2u;
            const unsigned int source = (pll >> 22) & 1u ? HSE_HZ : 16000000u;
            sysclk = m ? source / m * n / p : 16000000u;
            break;
        }
        default:
            sysclk = 16000000u; /* HSI */
            break;
    }
    return sysclk / AhbDivider((cfgr >> 4) & 0xFu) / ApbDivider((cfgr >> 13) & 7u);
}

/* Clocks and pins of USART1: TX on PA9, RX on PA10. */
static void EnableUsartPins(int f1) {
    if (f1) {
        IO32(0x40021018u) |= (1u << 14) | (1u << 2) | 1u; /* APB2ENR: USART1, GPIOA, AFIO */
        unsigned int crh = IO32(0x40010804u);             /* GPIOA_CRH */
        crh &= ~(0xFFu << 4);
        crh |= 0xBu << 4; /* PA9: alternate function push-pull, 50 MHz */
        crh |= 0x4u << 8; /* PA10: floating input */
        IO32(0x40010804u) = crh;
        return;
    }
    IO32(0x40023830u) |= 1u;      /* AHB1ENR: GPIOA */
    IO32(0x40023844u) |= 1u << 4; /* APB2ENR: USART1 */
    unsigned int moder = IO32(0x40020000u);
    moder &= ~(0xFu << 18);
    moder |= 0xAu << 18; /* PA9, PA10: alternate function */
    IO32(0x40020000u) = moder;
    unsigned int pupdr = IO32(0x4002000Cu);
    pupdr &= ~(3u << 20);
    pupdr |= 1u << 20; /* PA10 pulled up */
    IO32(0x4002000Cu) = pupdr;
    unsigned int afrh = IO32(0x40020024u);
    afrh &= ~(0xFFu << 4);
    afrh |= 0x77u << 4; /* AF7: USART1 */
    IO32(0x40020024u) = afrh;
}

/* The baud of COM1's baud code; the default 57600 for a code outside 0-4. */
static unsigned int BaudOfCode(unsigned int code) {
    static const unsigned int bauds[5] = {9600u, 19200u, 38400u, 57600u, 115200u};
    return code < 5u ? bauds[code] : 57600u;
}

void SerialStart(void) {
    const int f1 = IsStm32F1();
    UsartBase = f1 ? 0x40013800u : 0x40011000u;
    Station = (unsigned char)SysIni_TAB[2];
    const unsigned int baud = BaudOfCode(SysIni_TAB[3]);
    const unsigned int frame = SysIni_TAB[5];
    Silence = ModbusSilenceMs(baud);
    ModbusReceiverClear(&Receiver);
    AnswerSize = AnswerSent = 0;

    EnableUsartPins(f1);
    IO32(UsartBase + USART_CR1) = 0;
    IO32(UsartBase + USART_BRR) = (Apb2Hz(f1) + baud / 2u) / baud;
    /* Frames: 0 "N 8 2", 1 "O 8 1", 2 "E 8 1" (others as 2); with parity the
       word is nine bits, the ninth the parity bit. */
    IO32(UsartBase + USART_CR2) = frame == 0 ? CR2_TWO_STOP : 0u;
    IO32(UsartBase + USART_CR3) = 0;
    unsigned int cr1 = CR1_UE | CR1_TE | CR1_RE | CR1_RXNEIE;
    if (frame != 0) cr1 |= CR1_M | CR1_PCE | (frame == 1 ? CR1_PS : 0u);
    IO32(UsartBase + USART_CR1) = cr1;
    NVIC_ISER1 = 1u << (USART1_IRQ - 32u);
}

/* Takes a received byte and feeds the answer; with interrupts off. */
static void Service(void) {
    const unsigned int sr = IO32(UsartBase + USART_SR);
    if (sr & (SR_RXNE | SR_ORE)) {
        /* Reading SR, then DR, clears the error flags too. */
        const unsigned char byte = (unsigned char)IO32(UsartBase + USART_DR);
        ModbusReceiveByte(&Receiver, byte, (sr & (SR_PE | SR_FE | SR_NE | SR_ORE)) != 0,
                          RuntimeMilliseconds(), Silence);
    }
    while (AnswerSent < AnswerSize && (IO32(UsartBase + USART_SR) & SR_TXE))
        IO32(UsartBase + USART_DR) = Answer[AnswerSent++];
    if (AnswerSent >= AnswerSize) IO32(UsartBase + USART_CR1) &= ~CR1_TXEIE;
}

void USART1_IRQHandler(void) {
    if (UsartBase) Service();
}

void SerialPoll(void) {
    if (!UsartBase) return;
    const unsigned int mask = Interrupts();
    Service();
    if (AnswerSent < AnswerSize) {
        /* An answer is still going out: the next request waits for it. */
        RestoreInterrupts(mask);
        return;
    }
    unsigned char request[MODBUS_FRAME_MAX];
    const unsigned int size = ModbusFrameReady(&Receiver, RuntimeMilliseconds(), Silence);
    for (unsigned int i = 0; i < size; ++i)
        request[i] = Receiver.frame[i];
    if (size) ModbusReceiverClear(&Receiver);
    RestoreInterrupts(mask);
    if (!size) return;

    const unsigned int answer = ModbusServe(request, size, Station, Answer);
    if (!answer) return;
    const unsigned int again = Interrupts();
    AnswerSent = 0;
    AnswerSize = answer;
    Service();
    if (AnswerSent < AnswerSize) IO32(UsartBase + USART_CR1) |= CR1_TXEIE;
    RestoreInterrupts(again);
}
