// The controller's clock as the clock dialog sets it: three words written to
// D90-D92 in one write (seconds and weekday are not sent).
//
//   D90  hour × 100 + minute
//   D91  month × 100 + day
//   D92  year
#pragma once

#include <array>
#include <cstdint>

namespace vx {

inline constexpr int kClockRegister = 90;
inline constexpr int kClockWords = 3;

// The ranges the dialog offers.
inline constexpr int kClockYearMin = 2000, kClockYearMax = 2099;

struct ClockSetting {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
};

std::array<std::uint16_t, kClockWords> ClockWords(const ClockSetting& setting);

}  // namespace vx
