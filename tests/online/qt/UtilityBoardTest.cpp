// End to end: a new project compiled by the tool's own compile road runs on
// the emulated board, and the controller information window reads the run-time
// kit's identity from it over COM1 (the board's serial port on a
// pseudo-terminal).
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#include "editor/ProjectFile.h"
#include "model/LadderProgram.h"
#include "online/DeviceImage.h"
#include "online/LinkSettings.h"
#include "online/qt/PLCInfo.h"
#include "outside/ModbusLink.h"
#include "support/ImageBuild.h"
#include "support/MessageRecorder.h"
#include "support/QemuBoard.h"
#include "support/QtWait.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using Clock = std::chrono::steady_clock;
using test::QemuBoard;

class UtilityBoardTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!QemuBoard::Available()) GTEST_SKIP() << "qemu-system-arm is not installed";
        if (!test::CanBuildImages())
            GTEST_SKIP() << "the GNU ARM tool chain or the run-time kit is not there";

        // A new project: station 1, 57600 baud, E 8 1.
        SetDefaultParameters(project_);
        const test::BuiltImage built = test::BuildImage(project_, dir_.Path());
        ASSERT_TRUE(built.ok) << built.messages;

        QemuBoard::Options options;
        options.serialPty = true;
        options.elfPath = built.elf;
        ASSERT_TRUE(board_.Start(built.image, options)) << board_.Error();
        ASSERT_TRUE(board_.Continue());
        com1_ = std::make_unique<test::ScopedEnv>("VXTORVIN_COM1", board_.SerialDevice().c_str());

        TheLinkSettings() = LinkSettings{};  // COM1, the project's baud rate
        TheProgram().sysParamString = project_.sysParamString;
        TheDeviceImage().Clear();
        WaitForTheLine();
    }
    void TearDown() override {
        TheLinkSettings() = LinkSettings{};
        TheProgram().sysParamString.clear();
    }

    // qemu takes up to a second (more on a busy machine) to see the port
    // opened; the first requests may go unanswered.
    void WaitForTheLine() {
        ModbusLink link;
        ASSERT_TRUE(link.Open(LinkParametersFor(TheLinkSettings(), project_.sysParamString)));
        for (const auto deadline = Clock::now() + std::chrono::seconds(30);
             Clock::now() < deadline;)
            if (Answered(link)) return;
        FAIL() << "the controller never answered";
    }
    // A read of D0 answered within 400 ms.
    static bool Answered(ModbusLink& link) {
        std::uint16_t word = 0;
        link.ReadWords(0, 1, 3);
        for (int i = 0; i < 200; ++i) {
            if (link.RetakeWords(&word, 1)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return false;
    }

    // Opens the information window as the main window's command does, again
    // after a read the busy board left unanswered, until it shows.
    void Show(TPLCInfoFrm& dialog) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(test::kStateWaitMs);
        while (!dialog.isVisible() && Clock::now() < deadline) {
            messages_.Clear();
            dialog.RePLCInfo();
            ASSERT_TRUE(dialog.Timer1().isActive()) << "the link did not open";
            VX_WAIT_TRUE(dialog.isVisible() || messages_.Count() > 0, test::kStateWaitMs);
        }
        ASSERT_TRUE(dialog.isVisible());
        EXPECT_TRUE(messages_.Messages().empty());
        EXPECT_FALSE(TheModbusLink().IsOpen());
    }

    LadderProgram project_;
    test::MessageRecorder messages_;
    test::TempFolder dir_;
    QemuBoard board_;
    std::unique_ptr<test::ScopedEnv> com1_;
};

TEST_F(UtilityBoardTest, TheInformationWindowShowsTheKitsIdentity) {
    TPLCInfoFrm dialog;
    Show(dialog);
    EXPECT_EQ(dialog.Label1()->text(), QString("出厂年份: %1").arg(VX_KIT_YEAR));
    EXPECT_EQ(dialog.Label2()->text(), QString("出厂月份: %1").arg(VX_KIT_MONTH));
    EXPECT_EQ(dialog.Label3()->text(), QString("固件版本: %1").arg(VX_KIT_VERSION));
    EXPECT_EQ(dialog.windowTitle(), QString("PLC信息  [ 0 ]")) << "the kit has no serial number";
    EXPECT_EQ(board_.Word("D", 2090), VX_KIT_YEAR);
    dialog.reject();

    // A serial number in the registers comes out whole and unsigned.
    ASSERT_TRUE(board_.SetWord("D", 2093, 0xFFFE));
    ASSERT_TRUE(board_.SetWord("D", 2094, 0xFFFF));
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), QString("PLC信息  [ 4294967294 ]"));
    dialog.reject();
}

}  // namespace
}  // namespace vx
