// The qemu harness on an image of the kit: scans counted by breakpoints,
// devices read and written by name, the serial port's pseudo-terminal, and
// qemu gone once the board is stopped.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "runtime/KitImage.h"
#include "support/QemuBoard.h"
#include "support/TempFolder.h"

namespace vx::test {
namespace {

// The default parameters of a new project as the compile stage writes them.
constexpr const char* kSysIni =
    "2300,2300,1,3,100,2,9,2,0,0,0,5,0,0,1,0,100,100,101,102,103,200,201,0,0,0,0,0,0,1303,600,1355";

bool PortListens(int port) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool ok = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return ok;
}

class QemuBoardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QemuBoard::Available()) GTEST_SKIP() << "qemu-system-arm is not installed";
        if (!KitAvailable())
            GTEST_SKIP() << "the GNU ARM tool chain or the run-time kit is missing";
        image_ = BuildKitImage(folder_.Path(),
                               ProgramSource(kSysIni, "  Y[0] = X[0];\n  D[10] = ++Scans;",
                                             "static volatile unsigned short Scans;\n"));
        ASSERT_TRUE(image_.ok) << image_.log;
    }

    TempFolder folder_;
    KitImage image_;
};

TEST_F(QemuBoardTest, CountsScansAndReachesDevicesByName) {
    QemuBoard board;
    ASSERT_TRUE(board.Start(image_.image)) << board.Error();
    EXPECT_FALSE(board.Running()) << "frozen at reset";
    // The core is the Cortex-M3 r0p1 qemu gives the STM32F2 board.
    EXPECT_EQ(board.ReadWord32(0xE000ED00).value_or(0), 0x410FC231u);

    ASSERT_TRUE(board.RunScans(3)) << board.Error();
    EXPECT_EQ(board.Word("Scans"), 3) << "a static symbol, three whole scans";
    EXPECT_EQ(board.Word("D", 10), 3);
    EXPECT_EQ(board.Byte("Y", 0), 0);

    ASSERT_TRUE(board.SetByte("X", 0, 1));
    ASSERT_TRUE(board.RunScans(1)) << board.Error();
    EXPECT_EQ(board.Byte("Y", 0), 1);
    EXPECT_EQ(board.Word("D", 10), 4);

    ASSERT_TRUE(board.SetWord("D", 10, 1000));
    ASSERT_TRUE(board.RunScans(2)) << board.Error();
    EXPECT_EQ(board.Word("Scans"), 6) << "the program's own count goes on";
    EXPECT_EQ(board.Word("D", 10), 6);

    // Element access while the board runs halts it briefly and lets it go on.
    ASSERT_TRUE(board.Continue());
    EXPECT_EQ(board.Byte("Y", 0), 1);
    EXPECT_TRUE(board.Running());
    // It keeps scanning while let go: look in now and then (bounded) until a
    // scan beyond the stepped ones has been counted.
    int scans = 0;
    for (int look = 0; look < 300 && scans <= 6; ++look) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ASSERT_TRUE(board.Halt());
        scans = board.Word("Scans").value_or(0);
        if (scans <= 6) {
            ASSERT_TRUE(board.Continue());
        }
    }
    EXPECT_GT(scans, 6);
}

TEST_F(QemuBoardTest, RefusesWhatTheSymbolsDoNotHold) {
    QemuBoard board;
    ASSERT_TRUE(board.Start(image_.image)) << board.Error();
    EXPECT_FALSE(board.Byte("NoSuchDevice"));
    EXPECT_FALSE(board.SetByte("X", 378, 1)) << "X has 378 entries";
    EXPECT_TRUE(board.SetByte("X", 377, 1));
    EXPECT_FALSE(board.Word("D", 10000));
    EXPECT_FALSE(board.RunUntil("NoSuchFunction"));
    const auto plcact = board.Symbol("PLCact");
    ASSERT_TRUE(plcact);
    EXPECT_TRUE(plcact->function);
    EXPECT_EQ(plcact->address % 2, 0u) << "without the Thumb bit";
    EXPECT_EQ(board.Symbol("Y")->size, 378u);
}

TEST_F(QemuBoardTest, SerialPortOnAPseudoTerminalAndNoQemuLeftBehind) {
    int port = 0;
    {
        QemuBoard board;
        QemuBoard::Options options;
        options.serialPty = true;
        ASSERT_TRUE(board.Start(image_.image, options)) << board.Error();
        EXPECT_EQ(board.SerialDevice().rfind("/dev/pts/", 0), 0u) << board.SerialDevice();
        EXPECT_EQ(access(board.SerialDevice().c_str(), F_OK), 0);
        port = board.GdbPort();
        ASSERT_TRUE(board.Continue());
    }
    EXPECT_FALSE(PortListens(port)) << "qemu is gone with the board, running or not";

    QemuBoard board;
    EXPECT_FALSE(board.Start(folder_ / "missing.pin"));
    EXPECT_NE(board.Error(), "");
}

}  // namespace
}  // namespace vx::test
