// The analog and encoder monitor's registers: ten words read from the start
// of the tab on show.
//
//   tab 0 "AD(12bit)"  D2040-D2043  AD1-AD4, shown in tenths: 1234 is "123.4"
//   tab 1 "AD(24bit)"  D2052-D2059  AD10-AD13, four 32-bit values
//   tab 2 "编码器"      DE-D(E+7)    EN0-EN3, four 32-bit values; E is the
//                                   project's first encoder-count register
//                                   (HoldParamString position 20, 4 digits)
//   tab 3 "关闭"        closes the window
//
// 32-bit values are register pairs, the low word first, shown signed.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "online/DeviceImage.h"

namespace vx {

inline constexpr int kAd12Tab = 0, kAd24Tab = 1, kEncoderTab = 2, kCloseTab = 3;
inline constexpr int kAd12Start = 2040;
inline constexpr int kAd24Start = 2052;
inline constexpr int kAnalogWords = 10;

// E, the first of the four encoder-count register pairs.
int EncoderBase(std::string_view holdParamString);

// The first register the tab reads.
int AnalogStart(int tab, int encoderBase);

// "EN0 (DE)", "EN1 (DE+2)", "EN2 (DE+4)", "EN3 (DE+6)".
std::array<std::string, 4> EncoderLabels(int encoderBase);

// A 12-bit reading in tenths: value div 10 "." value mod 10.
std::string TenthsText(std::uint16_t value);

// The four values of the tab read from start; empty texts for values outside
// the image.
std::array<std::string, 4> AnalogValues(int tab, int start, const DeviceImage& image);

}  // namespace vx
