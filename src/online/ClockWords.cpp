#include "online/ClockWords.h"

namespace vx {

std::array<std::uint16_t, kClockWords> ClockWords(const ClockSetting& s) {
    return {static_cast<std::uint16_t>(s.hour * 100 + s.minute),
            static_cast<std::uint16_t>(s.month * 100 + s.day), static_cast<std::uint16_t>(s.year)};
}

}  // namespace vx
