// The link's Modbus frames against the examples of the protocol documents,
// and answers that are not the answer to their request.
#include "outside/ModbusFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace vx::modbus {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ModbusFrame, RequestsOnTheWire) {
    // Read holding registers 0-9 of station 1, CRC C5 CD.
    EXPECT_EQ(Frame(Transport::Rtu, 1, 0, ReadRequest(3, 0, 10)),
              (Bytes{0x01, 0x03, 0x00, 0x00, 0x00, 0x0A, 0xC5, 0xCD}));
    // Coil 173 (address 172) ON for unit 0x11, transaction 0x1234.
    EXPECT_EQ(Frame(Transport::Tcp, 0x11, 0x1234, WriteCoilRequest(172, true)),
              (Bytes{0x12, 0x34, 0, 0, 0, 6, 0x11, 0x05, 0x00, 0xAC, 0xFF, 0x00}));
    EXPECT_EQ(WriteCoilRequest(172, false), (Bytes{0x05, 0x00, 0xAC, 0x00, 0x00}));
    // Registers 2 and 3 (address 1) set to 000A and 0102.
    EXPECT_EQ(WriteRegistersRequest(1, {0x000A, 0x0102}),
              (Bytes{0x10, 0x00, 0x01, 0x00, 0x02, 0x04, 0x00, 0x0A, 0x01, 0x02}));
}

TEST(ModbusFrame, AnswersAreFramedByTheirFunctionOrHeader) {
    const Bytes read{0x01, 0x03, 0x04};
    EXPECT_EQ(AnswerLength(Transport::Rtu, read.data(), 2), 0);
    EXPECT_EQ(AnswerLength(Transport::Rtu, read.data(), 3), 9);
    const Bytes refused{0x01, 0x90, 0x02};
    EXPECT_EQ(AnswerLength(Transport::Rtu, refused.data(), 2), 5);
    const Bytes unknown{0x01, 0x2B};
    EXPECT_EQ(AnswerLength(Transport::Rtu, unknown.data(), 2), -1);
    const Bytes header{0, 1, 0, 0, 0, 6};
    EXPECT_EQ(AnswerLength(Transport::Tcp, header.data(), 5), 0);
    EXPECT_EQ(AnswerLength(Transport::Tcp, header.data(), 6), 12);
    const Bytes huge{0, 1, 0, 0, 1, 0};
    EXPECT_EQ(AnswerLength(Transport::Tcp, huge.data(), 6), -1);
}

TEST(ModbusFrame, OnlyTheAnswerToTheRequestCounts) {
    // Station 1's answer to reading coils 20-38: CD 6B 05.
    Bytes rtu{0x01, 0x01, 0x03, 0xCD, 0x6B, 0x05};
    const std::uint16_t crc = Crc16(rtu.data(), rtu.size());
    rtu.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    rtu.push_back(static_cast<std::uint8_t>(crc >> 8));
    const auto pdu = AnswerPdu(Transport::Rtu, 1, 0, rtu.data(), rtu.size());
    ASSERT_TRUE(pdu);
    const Bytes request = ReadRequest(1, 19, 19);
    EXPECT_EQ(CheckAnswer(request, *pdu), AnswerCheck::Ok);
    EXPECT_EQ(AnswerBits(*pdu, 4), (Bytes{1, 0, 1, 1}));
    EXPECT_EQ(AnswerBits(*pdu, 19)[18], 1);
    EXPECT_FALSE(AnswerPdu(Transport::Rtu, 2, 0, rtu.data(), rtu.size())) << "another station";
    rtu[3] ^= 1;
    EXPECT_FALSE(AnswerPdu(Transport::Rtu, 1, 0, rtu.data(), rtu.size())) << "damaged";
    EXPECT_EQ(CheckAnswer(ReadRequest(1, 19, 25), *pdu), AnswerCheck::Mismatch) << "byte count";
    EXPECT_EQ(CheckAnswer(ReadRequest(3, 19, 1), *pdu), AnswerCheck::Mismatch) << "function";
    EXPECT_EQ(CheckAnswer(request, Bytes{0x81, 0x02}), AnswerCheck::Exception);
    EXPECT_EQ(CheckAnswer(request, Bytes{0x83, 0x02}), AnswerCheck::Mismatch);

    const Bytes tcp{0x12, 0x34, 0, 0, 0, 6, 0x11, 0x05, 0x00, 0xAC, 0xFF, 0x00};
    ASSERT_TRUE(AnswerPdu(Transport::Tcp, 0x11, 0x1234, tcp.data(), tcp.size()));
    EXPECT_FALSE(AnswerPdu(Transport::Tcp, 0x11, 0x1235, tcp.data(), tcp.size())) << "transaction";
    EXPECT_FALSE(AnswerPdu(Transport::Tcp, 0x12, 0x1234, tcp.data(), tcp.size())) << "unit";
    Bytes protocol = tcp;
    protocol[3] = 1;
    EXPECT_FALSE(AnswerPdu(Transport::Tcp, 0x11, 0x1234, protocol.data(), protocol.size()));
    const Bytes echo(tcp.begin() + 7, tcp.end());
    EXPECT_EQ(CheckAnswer(WriteCoilRequest(172, true), echo), AnswerCheck::Ok);
    EXPECT_EQ(CheckAnswer(WriteCoilRequest(172, false), echo), AnswerCheck::Mismatch);
    EXPECT_EQ(CheckAnswer(WriteCoilRequest(173, true), echo), AnswerCheck::Mismatch);
    const Bytes registers = WriteRegistersRequest(1, {0x000A, 0x0102});
    EXPECT_EQ(CheckAnswer(registers, Bytes{0x10, 0x00, 0x01, 0x00, 0x02}), AnswerCheck::Ok);
    EXPECT_EQ(CheckAnswer(registers, Bytes{0x10, 0x00, 0x01, 0x00, 0x03}), AnswerCheck::Mismatch);
}

}  // namespace
}  // namespace vx::modbus
