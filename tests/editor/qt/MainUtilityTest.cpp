// The main window's openers of the online utility dialogs against the
// simulated controller over Modbus TCP: their menu items, the refusal while
// ladder monitoring runs, and the device memory monitor closed first.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>

#include "editor/Settings.h"
#include "editor/qt/Main.h"
#include "model/LadderProgram.h"
#include "online/qt/AD_EN_Show.h"
#include "online/qt/CAN_EXY.h"
#include "online/qt/MonitorFrm.h"
#include "online/qt/PG_Test.h"
#include "online/qt/PLCInfo.h"
#include "online/qt/SetRTC.h"
#include "outside/ModbusLink.h"
#include "plcsim/PlcSim.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/SimulatedController.h"
#include "support/StartedMainWindow.h"

namespace vx {
namespace {

using plcsim::Area;

class MainUtilityTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ok());
        test::ResetOnlineRunState();
        ASSERT_TRUE(test::UseSimulatorSettings(sim_.TcpPort()));
    }
    void TearDown() override { std::filesystem::remove(SettingsFilePath()); }

    // A started window with a new project (station 1).
    std::unique_ptr<TMainFrm> Started() {
        auto frm = test::StartedMainWindow();
        frm->FileNewItemClick();
        return frm;
    }

    template <class Window>
    static Window* Find(TMainFrm& frm) {
        return frm.findChild<Window*>();
    }

    plcsim::PlcSim sim_{plcsim::SimOptions{1, false, true, 0, {}}};
    test::MessageRecorder messages_;
};

TEST_F(MainUtilityTest, TheItemsStandInThePlcAndMonitorMenus) {
    auto frm = Started();
    test::ExpectMenuItems(
        *frm, {
                  {"N14", "PLC1", "设置PLC时钟(&R)", QKeySequence(Qt::Key_F7)},
                  {"N15", "PLC1", "PLC信息(&I)", QKeySequence(Qt::SHIFT | Qt::Key_F2)},
                  {"N31", "Monitor1", "特殊寄存器监视(&S)", QKeySequence(Qt::SHIFT | Qt::Key_F9)},
                  {"N32", "Monitor1", "PG高速测试界面(&P)", QKeySequence(Qt::SHIFT | Qt::Key_F10)},
                  {"CanExyItem", "Monitor1", "CAN扩展模块标定(&C)", QKeySequence()},
              });
    // The CAN item follows the pulse test.
    const QList<QAction*> monitor = frm->findChild<QMenu*>("Monitor1")->actions();
    EXPECT_EQ(monitor.indexOf(frm->Item("CanExyItem")), monitor.indexOf(frm->Item("N32")) + 1);
}

TEST_F(MainUtilityTest, EachOpenerRefusesWhileLadderMonitoringRuns) {
    auto frm = Started();
    frm->Item("NStakeoutON")->trigger();
    ASSERT_TRUE(frm->Monitoring());
    for (const char* name : {"N14", "N15", "N31", "N32", "CanExyItem"}) {
        SCOPED_TRACE(name);
        messages_.Clear();
        frm->Item(name)->trigger();
        ASSERT_EQ(messages_.Count(), 1u);
        EXPECT_EQ(messages_.Last().text, "请先退出梯形图监控 ！");
        EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
        EXPECT_EQ(messages_.Last().caption, kProductTitle);
        EXPECT_TRUE(frm->Monitoring()) << "monitoring keeps its link";
    }
    EXPECT_FALSE(Find<TSetRTCFrm>(*frm)->isVisible());
    EXPECT_FALSE(Find<TPLCInfoFrm>(*frm)->Timer1().isActive());
    EXPECT_FALSE(Find<TAD_EN_Frm>(*frm)->isVisible());
    EXPECT_FALSE(Find<TPG_TestFrm>(*frm)->isVisible());
    EXPECT_FALSE(Find<TCAN_EXYFrm>(*frm)->isVisible());

    frm->Item("English1")->trigger();
    messages_.Clear();
    frm->Item("N31")->trigger();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "please exit ladder monitor! ");
    frm->Item("NStakeoutON")->trigger();
    EXPECT_FALSE(TheModbusLink().IsOpen());
}

TEST_F(MainUtilityTest, TheOpenersShowTheirWindowsModally) {
    auto frm = Started();
    sim_.SetWord(Area::D, 2090, 2011);
    sim_.SetWord(Area::D, 2040, 1234);

    frm->Item("N14")->trigger();
    auto* clock = Find<TSetRTCFrm>(*frm);
    ASSERT_TRUE(clock->isVisible());
    EXPECT_TRUE(clock->isModal());
    clock->reject();

    frm->Item("N31")->trigger();
    auto* analog = Find<TAD_EN_Frm>(*frm);
    ASSERT_TRUE(analog->isVisible());
    EXPECT_TRUE(analog->isModal());
    VX_WAIT_EQ(analog->Value(0, 0)->text(), QString("123.4"), test::kStateWaitMs);
    analog->close();
    EXPECT_FALSE(TheModbusLink().IsOpen());

    for (const char* name : {"N32", "CanExyItem"}) {
        SCOPED_TRACE(name);
        frm->Item(name)->trigger();
        QDialog* dialog = std::string(name) == "N32"
                              ? static_cast<QDialog*>(Find<TPG_TestFrm>(*frm))
                              : Find<TCAN_EXYFrm>(*frm);
        ASSERT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->isModal());
        VX_WAIT_TRUE(dialog->windowTitle().endsWith(".") || dialog->windowTitle().endsWith(" "),
                     test::kStateWaitMs);
        dialog->close();
        EXPECT_FALSE(TheModbusLink().IsOpen());
    }

    frm->Item("N15")->trigger();
    auto* info = Find<TPLCInfoFrm>(*frm);
    VX_WAIT_TRUE(info->isVisible(), test::kStateWaitMs);
    EXPECT_TRUE(info->isModal());
    EXPECT_EQ(info->Label1()->text(), QString("出厂年份: 2011"));
    info->reject();
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(MainUtilityTest, TheInformationClosesTheMemoryMonitorFirst) {
    auto frm = Started();
    bool shown = true;
    int closes = 0;
    frm->Dialogs().memoryMonitorShown = [&] { return shown; };
    frm->Dialogs().closeMemoryMonitor = [&] {
        ++closes;
        shown = false;
    };
    // The clock writes over the monitor's link: it leaves the monitor open.
    frm->Item("N14")->trigger();
    EXPECT_EQ(closes, 0);
    Find<TSetRTCFrm>(*frm)->reject();

    frm->Item("N15")->trigger();
    EXPECT_EQ(closes, 1);
    auto* info = Find<TPLCInfoFrm>(*frm);
    VX_WAIT_TRUE(info->isVisible(), test::kStateWaitMs);
    info->reject();
    frm->Item("N15")->trigger();
    EXPECT_EQ(closes, 1) << "not shown any more";
    VX_WAIT_TRUE(info->isVisible(), test::kStateWaitMs);
    info->reject();

    // Opened from ladder monitoring, the monitor starts it again as it
    // closes; then the command refuses.
    for (const char* name : {"N15", "N31", "N32", "CanExyItem"}) {
        SCOPED_TRACE(name);
        shown = true;
        messages_.Clear();
        frm->Dialogs().closeMemoryMonitor = [&] {
            ++closes;
            shown = false;
            frm->NStakeoutONClick();
        };
        frm->Item(name)->trigger();
        EXPECT_FALSE(shown);
        ASSERT_EQ(messages_.Count(), 1u);
        EXPECT_EQ(messages_.Last().text, "请先退出梯形图监控 ！");
        EXPECT_TRUE(frm->Monitoring());
        frm->NStakeoutONClick();
    }
    EXPECT_FALSE(TheModbusLink().IsOpen());
}

TEST_F(MainUtilityTest, OverModbusTcpWithoutAControllerTheClockAndTheInformationSaySo) {
    auto frm = Started();
    frm->Item("English1")->trigger();
    messages_.Clear();
    TheLinkSettings().tcpPortText = std::to_string(test::RefusedTcpPort());
    frm->Item("N15")->trigger();  // Shift+F2
    EXPECT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "Communication failed!");
    EXPECT_FALSE(Find<TPLCInfoFrm>(*frm)->isVisible());

    frm->Item("N14")->trigger();
    auto* clock = Find<TSetRTCFrm>(*frm);
    ASSERT_TRUE(clock->isVisible());
    clock->BitBtn1()->click();  // "设置(&S)"
    EXPECT_EQ(messages_.Count(), 2u) << "the link failed";
    EXPECT_TRUE(clock->isVisible());
    clock->reject();
    EXPECT_TRUE(sim_.Log().empty());
}

TEST_F(MainUtilityTest, TheClockWritesOverTheShownMemoryMonitorsLink) {
    auto frm = Started();
    frm->Item("N30")->trigger();
    auto* monitor = Find<TMonitorFrm>(*frm);
    ASSERT_TRUE(monitor->isVisible());
    ASSERT_TRUE(monitor->LinkOpen());
    frm->Item("N14")->trigger();
    auto* clock = Find<TSetRTCFrm>(*frm);
    ASSERT_TRUE(clock->isVisible());
    clock->Year()->setValue(2031);
    clock->BitBtn1()->click();
    EXPECT_EQ(sim_.Word(Area::D, 92), 2031);
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "设置成功 ！");
    EXPECT_TRUE(monitor->isVisible()) << "the monitor keeps its link";
    EXPECT_TRUE(TheModbusLink().IsOpen());
    EXPECT_TRUE(monitor->Timer2().isActive()) << "its polling goes on";
    monitor->close();
    EXPECT_FALSE(TheModbusLink().IsOpen());
}

}  // namespace
}  // namespace vx
