// Modbus RTU request frames for the tests of the controller's slave, with
// the simulator's CRC (written apart from the kit's).
#pragma once

#include <cstdint>
#include <vector>

#include "plcsim/PlcModel.h"

namespace vx::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes WithCrc(Bytes frame) {
    const std::uint16_t crc = plcsim::Crc16(frame.data(), frame.size());
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    return frame;
}

// A request of six bytes: station, function, address, value or count.
inline Bytes Request(std::uint8_t unit, std::uint8_t function, int address, int value) {
    return WithCrc({unit, function, static_cast<std::uint8_t>(address >> 8),
                    static_cast<std::uint8_t>(address & 0xFF),
                    static_cast<std::uint8_t>(value >> 8),
                    static_cast<std::uint8_t>(value & 0xFF)});
}

// Function 16: write multiple registers.
inline Bytes WriteRegisters(std::uint8_t unit, int address,
                            const std::vector<std::uint16_t>& words) {
    Bytes f{unit,
            16,
            static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF),
            0,
            static_cast<std::uint8_t>(words.size()),
            static_cast<std::uint8_t>(words.size() * 2)};
    for (std::uint16_t w : words) {
        f.push_back(static_cast<std::uint8_t>(w >> 8));
        f.push_back(static_cast<std::uint8_t>(w & 0xFF));
    }
    return WithCrc(f);
}

}  // namespace vx::test
