#include "online/PulseChannels.h"

namespace vx {
namespace {

int Offset(int reg) {
    return (reg - kPulseStart) % 8;
}

}  // namespace

std::int64_t PulseMaximum(int reg) {
    if (reg < kPulseStart || reg >= PulseBase(kPulseChannels)) return kPulse32BitMaximum;
    switch (Offset(reg)) {
        case 4:
            return kPulseFrequencyMaximum;
        case 6:
        case 7:
            return kPulse16BitMaximum;
        default:
            return kPulse32BitMaximum;
    }
}

int PulseWordCount(std::int64_t maximum) {
    return maximum == kPulse16BitMaximum ? 1 : 2;
}

std::string PulseValueText(int reg, const DeviceImage& image) {
    const int words = PulseWordCount(PulseMaximum(reg));
    if (!image.WasRead(DeviceKind::D, reg) || !image.WasRead(DeviceKind::D, reg + words - 1))
        return {};
    if (words == 1) {
        const auto word = image.Word(DeviceKind::D, reg);
        return word ? std::to_string(*word) : std::string();
    }
    const auto pair = image.RegisterPair(reg);
    return pair ? std::to_string(static_cast<std::int32_t>(*pair)) : std::string();
}

std::string PulseOutputText(int channel, const DeviceImage& image, bool chinese) {
    const int reg = PulseBase(channel) + 2;
    const auto pair = image.WasRead(DeviceKind::D, reg) && image.WasRead(DeviceKind::D, reg + 1)
                          ? image.RegisterPair(reg)
                          : std::nullopt;
    return std::string(chinese ? "输出: " : "Output: ") +
           (pair ? std::to_string(static_cast<std::int32_t>(*pair)) : std::string());
}

bool PulseRunningKnown(const DeviceImage& image) {
    return image.WasRead(DeviceKind::D, kPulseRunningRegister);
}

bool PulseChannelRunning(int channel, const DeviceImage& image) {
    const auto bits = image.Word(DeviceKind::D, kPulseRunningRegister);
    return bits && ((*bits >> channel) & 1u) != 0;
}

PulseEntry CheckPulseEntry(std::string_view text, std::int64_t maximum) {
    PulseEntry entry;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') continue;
        entry.text += c;
        // Stop counting once past the maximum, so that no text overflows.
        if (!entry.aboveMaximum) {
            value = value * 10 + (c - '0');
            if (value > maximum) entry.aboveMaximum = true;
        }
    }
    if (entry.aboveMaximum) {
        value = maximum;
        entry.text = std::to_string(maximum);
    } else if (entry.text.empty()) {
        entry.text = "0";
    }
    entry.value = static_cast<std::uint32_t>(value);
    return entry;
}

std::string PulseRangeMessage(std::int64_t maximum, bool chinese) {
    return chinese ? "设定范围: 0-" + std::to_string(maximum) + " ！"
                   : "Range: 0-" + std::to_string(maximum) + " !";
}

std::array<std::uint16_t, 2> PulseWords(std::uint32_t value) {
    return {static_cast<std::uint16_t>(value & 0xFFFFu), static_cast<std::uint16_t>(value >> 16)};
}

}  // namespace vx
