// The serial line on a terminal device (termios).
//
// Opens the device non-blocking and exclusively (the port's lock, which other
// programs honour even when run as root, and TIOCEXCL), applies the line
// settings with termios (mark and space parity through CMSPAR, rates without a
// B constant through termios2), and sets the modem lines with TIOCMBIS and
// TIOCMBIC. The device keeps HUPCL, so the lines also drop if the program dies
// with the port open. Closing gives the device back the settings it had when
// it was opened, so the next program (or the next open) finds it as it was.
//
// Pseudo-terminals have no line under them. They have no modem lines and
// refuse those calls: the change is still reported to the line observer,
// marked as not applied, and counts as done. Nor have they parity: Linux
// refuses a parity bit unless the rate changes in the same call, so on a
// pseudo-terminal the settings are applied without parity. On a real serial
// device a refused setting stays a failure.
#pragma once

#include <termios.h>

#include "platform/SerialPortLock.h"
#include "updater/SerialLink.h"

namespace vx {

class PosixSerialLink final : public SerialLink {
  public:
    explicit PosixSerialLink(Clock& clock = TheSystemClock()) : clock_(clock) {}
    // Closes the device, giving it back its settings.
    ~PosixSerialLink() override { Close(); }
    PosixSerialLink(const PosixSerialLink&) = delete;
    PosixSerialLink& operator=(const PosixSerialLink&) = delete;

    bool Open(const std::string& device) override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }
    bool Configure(const LineSettings& settings) override;
    void Purge(bool receive, bool transmit) override;
    int OutputQueued() const override;
    long Read(std::uint8_t* into, std::size_t max, Clock::TimePoint deadline) override;
    long Write(const std::uint8_t* bytes, std::size_t count, Clock::TimePoint deadline) override;
    bool SetLine(ModemLine line, bool raised) override;

    int Descriptor() const { return fd_; }
    // Whether the open device is a pseudo-terminal.
    bool IsPseudoTerminal() const { return pseudo_; }

  private:
    // Waits until the device is readable or writable, or the deadline passes.
    // 1 ready, 0 deadline, -1 failure or hang-up.
    int WaitFor(short events, Clock::TimePoint deadline) const;

    Clock& clock_;
    SerialPortLock lock_;
    int fd_ = -1;
    bool pseudo_ = false;
    bool saved_ = false;  // whether original_ holds the device's settings
    termios original_{};
};

// Fills the termios record for the settings: raw bytes, receiver on, modem
// status ignored, lines dropped on close, reads that never wait. The rate is
// set only when it has a B constant (*customRate false); other rates must be
// set afterwards with SetCustomRate. False for settings no terminal can take:
// data bits outside 5 to 8, or one and a half stop bits with more than 5 data
// bits (a UART gives one and a half stop bits only for 5-bit bytes).
bool FillTermios(const LineSettings& settings, termios& tio, bool* customRate);

// Sets a rate that has no B constant on the open terminal.
bool SetCustomRate(int fd, int baud);

}  // namespace vx
