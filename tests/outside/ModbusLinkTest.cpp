// The Modbus link against the simulated controller, over RTU on a
// pseudo-terminal and over TCP on the loopback address: the area map, the
// one-answer-per-read rule, late and damaged answers, writes that wait for the
// read in flight, echoes that do not match their write, a close during a
// trickled answer, a dropped connection, and a pseudo-terminal opened again
// with parity.
#include "outside/ModbusLink.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "plcsim/PlcSim.h"
#include "support/PortHolder.h"
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
bool Retake(ModbusLink& link, T* into, int count, std::chrono::milliseconds limit = 10000ms) {
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

// Waits until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = 10000ms) {
    const auto end = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() >= end) return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
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
    ASSERT_TRUE(WaitFor([&] { return sim_.Log().size() == 1; })) << "the first read went out";
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
    ASSERT_TRUE(WaitFor([&] { return sim_.Log().size() == 1; })) << "the read is in flight";
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

TEST_P(ModbusLinkTest, AWriteWhoseEchoDoesNotMatchFailed) {
    std::vector<Fault::Kind> faults = {Fault::Kind::EchoAddress, Fault::Kind::EchoValue,
                                       Fault::Kind::OtherStation};
    if (Tcp()) faults.push_back(Fault::Kind::OtherProtocol);
    const std::uint16_t words[2] = {0x1234, 0x5678};
    for (Fault::Kind kind : faults) {
        SCOPED_TRACE(static_cast<int>(kind));
        sim_.PushFault(Fault::Of(kind));
        EXPECT_FALSE(link_.WriteBit(255, 3, 5)) << "M3 on";
        sim_.PushFault(Fault::Of(kind));
        EXPECT_FALSE(link_.WriteBit(0, 4, 109)) << "Y4 off";
        sim_.PushFault(Fault::Of(kind));
        EXPECT_FALSE(link_.WriteWords(words, 20, 2, 16)) << "D20-D21";
        sim_.PushFault(Fault::Of(kind));
        EXPECT_FALSE(link_.WriteWords(words, 7, 1, 102)) << "T7's value";
    }
    // Answers to reads from another station or protocol are no answers either.
    for (Fault::Kind kind : {Fault::Kind::OtherStation, Fault::Kind::OtherProtocol}) {
        if (kind == Fault::Kind::OtherProtocol && !Tcp()) continue;
        sim_.PushFault(Fault::Of(kind));
        link_.ReadWords(20, 2, 3);
        std::uint16_t read[2] = {};
        EXPECT_FALSE(Retake(link_, read, 2, 400ms)) << static_cast<int>(kind);
    }
    // A true echo confirms.
    EXPECT_TRUE(link_.WriteBit(255, 3, 5));
    EXPECT_TRUE(link_.WriteWords(words, 20, 2, 16));
}

TEST_P(ModbusLinkTest, CloseEndsATrickledAnswerAtOnce) {
    // The controller keeps each byte of a long answer just inside a byte
    // time-out: on its own the read would last about ten seconds.
    link_.Close();
    ModbusLink::Timing timing;
    timing.byte = 400ms;
    ModbusLink link(timing);
    ASSERT_TRUE(link.Open(Parameters()));
    sim_.PushFault(Fault::Trickle(40ms));
    link.ReadWords(0, 125, 3);
    ASSERT_TRUE(WaitFor([&] { return sim_.TrickledBytes() >= 3; })) << "the answer is trickling";

    // A write made meanwhile waits for the read in flight.
    std::atomic<int> written{-1};
    std::thread writer([&] {
        const std::uint16_t value = 1;
        written = link.WriteWords(&value, 0, 1, 16) ? 1 : 0;
    });
    const bool queued = WaitFor([&] { return link.QueuedWrites() == 1; });
    link.Close();
    EXPECT_EQ(sim_.TricklesCompleted(), 0) << "Close waited for the whole answer";
    writer.join();
    EXPECT_TRUE(queued);
    EXPECT_EQ(written, 0) << "the queued write did not happen";
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(sim_.Word(Area::D, 0), 0);
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

// The serial port is held while the link is open: another window of the
// tool, the downloader, or another program is refused, and a port another
// program holds refuses the link before any request goes out.
TEST(ModbusLinkOpen, TheSerialPortIsHeldAlone) {
    PlcSim sim;
    ASSERT_TRUE(sim.Ok());
    test::ScopedEnv com1("VXTORVIN_COM1", sim.DevicePath().c_str());
    LinkParameters rtu;
    rtu.port = 0;
    ModbusLink link;
    ASSERT_TRUE(link.Open(rtu));
    SerialPortLock other;
    EXPECT_FALSE(other.Acquire(sim.DevicePath())) << "held while open";
    link.Close();
    EXPECT_TRUE(other.Acquire(sim.DevicePath())) << "given up when closed";
    EXPECT_FALSE(link.Open(rtu));
    other.Release();
    {
        test::PortHolder process(sim.DevicePath());
        ASSERT_TRUE(process.Held());
        EXPECT_FALSE(link.Open(rtu));
        link.ReadWords(0, 4, 3);
    }
    EXPECT_TRUE(sim.Log().empty()) << "nothing sent";
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
    for (int station : {0, 256, -1}) {  // 0: the broadcast, which no controller answers
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

// Every station a controller can be given on its serial port is read and
// written, the ones the protocol reserves included.
TEST(ModbusLinkOpen, EverySerialStationFrom1To255IsReached) {
    for (int station : {1, 247, 248, 255}) {
        SCOPED_TRACE(station);
        PlcSim sim(plcsim::SimOptions{station, true, false, 0, {}});
        ASSERT_TRUE(sim.Ok());
        test::ScopedEnv com1("VXTORVIN_COM1", sim.DevicePath().c_str());
        sim.SetWord(Area::D, 3, 0x1234);
        ModbusLink link;
        ASSERT_TRUE(link.Open({12, 0, 2, station, {}, {}}));
        link.ReadWords(3, 1, 3);
        std::uint16_t word = 0;
        ASSERT_TRUE(Retake(link, &word, 1));
        EXPECT_EQ(word, 0x1234);
        const std::uint16_t value = 77;
        EXPECT_TRUE(link.WriteWords(&value, 4, 1, 16));
        EXPECT_EQ(sim.Word(Area::D, 4), 77);
        for (const plcsim::LoggedRequest& request : sim.Log())
            EXPECT_EQ(request.unit, station);
    }
}

TEST(ModbusLinkTcp, ANewOpenConnectsAgainAfterThePeerHungUp) {
    PlcSim sim(plcsim::SimOptions{1, false, true, 0, {}});
    ASSERT_TRUE(sim.Ok());
    ModbusLink link;
    const LinkParameters p{0, kTcpPort, 2, 1, "127.0.0.1", std::to_string(sim.TcpPort())};
    ASSERT_TRUE(link.Open(p));
    sim.SetWord(Area::D, 3, 33);
    std::uint16_t word = 0;
    link.ReadWords(3, 1, 3);
    ASSERT_TRUE(Retake(link, &word, 1));

    sim.PushFault(Fault::Of(Fault::Kind::Hangup));
    link.ReadWords(3, 1, 3);
    EXPECT_FALSE(Retake(link, &word, 1, 400ms));
    ASSERT_TRUE(WaitFor([&] { return sim.TcpConnections() == 0; }));
    // Reads and writes fail while the link stays open.
    link.ReadWords(3, 1, 3);
    EXPECT_FALSE(Retake(link, &word, 1, 400ms));
    const std::uint16_t value = 44;
    EXPECT_FALSE(link.WriteWords(&value, 3, 1, 16));
    EXPECT_TRUE(link.IsOpen());

    // Opening again connects again.
    ASSERT_TRUE(link.Open(p));
    EXPECT_TRUE(WaitFor([&] { return sim.TcpConnections() == 1; }));
    EXPECT_TRUE(link.WriteWords(&value, 3, 1, 16));
    link.ReadWords(3, 1, 3);
    ASSERT_TRUE(Retake(link, &word, 1));
    EXPECT_EQ(word, 44);
}

// The settings of a terminal device.
std::optional<termios> LineSettingsOf(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    termios tio{};
    const bool ok = tcgetattr(fd, &tio) == 0;
    ::close(fd);
    return ok ? std::optional<termios>(tio) : std::nullopt;
}

bool SetLineSettings(const std::string& path, const termios& tio) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = tcsetattr(fd, TCSANOW, &tio) == 0;
    ::close(fd);
    return ok;
}

bool SameLine(const std::optional<termios>& a, const std::optional<termios>& b) {
    return a && b && a->c_iflag == b->c_iflag && a->c_oflag == b->c_oflag &&
           a->c_cflag == b->c_cflag && a->c_lflag == b->c_lflag &&
           cfgetispeed(&*a) == cfgetispeed(&*b) && cfgetospeed(&*a) == cfgetospeed(&*b);
}

TEST(ModbusLinkRtu, EvenParitySessionsFollowEachOtherOnAPseudoTerminal) {
    // Linux pseudo-terminals refuse the parity bit unless something else
    // changes in the same call: a port that a killed session left with the
    // link's own settings would refuse the next open.
    PlcSim sim(plcsim::SimOptions{1, true, false, 0, {}});
    ASSERT_TRUE(sim.Ok());
    const std::string device = sim.DevicePath();
    test::ScopedEnv com1("VXTORVIN_COM1", device.c_str());
    sim.SetBit(Area::M, 1, true);
    std::optional<termios> found = LineSettingsOf(device);
    ASSERT_TRUE(found);
    for (int session = 0; session < 3; ++session) {
        SCOPED_TRACE(session);
        ModbusLink link;
        ASSERT_TRUE(link.Open({12, 0, 2, 1, "", ""}));
        const std::optional<termios> linked = LineSettingsOf(device);
        link.ReadBits(0, 2, 1);
        std::uint8_t bits[2] = {};
        ASSERT_TRUE(Retake(link, bits, 2));
        EXPECT_EQ(bits[1], 1);
        EXPECT_TRUE(link.WriteBit(255, 2, 5));
        link.Close();
        EXPECT_TRUE(SameLine(LineSettingsOf(device), found)) << "the port is as it was found";
        if (session == 0) {
            // The next session finds the port as a killed session leaves it.
            ASSERT_TRUE(linked);
            ASSERT_TRUE(SetLineSettings(device, *linked));
            found = linked;
        }
    }
    // A device that is no terminal at all refuses the settings: no link.
    test::ScopedEnv com2("VXTORVIN_COM2", "/dev/null");
    ModbusLink link;
    EXPECT_FALSE(link.Open({12, 1, 2, 1, "", ""}));
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
