// The Modbus link against the simulated controller, over RTU on a
// pseudo-terminal and over TCP on the loopback address: the area map, the
// one-answer-per-read rule, late and damaged answers, and writes that wait
// for the read in flight.
#include "outside/ModbusLink.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "plcsim/PlcSim.h"
#include "support/ScopedEnv.h"

namespace vx {
namespace {

using namespace std::chrono_literals;
using plcsim::Area;
using plcsim::Fault;
using plcsim::PlcSim;
using Clock = std::chrono::steady_clock;

// Asks for the answer every 10 ms, as the pollers do, until it comes or the time is up.
template <class T>
bool Retake(ModbusLink& link, T* into, int count, std::chrono::milliseconds limit = 2000ms) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        bool ok = false;
        if constexpr (sizeof(T) == 1) {
            ok = link.RetakeBits(into, count);
        } else {
            ok = link.RetakeWords(into, count);
        }
        if (ok) return true;
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

class ModbusLinkTest : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ok());
        ASSERT_TRUE(link_.Open(Parameters()));
    }

    bool Tcp() const { return GetParam(); }
    LinkParameters Parameters(int station = 1) const {
        LinkParameters p;
        p.baudCode = 12;
        p.frame = 2;
        p.station = station;
        if (Tcp()) {
            p.port = kTcpPort;
            p.tcpAddress = "127.0.0.1";
            p.tcpPort = std::to_string(sim_.TcpPort());
        } else {
            p.port = 0;  // COM1, pointed at the simulator
        }
        return p;
    }

    PlcSim sim_;
    test::ScopedEnv com1_{"VXTORVIN_COM1", sim_.DevicePath().c_str()};
    ModbusLink link_;
};

INSTANTIATE_TEST_SUITE_P(Transports, ModbusLinkTest, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("Tcp") : std::string("Rtu");
                         });

TEST_P(ModbusLinkTest, EveryAreaCodeReadsAndWritesItsCell) {
    struct BitArea {
        Area area;
        int read, write;
        int function, address;  // of device 7 on the wire
    };
    const BitArea bitAreas[] = {
        {Area::X, 2, 0, 2, 7},         {Area::M, 1, 5, 1, 7},         {Area::S, 12, 14, 1, 10007},
        {Area::T, 106, 110, 1, 10407}, {Area::C, 107, 111, 1, 10807}, {Area::Y, 105, 109, 1, 11007},
    };
    for (const BitArea& a : bitAreas) {
        SCOPED_TRACE(a.read);
        sim_.SetBit(a.area, 7, true);
        sim_.SetBit(a.area, 8, false);
        sim_.ClearLog();
        link_.ReadBits(7, 2, a.read);
        std::uint8_t bits[2] = {9, 9};
        ASSERT_TRUE(Retake(link_, bits, 2));
        EXPECT_EQ(bits[0], 1);
        EXPECT_EQ(bits[1], 0);
        const auto log = sim_.Log();
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].function, a.function);
        EXPECT_EQ(log[0].address, a.address);
        EXPECT_EQ(log[0].count, 2);
        if (a.write == 0) continue;
        EXPECT_TRUE(link_.WriteBit(0, 7, a.write));
        EXPECT_FALSE(sim_.Bit(a.area, 7));
        EXPECT_TRUE(link_.WriteBit(255, 8, a.write));
        EXPECT_TRUE(sim_.Bit(a.area, 8));
        EXPECT_EQ(sim_.Log().back().function, 5);
    }

    struct WordArea {
        Area area;
        int read, write;
        int base;
    };
    const WordArea wordAreas[] = {
        {Area::D, 3, 16, 0}, {Area::TValue, 4, 102, 21000}, {Area::CValue, 101, 103, 21500}};
    for (const WordArea& a : wordAreas) {
        SCOPED_TRACE(a.read);
        sim_.SetWord(a.area, 5, 1234);
        sim_.SetWord(a.area, 6, 65535);
        sim_.ClearLog();
        link_.ReadWords(5, 2, a.read);
        std::uint16_t words[2] = {};
        ASSERT_TRUE(Retake(link_, words, 2));
        EXPECT_EQ(words[0], 1234);
        EXPECT_EQ(words[1], 65535);
        EXPECT_EQ(sim_.Log().at(0).function, 3);
        EXPECT_EQ(sim_.Log().at(0).address, a.base + 5);
        const std::uint16_t values[3] = {1, 2, 3};
        EXPECT_TRUE(link_.WriteWords(values, 10, 3, a.write));
        EXPECT_EQ(sim_.Word(a.area, 10), 1);
        EXPECT_EQ(sim_.Word(a.area, 12), 3);
        EXPECT_EQ(sim_.Log().back().function, 16);
    }

    // The system registers lie in the D area, up to D20000.
    sim_.SetWord(Area::D, 20000, 77);
    link_.ReadWords(19999, 2, 3);
    std::uint16_t words[2] = {};
    ASSERT_TRUE(Retake(link_, words, 2));
    EXPECT_EQ(words[1], 77);
}

TEST_P(ModbusLinkTest, RequestsOutsideTheAreasNeverGoOut) {
    const std::uint64_t sent = link_.RequestsSent();
    std::uint8_t bits[4] = {};
    std::uint16_t words[4] = {};
    link_.ReadBits(10000, 2, 1);  // M10000 is the spare entry: M10001 is beyond
    EXPECT_FALSE(Retake(link_, bits, 2, 100ms));
    link_.ReadBits(0, 2, 3);     // a word area read as bits
    link_.ReadWords(0, 126, 3);  // more than one request carries
    link_.ReadWords(-1, 2, 3);
    link_.ReadBits(0, 2, 5);  // a write code
    link_.ReadBits(0, 2, 99);
    EXPECT_FALSE(Retake(link_, bits, 2, 50ms));
    EXPECT_FALSE(link_.WriteBit(1, 10000, 5)) << "M10000 is no device";
    EXPECT_FALSE(link_.WriteBit(1, 200, 14)) << "S200 is no device";
    EXPECT_FALSE(link_.WriteBit(1, 0, 2)) << "X cannot be written";
    EXPECT_FALSE(link_.WriteBit(2, 0, 5)) << "2 is neither ON nor OFF";
    EXPECT_FALSE(link_.WriteWords(words, 19999, 3, 16)) << "runs past D20000";
    EXPECT_FALSE(link_.WriteWords(words, 0, 4, 16)) << "at most 3 words";
    EXPECT_FALSE(link_.WriteWords(words, 0, 1, 3)) << "a read code";
    EXPECT_EQ(link_.RequestsSent(), sent);
    EXPECT_TRUE(sim_.Log().empty());

    // The link still works.
    link_.ReadBits(0, 2, 1);
    EXPECT_TRUE(Retake(link_, bits, 2));
}

TEST_P(ModbusLinkTest, EachAnswerIsTakenExactlyOnce) {
    sim_.SetBit(Area::M, 3, true);
    link_.ReadBits(3, 2, 1);
    std::uint8_t bits[2] = {};
    ASSERT_TRUE(Retake(link_, bits, 2));
    EXPECT_EQ(bits[0], 1);
    EXPECT_FALSE(link_.RetakeBits(bits, 2)) << "the answer was taken";
    std::uint16_t words[2] = {};
    EXPECT_FALSE(link_.RetakeWords(words, 2)) << "a bit answer is no word answer";

    link_.ReadWords(0, 2, 3);
    EXPECT_FALSE(Retake(link_, words, 3, 300ms)) << "more than was read";
    EXPECT_TRUE(link_.RetakeWords(words, 1)) << "still there for a fitting count";
}

TEST_P(ModbusLinkTest, SilenceGivesNoAnswerUntilTheNextRead) {
    sim_.SetWord(Area::D, 0, 42);
    sim_.PushFault(Fault::Silence());
    link_.ReadWords(0, 1, 3);
    std::uint16_t word = 0;
    EXPECT_FALSE(Retake(link_, &word, 1, 600ms)) << "a silent controller never answers";
    link_.ReadWords(0, 1, 3);
    ASSERT_TRUE(Retake(link_, &word, 1));
    EXPECT_EQ(word, 42);
    EXPECT_FALSE(link_.RetakeWords(&word, 1));
}

TEST_P(ModbusLinkTest, ALateAnswerIsNeverTakenForTheNextRead) {
    // Both reads look alike on the wire (same function, same count); only
    // their values tell them apart.
    sim_.SetBit(Area::M, 0, true);
    sim_.SetBit(Area::M, 101, true);
    std::uint8_t bits[2] = {};

    // Abandoned at once: the late answer to the first read must not count.
    sim_.PushFault(Fault::Late(400ms));
    link_.ReadBits(0, 2, 1);
    std::this_thread::sleep_for(20ms);
    link_.ReadBits(100, 2, 1);
    ASSERT_TRUE(Retake(link_, bits, 2));
    EXPECT_EQ(bits[0], 0);
    EXPECT_EQ(bits[1], 1);

    // Given up after the pollers' 50 ticks, the late answer arriving meanwhile.
    sim_.PushFault(Fault::Late(350ms));
    link_.ReadBits(0, 2, 1);
    EXPECT_FALSE(Retake(link_, bits, 2, 500ms));
    link_.ReadBits(100, 2, 1);
    ASSERT_TRUE(Retake(link_, bits, 2));
    EXPECT_EQ(bits[0], 0);
    EXPECT_EQ(bits[1], 1);
    EXPECT_FALSE(link_.RetakeBits(bits, 2));
}

TEST_P(ModbusLinkTest, ExceptionsAndDamagedAnswersAreNoAnswers) {
    sim_.SetWord(Area::D, 9, 9);
    std::uint16_t word = 0;
    sim_.PushFault(Fault::ExceptionReply());
    link_.ReadWords(9, 1, 3);
    EXPECT_FALSE(Retake(link_, &word, 1, 300ms));
    sim_.PushFault(Fault::BadCrc());
    link_.ReadWords(9, 1, 3);
    EXPECT_FALSE(Retake(link_, &word, 1, 300ms));
    link_.ReadWords(9, 1, 3);
    ASSERT_TRUE(Retake(link_, &word, 1));
    EXPECT_EQ(word, 9);

    // A write the controller refuses is reported as failed.
    sim_.PushFault(Fault::ExceptionReply());
    EXPECT_FALSE(link_.WriteBit(1, 0, 5));
    EXPECT_FALSE(sim_.Bit(Area::M, 0));
    EXPECT_TRUE(link_.WriteBit(1, 0, 5));
}

TEST_P(ModbusLinkTest, AWriteWaitsForTheReadInFlight) {
    sim_.SetWord(Area::D, 0, 5);
    sim_.ClearLog();
    sim_.PushFault(Fault::Late(150ms));  // the read is answered late, but in time
    const auto started = Clock::now();
    link_.ReadWords(0, 1, 3);
    std::this_thread::sleep_for(20ms);
    const std::uint16_t value = 6;
    EXPECT_TRUE(link_.WriteWords(&value, 0, 1, 16));
    EXPECT_GE(Clock::now() - started, 150ms) << "the write went out after the read's answer";
    const auto log = sim_.Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].function, 3);
    EXPECT_EQ(log[1].function, 16);
    EXPECT_GE(log[1].at - log[0].at, 140ms);
    // The read's own answer is still there, with the value before the write.
    std::uint16_t word = 0;
    ASSERT_TRUE(link_.RetakeWords(&word, 1));
    EXPECT_EQ(word, 5);
    EXPECT_EQ(sim_.Word(Area::D, 0), 6);
}

TEST_P(ModbusLinkTest, ClosedLinkAndReopen) {
    link_.Close();
    EXPECT_FALSE(link_.IsOpen());
    std::uint8_t bits[2] = {};
    link_.ReadBits(0, 2, 1);
    EXPECT_FALSE(Retake(link_, bits, 2, 50ms));
    EXPECT_FALSE(link_.WriteBit(1, 0, 5));
    ASSERT_TRUE(link_.Open(Parameters()));
    link_.ReadBits(0, 2, 1);
    EXPECT_TRUE(Retake(link_, bits, 2));
    // Opening again replaces the link.
    ASSERT_TRUE(link_.Open(Parameters()));
    link_.ReadBits(0, 2, 1);
    EXPECT_TRUE(Retake(link_, bits, 2));
}

TEST(ModbusLinkOpen, RefusesWhatTheLinkCannotUse) {
    PlcSim sim;
    ASSERT_TRUE(sim.Ok());
    test::ScopedEnv com1("VXTORVIN_COM1", sim.DevicePath().c_str());
    test::ScopedEnv com2("VXTORVIN_COM2", "/nonexistent/ttyPLC");
    ModbusLink link;
    LinkParameters rtu;
    rtu.baudCode = 11;
    rtu.frame = 2;
    rtu.port = 0;
    rtu.station = 1;
    ASSERT_TRUE(link.Open(rtu));
    link.Close();
    for (int station : {0, 248, 255, -1}) {
        LinkParameters p = rtu;
        p.station = station;
        EXPECT_FALSE(link.Open(p)) << station;
    }
    for (int baud : {0, 7, 13, 3}) {
        LinkParameters p = rtu;
        p.baudCode = baud;
        EXPECT_FALSE(link.Open(p)) << baud;
    }
    LinkParameters badFrame = rtu;
    badFrame.frame = 3;
    EXPECT_FALSE(link.Open(badFrame));
    for (int port : {-1, 9, 200}) {
        LinkParameters p = rtu;
        p.port = port;
        EXPECT_FALSE(link.Open(p)) << port;
    }
    LinkParameters missing = rtu;
    missing.port = 1;
    EXPECT_FALSE(link.Open(missing)) << "no such device";
    EXPECT_FALSE(link.IsOpen());

    LinkParameters tcp;
    tcp.port = kTcpPort;
    tcp.baudCode = 0;  // ignored for TCP
    tcp.frame = 9;
    tcp.station = 255;
    tcp.tcpAddress = "127.0.0.1";
    tcp.tcpPort = std::to_string(sim.TcpPort());
    EXPECT_TRUE(link.Open(tcp));
    link.Close();
    for (const char* port : {"", "0", "65536", "50a", "123456"}) {
        LinkParameters p = tcp;
        p.tcpPort = port;
        EXPECT_FALSE(link.Open(p)) << port;
    }
    LinkParameters noAddress = tcp;
    noAddress.tcpAddress = "";
    EXPECT_FALSE(link.Open(noAddress));
    LinkParameters station = tcp;
    station.station = 256;
    EXPECT_FALSE(link.Open(station));
    // Nobody listens on this port any more.
    int freePort = 0;
    {
        PlcSim other(plcsim::SimOptions{1, false, true, 0, {}});
        freePort = other.TcpPort();
    }
    LinkParameters refused = tcp;
    refused.tcpPort = std::to_string(freePort);
    EXPECT_FALSE(link.Open(refused));
    EXPECT_FALSE(link.IsOpen());
}

TEST(ModbusLinkOpen, AnotherStationIsSilent) {
    PlcSim sim(plcsim::SimOptions{5, true, false, 0, {}});
    ASSERT_TRUE(sim.Ok());
    test::ScopedEnv com1("VXTORVIN_COM1", sim.DevicePath().c_str());
    ModbusLink link;
    LinkParameters p;
    p.baudCode = 6;
    p.frame = 0;
    p.station = 1;
    ASSERT_TRUE(link.Open(p)) << "a serial port opens without the controller";
    link.ReadBits(0, 2, 1);
    std::uint8_t bits[2] = {};
    EXPECT_FALSE(Retake(link, bits, 2, 400ms));
    p.station = 5;
    ASSERT_TRUE(link.Open(p));
    link.ReadBits(0, 2, 1);
    EXPECT_TRUE(Retake(link, bits, 2));
}

TEST(PlcSimCrc, KnownFrames) {
    // Read holding registers 0-9 of station 1: 01 03 00 00 00 0A, CRC C5 CD.
    const std::uint8_t frame[] = {0x01, 0x03, 0x00, 0x00, 0x00, 0x0A};
    EXPECT_EQ(plcsim::Crc16(frame, sizeof frame), 0xCDC5);
    const std::uint8_t coil[] = {0x11, 0x05, 0x00, 0xAC, 0xFF, 0x00};  // CRC 4E 8B
    EXPECT_EQ(plcsim::Crc16(coil, sizeof coil), 0x8B4E);
}

}  // namespace
}  // namespace vx
