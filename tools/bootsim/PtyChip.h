// A simulated boot loader on a pseudo-terminal.
//
// The chip listens on the master side from a thread of its own; a host (the
// updater, stm32flash) opens DevicePath(), the slave side, like a serial port.
// Pseudo-terminals have no modem lines, so the reset and BOOT0 pins are set by
// whoever wires them (tests connect the host's line changes to SetReset and
// SetBoot0); unwired, each time a host opens the port the boot loader starts
// afresh, as a board whose adapter resets it on open would.
//
// The line can be paced: each byte then takes byteTime in each direction, as
// on a real line (11 bits at 115200 baud for 8E1 is about 95.5 us), and the
// chip answers a byte only once it has fully arrived. A slow chip can answer
// late: answerDelay after the byte that asked for the answer has arrived.
// Stray bytes of the chip's line faults arrive at once.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bootsim/BootChip.h"

namespace vx::bootsim {

struct PtyOptions {
    std::chrono::nanoseconds byteTime{0};  // 0: as fast as the pseudo-terminal goes
    bool resetOnHostOpen = true;           // false when the reset pins are wired
    std::chrono::nanoseconds answerDelay{0};
};

// The time of one byte of 8 data bits, parity and one stop bit at the rate.
std::chrono::nanoseconds ByteTime8E1(int baud);

class PtyChip {
  public:
    explicit PtyChip(ChipProfile profile, PtyOptions options = {});
    explicit PtyChip(BootChip chip, PtyOptions options = {});
    ~PtyChip();
    PtyChip(const PtyChip&) = delete;
    PtyChip& operator=(const PtyChip&) = delete;

    // The slave side, e.g. "/dev/pts/5"; empty when no pseudo-terminal could be made.
    const std::string& DevicePath() const { return path_; }
    bool Ok() const { return master_ >= 0; }

    // Runs the function on the chip while the line waits.
    template <class Function>
    auto With(Function&& function) {
        std::lock_guard lock(mutex_);
        return function(chip_);
    }

    // The wired pins.
    void SetReset(bool held);
    void SetBoot0(bool high);

    // Every byte the host has sent, in order.
    std::vector<std::uint8_t> Received() const;
    void ClearReceived();
    int HostOpens() const { return hostOpens_.load(); }
    // The line hangs up under the host (the adapter pulled): once the chip
    // has received this many bytes in all, it closes the master side
    // without answering the last one.
    void HangUpAfter(std::size_t received) { hangUpAfter_ = received; }
    // The line hangs up now, whatever the host is doing; returns once it has.
    void HangUp();
    // Whether a host holds the port open, as the chip last saw it.
    bool HostIsOpen() const { return hostOpen_.load(); }

  private:
    void Start();
    void Run();
    void Feed(const std::uint8_t* bytes, std::size_t count);
    // Closes the master side and ends the chip's thread (the mutex held).
    void CloseLine();
    // Reads the queued opens of the slave and starts the chip afresh.
    void HostOpenedAgain();
    void SendOut(const std::vector<std::uint8_t>& bytes,
                 std::chrono::steady_clock::time_point earliest);

    mutable std::mutex mutex_;
    BootChip chip_;
    PtyOptions options_;
    std::vector<std::uint8_t> received_;
    int master_ = -1;
    int opens_ = -1;  // inotify: the opens of the slave
    std::string path_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> hostOpens_{0};
    std::atomic<bool> hostOpen_{false};
    std::atomic<std::size_t> hangUpAfter_{0};
    std::atomic<bool> hangUpNow_{false};
    std::chrono::steady_clock::time_point lastArrival_{};
    std::chrono::steady_clock::time_point lastDeparture_{};
};

}  // namespace vx::bootsim
