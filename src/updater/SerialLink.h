// The serial line as the updater's port component sees it.
//
// A narrow interface over one serial device: open and close, line settings,
// reads that wait at most until a deadline, writes that give up at a deadline,
// and the two modem lines DTR and RTS that reset the controller and select its
// boot mode. PosixSerialLink is the real one on a terminal device; tests put a
// simulated chip behind the same interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "updater/Timers.h"

namespace vx {

enum class LineParity { None, Odd, Even, Mark, Space };
enum class LineStopBits { One, OneAndHalf, Two };

struct LineSettings {
    int baud = 9600;
    int dataBits = 8;  // 5 to 8
    LineParity parity = LineParity::None;
    LineStopBits stopBits = LineStopBits::One;
    bool rtsCts = false;   // hardware handshake
    bool xonXoff = false;  // software handshake, XON 17 and XOFF 19
};

enum class ModemLine { Dtr, Rts };

// One change of a modem line, as the link made it.
struct LineChange {
    ModemLine line = ModemLine::Dtr;
    bool raised = false;
    Clock::TimePoint at{};
    // Whether the device took it: pseudo-terminals have no modem lines and
    // refuse the change, which the link tolerates.
    bool applied = true;
};

using LineObserver = std::function<void(const LineChange&)>;

class SerialLink {
  public:
    virtual ~SerialLink() = default;

    // Opens the device for reading and writing, for this program alone. False
    // when it does not exist, is no serial device, or is in use.
    virtual bool Open(const std::string& device) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Applies the settings to the open device; false when it refuses them.
    virtual bool Configure(const LineSettings& settings) = 0;
    // Drops what waits to be read and what waits to be sent.
    virtual void Purge(bool receive, bool transmit) = 0;
    // Bytes written but not yet on the line; 0 when that is not known.
    virtual int OutputQueued() const = 0;

    // Reads what has arrived, at most max bytes, waiting for the first byte
    // until the deadline (a deadline already passed does not wait). The count
    // read, 0 when nothing came, -1 when the device failed or the line hung up.
    virtual long Read(std::uint8_t* into, std::size_t max, Clock::TimePoint deadline) = 0;
    // Writes as much as the device takes, waiting for room until the
    // deadline. The count written, 0 when there was no room in time, -1 when
    // the device failed (a write that takes nothing counts as failed).
    virtual long Write(const std::uint8_t* bytes, std::size_t count, Clock::TimePoint deadline) = 0;

    // Raises or drops a modem line; false only when the port is closed or
    // broken. Every change is also reported to the observer.
    virtual bool SetLine(ModemLine line, bool raised) = 0;
    void SetLineObserver(LineObserver observer) { observer_ = std::move(observer); }

  protected:
    void ReportLine(const LineChange& change) const {
        if (observer_) observer_(change);
    }

  private:
    LineObserver observer_;
};

}  // namespace vx
