#include "online/LadderStakeout.h"

#include "model/LadderProgram.h"
#include "online/LinkSettings.h"
#include "outside/ModbusLink.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"

namespace vx {
namespace {

class ToolLinkCalls final : public ModbusCalls {
  public:
    bool Open(const LinkParameters& p) override {
        // A station the link cannot reach is told, whichever window opens
        // the link: only the project's parameters can mend it.
        if (const std::string problem = StationProblem(p, InterfaceChinese()); !problem.empty()) {
            ShowMessage({kProductTitle, problem, MsgIcon::Information, MsgButtons::Ok});
            return false;
        }
        return Modbus_Link_Open(p.baudCode, p.port, p.frame, p.station, p.tcpAddress, p.tcpPort);
    }
    void Close() override { Modbus_LinkClose(); }
    void ReadBits(int start, int count, int areaCode) override {
        Modbus_Read_B_relay(start, count, areaCode);
    }
    void ReadWords(int start, int count, int areaCode) override {
        Modbus_Read_W_register(start, count, areaCode);
    }
    bool RetakeBits(std::uint8_t* destination, int count) override {
        return Modbus_Retake_B_data(destination, count);
    }
    bool RetakeWords(std::uint16_t* destination, int count) override {
        return Modbus_Retake_W_data(destination, count);
    }
};

}  // namespace

ModbusCalls& TheModbusCalls() {
    static ToolLinkCalls calls;
    return calls;
}

int ReadAreaCode(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::X:
            return 2;
        case DeviceKind::Y:
            return 105;
        case DeviceKind::M:
            return 1;
        case DeviceKind::S:
            return 12;
        case DeviceKind::T:
            return 106;
        case DeviceKind::C:
            return 107;
        case DeviceKind::D:
            return 3;
        case DeviceKind::TValue:
            return 4;
        case DeviceKind::CValue:
            return 101;
    }
    return 0;
}

PollState& ThePollState() {
    static PollState state;
    return state;
}

bool RetakeOutstanding(const PollState& s, DeviceImage& image, ModbusCalls& calls) {
    bool answered = false;
    if (s.isBit) {
        const std::span<std::uint8_t> into = image.BitSpan(s.kind, s.start, s.count);
        answered = !into.empty() && calls.RetakeBits(into.data(), s.count);
    } else {
        const std::span<std::uint16_t> into = image.WordSpan(s.kind, s.start, s.count);
        answered = !into.empty() && calls.RetakeWords(into.data(), s.count);
    }
    if (answered) image.MarkRead(s.kind, s.start, s.count, true);
    return answered;
}

TickResult LadderStakeoutTick(PollState& s, const ScanScheme& scheme, DeviceImage& image,
                              ModbusCalls& calls) {
    TickResult result;
    if (s.answerReady) {
        // The next request that fits the image, starting at PollStep.
        for (std::size_t tried = 0; tried < scheme.size(); ++tried) {
            if (s.pollStep >= scheme.size()) s.pollStep = 0;
            const ScanRequest& r = scheme[s.pollStep++];
            if (r.kind >= kDeviceKindCount) continue;
            const DeviceKind kind = static_cast<DeviceKind>(r.kind);
            const bool isBit = DeviceImage::IsBitKind(kind);
            if (r.isBit != (isBit ? 1 : 0) || !DeviceImage::Holds(kind, r.start, r.count)) continue;
            s.isBit = isBit;
            s.kind = kind;
            s.start = r.start;
            s.count = r.count;
            s.areaCode = ReadAreaCode(kind);
            if (isBit) {
                calls.ReadBits(s.start, s.count, s.areaCode);
            } else {
                calls.ReadWords(s.start, s.count, s.areaCode);
            }
            s.answerReady = false;
            s.retryCount = 0;
            result.sent = true;
            break;
        }
        return result;
    }

    s.retryCount += 1;
    if (s.retryCount < kRetakeLimit) {
        const bool answered = RetakeOutstanding(s, image, calls);
        s.answerReady = answered;
        if (answered) {
            s.spinner = s.spinner == kSpinnerOff ? kSpinnerOn : kSpinnerOff;
            s.retryCount = 0;
            s.answersSinceRepaint += 1;
            result.answered = true;
        }
        s.ticksSinceRepaint += 1;
        if (s.ticksSinceRepaint > 9 && s.answersSinceRepaint >= 1) {
            s.ticksSinceRepaint = 0;
            s.answersSinceRepaint = 0;
            result.repaint = true;
        }
    }
    if (s.retryCount >= kRetakeLimit) {
        s.retryCount = 0;
        s.answerReady = true;  // given up: the next tick sends the next request
        image.MarkRead(s.kind, s.start, s.count, false);
        result.gaveUp = true;
    }
    return result;
}

}  // namespace vx
