// The texts the online windows write while they work, in the interface
// language told to them: titles with and without the answer spinner, the
// memory monitor's corner and go-to caption, the pulse test's output lines,
// and the messages about the link and refused values. Against the simulated
// controller over Modbus TCP on the loopback address.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/LadderProgram.h"
#include "online/DeviceImage.h"
#include "online/LadderStakeout.h"
#include "online/LinkSettings.h"
#include "online/qt/AD_EN_Show.h"
#include "online/qt/CAN_EXY.h"
#include "online/qt/MonitorDf.h"
#include "online/qt/MonitorFrm.h"
#include "online/qt/MonitorGotoFrm.h"
#include "online/qt/MonitorGrid.h"
#include "online/qt/MonitorRSf.h"
#include "online/qt/PG_Send.h"
#include "online/qt/PG_Test.h"
#include "online/qt/SetRTC.h"
#include "outside/ModbusLink.h"
#include "plcsim/PlcSim.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/SimulatedController.h"

namespace vx {
namespace {

class OnlineLanguageTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ok());
        TheProgram().Clear();
        test::UseSimulatorLink(sim_.TcpPort());
        TheProgram().holdParamString = std::string(26, '0');
    }
    void TearDown() override {
        TheLinkSettings() = LinkSettings{};
        TheProgram().Clear();
    }

    void Silence() {
        for (int i = 0; i < 2000; ++i)
            sim_.PushFault(plcsim::Fault::Silence());
    }
    std::vector<std::string> Texts() const { return messages_.Texts(); }

    plcsim::PlcSim sim_{plcsim::SimOptions{1, false, true, 0, {}}};
    test::MessageRecorder messages_;
};

// Each utility window's title on show and while it polls, in both languages.
TEST_F(OnlineLanguageTest, UtilityWindowTitlesFollowTheLanguage) {
    struct Case {
        const char* window;
        bool chinese;
        const char* shown;    // right after showing
        const char* polling;  // once answers come, before the spinner
    };
    const Case cases[] = {
        {"AD_EN", true, "AD&编码器监视", "特殊寄存器监视 "},
        {"AD_EN", false, "AD & Encoder Monitor", "Special Registers "},
        {"PG_Test", true, "PG高速测试界面", "PG高速测试界面 "},
        {"PG_Test", false, "PG High-Speed Test", "PG High-Speed Test "},
        {"CAN_EXY", true, "CAN_EXY模块标定", "CAN_EXY模块标定 "},
        {"CAN_EXY", false, "CAN_EXY Module Setup", "CAN_EXY Module Setup "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + (c.chinese ? " in Chinese" : " in English"));
        std::unique_ptr<QDialog> dialog;
        const std::string window = c.window;
        if (window == "AD_EN") {
            auto* d = new TAD_EN_Frm;
            d->SetChinese(c.chinese);
            dialog.reset(d);
        } else if (window == "PG_Test") {
            auto* d = new TPG_TestFrm;
            d->SetChinese(c.chinese);
            dialog.reset(d);
        } else {
            auto* d = new TCAN_EXYFrm;
            d->SetChinese(c.chinese);
            dialog.reset(d);
        }
        dialog->show();
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.shown));
        VX_WAIT_TRUE(dialog->windowTitle().startsWith(QString::fromUtf8(c.polling)),
                     test::kStateWaitMs);
        dialog->close();
    }
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(OnlineLanguageTest, PulseTestOutputsAndMessagesInEnglish) {
    sim_.SetWord(plcsim::Area::D, 302, 7);  // K0's output count
    TPG_TestFrm dialog;
    dialog.SetChinese(false);
    dialog.show();
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(dialog.Output(k)->text(), QString("Output: ")) << k;
    VX_WAIT_EQ(dialog.Output(0)->text(), QString("Output: 7"), test::kStateWaitMs);

    // A value above the register's maximum, then a silent controller.
    QTest::mouseClick(dialog.Edit(2), Qt::LeftButton);  // D306, 16 bits
    ASSERT_TRUE(dialog.PG_SendFrm()->isVisible());
    dialog.PG_SendFrm()->Edit1()->setText("70000");
    Silence();
    dialog.PG_SendFrm()->BitBtn1()->click();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Range: 0-65535 !", "Communication failed!"}));
    dialog.close();
}

TEST_F(OnlineLanguageTest, ClockAndCanMessagesInEnglish) {
    {
        TSetRTCFrm clock;
        clock.SetChinese(false);
        clock.show();
        clock.BitBtn1()->click();
        EXPECT_EQ(Texts(), std::vector<std::string>{"Set successfully!"});
    }
    messages_.Clear();
    {
        // No module online: the update's condition is told.
        TCAN_EXYFrm can;
        can.SetChinese(false);
        can.show();
        VX_WAIT_TRUE(can.windowTitle().startsWith("CAN_EXY Module Setup "), test::kStateWaitMs);
        can.BitBtn2()->click();
        EXPECT_EQ(Texts(),
                  std::vector<std::string>{"Update module\nCondition: modules online == (1)"});
        can.close();
    }
    messages_.Clear();
    {
        TSetRTCFrm clock;
        clock.SetChinese(false);
        clock.show();
        Silence();
        clock.BitBtn1()->click();
        EXPECT_EQ(Texts(), std::vector<std::string>{"Communication failed!"});
    }
}

TEST_F(OnlineLanguageTest, MemoryMonitorInEitherLanguage) {
    struct Case {
        bool chinese;
        const char* title;
        const char* corner;
        const char* goTo;
        const char* portNotOpen;
    };
    const Case cases[] = {
        {true, "软元件内存", "元 件", "定位到M:", "通信端口未打开 ！"},
        {false, "Device Memory", "Device", "Go to M:", "Communication port not open!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chinese ? "in Chinese" : "in English");
        messages_.Clear();
        TheLinkSettings().tcpPortText = std::to_string(sim_.TcpPort());
        TMonitorFrm frm;
        frm.Seams().chinese = [&c] { return c.chinese; };
        frm.show();
        EXPECT_EQ(frm.windowTitle(), QString::fromUtf8(c.title));
        VX_WAIT_TRUE(frm.windowTitle().startsWith(QString::fromUtf8(c.title) + " "),
                     test::kStateWaitMs);
        for (MonitorTab tab : {MonitorTab::X, MonitorTab::D, MonitorTab::SD}) {
            const auto* corner = frm.Grid(tab)->findChild<QLabel*>("FixedCell");
            ASSERT_NE(corner, nullptr);
            EXPECT_EQ(corner->text(), QString::fromUtf8(c.corner));
        }
        QString goTo;
        test::WhenModal(&frm, [&](QWidget* modal) {
            goTo = frm.MonitorGotoFrm()->Label1()->text();
            static_cast<QDialog*>(modal)->reject();
        });
        frm.GroupItemClick(MonitorTab::M, 10);  // "其它定位"
        EXPECT_EQ(goTo, QString::fromUtf8(c.goTo));
        frm.close();

        // Opened again on a port that does not open: the writes say so.
        TheLinkSettings().tcpPortText = "0";
        frm.show();
        ASSERT_FALSE(frm.LinkOpen());
        frm.MonitorRSf()->BitBtn2Click(1);
        frm.MonitorDf()->BitBtn1Click();
        EXPECT_EQ(Texts(), (std::vector<std::string>{c.portNotOpen, c.portNotOpen}));
        frm.close();
    }
}

}  // namespace
}  // namespace vx
