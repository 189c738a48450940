// Ladder monitoring in the main window against the simulated controller over
// Modbus TCP on the loopback address: F8 on and off, the grid following the
// controller's memory, scrolling, a link that cannot open, a controller that
// is not there (nothing drawn live until it is read), the device memory
// monitor's hand-over and the communication settings.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "editor/Settings.h"
#include "editor/qt/Main.h"
#include "editor/qt/ToolImages.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "online/DeviceImage.h"
#include "online/EvaluateCell.h"
#include "online/LadderStakeout.h"
#include "online/LinkSettings.h"
#include "online/qt/LadderPoller.h"
#include "online/qt/SetCOMpro.h"
#include "outside/ModbusLink.h"
#include "platform/paint/Canvas.h"
#include "plcsim/PlcSim.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/ScopedEnv.h"
#include "support/SimulatedController.h"
#include "support/StartedMainWindow.h"
#include "support/ToolButtonClick.h"

#include <QComboBox>
#include <QPushButton>

namespace vx {
namespace {

using plcsim::Area;

class MainOnlineTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ok());
        test::ResetOnlineRunState();
        UseSettings(8);
    }
    void TearDown() override { std::filesystem::remove(SettingsFilePath()); }

    // The settings file the window starts with: port 8 and up is Modbus TCP.
    void UseSettings(int comPort) {
        ASSERT_TRUE(test::UseSimulatorSettings(sim_.TcpPort(), comPort));
    }

    // A started window with a new project: X0 -| |- Y0, M100 -|/|- (T5 K50),
    // and M500 far down in row 300.
    std::unique_ptr<TMainFrm> Started() {
        auto frm = test::StartedMainWindow();
        frm->FileNewItemClick();
        LadderCells& cells = TheProgram().cells;
        auto put = [&](int column, int row, std::uint8_t kind, const char* text) {
            cells.Kind(column, row) = kind;
            cells.First(column, row) = text;
        };
        put(1, 0, CellKind::kOpenContact, "X0");
        put(12, 0, CellKind::kCoil, "Y0");
        put(1, 1, CellKind::kClosedContact, "M100");
        put(12, 1, CellKind::kCoil, "T5 K50");
        put(1, 300, CellKind::kOpenContact, "M500");
        return frm;
    }

    static bool Energised(int column, int row) {
        return EvaluateCell(TheProgram().cells, column, row, TheDeviceImage(), WordDisplay::kSigned)
                   .state != 0;
    }

    plcsim::PlcSim sim_{plcsim::SimOptions{1, false, true, 0, {}}};
    test::MessageRecorder messages_;
};

TEST_F(MainOnlineTest, F8MonitorsTheControllerAndStopsAgain) {
    auto frm = Started();
    TFxToolBarButton* button = frm->Button("StakeoutON");
    QAction* item = frm->Item("NStakeoutON");
    ASSERT_TRUE(item->isEnabled());
    EXPECT_EQ(button->ImageIndex(), kImageMonitorOff);
    sim_.SetBit(Area::X, 0, true);
    sim_.SetBit(Area::Y, 0, true);
    sim_.SetWord(Area::TValue, 5, 31);

    // A poll state left behind by another owner does not confuse this one.
    ThePollState().answerReady = false;
    ThePollState().retryCount = 40;
    item->trigger();
    ASSERT_TRUE(frm->Monitoring());
    EXPECT_TRUE(ThePollState().answerReady);
    EXPECT_EQ(ThePollState().retryCount, 0);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(button->ImageIndex(), kImageMonitorOn);
    EXPECT_EQ(button->Hint(), QString("停止监控 F8"));
    EXPECT_EQ(item->text(), QString("停止监控(&T) "));
    EXPECT_TRUE(frm->LadderEdit()->DrawContext().monitoring);
    EXPECT_EQ(frm->LadderPoller()->Scheme().size(), 5u) << "X0, Y0, M100, T5 and its value";
    EXPECT_TRUE(messages_.Messages().empty());

    VX_WAIT_TRUE(Energised(1, 0) && Energised(12, 0), test::kStateWaitMs);
    EXPECT_TRUE(Energised(1, 1)) << "M100 is OFF: the closed contact conducts";
    VX_WAIT_EQ(TheDeviceImage().Word(DeviceKind::TValue, 5).value(), 31, test::kStateWaitMs);
    EXPECT_TRUE(frm->StatusPanel(2)->text().startsWith("127.0.0.1 "));
    EXPECT_FALSE(Energised(1, 300)) << "not in view";

    // The grid follows the controller.
    sim_.SetBit(Area::X, 0, false);
    sim_.SetBit(Area::M, 100, true);
    VX_WAIT_TRUE(!Energised(1, 0) && !Energised(1, 1), test::kStateWaitMs);

    // Scrolling reads the rows that come into view.
    sim_.SetBit(Area::M, 500, true);
    frm->LadderEdit()->verticalScrollBar()->setValue(295);
    EXPECT_EQ(frm->LadderPoller()->Scheme().size(), 1u);
    VX_WAIT_TRUE(Energised(1, 300), test::kStateWaitMs);

    // F8 again stops and closes the link.
    const std::uint64_t sent = TheModbusLink().RequestsSent();
    EXPECT_GT(sent, 4u);
    test::ClickToolButton(button);
    EXPECT_FALSE(frm->Monitoring());
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(button->ImageIndex(), kImageMonitorOff);
    EXPECT_EQ(button->Hint(), QString("开始监控 F8"));
    EXPECT_EQ(item->text(), QString("开始监控(&S)"));
    EXPECT_FALSE(frm->LadderEdit()->DrawContext().monitoring);
    EXPECT_FALSE(TheModbusLink().IsOpen());
    VX_WAIT_EQ(sim_.TcpConnections(), 0, test::kStateWaitMs);
    EXPECT_EQ(frm->StatusPanel(2)->text(), QString("127.0.0.1"));
    QTest::qWait(100);
    EXPECT_FALSE(frm->Monitoring());
}

TEST_F(MainOnlineTest, ALinkThatCannotOpenLeavesMonitoringOffAndTheStatusBarSaysSo) {
    UseSettings(4);  // COM5, which does not exist
    test::ScopedEnv com5("VXTORVIN_COM5", "/nonexistent/ttyPLC");
    auto frm = Started();
    test::ClickToolButton(frm->Button("StakeoutON"));
    EXPECT_FALSE(frm->Monitoring());
    EXPECT_FALSE(frm->Button("StakeoutON")->Down());
    EXPECT_EQ(frm->Button("StakeoutON")->ImageIndex(), kImageMonitorOff);
    EXPECT_EQ(frm->Button("StakeoutON")->Hint(), QString("开始监控 F8"));
    EXPECT_FALSE(frm->LadderEdit()->DrawContext().monitoring);
    EXPECT_EQ(frm->StatusPanel(2)->text(), QString(" COM5 通信失败 ！"));
    EXPECT_TRUE(messages_.Messages().empty()) << "no box";
    EXPECT_FALSE(TheModbusLink().IsOpen());

    // Every station a controller can be given on its serial port is
    // monitored, the ones the protocol reserves too. Station 0, the broadcast,
    // which no controller answers, is refused with the reason, in the
    // interface language.
    plcsim::PlcSim rtu(plcsim::SimOptions{248, true, false, 0, {}});
    ASSERT_TRUE(rtu.Ok());
    test::ScopedEnv com1("VXTORVIN_COM1", rtu.DevicePath().c_str());
    TheLinkSettings().comPortIndex = 0;
    std::string& sys = TheProgram().sysParamString;
    sys.replace(9, 2, "F8");  // station 248
    frm->Item("NStakeoutON")->trigger();
    ASSERT_TRUE(frm->Monitoring());
    rtu.SetBit(Area::X, 0, true);
    VX_WAIT_TRUE(Energised(1, 0), test::kStateWaitMs);
    EXPECT_TRUE(frm->StatusPanel(2)->text().startsWith(" COM1 "));
    EXPECT_TRUE(messages_.Messages().empty());
    frm->Item("NStakeoutON")->trigger();
    EXPECT_FALSE(TheModbusLink().IsOpen());

    sys.replace(9, 2, "00");
    const std::uint64_t sent = TheModbusLink().RequestsSent();
    frm->Item("NStakeoutON")->trigger();
    EXPECT_FALSE(frm->Monitoring());
    EXPECT_FALSE(TheModbusLink().IsOpen());
    EXPECT_EQ(TheModbusLink().RequestsSent(), sent) << "nothing broadcast";
    EXPECT_EQ(frm->StatusPanel(2)->text(), QString(" COM1 通信失败 ！"));
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text,
              "站号 0 是广播地址, 控制器不应答 ！请在系统参数中把站号设为 1 ~ 255。");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    frm->Item("English1")->trigger();
    frm->Item("NStakeoutON")->trigger();
    EXPECT_FALSE(frm->Monitoring());
    ASSERT_EQ(messages_.Count(), 2u);
    EXPECT_EQ(messages_.Last().text,
              "Station 0 is the broadcast address, which the controller does not answer! Set "
              "the station to 1 ~ 255 in the system parameters.");
}

TEST_F(MainOnlineTest, AControllerThatDoesNotAnswerIsToldOnceInTheStatusBar) {
    auto frm = Started();
    QSignalSpy told(frm->LadderPoller(), &TLadderPoller::LinkFailed);
    const QString failed("127.0.0.1 通信失败 ！");

    // Modbus TCP refused.
    TheLinkSettings().tcpPortText = std::to_string(test::RefusedTcpPort());
    frm->Item("NStakeoutON")->trigger();
    EXPECT_FALSE(frm->Monitoring());
    EXPECT_EQ(frm->StatusPanel(2)->text(), failed);
    EXPECT_TRUE(sim_.Log().empty());

    // A silent controller: monitoring runs, its reads are given up one after
    // the other, and the status bar says so once.
    TheLinkSettings().tcpPortText = std::to_string(sim_.TcpPort());
    for (int i = 0; i < 2000; ++i)
        sim_.PushFault(plcsim::Fault::Silence());
    frm->Item("NStakeoutON")->trigger();
    ASSERT_TRUE(frm->Monitoring());
    VX_WAIT_EQ(frm->StatusPanel(2)->text(), failed, test::kStateWaitMs);
    VX_WAIT_TRUE(sim_.Log().size() >= 3u, test::kStateWaitMs);
    EXPECT_EQ(told.count(), 1) << "once, however many reads are given up";

    // It answers: the spinner is back. It goes away again: told again, once.
    sim_.ClearFaults();
    VX_WAIT_TRUE(frm->StatusPanel(2)->text() != failed, test::kStateWaitMs);
    EXPECT_TRUE(frm->StatusPanel(2)->text().startsWith("127.0.0.1 "));
    sim_.PushFault(plcsim::Fault::Of(plcsim::Fault::Kind::Hangup));
    VX_WAIT_EQ(frm->StatusPanel(2)->text(), failed, test::kStateWaitMs);
    const std::uint64_t sent = TheModbusLink().RequestsSent();
    VX_WAIT_TRUE(TheModbusLink().RequestsSent() >= sent + 2, test::kStateWaitMs);
    EXPECT_EQ(told.count(), 2);
    EXPECT_TRUE(frm->Monitoring());
    frm->Item("NStakeoutON")->trigger();
    EXPECT_EQ(frm->StatusPanel(2)->text(), QString("127.0.0.1"));
    EXPECT_TRUE(messages_.Messages().empty()) << "never a box";
}

// Nothing on the line: every read is given up, and until a device is read
// since the link opened nothing of it is drawn live, so the closed contact on
// M100, the wires beside it and T5's value keep the editing look. The failure
// shows whole in the port's panel at 1200 and 1280 pixels, in either
// language. Once the controller answers the row is live; the next start of
// monitoring, with the controller silent again, reads nothing of it anew.
TEST_F(MainOnlineTest, NothingUnreadIsDrawnLiveAndTheFailureShowsWhole) {
    auto frm = Started();
    for (int column = 2; column <= 11; ++column)
        TheProgram().cells.Kind(column, 1) = CellKind::kLine;
    TLadderGrid* grid = frm->LadderEdit();
    auto rows = [&] {
        QImage image(TLadderGrid::FullWidth(), 2 * grid->DefaultRowHeight(), QImage::Format_RGB32);
        QPainter painter(&image);
        grid->PaintRows(painter, 0, 2);
        return image;
    };
    auto editingLook = [&] {
        LadderDrawContext& context = grid->DrawContext();
        context.monitoring = false;
        const QImage image = rows();
        context.monitoring = true;
        return image;
    };
    auto live = [&](const QRect& cell) {
        const QImage image = rows();
        const QRgb stakeout = ToQColor(grid->DrawContext().colors.stakeout).rgb();
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                if (image.pixel(x, y) == stakeout) return true;
            }
        }
        return false;
    };
    const int h = grid->DefaultRowHeight();
    const QRect closedContact(33, h, 57, h), wire(33 + 57 * 4, h, 57, h);
    QLabel* panel = frm->StatusPanel(2);
    auto whole = [&] { return test::ShowsWhole(*panel); };

    const std::pair<const char*, const char*> languages[] = {
        {"Chinese1", "127.0.0.1 通信失败 ！"}, {"English1", "127.0.0.1 Communication failed!"}};
    for (const auto& entry : languages) {
        // Named, not bound: the waits capture them.
        const char* const language = entry.first;
        const QString failed(entry.second);
        SCOPED_TRACE(language);
        frm->Item(language)->trigger();
        for (int i = 0; i < 2000; ++i)
            sim_.PushFault(plcsim::Fault::Silence());
        frm->Item("NStakeoutON")->trigger();
        ASSERT_TRUE(frm->Monitoring());
        VX_WAIT_EQ(panel->text(), failed, test::kStateWaitMs);
        EXPECT_TRUE(rows() == editingLook()) << "nothing read, nothing live";
        for (int width : {1200, 1280}) {
            frm->resize(width, frm->height());
            VX_WAIT_EQ(frm->width(), width, test::kStateWaitMs);
            VX_WAIT_TRUE(whole(), test::kStateWaitMs);
        }

        sim_.ClearFaults();
        VX_WAIT_TRUE(live(closedContact) && live(wire), test::kStateWaitMs);
        EXPECT_TRUE(rows() != editingLook());
        frm->Item("NStakeoutON")->trigger();
        ASSERT_FALSE(frm->Monitoring());
    }
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(MainOnlineTest, MonitoringConnectsAgainAfterTheControllerHungUp) {
    auto frm = Started();
    frm->Item("NStakeoutON")->trigger();
    ASSERT_TRUE(frm->Monitoring());
    sim_.SetBit(Area::X, 0, true);
    VX_WAIT_TRUE(Energised(1, 0), test::kStateWaitMs);

    sim_.PushFault(plcsim::Fault::Of(plcsim::Fault::Kind::Hangup));
    VX_WAIT_EQ(sim_.TcpConnections(), 0, test::kStateWaitMs);
    sim_.SetBit(Area::X, 0, false);
    const std::uint64_t sent = TheModbusLink().RequestsSent();
    VX_WAIT_TRUE(TheModbusLink().RequestsSent() > sent + 2, test::kStateWaitMs);
    EXPECT_TRUE(Energised(1, 0)) << "nothing was read after the hang-up";
    EXPECT_TRUE(frm->Monitoring());

    // Stopping and starting again connects again.
    frm->Item("NStakeoutON")->trigger();
    EXPECT_FALSE(frm->Monitoring());
    frm->Item("NStakeoutON")->trigger();
    ASSERT_TRUE(frm->Monitoring());
    VX_WAIT_EQ(sim_.TcpConnections(), 1, test::kStateWaitMs);
    VX_WAIT_TRUE(!Energised(1, 0), test::kStateWaitMs);
    frm->Item("NStakeoutON")->trigger();
    EXPECT_FALSE(TheModbusLink().IsOpen());
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(MainOnlineTest, F8WhileTheMemoryMonitorIsShownEndsWithMonitoringOn) {
    auto frm = Started();
    // The device memory monitor, opened from ladder monitoring, starts it
    // again when it closes.
    bool shown = true;
    int closes = 0;
    frm->Dialogs().memoryMonitorShown = [&] { return shown; };
    frm->Dialogs().closeMemoryMonitor = [&] {
        ++closes;
        shown = false;
        frm->NStakeoutONClick();
    };
    frm->NStakeoutONClick();
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(frm->Monitoring());
    EXPECT_TRUE(frm->Button("StakeoutON")->Down());
    EXPECT_EQ(frm->Button("StakeoutON")->ImageIndex(), kImageMonitorOn);
    EXPECT_TRUE(TheModbusLink().IsOpen());
    frm->NStakeoutONClick();
    EXPECT_FALSE(frm->Monitoring());

    // Opened on its own, it only hands the link back.
    shown = true;
    frm->Dialogs().closeMemoryMonitor = [&] {
        ++closes;
        shown = false;
    };
    frm->NStakeoutONClick();
    EXPECT_EQ(closes, 2);
    EXPECT_TRUE(frm->Monitoring());
    frm->NStakeoutONClick();
    EXPECT_FALSE(TheModbusLink().IsOpen());
}

TEST_F(MainOnlineTest, CommunicationSettingsReachTheStatusBarAndTheSettingsFile) {
    auto frm = Started();
    EXPECT_EQ(frm->StatusPanel(2)->text(), QString("127.0.0.1"));
    EXPECT_EQ(TheLinkSettings().comPortIndex, kEthernetPortIndex) << "taken from the settings file";
    EXPECT_EQ(TheLinkSettings().tcpPortText, std::to_string(sim_.TcpPort()));
    QTimer::singleShot(0, frm.get(), [&] {
        TsetCOMpro* dialog = frm->SetCOMpro();
        ASSERT_TRUE(dialog->isVisible());
        dialog->Compro()->setCurrentIndex(2);
        dialog->BitBtn1()->click();
    });
    test::ClickToolButton(frm->Button("ComToolButton"));
    EXPECT_EQ(frm->StatusPanel(2)->text(), QString(" COM3"));
    EXPECT_EQ(frm->CurrentSettings().comPort, 2);
    EXPECT_EQ(TheLinkSettings().comPortIndex, 2);

    QTimer::singleShot(0, frm.get(), [&] {
        frm->SetCOMpro()->Compro()->setCurrentIndex(0);
        frm->SetCOMpro()->BitBtn3()->click();
    });
    frm->Item("N13")->trigger();
    EXPECT_EQ(frm->CurrentSettings().comPort, 2) << "cancelled";
}

}  // namespace
}  // namespace vx
