// The updater's built-in firmware images on the emulated board: each is the
// empty program of a new project, so a controller restored with it scans and
// answers Modbus RTU on COM1 as station 1, the new project's station, and no
// other.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "runtime/KitImage.h"
#include "runtime/ModbusLine.h"
#include "support/QemuBoard.h"

namespace vx::test {
namespace {

class FirmwareBoardTest : public testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        if (!QemuBoard::Available()) GTEST_SKIP() << "qemu-system-arm is not installed";
        if (!KitAvailable())
            GTEST_SKIP() << "the GNU ARM tool chain or the run-time kit is missing";
        image_ = std::string(VX_FIRMWARE_DIR) + "/SRC" + std::to_string(GetParam());
        ASSERT_TRUE(std::filesystem::exists(image_)) << image_;
    }

    std::string image_;
};

TEST_P(FirmwareBoardTest, RunsTheEmptyProgramAndAnswersAsStationOne) {
    QemuBoard board;
    QemuBoard::Options options;
    options.serialPty = true;
    options.elfPath = image_ + ".elf";
    ASSERT_TRUE(board.Start(image_, options)) << board.Error();
    Line line(board.SerialDevice());
    ASSERT_TRUE(line.Ok());
    ASSERT_TRUE(board.Continue());
    // qemu notices the far end of its pseudo-terminal within a second.
    ASSERT_EQ(line.Exchange(Request(1, 3, 0, 1), 7, std::chrono::seconds(30)),
              WithCrc({1, 3, 2, 0, 0}))
        << "D0 of a restored controller reads 0";
    // A second to take the unanswered request as a frame of its own, before
    // the next one follows, however busy the machine.
    EXPECT_TRUE(line.Exchange(Request(3, 3, 0, 1), 1, std::chrono::seconds(1)).empty())
        << "only the new project's station answers";
    // M0 set from outside drives nothing: the program is empty.
    EXPECT_EQ(line.Exchange(Request(1, 5, 0, 0xFF00), 8), Request(1, 5, 0, 0xFF00));
    ASSERT_TRUE(board.RunScans(2)) << board.Error();
    EXPECT_EQ(board.Byte("M", 0), 1);
    EXPECT_EQ(board.Byte("Y", 0), 0);
}

INSTANTIATE_TEST_SUITE_P(EverySlot, FirmwareBoardTest, testing::Values(1, 2, 3),
                         [](const testing::TestParamInfo<int>& info) {
                             return "SRC" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace vx::test
