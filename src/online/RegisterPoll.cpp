#include "online/RegisterPoll.h"

#include "online/RegisterCalls.h"

namespace vx {

bool RegisterWindowFits(int start, int count) {
    return DeviceImage::Holds(DeviceKind::D, start, count);
}

std::string NextDotSpinner(const std::string& spinner) {
    return spinner == "." ? " " : ".";
}

RegisterPollResult RegisterPollTick(PollState& s, int start, int count, DeviceImage& image,
                                    ModbusCalls& calls) {
    RegisterPollResult result;
    if (s.answerReady) {
        if (!RegisterWindowFits(start, count)) {
            result.refused = true;
            return result;
        }
        s.isBit = false;
        s.kind = DeviceKind::D;
        s.start = start;
        s.count = count;
        s.areaCode = kRegisterReadArea;
        calls.ReadWords(start, count, kRegisterReadArea);
        s.answerReady = false;
        s.retryCount = 0;
        result.sent = true;
        return result;
    }

    s.retryCount += 1;
    if (s.retryCount < kRetakeLimit) {
        const std::span<std::uint16_t> into = image.WordSpan(DeviceKind::D, s.start, s.count);
        if (!into.empty() && calls.RetakeWords(into.data(), s.count)) {
            image.MarkRead(DeviceKind::D, s.start, s.count, true);
            s.answerReady = true;
            s.retryCount = 0;
            s.spinner = NextDotSpinner(s.spinner);
            result.answered = true;
        }
    }
    if (s.retryCount >= kRetakeLimit) {
        s.retryCount = 0;
        s.answerReady = true;  // given up: the next step reads again
        image.MarkRead(DeviceKind::D, s.start, s.count, false);
        result.gaveUp = true;
    }
    return result;
}

}  // namespace vx
