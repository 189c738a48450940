// A serial line with a simulated chip behind it, on a clock moved by hand.
//
// Whatever the host writes goes byte by byte to the chip (or to a test's own
// handler), and the chip's answers wait to be read at the next poll, or, from
// a chip that answers late, once answerDelay has passed. The modem
// lines can be wired to the chip's reset and BOOT0 pins (DTR holds the reset,
// RTS raises BOOT0), as on the controller's programming cable.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "bootsim/BootChip.h"
#include "updater/STM.h"
#include "updater/SerialLink.h"
#include "updater/Timers.h"

namespace vx::test {

class ManualClock final : public Clock {
  public:
    TimePoint Now() const override { return now_; }
    void SleepUntil(TimePoint when) override {
        if (when > now_) now_ = when;
    }
    void Advance(Millis by) { now_ += by; }

  private:
    TimePoint now_{};
};

struct WrittenFrame {
    Clock::TimePoint at;
    std::vector<std::uint8_t> bytes;
    // Bytes of the chip's answers still on their way when the frame went out.
    std::size_t answersInFlight = 0;
};

class FakeLink final : public SerialLink {
  public:
    explicit FakeLink(Clock& clock) : clock_(clock) {}

    // The chip behind the line; none: a silent line.
    void Attach(bootsim::BootChip* chip, bool wired) {
        chip_ = chip;
        wired_ = wired;
    }
    // Replaces what happens to each byte written (the default feeds the chip).
    void SetByteHandler(std::function<void(std::uint8_t)> handler) {
        byteHandler_ = std::move(handler);
    }
    // Hands the byte to the chip and queues its answer.
    void FeedChip(std::uint8_t byte);
    // Queues bytes as if the chip had sent them, to arrive after the delay.
    void Reply(const std::vector<std::uint8_t>& bytes, Millis delay = Millis(0));
    // Called after each read that returned bytes, with those bytes.
    void SetReadObserver(std::function<void(const std::vector<std::uint8_t>&)> observer) {
        readObserver_ = std::move(observer);
    }

    bool Open(const std::string& device) override;
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool Configure(const LineSettings& settings) override;
    void Purge(bool receive, bool) override;
    int OutputQueued() const override { return outputQueued_; }
    long Read(std::uint8_t* into, std::size_t max, Clock::TimePoint deadline) override;
    long Write(const std::uint8_t* bytes, std::size_t count, Clock::TimePoint deadline) override;
    bool SetLine(ModemLine line, bool raised) override;

    // Knobs.
    bool refuseOpen = false;
    bool refuseSettings = false;
    int outputQueued_ = 0;
    long writeLimit = -1;     // bytes the line takes before it stops taking any; -1 no limit
    bool writeFails = false;  // the device fails on writes
    bool blockWhenFull = true;
    Millis answerDelay{0};  // the chip's answers arrive this late (stray bytes at once)

    // What happened.
    std::vector<std::string> opened;
    std::vector<LineSettings> settings;
    std::vector<WrittenFrame> frames;
    std::vector<LineChange> lines;
    std::vector<std::uint8_t> Written() const;

  private:
    Clock& clock_;
    bootsim::BootChip* chip_ = nullptr;
    bool wired_ = false;
    struct Inbound {
        std::uint8_t byte;
        Clock::TimePoint arrives;
    };
    bool Arrived(const Inbound& in) const { return in.arrives <= clock_.Now(); }

    std::function<void(std::uint8_t)> byteHandler_;
    std::function<void(const std::vector<std::uint8_t>&)> readObserver_;
    std::deque<Inbound> inbound_;
    bool open_ = false;
    long taken_ = 0;
};

// The main window as the session sees it, noting everything.
class RecordingHost final : public SessionHost {
  public:
    int SelectedPort() const override { return port; }
    ImageLoad LoadImage(std::vector<std::uint8_t>& imageBuffer) override {
        ++loads;
        if (load) return load(imageBuffer);
        imageBuffer = image;
        return {true, {}};
    }
    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
    void ShowProgress(int percent) override { progress.push_back(percent); }
    void ShowProgressHint(const std::string& text) override { hint = text; }
    void ShowLamp(bool portOpen) override { lamps.push_back(portOpen); }
    void CloseMainWindow() override { ++closes; }

    bool SawStatus(const std::string& text) const;
    int CountStatus(const std::string& text) const;

    int port = 0;
    std::vector<std::uint8_t> image;
    std::function<ImageLoad(std::vector<std::uint8_t>&)> load;
    int loads = 0;
    std::vector<std::string> statuses;
    std::vector<int> progress;
    std::string hint;
    std::vector<bool> lamps;
    int closes = 0;
};

// Image bytes that differ from block to block.
std::vector<std::uint8_t> TestImage(std::size_t size, unsigned seed = 1);

// The bytes the updater sends for a whole transfer of the image: the
// synchronisation, Get, Get ID, the option read, the erase, every block and the
// read-back of every block between two Get IDs.
std::vector<std::uint8_t> ExpectedTranscript(const std::vector<std::uint8_t>& image, bool pageMode);

}  // namespace vx::test
