#include "updater/Qel_ComDrv.h"

#include <algorithm>
#include <cstring>

#include "platform/SerialPortNames.h"

namespace vx {

int BaudOf(TComPortBaudRate speed) {
    static constexpr int kRates[] = {110,   300,   600,   1200,  2400,  4800,  9600,
                                     14400, 19200, 38400, 56000, 57600, 115200};
    const int index = static_cast<int>(speed);
    return index >= 0 && index < static_cast<int>(std::size(kRates)) ? kRates[index] : 9600;
}

TQelCommDriver::TQelCommDriver(SerialLink& link, TimerSet& timers)
    : link_(link), timers_(timers), readBuffer_(inBufSize_) {
    pollTimer_ = timers_.Add([this] { Poll(); });
}

TQelCommDriver::~TQelCommDriver() {
    ClosePort();
    timers_.Remove(pollTimer_);
}

void TQelCommDriver::SetComPort(TComPortNumber port) {
    if (!IsPortOpen()) comPort_ = port;
}

bool TQelCommDriver::ReapplyIfOpen() {
    return IsPortOpen() && ApplyPortSettings();
}

void TQelCommDriver::SetComPortSpeed(TComPortBaudRate speed) {
    speed_ = speed;
    ReapplyIfOpen();
}

void TQelCommDriver::SetComPortDataBits(TComPortDataBits bits) {
    dataBits_ = bits;
    ReapplyIfOpen();
}

void TQelCommDriver::SetComPortStopBits(TComPortStopBits bits) {
    stopBits_ = bits;
    ReapplyIfOpen();
}

void TQelCommDriver::SetComPortParity(TComPortParity parity) {
    parity_ = parity;
    ReapplyIfOpen();
}

void TQelCommDriver::SetComPortHwHandshaking(TComPortHwHandshaking handshaking) {
    hwHandshaking_ = handshaking;
    ReapplyIfOpen();
}

void TQelCommDriver::SetComPortSwHandshaking(TComPortSwHandshaking handshaking) {
    swHandshaking_ = handshaking;
    ReapplyIfOpen();
}

void TQelCommDriver::SetComPortInBufSize(std::uint16_t size) {
    if (IsPortOpen()) return;
    inBufSize_ = size;
    readBuffer_.assign(size, 0);
}

void TQelCommDriver::SetComPortPollingDelay(std::uint16_t ms) {
    if (ms == pollingDelay_) return;
    pollingDelay_ = ms;
    if (IsPortOpen()) timers_.Start(pollTimer_, Millis(pollingDelay_));
}

LineSettings TQelCommDriver::CurrentSettings() const {
    LineSettings s;
    s.baud = BaudOf(speed_);
    s.dataBits = static_cast<int>(dataBits_) + 5;
    static constexpr LineParity kParities[] = {LineParity::None, LineParity::Odd, LineParity::Even,
                                               LineParity::Mark, LineParity::Space};
    s.parity = kParities[static_cast<int>(parity_)];
    static constexpr LineStopBits kStops[] = {LineStopBits::One, LineStopBits::OneAndHalf,
                                              LineStopBits::Two};
    s.stopBits = kStops[static_cast<int>(stopBits_)];
    s.rtsCts = hwHandshaking_ == hhRTSCTS;
    s.xonXoff = swHandshaking_ == shXONXOFF;
    return s;
}

bool TQelCommDriver::OpenPort() {
    if (IsPortOpen()) return true;
    if (!link_.Open(SerialPortPath(static_cast<int>(comPort_)))) return false;
    if (!ApplyPortSettings()) {
        link_.Close();
        return false;
    }
    timers_.Start(pollTimer_, Millis(pollingDelay_));
    return true;
}

void TQelCommDriver::ClosePort() {
    if (!IsPortOpen()) return;
    timers_.Stop(pollTimer_);
    link_.SetLine(ModemLine::Dtr, false);
    link_.SetLine(ModemLine::Rts, false);
    link_.Close();
}

bool TQelCommDriver::ApplyPortSettings() {
    if (!IsPortOpen()) return false;
    const LineSettings settings = CurrentSettings();
    if (!link_.Configure(settings)) return false;
    // Opening a terminal raises DTR and RTS; a serial port here starts with
    // the lines as the settings say, so the controller's reset and boot-mode
    // lines only move when the session moves them.
    link_.SetLine(ModemLine::Dtr, enableDtrOnOpen_);
    if (!settings.rtsCts) link_.SetLine(ModemLine::Rts, false);
    link_.Purge(true, true);
    return true;
}

void TQelCommDriver::PurgeBuffers(bool receive, bool transmit) {
    if (IsPortOpen()) link_.Purge(receive, transmit);
}

std::int16_t TQelCommDriver::OutputFreeBytes() const {
    if (!IsPortOpen()) return -1;
    return static_cast<std::int16_t>(static_cast<int>(outBufSize_) - link_.OutputQueued());
}

std::int32_t TQelCommDriver::SendBlock(const void* data, std::size_t count) {
    if (!IsPortOpen()) return 0;
    Clock& clock = timers_.GetClock();
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::size_t sent = 0;
    Clock::TimePoint deadline = clock.Now() + Millis(outputTimeout_);
    while (sent < count) {
        if (OutputFreeBytes() <= 0) {
            if (clock.Now() >= deadline) return -static_cast<std::int32_t>(sent);
            clock.SleepUntil(std::min(deadline, clock.Now() + Millis(1)));
            continue;
        }
        long n = link_.Write(bytes + sent, count - sent, deadline);
        if (n < 0) return -static_cast<std::int32_t>(sent);  // the device failed
        if (n == 0) {
            if (clock.Now() >= deadline) return -static_cast<std::int32_t>(sent);
            continue;
        }
        sent += static_cast<std::size_t>(n);
        deadline = clock.Now() + Millis(outputTimeout_);
    }
    return static_cast<std::int32_t>(sent);
}

bool TQelCommDriver::SetDTRLine(bool raised) {
    return IsPortOpen() && link_.SetLine(ModemLine::Dtr, raised);
}

bool TQelCommDriver::SetRTSLine(bool raised) {
    return IsPortOpen() && link_.SetLine(ModemLine::Rts, raised);
}

void TQelCommDriver::Poll() {
    if (!IsPortOpen()) return;
    const std::size_t most = std::min<std::size_t>(readBuffer_.size(), kAccumulatorSize);
    if (most == 0) return;
    long n = link_.Read(readBuffer_.data(), most, timers_.GetClock().Now());
    if (n < 0) {
        timers_.Stop(pollTimer_);
        if (onLineFailure_) onLineFailure_(*this);
        return;
    }
    if (n == 0) return;
    const auto count = static_cast<std::size_t>(n);
    if (ReceivedCount + count > kAccumulatorSize - 1) ReceivedCount = 0;
    std::memcpy(ReceivedBytes.data() + ReceivedCount, readBuffer_.data(), count);
    ReceivedCount = static_cast<std::uint16_t>(ReceivedCount + count);
    if (onReceiveData_) onReceiveData_(*this, readBuffer_.data(), count);
}

}  // namespace vx
