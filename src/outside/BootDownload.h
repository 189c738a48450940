// The downloader's transfer: a controller image into the controller's flash
// through the STM32 ROM boot loader, written, read back and started.
//
// BootDownload speaks the boot-loader protocol the updater speaks
// (BootProtocol: frames, reply checks, chip families, erase plans) on the same
// serial line (SerialLink), but in its own manner: it runs on one thread of
// its own and waits for each answer with a deadline, acting as soon as the
// answer is complete, instead of looking for it from timers.
//
// One transfer: open the port (115200 baud 8E1), reset the controller into
// its boot loader (RTS raises BOOT0, DTR holds the reset), synchronise with
// 0x7F, Get, Get ID, a Read Memory that a read-protected chip refuses, erase
// what the image needs, write it from 0x08000000 in blocks of 256 bytes, read
// it back block by block and compare, then Go to 0x08000000 and reset the
// controller with BOOT0 low, so that it runs its new program whether or not
// its reset lines are wired. A transfer that fails on the line (no answer, a
// refused command, a garbled answer) starts over from the reset, up to three
// times; a mismatch, a cancel, a port that fails or cannot be opened end it at
// once. Line faults are not taken for the chip's verdicts: the chip is
// read-protected only when it refuses the Read Memory again after a fresh
// synchronisation, a block read back wrong is read once more before it is a
// mismatch, and a Get refused right after synchronising means the chip had
// taken a 0x7F for a command, so it is synchronised once more. When the
// attempts after a line fault find no chip at all, the outcome names the step
// where the line broke. The port is closed with both lines dropped.
//
// It reports typed outcomes; DownloadMessage (Downloads.h) words them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "updater/BootProtocol.h"
#include "updater/SerialLink.h"
#include "updater/Timers.h"

namespace vx {

enum class DownloadError {
    None,
    ImageUnreadable,  // the image file cannot be read
    ImageEmpty,
    ImageTooLarge,  // larger than the chip's flash the erase can reach
    PortMissing,    // no such device
    PortBusy,       // in use, or it refuses the line settings
    LineFailed,     // the device failed while writing
    NoAnswer,
    Refused,  // NACK
    Garbled,  // an answer that is neither ACK nor NACK, or a malformed reply
    ReadProtected,
    Mismatch,  // the flash read back differs from the image
    Cancelled,
};

// The protocol step an outcome speaks of.
enum class BootStep { None, Sync, Get, GetId, ProtectionCheck, Erase, Write, Verify, Go };

// Where a transfer is, for its progress window.
enum class DownloadStage { Connecting, Erasing, Writing, Verifying, Starting };

struct DownloadOutcome {
    DownloadError error = DownloadError::None;
    BootStep step = BootStep::None;
    int port = 0;               // 0 = COM1
    std::string device;         // the port's device file
    std::uint32_t address = 0;  // the block of a write or read, the byte of a mismatch
    std::uint8_t found = 0;     // a mismatch: the byte in the flash
    std::uint8_t expected = 0;  // and the image's byte
    std::size_t imageSize = 0;
    std::size_t reachable = 0;  // ImageTooLarge: the flash the erase reaches
    std::string chip;           // "F10x", or the product ID of an unknown chip
    int attempts = 0;           // attempts made
    bool flashTouched = false;  // the erase had begun: the controller's program is gone
    bool started = false;       // the chip took the Go command

    bool Ok() const { return error == DownloadError::None; }
};

// The waits of a transfer. None of them paces the traffic: each answer is
// taken as soon as it is complete; these bound how long one may take.
// A slow USB adapter brings an answer up to 2 s late; every wait allows for it.
struct DownloadTimes {
    Millis resetHold{50};  // reset held low
    Millis bootStart{10};  // after the reset, before the first 0x7F
    // For the boot loader to answer at all, per attempt. A second 0x7F goes
    // out only when the answer to the first can no longer come: sent while
    // that answer is on its way, it would be taken for a command. Until the
    // chip has answered once, that is this whole wait; after, twice the delay
    // its answers have shown, and syncRepeat more.
    Millis syncAnswer{3000};
    Millis syncRepeat{100};
    Millis answer{3000};     // for any other answer
    Millis eraseBase{3000};  // for the erase: this and, per page or sector,
    Millis erasePerPage{100};
    Millis erasePerSector{4000};
    Millis cancelPoll{100};  // the longest a wait goes without looking at cancel
    int attempts = 3;
};

// What a transfer tells its window, from the transfer's thread.
class DownloadObserver {
  public:
    virtual ~DownloadObserver() = default;
    virtual void Stage(DownloadStage stage) = 0;
    // Bytes done of the stage's total (Writing and Verifying).
    virtual void Progress(std::size_t done, std::size_t total) = 0;
    // Asked between steps and during every wait.
    virtual bool CancelRequested() = 0;
};

class BootDownload {
  public:
    // The link and the clock must outlive the transfer.
    BootDownload(SerialLink& link, Clock& clock, DownloadTimes times = {});

    // Writes the image into the controller on port (0 = COM1).
    DownloadOutcome Run(int port, const std::vector<std::uint8_t>& image,
                        DownloadObserver* observer = nullptr);

  private:
    // One attempt from the reset on; fills the outcome.
    bool Attempt(const std::vector<std::uint8_t>& image, DownloadOutcome& out);
    void EnterBootLoader();
    bool Synchronise(DownloadOutcome& out);
    bool Identify(DownloadOutcome& out, bool& pageMode);
    bool CheckProtection(bool pageMode, DownloadOutcome& out);
    bool Erase(bool pageMode, std::size_t size, DownloadOutcome& out);
    bool WriteImage(const std::vector<std::uint8_t>& image, DownloadOutcome& out);
    bool VerifyImage(const std::vector<std::uint8_t>& image, DownloadOutcome& out);
    void Start(DownloadOutcome& out);
    void ReleaseLines();

    // Sends a command and takes its ACK. answerGoesOn: more of the answer
    // follows the ACK (Get, Get ID, the length of a Read Memory).
    bool Command(std::uint8_t code, BootStep step, DownloadOutcome& out, bool answerGoesOn = false);
    // Sends bytes and takes the ACK that answers them.
    bool SendAndAck(const std::vector<std::uint8_t>& bytes, BootStep step, DownloadOutcome& out,
                    bool answerGoesOn = false);
    // The same, by a deadline of its own (the erase).
    bool SendAndAck(const std::vector<std::uint8_t>& bytes, BootStep step, DownloadOutcome& out,
                    Clock::TimePoint deadline);
    bool Send(const std::vector<std::uint8_t>& bytes, BootStep step, DownloadOutcome& out);
    // Reads what has come, at most max bytes, waiting until the deadline and
    // looking at cancel meanwhile: the count, 0 at the deadline, or below 0.
    long ReadSome(std::uint8_t* into, std::size_t max, Clock::TimePoint deadline);
    // Takes exactly count bytes by the deadline.
    bool Receive(std::uint8_t* into, std::size_t count, Clock::TimePoint deadline, BootStep step,
                 DownloadOutcome& out);
    // Takes an ACK; NACK is a refusal, anything else (or a byte more after
    // an ACK that is the whole answer) a garbled answer.
    bool TakeAck(BootStep step, DownloadOutcome& out, Clock::TimePoint deadline, bool answerGoesOn);
    bool Fail(DownloadOutcome& out, DownloadError error, BootStep step);
    bool Cancelled();
    void Pause(Millis howLong);
    Clock::TimePoint Deadline() const { return clock_.Now() + times_.answer; }
    // How long the sync waits for the answer to one 0x7F.
    Millis SyncWait() const;

    SerialLink& link_;
    Clock& clock_;
    DownloadTimes times_;
    DownloadObserver* observer_ = nullptr;
    // The longest the chip has taken to answer a 0x7F in this run; none yet.
    std::optional<Millis> syncDelay_;
    int protectionRefusals_ = 0;  // Read Memory refused at the protection check
};

}  // namespace vx
