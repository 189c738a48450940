// The updater's serial-port component.
//
// TQelCommDriver opens one of the ports COM1-COM9 (a device file through the
// port table of SerialPortNames), applies the line settings of its properties,
// polls the port for received bytes every ComPortPollingDelay milliseconds,
// appends them to a 1024-byte accumulator that the boot-loader session reads
// and resets directly, raises OnReceiveData, and writes blocks with a time-out.
// The poll runs from a timer of the TimerSet it is given, on that set's thread.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "updater/SerialLink.h"
#include "updater/Timers.h"

namespace vx {

enum TComPortNumber {
    pnCOM1,
    pnCOM2,
    pnCOM3,
    pnCOM4,
    pnCOM5,
    pnCOM6,
    pnCOM7,
    pnCOM8,
    pnCOM9,
};
enum TComPortBaudRate {
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
};
enum TComPortDataBits { db5BITS, db6BITS, db7BITS, db8BITS };
enum TComPortStopBits { sb1BITS, sb1HALFBITS, sb2BITS };
enum TComPortParity { ptNONE, ptODD, ptEVEN, ptMARK, ptSPACE };
enum TComPortHwHandshaking { hhNONE, hhRTSCTS };
enum TComPortSwHandshaking { shNONE, shXONXOFF };

// The rate of a speed value, in baud.
int BaudOf(TComPortBaudRate speed);

class TQelCommDriver {
  public:
    static constexpr std::size_t kAccumulatorSize = 1024;

    // Raised after each poll that read bytes: the bytes of that read.
    using ReceiveHandler =
        std::function<void(TQelCommDriver& sender, const std::uint8_t* bytes, std::size_t count)>;

    // The link and the timers must outlive the component.
    TQelCommDriver(SerialLink& link, TimerSet& timers);
    ~TQelCommDriver();
    TQelCommDriver(const TQelCommDriver&) = delete;
    TQelCommDriver& operator=(const TQelCommDriver&) = delete;

    // Taken only while the port is closed.
    TComPortNumber ComPort() const { return comPort_; }
    void SetComPort(TComPortNumber port);
    // Stored; while the port is open the line settings are applied again.
    TComPortBaudRate ComPortSpeed() const { return speed_; }
    void SetComPortSpeed(TComPortBaudRate speed);
    TComPortDataBits ComPortDataBits() const { return dataBits_; }
    void SetComPortDataBits(TComPortDataBits bits);
    TComPortStopBits ComPortStopBits() const { return stopBits_; }
    void SetComPortStopBits(TComPortStopBits bits);
    TComPortParity ComPortParity() const { return parity_; }
    void SetComPortParity(TComPortParity parity);
    TComPortHwHandshaking ComPortHwHandshaking() const { return hwHandshaking_; }
    void SetComPortHwHandshaking(TComPortHwHandshaking handshaking);
    TComPortSwHandshaking ComPortSwHandshaking() const { return swHandshaking_; }
    void SetComPortSwHandshaking(TComPortSwHandshaking handshaking);
    // The most bytes one poll reads; changed only while closed. A poll never
    // reads more than the accumulator holds, whatever the size.
    std::uint16_t ComPortInBufSize() const { return inBufSize_; }
    void SetComPortInBufSize(std::uint16_t size);
    // The output queue that OutputFreeBytes measures against.
    std::uint16_t ComPortOutBufSize() const { return outBufSize_; }
    void SetComPortOutBufSize(std::uint16_t size) { outBufSize_ = size; }
    // A changed value restarts the poll timer of an open port.
    std::uint16_t ComPortPollingDelay() const { return pollingDelay_; }
    void SetComPortPollingDelay(std::uint16_t ms);
    // DTR raised (true) or dropped whenever the line settings are applied.
    bool EnableDTROnOpen() const { return enableDtrOnOpen_; }
    void SetEnableDTROnOpen(bool enable) { enableDtrOnOpen_ = enable; }
    std::uint16_t OutputTimeout() const { return outputTimeout_; }
    void SetOutputTimeout(std::uint16_t ms) { outputTimeout_ = ms; }
    void SetOnReceiveData(ReceiveHandler handler) { onReceiveData_ = std::move(handler); }
    // Raised once when a poll finds the device failed or the line hung up
    // (the far end closed, the adapter pulled); the poll stops then.
    using FailureHandler = std::function<void(TQelCommDriver& sender)>;
    void SetOnLineFailure(FailureHandler handler) { onLineFailure_ = std::move(handler); }

    // True at once when already open. Otherwise opens the port's device,
    // applies the line settings and starts the poll; false, with the port
    // closed, when either fails.
    bool OpenPort();
    // Drops DTR and RTS (as closing a serial port does), stops the poll and
    // closes the device.
    void ClosePort();
    bool IsPortOpen() const { return link_.IsOpen(); }
    // Applies the properties to the open port: the line settings, DTR as
    // EnableDTROnOpen says, RTS dropped unless the hardware handshake owns it,
    // then both directions purged. False when closed or refused.
    bool ApplyPortSettings();
    void PurgeBuffers(bool receive, bool transmit);
    // -1 when closed, else ComPortOutBufSize minus the bytes queued for output.
    std::int16_t OutputFreeBytes() const;
    // Writes the block: the count on success, 0 when the port is closed. When
    // the queue takes nothing for OutputTimeout ms, or the device fails, the
    // result is minus the bytes that went out: anything but count is failure.
    std::int32_t SendBlock(const void* data, std::size_t count);
    bool SetDTRLine(bool raised);
    bool SetRTSLine(bool raised);

    // One poll of the port (what the poll timer runs).
    void Poll();

    // The accumulator, read and reset by the session.
    std::uint16_t ReceivedCount = 0;
    std::array<std::uint8_t, kAccumulatorSize> ReceivedBytes{};

  private:
    bool ReapplyIfOpen();
    LineSettings CurrentSettings() const;

    SerialLink& link_;
    TimerSet& timers_;
    TimerSet::Id pollTimer_;

    TComPortNumber comPort_ = pnCOM1;
    TComPortBaudRate speed_ = br9600;
    TComPortDataBits dataBits_ = db8BITS;
    TComPortStopBits stopBits_ = sb1BITS;
    TComPortParity parity_ = ptNONE;
    TComPortHwHandshaking hwHandshaking_ = hhNONE;
    TComPortSwHandshaking swHandshaking_ = shNONE;
    std::uint16_t inBufSize_ = 1024;
    std::uint16_t outBufSize_ = 512;
    std::uint16_t pollingDelay_ = 5;
    bool enableDtrOnOpen_ = false;
    std::uint16_t outputTimeout_ = 4000;
    ReceiveHandler onReceiveData_;
    FailureHandler onLineFailure_;

    std::vector<std::uint8_t> readBuffer_;
};

}  // namespace vx
