/* The controller's Modbus RTU slave: framing, check and the device map. No
   hardware here (serial.c drives the USART), so the same code also runs in the
   tool's host tests.

   The device map (device numbers as the tool's device image has them; X and Y
   by the decimal reading of their octal label, X17 is address 17):

     discrete inputs, function 02          X at n
     coils, functions 01 and 05            M at n, S at 10000 + n, T contacts
                                           at 10400 + n, C contacts at
                                           10800 + n, Y at 11000 + n
     holding registers, functions 03, 16   D at n and the system registers SD
                                           at 10000 + n (D10000 is SD0), T
                                           values at 21000 + n, C values at
                                           21500 + n

   Each block may be read to its end (the S block runs 10000-10399); a cell
   with no device behind it reads as 0, but a write to one is refused with
   exception 02, and nothing of that write is carried out. Past the last block
   (coils 11400, inputs 400, registers 22000) every request is refused with
   exception 02. Other functions get exception 01, bad counts or values 03.
   Station 0 is the broadcast: its writes are carried out without an answer,
   its reads are ignored. */
#ifndef MODBUS_H
#define MODBUS_H

#define MODBUS_FRAME_MAX 256 /* the longest RTU frame */

#define MODBUS_COIL_END 11400u
#define MODBUS_INPUT_END 400u
#define MODBUS_REGISTER_END 22000u

/* The RTU check: CRC-16, polynomial 0xA001 (reflected), start 0xFFFF; it goes
   on the line low byte first. */
unsigned short ModbusCrc16(const unsigned char* bytes, unsigned int size);

/* The length of the request frame at the start of the bytes, told by its
   function code: 0 while too few bytes are in to tell, -1 for a function
   whose length cannot be told. */
int ModbusRequestLength(const unsigned char* frame, unsigned int size);

/* Carries out one request frame (station, PDU, CRC; the CRC already found
   right) for the station number and writes the answer frame, CRC included,
   to answer (MODBUS_FRAME_MAX bytes). Returns the answer's length; 0 when no
   answer goes out (another station, a broadcast). */
unsigned int ModbusServe(const unsigned char* frame, unsigned int size, unsigned char station,
                         unsigned char* answer);

/* The receiving side of the line: bytes as they come, stamped with the
   millisecond clock. A frame ends when its length (known from the function
   code) is in and its CRC is right, or else at the silence of 3.5
   characters. */
struct ModbusReceiver {
    unsigned char frame[MODBUS_FRAME_MAX];
    unsigned short size;
    unsigned char damaged; /* a byte with a line error, or more than a frame */
    unsigned int lastByte; /* clock of the last byte */
};

/* The silence that ends a frame, in whole milliseconds of the run-time's
   clock: 3.5 characters of 11 bits (1.75 ms above 19200 baud), rounded up,
   plus one tick because the clock may step just after the last byte. */
unsigned int ModbusSilenceMs(unsigned int baud);

void ModbusReceiverClear(struct ModbusReceiver* r);

/* One received byte; lineError for a parity, framing, noise or overrun error. */
void ModbusReceiveByte(struct ModbusReceiver* r, unsigned char byte, int lineError,
                       unsigned int now, unsigned int silence);

/* The length of a complete frame to serve now (its bytes in r->frame), 0 when
   none. Bytes that the silence ended without a sound frame are thrown away.
   The caller clears the receiver once it has taken the frame. */
unsigned int ModbusFrameReady(struct ModbusReceiver* r, unsigned int now, unsigned int silence);

#endif
