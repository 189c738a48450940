// The simulated controller's device memory and its Modbus slave logic.
//
// The memory holds the devices as the controller's Modbus map shows them:
//
//   coils (functions 01, 05, 15)      M 0-9999 at n, S at 10000 + n,
//                                     T contacts at 10400 + n, C contacts at
//                                     10800 + n, Y at 11000 + n
//   discrete inputs (function 02)     X at n
//   holding registers (03, 06, 16)    D and the system registers at n
//                                     (0-20000), T values at 21000 + n,
//                                     C values at 21500 + n
//
// X and Y are numbered by the decimal reading of their octal label (X17 is
// 17). Each block is addressable to its end (the coil block of S runs from
// 10000 to 10399); an address past the last block is refused with exception 02.
//
// This side is written from the protocol alone, apart from the tool's link, so
// that a mistake in one is not mirrored in the other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vx::plcsim {

enum class Area { X, Y, M, S, T, C, D, TValue, CValue };

// Modbus exception codes.
inline constexpr std::uint8_t kIllegalFunction = 1;
inline constexpr std::uint8_t kIllegalAddress = 2;
inline constexpr std::uint8_t kIllegalValue = 3;
inline constexpr std::uint8_t kDeviceFailure = 4;

inline constexpr int kCoilCount = 11400;
inline constexpr int kInputCount = 400;
inline constexpr int kRegisterCount = 22000;

class PlcMemory {
  public:
    PlcMemory();

    // The device's Modbus address in its table.
    static int AddressOf(Area area, int number);
    static bool IsBitArea(Area area) {
        return area != Area::D && area != Area::TValue && area != Area::CValue;
    }

    bool Bit(Area area, int number) const;
    void SetBit(Area area, int number, bool on);
    std::uint16_t Word(Area area, int number) const;
    void SetWord(Area area, int number, std::uint16_t value);

    std::vector<std::uint8_t>& Coils() { return coils_; }
    std::vector<std::uint8_t>& Inputs() { return inputs_; }
    std::vector<std::uint16_t>& Registers() { return registers_; }

    // Answers one request PDU (function code and data) with the response PDU:
    // the data asked for, the echo of a write, or an exception (function code
    // + 0x80 and the exception code).
    std::vector<std::uint8_t> Answer(const std::uint8_t* pdu, std::size_t size);

  private:
    std::vector<std::uint8_t> coils_;
    std::vector<std::uint8_t> inputs_;
    std::vector<std::uint16_t> registers_;
};

// The Modbus RTU check: CRC-16 with polynomial 0xA001 (reflected), start
// value 0xFFFF; sent low byte first.
std::uint16_t Crc16(const std::uint8_t* bytes, std::size_t size);

// The length of the RTU request frame at the start of the buffer, from its
// function code: 0 while too few bytes have come to tell, -1 for a function
// whose frame length cannot be told.
int RtuRequestLength(const std::uint8_t* bytes, std::size_t size);

}  // namespace vx::plcsim
