// End to end: a project with a C block goes through the tool's own compile
// road (converter, C stage, tool chain, run-time kit) into an image, the image
// runs on the emulated board, and the tool's Modbus link talks to it over
// COM1 (the board's serial port on a pseudo-terminal): every area code reads
// and writes its device, and a forced M0 comes back as Y0 through function1.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>
#include <vector>

#include "editor/ProjectFile.h"
#include "outside/ModbusLink.h"
#include "support/ImageBuild.h"
#include "support/MessageRecorder.h"
#include "support/QemuBoard.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using test::QemuBoard;

constexpr const char* kCBlock =
    "void  function1(void)\r\n"
    "{\r\n"
    "  Y[0] = M[0];\r\n"
    "  D[5] = D[4] + 1;\r\n"
    "}\r\n";

// Reads as the pollers do: a read the controller leaves unanswered (its
// answer can come later than the link waits when the machine is busy) is
// asked again after a while, until the wait is over.
template <class T>
std::optional<std::vector<T>> Read(ModbusLink& link, int start, int count, int code,
                                   std::chrono::milliseconds wait) {
    std::vector<T> values(static_cast<std::size_t>(count));
    const auto deadline = Clock::now() + wait;
    while (Clock::now() < deadline) {
        if constexpr (sizeof(T) == 1) {
            link.ReadBits(start, count, code);
        } else {
            link.ReadWords(start, count, code);
        }
        const auto askAgain = std::min(deadline, Clock::now() + std::chrono::seconds(1));
        while (Clock::now() < askAgain) {
            bool taken = false;
            if constexpr (sizeof(T) == 1) {
                taken = link.RetakeBits(values.data(), count);
            } else {
                taken = link.RetakeWords(values.data(), count);
            }
            if (taken) return values;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> ReadBits(
    ModbusLink& link, int start, int count, int code,
    std::chrono::milliseconds wait = std::chrono::seconds(15)) {
    return Read<std::uint8_t>(link, start, count, code, wait);
}

std::optional<std::vector<std::uint16_t>> ReadWords(
    ModbusLink& link, int start, int count, int code,
    std::chrono::milliseconds wait = std::chrono::seconds(15)) {
    return Read<std::uint16_t>(link, start, count, code, wait);
}

// Writes as a user's command does, asked again while the board (late on a
// busy machine) leaves a write unanswered; a write that sets a value may go
// twice.
template <class Write>
bool Written(Write write, std::chrono::seconds wait = std::chrono::seconds(30)) {
    for (const auto deadline = Clock::now() + wait; Clock::now() < deadline;) {
        if (write()) return true;
    }
    return false;
}

class ControllerLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QemuBoard::Available()) GTEST_SKIP() << "qemu-system-arm is not installed";
        if (!test::CanBuildImages())
            GTEST_SKIP() << "the GNU ARM tool chain or the run-time kit is not there";

        // A new project (station 1, 57600 baud, E 8 1) with its C block on.
        LadderProgram project;
        SetDefaultParameters(project);
        const test::BuiltImage built = test::BuildImage(project, dir_.Path(), kCBlock);
        ASSERT_TRUE(built.ok) << built.messages;
        ASSERT_TRUE(messages_.Messages().empty());

        QemuBoard::Options options;
        options.serialPty = true;
        options.elfPath = built.elf;
        ASSERT_TRUE(board_.Start(built.image, options)) << board_.Error();
        ASSERT_TRUE(board_.Continue());
    }

    test::MessageRecorder messages_;
    test::TempFolder dir_;
    QemuBoard board_;
};

TEST_F(ControllerLinkTest, EveryAreaCodeReachesItsDeviceOnTheController) {
    test::ScopedEnv com1("VXTORVIN_COM1", board_.SerialDevice().c_str());
    // The emulated board on a busy machine answers later than a controller
    // does; this case is about the controller's map, not the link's timing.
    ModbusLink::Timing patient;
    patient.response = std::chrono::seconds(5);
    patient.byte = std::chrono::seconds(1);
    ModbusLink link(patient);
    ASSERT_TRUE(link.Open({11, 0, 2, 1, "", ""}));
    // qemu takes up to a second (more on a busy machine) to see the port
    // opened; the first reads may go unanswered.
    std::optional<std::vector<std::uint16_t>> d5;
    for (const auto deadline = Clock::now() + std::chrono::seconds(30);
         !d5 && Clock::now() < deadline;)
        d5 = ReadWords(link, 5, 1, 3, std::chrono::milliseconds(400));
    ASSERT_TRUE(d5) << "the controller never answered";
    EXPECT_EQ((*d5)[0], 1) << "function1 ran: D5 = D4 + 1";

    // M0 forced on comes back as Y0.
    EXPECT_EQ(ReadBits(link, 0, 1, 105), (std::vector<std::uint8_t>{0}));
    ASSERT_TRUE(Written([&] { return link.WriteBit(255, 0, 5); }));
    EXPECT_EQ(ReadBits(link, 0, 1, 105), (std::vector<std::uint8_t>{1}));
    ASSERT_TRUE(Written([&] { return link.WriteBit(0, 0, 5); }));
    EXPECT_EQ(ReadBits(link, 0, 1, 105), (std::vector<std::uint8_t>{0}));
    const std::uint16_t d4 = 41;
    ASSERT_TRUE(Written([&] { return link.WriteWords(&d4, 4, 1, 16); }));
    EXPECT_EQ(ReadWords(link, 4, 2, 3), (std::vector<std::uint16_t>{41, 42}));

    // Bits: the write code sets the array cell, the read code sees the array.
    struct BitArea {
        const char* array;
        int read, write, number;
    };
    const BitArea bits[] = {{"M", 1, 5, 9999},
                            {"S", 12, 14, 199},
                            {"T_out", 106, 110, 399},
                            {"C_out", 107, 111, 199},
                            {"Y", 105, 109, 17}};
    for (const BitArea& a : bits) {
        SCOPED_TRACE(a.array);
        ASSERT_TRUE(Written([&] { return link.WriteBit(1, a.number, a.write); }));
        EXPECT_EQ(board_.Byte(a.array, static_cast<std::uint32_t>(a.number)), 1);
        ASSERT_TRUE(board_.SetByte(a.array, static_cast<std::uint32_t>(a.number - 1), 1));
        EXPECT_EQ(ReadBits(link, a.number - 1, 3, a.read), (std::vector<std::uint8_t>{1, 1, 0}))
            << "the spare entry after the last device reads as 0";
        ASSERT_TRUE(Written([&] { return link.WriteBit(0, a.number, a.write); }));
        EXPECT_EQ(board_.Byte(a.array, static_cast<std::uint32_t>(a.number)), 0);
    }
    ASSERT_TRUE(board_.SetByte("X", 17, 1));
    EXPECT_EQ(ReadBits(link, 16, 3, 2), (std::vector<std::uint8_t>{0, 1, 0})) << "X21 is X[17]";

    struct WordArea {
        const char* array;
        int read, write, number, index;
    };
    const WordArea words[] = {{"D", 3, 16, 9998, 9998},
                              {"SD", 3, 16, 10000, 0},
                              {"T_Nonce", 4, 102, 398, 398},
                              {"C_Nonce", 101, 103, 198, 198}};
    for (const WordArea& a : words) {
        SCOPED_TRACE(a.array);
        const std::uint16_t pair[2] = {0x1234, 0xFEDC};  // a 32-bit value, low word first
        ASSERT_TRUE(Written([&] { return link.WriteWords(pair, a.number, 2, a.write); }));
        EXPECT_EQ(board_.Word(a.array, static_cast<std::uint32_t>(a.index)), 0x1234);
        EXPECT_EQ(board_.Word(a.array, static_cast<std::uint32_t>(a.index + 1)), 0xFEDC);
        ASSERT_TRUE(board_.SetWord(a.array, static_cast<std::uint32_t>(a.index), 7));
        EXPECT_EQ(ReadWords(link, a.number, 2, a.read), (std::vector<std::uint16_t>{7, 0xFEDC}));
    }
    link.Close();
}

}  // namespace
}  // namespace vx
