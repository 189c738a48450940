// Modbus frames as the link sends them and checks the controller's answers.
//
// A request or answer is a PDU (function code and data, Modbus Application
// Protocol V1.1b3); on the wire it travels in an ADU: on a serial line (Modbus
// over Serial Line V1.02, RTU mode) the station address, the PDU and the
// CRC-16 low byte first; on TCP the MBAP header (transaction identifier,
// protocol identifier 0, length of what follows, unit identifier) and the PDU.
//
// An answer counts only when it is the answer to the request in every part:
// the same station or unit, transaction and protocol, the same function (or
// its exception reply), the byte count of what was read, and for a write the
// echo of the request's address and value or quantity.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vx::modbus {

enum class Transport { Rtu, Tcp };

// Request PDUs: read coils (01), discrete inputs (02) or holding registers
// (03); write one coil (05, FF00 ON, 0000 OFF); write registers (16).
std::vector<std::uint8_t> ReadRequest(int function, int address, int count);
std::vector<std::uint8_t> WriteCoilRequest(int address, bool on);
std::vector<std::uint8_t> WriteRegistersRequest(int address,
                                                const std::vector<std::uint16_t>& words);

// CRC-16 of the serial line: polynomial 0xA001 (reflected), start 0xFFFF.
std::uint16_t Crc16(const std::uint8_t* bytes, std::size_t size);

// The ADU of a request PDU.
std::vector<std::uint8_t> Frame(Transport transport, int station, std::uint16_t transaction,
                                const std::vector<std::uint8_t>& pdu);

// The length of the answer ADU whose first bytes are given: 0 while too few
// have come to tell, -1 when they cannot begin an answer.
int AnswerLength(Transport transport, const std::uint8_t* bytes, std::size_t size);

// The PDU of a complete answer ADU sent for this station and transaction;
// nothing for a damaged frame or one addressed otherwise.
std::optional<std::vector<std::uint8_t>> AnswerPdu(Transport transport, int station,
                                                   std::uint16_t transaction,
                                                   const std::uint8_t* bytes, std::size_t size);

enum class AnswerCheck {
    Ok,         // the answer to the request
    Exception,  // the controller refused the request
    Mismatch,   // an answer, but not to this request
};

// Checks an answer PDU against its request PDU.
AnswerCheck CheckAnswer(const std::vector<std::uint8_t>& request,
                        const std::vector<std::uint8_t>& answer);

// The values of a checked read answer: one byte per bit (1 = ON), or words.
std::vector<std::uint8_t> AnswerBits(const std::vector<std::uint8_t>& answer, int count);
std::vector<std::uint16_t> AnswerWords(const std::vector<std::uint8_t>& answer, int count);

}  // namespace vx::modbus
