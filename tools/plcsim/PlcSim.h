// A simulated controller that answers Modbus: RTU on a pseudo-terminal and TCP
// on the loopback address, over one device memory.
//
// One thread serves both: it frames RTU requests by their function code (CRC
// checked, frames for other stations ignored, broadcasts executed without an
// answer) and TCP requests by their MBAP header (any unit identifier of the
// station, 0 or 255). Every request is logged. Faults can be queued: each
// request takes the next one (answered normally once the queue is empty):
// silence, a late answer, an exception reply, a damaged answer (a wrong CRC
// on RTU, a wrong transaction identifier on TCP), a write echo naming another
// address or another value, an answer from another station (RTU address or
// TCP unit identifier), a TCP answer with another protocol identifier, an
// answer trickled out one byte at a time, or a TCP connection dropped instead
// of an answer. Late and trickled answers are sent while further requests are
// served.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "plcsim/PlcModel.h"

namespace vx::plcsim {

struct Fault {
    enum class Kind {
        None,
        Silence,
        Late,
        Exception,
        BadCrc,
        EchoAddress,    // a write's echo names the next address
        EchoValue,      // a write's echo names another value (or quantity)
        OtherStation,   // the answer comes from the next station number
        OtherProtocol,  // TCP: protocol identifier 1
        Trickle,        // the answer goes out one byte per delay
        Hangup,         // TCP: the connection is closed instead of answered
    };
    Kind kind = Kind::None;
    std::chrono::milliseconds delay{0};  // Late: when the answer goes out; Trickle: per byte
    std::uint8_t exceptionCode = kDeviceFailure;  // Exception

    static Fault Silence() { return {Kind::Silence}; }
    static Fault Late(std::chrono::milliseconds delay) { return {Kind::Late, delay}; }
    static Fault ExceptionReply(std::uint8_t code = kDeviceFailure) {
        return {Kind::Exception, {}, code};
    }
    static Fault BadCrc() { return {Kind::BadCrc}; }
    static Fault Of(Kind kind) { return {kind}; }
    static Fault Trickle(std::chrono::milliseconds perByte) { return {Kind::Trickle, perByte}; }
};

struct LoggedRequest {
    bool tcp = false;
    int unit = 0;
    int function = 0;
    int address = 0;  // for functions that carry one
    int count = 0;    // for reads and multiple writes; 1 for single writes
    Fault::Kind fault = Fault::Kind::None;
    std::chrono::steady_clock::time_point at{};
};

struct SimOptions {
    int station = 1;
    bool rtu = true;
    bool tcp = true;
    int tcpPort = 0;                           // 0: any free port
    std::chrono::milliseconds answerDelay{0};  // every normal answer waits this long
};

class PlcSim {
  public:
    explicit PlcSim(SimOptions options = {});
    ~PlcSim();
    PlcSim(const PlcSim&) = delete;
    PlcSim& operator=(const PlcSim&) = delete;

    // The slave side of the pseudo-terminal ("/dev/pts/7"); empty without RTU.
    const std::string& DevicePath() const { return ptyPath_; }
    // The TCP port on 127.0.0.1; 0 without TCP.
    int TcpPort() const { return tcpPort_; }
    bool Ok() const;

    // The memory, read and written while the line waits.
    bool Bit(Area area, int number) const;
    void SetBit(Area area, int number, bool on);
    std::uint16_t Word(Area area, int number) const;
    void SetWord(Area area, int number, std::uint16_t value);

    void PushFault(Fault fault);
    void ClearFaults();
    void SetAnswerDelay(std::chrono::milliseconds delay);

    std::vector<LoggedRequest> Log() const;
    void ClearLog();
    // The log so far, emptying it.
    std::vector<LoggedRequest> TakeLog();
    // TCP connections open now.
    int TcpConnections() const { return tcpConnections_.load(); }
    // Trickled answers whose last byte has gone out.
    int TricklesCompleted() const { return tricklesCompleted_.load(); }
    // Bytes of trickled answers sent so far.
    int TrickledBytes() const { return trickledBytes_.load(); }

  private:
    struct Pending {
        std::chrono::steady_clock::time_point due;
        int fd;
        std::vector<std::uint8_t> bytes;
        bool trickled = false;
        bool lastOfTrickle = false;
    };
    struct TcpClient {
        int fd;
        std::vector<std::uint8_t> buffer;
    };

    void Run();
    void ServeRtu();
    void ServeTcp(TcpClient& client, bool& closed);
    // The answer PDU for a request, with its fault; empty for silence.
    std::vector<std::uint8_t> Handle(bool tcp, int unit, const std::uint8_t* pdu, std::size_t size,
                                     Fault& fault);
    void Send(int fd, std::vector<std::uint8_t> bytes, const Fault& fault);
    void Flush(std::chrono::steady_clock::time_point now);

    SimOptions options_;
    mutable std::mutex mutex_;
    PlcMemory memory_;
    std::deque<Fault> faults_;
    std::vector<LoggedRequest> log_;

    int master_ = -1;
    std::string ptyPath_;
    std::vector<std::uint8_t> rtuBuffer_;
    std::chrono::steady_clock::time_point rtuLastByte_{};
    int listener_ = -1;
    int tcpPort_ = 0;
    std::vector<TcpClient> clients_;
    std::vector<Pending> pending_;
    std::atomic<int> tcpConnections_{0};
    std::atomic<int> tricklesCompleted_{0};
    std::atomic<int> trickledBytes_{0};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace vx::plcsim
