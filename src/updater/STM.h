// The boot-loader session: one firmware transfer into the controller.
//
// TSTMForm resets the controller into the STM32 ROM boot loader with DTR and
// RTS, synchronises with 0x7F, identifies the chip (Get, Get ID), reads its
// option bytes, erases the flash the image needs (2 KB pages with Erase, or
// sectors with Extended Erase), writes the image from 0x08000000 in blocks of
// at most 256 bytes, reads the written flash back and compares it with the
// image, and resets the controller into its program. Commands go
// out as the code and its complement, addresses and lengths with their XOR
// checksum; the chip answers ACK (0x79) or NACK (0x1F).
//
// The image is loaded and checked when an attempt starts, before anything goes
// to the chip, and checked against the chip's erase plan as soon as the chip
// has told its ID, before the option read and the erase: a refusal after the
// erase command would leave the chip waiting for its erase list.
//
// The frames, the reply checks, the chip families and the erase plans are the
// boot-loader protocol's (BootProtocol), which the tool's downloader shares.
//
// The session runs from three timers: the synchronisation timer (100 ms), the
// command machine (2 ms), which acts once the reply of the current state has
// arrived in the port component's accumulator, and the idle watch (1 s), which
// ends an attempt that makes no progress and starts up to two more. It shows
// its progress and asks for the image through a SessionHost, the main window.
//
// A chip behind a slow adapter answers up to 2 s late: the synchronisation
// timer sends the next 0x7F only 3 s after the last, a NACK to a 0x7F means
// the chip had synchronised already, and a Get refused right after
// synchronising is followed by one more 0x7F. A refused Read Memory is taken
// for read protection only when it comes again in the next attempt, after a
// fresh synchronisation. A line that hangs up ends the session at once; once
// the flash has been read back whole the update has succeeded, and a hang-up
// during the finish only ends the finish early.
//
// Success is told only over a flash that holds the image. A stray byte on the
// line can be taken for the answer to a frame, and the chip's own answer for
// the next frame's: a refused block would then pass unseen. So the written
// range is read back in blocks of 256 bytes (a block that reads wrong is read
// once more: a byte damaged on the line reads wrong once, the flash every
// time), between two Get ID checkpoints whose reply must stand whole in its
// place: the read-back is the chip's answer to its own frames, and no stray
// byte shifted it. A flash found other than the image fails the attempt.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "updater/BootProtocol.h"
#include "updater/Qel_ComDrv.h"
#include "updater/SerialLink.h"
#include "updater/Timers.h"

namespace vx {

// The outcome of loading the image to send.
struct ImageLoad {
    bool ok = false;
    std::string failure;  // the message that ends the attempt when the load failed
};

// What the session needs of the main window.
class SessionHost {
  public:
    virtual ~SessionHost() = default;
    // The chosen port, 0 = COM1.
    virtual int SelectedPort() const = 0;
    // Loads the image afresh into the buffer (RenewedlyLoadFile).
    virtual ImageLoad LoadImage(std::vector<std::uint8_t>& imageBuffer) = 0;
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void ShowProgress(int percent) = 0;
    virtual void ShowProgressHint(const std::string& hint) = 0;
    // The lamp: lit (lime) while the port is open, olive otherwise.
    virtual void ShowLamp(bool portOpen) = 0;
    // Closes the main window, which ends the program.
    virtual void CloseMainWindow() = 0;
};

// The refusal of an image larger than the 1 MiB image buffer.
std::string ImageTooLargeText(std::uintmax_t size);

// The reply length the command machine waits for in a state (1-16; the
// read-back's data, state 15, goes by the block).
std::size_t ExpectedReplyLength(int state, bool pageMode);

class TSTMForm {
  public:
    // The link, the timers and the host must outlive the session.
    TSTMForm(SerialLink& link, TimerSet& timers, SessionHost& host);
    ~TSTMForm();
    TSTMForm(const TSTMForm&) = delete;
    TSTMForm& operator=(const TSTMForm&) = delete;

    // Starts an attempt on the port the main window has chosen.
    void STM_ISP();
    // Whether an attempt is under way (timers or a reset wait pending).
    bool Busy() const;
    // Whether the flash is being erased or written: stopped now, the
    // controller is left with part of an image.
    bool Writing() const { return SessionState >= 8 && Busy(); }
    // Ends the attempt under way: timers off, port closed, lamp olive.
    void Stop() { EndAttempt(); }

    // The timer actions.
    void Timer3Timer();
    void Timer5Timer();
    void OvertimeTTimer();

    TQelCommDriver ComDriver;

    int SessionState = 1;
    bool PageEraseMode = false;
    std::uint8_t IdleTicks = 0;
    std::uint8_t AttemptCount = 0;
    // Read Memory refusals at the protection check since the button was pressed.
    std::uint8_t ProtectionRefusals = 0;
    // Synchronisation ticks until the next 0x7F may go out; whether one has.
    std::uint8_t SyncTicks = 0;
    bool SyncSent = false;
    bool GetResynced = false;  // this attempt has synchronised again after a refused Get
    bool PortWasOpen = false;
    std::array<std::uint8_t, 264> FrameBuffer{};
    std::vector<std::uint8_t> ImageBuffer;
    std::uint32_t WriteAddress = kFlashStart;
    std::size_t WriteOffset = 0;
    std::size_t BytesLeft = 0;
    // The read-back: bytes of the image found in the flash, and reads of the
    // current block that found it other than the image.
    std::size_t VerifyOffset = 0;
    int VerifyReads = 0;

  private:
    // Sends a frame; a write that fails ends the attempt like a silent chip.
    bool Send(const std::vector<std::uint8_t>& bytes);
    // Sends the next frame of the command machine. Whatever has come in since
    // the last answer was taken is dropped first: left over, it would pass
    // for the answer to this frame.
    bool SendStep(const std::vector<std::uint8_t>& bytes);
    // Back to state 1 with a 0x7F at once.
    void Resynchronise();
    void StopTimers();
    void CancelPendingStep();
    // Back to idle: state 1, progress 0, timers off, port closed, lamp olive.
    void EndAttempt();
    // The attempt failed on the line; up to three attempts per button press.
    // The status line says why (the cable, when empty).
    void FailAttempt(const std::string& status = {});
    // The attempt cannot succeed however often it is tried: ends it with the
    // message in the status line and a message box.
    void Refuse(const std::string& text);
    // Loads the image afresh and checks what can be checked before the chip
    // is known: present, not empty, at most 1 MiB, and within the erase plan
    // of one chip family or the other. Refuses it and returns false otherwise.
    bool LoadAndCheckImage();
    // Whether the image fits the erase plan of the identified chip; refuses
    // it and returns false otherwise.
    bool ImageFitsChip();
    void AcceptIdentity();
    void StartErase();
    void SendNextBlock();
    // The read-back of the written flash, framed by two Get ID checkpoints.
    void StartVerify();
    void CheckPoint(std::size_t length);
    std::size_t VerifyBlockLength() const;
    void CompareBlock();
    void VerifyMismatch(std::uint32_t address, std::uint8_t expected, std::uint8_t found);
    void Finish();
    // The end of a successful update: port closed, lamp olive, main window closed.
    void EndFinish();

    TimerSet& timers_;
    SessionHost& host_;
    TimerSet::Id timer3_;
    TimerSet::Id timer5_;
    TimerSet::Id overtimeT_;
    TimerSet::Id pendingStep_ = 0;  // a reset wait, 0 when none
    bool finishing_ = false;        // the reset wait is the finish of a successful update
    std::size_t imageSize_ = 0;
    std::uint16_t productId_ = 0;
};

}  // namespace vx
