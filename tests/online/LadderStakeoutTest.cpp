// Ladder monitoring's poller over a scripted link, and the link settings the
// online functions open the link with.
#include "online/LadderStakeout.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <tuple>
#include <vector>

#include "ScriptedLink.h"
#include "online/LinkSettings.h"

namespace vx {
namespace {

using test::ScriptedLink;

ScanRequest Bit(DeviceKind kind, int start, int count) {
    return {1, static_cast<std::uint8_t>(kind), static_cast<std::uint16_t>(start),
            static_cast<std::uint16_t>(count)};
}
ScanRequest Word(DeviceKind kind, int start, int count) {
    return {0, static_cast<std::uint8_t>(kind), static_cast<std::uint16_t>(start),
            static_cast<std::uint16_t>(count)};
}

class LadderStakeoutTest : public testing::Test {
  protected:
    TickResult Tick() { return LadderStakeoutTick(state_, scheme_, *image_, link_); }

    std::unique_ptr<DeviceImage> image_ = std::make_unique<DeviceImage>();
    ScriptedLink link_;
    PollState state_;
    ScanScheme scheme_;
};

TEST_F(LadderStakeoutTest, SweepsTheListIntoTheImage) {
    scheme_ = {Bit(DeviceKind::M, 10, 3), Word(DeviceKind::TValue, 5, 1),
               Bit(DeviceKind::X, 17, 2)};
    link_.wordValue = 321;

    EXPECT_TRUE(Tick().sent);
    EXPECT_FALSE(Tick().answered) << "not yet answered";
    link_.answerNext = true;
    TickResult r = Tick();
    EXPECT_TRUE(r.answered);
    EXPECT_EQ(state_.spinner, kSpinnerOff);
    EXPECT_TRUE(image_->Bit(DeviceKind::M, 12).value());
    EXPECT_FALSE(image_->Bit(DeviceKind::M, 13).value());
    // What the answer brought is marked read, nothing else.
    EXPECT_TRUE(image_->WasRead(DeviceKind::M, 10) && image_->WasRead(DeviceKind::M, 12));
    EXPECT_FALSE(image_->WasRead(DeviceKind::M, 9) || image_->WasRead(DeviceKind::M, 13));

    EXPECT_TRUE(Tick().sent);
    link_.answerNext = true;
    EXPECT_TRUE(Tick().answered);
    EXPECT_EQ(state_.spinner, kSpinnerOn);
    EXPECT_EQ(image_->Word(DeviceKind::TValue, 5), 321);

    EXPECT_TRUE(Tick().sent);
    link_.answerNext = true;
    Tick();
    EXPECT_TRUE(Tick().sent) << "round again from the first request";
    EXPECT_EQ(link_.reads,
              (std::vector<ScriptedLink::Read>{
                  {true, 10, 3, 1}, {false, 5, 1, 4}, {true, 17, 2, 2}, {true, 10, 3, 1}}));
}

TEST_F(LadderStakeoutTest, EachKindReadsWithItsAreaCode) {
    const int expected[] = {2, 105, 1, 12, 106, 107, 3, 4, 101};
    for (int k = 0; k < kDeviceKindCount; ++k) {
        const auto kind = static_cast<DeviceKind>(k);
        scheme_ = {DeviceImage::IsBitKind(kind) ? Bit(kind, 0, 2) : Word(kind, 0, 2)};
        state_.Reset();
        link_.reads.clear();
        Tick();
        ASSERT_EQ(link_.reads.size(), 1u);
        EXPECT_EQ(link_.reads[0].area, expected[k]);
        EXPECT_EQ(link_.reads[0].bits, DeviceImage::IsBitKind(kind));
    }
}

TEST_F(LadderStakeoutTest, AnUnansweredReadIsGivenUpAfterFiftyAsks) {
    scheme_ = {Word(DeviceKind::D, 0, 2), Word(DeviceKind::D, 100, 2)};
    image_->SetWord(DeviceKind::D, 0, 7);
    image_->MarkRead(DeviceKind::D, 0, 3, true);  // read before the controller went away
    Tick();
    for (int i = 0; i < 50; ++i)
        EXPECT_FALSE(Tick().gaveUp);
    EXPECT_EQ(link_.retakes, 50);
    EXPECT_FALSE(state_.answerReady);
    const TickResult given = Tick();
    EXPECT_FALSE(given.sent) << "the 51st tick gives up without asking";
    EXPECT_TRUE(given.gaveUp);
    EXPECT_EQ(link_.retakes, 50);
    EXPECT_TRUE(state_.answerReady);
    EXPECT_TRUE(Tick().sent);
    EXPECT_EQ(link_.reads.back().start, 100);
    EXPECT_EQ(image_->Word(DeviceKind::D, 0), 7) << "the old value stays";
    // ... but is no longer live; D2, outside the read, still is.
    EXPECT_FALSE(image_->WasRead(DeviceKind::D, 0));
    EXPECT_FALSE(image_->WasRead(DeviceKind::D, 1));
    EXPECT_TRUE(image_->WasRead(DeviceKind::D, 2));
}

TEST_F(LadderStakeoutTest, RepaintsOnlyAfterTenAsksWithFreshData) {
    scheme_ = {Bit(DeviceKind::M, 0, 2)};
    int repaints = 0;
    for (int i = 0; i < 30; ++i)
        repaints += Tick().repaint;
    EXPECT_EQ(repaints, 0) << "no answer, no repaint";
    state_.Reset();
    int answers = 0;
    std::vector<int> repaintedAt;  // the ask of each repaint
    for (int i = 0; i < 40; ++i) {
        link_.answerNext = !state_.answerReady;
        const TickResult r = Tick();
        answers += r.answered;
        if (r.repaint) repaintedAt.push_back(answers);
    }
    // Twenty answers, each on an ask of its own: a repaint after every ten asks.
    EXPECT_EQ(answers, 20);
    EXPECT_EQ(repaintedAt, (std::vector<int>{10, 20}));
    // Ten asks without an answer repaint nothing; the next answer repaints at once.
    Tick();
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(Tick().repaint);
    link_.answerNext = true;
    EXPECT_TRUE(Tick().repaint);
}

TEST_F(LadderStakeoutTest, RequestsPastTheImageAndEmptyListsSendNothing) {
    EXPECT_FALSE(Tick().sent);
    EXPECT_TRUE(link_.reads.empty());
    scheme_ = {Bit(DeviceKind::M, 10000, 2), Word(DeviceKind::D, 19990, 30),
               Word(DeviceKind::D, 5, 2), ScanRequest{1, 6, 0, 2} /* bits of a word kind */,
               ScanRequest{0, 12, 0, 2} /* no kind */};
    EXPECT_TRUE(Tick().sent);
    ASSERT_EQ(link_.reads.size(), 1u);
    EXPECT_EQ(link_.reads[0].start, 5);
    link_.answerNext = true;
    Tick();
    EXPECT_TRUE(Tick().sent);
    EXPECT_EQ(link_.reads.size(), 2u);
    EXPECT_EQ(link_.reads[1].start, 5) << "only the fitting request goes out";
    scheme_ = {Bit(DeviceKind::M, 10000, 2)};
    state_.Reset();
    EXPECT_FALSE(Tick().sent);
}

TEST(LinkSettings, OpenParametersFollowTheProjectAndTheChoice) {
    // Station field 10 (2 digits), baud index field 12, frame field 15.
    const std::string sys = "0200000000136429200005000100640640650660670C80C9000";
    LinkSettings s;
    LinkParameters p = LinkParametersFor(s, sys);
    EXPECT_EQ(p.station, 1);
    EXPECT_EQ(p.baudCode, 11) << "baud index 3 of the project: 57600";
    EXPECT_EQ(p.frame, 2);
    EXPECT_EQ(p.port, 0);
    std::string o81 = sys;
    o81[14] = '1';  // COM1 at O 8 1; COM3's frame (field 17) stays E 8 1
    EXPECT_EQ(LinkParametersFor(s, o81).frame, 1);

    s.fromProject = false;
    s.baudIndex = 4;
    s.comPortIndex = 2;
    p = LinkParametersFor(s, sys);
    EXPECT_EQ(p.baudCode, 12);
    EXPECT_EQ(p.port, 2);
    EXPECT_EQ(PortPanelText(s), " COM3");
    EXPECT_EQ(PortPanelText(s, kSpinnerOn), " COM3 ●");

    s.comPortIndex = 8;
    s.tcpAddress = "127.0.0.1";
    s.tcpPortText = "1502";
    p = LinkParametersFor(s, sys);
    EXPECT_EQ(p.port, kTcpPort);
    EXPECT_EQ(p.tcpAddress, "127.0.0.1");
    EXPECT_EQ(p.tcpPort, "1502");
    EXPECT_EQ(PortPanelText(s), "127.0.0.1");
    s.comPortIndex = 200;  // the settings file keeps a byte: above 7 is Ethernet
    EXPECT_EQ(LinkParametersFor(s, sys).port, kTcpPort);

    // Indices outside the table give a code no link takes, instead of reading past it.
    EXPECT_EQ(BaudCodeAt(5), 12);
    EXPECT_EQ(BaudCodeAt(6), 0);
    EXPECT_EQ(BaudCodeAt(-1), 0);
    std::string badBaud = sys;
    badBaud[11] = 'F';
    EXPECT_EQ(LinkParametersFor(LinkSettings{}, badBaud).baudCode, 0);
    EXPECT_EQ(LinkParametersFor(LinkSettings{}, "").station, 0) << "an empty string reads as 0";
}

// An address or port no link can use is refused when the settings are confirmed.
TEST(LinkSettings, TcpAddressAndPortAreTakenOnlyWhenALinkCanUseThem) {
    constexpr const char* kAddress = "IP 地址不能为空, 也不能有空格 ！";
    constexpr const char* kPort = "端口号为 1 ~ 65535 ！";
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"192.168.1.100", "502", ""},
        {"plc-host", "1", ""},
        {"10.0.0.1", "65535", ""},
        {"", "502", kAddress},
        {"192.168.1.100 ", "502", kAddress},
        {" 10.0.0.1", "502", kAddress},
        {"10.0.\t0.1", "502", kAddress},
        {"10.0.0.1", "", kPort},
        {"10.0.0.1", "0", kPort},
        {"10.0.0.1", "65536", kPort},
        {"10.0.0.1", "99999", kPort},
        {"10.0.0.1", "502 ", kPort},
        {"10.0.0.1", "-502", kPort},
        {"10.0.0.1", "0x1F6", kPort},
    };
    for (const auto& [address, port, problem] : cases) {
        EXPECT_EQ(TcpSettingsProblem(address, port, true), problem) << address << ":" << port;
    }
    EXPECT_EQ(TcpSettingsProblem("1.2.3.4", "0", false), "The port is a number from 1 to 65535!");
}

}  // namespace
}  // namespace vx
