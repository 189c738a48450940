#include "updater/STM.h"

#include <algorithm>
#include <cstdio>

#include "platform/MessageBox.h"

namespace vx {
namespace {

constexpr std::size_t kBlockSize = 256;  // the most one Write Memory takes
constexpr std::size_t kPageSize = 2048;
constexpr std::size_t kMostPages = 127;
constexpr std::size_t kSectorSizes[] = {16 * 1024, 16 * 1024,  16 * 1024,  16 * 1024,
                                        64 * 1024, 128 * 1024, 128 * 1024, 128 * 1024};

constexpr const char* kSearching = "正在查找PLC。。。";
constexpr const char* kConnected = "已成功连接";
constexpr const char* kLinkFailed = "连机失败！请检查通信线。";
constexpr const char* kErasing = "正在擦除。。。";
constexpr const char* kDone = "上载完成！";
constexpr const char* kReadProtected = "PLC 芯片处于读保护状态，无法读写，不能升级！";
constexpr const char* kLoadFailed = "下载文件读取失败！";
constexpr const char* kEmptyImage = "下载文件为空，不能下载！";

std::size_t PageCount(std::size_t imageSize) {
    return std::min(imageSize / kPageSize + 1, kMostPages);
}

std::size_t SectorCount(std::size_t imageSize) {
    const std::size_t k = imageSize / 1024 + 1;
    std::size_t sectors = 1;
    if (k > 16) sectors = 2;
    if (k > 32) sectors = 3;
    if (k > 48) sectors = 4;
    if (k > 64) sectors = 5;
    if (k > 128) sectors = 6;
    if (k > 256) sectors = 7;
    if (k > 384) sectors = 8;
    return sectors;
}

std::uint8_t Xor(const std::vector<std::uint8_t>& bytes) {
    std::uint8_t x = 0;
    for (std::uint8_t b : bytes)
        x ^= b;
    return x;
}

std::string TooLargeFor(std::size_t size, std::size_t coverage) {
    return "下载文件太大（" + std::to_string(size) + " 字节），超出可擦除的 " +
           std::to_string(coverage) + " 字节，不能下载！";
}

std::string Hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value & 0xFFFFu);
    return text;
}

}  // namespace

std::vector<std::uint8_t> PageEraseList(std::size_t imageSize) {
    const std::size_t pages = PageCount(imageSize);
    std::vector<std::uint8_t> list;
    list.push_back(static_cast<std::uint8_t>(pages - 1));
    for (std::size_t page = 0; page < pages; ++page)
        list.push_back(static_cast<std::uint8_t>(page));
    list.push_back(Xor(list));
    return list;
}

std::vector<std::uint8_t> SectorEraseList(std::size_t imageSize) {
    const std::size_t sectors = SectorCount(imageSize);
    std::vector<std::uint8_t> list{0x00, static_cast<std::uint8_t>(sectors - 1)};
    for (std::size_t sector = 0; sector < sectors; ++sector) {
        list.push_back(0x00);
        list.push_back(static_cast<std::uint8_t>(sector));
    }
    list.push_back(Xor(list));
    return list;
}

std::size_t EraseCoverage(bool pageMode, std::size_t imageSize) {
    if (pageMode) return PageCount(imageSize) * kPageSize;
    std::size_t bytes = 0;
    for (std::size_t sector = 0; sector < SectorCount(imageSize); ++sector)
        bytes += kSectorSizes[sector];
    return bytes;
}

std::size_t LargestErasePlan() {
    return std::max(EraseCoverage(true, kImageBufferSize), EraseCoverage(false, kImageBufferSize));
}

std::size_t ExpectedReplyLength(int state, bool pageMode) {
    switch (state) {
        case 2:
            return 15;  // ACK, count 11, version, 11 command codes, ACK
        case 3:
            return 5;  // ACK, count 1, product ID (2 bytes), ACK
        case 6:
            return pageMode ? 5 : 3;  // ACK and the 4 or 2 bytes read
        default:
            return 1;
    }
}

TSTMForm::TSTMForm(SerialLink& link, TimerSet& timers, SessionHost& host)
    : ComDriver(link, timers), timers_(timers), host_(host) {
    ComDriver.SetComPort(pnCOM1);
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
}

void TSTMForm::STM_ISP() {
    // A press during an attempt starts afresh: nothing of the old one goes on.
    CancelPendingStep();
    StopTimers();

    PortWasOpen = ComDriver.IsPortOpen();
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
    FailAttempt();
    return false;
}

void TSTMForm::Timer3Timer() {
    SessionState = 1;
    if (!Send({kBootSync})) return;
    ComDriver.ReceivedCount = 0;
    host_.ShowStatus(kSearching);
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

void TSTMForm::FailAttempt() {
    EndAttempt();
    host_.ShowStatus(kLinkFailed);
    ++AttemptCount;
    if (AttemptCount < 3) STM_ISP();
}

void TSTMForm::Refuse(const std::string& text) {
    EndAttempt();
    host_.ShowStatus(text);
    ShowMessage({"错误", text, MsgIcon::Information, MsgButtons::Ok});
}

void TSTMForm::Timer5Timer() {
    const std::size_t expected = ExpectedReplyLength(SessionState, PageEraseMode);
    const std::size_t count =
        std::min<std::size_t>(ComDriver.ReceivedCount, TQelCommDriver::kAccumulatorSize);
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
    // refused block out of the flash.
    if (SessionState >= 8 && SessionState <= 11 && f[0] == kBootNack) {
        FailAttempt();
        return;
    }

    switch (SessionState) {
        case 1:
            if (f[0] != kBootAck) {
                host_.ShowStatus("NACK");
                return;
            }
            timers_.Stop(timer3_);
            host_.ShowStatus(kConnected);
            SessionState = 2;
            IdleTicks = 0;
            SendStep({0x00, 0xFF});  // Get
            return;
        case 2:
            if (f[0] == kBootAck && f[1] == 11 && f[3] == 0x00 && f[14] == kBootAck) {
                const std::string version =
                    "Boot:" + std::to_string(f[2] >> 4) + "." + std::to_string(f[2] & 0x0F);
                host_.ShowStatus(version);
                host_.ShowProgressHint(version);
                SessionState = 3;
                IdleTicks = 0;
                SendStep({0x02, 0xFD});  // Get ID
            }
            return;
        case 3:
            if (f[0] == kBootAck && f[1] == 1 && f[4] == kBootAck) AcceptIdentity();
            return;
        case 4:
            if (f[0] == kBootNack) {
                // Read Memory is refused only under read protection; going on
                // would feed the address to the chip as a command.
                Refuse(kReadProtected);
                return;
            }
            if (f[0] != kBootAck) return;
            SessionState = 5;
            IdleTicks = 0;
            if (PageEraseMode) {
                SendStep({0x1F, 0xFF, 0xF7, 0xE0, 0xF7});
            } else {
                SendStep({0x1F, 0xFF, 0x77, 0xDE, 0x49});
            }
            return;
        case 5:
            if (f[0] != kBootAck) return;
            SessionState = 6;
            IdleTicks = 0;
            if (PageEraseMode) {
                SendStep({0x03, 0xFC});
            } else {
                SendStep({0x01, 0xFE});
            }
            return;
        case 6:
            if (f[0] != kBootAck) return;
            SessionState = 7;
            IdleTicks = 0;
            if (PageEraseMode) {
                SendStep({0x43, 0xBC});  // Erase
            } else {
                SendStep({0x44, 0xBB});  // Extended Erase
            }
            return;
        case 7:
            if (f[0] == kBootAck) StartErase();
            return;
        case 8:
            if (f[0] != kBootAck) return;
            SessionState = 9;
            IdleTicks = 0;
            SendStep({0x31, 0xCE});  // Write Memory
            return;
        case 9: {
            if (f[0] != kBootAck) return;
            SessionState = 10;
            std::vector<std::uint8_t> address{static_cast<std::uint8_t>(WriteAddress >> 24),
                                              static_cast<std::uint8_t>(WriteAddress >> 16),
                                              static_cast<std::uint8_t>(WriteAddress >> 8),
                                              static_cast<std::uint8_t>(WriteAddress)};
            address.push_back(Xor(address));
            SendStep(address);
            return;
        }
        case 10:
            if (f[0] == kBootAck) SendNextBlock();
            return;
        case 11:
            if (f[0] == kBootAck) Finish();
            return;
        default:
            SessionState = 1;
            return;
    }
}

void TSTMForm::AcceptIdentity() {
    const std::string id = Hex4(static_cast<unsigned>(FrameBuffer[2] << 8 | FrameBuffer[3]));
    if (id == "0414") {
        host_.ShowStatus("F10x");
        PageEraseMode = true;
    } else if (id == "0411") {
        host_.ShowStatus("F20x");
        PageEraseMode = false;
    } else if (id == "0413") {
        host_.ShowStatus("F40x");
        PageEraseMode = false;
    } else {
        host_.ShowStatus("Fxxx：未知芯片 ID " + id + "，按 2KB 页擦除");
        PageEraseMode = true;
    }
    if (!ImageFitsChip()) return;
    SessionState = 4;
    IdleTicks = 0;
    SendStep({0x11, 0xEE});  // Read Memory
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
        Refuse("下载文件太大（" + std::to_string(size) + " 字节），超过 1 MB，不能下载！");
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
    if (!SendStep(PageEraseMode ? PageEraseList(size) : SectorEraseList(size))) return;
    host_.ShowStatus(kErasing);
}

void TSTMForm::SendNextBlock() {
    const std::size_t n = std::min(BytesLeft, kBlockSize);
    // Flash takes whole 32-bit words: the last block is filled up with 0xFF,
    // the value of erased flash.
    const std::size_t padded = (n + 3) & ~std::size_t{3};
    std::vector<std::uint8_t> frame;
    frame.reserve(padded + 2);
    frame.push_back(static_cast<std::uint8_t>(padded - 1));
    frame.insert(frame.end(), ImageBuffer.begin() + static_cast<std::ptrdiff_t>(WriteOffset),
                 ImageBuffer.begin() + static_cast<std::ptrdiff_t>(WriteOffset + n));
    frame.resize(padded + 1, 0xFF);
    frame.push_back(Xor(frame));

    WriteAddress += static_cast<std::uint32_t>(n);
    WriteOffset += n;
    BytesLeft -= n;
    SessionState = BytesLeft < 1 ? 11 : 8;
    if (!SendStep(frame)) return;
    const int progress = static_cast<int>(WriteOffset * 100 / imageSize_);
    host_.ShowProgress(progress);
    host_.ShowStatus("写进度: " + std::to_string(progress) + "%");
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
            if (PortWasOpen) {
                ComDriver.ClosePort();
                PortWasOpen = false;
            }
            host_.ShowLamp(false);
            host_.CloseMainWindow();
        });
    });
}

}  // namespace vx
