// The utility dialogs' registers and rules as data: the shared poll step over
// a scripted link, the clock's words, the identity texts, analog and encoder
// scaling, the pulse channels' maxima and the value check, and the CAN
// modules' online and update rules.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ScriptedLink.h"
#include "online/AnalogEncoder.h"
#include "online/CanModules.h"
#include "online/ClockWords.h"
#include "online/PlcIdentity.h"
#include "online/PulseChannels.h"
#include "online/RegisterPoll.h"

namespace vx {
namespace {

using test::ScriptedLink;

class RegisterPollTest : public testing::Test {
  protected:
    RegisterPollResult Tick(int start, int count) {
        return RegisterPollTick(state_, start, count, *image_, link_);
    }
    std::unique_ptr<DeviceImage> image_ = std::make_unique<DeviceImage>();
    ScriptedLink link_ = [] {
        ScriptedLink link;
        link.wordStep = 1;
        return link;
    }();
    PollState state_;
};

TEST_F(RegisterPollTest, ReadsTheWindowIntoTheDImageAndTurnsTheSpinner) {
    state_.spinner = " ○";  // left by ladder monitoring
    EXPECT_TRUE(Tick(2040, 10).sent);
    EXPECT_FALSE(state_.answerReady);
    EXPECT_EQ(link_.reads, (std::vector<ScriptedLink::Read>{{false, 2040, 10, 3}}));

    EXPECT_FALSE(Tick(2040, 10).answered);
    EXPECT_EQ(state_.retryCount, 1);
    link_.wordValue = 100;
    link_.answerNext = true;
    EXPECT_TRUE(Tick(2040, 10).answered);
    EXPECT_TRUE(state_.answerReady);
    EXPECT_EQ(state_.retryCount, 0);
    EXPECT_EQ(state_.spinner, ".");
    EXPECT_EQ(image_->Word(DeviceKind::D, 2040), 100);
    EXPECT_EQ(image_->Word(DeviceKind::D, 2049), 109);
    EXPECT_EQ(image_->Word(DeviceKind::D, 2050), 0);
    EXPECT_TRUE(image_->WasRead(DeviceKind::D, 2049));
    EXPECT_FALSE(image_->WasRead(DeviceKind::D, 2050));

    // The next read goes out; its answer turns the spinner back.
    EXPECT_TRUE(Tick(2040, 10).sent);
    link_.answerNext = true;
    EXPECT_TRUE(Tick(2040, 10).answered);
    EXPECT_EQ(state_.spinner, " ");
}

TEST_F(RegisterPollTest, AnAnswerLandsAtTheReadItAnswersAfterATabSwitch) {
    Tick(2040, 10);
    link_.wordValue = 7;
    link_.answerNext = true;
    // The window moved to the 24-bit tab while the read was out.
    EXPECT_TRUE(Tick(2052, 10).answered);
    EXPECT_EQ(image_->Word(DeviceKind::D, 2040), 7);
    EXPECT_EQ(image_->Word(DeviceKind::D, 2049), 16);
    EXPECT_EQ(image_->Word(DeviceKind::D, 2050), 0) << "nothing written past the read";
    EXPECT_EQ(image_->Word(DeviceKind::D, 2052), 0) << "the 12-bit values are not the 24-bit ones";
    Tick(2052, 10);
    EXPECT_EQ(link_.reads.back(), (ScriptedLink::Read{false, 2052, 10, 3}));
}

TEST_F(RegisterPollTest, AReadIsGivenUpAfterFiftyAsks) {
    Tick(300, 26);
    for (int i = 0; i < 49; ++i)
        Tick(300, 26);
    EXPECT_EQ(link_.retakes, 49);
    EXPECT_FALSE(state_.answerReady);
    Tick(300, 26);
    EXPECT_EQ(link_.retakes, 50);
    EXPECT_FALSE(state_.answerReady);
    image_->MarkRead(DeviceKind::D, 300, 26, true);
    EXPECT_TRUE(Tick(300, 26).gaveUp);
    EXPECT_FALSE(image_->WasRead(DeviceKind::D, 325)) << "no longer live";
    EXPECT_EQ(link_.retakes, 50) << "the 51st tick gives up without asking";
    EXPECT_TRUE(state_.answerReady);
    EXPECT_EQ(state_.retryCount, 0);
    EXPECT_TRUE(Tick(300, 26).sent);
    EXPECT_EQ(link_.reads.size(), 2u);
}

TEST_F(RegisterPollTest, AWindowPastTheEndOfTheImageIsNeverRead) {
    // Encoder bases: 19991 still fits (D19991-D20000), 19992 does not.
    EXPECT_TRUE(RegisterWindowFits(19991, 10));
    EXPECT_FALSE(RegisterWindowFits(19992, 10));
    EXPECT_FALSE(RegisterWindowFits(65535, 10));
    EXPECT_FALSE(RegisterWindowFits(-1, 10));

    const RegisterPollResult result = Tick(19992, 10);
    EXPECT_TRUE(result.refused);
    EXPECT_FALSE(result.sent);
    EXPECT_TRUE(link_.reads.empty());
    EXPECT_TRUE(state_.answerReady) << "nothing outstanding";
    EXPECT_TRUE(Tick(0xFFFF, 10).refused);
    EXPECT_TRUE(link_.reads.empty());

    EXPECT_TRUE(Tick(19991, 10).sent);
    link_.answerNext = true;
    link_.wordValue = 5;
    EXPECT_TRUE(Tick(19991, 10).answered);
    EXPECT_EQ(image_->Word(DeviceKind::D, 20000), 14);
}

TEST(ClockWordsTest, HourMinuteMonthDayAndYear) {
    EXPECT_EQ(ClockWords({2011, 3, 7, 14, 5}), (std::array<std::uint16_t, 3>{1405, 307, 2011}));
    EXPECT_EQ(ClockWords({2099, 12, 31, 23, 59}), (std::array<std::uint16_t, 3>{2359, 1231, 2099}));
    EXPECT_EQ(ClockWords({2000, 1, 1, 0, 0}), (std::array<std::uint16_t, 3>{0, 101, 2000}));
}

TEST(PlcIdentityTest, LabelsAndTheUnsignedIdentifierInTheCaption) {
    const std::vector<std::uint16_t> words{2011, 3, 101, 0xFFFF, 0xFFFF};
    const PlcInfoTexts t = InfoTexts(IdentityOfWords(words));
    EXPECT_EQ(t.year, "出厂年份: 2011");
    EXPECT_EQ(t.month, "出厂月份: 3");
    EXPECT_EQ(t.version, "固件版本: 101");
    EXPECT_EQ(t.caption, "PLC信息  [ 4294967295 ]");
    const std::vector<std::uint16_t> low{2024, 12, 1, 0x5678, 0x1234};
    EXPECT_EQ(InfoTexts(IdentityOfWords(low)).caption, "PLC信息  [ 305419896 ]");
    EXPECT_EQ(InfoTexts(IdentityOfWords(std::vector<std::uint16_t>{1, 2})).caption,
              "PLC信息  [ 0 ]");

    const PlcInfoTexts english = InfoTexts(IdentityOfWords(words), false);
    EXPECT_EQ(english.year, "Factory year: 2011");
    EXPECT_EQ(english.version, "Firmware version: 101");
    EXPECT_EQ(english.caption, "PLC Information  [ 4294967295 ]");
    EXPECT_EQ(BareInfoTexts(false).month, "Factory month:");
    EXPECT_EQ(BareInfoTexts(true).month, "出厂月份:");
}

TEST(AnalogEncoderTest, StartsLabelsAndScaling) {
    std::string hold(26, '0');
    hold.replace(19, 4, "01F4");  // E = 500
    const int e = EncoderBase(hold);
    EXPECT_EQ(e, 500);
    EXPECT_EQ(AnalogStart(kAd12Tab, e), 2040);
    EXPECT_EQ(AnalogStart(kAd24Tab, e), 2052);
    EXPECT_EQ(AnalogStart(kEncoderTab, e), 500);
    EXPECT_EQ(EncoderLabels(e),
              (std::array<std::string, 4>{"EN0 (D500)", "EN1 (D502)", "EN2 (D504)", "EN3 (D506)"}));
    EXPECT_EQ(EncoderBase("short"), 0);

    EXPECT_EQ(TenthsText(1234), "123.4");
    EXPECT_EQ(TenthsText(5), "0.5");
    EXPECT_EQ(TenthsText(0), "0.0");
    EXPECT_EQ(TenthsText(65535), "6553.5");

    auto image = std::make_unique<DeviceImage>();
    image->SetWord(DeviceKind::D, 2040, 1234);
    image->SetWord(DeviceKind::D, 2043, 4095);
    image->SetRegisterPair(2052, 8388607);
    image->SetRegisterPair(2058, static_cast<std::uint32_t>(-2));
    image->SetRegisterPair(506, 70000);
    EXPECT_EQ(AnalogValues(kAd12Tab, 2040, *image),
              (std::array<std::string, 4>{"123.4", "0.0", "0.0", "409.5"}));
    EXPECT_EQ(AnalogValues(kAd24Tab, 2052, *image),
              (std::array<std::string, 4>{"8388607", "0", "0", "-2"}));
    EXPECT_EQ(AnalogValues(kEncoderTab, 500, *image),
              (std::array<std::string, 4>{"0", "0", "0", "70000"}));
    EXPECT_EQ(AnalogValues(kEncoderTab, 19995, *image),
              (std::array<std::string, 4>{"0", "0", "0", ""}))
        << "EN3 would be D20001/D20002";
}

TEST(PulseChannelsTest, MaximaAndWordCountsOfTheTwelveEdits) {
    const std::int64_t expected[12] = {2147483647, 80000, 65535,      65535, 2147483647, 80000,
                                       65535,      65535, 2147483647, 80000, 65535,      65535};
    for (std::size_t i = 0; i < kPulseEditRegisters.size(); ++i) {
        SCOPED_TRACE(kPulseEditRegisters[i]);
        EXPECT_EQ(PulseMaximum(kPulseEditRegisters[i]), expected[i]);
    }
    EXPECT_EQ(PulseWordCount(65535), 1);
    EXPECT_EQ(PulseWordCount(80000), 2);
    EXPECT_EQ(PulseWordCount(2147483647), 2);
    EXPECT_EQ(PulseWords(80000), (std::array<std::uint16_t, 2>{0x3880, 1}));
}

TEST(PulseChannelsTest, ValuesOfTheChannelsFromTheImage) {
    auto image = std::make_unique<DeviceImage>();
    image->SetRegisterPair(308, 123456);
    image->SetRegisterPair(310, static_cast<std::uint32_t>(-5));
    image->SetWord(DeviceKind::D, 322, 65535);
    image->SetWord(DeviceKind::D, 325, 0b101);
    // Nothing read yet: blank values, a bare output line, no running state known.
    EXPECT_EQ(PulseValueText(308, *image), "");
    EXPECT_EQ(PulseOutputText(1, *image), "输出: ");
    EXPECT_FALSE(PulseRunningKnown(*image));
    image->MarkRead(DeviceKind::D, 300, 26, true);
    EXPECT_TRUE(PulseRunningKnown(*image));
    EXPECT_EQ(PulseValueText(308, *image), "123456");
    EXPECT_EQ(PulseValueText(322, *image), "65535");
    EXPECT_EQ(PulseOutputText(1, *image), "输出: -5");
    EXPECT_EQ(PulseOutputText(1, *image, false), "Output: -5");
    EXPECT_TRUE(PulseChannelRunning(0, *image));
    EXPECT_FALSE(PulseChannelRunning(1, *image));
    EXPECT_TRUE(PulseChannelRunning(2, *image));
}

TEST(PulseChannelsTest, TheValueCheckClampsAboveTheMaximum) {
    struct Case {
        const char* text;
        std::int64_t maximum;
        const char* shown;
        std::uint32_t value;
        bool above;
    };
    const Case cases[] = {
        {"", 65535, "0", 0, false},
        {"65535", 65535, "65535", 65535, false},
        {"65536", 65535, "65535", 65535, true},
        {"80001", 80000, "80000", 80000, true},
        {"007", 80000, "007", 7, false},
        {"2147483647", 2147483647, "2147483647", 2147483647, false},
        {"2147483648", 2147483647, "2147483647", 2147483647, true},
        // Texts past 32 bits are above every maximum, not wrapped round.
        {"4294967296", 2147483647, "2147483647", 2147483647, true},
        {"4294967297", 80000, "80000", 80000, true},
        {"99999999999999999999999999", 65535, "65535", 65535, true},
        {"12a3", 80000, "123", 123, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const PulseEntry e = CheckPulseEntry(c.text, c.maximum);
        EXPECT_EQ(e.text, c.shown);
        EXPECT_EQ(e.value, c.value);
        EXPECT_EQ(e.aboveMaximum, c.above);
    }
    EXPECT_EQ(PulseRangeMessage(80000), "设定范围: 0-80000 ！");
    EXPECT_EQ(PulseRangeMessage(65535, /*chinese=*/false), "Range: 0-65535 !");
}

TEST(CanModulesTest, OnlineModulesCurrentIdAndGrid) {
    auto image = std::make_unique<DeviceImage>();
    // Not read: neither online nor offline.
    const CanView unknown = CanViewOf(*image);
    EXPECT_EQ(unknown.currentId, kCanIdUnknown);
    EXPECT_FALSE(unknown.known);
    EXPECT_EQ(unknown.cells[0], "");
    image->MarkRead(DeviceKind::D, kCanStart, kCanWords, true);
    CanView none = CanViewOf(*image);
    EXPECT_TRUE(none.known);
    EXPECT_EQ(none.currentId, 0);
    EXPECT_EQ(none.onlineCount, 0);
    for (const std::string& cell : none.cells)
        EXPECT_EQ(cell, "*");

    image->SetWord(DeviceKind::D, 10520, 9);  // not a module
    image->SetWord(DeviceKind::D, 10523, 17);
    image->SetWord(DeviceKind::D, 10534, 2);
    image->SetWord(DeviceKind::D, 10535, 9);  // not a module
    const CanView two = CanViewOf(*image);
    EXPECT_EQ(two.currentId, 3);
    EXPECT_EQ(two.onlineCount, 2);
    EXPECT_EQ(two.cells[2], "3:17");
    EXPECT_EQ(two.cells[13], "14:2");
    EXPECT_EQ(two.cells[0], "*");
    EXPECT_FALSE(CanUpdateAllowed(two.onlineCount));
    EXPECT_TRUE(CanUpdateAllowed(1));
    EXPECT_FALSE(CanUpdateAllowed(0));

    EXPECT_EQ(XyLabel(0), "XY:0");
    EXPECT_EQ(XyLabel(3), "XY:100");
    EXPECT_EQ(XyLabel(4), "XY:120");
    EXPECT_EQ(XyLabel(14), "XY:360");
    EXPECT_EQ(XyLabel(15), "XY:0");
    EXPECT_EQ(ModuleIdOfText(""), 1);
    EXPECT_EQ(ModuleIdOfText("0"), 1);
    EXPECT_EQ(ModuleIdOfText("7"), 7);
    EXPECT_EQ(ModuleIdOfText("15"), 14);
    EXPECT_EQ(ModuleIdOfText("99999999999"), 1);
}

TEST(CanModulesTest, AnUpdateEndsUnderTheNewIdOrGoesOutAgain) {
    CanIdUpdate update;
    EXPECT_EQ(update.Answer(5), CanIdUpdate::Step::None);
    update.Start(5);
    EXPECT_TRUE(update.Pending());
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(update.Answer(2), CanIdUpdate::Step::Wait) << i;
    EXPECT_EQ(update.Answer(2), CanIdUpdate::Step::Resend) << "the 51st answer";
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(update.Answer(2), CanIdUpdate::Step::Wait) << i;
    EXPECT_EQ(update.Answer(5), CanIdUpdate::Step::Done);
    EXPECT_FALSE(update.Pending());
    EXPECT_EQ(update.Answer(2), CanIdUpdate::Step::None);
}

}  // namespace
}  // namespace vx
