#include "outside/ModbusFrame.h"

#include <algorithm>

namespace vx::modbus {
namespace {

constexpr int kMaxTcpLength = 254;  // unit identifier and a PDU of at most 253 bytes

std::uint16_t Be16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

void PutBe16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

bool IsRead(int function) {
    return function >= 1 && function <= 4;
}

}  // namespace

std::vector<std::uint8_t> ReadRequest(int function, int address, int count) {
    std::vector<std::uint8_t> pdu{static_cast<std::uint8_t>(function)};
    PutBe16(pdu, address);
    PutBe16(pdu, count);
    return pdu;
}

std::vector<std::uint8_t> WriteCoilRequest(int address, bool on) {
    std::vector<std::uint8_t> pdu{5};
    PutBe16(pdu, address);
    PutBe16(pdu, on ? 0xFF00 : 0x0000);
    return pdu;
}

std::vector<std::uint8_t> WriteRegistersRequest(int address,
                                                const std::vector<std::uint16_t>& words) {
    std::vector<std::uint8_t> pdu{16};
    PutBe16(pdu, address);
    PutBe16(pdu, static_cast<int>(words.size()));
    pdu.push_back(static_cast<std::uint8_t>(words.size() * 2));
    for (std::uint16_t w : words)
        PutBe16(pdu, w);
    return pdu;
}

std::uint16_t Crc16(const std::uint8_t* bytes, std::size_t size) {
    std::uint16_t crc = 0xFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) != 0 ? static_cast<std::uint16_t>(crc >> 1 ^ 0xA001)
                                 : static_cast<std::uint16_t>(crc >> 1);
    }
    return crc;
}

std::vector<std::uint8_t> Frame(Transport transport, int station, std::uint16_t transaction,
                                const std::vector<std::uint8_t>& pdu) {
    std::vector<std::uint8_t> adu;
    if (transport == Transport::Rtu) {
        adu.push_back(static_cast<std::uint8_t>(station));
        adu.insert(adu.end(), pdu.begin(), pdu.end());
        const std::uint16_t crc = Crc16(adu.data(), adu.size());
        adu.push_back(static_cast<std::uint8_t>(crc & 0xFF));
        adu.push_back(static_cast<std::uint8_t>(crc >> 8));
    } else {
        PutBe16(adu, transaction);
        PutBe16(adu, 0);
        PutBe16(adu, static_cast<int>(pdu.size()) + 1);
        adu.push_back(static_cast<std::uint8_t>(station));
        adu.insert(adu.end(), pdu.begin(), pdu.end());
    }
    return adu;
}

int AnswerLength(Transport transport, const std::uint8_t* bytes, std::size_t size) {
    if (transport == Transport::Tcp) {
        if (size < 6) return 0;
        const int length = Be16(bytes + 4);
        if (length < 2 || length > kMaxTcpLength) return -1;
        return 6 + length;
    }
    if (size < 2) return 0;
    const int function = bytes[1];
    if ((function & 0x80) != 0) return 5;  // station, function, exception code, CRC
    if (IsRead(function)) return size < 3 ? 0 : 3 + bytes[2] + 2;
    if (function == 5 || function == 6 || function == 15 || function == 16) return 8;
    return -1;
}

std::optional<std::vector<std::uint8_t>> AnswerPdu(Transport transport, int station,
                                                   std::uint16_t transaction,
                                                   const std::uint8_t* bytes, std::size_t size) {
    if (transport == Transport::Tcp) {
        if (size < 8 || Be16(bytes) != transaction || Be16(bytes + 2) != 0 ||
            Be16(bytes + 4) != size - 6 || bytes[6] != station)
            return std::nullopt;
        return std::vector<std::uint8_t>(bytes + 7, bytes + size);
    }
    if (size < 4 || bytes[0] != station) return std::nullopt;
    const std::uint16_t crc = Crc16(bytes, size - 2);
    if (bytes[size - 2] != (crc & 0xFF) || bytes[size - 1] != (crc >> 8)) return std::nullopt;
    return std::vector<std::uint8_t>(bytes + 1, bytes + size - 2);
}

AnswerCheck CheckAnswer(const std::vector<std::uint8_t>& request,
                        const std::vector<std::uint8_t>& answer) {
    if (request.size() < 5 || answer.empty()) return AnswerCheck::Mismatch;
    const int function = request[0];
    if (answer[0] == (function | 0x80))
        return answer.size() == 2 ? AnswerCheck::Exception : AnswerCheck::Mismatch;
    if (answer[0] != function) return AnswerCheck::Mismatch;
    if (IsRead(function)) {
        const int count = Be16(&request[3]);
        const int bytes = function <= 2 ? (count + 7) / 8 : count * 2;
        return answer.size() == static_cast<std::size_t>(2 + bytes) && answer[1] == bytes
                   ? AnswerCheck::Ok
                   : AnswerCheck::Mismatch;
    }
    // A write's answer echoes its address and its value (05, 06) or quantity
    // (15, 16).
    return answer.size() == 5 && std::equal(answer.begin() + 1, answer.end(), request.begin() + 1)
               ? AnswerCheck::Ok
               : AnswerCheck::Mismatch;
}

std::vector<std::uint8_t> AnswerBits(const std::vector<std::uint8_t>& answer, int count) {
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(std::max(count, 0)), 0);
    for (std::size_t i = 0; i < bits.size() && 2 + i / 8 < answer.size(); ++i)
        bits[i] = static_cast<std::uint8_t>(answer[2 + i / 8] >> (i % 8) & 1);
    return bits;
}

std::vector<std::uint16_t> AnswerWords(const std::vector<std::uint8_t>& answer, int count) {
    std::vector<std::uint16_t> words(static_cast<std::size_t>(std::max(count, 0)), 0);
    for (std::size_t i = 0; i < words.size() && 3 + 2 * i < answer.size(); ++i)
        words[i] = Be16(&answer[2 + 2 * i]);
    return words;
}

}  // namespace vx::modbus
