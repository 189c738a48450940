// The Modbus link to the controller: Modbus RTU on a serial port or Modbus
// TCP. libmodbus opens the port (line settings) or the connection and closes
// it again, putting the port's settings back as it found them; the link frames
// and checks its requests and answers itself (ModbusFrame), so that every
// answer is checked against its request in full and a close can end the wait
// for an answer at once. The station therefore is the link's own: every
// station a controller can be given on its serial port is reached, 248-255
// too, which libmodbus would refuse to address on a serial line.
//
// The online functions work from timers on the user-interface thread: they
// start one read, then ask on every tick whether its answer has come, and give
// up after 50 ticks. Waiting for an answer blocks, so the link owns one worker
// thread that does all traffic. Each read is tagged; an answer is handed out
// only for the read asked last, so the answer to a read the caller abandoned
// can never be taken for the next one. A write waits for the read in flight
// to end, then goes out before any further read, and returns when the
// controller has confirmed it with the echo of its address and value. Close
// ends the exchange in flight at once (a controller that trickles its answer
// out byte by byte would otherwise hold it for seconds) and fails the writes
// still waiting.
//
// A serial port is locked (SerialPortLock) before it is opened and for as long
// as the link is open: a port another window or program holds fails the open
// before anything is sent.
//
// Linux pseudo-terminals (a simulator's port) cannot carry a parity bit and
// refuse it when nothing else changes with it; on them the line is set
// without parity. On a real serial device a refused setting fails the open.
//
// Area codes name a device area and what is done with it; each maps to one
// Modbus function and an address block. Device numbers are those of the
// device image (X and Y by the decimal reading of their octal label, X17 is
// 17); a read may reach the spare entry at the end of an area that the image
// keeps for two-wide reads, a write only real devices.
//
//   area          read  write  function            address
//   X             2            02 discrete inputs  n
//   M             1     5      01 / 05 coils       n
//   S             12    14     01 / 05             10000 + n
//   T contacts    106   110    01 / 05             10400 + n
//   C contacts    107   111    01 / 05             10800 + n
//   Y             105   109    01 / 05             11000 + n
//   D, SD         3     16     03 / 16 registers   n (0-20000)
//   T values      4     102    03 / 16             21000 + n
//   C values      101   103    03 / 16             21500 + n
//
// After a read or write that got no complete answer (time-out, bad CRC, a
// damaged frame) the worker waits until the line has been quiet for the
// response time-out, throwing away what arrives, before it sends again; and
// it empties the line before every request. A late answer is thus dropped on
// the wire as well as by the tag.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/SerialPortLock.h"

namespace vx {

// One area code of the link.
struct ModbusArea {
    int code = 0;
    bool bits = false;    // coils or discrete inputs, else holding registers
    bool write = false;   // a write code, else a read code
    int function = 0;     // the Modbus function code
    int base = 0;         // Modbus address of device number 0
    int readEntries = 0;  // numbers 0 .. readEntries - 1 may be read
    int devices = 0;      // numbers 0 .. devices - 1 may be written
};

// The area of a code; nothing for a code the link does not know.
std::optional<ModbusArea> AreaOfCode(int code);

// How to reach the controller.
struct LinkParameters {
    int baudCode = 11;  // 6, 8, 9, 11, 12: 9600, 19200, 38400, 57600, 115200
    int port = 0;       // 0-7: COM1-COM8; 8: Modbus TCP
    int frame = 2;      // 0: N 8 2, 1: O 8 1, 2: E 8 1
    int station = 1;    // RTU 1-255; TCP unit identifier 0-255
    std::string tcpAddress;
    std::string tcpPort;
};

inline constexpr int kTcpPort = 8;

// Whether the link can address the station on the port: on a serial line
// 1-255, for station 0 is the broadcast, which a controller carries out
// without ever answering (nothing could be read, no write confirmed, and
// every controller on the line would take the writes); over TCP any unit
// identifier 0-255.
bool LinkReachesStation(int port, int station);

// The line speed of a baud code; 0 for a code that names none.
int BaudOfCode(int baudCode);

class ModbusLink {
  public:
    struct Timing {
        // Wait for the first byte of an answer: below the half second after
        // which the online functions give a read up.
        std::chrono::milliseconds response{250};
        // Longest gap between two bytes of one answer.
        std::chrono::milliseconds byte{50};
        // After a failed exchange: silence needed before the next request.
        std::chrono::milliseconds quiet{250};
        // After a failed exchange: the longest wait for that silence.
        std::chrono::milliseconds quietLimit{1000};
    };

    ModbusLink();
    explicit ModbusLink(Timing timing);
    ~ModbusLink();
    ModbusLink(const ModbusLink&) = delete;
    ModbusLink& operator=(const ModbusLink&) = delete;

    // Opens the link, closing one that is open. False, and nothing open, for
    // parameters the link cannot use (an unknown baud code or frame on a
    // serial port, a station the link cannot reach (LinkReachesStation), a port
    // outside 0-8, an empty address, a port text that is no number 1-65535)
    // or when the port or the connection cannot be opened.
    bool Open(const LinkParameters& parameters);
    void Close();
    bool IsOpen() const;

    // Starts a read of count bits or words from the device number start of
    // the area. A read already asked for is abandoned. A read that the link
    // cannot make (closed, not a read code of that sort, outside the area,
    // more than 2000 bits or 125 words) is still the last read: it never
    // gets an answer.
    void ReadBits(int start, int count, int areaCode);
    void ReadWords(int start, int count, int areaCode);

    // True once: when the last read's answer has come and count entries of
    // it are copied (one byte per bit, 1 = ON; or 16-bit words). False while
    // it is pending, when it failed, when it was already taken, for a read of
    // the other sort or for a count beyond what was read.
    bool RetakeBits(std::uint8_t* destination, int count);
    bool RetakeWords(std::uint16_t* destination, int count);

    // Writes one bit (value 1 or 255 ON, 0 OFF) or 1 to 3 words (the low
    // word first) and waits for the controller's confirmation. False when
    // the link is closed, the code is no write code of that sort, the
    // device is outside the area or the controller did not confirm.
    bool WriteBit(int value, int address, int areaCode);
    bool WriteWords(const std::uint16_t* source, int address, int count, int areaCode);

    // Requests sent since the link was made, for tests and benchmarks.
    std::uint64_t RequestsSent() const;
    // Writes waiting for their turn on the wire, for tests.
    std::size_t QueuedWrites() const;

  private:
    struct Read {
        std::uint64_t tag = 0;
        bool bits = false;
        int count = 0;
        std::vector<std::uint8_t> request;  // the request PDU
    };
    struct Write {
        std::vector<std::uint8_t> request;  // the request PDU
        bool done = false;
        bool ok = false;
    };
    enum class Outcome {
        Answered,  // the answer to the request
        Refused,   // a whole answer from the controller, but a refusal or no answer to it
        Failed,    // no whole answer addressed to the link
        Stopped,   // the link is closing
    };
    enum class Wait { Ready, TimedOut, Stopped, Failed };
    struct Answer {
        std::uint64_t tag = 0;
        bool ready = false;  // the read of this tag has succeeded
        bool taken = false;
        bool bits = false;
        std::vector<std::uint8_t> bitValues;
        std::vector<std::uint16_t> wordValues;
    };

    void StartRead(bool bits, int start, int count, int areaCode);
    bool WriteAndWait(Write& write);
    void Run();
    // One request and its answer on the wire, the answer PDU into answer.
    Outcome Transact(const std::vector<std::uint8_t>& request, std::vector<std::uint8_t>& answer);
    bool Send(const std::vector<std::uint8_t>& bytes);
    // Waits until the port has something to read (or to write) or the link closes.
    Wait WaitFor(short events, std::chrono::milliseconds timeout);
    // Waits for silence after a failed exchange, throwing away what comes.
    void Quiet();

    Timing timing_;
    void* context_ = nullptr;  // the libmodbus context, the worker's alone while it runs
    SerialPortLock portLock_;  // the serial port's lock (RTU)
    int fd_ = -1;              // its port or socket
    int stopFd_ = -1;          // readable once Close has begun
    bool tcp_ = false;
    int station_ = 1;
    std::uint16_t transaction_ = 0;
    std::thread worker_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;    // the worker: work or stop
    std::condition_variable doneCv_;  // writers: their write has ended
    bool open_ = false;
    bool stop_ = false;
    std::uint64_t lastTag_ = 0;  // the read asked last
    std::optional<Read> pendingRead_;
    std::deque<Write*> writes_;
    Answer answer_;
    std::uint64_t requestsSent_ = 0;
};

// The one link of the tool.
ModbusLink& TheModbusLink();

// The library's functions, on the tool's link.
bool Modbus_Link_Open(int baudCode, int port, int frame, int station, const std::string& tcpAddress,
                      const std::string& tcpPort);
void Modbus_LinkClose();
void Modbus_Read_B_relay(int start, int count, int areaCode);
void Modbus_Read_W_register(int start, int count, int areaCode);
bool Modbus_Retake_B_data(std::uint8_t* destination, int count);
bool Modbus_Retake_W_data(std::uint16_t* destination, int count);
bool Modbus_Write_B_relay(int value, int address, int areaCode);
bool Modbus_Write_W_register(const std::uint16_t* source, int address, int count, int areaCode);

}  // namespace vx
