// The online utility dialogs against the simulated controller over Modbus
// TCP on the loopback address: the clock's words, the controller information,
// the analog and encoder monitor, the pulse test with its value dialog and the
// CAN module calibration, each with the requests it sends and what a silent
// controller gives.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <functional>
#include <vector>

#include "model/LadderProgram.h"
#include "online/DeviceImage.h"
#include "online/LadderStakeout.h"
#include "online/LinkSettings.h"
#include "online/RegisterCalls.h"
#include "online/qt/AD_EN_Show.h"
#include "online/qt/CAN_EXY.h"
#include "online/qt/PG_Send.h"
#include "online/qt/PG_Test.h"
#include "online/qt/PLCInfo.h"
#include "online/qt/SetRTC.h"
#include "outside/ModbusLink.h"
#include "platform/MessageBox.h"
#include "plcsim/PlcSim.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/SimulatedController.h"
#include "widgets/qt/WgPageControl.h"

namespace vx {
namespace {

using plcsim::Area;
using plcsim::LoggedRequest;

constexpr int kReadRegisters = 3;
constexpr int kWriteRegisters = 16;

// Notes each message box with a state of the window at the moment it is shown.
class BoxWatch {
  public:
    explicit BoxWatch(std::function<bool()> state) {
        previous_ = SetMessagePresenter([this, state](const Message& m) {
            texts.push_back(m.text);
            icons.push_back(m.icon);
            states.push_back(state());
            return MsgAnswer::Ok;
        });
    }
    ~BoxWatch() { SetMessagePresenter(previous_); }
    BoxWatch(const BoxWatch&) = delete;
    BoxWatch& operator=(const BoxWatch&) = delete;

    std::vector<std::string> texts;
    std::vector<MsgIcon> icons;
    std::vector<bool> states;

  private:
    MessagePresenter previous_;
};

// A controller with module 3 online whose writes fail after the first.
class OneModuleLink : public RegisterCalls {
  public:
    bool Open(const LinkParameters&) override { return true; }
    void Close() override {}
    void ReadBits(int, int, int) override {}
    void ReadWords(int start, int, int) override { start_ = start; }
    bool RetakeBits(std::uint8_t*, int) override { return false; }
    bool RetakeWords(std::uint16_t* into, int count) override {
        for (int i = 0; i < count; ++i)
            into[i] = start_ + i == 10523 ? 17 : 0;
        return true;
    }
    bool WriteWords(const std::uint16_t*, int, int, int) override { return ++writes == 1; }
    int writes = 0;

  private:
    int start_ = 0;
};

class UtilityDialogsTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ok());
        test::UseSimulatorLink(sim_.TcpPort());
        // Station 1, 57600 baud, E 8 1; no encoder registers chosen.
        std::string sys(51, '0');
        sys.replace(9, 2, "01");
        sys[11] = '3';
        sys[14] = '2';
        TheProgram().sysParamString = sys;
        TheProgram().holdParamString = std::string(26, '0');
    }
    void TearDown() override {
        TheLinkSettings() = LinkSettings{};
        TheProgram().sysParamString.clear();
        TheProgram().holdParamString.clear();
    }

    // The controller answers nothing from now on (and carries nothing out).
    void Silence() {
        for (int i = 0; i < 2000; ++i)
            sim_.PushFault(plcsim::Fault::Silence());
    }
    // The link settings name a port that does not open, or the simulator's.
    static void UnopenablePort() { TheLinkSettings().tcpPortText = "0"; }
    // Modbus TCP refused: nothing listens on the port.
    static void RefusedPort() {
        TheLinkSettings().tcpPortText = std::to_string(test::RefusedTcpPort());
    }
    void UsablePort() { TheLinkSettings().tcpPortText = std::to_string(sim_.TcpPort()); }

    // Requests of the function, in order.
    std::vector<LoggedRequest> Requests(int function) const {
        std::vector<LoggedRequest> out;
        for (const LoggedRequest& r : sim_.Log())
            if (r.function == function) out.push_back(r);
        return out;
    }
    bool ReadAt(int address, int count) const {
        const auto reads = Requests(kReadRegisters);
        return std::any_of(reads.begin(), reads.end(), [&](const LoggedRequest& r) {
            return r.address == address && r.count == count;
        });
    }
    std::vector<std::string> MessageTexts() const { return messages_.Texts(); }

    plcsim::PlcSim sim_{plcsim::SimOptions{1, false, true, 0, {}}};
    test::MessageRecorder messages_;
};

// ---- the clock ---------------------------------------------------------------

TEST_F(UtilityDialogsTest, TheClockWritesItsThreeWordsOverALinkOfItsOwn) {
    TSetRTCFrm dialog;
    const QDate before = QDate::currentDate();
    dialog.show();
    const QDate after = QDate::currentDate();
    EXPECT_EQ(dialog.windowTitle(), QString("设置PLC时钟"));
    // The fields show the computer's clock.
    const QDate shown(dialog.Year()->value(), dialog.Month()->value(), dialog.Day()->value());
    EXPECT_TRUE(shown == before || shown == after);
    EXPECT_EQ(dialog.Weekday()->count(), 7);
    EXPECT_EQ(dialog.Weekday()->itemText(0), QString("星期日"));
    EXPECT_EQ(dialog.Weekday()->currentIndex(), shown.dayOfWeek() % 7);
    EXPECT_EQ(dialog.Year()->minimum(), 2000);
    EXPECT_EQ(dialog.Year()->maximum(), 2099);
    EXPECT_EQ(dialog.BitBtn1()->text(), QString("设置(&S)"));
    EXPECT_EQ(dialog.BitBtn3()->text(), QString("关闭(&C)"));

    dialog.Year()->setValue(2011);
    dialog.Month()->setValue(3);
    dialog.Day()->setValue(7);
    dialog.Hour()->setValue(14);
    dialog.Minute()->setValue(5);
    dialog.Second()->setValue(42);
    dialog.BitBtn1()->click();

    EXPECT_EQ(sim_.Word(Area::D, 90), 1405);
    EXPECT_EQ(sim_.Word(Area::D, 91), 307);
    EXPECT_EQ(sim_.Word(Area::D, 92), 2011);
    EXPECT_EQ(sim_.Word(Area::D, 93), 0) << "seconds are not sent";
    const auto writes = Requests(kWriteRegisters);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].address, 90);
    EXPECT_EQ(writes[0].count, 3);
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "设置成功 ！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    EXPECT_EQ(messages_.Last().caption, kProductTitle);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(TheModbusLink().IsOpen()) << "its own link is closed again";
}

TEST_F(UtilityDialogsTest, TheClockWritesOverTheMemoryMonitorsLinkWithItsPollingPaused) {
    // The device memory monitor holds the link.
    ASSERT_TRUE(TheModbusCalls().Open(ToolLinkParameters()));
    std::vector<std::string> calls;
    TSetRTCFrm dialog;
    dialog.SetMonitorLink({[&] {
                               calls.push_back("open?");
                               return true;
                           },
                           [&] { calls.push_back("pause"); },
                           [&] {
                               calls.push_back(sim_.Word(Area::D, 92) == 2024 ? "resume after"
                                                                              : "resume before");
                           }});
    dialog.show();
    dialog.Year()->setValue(2024);
    dialog.BitBtn1()->click();
    EXPECT_EQ(calls, (std::vector<std::string>{"open?", "pause", "resume after"}));
    EXPECT_EQ(sim_.Word(Area::D, 92), 2024);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"设置成功 ！"});
    EXPECT_TRUE(TheModbusLink().IsOpen()) << "the monitor's link stays open";
    TheModbusCalls().Close();
}

TEST_F(UtilityDialogsTest, TheClockTellsALinkThatFailsToOpenAndASilentController) {
    TSetRTCFrm dialog;
    dialog.show();
    for (auto port : {&UtilityDialogsTest::RefusedPort, &UtilityDialogsTest::UnopenablePort}) {
        messages_.Clear();
        port();
        dialog.BitBtn1()->click();
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{"通信失败 ！"});
        EXPECT_TRUE(dialog.isVisible()) << "nothing was sent: the fields stay for another try";
        EXPECT_TRUE(sim_.Log().empty());
    }

    messages_.Clear();
    UsablePort();
    Silence();
    dialog.BitBtn1()->click();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"通信失败 ！"});
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(TheModbusLink().IsOpen());
}

// ---- the controller information ------------------------------------------------

TEST_F(UtilityDialogsTest, TheInformationShowsTheIdentityOnceItHasCome) {
    sim_.SetWord(Area::D, 2090, 2011);
    sim_.SetWord(Area::D, 2091, 3);
    sim_.SetWord(Area::D, 2092, 101);
    sim_.SetWord(Area::D, 2093, 0xFFFE);
    sim_.SetWord(Area::D, 2094, 0xFFFF);
    TPLCInfoFrm dialog;
    dialog.Label1()->setText("stale");
    dialog.RePLCInfo();
    EXPECT_EQ(dialog.Label1()->text(), QString("出厂年份:")) << "bare until the answer";
    EXPECT_EQ(dialog.Label2()->text(), QString("出厂月份:"));
    EXPECT_EQ(dialog.Label3()->text(), QString("固件版本:"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Timer1().interval(), 100);
    VX_WAIT_TRUE(dialog.isVisible(), test::kStateWaitMs);

    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.Label1()->text(), QString("出厂年份: 2011"));
    EXPECT_EQ(dialog.Label2()->text(), QString("出厂月份: 3"));
    EXPECT_EQ(dialog.Label3()->text(), QString("固件版本: 101"));
    EXPECT_EQ(dialog.windowTitle(), QString("PLC信息  [ 4294967294 ]"));
    EXPECT_FALSE(dialog.Timer1().isActive());
    EXPECT_FALSE(TheModbusLink().IsOpen());
    const auto reads = Requests(kReadRegisters);
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_EQ(reads[0].address, 2090);
    EXPECT_EQ(reads[0].count, 5);
    EXPECT_TRUE(messages_.Messages().empty());
    dialog.reject();
}

TEST_F(UtilityDialogsTest, TheInformationGivesUpOnASilentControllerAfterTwentyTicks) {
    TPLCInfoFrm dialog;
    RefusedPort();
    dialog.RePLCInfo();
    EXPECT_FALSE(dialog.Timer1().isActive()) << "a link that does not open is told at once";
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"通信失败 ！"});
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    QTest::qWait(300);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(messages_.Count(), 1u);
    EXPECT_TRUE(sim_.Log().empty());
    messages_.Clear();

    UsablePort();
    Silence();
    BoxWatch box([&] { return dialog.Timer1().isActive(); });
    dialog.RePLCInfo();
    ASSERT_TRUE(dialog.Timer1().isActive());
    VX_WAIT_EQ(box.texts.size(), 1u, test::kStateWaitMs);
    EXPECT_EQ(box.texts[0], "通信失败 ！");
    EXPECT_EQ(box.icons[0], MsgIcon::Information);
    EXPECT_EQ(box.states, std::vector<bool>{false}) << "the timer stops before the box";
    EXPECT_EQ(ThePollState().retryCount, 21);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(TheModbusLink().IsOpen());
}

// ---- the analog and encoder monitor -----------------------------------------------

TEST_F(UtilityDialogsTest, TheAnalogMonitorReadsTheTabOnShowAndScalesIt) {
    sim_.SetWord(Area::D, 2040, 1234);
    sim_.SetWord(Area::D, 2043, 5);
    sim_.SetWord(Area::D, 2052, 0x5678);
    sim_.SetWord(Area::D, 2053, 0x0012);
    sim_.SetWord(Area::D, 512, 0xFFFF);  // EN0 = D512/D513 = -1
    sim_.SetWord(Area::D, 513, 0xFFFF);
    sim_.SetWord(Area::D, 518, 300);
    TheProgram().holdParamString.replace(19, 4, "0200");  // E = 512
    TAD_EN_Frm dialog;
    dialog.show();
    TWgPageControl* pages = dialog.WgPageControl1();
    ASSERT_EQ(pages->PageCount(), 4);
    EXPECT_EQ(pages->Pages(0)->Caption(), QString("AD(12bit)"));
    EXPECT_EQ(pages->Pages(1)->Caption(), QString("AD(24bit)"));
    EXPECT_EQ(pages->Pages(2)->Caption(), QString("编码器"));
    EXPECT_EQ(pages->Pages(3)->Caption(), QString("关闭"));
    EXPECT_EQ(dialog.Caption(0, 0)->text(), QString("AD1"));
    EXPECT_EQ(dialog.Caption(1, 3)->text(), QString("AD13"));
    EXPECT_EQ(dialog.Caption(2, 0)->text(), QString("EN0 (D512)"));
    EXPECT_EQ(dialog.Caption(2, 3)->text(), QString("EN3 (D518)"));
    ASSERT_TRUE(dialog.Poller().Polling());

    VX_WAIT_EQ(dialog.Value(0, 0)->text(), QString("123.4"), test::kStateWaitMs);
    EXPECT_EQ(dialog.Value(0, 3)->text(), QString("0.5"));
    EXPECT_EQ(dialog.Value(0, 1)->text(), QString("0.0"));
    EXPECT_TRUE(dialog.windowTitle().startsWith("特殊寄存器监视 "));
    EXPECT_TRUE(ReadAt(2040, 10));

    pages->SetActivePageIndex(1);
    VX_WAIT_EQ(dialog.Value(1, 0)->text(), QString::number(0x125678), test::kStateWaitMs);
    EXPECT_TRUE(ReadAt(2052, 10));
    pages->SetActivePageIndex(2);
    VX_WAIT_EQ(dialog.Value(2, 0)->text(), QString("-1"), test::kStateWaitMs);
    EXPECT_EQ(dialog.Value(2, 3)->text(), QString("300"));
    EXPECT_TRUE(ReadAt(512, 10));

    // The fourth tab closes the window and its link.
    pages->SetActivePageIndex(3);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Poller().Polling());
    EXPECT_FALSE(TheModbusLink().IsOpen());
    const std::size_t sent = sim_.Log().size();
    QTest::qWait(100);
    EXPECT_EQ(sim_.Log().size(), sent);

    // Shown again: the first tab, read afresh.
    dialog.show();
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    VX_WAIT_EQ(dialog.Value(0, 0)->text(), QString("123.4"), test::kStateWaitMs);
    dialog.close();
    EXPECT_FALSE(TheModbusLink().IsOpen());
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(UtilityDialogsTest, AnEncoderBasePastTheDeviceImageIsNeverRead) {
    TheProgram().holdParamString.replace(19, 4, "4E18");  // E = 19992: D19992-D20001
    TAD_EN_Frm dialog;
    dialog.show();
    EXPECT_EQ(dialog.Caption(2, 3)->text(), QString("EN3 (D19998)"));
    VX_WAIT_EQ(dialog.Value(0, 0)->text(), QString("0.0"), test::kStateWaitMs);
    // Switch while a read of the first tab is out; its answer comes in after.
    sim_.SetAnswerDelay(std::chrono::milliseconds(100));
    VX_WAIT_TRUE(!ThePollState().answerReady, test::kStateWaitMs);
    dialog.WgPageControl1()->SetActivePageIndex(2);
    VX_WAIT_TRUE(ThePollState().answerReady, test::kStateWaitMs);
    const std::size_t before = sim_.Log().size();
    QTest::qWait(200);
    EXPECT_FALSE(ReadAt(19992, 10));
    EXPECT_EQ(sim_.Log().size(), before) << "nothing more is read";
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(dialog.Value(2, row)->text(), QString()) << row;
    EXPECT_TRUE(dialog.Poller().Polling());
    dialog.close();

    // 19991 still fits.
    sim_.SetAnswerDelay(std::chrono::milliseconds(0));
    TheProgram().holdParamString.replace(19, 4, "4E17");
    sim_.SetWord(Area::D, 19997, 9);
    dialog.show();
    dialog.WgPageControl1()->SetActivePageIndex(2);
    VX_WAIT_EQ(dialog.Value(2, 3)->text(), QString("9"), test::kStateWaitMs);
    EXPECT_TRUE(ReadAt(19991, 10));
    dialog.close();
}

TEST_F(UtilityDialogsTest, TheAnalogMonitorTellsAFailedLinkInItsCaptionAndGreysItsValues) {
    sim_.SetWord(Area::D, 2040, 1234);
    RefusedPort();
    TAD_EN_Frm dialog;
    dialog.show();
    EXPECT_FALSE(dialog.Poller().Polling());
    EXPECT_EQ(dialog.windowTitle(), QString("AD&编码器监视 通信失败 ！"));
    EXPECT_EQ(dialog.Value(0, 0)->text(), QString());
    QTest::qWait(100);
    EXPECT_TRUE(sim_.Log().empty());
    dialog.close();

    // A controller that answers, then goes away: the values stay, greyed.
    UsablePort();
    dialog.show();
    VX_WAIT_EQ(dialog.Value(0, 0)->text(), QString("123.4"), test::kStateWaitMs);
    EXPECT_TRUE(dialog.Value(0, 0)->isEnabled());
    Silence();
    VX_WAIT_EQ(dialog.windowTitle(), QString("特殊寄存器监视 通信失败 ！"), test::kStateWaitMs);
    EXPECT_FALSE(dialog.Value(0, 0)->isEnabled());
    EXPECT_TRUE(dialog.Poller().Polling()) << "it goes on asking";
    // Back again: live.
    sim_.ClearFaults();
    VX_WAIT_TRUE(dialog.Value(0, 0)->isEnabled(), test::kStateWaitMs);
    EXPECT_NE(dialog.windowTitle(), QString("特殊寄存器监视 通信失败 ！"));
    dialog.close();
    EXPECT_TRUE(messages_.Messages().empty()) << "no box, however many reads were given up";
}

// ---- the pulse test ---------------------------------------------------------------

TEST_F(UtilityDialogsTest, ThePulseTestShowsItsChannels) {
    sim_.SetWord(Area::D, 300, 0x86A0);  // 100000 pulses on K0
    sim_.SetWord(Area::D, 301, 1);
    sim_.SetWord(Area::D, 302, 7);      // output count
    sim_.SetWord(Area::D, 320, 5000);   // K2 target frequency
    sim_.SetWord(Area::D, 323, 250);    // K2 acceleration time
    sim_.SetWord(Area::D, 325, 0b100);  // K2 runs
    TPG_TestFrm dialog;
    dialog.show();
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(
            dialog.Edit(i)->property("Tag").toInt(),
            (std::vector<int>{300, 304, 306, 307, 308, 312, 314, 315, 316, 320, 322, 323}[i]));
    VX_WAIT_EQ(dialog.Edit(0)->text(), QString("100000"), test::kStateWaitMs);
    EXPECT_EQ(dialog.Output(0)->text(), QString("输出: 7"));
    EXPECT_EQ(dialog.Edit(9)->text(), QString("5000"));
    EXPECT_EQ(dialog.Edit(11)->text(), QString("250"));
    EXPECT_TRUE(dialog.windowTitle().startsWith("PG高速测试界面 "));
    EXPECT_TRUE(ReadAt(300, 26));
    auto colour = [&](int k) { return dialog.Shape(k)->palette().color(QPalette::Window); };
    EXPECT_EQ(colour(2), QColor(255, 255, 0));
    EXPECT_EQ(colour(0), QColor(128, 128, 0));

    sim_.SetWord(Area::D, 325, 0b001);
    VX_WAIT_EQ(colour(0), QColor(255, 255, 0), test::kStateWaitMs);
    EXPECT_EQ(colour(2), QColor(128, 128, 0));
    dialog.close();
    EXPECT_FALSE(TheModbusLink().IsOpen());
}

TEST_F(UtilityDialogsTest, ThePulseValueDialogClampsAndWritesOneOrTwoWords) {
    sim_.SetWord(Area::D, 304, 1200);
    TPG_TestFrm dialog;
    dialog.show();
    VX_WAIT_EQ(dialog.Edit(1)->text(), QString("1200"), test::kStateWaitMs);
    TPG_SendFrm* send = dialog.PG_SendFrm();

    // A target frequency: at most 80000, written as a pair.
    QTest::mouseClick(dialog.Edit(1), Qt::LeftButton);
    ASSERT_TRUE(send->isVisible());
    EXPECT_EQ(send->Edit2()->text(), QString("304"));
    EXPECT_EQ(send->Edit1()->text(), QString("1200"));
    EXPECT_EQ(send->Maximum(), 80000);
    send->Edit1()->clear();
    QTest::keyClicks(send->Edit1(), "9x0001");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"设定范围: 0-80000 ！"});
    EXPECT_EQ(send->Edit1()->text(), QString("80000"));
    sim_.ClearLog();
    QTest::keyClick(send->Edit1(), Qt::Key_Return);
    EXPECT_FALSE(send->isVisible());
    EXPECT_EQ(sim_.Word(Area::D, 304), 80000 & 0xFFFF);
    EXPECT_EQ(sim_.Word(Area::D, 305), 1);
    auto writes = Requests(kWriteRegisters);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].address, 304);
    EXPECT_EQ(writes[0].count, 2);
    EXPECT_TRUE(dialog.Poller().Polling()) << "the timer runs again after the write";

    // A start frequency: 16 bits, one word.
    messages_.Clear();
    sim_.ClearLog();
    QTest::mouseClick(dialog.Edit(2), Qt::LeftButton);
    EXPECT_EQ(send->Maximum(), 65535);
    send->Edit1()->setText("65536");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"设定范围: 0-65535 ！"});
    send->BitBtn1()->click();
    EXPECT_EQ(sim_.Word(Area::D, 306), 65535);
    EXPECT_EQ(sim_.Word(Area::D, 307), 0);
    writes = Requests(kWriteRegisters);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].count, 1);

    // Pulses: a text past 32 bits is above the maximum, not wrapped round.
    messages_.Clear();
    QTest::mouseClick(dialog.Edit(4), Qt::LeftButton);
    EXPECT_EQ(send->Maximum(), 2147483647);
    send->Edit1()->setText("4294967297");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"设定范围: 0-2147483647 ！"});
    send->BitBtn1()->click();
    EXPECT_EQ(sim_.Word(Area::D, 308), 0xFFFF);
    EXPECT_EQ(sim_.Word(Area::D, 309), 0x7FFF);

    // An empty text is 0; Escape cancels.
    QTest::mouseClick(dialog.Edit(5), Qt::LeftButton);
    send->Edit1()->clear();
    send->BitBtn1()->click();
    EXPECT_EQ(sim_.Word(Area::D, 312), 0);
    sim_.ClearLog();
    QTest::mouseClick(dialog.Edit(3), Qt::LeftButton);
    QTest::keyClick(send->Edit1(), Qt::Key_Escape);
    EXPECT_FALSE(send->isVisible());
    EXPECT_TRUE(Requests(kWriteRegisters).empty());
    dialog.close();

    // Not polling: a click opens nothing.
    UnopenablePort();
    dialog.show();
    QTest::mouseClick(dialog.Edit(1), Qt::LeftButton);
    EXPECT_FALSE(send->isVisible());
    dialog.close();
}

TEST_F(UtilityDialogsTest, ThePulseTestShowsNothingOfAnEarlierSessionAndGreysWhatIsNotLive) {
    sim_.SetWord(Area::D, 300, 42);
    sim_.SetWord(Area::D, 302, 7);
    sim_.SetWord(Area::D, 325, 0b100);  // K2 runs
    TPG_TestFrm dialog;
    auto colour = [&](int k) { return dialog.Shape(k)->palette().color(QPalette::Window); };
    const QColor grey(192, 192, 192);
    dialog.show();
    VX_WAIT_EQ(dialog.Edit(0)->text(), QString("42"), test::kStateWaitMs);
    EXPECT_EQ(colour(2), QColor(255, 255, 0));
    dialog.close();

    // No controller: blank fields, the bare output lines, grey lamps.
    RefusedPort();
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString("PG高速测试界面 通信失败 ！"));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(dialog.Edit(i)->text(), QString()) << i;
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(dialog.Output(k)->text(), QString("输出: ")) << k;
        EXPECT_EQ(colour(k), grey) << k;
    }
    dialog.close();

    // A silent controller: the same until its reads are given up.
    UsablePort();
    Silence();
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString("PG高速测试界面"));
    EXPECT_EQ(dialog.Edit(0)->text(), QString());
    EXPECT_EQ(colour(2), grey);
    VX_WAIT_EQ(dialog.windowTitle(), QString("PG高速测试界面 通信失败 ！"), test::kStateWaitMs);
    EXPECT_TRUE(ReadAt(300, 26));

    // It answers, then goes away mid-session: the last values stay, greyed.
    sim_.ClearFaults();
    VX_WAIT_EQ(dialog.Edit(0)->text(), QString("42"), test::kStateWaitMs);
    EXPECT_TRUE(dialog.Edit(0)->isEnabled());
    EXPECT_EQ(colour(2), QColor(255, 255, 0));
    Silence();
    VX_WAIT_EQ(dialog.windowTitle(), QString("PG高速测试界面 通信失败 ！"), test::kStateWaitMs);
    EXPECT_EQ(dialog.Edit(0)->text(), QString("42"));
    EXPECT_FALSE(dialog.Edit(0)->isEnabled());
    EXPECT_FALSE(dialog.Output(0)->isEnabled());
    EXPECT_EQ(colour(2), grey);
    dialog.close();
    EXPECT_TRUE(messages_.Messages().empty()) << "no box, however many reads were given up";

    // In English.
    dialog.SetChinese(false);
    RefusedPort();
    dialog.show();
    EXPECT_TRUE(dialog.windowTitle().endsWith(" Communication failed!"))
        << dialog.windowTitle().toStdString();
    EXPECT_EQ(dialog.Output(0)->text(), QString("Output: "));
    dialog.close();
}

TEST_F(UtilityDialogsTest, APulseWriteToASilentControllerIsTold) {
    TPG_TestFrm dialog;
    dialog.show();
    VX_WAIT_TRUE(!dialog.Edit(0)->text().isEmpty(), test::kStateWaitMs);
    QTest::mouseClick(dialog.Edit(0), Qt::LeftButton);
    dialog.PG_SendFrm()->Edit1()->setText("12");
    Silence();
    dialog.PG_SendFrm()->BitBtn1()->click();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"通信失败 ！"});
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    EXPECT_FALSE(dialog.PG_SendFrm()->isVisible());
    EXPECT_EQ(sim_.Word(Area::D, 300), 0);
    dialog.close();
}

// ---- the CAN modules ---------------------------------------------------------------

TEST_F(UtilityDialogsTest, TheCanWindowCountsTheModulesOnlineAndRefusesAnUpdateOfTwo) {
    sim_.SetWord(Area::D, 10523, 17);
    sim_.SetWord(Area::D, 10534, 2);
    TCAN_EXYFrm dialog;
    dialog.show();
    EXPECT_EQ(dialog.BitBtn2()->text(), QString("更新到模块"));
    EXPECT_EQ(dialog.Grid_EX_Show()->columnCount(), 7);
    EXPECT_EQ(dialog.Grid_EX_Show()->rowCount(), 2);
    VX_WAIT_EQ(dialog.OnlineCount(), 2, test::kStateWaitMs);
    EXPECT_TRUE(ReadAt(10520, 16));
    EXPECT_EQ(dialog.SpinEdit1()->value(), 3);
    EXPECT_EQ(dialog.Label3()->text(), QString("XY:100"));
    EXPECT_EQ(dialog.Grid_EX_Show()->item(0, 2)->text(), QString("3:17"));
    EXPECT_EQ(dialog.Grid_EX_Show()->item(1, 6)->text(), QString("14:2"));
    EXPECT_EQ(dialog.Grid_EX_Show()->item(0, 0)->text(), QString("*"));
    EXPECT_TRUE(dialog.windowTitle().startsWith("CAN_EXY模块标定 "));

    dialog.SpinEdit2()->setValue(9);
    EXPECT_EQ(dialog.Label5()->text(), QString("XY:240"));
    dialog.SpinEdit2()->setValue(20);
    EXPECT_EQ(dialog.SpinEdit2()->value(), 14);
    EXPECT_EQ(dialog.Label5()->text(), QString("XY:360"));

    dialog.BitBtn2()->click();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"更新到模块\n条件为: 在线模块数 == (1)"});
    EXPECT_TRUE(Requests(kWriteRegisters).empty());
    EXPECT_TRUE(dialog.BitBtn2()->isEnabled());
    dialog.close();
    EXPECT_FALSE(TheModbusLink().IsOpen());
}

TEST_F(UtilityDialogsTest, TheCanWindowShowsNoModuleItHasNotRead) {
    sim_.SetWord(Area::D, 10523, 17);
    TCAN_EXYFrm dialog;
    dialog.show();
    VX_WAIT_EQ(dialog.OnlineCount(), 1, test::kStateWaitMs);
    dialog.close();

    // No controller: neither online nor offline, no ID.
    RefusedPort();
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString("CAN_EXY模块标定 通信失败 ！"));
    EXPECT_EQ(dialog.OnlineCount(), 0);
    EXPECT_EQ(dialog.SpinEdit1()->text().trimmed(), QString());
    EXPECT_EQ(dialog.Label3()->text(), QString());
    for (int n = 0; n < 14; ++n)
        EXPECT_EQ(dialog.Grid_EX_Show()->item(n / 7, n % 7)->text(), QString()) << n;
    dialog.close();

    // It answers, then goes away: the modules last read stay, greyed.
    UsablePort();
    dialog.show();
    VX_WAIT_EQ(dialog.Grid_EX_Show()->item(0, 2)->text(), QString("3:17"), test::kStateWaitMs);
    EXPECT_EQ(dialog.SpinEdit1()->value(), 3);
    Silence();
    VX_WAIT_EQ(dialog.windowTitle(), QString("CAN_EXY模块标定 通信失败 ！"), test::kStateWaitMs);
    EXPECT_EQ(dialog.Grid_EX_Show()->item(0, 2)->foreground().color(), QColor(128, 128, 128));
    EXPECT_FALSE(dialog.SpinEdit1()->isEnabled());
    dialog.close();
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(UtilityDialogsTest, TheCanUpdateWaitsForTheNewIdAndSendsAgain) {
    sim_.SetWord(Area::D, 10523, 17);
    TCAN_EXYFrm dialog;
    dialog.show();
    VX_WAIT_EQ(dialog.OnlineCount(), 1, test::kStateWaitMs);
    dialog.SpinEdit2()->setValue(5);
    sim_.ClearLog();
    dialog.BitBtn2()->click();
    EXPECT_FALSE(dialog.BitBtn2()->isEnabled());
    EXPECT_EQ(dialog.BitBtn2()->text(), QString("请稍后。。。"));
    EXPECT_EQ(sim_.Word(Area::D, 10550), 192);
    EXPECT_EQ(sim_.Word(Area::D, 10551), 5);
    ASSERT_EQ(Requests(kWriteRegisters).size(), 1u);
    EXPECT_EQ(Requests(kWriteRegisters)[0].address, 10550);
    EXPECT_EQ(Requests(kWriteRegisters)[0].count, 2);

    // The module stays at 3: after more than 50 answers the command goes out again.
    sim_.SetWord(Area::D, 10550, 0);
    VX_WAIT_EQ(Requests(kWriteRegisters).size(), 2u, test::kStateWaitMs);
    EXPECT_GE(Requests(kReadRegisters).size(), 51u);
    EXPECT_EQ(sim_.Word(Area::D, 10550), 192);
    EXPECT_FALSE(dialog.BitBtn2()->isEnabled());

    // The module answers under its new ID.
    sim_.SetWord(Area::D, 10523, 0);
    sim_.SetWord(Area::D, 10525, 17);
    VX_WAIT_TRUE(dialog.BitBtn2()->isEnabled(), test::kStateWaitMs);
    EXPECT_EQ(dialog.BitBtn2()->text(), QString("更新到模块"));
    EXPECT_EQ(dialog.SpinEdit1()->value(), 5);
    EXPECT_EQ(dialog.Label3()->text(), QString("XY:140"));
    EXPECT_TRUE(messages_.Messages().empty());
    dialog.close();
}

// The new-ID box emptied by the user stands for module 1 at once: it shows
// "1", its label "XY:40", and the update sends 1.
TEST_F(UtilityDialogsTest, TheNewIdBoxEmptiedBecomesOne) {
    sim_.SetWord(Area::D, 10523, 17);
    TCAN_EXYFrm dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    VX_WAIT_EQ(dialog.OnlineCount(), 1, test::kStateWaitMs);
    QSpinBox* box = dialog.SpinEdit2();
    box->setValue(5);
    box->setFocus();
    ASSERT_EQ(dialog.Label5()->text(), QString("XY:140"));
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QString("1"));
    EXPECT_EQ(dialog.Label5()->text(), QString("XY:40"));
    QTest::keyClick(box, Qt::Key_Tab);  // leaving the box keeps it
    EXPECT_FALSE(box->hasFocus());
    EXPECT_EQ(box->text(), QString("1"));
    EXPECT_EQ(dialog.Label5()->text(), QString("XY:40"));
    dialog.BitBtn2()->click();
    EXPECT_EQ(sim_.Word(Area::D, 10551), 1);
    dialog.close();
}

TEST_F(UtilityDialogsTest, ACanUpdateToASilentControllerIsToldAndEnds) {
    sim_.SetWord(Area::D, 10523, 17);
    TCAN_EXYFrm dialog;
    dialog.show();
    VX_WAIT_EQ(dialog.OnlineCount(), 1, test::kStateWaitMs);
    Silence();
    dialog.BitBtn2()->click();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"通信失败 ！"});
    EXPECT_TRUE(dialog.BitBtn2()->isEnabled()) << "the update is over";
    EXPECT_EQ(dialog.BitBtn2()->text(), QString("更新到模块"));
    EXPECT_FALSE(dialog.Update().Pending());
    EXPECT_TRUE(dialog.Poller().Polling());
    dialog.close();
}

TEST_F(UtilityDialogsTest, ACanCommandSentAgainFromATickStopsTheTimerBeforeItsBox) {
    OneModuleLink link;
    TCAN_EXYFrm dialog(nullptr, link);
    dialog.show();
    VX_WAIT_EQ(dialog.OnlineCount(), 1, test::kStateWaitMs);
    BoxWatch box([&] { return dialog.Poller().Polling(); });
    dialog.SpinEdit2()->setValue(2);
    dialog.BitBtn2()->click();
    EXPECT_EQ(link.writes, 1);
    EXPECT_FALSE(dialog.BitBtn2()->isEnabled());
    // The module stays at 3; the command goes out again from a tick and fails.
    VX_WAIT_EQ(box.texts.size(), 1u, test::kStateWaitMs);
    EXPECT_EQ(link.writes, 2);
    EXPECT_EQ(box.texts[0], "通信失败 ！");
    EXPECT_EQ(box.states, std::vector<bool>{false});
    EXPECT_TRUE(dialog.Poller().Polling()) << "polling goes on after the box";
    EXPECT_TRUE(dialog.BitBtn2()->isEnabled());
    dialog.close();
}

}  // namespace
}  // namespace vx
