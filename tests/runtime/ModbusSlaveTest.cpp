// The run-time's Modbus RTU slave compiled for the host: the device map
// against the kit's own arrays, exceptions, broadcasts, and the framing by
// length, CRC and silence. Its answers are also compared with the simulator's,
// which was written from the protocol on its own.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "plcsim/PlcModel.h"
#include "runtime/ModbusFrames.h"

extern "C" {
#include "modbus.h"
#include "plc.h"
}

namespace vx::test {
namespace {

using plcsim::Area;

constexpr std::uint8_t kStation = 7;

// The answer frame, empty when none goes out.
Bytes Serve(const Bytes& request, std::uint8_t station = kStation) {
    Bytes answer(MODBUS_FRAME_MAX);
    const unsigned n =
        ModbusServe(request.data(), static_cast<unsigned>(request.size()), station, answer.data());
    answer.resize(n);
    return answer;
}

// The answer's PDU after its CRC was checked.
Bytes Pdu(const Bytes& answer) {
    if (answer.size() < 4) return {};
    EXPECT_EQ(WithCrc(Bytes(answer.begin(), answer.end() - 2)), answer) << "CRC of the answer";
    return Bytes(answer.begin() + 1, answer.end() - 2);
}

void ClearDevices() {
    for (auto& b : X)
        b = 0;
    for (auto& b : Y)
        b = 0;
    for (auto& b : M)
        b = 0;
    for (auto& b : S)
        b = 0;
    for (auto& b : T_out)
        b = 0;
    for (auto& b : C_out)
        b = 0;
    for (auto& w : D)
        w = 0;
    for (auto& w : SD)
        w = 0;
    for (auto& w : T_Nonce)
        w = 0;
    for (auto& w : C_Nonce)
        w = 0;
}

class ModbusSlaveTest : public ::testing::Test {
  protected:
    void SetUp() override { ClearDevices(); }
};

TEST_F(ModbusSlaveTest, CrcAndRequestLengths) {
    const Bytes frame = {0x01, 0x03, 0x00, 0x00, 0x00, 0x0A};
    EXPECT_EQ(ModbusCrc16(frame.data(), 6), 0xCDC5) << "the protocol's own example";
    const Bytes r = Request(1, 3, 0, 10);
    EXPECT_EQ(r[6], 0xC5);
    EXPECT_EQ(r[7], 0xCD) << "low byte first";

    EXPECT_EQ(ModbusRequestLength(r.data(), 1), 0);
    EXPECT_EQ(ModbusRequestLength(r.data(), 2), 8);
    const Bytes w = WriteRegisters(1, 5, {1, 2, 3});
    EXPECT_EQ(ModbusRequestLength(w.data(), 6), 0) << "the byte count is not in yet";
    EXPECT_EQ(ModbusRequestLength(w.data(), 7), static_cast<int>(w.size()));
    const Bytes odd = {1, 0x2B};
    EXPECT_EQ(ModbusRequestLength(odd.data(), 2), -1);
}

TEST_F(ModbusSlaveTest, EveryAreaReadsAndWritesItsArray) {
    struct Bit {
        int address;
        INT8U* cell;
    };
    // The last device of each block too.
    const Bit coils[] = {{0, &M[0]},         {9999, &M[9999]},     {10000, &S[0]},
                         {10199, &S[199]},   {10400, &T_out[0]},   {10799, &T_out[399]},
                         {10800, &C_out[0]}, {10999, &C_out[199]}, {11000, &Y[0]},
                         {11017, &Y[17]},    {11377, &Y[377]}};
    for (const Bit& c : coils) {
        EXPECT_EQ(Pdu(Serve(Request(kStation, 5, c.address, 0xFF00))),
                  (Bytes{5, static_cast<std::uint8_t>(c.address >> 8),
                         static_cast<std::uint8_t>(c.address & 0xFF), 0xFF, 0x00}))
            << c.address;
        EXPECT_EQ(+*c.cell, 1) << c.address;
        EXPECT_EQ(Pdu(Serve(Request(kStation, 1, c.address, 1))), (Bytes{1, 1, 1})) << c.address;
        Serve(Request(kStation, 5, c.address, 0));
        EXPECT_EQ(+*c.cell, 0) << c.address;
    }

    X[17] = TRUE;
    X[377] = 1;
    EXPECT_EQ(Pdu(Serve(Request(kStation, 2, 16, 3))), (Bytes{2, 1, 0b010}));
    EXPECT_EQ(Pdu(Serve(Request(kStation, 2, 370, 10))), (Bytes{2, 2, 0x80, 0x00}))
        << "X377 in bit 7; X378-X379, the spare entries, read as 0";

    struct Word {
        int address;
        volatile std::uint16_t* cell;
    };
    const Word registers[] = {
        {0, reinterpret_cast<volatile std::uint16_t*>(&D[0])},
        {9999, reinterpret_cast<volatile std::uint16_t*>(&D[9999])},
        {10000, reinterpret_cast<volatile std::uint16_t*>(&SD[0])},
        {10000 + SD_SIZE - 1, reinterpret_cast<volatile std::uint16_t*>(&SD[SD_SIZE - 1])},
        {21000, &T_Nonce[0]},
        {21399, &T_Nonce[399]},
        {21500, reinterpret_cast<volatile std::uint16_t*>(&C_Nonce[0])},
        {21699, reinterpret_cast<volatile std::uint16_t*>(&C_Nonce[199])}};
    for (const Word& r : registers) {
        EXPECT_EQ(Pdu(Serve(WriteRegisters(kStation, r.address, {0xBEEF}))),
                  (Bytes{16, static_cast<std::uint8_t>(r.address >> 8),
                         static_cast<std::uint8_t>(r.address & 0xFF), 0, 1}))
            << r.address;
        EXPECT_EQ(+*r.cell, 0xBEEF) << r.address;
        *r.cell = 0x1234;
        EXPECT_EQ(Pdu(Serve(Request(kStation, 3, r.address, 1))), (Bytes{3, 2, 0x12, 0x34}))
            << r.address;
    }

    // Three words across D9999 and SD0..SD1, low word first as the tool sends them.
    EXPECT_EQ(Pdu(Serve(WriteRegisters(kStation, 9999, {1, 2, 3}))), (Bytes{16, 0x27, 0x0F, 0, 3}));
    EXPECT_EQ(+D[9999], 1);
    EXPECT_EQ(+SD[0], 2);
    EXPECT_EQ(+SD[1], 3);
}

TEST_F(ModbusSlaveTest, RefusalsFollowTheProtocol) {
    auto exception = [](const Bytes& request) { return Pdu(Serve(request)); };
    EXPECT_EQ(exception(Request(kStation, 4, 0, 1)), (Bytes{0x84, 1})) << "input registers";
    EXPECT_EQ(exception(Request(kStation, 6, 0, 1)), (Bytes{0x86, 1}));
    EXPECT_EQ(exception(WithCrc({kStation, 0x2B, 0x0E, 1, 0})), (Bytes{0xAB, 1}));

    EXPECT_EQ(exception(Request(kStation, 1, 0, 0)), (Bytes{0x81, 3}));
    EXPECT_EQ(exception(Request(kStation, 1, 0, 2001)), (Bytes{0x81, 3}));
    EXPECT_EQ(exception(Request(kStation, 3, 0, 126)), (Bytes{0x83, 3}));
    EXPECT_EQ(exception(Request(kStation, 5, 0, 0x1234)), (Bytes{0x85, 3}));

    EXPECT_EQ(exception(Request(kStation, 1, 11399, 2)), (Bytes{0x81, 2})) << "past the Y block";
    EXPECT_EQ(exception(Request(kStation, 2, 399, 2)), (Bytes{0x82, 2}));
    EXPECT_EQ(exception(Request(kStation, 3, 21999, 2)), (Bytes{0x83, 2}));
    EXPECT_EQ(exception(Request(kStation, 5, 11400, 0xFF00)), (Bytes{0x85, 2}));

    // Inside a block but no device behind the cell: read as 0, never written.
    EXPECT_EQ(Pdu(Serve(Request(kStation, 1, 10198, 4))), (Bytes{1, 1, 0}));
    EXPECT_EQ(exception(Request(kStation, 5, 10250, 0xFF00)), (Bytes{0x85, 2})) << "S250";
    EXPECT_EQ(exception(Request(kStation, 5, 11378, 0xFF00)), (Bytes{0x85, 2})) << "Y378";
    EXPECT_EQ(Pdu(Serve(Request(kStation, 3, 20999, 2))), (Bytes{3, 4, 0, 0, 0, 0}));
    EXPECT_EQ(exception(WriteRegisters(kStation, 10000 + SD_SIZE - 1, {5, 6})), (Bytes{0x90, 2}));
    EXPECT_EQ(+SD[SD_SIZE - 1], 0) << "a refused write changes nothing";
    EXPECT_EQ(exception(WriteRegisters(kStation, 21699, {5, 6})), (Bytes{0x90, 2}));
    EXPECT_EQ(+C_Nonce[199], 0);

    // A byte count that does not match.
    Bytes bad = WriteRegisters(kStation, 0, {1, 2});
    bad[6] = 3;
    EXPECT_EQ(exception(WithCrc(Bytes(bad.begin(), bad.end() - 2))), (Bytes{0x90, 3}));
    EXPECT_EQ(+D[0], 0);
}

TEST_F(ModbusSlaveTest, BroadcastsWriteSilentlyAndOtherStationsAreIgnored) {
    EXPECT_TRUE(Serve(Request(0, 5, 3, 0xFF00)).empty());
    EXPECT_EQ(+M[3], 1);
    EXPECT_TRUE(Serve(WriteRegisters(0, 20, {77, 78})).empty());
    EXPECT_EQ(+D[20], 77);
    EXPECT_EQ(+D[21], 78);
    EXPECT_TRUE(Serve(Request(0, 3, 20, 2)).empty()) << "a broadcast read gets no answer";
    EXPECT_TRUE(Serve(Request(0, 6, 0, 1)).empty()) << "nor an exception";

    EXPECT_TRUE(Serve(Request(kStation + 1, 5, 4, 0xFF00)).empty());
    EXPECT_EQ(+M[4], 0) << "another station's write";
    EXPECT_FALSE(Serve(Request(kStation, 3, 20, 1)).empty());
    EXPECT_FALSE(Serve(Request(255, 3, 20, 1), 255).empty()) << "any station set is answered";
}

// Random requests of the five functions get the simulator's answers, the
// memory mirrored in both, wherever the request only touches real devices.
TEST_F(ModbusSlaveTest, AnswersAsTheSimulatorDoes) {
    plcsim::PlcMemory sim;
    std::mt19937 random(2024);
    for (int n = 0; n < 200; ++n) {
        M[static_cast<std::size_t>(random() % M_SIZE)] = 1;
        D[static_cast<std::size_t>(random() % D_SIZE)] = static_cast<short>(random());
    }
    for (int i = 0; i < M_SIZE; ++i)
        sim.SetBit(Area::M, i, M[i] != 0);
    for (int i = 0; i < D_SIZE; ++i)
        sim.SetWord(Area::D, i, static_cast<std::uint16_t>(D[i]));

    const std::uint8_t functions[] = {1, 2, 3, 5, 16};
    for (int n = 0; n < 3000; ++n) {
        const std::uint8_t function = functions[random() % 5];
        Bytes request;
        if (function == 16) {
            const int count = 1 + static_cast<int>(random() % 4);
            const int address = static_cast<int>(random() % (D_SIZE + 2)) - 1;
            if (address < 0 || address + count > D_SIZE) continue;  // writes reach real devices
            std::vector<std::uint16_t> words;
            for (int k = 0; k < count; ++k)
                words.push_back(static_cast<std::uint16_t>(random()));
            request = WriteRegisters(kStation, address, words);
        } else if (function == 5) {
            const int address = static_cast<int>(random() % 11500);
            if (address < 11400 && (address >= M_SIZE)) continue;
            request = Request(kStation, 5, address, random() % 8 ? 0xFF00 : random() % 3);
        } else {
            // Reads anywhere, across the ends of the blocks, with counts near the limits;
            // only M and D hold values, so the other blocks read 0 on both sides.
            const int end = function == 1 ? 11400 : function == 2 ? 400 : 22000;
            const int address = static_cast<int>(random() % static_cast<unsigned>(end + 50));
            const int limit = function == 3 ? 126 : 2001;
            const int count = random() % 4 ? 1 + static_cast<int>(random() % 20)
                                           : static_cast<int>(random() % (limit + 1));
            request = Request(kStation, function, address, count);
        }
        const Bytes ours = Pdu(Serve(request));
        const Bytes theirs = sim.Answer(request.data() + 1, request.size() - 3);
        ASSERT_EQ(ours, theirs) << "request " << n << " function " << int(function);
    }
}

// ---- framing -------------------------------------------------------------------

class ModbusFramingTest : public ::testing::Test {
  protected:
    void SetUp() override { ModbusReceiverClear(&r_); }
    void Feed(const Bytes& bytes, unsigned now, int error = 0) {
        for (std::uint8_t b : bytes)
            ModbusReceiveByte(&r_, b, error, now, kSilence);
    }
    unsigned Ready(unsigned now) { return ModbusFrameReady(&r_, now, kSilence); }

    static constexpr unsigned kSilence = 3;
    ModbusReceiver r_{};
};

TEST_F(ModbusFramingTest, SilenceTimes) {
    EXPECT_EQ(ModbusSilenceMs(9600), 6u);
    EXPECT_EQ(ModbusSilenceMs(19200), 4u);
    EXPECT_EQ(ModbusSilenceMs(38400), 3u);
    EXPECT_EQ(ModbusSilenceMs(115200), 3u);
}

TEST_F(ModbusFramingTest, AFrameIsDoneWhenItsLengthIsInAndItsCrcRight) {
    const Bytes frame = WriteRegisters(kStation, 5, {1, 2});
    for (std::size_t i = 0; i + 1 < frame.size(); ++i) {
        Feed({frame[i]}, 100);
        EXPECT_EQ(Ready(100), 0u) << i;
    }
    Feed({frame.back()}, 100);
    EXPECT_EQ(Ready(100), frame.size()) << "no silence needed";
    EXPECT_EQ(Bytes(r_.frame, r_.frame + frame.size()), frame);
    ModbusReceiverClear(&r_);

    // A new frame after a silence, the stale bytes before it dropped.
    Feed({1, 3, 0}, 200);
    Feed(Request(kStation, 3, 0, 1), 200 + kSilence);
    EXPECT_EQ(Ready(200 + kSilence), 8u);
}

TEST_F(ModbusFramingTest, DamagedFramesAreDroppedAtTheSilence) {
    Bytes bad = Request(kStation, 3, 0, 1);
    bad[7] ^= 1;
    Feed(bad, 10);
    EXPECT_EQ(Ready(10), 0u);
    EXPECT_EQ(Ready(10 + kSilence - 1), 0u);
    EXPECT_EQ(Ready(10 + kSilence), 0u);
    EXPECT_EQ(r_.size, 0) << "thrown away";

    // A parity error in a byte, the CRC right all the same.
    Feed(Request(kStation, 3, 0, 1), 20);
    ModbusReceiverClear(&r_);
    const Bytes good = Request(kStation, 3, 0, 1);
    Feed(Bytes(good.begin(), good.begin() + 3), 20);
    Feed({good[3]}, 20, 1);
    Feed(Bytes(good.begin() + 4, good.end()), 20);
    EXPECT_EQ(Ready(20), 0u);
    EXPECT_EQ(Ready(20 + kSilence), 0u);

    // Half a frame, then silence, then its other half: neither is served.
    Feed(Bytes(good.begin(), good.begin() + 4), 30);
    Feed(Bytes(good.begin() + 4, good.end()), 30 + kSilence);
    EXPECT_EQ(Ready(30 + kSilence), 0u);
    EXPECT_EQ(Ready(30 + 2 * kSilence), 0u);

    // More than any frame.
    Feed(Bytes(300, 0x55), 40);
    EXPECT_EQ(r_.size, MODBUS_FRAME_MAX);
    EXPECT_EQ(Ready(40 + kSilence), 0u);
    EXPECT_EQ(r_.size, 0);
}

TEST_F(ModbusFramingTest, AFunctionOfUnknownLengthEndsAtTheSilence) {
    const Bytes odd = WithCrc({kStation, 0x2B, 0x0E, 1, 0});
    Feed(odd, 50);
    EXPECT_EQ(Ready(50), 0u);
    EXPECT_EQ(Ready(50 + kSilence), odd.size());
    EXPECT_EQ(Pdu(Serve(Bytes(r_.frame, r_.frame + odd.size()))), (Bytes{0xAB, 1}));
    // The clock wraps around.
    ModbusReceiverClear(&r_);
    Feed(odd, 0xFFFFFFFEu);
    EXPECT_EQ(Ready(1), odd.size());
}

}  // namespace
}  // namespace vx::test
