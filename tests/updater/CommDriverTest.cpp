// The serial-port component: line settings as termios, the POSIX link on a
// pseudo-terminal, the poll and its accumulator, and block writes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include "FakeLink.h"
#include "platform/SerialPortNames.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"
#include "updater/PosixSerialLink.h"
#include "updater/Qel_ComDrv.h"

namespace vx {
namespace {

using test::FakeLink;
using test::ManualClock;

// A pseudo-terminal whose master side the test plays.
struct Pty {
    Pty() {
        char name[256] = {};
        int slave = -1;
        if (openpty(&master, &slave, name, nullptr, nullptr) == 0) {
            path = name;
            close(slave);
        }
    }
    ~Pty() {
        if (master >= 0) close(master);
    }
    std::string ReadMaster(std::size_t want) {
        std::string got;
        while (got.size() < want) {
            pollfd p{master, POLLIN, 0};
            if (poll(&p, 1, 1000) <= 0) break;
            char buffer[512];
            ssize_t n = read(master, buffer, sizeof buffer);
            if (n <= 0) break;
            got.append(buffer, static_cast<std::size_t>(n));
        }
        return got;
    }
    int master = -1;
    std::string path;
};

termios Filled(const LineSettings& s, bool* ok = nullptr, bool* custom = nullptr) {
    termios tio{};
    bool filled = FillTermios(s, tio, custom);
    if (ok) *ok = filled;
    return tio;
}

TEST(LineSettingsToTermios, ParityDataAndStopBits) {
    LineSettings s;
    s.baud = 115200;
    s.parity = LineParity::Even;
    termios t = Filled(s);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_TRUE(t.c_cflag & PARENB);
    EXPECT_FALSE(t.c_cflag & (PARODD | CMSPAR | CSTOPB | CRTSCTS));
    EXPECT_TRUE(t.c_cflag & CREAD);
    EXPECT_TRUE(t.c_cflag & CLOCAL);
    EXPECT_TRUE(t.c_cflag & HUPCL) << "the lines drop if the program dies";
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B115200));
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO));
    EXPECT_FALSE(t.c_oflag & OPOST);
    EXPECT_EQ(t.c_cc[VMIN], 0);
    EXPECT_EQ(t.c_cc[VTIME], 0);

    s.parity = LineParity::Odd;
    EXPECT_EQ(Filled(s).c_cflag & (PARENB | PARODD | CMSPAR),
              static_cast<tcflag_t>(PARENB | PARODD));
    s.parity = LineParity::Mark;
    EXPECT_EQ(Filled(s).c_cflag & (PARENB | PARODD | CMSPAR),
              static_cast<tcflag_t>(PARENB | PARODD | CMSPAR));
    s.parity = LineParity::Space;
    EXPECT_EQ(Filled(s).c_cflag & (PARENB | PARODD | CMSPAR),
              static_cast<tcflag_t>(PARENB | CMSPAR));
    s.parity = LineParity::None;
    EXPECT_FALSE(Filled(s).c_cflag & PARENB);

    s.dataBits = 7;
    EXPECT_EQ(Filled(s).c_cflag & CSIZE, static_cast<tcflag_t>(CS7));
    s.dataBits = 5;
    EXPECT_EQ(Filled(s).c_cflag & CSIZE, static_cast<tcflag_t>(CS5));
    s.stopBits = LineStopBits::OneAndHalf;
    bool ok = false;
    EXPECT_TRUE(Filled(s, &ok).c_cflag & CSTOPB);
    EXPECT_TRUE(ok) << "one and a half stop bits exist for 5-bit bytes";
    s.dataBits = 8;
    Filled(s, &ok);
    EXPECT_FALSE(ok) << "but not for 8-bit bytes";
    s.stopBits = LineStopBits::Two;
    EXPECT_TRUE(Filled(s).c_cflag & CSTOPB);
    s.dataBits = 9;
    Filled(s, &ok);
    EXPECT_FALSE(ok);
}

TEST(LineSettingsToTermios, HandshakesAndRates) {
    LineSettings s;
    s.rtsCts = true;
    EXPECT_TRUE(Filled(s).c_cflag & CRTSCTS);
    s.rtsCts = false;
    s.xonXoff = true;
    termios t = Filled(s);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), static_cast<tcflag_t>(IXON | IXOFF));
    EXPECT_EQ(t.c_cc[VSTART], 17);
    EXPECT_EQ(t.c_cc[VSTOP], 19);

    bool custom = true;
    s.baud = 9600;
    termios slow = Filled(s, nullptr, &custom);
    EXPECT_EQ(cfgetispeed(&slow), static_cast<speed_t>(B9600));
    EXPECT_FALSE(custom);
    for (TComPortBaudRate odd : {br14400, br56000}) {
        s.baud = BaudOf(odd);
        Filled(s, nullptr, &custom);
        EXPECT_TRUE(custom) << s.baud << " has no B constant";
    }
    EXPECT_EQ(BaudOf(br110), 110);
    EXPECT_EQ(BaudOf(br115200), 115200);
}

TEST(PosixLink, OpensOnlyTerminalsThatExistAndOnlyOnce) {
    PosixSerialLink link;
    EXPECT_FALSE(link.Open("/dev/ttyUSB-no-such-port"));
    EXPECT_FALSE(link.IsOpen());
    test::TempFolder dir;
    test::WriteTestFile(dir / "plain", "x");
    EXPECT_FALSE(link.Open(dir / "plain")) << "a plain file is no serial port";

    Pty pty;
    ASSERT_FALSE(pty.path.empty());
    ASSERT_TRUE(link.Open(pty.path));
    PosixSerialLink second;
    EXPECT_FALSE(second.Open(pty.path)) << "the port is this program's alone";
    link.Close();
    EXPECT_TRUE(second.Open(pty.path)) << "and free again once closed";
}

TEST(PosixLink, PseudoTerminalRefusesModemLinesAndTheLinkCarriesOn) {
    Pty pty;
    PosixSerialLink link;
    std::vector<LineChange> seen;
    link.SetLineObserver([&](const LineChange& change) { seen.push_back(change); });
    EXPECT_FALSE(link.SetLine(ModemLine::Dtr, true)) << "closed";
    ASSERT_TRUE(link.Open(pty.path));
    EXPECT_TRUE(link.SetLine(ModemLine::Dtr, true));
    EXPECT_TRUE(link.SetLine(ModemLine::Rts, false));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].line, ModemLine::Dtr);
    EXPECT_TRUE(seen[0].raised);
    EXPECT_FALSE(seen[0].applied) << "a pseudo-terminal has no DTR";
    EXPECT_EQ(seen[1].line, ModemLine::Rts);
    EXPECT_FALSE(seen[1].raised);
}

TEST(PosixLink, ReadsWaitUntilTheDeadlineAndWritesArrive) {
    Pty pty;
    PosixSerialLink link;
    ASSERT_TRUE(link.Open(pty.path));
    LineSettings s;
    s.baud = 115200;
    s.parity = LineParity::Even;
    ASSERT_TRUE(link.Configure(s));
    s.baud = 56000;
    EXPECT_TRUE(link.Configure(s)) << "a rate without a B constant";

    std::uint8_t buffer[16];
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(link.Read(buffer, sizeof buffer, start + Millis(40)), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, Millis(35));

    const std::uint8_t hello[] = {0x7F, 0x00, 0xFF};
    EXPECT_EQ(link.Write(hello, 3, start + Millis(1000)), 3);
    EXPECT_EQ(pty.ReadMaster(3), std::string("\x7F\x00\xFF", 3));

    ASSERT_EQ(write(pty.master, "\x79", 1), 1);
    EXPECT_EQ(link.Read(buffer, sizeof buffer, std::chrono::steady_clock::now() + Millis(1000)), 1);
    EXPECT_EQ(buffer[0], 0x79);
}

// A pseudo-terminal has no line to put a parity bit on and refuses one unless
// the rate changes in the same call; the link sets it up without parity, on
// every open, however often the settings are applied.
TEST(PosixLink, PseudoTerminalTakesEvenParityAsNoneOnEveryOpen) {
    Pty pty;
    LineSettings s;
    s.baud = 115200;
    s.parity = LineParity::Even;
    for (int open = 1; open <= 3; ++open) {
        PosixSerialLink link;
        ASSERT_TRUE(link.Open(pty.path)) << "open " << open;
        EXPECT_TRUE(link.IsPseudoTerminal());
        EXPECT_TRUE(link.Configure(s)) << "open " << open;
        EXPECT_TRUE(link.Configure(s)) << "again at the same rate, open " << open;
        termios tio{};
        ASSERT_EQ(tcgetattr(link.Descriptor(), &tio), 0);
        EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B115200));
        EXPECT_EQ(tio.c_cflag & PARENB, 0u);
        EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    }
}

TEST(PosixLink, ClosingGivesTheDeviceItsSettingsBack) {
    Pty pty;
    auto settingsNow = [&] {
        termios tio{};
        const int fd = open(pty.path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        EXPECT_GE(fd, 0);
        EXPECT_EQ(tcgetattr(fd, &tio), 0);
        close(fd);
        return tio;
    };
    const termios before = settingsNow();
    {
        PosixSerialLink link;
        ASSERT_TRUE(link.Open(pty.path));
        LineSettings s;
        s.baud = 57600;
        s.dataBits = 7;
        s.stopBits = LineStopBits::Two;
        ASSERT_TRUE(link.Configure(s));
        link.Close();
    }
    const termios after = settingsNow();
    EXPECT_EQ(after.c_cflag, before.c_cflag);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
    EXPECT_EQ(after.c_oflag, before.c_oflag);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before));
    EXPECT_EQ(cfgetispeed(&after), cfgetispeed(&before));

    int plain = open("/dev/null", O_RDWR);
    ASSERT_GE(plain, 0);
    EXPECT_FALSE(IsPseudoTerminal(plain));
    close(plain);
}

TEST(CommDriver, PortComesFromThePortTableAndSettingsApplyWhileOpen) {
    Pty pty;
    test::ScopedEnv env("VXTORVIN_COM2", pty.path.c_str());
    PosixSerialLink link;
    TimerSet timers(TheSystemClock());
    TQelCommDriver driver(link, timers);
    driver.SetComPort(pnCOM2);
    EXPECT_EQ(driver.OutputFreeBytes(), -1);
    ASSERT_TRUE(driver.OpenPort());
    EXPECT_TRUE(driver.OpenPort()) << "already open";
    termios tio{};
    ASSERT_EQ(tcgetattr(link.Descriptor(), &tio), 0);
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B9600));

    driver.SetComPortSpeed(br57600);
    ASSERT_EQ(tcgetattr(link.Descriptor(), &tio), 0);
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B57600)) << "takes effect at once";
    driver.SetComPort(pnCOM5);
    EXPECT_EQ(driver.ComPort(), pnCOM2) << "ignored while open";

    std::string got;
    driver.SetOnReceiveData([&](TQelCommDriver&, const std::uint8_t* bytes, std::size_t n) {
        got.append(reinterpret_cast<const char*>(bytes), n);
    });
    ASSERT_EQ(write(pty.master, "abc", 3), 3);
    timers.RunUntil([&] { return driver.ReceivedCount >= 3; }, Millis(1000));
    EXPECT_EQ(got, "abc");
    EXPECT_EQ(driver.ReceivedCount, 3);

    EXPECT_EQ(driver.SendBlock("\x11\xEE", 2), 2);
    EXPECT_EQ(pty.ReadMaster(2), "\x11\xEE");
    driver.ClosePort();
    EXPECT_FALSE(driver.IsPortOpen());
    EXPECT_EQ(driver.SendBlock("x", 1), 0);
    EXPECT_FALSE(driver.SetDTRLine(true));
}

TEST(CommDriver, MissingPortLeavesTheComponentClosed) {
    test::ScopedEnv env("VXTORVIN_COM9", "/dev/ttyUSB-no-such-port");
    PosixSerialLink link;
    TimerSet timers(TheSystemClock());
    TQelCommDriver driver(link, timers);
    driver.SetComPort(pnCOM9);
    EXPECT_FALSE(driver.OpenPort());
    EXPECT_FALSE(driver.IsPortOpen());
}

TEST(CommDriver, RefusedSettingsCloseThePortAgain) {
    ManualClock clock;
    TimerSet timers(clock);
    FakeLink link(clock);
    link.refuseSettings = true;
    TQelCommDriver driver(link, timers);
    EXPECT_FALSE(driver.OpenPort());
    EXPECT_FALSE(link.IsOpen());
}

TEST(CommDriver, OpeningSetsTheLinesAsTheSettingsSay) {
    ManualClock clock;
    TimerSet timers(clock);
    FakeLink link(clock);
    TQelCommDriver driver(link, timers);
    ASSERT_TRUE(driver.OpenPort());
    ASSERT_EQ(link.lines.size(), 2u);
    EXPECT_FALSE(link.lines[0].raised);
    EXPECT_FALSE(link.lines[1].raised);
    driver.SetEnableDTROnOpen(true);
    driver.SetComPortHwHandshaking(hhRTSCTS);  // applied again: DTR up, RTS left to the handshake
    ASSERT_EQ(link.lines.size(), 3u);
    EXPECT_EQ(link.lines[2].line, ModemLine::Dtr);
    EXPECT_TRUE(link.lines[2].raised);
    EXPECT_TRUE(link.settings.back().rtsCts);
}

TEST(CommDriverPoll, BurstPastTheAccumulatorRestartsItAtZero) {
    ManualClock clock;
    TimerSet timers(clock);
    FakeLink link(clock);
    TQelCommDriver driver(link, timers);
    std::size_t raised = 0;
    driver.SetOnReceiveData(
        [&](TQelCommDriver&, const std::uint8_t*, std::size_t n) { raised += n; });
    ASSERT_TRUE(driver.OpenPort());
    // A burst, then one that reaches 1023 bytes in all or passes them.
    const struct {
        std::size_t second;
        std::uint16_t count;
        std::uint8_t first;
    } rows[] = {{600, 600, 0xBB}, {423, 1023, 0xAA}, {424, 424, 0xBB}};
    for (const auto& row : rows) {
        driver.ReceivedCount = 0;
        raised = 0;
        link.Reply(std::vector<std::uint8_t>(600, 0xAA));
        timers.RunUntil([] { return false; }, Millis(5));
        EXPECT_EQ(driver.ReceivedCount, 600);
        link.Reply(std::vector<std::uint8_t>(row.second, 0xBB));
        timers.RunUntil([] { return false; }, Millis(5));
        EXPECT_EQ(driver.ReceivedCount, row.count) << "600 + " << row.second;
        EXPECT_EQ(driver.ReceivedBytes[0], row.first) << "600 + " << row.second;
        EXPECT_EQ(raised, 600u + row.second);
    }
}

TEST(CommDriverPoll, ANewPollingDelayTakesEffectOnAnOpenPort) {
    ManualClock clock;
    TimerSet timers(clock);
    FakeLink link(clock);
    TQelCommDriver driver(link, timers);
    ASSERT_TRUE(driver.OpenPort());
    driver.SetComPortPollingDelay(50);
    link.Reply({0x79});
    timers.RunUntil([] { return false; }, Millis(45));
    EXPECT_EQ(driver.ReceivedCount, 0) << "no poll before 50 ms";
    timers.RunUntil([] { return false; }, Millis(5));
    EXPECT_EQ(driver.ReceivedCount, 1);
}

TEST(CommDriverPoll, ReadsAreClampedToTheAccumulator) {
    ManualClock clock;
    TimerSet timers(clock);
    FakeLink link(clock);
    TQelCommDriver driver(link, timers);
    driver.SetComPortInBufSize(4096);
    EXPECT_EQ(driver.ComPortInBufSize(), 4096);
    std::size_t largest = 0;
    driver.SetOnReceiveData([&](TQelCommDriver&, const std::uint8_t*, std::size_t n) {
        largest = std::max(largest, n);
    });
    ASSERT_TRUE(driver.OpenPort());
    driver.SetComPortInBufSize(16);
    EXPECT_EQ(driver.ComPortInBufSize(), 4096) << "changed only while closed";
    link.Reply(std::vector<std::uint8_t>(3000, 0x55));
    for (int tick = 0; tick < 4; ++tick) {
        timers.RunUntil([] { return false; }, Millis(5));
        EXPECT_LE(driver.ReceivedCount, TQelCommDriver::kAccumulatorSize);
    }
    EXPECT_EQ(largest, TQelCommDriver::kAccumulatorSize);
}

TEST(CommDriverSend, FullQueueTimesOutWithMinusTheBytesSent) {
    ManualClock clock;
    TimerSet timers(clock);
    FakeLink link(clock);
    TQelCommDriver driver(link, timers);
    ASSERT_TRUE(driver.OpenPort());
    link.writeLimit = 10;
    std::vector<std::uint8_t> block(100, 0x42);
    const auto t0 = clock.Now();
    EXPECT_EQ(driver.SendBlock(block.data(), block.size()), -10);
    EXPECT_GE(clock.Now() - t0, Millis(4000));

    link.writeLimit = -1;
    link.outputQueued_ = 512;  // the driver's queue is full and stays so
    const auto t1 = clock.Now();
    EXPECT_LE(driver.SendBlock(block.data(), block.size()), 0);
    EXPECT_GE(clock.Now() - t1, Millis(4000));
    EXPECT_EQ(driver.OutputFreeBytes(), 0);
}

TEST(CommDriverSend, FailedWriteIsNeverASuccess) {
    ManualClock clock;
    TimerSet timers(clock);
    FakeLink link(clock);
    TQelCommDriver driver(link, timers);
    ASSERT_TRUE(driver.OpenPort());
    link.writeFails = true;
    std::vector<std::uint8_t> block(100, 0x42);
    EXPECT_LE(driver.SendBlock(block.data(), block.size()), 0);
    EXPECT_EQ(driver.SendBlock(block.data(), 0), 0) << "nothing to send is sent";
}

}  // namespace
}  // namespace vx
