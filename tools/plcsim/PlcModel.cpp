#include "plcsim/PlcModel.h"

namespace vx::plcsim {
namespace {

std::uint16_t Be16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

void PutBe16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

std::vector<std::uint8_t> Exception(std::uint8_t function, std::uint8_t code) {
    return {static_cast<std::uint8_t>(function | 0x80), code};
}

}  // namespace

PlcMemory::PlcMemory()
    : coils_(kCoilCount, 0), inputs_(kInputCount, 0), registers_(kRegisterCount, 0) {}

int PlcMemory::AddressOf(Area area, int number) {
    switch (area) {
        case Area::X:
        case Area::M:
        case Area::D:
            return number;
        case Area::S:
            return 10000 + number;
        case Area::T:
            return 10400 + number;
        case Area::C:
            return 10800 + number;
        case Area::Y:
            return 11000 + number;
        case Area::TValue:
            return 21000 + number;
        case Area::CValue:
            return 21500 + number;
    }
    return -1;
}

bool PlcMemory::Bit(Area area, int number) const {
    const int a = AddressOf(area, number);
    const auto& table = area == Area::X ? inputs_ : coils_;
    return a >= 0 && a < static_cast<int>(table.size()) && table[static_cast<std::size_t>(a)] != 0;
}

void PlcMemory::SetBit(Area area, int number, bool on) {
    const int a = AddressOf(area, number);
    auto& table = area == Area::X ? inputs_ : coils_;
    if (a >= 0 && a < static_cast<int>(table.size()))
        table[static_cast<std::size_t>(a)] = on ? 1 : 0;
}

std::uint16_t PlcMemory::Word(Area area, int number) const {
    const int a = AddressOf(area, number);
    return a >= 0 && a < kRegisterCount ? registers_[static_cast<std::size_t>(a)] : 0;
}

void PlcMemory::SetWord(Area area, int number, std::uint16_t value) {
    const int a = AddressOf(area, number);
    if (a >= 0 && a < kRegisterCount) registers_[static_cast<std::size_t>(a)] = value;
}

std::vector<std::uint8_t> PlcMemory::Answer(const std::uint8_t* pdu, std::size_t size) {
    if (size < 1) return Exception(0, kIllegalFunction);
    const std::uint8_t function = pdu[0];
    switch (function) {
        case 1:
        case 2: {
            if (size != 5) return Exception(function, kIllegalValue);
            const int address = Be16(pdu + 1), count = Be16(pdu + 3);
            if (count < 1 || count > 2000) return Exception(function, kIllegalValue);
            const auto& table = function == 1 ? coils_ : inputs_;
            if (address + count > static_cast<int>(table.size()))
                return Exception(function, kIllegalAddress);
            std::vector<std::uint8_t> out{function, static_cast<std::uint8_t>((count + 7) / 8)};
            out.resize(2 + static_cast<std::size_t>((count + 7) / 8), 0);
            for (int i = 0; i < count; ++i) {
                if (table[static_cast<std::size_t>(address + i)])
                    out[2 + static_cast<std::size_t>(i / 8)] |=
                        static_cast<std::uint8_t>(1 << (i % 8));
            }
            return out;
        }
        case 3: {
            if (size != 5) return Exception(function, kIllegalValue);
            const int address = Be16(pdu + 1), count = Be16(pdu + 3);
            if (count < 1 || count > 125) return Exception(function, kIllegalValue);
            if (address + count > kRegisterCount) return Exception(function, kIllegalAddress);
            std::vector<std::uint8_t> out{function, static_cast<std::uint8_t>(count * 2)};
            for (int i = 0; i < count; ++i)
                PutBe16(out, registers_[static_cast<std::size_t>(address + i)]);
            return out;
        }
        case 5: {
            if (size != 5) return Exception(function, kIllegalValue);
            const int address = Be16(pdu + 1), value = Be16(pdu + 3);
            if (value != 0xFF00 && value != 0x0000) return Exception(function, kIllegalValue);
            if (address >= kCoilCount) return Exception(function, kIllegalAddress);
            coils_[static_cast<std::size_t>(address)] = value == 0xFF00 ? 1 : 0;
            return std::vector<std::uint8_t>(pdu, pdu + size);
        }
        case 6: {
            if (size != 5) return Exception(function, kIllegalValue);
            const int address = Be16(pdu + 1);
            if (address >= kRegisterCount) return Exception(function, kIllegalAddress);
            registers_[static_cast<std::size_t>(address)] = Be16(pdu + 3);
            return std::vector<std::uint8_t>(pdu, pdu + size);
        }
        case 15:
        case 16: {
            if (size < 6) return Exception(function, kIllegalValue);
            const int address = Be16(pdu + 1), count = Be16(pdu + 3), bytes = pdu[5];
            const bool coils = function == 15;
            const int expected = coils ? (count + 7) / 8 : count * 2;
            if (count < 1 || count > (coils ? 1968 : 123) || bytes != expected ||
                size != 6 + static_cast<std::size_t>(bytes))
                return Exception(function, kIllegalValue);
            if (address + count > (coils ? kCoilCount : kRegisterCount))
                return Exception(function, kIllegalAddress);
            for (int i = 0; i < count; ++i) {
                if (coils) {
                    coils_[static_cast<std::size_t>(address + i)] = (pdu[6 + i / 8] >> (i % 8)) & 1;
                } else {
                    registers_[static_cast<std::size_t>(address + i)] = Be16(pdu + 6 + 2 * i);
                }
            }
            std::vector<std::uint8_t> out(pdu, pdu + 5);
            return out;
        }
        default:
            return Exception(function, kIllegalFunction);
    }
}

std::uint16_t Crc16(const std::uint8_t* bytes, std::size_t size) {
    std::uint16_t crc = 0xFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001)
                            : static_cast<std::uint16_t>(crc >> 1);
    }
    return crc;
}

int RtuRequestLength(const std::uint8_t* bytes, std::size_t size) {
    if (size < 2) return 0;
    switch (bytes[1]) {
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
            return 8;  // unit, function, address, count or value, CRC
        case 15:
        case 16:
            if (size < 7) return 0;
            return 9 + bytes[6];
        default:
            return -1;
    }
}

}  // namespace vx::plcsim
