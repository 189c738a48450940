#include "updater/STM.h"

#include <algorithm>

#include "platform/MessageBox.h"

namespace vx {
namespace {

constexpr const char* kSearching = "正在查找PLC。。。";
constexpr const char* kConnected = "已成功连接";
constexpr const char* kLinkFailed = "连机失败！请检查通信线。";
constexpr const char* kTargetCode = "下载目标代码";
constexpr const char* kErasing = "正在擦除。。。";
constexpr const char* kDone = "上载完成！";
constexpr const char* kVerifying = "正在校验。。。";
constexpr const char* kVerifyProgress = "校验进度: ";
constexpr const char* kReadProtected = "PLC 芯片处于读保护状态，无法读写，不能升级！";
constexpr const char* kLoadFailed = "下载文件读取失败！";
constexpr const char* kEmptyImage = "下载文件为空，不能下载！";
constexpr const char* kLineBroken = "串口读写失败，通信已中断！请检查通信线和串口。";
constexpr const char* kVerifyFailed = "PLC 中的程序与下载文件不一致，升级失败！请重新升级。";

// Ticks of the synchronisation timer (100 ms) between two 0x7F: a slow USB
// adapter brings the answer up to 2 s late, and a 0x7F sent while it is on
// its way would be taken for a command.
constexpr std::uint8_t kSyncWaitTicks = 30;

std::string HexText(std::uint32_t value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    return "0x" + text;
}

std::string TooLargeFor(std::size_t size, std::size_t coverage) {
    return "下载文件太大（" + std::to_string(size) + " 字节），超出可擦除的 " +
           std::to_string(coverage) + " 字节，不能下载！";
}

}  // namespace

std::string ImageTooLargeText(std::uintmax_t size) {
    return "下载文件太大（" + std::to_string(size) + " 字节），超过 1 MB，不能下载！";
}

std::size_t ExpectedReplyLength(int state, bool pageMode) {
    switch (state) {
        case 2:
            return 15;  // ACK, count 11, version, 11 command codes, ACK
        case 3:
            return 5;  // ACK, count 1, product ID (2 bytes), ACK
        case 6:
            return 1 + ChipInfoRead(pageMode).count;  // ACK and the bytes read
        case 12:
        case 16:
            return 5;  // the Get ID checkpoints around the read-back
        default:
            return 1;
    }
}

TSTMForm::TSTMForm(SerialLink& link, TimerSet& timers, SessionHost& host)
    : ComDriver(link, timers), timers_(timers), host_(host) {
    ComDriver.SetComPort(pnCOM1);
    // A line that hangs up (the adapter pulled) is told at once, not after
    // the idle watch; trying again cannot help.
    ComDriver.SetOnLineFailure([this](TQelCommDriver&) {
        if (!PortWasOpen) return;
        // Once the flash has been read back whole the update has succeeded:
        // a line lost while the finish resets the controller changes nothing
        // of that, and nothing more is told.
        if (finishing_) {
            EndFinish();
            return;
        }
        Refuse(kLineBroken);
    });
    timer3_ = timers_.Add([this] { Timer3Timer(); });
    timer5_ = timers_.Add([this] { Timer5Timer(); });
    overtimeT_ = timers_.Add([this] { OvertimeTTimer(); });
}

TSTMForm::~TSTMForm() {
    CancelPendingStep();
    timers_.Remove(timer3_);
    timers_.Remove(timer5_);
    timers_.Remove(overtimeT_);
}

bool TSTMForm::Busy() const {
    return pendingStep_ != 0 || timers_.Running(timer3_) || timers_.Running(timer5_) ||
           timers_.Running(overtimeT_);
}

void TSTMForm::StopTimers() {
    timers_.Stop(timer3_);
    timers_.Stop(timer5_);
    timers_.Stop(overtimeT_);
}

void TSTMForm::CancelPendingStep() {
    if (pendingStep_ != 0) timers_.Remove(pendingStep_);
    pendingStep_ = 0;
    finishing_ = false;
}

void TSTMForm::STM_ISP() {
    // A press during an attempt starts afresh: nothing of the old one goes on.
    // Its port is closed too, so the attempt opens the port chosen now (an
    // open port keeps its number) and the controller is reset again.
    CancelPendingStep();
    StopTimers();
    SessionState = 1;
    if (ComDriver.IsPortOpen()) {
        ComDriver.ClosePort();
        host_.ShowLamp(false);
    }

    PortWasOpen = false;
    if (AttemptCount == 0) ProtectionRefusals = 0;
    SyncTicks = 0;
    SyncSent = false;
    GetResynced = false;
    if (!LoadAndCheckImage()) return;
    const int port = std::clamp(host_.SelectedPort(), 0, static_cast<int>(pnCOM9));
    ComDriver.SetComPort(static_cast<TComPortNumber>(port));
    ComDriver.SetComPortSpeed(br115200);
    ComDriver.SetComPortDataBits(db8BITS);
    ComDriver.SetComPortParity(ptEVEN);
    ComDriver.SetComPortStopBits(sb1BITS);
    ComDriver.ReceivedCount = 0;
    if (!ComDriver.OpenPort()) {
        timers_.Stop(overtimeT_);
        ShowMessage({"串口错误",
                     "当前串口号 COM" + std::to_string(port + 1) + " 已经被占用，或其它错误 ！" +
                         "\r" + "请选择其它串口，或检查串口设置是否正确。",
                     MsgIcon::Information, MsgButtons::Ok});
        return;
    }
    PortWasOpen = true;
    host_.ShowLamp(true);

    // Reset held with the boot pin high, then reset released: the chip starts
    // in its boot loader.
    ComDriver.SetDTRLine(true);
    ComDriver.SetRTSLine(true);
    pendingStep_ = timers_.After(Millis(500), [this] {
        // Whatever came in while the chip was held in reset is left over from
        // before (late answers of a failed attempt) and no answer to the search.
        ComDriver.PurgeBuffers(true, false);
        ComDriver.ReceivedCount = 0;
        ComDriver.SetDTRLine(false);
        pendingStep_ = timers_.After(Millis(100), [this] {
            pendingStep_ = 0;
            timers_.Start(timer3_, Millis(100));
            IdleTicks = 5;
            timers_.Start(overtimeT_, Millis(1000));
            timers_.Start(timer5_, Millis(2));
            PageEraseMode = false;
        });
    });
}

bool TSTMForm::SendStep(const std::vector<std::uint8_t>& bytes) {
    ComDriver.PurgeBuffers(true, false);
    ComDriver.ReceivedCount = 0;
    return Send(bytes);
}

bool TSTMForm::Send(const std::vector<std::uint8_t>& bytes) {
    const std::int32_t sent = ComDriver.SendBlock(bytes.data(), bytes.size());
    if (sent == static_cast<std::int32_t>(bytes.size())) return true;
    // A line that has hung up is told as such (the poll finds it and ends
    // the session); one that only stopped taking bytes fails the attempt.
    ComDriver.Poll();
    if (PortWasOpen) FailAttempt();
    return false;
}

void TSTMForm::Timer3Timer() {
    // One 0x7F at a time: the next only when no answer to it can still come.
    if (SyncTicks > 0) {
        --SyncTicks;
        return;
    }
    SessionState = 1;
    // What came before (noise of the reset) is no answer to this 0x7F.
    ComDriver.PurgeBuffers(true, false);
    ComDriver.ReceivedCount = 0;
    if (!Send({kBootSync})) return;
    SyncSent = true;
    SyncTicks = kSyncWaitTicks - 1;
    host_.ShowStatus(kSearching);
}

void TSTMForm::Resynchronise() {
    timers_.Stop(timer3_);
    SessionState = 1;
    SyncTicks = 0;
    IdleTicks = 0;
    ComDriver.ReceivedCount = 0;
    Timer3Timer();
    timers_.Start(timer3_, Millis(100));
}

void TSTMForm::OvertimeTTimer() {
    ++IdleTicks;
    if (IdleTicks >= 11) FailAttempt();
}

void TSTMForm::EndAttempt() {
    CancelPendingStep();
    SessionState = 1;
    host_.ShowProgress(0);
    StopTimers();
    if (PortWasOpen) {
        ComDriver.ClosePort();
        PortWasOpen = false;
    }
    host_.ShowLamp(false);
}

void TSTMForm::FailAttempt(const std::string& status) {
    EndAttempt();
    host_.ShowStatus(status.empty() ? kLinkFailed : status);
    ++AttemptCount;
    if (AttemptCount < 3) STM_ISP();
}

void TSTMForm::Refuse(const std::string& text) {
    EndAttempt();
    host_.ShowStatus(text);
    ShowMessage({"错误", text, MsgIcon::Information, MsgButtons::Ok});
}

void TSTMForm::Timer5Timer() {
    const std::size_t count =
        std::min<std::size_t>(ComDriver.ReceivedCount, TQelCommDriver::kAccumulatorSize);
    // A Get refused right after synchronising: the chip had taken a 0x7F for
    // a command code and the Get for its complement. It is synchronised; one
    // more 0x7F puts it back in step (once an attempt).
    if (SessionState == 2 && count > 0 && ComDriver.ReceivedBytes[0] == kBootNack && !GetResynced) {
        GetResynced = true;
        Resynchronise();
        return;
    }
    const std::size_t expected = SessionState == 15
                                     ? 1 + VerifyBlockLength()
                                     : ExpectedReplyLength(SessionState, PageEraseMode);
    if (count < expected) return;
    // Only the reply itself goes into the frame: while synchronising the
    // newest byte is the answer, otherwise the reply starts the accumulator.
    const std::size_t from = SessionState == 1 ? count - expected : 0;
    std::copy_n(ComDriver.ReceivedBytes.begin() + static_cast<std::ptrdiff_t>(from), expected,
                FrameBuffer.begin());
    ComDriver.ReceivedCount = 0;
    const auto& f = FrameBuffer;

    // A refused erase, write command, address or block ends the attempt at
    // once; the next attempt starts over, erase included. Waiting on for an
    // ACK would take the answer to a later frame for this one and leave the
    // refused block out of the flash. The same for a refused read-back.
    if (SessionState >= 8 && f[0] == kBootNack) {
        FailAttempt();
        return;
    }

    switch (SessionState) {
        case 1:
            // ACK: the boot loader has found the rate. NACK, to a 0x7F of
            // ours: it had been found before, so a 0x7F was taken for a
            // command and the next for its (wrong) complement; the boot
            // loader waits for commands. Anything else, or an answer before
            // any 0x7F went out, is noise.
            if (!SyncSent || (f[0] != kBootAck && f[0] != kBootNack)) {
                host_.ShowStatus("NACK");
                return;
            }
            timers_.Stop(timer3_);
            host_.ShowStatus(kConnected);
            SessionState = 2;
            IdleTicks = 0;
            SendStep(CommandFrame(kBootGet));
            return;
        case 2:
            if (const auto bootVersion = ParseGetReply(f.data(), expected)) {
                const std::string version = BootVersionText(*bootVersion);
                host_.ShowStatus(version);
                host_.ShowProgressHint(version);
                SessionState = 3;
                IdleTicks = 0;
                SendStep(CommandFrame(kBootGetId));
            }
            return;
        case 3:
            if (ParseGetIdReply(f.data(), expected)) AcceptIdentity();
            return;
        case 4:
            if (f[0] == kBootNack) {
                // Read Memory is refused under read protection (going on would
                // feed the address to the chip as a command), but a damaged or
                // stray byte can look the same: the verdict stands when the
                // refusal comes again after a fresh synchronisation.
                if (++ProtectionRefusals > 1) {
                    Refuse(kReadProtected);
                } else {
                    FailAttempt();
                }
                return;
            }
            if (f[0] != kBootAck) return;
            SessionState = 5;
            IdleTicks = 0;
            SendStep(AddressFrame(ChipInfoRead(PageEraseMode).address));
            return;
        case 5:
            if (f[0] != kBootAck) return;
            SessionState = 6;
            IdleTicks = 0;
            SendStep(ReadLengthFrame(ChipInfoRead(PageEraseMode).count));
            return;
        case 6:
            if (f[0] != kBootAck) return;
            SessionState = 7;
            IdleTicks = 0;
            SendStep(CommandFrame(EraseCommand(PageEraseMode)));
            return;
        case 7:
            if (f[0] == kBootAck) StartErase();
            return;
        case 8:
            if (f[0] != kBootAck) return;
            SessionState = 9;
            IdleTicks = 0;
            SendStep(CommandFrame(kBootWriteMemory));
            return;
        case 9:
            if (f[0] != kBootAck) return;
            SessionState = 10;
            SendStep(AddressFrame(WriteAddress));
            return;
        case 10:
            if (f[0] == kBootAck) SendNextBlock();
            return;
        case 11:
            if (f[0] == kBootAck) StartVerify();
            return;
        case 12:
        case 16:
            CheckPoint(expected);
            return;
        case 13:
            if (f[0] != kBootAck) return;
            SessionState = 14;
            IdleTicks = 0;
            SendStep(AddressFrame(kFlashStart + static_cast<std::uint32_t>(VerifyOffset)));
            return;
        case 14:
            if (f[0] != kBootAck) return;
            SessionState = 15;
            IdleTicks = 0;
            SendStep(ReadLengthFrame(VerifyBlockLength()));
            return;
        case 15:
            if (f[0] == kBootAck) CompareBlock();
            return;
        default:
            SessionState = 1;
            return;
    }
}

void TSTMForm::AcceptIdentity() {
    const auto productId = static_cast<std::uint16_t>(FrameBuffer[2] << 8 | FrameBuffer[3]);
    productId_ = productId;
    const ChipFamily family = ChipFamilyOf(productId);
    PageEraseMode = family.pageMode;
    if (!family.name.empty()) {
        host_.ShowStatus(family.name);
    } else {
        host_.ShowStatus("Fxxx：未知芯片 ID " + ProductIdText(productId) + "，按 2KB 页擦除");
    }
    if (!ImageFitsChip()) return;
    SessionState = 4;
    IdleTicks = 0;
    SendStep(CommandFrame(kBootReadMemory));
}

bool TSTMForm::LoadAndCheckImage() {
    ImageLoad load = host_.LoadImage(ImageBuffer);
    if (!load.ok) {
        Refuse(load.failure.empty() ? kLoadFailed : load.failure);
        return false;
    }
    const std::size_t size = ImageBuffer.size();
    if (size == 0) {
        Refuse(kEmptyImage);
        return false;
    }
    if (size > kImageBufferSize) {
        Refuse(ImageTooLargeText(size));
        return false;
    }
    if (size > LargestErasePlan()) {
        Refuse(TooLargeFor(size, LargestErasePlan()));
        return false;
    }
    return true;
}

bool TSTMForm::ImageFitsChip() {
    const std::size_t size = ImageBuffer.size();
    const std::size_t coverage = EraseCoverage(PageEraseMode, size);
    if (size <= coverage) return true;
    Refuse(TooLargeFor(size, coverage));
    return false;
}

void TSTMForm::StartErase() {
    const std::size_t size = ImageBuffer.size();
    imageSize_ = size;
    WriteAddress = kFlashStart;
    WriteOffset = 0;
    BytesLeft = size;
    SessionState = 8;
    IdleTicks = 0;
    // The image goes to an identified chip that has taken the erase command.
    host_.ShowStatus(kTargetCode);
    if (!SendStep(EraseList(PageEraseMode, size))) return;
    host_.ShowStatus(kErasing);
}

void TSTMForm::SendNextBlock() {
    const std::size_t n = std::min(BytesLeft, kBootBlockSize);
    // The last block is filled up to whole words with erased flash's 0xFF.
    const std::vector<std::uint8_t> frame = WriteBlockFrame(ImageBuffer.data() + WriteOffset, n);

    WriteAddress += static_cast<std::uint32_t>(n);
    WriteOffset += n;
    BytesLeft -= n;
    SessionState = BytesLeft < 1 ? 11 : 8;
    if (!SendStep(frame)) return;
    const int progress = static_cast<int>(WriteOffset * 100 / imageSize_);
    host_.ShowProgress(progress);
    host_.ShowStatus("写进度: " + std::to_string(progress) + "%");
}

std::size_t TSTMForm::VerifyBlockLength() const {
    return std::min(kBootBlockSize, imageSize_ - std::min(VerifyOffset, imageSize_));
}

void TSTMForm::StartVerify() {
    VerifyOffset = 0;
    VerifyReads = 0;
    SessionState = 12;
    IdleTicks = 0;
    SendStep(CommandFrame(kBootGetId));
}

void TSTMForm::CheckPoint(std::size_t length) {
    // The chip's ID, whole, in the place of the reply: no answer of an
    // earlier step is still on its way, so the read-back (or, after it, its
    // result) is the chip's answer to our own frames. A stray or late byte
    // shifts the reply and the attempt is lost.
    const auto productId = ParseGetIdReply(FrameBuffer.data(), length);
    if (!productId || *productId != productId_) {
        FailAttempt();
        return;
    }
    if (SessionState == 16) {
        Finish();
        return;
    }
    SessionState = 13;
    IdleTicks = 0;
    host_.ShowStatus(kVerifying);
    SendStep(CommandFrame(kBootReadMemory));
}

void TSTMForm::CompareBlock() {
    const std::size_t n = VerifyBlockLength();
    const auto first = ImageBuffer.begin() + static_cast<std::ptrdiff_t>(VerifyOffset);
    const auto [mine, theirs] =
        std::mismatch(first, first + static_cast<std::ptrdiff_t>(n), FrameBuffer.begin() + 1);
    if (mine != first + static_cast<std::ptrdiff_t>(n)) {
        // A byte damaged on the line reads wrong once; the flash reads wrong
        // every time. The block is read once more before it counts.
        if (++VerifyReads < 2) {
            SessionState = 13;
            IdleTicks = 0;
            SendStep(CommandFrame(kBootReadMemory));
            return;
        }
        const std::size_t at = static_cast<std::size_t>(mine - ImageBuffer.begin());
        VerifyMismatch(kFlashStart + static_cast<std::uint32_t>(at), *mine, *theirs);
        return;
    }
    VerifyReads = 0;
    VerifyOffset += n;
    const int progress = static_cast<int>(VerifyOffset * 100 / imageSize_);
    host_.ShowProgress(progress);
    host_.ShowStatus(std::string(kVerifyProgress) + std::to_string(progress) + "%");
    IdleTicks = 0;
    if (VerifyOffset < imageSize_) {
        SessionState = 13;
        SendStep(CommandFrame(kBootReadMemory));
    } else {
        SessionState = 16;
        SendStep(CommandFrame(kBootGetId));
    }
}

void TSTMForm::VerifyMismatch(std::uint32_t address, std::uint8_t expected, std::uint8_t found) {
    const std::string text = "校验失败：地址 " + HexText(address, 8) + " 处 PLC 中为 " +
                             HexText(found, 2) + "，应为 " + HexText(expected, 2);
    FailAttempt(text);
    // Every attempt found the flash other than the image: the controller
    // holds no whole program, and the user must know it.
    if (AttemptCount >= 3)
        ShowMessage({"错误", text + "\r" + kVerifyFailed, MsgIcon::Information, MsgButtons::Ok});
}

void TSTMForm::Finish() {
    SessionState = 1;
    host_.ShowProgress(0);
    host_.ShowStatus(kDone);
    timers_.Stop(overtimeT_);
    timers_.Stop(timer5_);
    // Reset held, then the boot pin dropped: when the port closes the reset is
    // released and the controller starts its new program. No Go command.
    pendingStep_ = timers_.After(Millis(60), [this] {
        ComDriver.SetDTRLine(true);
        pendingStep_ = timers_.After(Millis(600), [this] {
            pendingStep_ = 0;
            ComDriver.SetRTSLine(false);
            EndFinish();
        });
    });
    finishing_ = true;
}

void TSTMForm::EndFinish() {
    CancelPendingStep();
    if (PortWasOpen) {
        ComDriver.ClosePort();
        PortWasOpen = false;
    }
    host_.ShowLamp(false);
    host_.CloseMainWindow();
}

}  // namespace vx
