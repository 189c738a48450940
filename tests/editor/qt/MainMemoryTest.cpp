// The device memory monitor in the main window, against the simulated
// controller over Modbus TCP: F9, its tool button and the tree node show it;
// opened while ladder monitoring runs it takes the link over and its close
// hands it back; the main window stays open while it is shown.
#include <gtest/gtest.h>

#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "editor/ProjectTree.h"
#include "editor/Settings.h"
#include "editor/qt/Main.h"
#include "editor/qt/ToolImages.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "online/DeviceImage.h"
#include "online/LadderStakeout.h"
#include "online/LinkSettings.h"
#include "online/qt/MonitorFrm.h"
#include "online/qt/MonitorGrid.h"
#include "online/qt/MonitorGridModel.h"
#include "outside/ModbusLink.h"
#include "plcsim/PlcSim.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/SimulatedController.h"
#include "support/StartedMainWindow.h"
#include "support/ToolButtonClick.h"
#include "widgets/qt/WgPageControl.h"

namespace vx {
namespace {

class MainMemoryTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ok());
        test::ResetOnlineRunState();
        ASSERT_TRUE(test::UseSimulatorSettings(sim_.TcpPort()));
    }
    void TearDown() override { std::filesystem::remove(SettingsFilePath()); }

    // A started window with a new project: X0 -| |- (Y0).
    std::unique_ptr<TMainFrm> Started() {
        auto frm = test::StartedMainWindow();
        frm->FileNewItemClick();
        TheProgram().cells.Kind(1, 0) = CellKind::kOpenContact;
        TheProgram().cells.First(1, 0) = "X0";
        TheProgram().cells.Kind(12, 0) = CellKind::kCoil;
        TheProgram().cells.First(12, 0) = "Y0";
        return frm;
    }

    // Whether the simulator has read X as the monitor's X tab does (all 378).
    bool MonitorReadX() const {
        for (const plcsim::LoggedRequest& r : sim_.Log()) {
            if (r.function == 2 && r.address == 0 && r.count == 378) return true;
        }
        return false;
    }

    plcsim::PlcSim sim_{plcsim::SimOptions{1, false, true, 0, {}}};
    test::MessageRecorder messages_;
};

TEST_F(MainMemoryTest, F9TakesTheLinkOverFromLadderMonitoringAndItsCloseHandsItBack) {
    auto frm = Started();
    TMonitorFrm* monitor = frm->MonitorFrm();
    ASSERT_NE(monitor, nullptr);
    EXPECT_EQ(monitor->objectName(), QString("MonitorFrm"));
    ASSERT_TRUE(frm->Item("N30")->isEnabled());
    EXPECT_EQ(frm->Item("N30")->shortcut(), QKeySequence(Qt::Key_F9));
    frm->Item("NStakeoutON")->trigger();
    ASSERT_TRUE(frm->Monitoring());

    frm->Item("N30")->trigger();
    EXPECT_TRUE(monitor->isVisible());
    EXPECT_FALSE(frm->Monitoring()) << "ladder monitoring gave the link up";
    EXPECT_EQ(monitor->Tag(), TMonitorFrm::kFromLadderMonitoring);
    EXPECT_FALSE(frm->Button("StakeoutON")->Down());
    ASSERT_TRUE(monitor->LinkOpen());
    sim_.ClearLog();
    VX_WAIT_TRUE(MonitorReadX(), test::kStateWaitMs);

    // The monitor's close starts ladder monitoring again on the link.
    monitor->close();
    EXPECT_EQ(monitor->Tag(), 0);
    EXPECT_TRUE(frm->Monitoring());
    EXPECT_TRUE(frm->Button("StakeoutON")->Down());
    EXPECT_EQ(frm->Button("StakeoutON")->ImageIndex(), kImageMonitorOn);
    EXPECT_TRUE(TheModbusLink().IsOpen());
    sim_.SetBit(plcsim::Area::X, 0, true);
    VX_WAIT_TRUE(TheDeviceImage().Bit(DeviceKind::X, 0).value_or(false), test::kStateWaitMs);

    // F8 while the monitor, opened from ladder monitoring, is shown: the
    // monitor closes and ladder monitoring is on.
    frm->Item("N30")->trigger();
    ASSERT_TRUE(monitor->isVisible());
    frm->Item("NStakeoutON")->trigger();
    EXPECT_FALSE(monitor->isVisible());
    EXPECT_TRUE(frm->Monitoring());
    frm->Item("NStakeoutON")->trigger();
    EXPECT_FALSE(TheModbusLink().IsOpen());
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(MainMemoryTest, F9WithoutAControllerShowsNothingAsLiveWithOrWithoutAProject) {
    TheDeviceImage().SetBit(DeviceKind::X, 0, true);
    TheDeviceImage().MarkRead(DeviceKind::X, 0, 378, true);  // from an earlier session
    auto frm = test::StartedMainWindow();                    // no project open
    TheLinkSettings().tcpPortText = std::to_string(test::RefusedTcpPort());
    TMonitorFrm* monitor = frm->MonitorFrm();
    auto cell = [&](int column, int row) {
        TMonitorGridModel* model = monitor->Grid(MonitorTab::X)->Model();
        return model->Cell(model->index(row - 1, column - 1));
    };
    frm->Item("N30")->trigger();
    ASSERT_TRUE(monitor->isVisible());
    EXPECT_EQ(monitor->windowTitle(), QString("软元件内存 通信失败 ！"));
    EXPECT_FALSE(cell(1, 1).read);
    EXPECT_EQ(cell(1, 1).label, "X0") << "neither ON nor OFF";
    monitor->close();

    // With a project and a controller that is silent.
    frm->FileNewItemClick();
    TheLinkSettings().tcpPortText = std::to_string(sim_.TcpPort());
    for (int i = 0; i < 2000; ++i)
        sim_.PushFault(plcsim::Fault::Silence());
    frm->Item("N30")->trigger();
    ASSERT_TRUE(monitor->LinkOpen());
    VX_WAIT_EQ(monitor->windowTitle(), QString("软元件内存 通信失败 ！"), test::kStateWaitMs);
    EXPECT_TRUE(MonitorReadX());
    EXPECT_FALSE(cell(1, 1).read);
    monitor->close();
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(MainMemoryTest, TheButtonAndTheTreeShowItAndTheMainWindowWaitsForItsClose) {
    auto frm = Started();
    TMonitorFrm* monitor = frm->MonitorFrm();
    ASSERT_TRUE(frm->Button("MemoryToolButton")->isEnabled());
    test::ClickToolButton(frm->Button("MemoryToolButton"));
    ASSERT_TRUE(monitor->isVisible());
    EXPECT_EQ(monitor->Tag(), 0);
    EXPECT_TRUE(monitor->LinkOpen());

    // The main window refuses to close while the monitor is shown.
    EXPECT_FALSE(frm->close());
    EXPECT_TRUE(frm->isVisible());
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "请先停止软元件内存监控 ！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Exclamation);
    EXPECT_TRUE(messages_.Last().topmost);
    EXPECT_TRUE(monitor->isVisible());

    // Its " 关 闭 " tab closes it; ladder monitoring stays off.
    monitor->PageControl1()->SetActivePageIndex(8);
    EXPECT_FALSE(monitor->isVisible());
    EXPECT_FALSE(frm->Monitoring());
    EXPECT_FALSE(TheModbusLink().IsOpen());
    EXPECT_EQ(frm->Button("StakeoutON")->ImageIndex(), kImageMonitorOff);
    EXPECT_EQ(frm->Button("StakeoutON")->Hint(), QString("开始监控 F8"));
    EXPECT_EQ(frm->Item("NStakeoutON")->text(), QString("开始监控(&S)"));

    // The project tree's node.
    QTreeWidgetItem* node = nullptr;
    for (QTreeWidgetItemIterator it(frm->TreeView1()); *it; ++it) {
        if ((*it)->text(0) == QString("软元件内存")) node = *it;
    }
    ASSERT_NE(node, nullptr);
    frm->TreeView1()->setCurrentItem(node);
    emit frm->TreeView1()->itemDoubleClicked(node, 0);
    EXPECT_TRUE(monitor->isVisible());
    monitor->close();

    // Now it may close.
    messages_.Answer(MsgAnswer::Yes);
    EXPECT_TRUE(frm->close());
}

}  // namespace
}  // namespace vx
