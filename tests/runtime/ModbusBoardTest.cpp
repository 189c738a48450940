// The run-time kit's Modbus slave on the emulated board, spoken to byte by
// byte on its serial port: the station, baud and frame of SysIni_TAB, answers
// and silences, and multi-register writes that a scan never sees half done.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "plcsim/PlcModel.h"
#include "runtime/KitImage.h"
#include "runtime/ModbusFrames.h"
#include "runtime/ModbusLine.h"
#include "support/QemuBoard.h"
#include "support/TempFolder.h"

namespace vx::test {
namespace {

// Station 3, 115200 baud, "N 8 2".
constexpr const char* kSysIni =
    "2300,2300,3,4,100,0,9,2,0,0,0,5,0,0,1,0,100,100,101,102,103,200,201,0,0,0,0,0,0,1303,600,1355";

constexpr const char* kScan =
    "  Y[0] = M[0];\n"
    "  D[5] = D[4] + 1;\n"
    "  if (D[100] != D[101]) M[50] = 1;\n"
    "  ++D[200];";

class ModbusBoardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QemuBoard::Available()) GTEST_SKIP() << "qemu-system-arm is not installed";
        if (!KitAvailable())
            GTEST_SKIP() << "the GNU ARM tool chain or the run-time kit is missing";
        const KitImage image = BuildKitImage(folder_.Path(), ProgramSource(kSysIni, kScan));
        ASSERT_TRUE(image.ok) << image.log;
        QemuBoard::Options options;
        options.serialPty = true;
        ASSERT_TRUE(board_.Start(image.image, options)) << board_.Error();
        line_ = std::make_unique<Line>(board_.SerialDevice());
        ASSERT_TRUE(line_->Ok());
        ASSERT_TRUE(board_.Continue());
        // qemu notices the far end of its pseudo-terminal within a second; one
        // request waits in the line until then (more would arrive as one
        // run of bytes, which no slave can take for separate requests).
        ASSERT_EQ(line_->Exchange(Request(3, 3, 0, 1), 7, std::chrono::seconds(30)).size(), 7u)
            << "the board's serial port never answered";
    }

    TempFolder folder_;
    QemuBoard board_;
    std::unique_ptr<Line> line_;
};

// How long a request that gets no answer is given: the board must have taken
// it as a frame of its own before the next request follows, or both arrive
// as one run of bytes, which no slave can take apart; a busy machine slows
// the emulated board down.
constexpr std::chrono::milliseconds kSilence{1000};

TEST_F(ModbusBoardTest, AnswersItsStationOnly) {
    EXPECT_EQ(line_->Exchange(Request(3, 3, 5, 1), 7), WithCrc({3, 3, 2, 0, 1})) << "D5 = D4 + 1";
    EXPECT_TRUE(line_->Exchange(Request(1, 3, 5, 1), 1, kSilence).empty())
        << "station 1 is not this controller";

    // M0 forced on, and the next scan copies it to Y0.
    EXPECT_EQ(line_->Ask(Request(3, 5, 0, 0xFF00), 8), Request(3, 5, 0, 0xFF00));
    EXPECT_EQ(line_->Ask(Request(3, 1, 11000, 1), 6), WithCrc({3, 1, 1, 1}));

    EXPECT_EQ(line_->Exchange(Request(3, 4, 0, 1), 5), WithCrc({3, 0x84, 1}));
    EXPECT_EQ(line_->Exchange(Request(3, 3, 22000, 1), 5), WithCrc({3, 0x83, 2}));

    // A damaged request gets nothing, and the line goes on.
    Bytes bad = Request(3, 3, 5, 1);
    bad[7] ^= 0x40;
    EXPECT_TRUE(line_->Exchange(bad, 1, kSilence).empty());
    EXPECT_EQ(line_->Exchange(Request(3, 3, 5, 1), 7).size(), 7u);

    // A broadcast write is carried out without an answer.
    EXPECT_TRUE(line_->Exchange(Request(0, 5, 7, 0xFF00), 1, kSilence).empty());
    // Requests are taken in order: once the next one is answered, the
    // broadcast has been carried out.
    EXPECT_EQ(line_->Exchange(Request(3, 3, 5, 1), 7).size(), 7u);
    EXPECT_EQ(board_.Byte("M", 7), 1);
    EXPECT_EQ(board_.Byte("Y", 0), 1);
}

TEST_F(ModbusBoardTest, RegisterWritesLandBetweenScans) {
    for (int k = 1; k <= 20; ++k) {
        const auto hi = static_cast<std::uint8_t>(k >> 8), lo = static_cast<std::uint8_t>(k & 0xFF);
        const Bytes write = WithCrc({3, 16, 0, 100, 0, 2, 4, hi, lo, hi, lo});
        ASSERT_EQ(line_->Ask(write, 8), WithCrc({3, 16, 0, 100, 0, 2})) << k;
    }
    EXPECT_EQ(line_->Ask(Request(3, 1, 50, 1), 6), WithCrc({3, 1, 1, 0}))
        << "no scan saw D100 and D101 apart";
    ASSERT_EQ(line_->Ask(WithCrc({3, 16, 0, 4, 0, 1, 2, 0, 41}), 8).size(), 8u);
    ASSERT_TRUE(board_.RunScans(1)) << board_.Error();
    EXPECT_EQ(board_.Word("D", 5), 42);
    EXPECT_EQ(board_.Word("D", 101), 20);
    EXPECT_GT(board_.Word("D", 200).value_or(0), 20) << "the scans went on meanwhile";
}

}  // namespace
}  // namespace vx::test
