#include "outside/BootDownload.h"

#include <unistd.h>

#include <algorithm>

#include "platform/SerialPortNames.h"

namespace vx {
namespace {

// What ReadSome returns besides a count.
constexpr long kReadFailed = -1;
constexpr long kReadCancelled = -2;

bool Retryable(DownloadError error) {
    return error == DownloadError::NoAnswer || error == DownloadError::Refused ||
           error == DownloadError::Garbled;
}

}  // namespace

BootDownload::BootDownload(SerialLink& link, Clock& clock, DownloadTimes times)
    : link_(link), clock_(clock), times_(times) {}

DownloadOutcome BootDownload::Run(int port, const std::vector<std::uint8_t>& image,
                                  DownloadObserver* observer) {
    observer_ = observer;
    DownloadOutcome out;
    out.port = port;
    out.device = SerialPortPath(port);
    out.imageSize = image.size();
    if (image.empty()) {
        Fail(out, DownloadError::ImageEmpty, BootStep::None);
        return out;
    }
    const std::size_t largest = std::min(kImageBufferSize, LargestErasePlan());
    if (image.size() > largest) {
        out.reachable = largest;
        Fail(out, DownloadError::ImageTooLarge, BootStep::None);
        return out;
    }
    if (Cancelled()) {
        Fail(out, DownloadError::Cancelled, BootStep::None);
        return out;
    }
    if (!link_.Open(out.device)) {
        const bool exists = ::access(out.device.c_str(), F_OK) == 0;
        Fail(out, exists ? DownloadError::PortBusy : DownloadError::PortMissing, BootStep::None);
        return out;
    }
    if (!link_.Configure(BootLoaderLineSettings())) {
        link_.Close();
        Fail(out, DownloadError::PortBusy, BootStep::None);
        return out;
    }
    syncDelay_.reset();
    protectionRefusals_ = 0;
    DownloadOutcome furthest;  // the failed attempt that got furthest
    for (int attempt = 1; attempt <= std::max(1, times_.attempts); ++attempt) {
        out.attempts = attempt;
        out.error = DownloadError::None;
        out.step = BootStep::None;
        if (Attempt(image, out) || !Retryable(out.error)) break;
        if (out.step > furthest.step) furthest = out;
    }
    // The line broke on the way and the attempts after found no chip: what
    // the user needs to know is where it broke.
    const bool lost =
        out.error == DownloadError::NoAnswer || out.error == DownloadError::LineFailed;
    if (lost && out.step == BootStep::Sync && furthest.step > BootStep::Sync) {
        out.error = furthest.error;
        out.step = furthest.step;
        out.address = furthest.address;
    }
    ReleaseLines();
    link_.Close();
    return out;
}

bool BootDownload::Attempt(const std::vector<std::uint8_t>& image, DownloadOutcome& out) {
    EnterBootLoader();
    bool pageMode = true;
    if (!Synchronise(out)) return false;
    if (!Identify(out, pageMode)) {
        // A Get refused right after synchronising: the chip had taken a 0x7F
        // for a command code and the Get for its complement. It is
        // synchronised; one more 0x7F puts it back in step.
        if (out.error != DownloadError::Refused || out.step != BootStep::Get) return false;
        out.error = DownloadError::None;
        out.step = BootStep::None;
        if (!Synchronise(out) || !Identify(out, pageMode)) return false;
    }
    const std::size_t reachable = EraseCoverage(pageMode, image.size());
    if (image.size() > reachable) {
        out.reachable = reachable;
        return Fail(out, DownloadError::ImageTooLarge, BootStep::None);
    }
    if (!CheckProtection(pageMode, out) || !Erase(pageMode, image.size(), out) ||
        !WriteImage(image, out) || !VerifyImage(image, out))
        return false;
    Start(out);
    return true;
}

void BootDownload::EnterBootLoader() {
    if (observer_) observer_->Stage(DownloadStage::Connecting);
    // Reset held with BOOT0 high, then released: the chip starts its boot loader.
    link_.SetLine(kBoot0Line, true);
    link_.SetLine(kResetLine, true);
    Pause(times_.resetHold);
    link_.Purge(true, false);
    link_.SetLine(kResetLine, false);
    Pause(times_.bootStart);
}

Millis BootDownload::SyncWait() const {
    if (!syncDelay_) return times_.syncAnswer;
    return std::min(times_.syncAnswer, *syncDelay_ * 2 + times_.syncRepeat);
}

bool BootDownload::Synchronise(DownloadOutcome& out) {
    const Clock::TimePoint giveUp = clock_.Now() + times_.syncAnswer;
    for (;;) {
        // What came before (noise of the reset) is no answer to this 0x7F.
        link_.Purge(true, false);
        if (!Send({kBootSync}, BootStep::Sync, out)) return false;
        const Clock::TimePoint sent = clock_.Now();
        const Clock::TimePoint answerBy = sent + SyncWait();
        for (;;) {
            std::uint8_t byte = 0;
            const long n = ReadSome(&byte, 1, answerBy);
            if (n == kReadCancelled) return Fail(out, DownloadError::Cancelled, BootStep::Sync);
            if (n == kReadFailed) return Fail(out, DownloadError::LineFailed, BootStep::Sync);
            if (n == 0) break;
            // ACK: the boot loader has found the rate. NACK: it had been
            // found before, so a 0x7F was taken for a command and the next
            // for its (wrong) complement; the boot loader waits for commands.
            if (byte == kBootAck || byte == kBootNack) {
                const auto delay = std::chrono::ceil<Millis>(clock_.Now() - sent);
                syncDelay_ = std::max(syncDelay_.value_or(Millis(0)), delay);
                return true;
            }
            // Anything else is noise; a line that never stops bringing it
            // (a program talking at another rate) still ends the wait.
            if (clock_.Now() >= answerBy) break;
        }
        if (clock_.Now() >= giveUp) return Fail(out, DownloadError::NoAnswer, BootStep::Sync);
    }
}

bool BootDownload::Identify(DownloadOutcome& out, bool& pageMode) {
    // Get: ACK, N, the version and N command codes, ACK.
    if (!Command(kBootGet, BootStep::Get, out, true)) return false;
    std::vector<std::uint8_t> reply{kBootAck, 0};
    if (!Receive(&reply[1], 1, Deadline(), BootStep::Get, out)) return false;
    reply.resize(2 + static_cast<std::size_t>(reply[1]) + 2);
    if (!Receive(&reply[2], reply.size() - 2, Deadline(), BootStep::Get, out)) return false;
    if (!ParseGetReply(reply.data(), reply.size()))
        return Fail(out, DownloadError::Garbled, BootStep::Get);

    // Get ID: ACK, 1, the product ID, ACK.
    if (!Command(kBootGetId, BootStep::GetId, out, true)) return false;
    std::uint8_t id[5] = {kBootAck};
    if (!Receive(&id[1], 1, Deadline(), BootStep::GetId, out)) return false;
    if (id[1] != 1) return Fail(out, DownloadError::Garbled, BootStep::GetId);
    if (!Receive(&id[2], 3, Deadline(), BootStep::GetId, out)) return false;
    const auto productId = ParseGetIdReply(id, sizeof id);
    if (!productId) return Fail(out, DownloadError::Garbled, BootStep::GetId);
    const ChipFamily family = ChipFamilyOf(*productId);
    out.chip = family.name.empty() ? "ID " + ProductIdText(*productId) : family.name;
    pageMode = family.pageMode;
    return true;
}

bool BootDownload::CheckProtection(bool pageMode, DownloadOutcome& out) {
    link_.Purge(true, false);
    if (!Send(CommandFrame(kBootReadMemory), BootStep::ProtectionCheck, out)) return false;
    std::uint8_t answer = 0;
    if (!Receive(&answer, 1, Deadline(), BootStep::ProtectionCheck, out)) return false;
    // Read Memory is refused under read protection, but a damaged or stray
    // byte can look the same: the verdict stands when the refusal comes again
    // after a fresh synchronisation (the next attempt).
    if (answer == kBootNack) {
        const bool again = ++protectionRefusals_ > 1;
        return Fail(out, again ? DownloadError::ReadProtected : DownloadError::Refused,
                    BootStep::ProtectionCheck);
    }
    if (answer != kBootAck) return Fail(out, DownloadError::Garbled, BootStep::ProtectionCheck);
    const BootRead info = ChipInfoRead(pageMode);
    if (!SendAndAck(AddressFrame(info.address), BootStep::ProtectionCheck, out) ||
        !SendAndAck(ReadLengthFrame(info.count), BootStep::ProtectionCheck, out, true))
        return false;
    std::vector<std::uint8_t> bytes(info.count);
    return Receive(bytes.data(), bytes.size(), Deadline(), BootStep::ProtectionCheck, out);
}

bool BootDownload::Erase(bool pageMode, std::size_t size, DownloadOutcome& out) {
    if (observer_) observer_->Stage(DownloadStage::Erasing);
    if (!Command(EraseCommand(pageMode), BootStep::Erase, out)) return false;
    out.flashTouched = true;
    const auto units = static_cast<int>(EraseUnits(pageMode, size));
    const Millis perUnit = pageMode ? times_.erasePerPage : times_.erasePerSector;
    const Clock::TimePoint deadline = clock_.Now() + times_.eraseBase + perUnit * units;
    return SendAndAck(EraseList(pageMode, size), BootStep::Erase, out, deadline);
}

bool BootDownload::WriteImage(const std::vector<std::uint8_t>& image, DownloadOutcome& out) {
    if (observer_) observer_->Stage(DownloadStage::Writing);
    for (std::size_t offset = 0; offset < image.size(); offset += kBootBlockSize) {
        if (Cancelled()) return Fail(out, DownloadError::Cancelled, BootStep::Write);
        const std::size_t n = std::min(kBootBlockSize, image.size() - offset);
        out.address = kFlashStart + static_cast<std::uint32_t>(offset);
        if (!Command(kBootWriteMemory, BootStep::Write, out) ||
            !SendAndAck(AddressFrame(out.address), BootStep::Write, out) ||
            !SendAndAck(WriteBlockFrame(image.data() + offset, n), BootStep::Write, out))
            return false;
        if (observer_) observer_->Progress(offset + n, image.size());
    }
    return true;
}

bool BootDownload::VerifyImage(const std::vector<std::uint8_t>& image, DownloadOutcome& out) {
    if (observer_) observer_->Stage(DownloadStage::Verifying);
    std::vector<std::uint8_t> block(kBootBlockSize);
    for (std::size_t offset = 0; offset < image.size(); offset += kBootBlockSize) {
        const std::size_t n = std::min(kBootBlockSize, image.size() - offset);
        const auto first = image.begin() + static_cast<std::ptrdiff_t>(offset);
        const auto last = first + static_cast<std::ptrdiff_t>(n);
        // A byte damaged on the line reads wrong once; the flash reads
        // wrong every time. The block is read once more before it counts.
        for (int read = 1;; ++read) {
            if (Cancelled()) return Fail(out, DownloadError::Cancelled, BootStep::Verify);
            out.address = kFlashStart + static_cast<std::uint32_t>(offset);
            if (!Command(kBootReadMemory, BootStep::Verify, out) ||
                !SendAndAck(AddressFrame(out.address), BootStep::Verify, out) ||
                !SendAndAck(ReadLengthFrame(n), BootStep::Verify, out, true) ||
                !Receive(block.data(), n, Deadline(), BootStep::Verify, out))
                return false;
            const auto [mine, theirs] = std::mismatch(first, last, block.begin());
            if (mine == last) break;
            if (read == 2) {
                out.address += static_cast<std::uint32_t>(mine - first);
                out.expected = *mine;
                out.found = *theirs;
                return Fail(out, DownloadError::Mismatch, BootStep::Verify);
            }
        }
        if (observer_) observer_->Progress(offset + n, image.size());
    }
    return true;
}

void BootDownload::Start(DownloadOutcome& out) {
    if (observer_) observer_->Stage(DownloadStage::Starting);
    // Go starts the program on a cable without reset lines. A refusal is no
    // failure: the reset that follows starts it where the lines are wired.
    DownloadOutcome go;
    out.started = Command(kBootGo, BootStep::Go, go) &&
                  SendAndAck(AddressFrame(kFlashStart), BootStep::Go, go);
    // A reset with BOOT0 low starts the program afresh from its reset vector.
    link_.SetLine(kBoot0Line, false);
    link_.SetLine(kResetLine, true);
    Pause(times_.resetHold);
    link_.SetLine(kResetLine, false);
}

void BootDownload::ReleaseLines() {
    link_.SetLine(kBoot0Line, false);
    link_.SetLine(kResetLine, false);
}

bool BootDownload::Command(std::uint8_t code, BootStep step, DownloadOutcome& out,
                           bool answerGoesOn) {
    // Whatever is left on the line (a stray byte) is no answer to this command.
    link_.Purge(true, false);
    return SendAndAck(CommandFrame(code), step, out, answerGoesOn);
}

bool BootDownload::SendAndAck(const std::vector<std::uint8_t>& bytes, BootStep step,
                              DownloadOutcome& out, bool answerGoesOn) {
    return Send(bytes, step, out) && TakeAck(step, out, Deadline(), answerGoesOn);
}

bool BootDownload::SendAndAck(const std::vector<std::uint8_t>& bytes, BootStep step,
                              DownloadOutcome& out, Clock::TimePoint deadline) {
    return Send(bytes, step, out) && TakeAck(step, out, deadline, false);
}

bool BootDownload::Send(const std::vector<std::uint8_t>& bytes, BootStep step,
                        DownloadOutcome& out) {
    const Clock::TimePoint deadline = Deadline();
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const long n = link_.Write(bytes.data() + sent, bytes.size() - sent, deadline);
        if (n <= 0) return Fail(out, DownloadError::LineFailed, step);
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

long BootDownload::ReadSome(std::uint8_t* into, std::size_t max, Clock::TimePoint deadline) {
    for (;;) {
        if (Cancelled()) return kReadCancelled;
        const Clock::TimePoint slice = std::min(deadline, clock_.Now() + times_.cancelPoll);
        const long n = link_.Read(into, max, slice);
        if (n < 0) return kReadFailed;
        if (n > 0) return n;
        const Clock::TimePoint now = clock_.Now();
        if (now >= deadline) return 0;
        // A link that returns before its deadline is waited for here.
        if (now < slice) clock_.SleepUntil(std::min(slice, now + Millis(1)));
    }
}

bool BootDownload::Receive(std::uint8_t* into, std::size_t count, Clock::TimePoint deadline,
                           BootStep step, DownloadOutcome& out) {
    std::size_t got = 0;
    while (got < count) {
        const long n = ReadSome(into + got, count - got, deadline);
        if (n == kReadCancelled) return Fail(out, DownloadError::Cancelled, step);
        if (n == kReadFailed) return Fail(out, DownloadError::LineFailed, step);
        if (n == 0) return Fail(out, DownloadError::NoAnswer, step);
        got += static_cast<std::size_t>(n);
    }
    return true;
}

bool BootDownload::TakeAck(BootStep step, DownloadOutcome& out, Clock::TimePoint deadline,
                           bool answerGoesOn) {
    std::uint8_t answer = 0;
    if (!Receive(&answer, 1, deadline, step, out)) return false;
    if (answer != kBootAck)
        return Fail(out, answer == kBootNack ? DownloadError::Refused : DownloadError::Garbled,
                    step);
    if (answerGoesOn) return true;
    // An ACK is the whole answer: a byte behind it means the line brought
    // one the chip never sent, and the ACKs no longer answer what they seem to.
    std::uint8_t extra = 0;
    if (link_.Read(&extra, 1, clock_.Now()) > 0) return Fail(out, DownloadError::Garbled, step);
    return true;
}

bool BootDownload::Fail(DownloadOutcome& out, DownloadError error, BootStep step) {
    out.error = error;
    out.step = step;
    return false;
}

bool BootDownload::Cancelled() {
    return observer_ != nullptr && observer_->CancelRequested();
}

void BootDownload::Pause(Millis howLong) {
    clock_.SleepUntil(clock_.Now() + howLong);
}

}  // namespace vx
