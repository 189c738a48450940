// The pulse test's registers: 26 words read from D300, three channels of
// eight registers and the running bits.
//
// Channel k (0-2, output K0 on Y20, K1 on Y21, K2 on Y22) from b = 300 + 8k:
//   b, b+1    pulses (32-bit)             edit "脉冲:"      at most 2147483647
//   b+2, b+3  output count (32-bit)       label "输出: "
//   b+4, b+5  target frequency (32-bit)   edit "目标频率:"  at most 80000
//   b+6       start frequency (16-bit)    edit "启动频率:"  at most 65535
//   b+7       acceleration time (16-bit)  edit "加速时间:"  at most 65535
// D325 bit k is set while channel k runs.
//
// A value is written as one word when its maximum is 65535, else as a pair
// (the low word first).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "online/DeviceImage.h"

namespace vx {

inline constexpr int kPulseStart = 300;
inline constexpr int kPulseWords = 26;
inline constexpr int kPulseRunningRegister = 325;
inline constexpr int kPulseChannels = 3;

constexpr int PulseBase(int channel) {
    return kPulseStart + 8 * channel;
}

// The twelve edits' registers, channel by channel: pulses, target frequency,
// start frequency, acceleration time.
inline constexpr std::array<int, 12> kPulseEditRegisters{300, 304, 306, 307, 308, 312,
                                                         314, 315, 316, 320, 322, 323};

inline constexpr std::int64_t kPulse16BitMaximum = 65535;
inline constexpr std::int64_t kPulseFrequencyMaximum = 80000;
inline constexpr std::int64_t kPulse32BitMaximum = 2147483647;

// The largest value the register takes from the value dialog.
std::int64_t PulseMaximum(int reg);
// Words written for a value of that maximum: 1 for 65535, else 2.
int PulseWordCount(std::int64_t maximum);

// The edit's text of the register read: 16-bit registers unsigned, pairs
// signed; empty while the register (or either of the pair) is not read.
std::string PulseValueText(int reg, const DeviceImage& image);
// "输出: " (English "Output: ") + the channel's output count, once read.
std::string PulseOutputText(int channel, const DeviceImage& image, bool chinese = true);
bool PulseChannelRunning(int channel, const DeviceImage& image);
// Whether the running bits (D325) were read.
bool PulseRunningKnown(const DeviceImage& image);

// The value dialog's text checked against the maximum: only digits count; an
// empty text is "0"; a value above the maximum (however many digits it has)
// becomes the maximum.
struct PulseEntry {
    std::string text;
    std::uint32_t value = 0;
    bool aboveMaximum = false;
};
PulseEntry CheckPulseEntry(std::string_view text, std::int64_t maximum);

// "设定范围: 0-" + maximum + " ！" (English: "Range: 0-" + maximum + " !").
std::string PulseRangeMessage(std::int64_t maximum, bool chinese = true);

// The words written for the value: one or two, the low word first.
std::array<std::uint16_t, 2> PulseWords(std::uint32_t value);

}  // namespace vx
