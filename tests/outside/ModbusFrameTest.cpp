// The link's Modbus frames against the examples of the protocol documents,
// and answers that are not the answer to their request.
#include "outside/ModbusFrame.h"

#include <gtest/gtest.h>

#include <random>
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

// Answers spoilt from seeds, framed as the controller would frame them (right
// CRC, right header): taken in as the link takes them, byte by byte, they never
// make a frame longer than an answer can be, and only an answer whose function,
// byte count and echo all fit the request counts; its values are read within it.
TEST(ModbusFrame, SpoiltAnswersAreNeverTakenForTheAnswer) {
    enum Spoil { None, Data, Function, ByteCount, Short, Long, Station, Exception, Noise, Kinds };
    std::mt19937 draw(7);
    auto byte = [&] { return static_cast<std::uint8_t>(draw()); };
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        const Transport transport = round % 2 == 0 ? Transport::Rtu : Transport::Tcp;
        const int function = std::vector<int>{1, 2, 3, 5, 16}[draw() % 5];
        const int count = 1 + static_cast<int>(draw() % (function <= 2 ? 2000 : 125));
        Bytes request;
        Bytes answer{static_cast<std::uint8_t>(function)};
        if (function <= 3) {
            request = ReadRequest(function, static_cast<int>(draw() % 20000), count);
            const int bytes = function <= 2 ? (count + 7) / 8 : count * 2;
            answer.push_back(static_cast<std::uint8_t>(bytes));
            for (int i = 0; i < bytes; ++i)
                answer.push_back(byte());
        } else {
            request = function == 5 ? WriteCoilRequest(static_cast<int>(draw() % 20000), true)
                                    : WriteRegistersRequest(static_cast<int>(draw() % 20000),
                                                            {byte(), byte(), byte()});
            answer.insert(answer.end(), request.begin() + 1, request.begin() + 5);
        }
        const auto spoil = static_cast<Spoil>(draw() % Kinds);
        int station = 1;
        switch (spoil) {
            case Data:  // another value: still the answer
                if (answer.size() > 2 && function <= 3) answer.back() ^= 0x5A;
                break;
            case Function:
                answer[0] = static_cast<std::uint8_t>(
                    std::vector<int>{1, 2, 3, 4, 5, 6, 15, 16}[draw() % 8]);
                if (answer[0] == function) answer[0] ^= 0x10;
                break;
            case ByteCount:
                answer[1] = static_cast<std::uint8_t>(answer[1] + 1 + draw() % 254);
                break;
            case Short:
                answer.resize(1 + draw() % (answer.size() - 1));
                break;
            case Long:
                answer.insert(answer.end(), 1 + draw() % 8, byte());
                break;
            case Station:
                station = 2;
                break;
            case Exception:
                answer = {static_cast<std::uint8_t>(function | 0x80), byte()};
                break;
            case Noise:
                answer.resize(1 + draw() % 40);
                for (std::uint8_t& b : answer)
                    b = byte();
                break;
            default:
                break;
        }
        Bytes wire = Frame(transport, station, 9, answer);
        if (spoil == Noise && draw() % 2 == 0) {
            for (std::uint8_t& b : wire)
                b = byte();
        }

        // Taken in as the link does: the frame ends where its header says.
        Bytes frame;
        int length = 0;
        for (std::uint8_t b : wire) {
            frame.push_back(b);
            if (length == 0) length = AnswerLength(transport, frame.data(), frame.size());
            if (length < 0 || (length > 0 && frame.size() == static_cast<std::size_t>(length)))
                break;
        }
        ASSERT_LE(length, 260) << "longer than any answer";
        if (length <= 0 || frame.size() < static_cast<std::size_t>(length)) continue;
        const auto pdu = AnswerPdu(transport, 1, 9, frame.data(), frame.size());
        if (!pdu) continue;
        const AnswerCheck check = CheckAnswer(request, *pdu);
        const bool same = spoil == None || spoil == Data;
        EXPECT_EQ(check == AnswerCheck::Ok, same && *pdu == answer) << "spoilt " << spoil;
        if (spoil == Exception) {
            EXPECT_EQ(check, AnswerCheck::Exception);
        }
        if (check == AnswerCheck::Ok && function <= 3) {
            const Bytes bits = AnswerBits(*pdu, count);
            const std::vector<std::uint16_t> words = AnswerWords(*pdu, count);
            if (function <= 2) {
                EXPECT_EQ(
                    bits[static_cast<std::size_t>(count - 1)],
                    (*pdu)[2 + static_cast<std::size_t>(count - 1) / 8] >> ((count - 1) % 8) & 1);
            } else {
                EXPECT_EQ(words.back(), (*pdu)[pdu->size() - 2] << 8 | pdu->back());
            }
        }
    }
}

}  // namespace
}  // namespace vx::modbus
