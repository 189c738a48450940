/* The controller's Modbus RTU slave over the device memory (see modbus.h). */
#include "modbus.h"

#include "plc.h"

#define ILLEGAL_FUNCTION 1
#define ILLEGAL_ADDRESS 2
#define ILLEGAL_VALUE 3

unsigned short ModbusCrc16(const unsigned char* bytes, unsigned int size) {
    unsigned short crc = 0xFFFFu;
    for (unsigned int i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1u) ? (unsigned short)((crc >> 1) ^ 0xA001u) : (unsigned short)(crc >> 1);
    }
    return crc;
}

int ModbusRequestLength(const unsigned char* frame, unsigned int size) {
    if (size < 2) return 0;
    switch (frame[1]) {
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
            return 8; /* station, function, address, count or value, CRC */
        case 15:
        case 16:
            if (size < 7) return 0;
            return 9 + frame[6]; /* ... count, byte count, the bytes, CRC */
        default:
            return -1;
    }
}

/* ---- the map ------------------------------------------------------------- */

/* The cell of a coil address; 0 where the block has no device. */
static INT8U* Coil(unsigned int a) {
    if (a < 10000u) return a < M_SIZE ? &M[a] : 0;
    if (a < 10400u) return a - 10000u < S_SIZE ? &S[a - 10000u] : 0;
    if (a < 10800u) return a - 10400u < T_SIZE ? &T_out[a - 10400u] : 0;
    if (a < 11000u) return a - 10800u < C_SIZE ? &C_out[a - 10800u] : 0;
    if (a < MODBUS_COIL_END) return a - 11000u < Y_SIZE ? &Y[a - 11000u] : 0;
    return 0;
}

static INT8U* Input(unsigned int a) {
    return a < X_SIZE ? &X[a] : 0;
}

static volatile unsigned short* Register(unsigned int a) {
    if (a < 10000u) return a < D_SIZE ? (volatile unsigned short*)&D[a] : 0;
    if (a < 20001u) return a - 10000u < SD_SIZE ? (volatile unsigned short*)&SD[a - 10000u] : 0;
    if (a < 21000u) return 0;
    if (a < 21500u) return a - 21000u < T_SIZE ? &T_Nonce[a - 21000u] : 0;
    if (a < MODBUS_REGISTER_END)
        return a - 21500u < C_SIZE ? (volatile unsigned short*)&C_Nonce[a - 21500u] : 0;
    return 0;
}

/* ---- requests -------------------------------------------------------------- */

static unsigned int Be16(const unsigned char* p) {
    return (unsigned int)p[0] << 8 | p[1];
}

/* Answers are built in out (the PDU, function code first); each returns the
   PDU's length. */
static unsigned int Exception(unsigned char function, unsigned char code, unsigned char* out) {
    out[0] = (unsigned char)(function | 0x80u);
    out[1] = code;
    return 2;
}

static unsigned int ReadBits(const unsigned char* pdu, unsigned int size, unsigned char* out) {
    const unsigned char function = pdu[0];
    if (size != 5) return Exception(function, ILLEGAL_VALUE, out);
    const unsigned int address = Be16(pdu + 1), count = Be16(pdu + 3);
    if (count < 1 || count > 2000) return Exception(function, ILLEGAL_VALUE, out);
    const unsigned int end = function == 1 ? MODBUS_COIL_END : MODBUS_INPUT_END;
    if (address + count > end) return Exception(function, ILLEGAL_ADDRESS, out);
    const unsigned int bytes = (count + 7) / 8;
    out[0] = function;
    out[1] = (unsigned char)bytes;
    for (unsigned int i = 0; i < bytes; ++i)
        out[2 + i] = 0;
    for (unsigned int i = 0; i < count; ++i) {
        INT8U* cell = function == 1 ? Coil(address + i) : Input(address + i);
        if (cell && *cell) out[2 + i / 8] |= (unsigned char)(1u << (i % 8));
    }
    return 2 + bytes;
}

static unsigned int ReadRegisters(const unsigned char* pdu, unsigned int size, unsigned char* out) {
    if (size != 5) return Exception(3, ILLEGAL_VALUE, out);
    const unsigned int address = Be16(pdu + 1), count = Be16(pdu + 3);
    if (count < 1 || count > 125) return Exception(3, ILLEGAL_VALUE, out);
    if (address + count > MODBUS_REGISTER_END) return Exception(3, ILLEGAL_ADDRESS, out);
    out[0] = 3;
    out[1] = (unsigned char)(count * 2);
    for (unsigned int i = 0; i < count; ++i) {
        volatile unsigned short* cell = Register(address + i);
        const unsigned int value = cell ? *cell : 0u;
        out[2 + 2 * i] = (unsigned char)(value >> 8);
        out[3 + 2 * i] = (unsigned char)value;
    }
    return 2 + count * 2;
}

static unsigned int WriteCoil(const unsigned char* pdu, unsigned int size, unsigned char* out) {
    if (size != 5) return Exception(5, ILLEGAL_VALUE, out);
    const unsigned int address = Be16(pdu + 1), value = Be16(pdu + 3);
    if (value != 0xFF00u && value != 0) return Exception(5, ILLEGAL_VALUE, out);
    INT8U* cell = Coil(address);
    if (!cell) return Exception(5, ILLEGAL_ADDRESS, out);
    *cell = value ? 1 : 0;
    for (unsigned int i = 0; i < 5; ++i)
        out[i] = pdu[i]; /* the echo */
    return 5;
}

/* All registers are checked before the first is written, so a refused write
   leaves every one of them as it was. */
static unsigned int WriteRegisters(const unsigned char* pdu, unsigned int size,
                                   unsigned char* out) {
    if (size < 6) return Exception(16, ILLEGAL_VALUE, out);
    const unsigned int address = Be16(pdu + 1), count = Be16(pdu + 3), bytes = pdu[5];
    if (count < 1 || count > 123 || bytes != count * 2 || size != 6 + bytes)
        return Exception(16, ILLEGAL_VALUE, out);
    if (address + count > MODBUS_REGISTER_END) return Exception(16, ILLEGAL_ADDRESS, out);
    for (unsigned int i = 0; i < count; ++i) {
        if (!Register(address + i)) return Exception(16, ILLEGAL_ADDRESS, out);
    }
    for (unsigned int i = 0; i < count; ++i)
        *Register(address + i) = (unsigned short)Be16(pdu + 6 + 2 * i);
    for (unsigned int i = 0; i < 5; ++i)
        out[i] = pdu[i]; /* function, address, count */
    return 5;
}

unsigned int ModbusServe(const unsigned char* frame, unsigned int size, unsigned char station,
                         unsigned char* answer) {
    if (size < 4) return 0;
    const unsigned char unit = frame[0];
    const int broadcast = unit == 0;
    if (!broadcast && unit != station) return 0;
    const unsigned char* pdu = frame + 1;
    const unsigned int pduSize = size - 3;
    unsigned char* out = answer + 1;
    unsigned int n;
    switch (pdu[0]) {
        case 1:
        case 2:
            if (broadcast) return 0;
            n = ReadBits(pdu, pduSize, out);
            break;
        case 3:
            if (broadcast) return 0;
            n = ReadRegisters(pdu, pduSize, out);
            break;
        case 5:
            n = WriteCoil(pdu, pduSize, out);
            break;
        case 16:
            n = WriteRegisters(pdu, pduSize, out);
            break;
        default:
            n = Exception(pdu[0], ILLEGAL_FUNCTION, out);
            break;
    }
    if (broadcast) return 0;
    answer[0] = unit;
    const unsigned short crc = ModbusCrc16(answer, n + 1);
    answer[n + 1] = (unsigned char)crc;
    answer[n + 2] = (unsigned char)(crc >> 8);
    return n + 3;
}

/* ---- framing --------------------------------------------------------------- */

unsigned int ModbusSilenceMs(unsigned int baud) {
    if (baud == 0) return 2;
    if (baud > 19200u) return 3;
    return (38500u + baud - 1) / baud + 1;
}

void ModbusReceiverClear(struct ModbusReceiver* r) {
    r->size = 0;
    r->damaged = 0;
}

void ModbusReceiveByte(struct ModbusReceiver* r, unsigned char byte, int lineError,
                       unsigned int now, unsigned int silence) {
    /* A silence since the last byte: what came before it is over. */
    if (r->size > 0 && now - r->lastByte >= silence) ModbusReceiverClear(r);
    if (r->size < MODBUS_FRAME_MAX) {
        r->frame[r->size++] = byte;
    } else {
        r->damaged = 1;
    }
    if (lineError) r->damaged = 1;
    r->lastByte = now;
}

static int CrcRight(const unsigned char* frame, unsigned int size) {
    if (size < 4) return 0;
    const unsigned short crc = ModbusCrc16(frame, size - 2);
    return frame[size - 2] == (unsigned char)crc && frame[size - 1] == (unsigned char)(crc >> 8);
}

unsigned int ModbusFrameReady(struct ModbusReceiver* r, unsigned int now, unsigned int silence) {
    if (r->size == 0) return 0;
    const int length = ModbusRequestLength(r->frame, r->size);
    if (!r->damaged && length > 0 && r->size == (unsigned int)length && CrcRight(r->frame, r->size))
        return r->size;
    if (now - r->lastByte < silence) return 0;
    /* The silence ends the frame: a sound frame of a function whose length
       cannot be told is still answered (with its exception). */
    if (!r->damaged && length < 0 && CrcRight(r->frame, r->size)) return r->size;
    ModbusReceiverClear(r);
    return 0;
}
