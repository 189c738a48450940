// The boot-loader session against a simulated chip on a clock moved by hand:
// the frames it sends, the reset lines and their timing, the idle watch and
// its three attempts, NACKs, and the images it refuses before erasing.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "FakeLink.h"
#include "bootsim/BootChip.h"
#include "support/MessageRecorder.h"
#include "updater/STM.h"

namespace vx {
namespace {

using bootsim::BootChip;
using bootsim::ChipMode;
using bootsim::ChipProfile;
using test::FakeLink;
using test::ManualClock;
using test::MessageRecorder;
using test::RecordingHost;
using test::TestImage;

constexpr const char* kLinkFailed = "连机失败！请检查通信线。";

// A chip on the programming cable, running its program until the updater
// resets it into the boot loader.
struct Rig {
    explicit Rig(ChipProfile profile = ChipProfile::F10x()) : chip(std::move(profile)) {
        chip.StartProgram();
        link.Attach(&chip, true);
    }
    // Presses the download button and runs until the session is idle again.
    bool Download(Millis limit = Millis(120000)) {
        stm.AttemptCount = 0;
        stm.STM_ISP();
        return timers.RunUntil([this] { return !stm.Busy(); }, limit);
    }

    ManualClock clock;
    TimerSet timers{clock};
    BootChip chip;
    FakeLink link{clock};
    RecordingHost host;
    TSTMForm stm{link, timers, host};
    MessageRecorder messages;
};

std::vector<std::uint8_t> FlashPrefix(const BootChip& chip, std::size_t n) {
    return std::vector<std::uint8_t>(chip.Flash().begin(), chip.Flash().begin() + n);
}

// The data frame of the last Write Memory: two frames after its command.
const test::WrittenFrame& LastWriteBlock(const FakeLink& link) {
    const std::vector<test::WrittenFrame>& frames = link.frames;
    std::size_t last = 0;
    for (std::size_t i = 2; i < frames.size(); ++i) {
        if (frames[i - 2].bytes == std::vector<std::uint8_t>{0x31, 0xCE}) last = i;
    }
    return frames.at(last);
}

TEST(EraseLists, PagesCoverTheImageAndOneMore) {
    EXPECT_EQ(PageEraseList(600), (std::vector<std::uint8_t>{0x00, 0x00, 0x00}));
    // 4096 bytes: pages 0, 1 and 2.
    EXPECT_EQ(PageEraseList(4096), (std::vector<std::uint8_t>{0x02, 0x00, 0x01, 0x02, 0x01}));
    std::vector<std::uint8_t> big = PageEraseList(131072);
    ASSERT_EQ(big.size(), 65u + 2);
    EXPECT_EQ(big[0], 64);
    EXPECT_EQ(big[65], 64);
    EXPECT_EQ(PageEraseList(1024 * 1024).size(), 127u + 2) << "at most 127 pages";
    EXPECT_EQ(EraseCoverage(true, 1024 * 1024), 127u * 2048);
}

TEST(EraseLists, SectorsFollowTheSectorSizes) {
    EXPECT_EQ(SectorEraseList(600), (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x00, 0x00}));
    // 65536 bytes: k = 65, sectors 0-4.
    EXPECT_EQ(SectorEraseList(65536),
              (std::vector<std::uint8_t>{0x00, 0x04, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03,
                                         0x00, 0x04, 0x04 ^ 0x01 ^ 0x02 ^ 0x03 ^ 0x04}));
    // k = size div 1024 + 1; each rule's edge from both sides.
    const struct {
        std::size_t size;
        std::size_t coverageKb;
    } rows[] = {
        {16383, 16},   {16384, 32},   {32767, 32},   {32768, 48},
        {49151, 48},   {49152, 64},   {65535, 64},   {65536, 128},
        {131071, 128}, {131072, 256}, {148372, 256}, {262143, 256},
        {262144, 384}, {393215, 384}, {393216, 512}, {1024 * 1024, 512},  // at most 8 sectors
    };
    for (const auto& row : rows)
        EXPECT_EQ(EraseCoverage(false, row.size), row.coverageKb * 1024) << row.size;
}

TEST(SessionFrames, PageChipGetsExactlyTheProtocolBytes) {
    Rig rig;
    rig.host.image = TestImage(600);
    ASSERT_TRUE(rig.Download());
    const std::vector<std::uint8_t> expected{
        0x7F,                                                  // synchronisation
        0x00, 0xFF,                                            // Get
        0x02, 0xFD,                                            // Get ID
        0x11, 0xEE, 0x1F, 0xFF, 0xF7, 0xE0, 0xF7, 0x03, 0xFC,  // read 4 bytes at 0x1FFFF7E0
        0x43, 0xBC, 0x00, 0x00, 0x00,                          // erase page 0
        0x31, 0xCE, 0x08, 0x00, 0x00, 0x00, 0x08};             // write at 0x08000000
    std::vector<std::uint8_t> written = rig.link.Written();
    ASSERT_GE(written.size(), expected.size());
    EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.begin() + expected.size()),
              expected);
    EXPECT_EQ(written, test::ExpectedTranscript(rig.host.image, true));
    EXPECT_EQ(FlashPrefix(rig.chip, 600), rig.host.image);
    EXPECT_EQ(rig.host.statuses.back(), "上载完成！");
    EXPECT_EQ(rig.host.closes, 1);
    EXPECT_TRUE(rig.messages.Messages().empty());
}

TEST(SessionFrames, SectorChipGetsExtendedEraseAndTwoByteRead) {
    Rig rig(ChipProfile::F40x());
    rig.host.image = TestImage(600);
    ASSERT_TRUE(rig.Download());
    const std::vector<std::uint8_t> expected{
        0x7F, 0x00, 0xFF, 0x02, 0xFD, 0x11, 0xEE,
        0x1F, 0xFF, 0x77, 0xDE, 0x49, 0x01, 0xFE,   // read 2 bytes at 0x1FFF77DE
        0x44, 0xBB, 0x00, 0x00, 0x00, 0x00, 0x00};  // extended erase of sector 0
    std::vector<std::uint8_t> written = rig.link.Written();
    ASSERT_GE(written.size(), expected.size());
    EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.begin() + expected.size()),
              expected);
    EXPECT_EQ(written, test::ExpectedTranscript(rig.host.image, false));
    EXPECT_EQ(FlashPrefix(rig.chip, 600), rig.host.image);
    EXPECT_TRUE(rig.host.SawStatus("F40x"));
    EXPECT_TRUE(rig.host.SawStatus("Boot:3.1"));
    EXPECT_EQ(rig.host.hint, "Boot:3.1");
    EXPECT_EQ(rig.host.statuses.back(), "上载完成！");
}

TEST(SessionFrames, StatusLineAndProgressFollowTheTransfer) {
    Rig rig;
    rig.host.image = TestImage(1000);
    ASSERT_TRUE(rig.Download());
    const std::vector<std::string> expected{
        "正在查找PLC。。。", "已成功连接",     "Boot:2.2",       "F10x",
        "下载目标代码",      "正在擦除。。。", "写进度: 25%",    "写进度: 51%",
        "写进度: 76%",       "写进度: 100%",   "正在校验。。。", "校验进度: 25%",
        "校验进度: 51%",     "校验进度: 76%",  "校验进度: 100%", "上载完成！"};
    EXPECT_EQ(rig.host.statuses, expected);
    // The last block of a 1000-byte image is 232 bytes, length byte 231.
    const test::WrittenFrame& last = LastWriteBlock(rig.link);
    ASSERT_EQ(last.bytes.size(), 232u + 2);
    EXPECT_EQ(last.bytes[0], 231);
    EXPECT_EQ(rig.host.progress.back(), 0) << "the bar returns to 0 when done";
    EXPECT_EQ(rig.host.lamps, (std::vector<bool>{true, false}));
}

TEST(SessionFrames, LastBlockIsPaddedToWholeWordsWithErasedBytes) {
    Rig rig;
    rig.host.image = TestImage(1001);
    ASSERT_TRUE(rig.Download());
    const test::WrittenFrame& last = LastWriteBlock(rig.link);
    ASSERT_EQ(last.bytes.size(), 236u + 2) << "233 bytes become 236";
    EXPECT_EQ(last.bytes[0], 235);
    EXPECT_EQ(std::vector<std::uint8_t>(last.bytes.end() - 4, last.bytes.end() - 1),
              (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(FlashPrefix(rig.chip, 1001), rig.host.image);
    EXPECT_EQ(rig.chip.Flash()[1001], 0xFF);
    EXPECT_EQ(rig.host.statuses.back(), "上载完成！");
}

TEST(SessionLines, ResetIntoTheBootLoaderAndBackIntoTheProgram) {
    Rig rig;
    rig.host.image = TestImage(300);
    ASSERT_TRUE(rig.Download());
    std::vector<LineChange>& lines = rig.link.lines;
    ASSERT_EQ(lines.size(), 9u);
    struct Want {
        ModemLine line;
        bool raised;
    };
    const Want order[] = {
        {ModemLine::Dtr, false}, {ModemLine::Rts, false},  // the port opens with both dropped
        {ModemLine::Dtr, true},  {ModemLine::Rts, true},   // reset held, BOOT0 high
        {ModemLine::Dtr, false},                           // reset released: boot loader
        {ModemLine::Dtr, true},  {ModemLine::Rts, false},  // reset held, BOOT0 low
        {ModemLine::Dtr, false}, {ModemLine::Rts, false},  // closed: the program starts
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].line, order[i].line) << i;
        EXPECT_EQ(lines[i].raised, order[i].raised) << i;
    }
    const auto opened = lines[0].at;
    auto ms = [&](Clock::TimePoint at) { return (at - opened) / Millis(1); };
    EXPECT_EQ(ms(lines[2].at), 0);
    EXPECT_EQ(ms(lines[4].at), 500);
    EXPECT_EQ(ms(rig.link.frames[0].at), 700) << "first 0x7F one tick after the 100 ms wait";
    const auto lastAck = rig.link.frames.back().at;  // the last block; its ACK comes at once
    EXPECT_GE((lines[5].at - lastAck) / Millis(1), 60);
    EXPECT_LE((lines[5].at - lastAck) / Millis(1), 60 + 10);
    EXPECT_EQ((lines[6].at - lines[5].at) / Millis(1), 600);
    EXPECT_EQ(lines[7].at, lines[6].at);
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_EQ(rig.chip.Mode(), ChipMode::Running) << "no Go: the reset starts the program";
}

TEST(SessionIdleWatch, SilentChipFailsThreeAttemptsThenStops) {
    Rig rig;
    rig.link.Attach(nullptr, false);  // nothing on the line
    rig.host.image = TestImage(100);
    const auto t0 = rig.clock.Now();
    ASSERT_TRUE(rig.Download());
    EXPECT_EQ(rig.link.opened.size(), 3u);
    EXPECT_EQ(rig.host.CountStatus(kLinkFailed), 3);
    EXPECT_EQ(rig.host.statuses.back(), kLinkFailed);
    EXPECT_EQ(rig.stm.AttemptCount, 3);
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_EQ(rig.host.loads, 3) << "each attempt loads the image afresh";
    // Each attempt: 600 ms of reset, then six idle ticks of a second.
    EXPECT_EQ((rig.clock.Now() - t0) / Millis(1), 3 * 6600);
    // A 0x7F only when the answer to the last can no longer come: 3 s apart,
    // two an attempt.
    const auto& f = rig.link.frames;
    ASSERT_EQ(f.size(), 6u);
    EXPECT_EQ((f[1].at - f[0].at) / Millis(1), 3000);
    for (const test::WrittenFrame& frame : f)
        ASSERT_EQ(frame.bytes, std::vector<std::uint8_t>{0x7F});
    EXPECT_TRUE(rig.messages.Messages().empty()) << "a cable fault is shown in the status line";
}

TEST(SessionIdleWatch, ChipThatStopsAnsweringFailsAfterElevenQuietSecondsAndIsRetried) {
    Rig rig;
    rig.host.image = TestImage(2000);
    bool deaf = false;
    rig.link.SetByteHandler([&](std::uint8_t byte) {
        if (!deaf) rig.link.FeedChip(byte);
    });
    rig.stm.AttemptCount = 0;
    rig.stm.STM_ISP();
    ASSERT_TRUE(rig.timers.RunUntil([&] { return rig.stm.SessionState == 9; }, Millis(5000)));
    deaf = true;  // the chip dies after erasing
    const auto quiet = rig.clock.Now();
    ASSERT_TRUE(
        rig.timers.RunUntil([&] { return rig.host.SawStatus(kLinkFailed); }, Millis(20000)));
    const auto waited = (rig.clock.Now() - quiet) / Millis(1);
    EXPECT_GE(waited, 10000);
    EXPECT_LE(waited, 11000);
    deaf = false;  // and comes back for the next attempt
    ASSERT_TRUE(rig.timers.RunUntil([&] { return !rig.stm.Busy(); }, Millis(60000)));
    EXPECT_EQ(rig.link.opened.size(), 2u);
    EXPECT_EQ(rig.host.statuses.back(), "上载完成！");
    EXPECT_EQ(FlashPrefix(rig.chip, 2000), rig.host.image);
}

// A chip whose boot loader had synchronised before (the reset lines are not
// wired): it takes the first 0x7F for a command and answers nothing; the
// next, 3 s later, is a wrong complement and gets a NACK, which means the
// chip is synchronised.
TEST(SessionNack, NackToTheSyncByteMeansTheChipWasSynchronised) {
    Rig rig;
    rig.link.Attach(&rig.chip, false);
    rig.chip.Boot();
    rig.chip.Receive(0x7F);
    rig.chip.TakeOutput();
    rig.host.image = TestImage(100);
    ASSERT_TRUE(rig.Download());
    const auto& f = rig.link.frames;
    ASSERT_GE(f.size(), 3u);
    EXPECT_EQ(f[1].bytes, std::vector<std::uint8_t>{0x7F});
    EXPECT_EQ((f[1].at - f[0].at) / Millis(1), 3000);
    EXPECT_EQ(f[2].bytes, (std::vector<std::uint8_t>{0x00, 0xFF})) << "then Get";
    EXPECT_EQ(rig.link.opened.size(), 1u);
    EXPECT_EQ(rig.host.statuses.back(), "上载完成！");
    EXPECT_EQ(FlashPrefix(rig.chip, 100), rig.host.image);
}

// A 0x7F doubled on the line: the chip takes the second for a command and
// refuses the Get. One more 0x7F, and the attempt goes on.
TEST(SessionNack, AGetRefusedRightAfterSynchronisingIsUnderstood) {
    Rig rig;
    rig.link.Attach(&rig.chip, false);
    rig.chip.Boot();
    bool doubled = false;
    rig.link.SetByteHandler([&](std::uint8_t byte) {
        rig.link.FeedChip(byte);
        if (byte == 0x7F && !doubled) {
            doubled = true;
            rig.link.FeedChip(byte);
        }
    });
    rig.host.image = TestImage(700);
    ASSERT_TRUE(rig.Download());
    EXPECT_EQ(rig.link.opened.size(), 1u) << "no second attempt";
    EXPECT_EQ(rig.host.statuses.back(), "上载完成！");
    EXPECT_EQ(FlashPrefix(rig.chip, 700), rig.host.image);
}

// Read protection is told only when the chip refuses the read again after a
// fresh synchronisation: one refusal may be a stray byte on the line.
TEST(SessionNack, ReadProtectedChipIsToldWhenItRefusesAgainAndNothingIsErased) {
    Rig rig;
    rig.chip.SetReadProtection(true);
    std::fill(rig.chip.Flash().begin(), rig.chip.Flash().begin() + 4096, 0x5A);
    rig.host.image = TestImage(100);
    ASSERT_TRUE(rig.Download());
    const std::vector<std::uint8_t> once{0x7F, 0x00, 0xFF, 0x02, 0xFD, 0x11, 0xEE};
    std::vector<std::uint8_t> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(rig.link.Written(), twice) << "no address goes to a chip that refused the read";
    ASSERT_EQ(rig.messages.Count(), 1u);
    EXPECT_EQ(rig.messages.Last().text, "PLC 芯片处于读保护状态，无法读写，不能升级！");
    EXPECT_EQ(rig.messages.Last().icon, MsgIcon::Information);
    EXPECT_EQ(rig.host.statuses.back(), rig.messages.Last().text);
    EXPECT_EQ(rig.link.opened.size(), 2u) << "a second attempt confirms it, a third cannot help";
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_EQ(rig.chip.Flash()[0], 0x5A);

    Rig stray;
    bootsim::LineFault fault;
    fault.command = 0x11;
    fault.strayNack = true;
    stray.chip.AddLineFault(fault);
    stray.host.image = TestImage(600, 2);
    ASSERT_TRUE(stray.Download());
    EXPECT_EQ(stray.link.opened.size(), 2u);
    EXPECT_EQ(stray.host.statuses.back(), "上载完成！");
    EXPECT_EQ(FlashPrefix(stray.chip, 600), stray.host.image);
    EXPECT_TRUE(stray.messages.Messages().empty());
}

TEST(SessionNack, NackedBlockEndsTheAttemptAtOnceAndTheNextAttemptSucceeds) {
    Rig rig;
    rig.host.image = TestImage(700);
    bool spoilt = false;
    Clock::TimePoint spoiltAt{};
    std::size_t frameCount = 0;
    std::size_t position = 0;
    rig.link.SetByteHandler([&](std::uint8_t byte) {
        if (rig.link.frames.size() != frameCount) {
            frameCount = rig.link.frames.size();
            position = 0;
        } else {
            ++position;
        }
        const std::vector<std::uint8_t>& frame = rig.link.frames.back().bytes;
        // Spoil the checksum of the first data frame once: the chip NACKs it.
        if (!spoilt && frame.size() > 100 && position + 1 == frame.size()) {
            spoilt = true;
            spoiltAt = rig.clock.Now();
            rig.link.FeedChip(static_cast<std::uint8_t>(byte ^ 0x01));
            return;
        }
        rig.link.FeedChip(byte);
    });
    rig.stm.AttemptCount = 0;
    rig.stm.STM_ISP();
    ASSERT_TRUE(
        rig.timers.RunUntil([&] { return rig.host.SawStatus(kLinkFailed); }, Millis(20000)));
    ASSERT_TRUE(spoilt);
    EXPECT_LT((rig.clock.Now() - spoiltAt) / Millis(1), 100) << "no wait for the idle watch";
    ASSERT_TRUE(rig.timers.RunUntil([&] { return !rig.stm.Busy(); }, Millis(60000)));
    EXPECT_EQ(rig.host.CountStatus(kLinkFailed), 1);
    EXPECT_EQ(rig.link.opened.size(), 2u);
    EXPECT_EQ(rig.host.statuses.back(), "上载完成！");
    EXPECT_EQ(FlashPrefix(rig.chip, 700), rig.host.image);
}

// A chip that answers late, a stray ACK right after one Write Memory command,
// and a damaged data byte in that command's block: the chip refuses the
// block, and the session must not take the stray byte for the chip's answer
// and the refusal for the answer to a later frame (10 ms), nor skip the
// refused block (20 ms).
TEST(SessionFaults, StrayAckAndDamagedBlockNeverEndInSuccessOverAWrongFlash) {
    for (int delay : {10, 20}) {
        for (bool pageMode : {true, false}) {
            SCOPED_TRACE(std::to_string(delay) +
                         (pageMode ? " ms, page chip" : " ms, sector chip"));
            Rig rig(pageMode ? ChipProfile::F10x() : ChipProfile::F40x());
            rig.host.image = TestImage(2000, 4);
            rig.link.answerDelay = Millis(delay);
            bootsim::LineFault fault;
            fault.command = 0x31;
            fault.occurrence = 3;
            fault.strayAck = true;
            fault.damagedByte = 6 + 10;  // the eleventh data byte of the third block
            rig.chip.AddLineFault(fault);
            ASSERT_TRUE(rig.Download());

            const bool flashRight = FlashPrefix(rig.chip, 2000) == rig.host.image;
            if (rig.host.SawStatus("上载完成！")) {
                EXPECT_TRUE(flashRight) << "success reported over a wrong flash";
            }
            // The first attempt fails; the next one erases and writes the
            // whole image again.
            EXPECT_EQ(rig.link.opened.size(), 2u);
            EXPECT_EQ(rig.host.statuses.back(), "上载完成！");
            EXPECT_TRUE(flashRight);
        }
    }
}

// A byte that arrives after the session has taken its answer, before the
// next command goes out (the line repeating the chip's ACK), is left over:
// taken as the next answer it would make the session talk over the chip.
TEST(SessionFaults, InputLeftOverFromTheLastStepIsDiscardedBeforeEachCommand) {
    Rig rig;
    rig.host.image = TestImage(1500, 6);
    rig.link.answerDelay = Millis(20);
    int repeats = 0;
    rig.link.SetReadObserver([&](const std::vector<std::uint8_t>& got) {
        // The ACK that answers a Write Memory command, once per block.
        if (rig.stm.SessionState == 9 && got.back() == bootsim::kAck) {
            ++repeats;
            rig.link.Reply({bootsim::kAck});
        }
    });
    ASSERT_TRUE(rig.Download());
    EXPECT_EQ(repeats, 6);
    for (std::size_t i = 0; i < rig.link.frames.size(); ++i)
        EXPECT_EQ(rig.link.frames[i].answersInFlight, 0u) << "frame " << i << " went out early";
    EXPECT_EQ(rig.host.statuses.back(), "上载完成！");
    EXPECT_EQ(FlashPrefix(rig.chip, 1500), rig.host.image);
    EXPECT_EQ(rig.link.opened.size(), 1u);
}

TEST(SessionChips, UnknownProductIdIsNamedAndErasedInPages) {
    ChipProfile odd = ChipProfile::F10x();
    odd.productId = 0x0440;
    Rig rig(odd);
    rig.host.image = TestImage(300);
    ASSERT_TRUE(rig.Download());
    EXPECT_TRUE(rig.host.SawStatus("Fxxx：未知芯片 ID 0440，按 2KB 页擦除"));
    const std::vector<std::uint8_t> written = rig.link.Written();
    const std::vector<std::uint8_t> erase{0x43, 0xBC};
    EXPECT_NE(std::search(written.begin(), written.end(), erase.begin(), erase.end()),
              written.end());
    EXPECT_EQ(rig.host.statuses.back(), "上载完成！");
}

TEST(SessionChips, F20xIsASectorChip) {
    Rig rig(ChipProfile::F20x());
    rig.host.image = TestImage(17000);  // two sectors
    ASSERT_TRUE(rig.Download());
    EXPECT_TRUE(rig.host.SawStatus("F20x"));
    EXPECT_EQ(rig.chip.UnitsErased(), 2);
    EXPECT_EQ(FlashPrefix(rig.chip, 17000), rig.host.image);
}

// An image the session must not write is refused, with a message and without
// a retry, before any frame that could leave the chip half-way through a
// command: the flash is untouched. `sent` is what went out before the refusal.
void ExpectRefused(Rig& rig, const std::string& message, const std::vector<std::uint8_t>& sent) {
    std::fill(rig.chip.Flash().begin(), rig.chip.Flash().begin() + 4096, 0x5A);
    ASSERT_TRUE(rig.Download());
    EXPECT_EQ(rig.link.Written(), sent);
    EXPECT_EQ(rig.chip.Flash()[0], 0x5A);
    EXPECT_EQ(rig.chip.UnitsErased(), 0);
    ASSERT_EQ(rig.messages.Count(), 1u);
    EXPECT_EQ(rig.messages.Last().text, message);
    EXPECT_EQ(rig.messages.Last().caption, "错误");
    EXPECT_EQ(rig.host.statuses.back(), message);
    EXPECT_EQ(rig.link.opened.size(), sent.empty() ? 0u : 1u);
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_EQ(rig.host.CountStatus(kLinkFailed), 0);
    EXPECT_EQ(rig.host.loads, 1);
}

TEST(SessionRefusals, EmptyImageBeforeTheControllerIsReset) {
    Rig rig;
    rig.host.image.clear();
    ExpectRefused(rig, "下载文件为空，不能下载！", {});
    EXPECT_TRUE(rig.link.lines.empty());
    EXPECT_EQ(rig.chip.Mode(), ChipMode::Running);
}

TEST(SessionRefusals, ImageOverOneMegabyte) {
    Rig rig(ChipProfile::F40x());
    rig.host.image = TestImage(1024 * 1024 + 4);
    ExpectRefused(rig, "下载文件太大（1048580 字节），超过 1 MB，不能下载！", {});
}

TEST(SessionRefusals, ImageLargerThanAnyErasePlan) {
    Rig rig(ChipProfile::F40x());
    rig.host.image = TestImage(512 * 1024 + 1);
    ExpectRefused(rig, "下载文件太大（524289 字节），超出可擦除的 524288 字节，不能下载！", {});
}

// Whether an image fits the erase plan of a page chip is known once the chip
// has told its ID: refused then, before the option read and the erase.
TEST(SessionRefusals, ImageLargerThanThePageChipsErasePlan) {
    Rig rig;
    rig.host.image = TestImage(127 * 2048 + 1);
    ExpectRefused(rig, "下载文件太大（260097 字节），超出可擦除的 260096 字节，不能下载！",
                  {0x7F, 0x00, 0xFF, 0x02, 0xFD});
}

TEST(SessionRefusals, FailedLoadEndsWithItsMessageNotWithCableFaults) {
    Rig rig;
    rig.host.load = [](std::vector<std::uint8_t>&) {
        return ImageLoad{false, "下载文件读取失败！\r/nowhere/Update.Da2"};
    };
    ExpectRefused(rig, "下载文件读取失败！\r/nowhere/Update.Da2", {});
}

TEST(SessionRefusals, SectorChipTakesWhatAPageChipCannot) {
    Rig rig(ChipProfile::F40x());
    rig.host.image = TestImage(300 * 1024);
    ASSERT_TRUE(rig.Download());
    EXPECT_EQ(rig.host.statuses.back(), "上载完成！");
    EXPECT_EQ(FlashPrefix(rig.chip, 300 * 1024), rig.host.image);
}

TEST(SessionPort, PortThatCannotBeOpenedIsReportedOnce) {
    Rig rig;
    rig.link.refuseOpen = true;
    rig.host.port = 2;
    rig.host.image = TestImage(100);
    ASSERT_TRUE(rig.Download());
    ASSERT_EQ(rig.messages.Count(), 1u);
    EXPECT_EQ(rig.messages.Last().caption, "串口错误");
    EXPECT_EQ(
        rig.messages.Last().text,
        "当前串口号 COM3 已经被占用，或其它错误 ！\r请选择其它串口，或检查串口设置是否正确。");
    EXPECT_EQ(rig.link.opened.size(), 1u);
    EXPECT_TRUE(rig.host.lamps.empty());
}

TEST(SessionPort, LineSettingsAre115200EvenParity) {
    Rig rig;
    rig.host.image = TestImage(10);
    ASSERT_TRUE(rig.Download());
    ASSERT_FALSE(rig.link.settings.empty());
    const LineSettings& s = rig.link.settings.back();
    EXPECT_EQ(s.baud, 115200);
    EXPECT_EQ(s.dataBits, 8);
    EXPECT_EQ(s.parity, LineParity::Even);
    EXPECT_EQ(s.stopBits, LineStopBits::One);
    EXPECT_FALSE(s.rtsCts);
}

TEST(SessionPort, FailedWriteFailsTheAttemptAtOnce) {
    Rig rig;
    rig.host.image = TestImage(10);
    rig.link.writeFails = true;
    const auto t0 = rig.clock.Now();
    ASSERT_TRUE(rig.Download());
    EXPECT_EQ(rig.host.CountStatus(kLinkFailed), 3);
    EXPECT_EQ(rig.link.opened.size(), 3u);
    // Three resets of 600 ms, one sync tick each, and no idle waits.
    EXPECT_EQ((rig.clock.Now() - t0) / Millis(1), 3 * 700);
}

TEST(SessionFrameBuffer, FloodOfBytesNeverPassesTheBuffers) {
    Rig rig;
    rig.host.image = TestImage(100);
    rig.link.SetByteHandler([&](std::uint8_t byte) {
        rig.link.FeedChip(byte);
        if (rig.stm.SessionState == 2) rig.link.Reply(std::vector<std::uint8_t>(3000, 0x79));
    });
    rig.stm.AttemptCount = 0;
    rig.stm.STM_ISP();
    rig.timers.RunUntil([&] { return !rig.stm.Busy(); }, Millis(60000));
    EXPECT_LE(rig.stm.ComDriver.ReceivedCount, TQelCommDriver::kAccumulatorSize);
    EXPECT_FALSE(rig.stm.Busy());
}

// The read-back: a byte damaged on its way back reads wrong once and the
// block is read again; a flash cell that keeps a wrong bit fails every
// attempt, and the user is told the controller holds no whole program.
TEST(SessionFaults, ReadBackTellsAFlashThatDiffersFromTheImage) {
    struct Row {
        const char* name;
        bool weakCell;
        // The answer byte that arrives damaged: after which command, the how
        // manyth time, which byte; -1: none.
        std::uint8_t command;
        int occurrence;
        int damagedAnswerByte;
        int attempts;
        bool done;
    } rows[] = {
        // The option read, then the first two blocks.
        {"answer damaged once", false, 0x11, 3, 3 + 40, 1, true},
        {"weak flash cell", true, 0x11, 1, -1, 3, false},
        // The checkpoint after the read-back answers ID 0x0415, not 0x0414.
        {"another chip's ID at the last checkpoint", false, 0x02, 3, 3, 2, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Rig rig;
        rig.host.image = TestImage(900, 9);
        if (row.weakCell) rig.chip.AddWeakCell(700);
        if (row.damagedAnswerByte >= 0) {
            bootsim::LineFault fault;
            fault.command = row.command;
            fault.occurrence = row.occurrence;
            fault.damagedAnswerByte = row.damagedAnswerByte;
            rig.chip.AddLineFault(fault);
        }
        ASSERT_TRUE(rig.Download());
        EXPECT_EQ(rig.link.opened.size(), static_cast<std::size_t>(row.attempts));
        EXPECT_EQ(rig.host.SawStatus("上载完成！"), row.done);
        EXPECT_EQ(rig.host.closes, row.done ? 1 : 0);
        if (row.done) {
            EXPECT_TRUE(rig.messages.Messages().empty());
        } else {
            const std::string where = "校验失败：地址 0x080002BC 处 PLC 中为 ";
            EXPECT_EQ(rig.host.statuses.back().rfind(where, 0), 0u) << rig.host.statuses.back();
            ASSERT_EQ(rig.messages.Count(), 1u);
            EXPECT_NE(rig.messages.Last().text.find("升级失败"), std::string::npos);
        }
    }
}

// Seeded hostile sessions: stray ACKs and NACKs, damaged host bytes and
// damaged answer bytes around the write, read and erase commands, behind a
// chip that answers late by a few milliseconds. No session may hang, and none
// may end in success unless the flash holds the image.
TEST(SessionFaults, HostileLinesNeverEndInSuccessOverAWrongFlash) {
    int successes = 0;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&](int lo, int hi) {
            return std::uniform_int_distribution<int>(lo, hi)(random);
        };
        const bool pageMode = pick(0, 3) != 0;
        Rig rig(pageMode ? ChipProfile::F10x() : ChipProfile::F40x());
        const std::size_t size = static_cast<std::size_t>(pick(200, 2400));
        rig.host.image = TestImage(size, seed);
        rig.link.answerDelay = Millis(pick(0, 30));
        const int blocks = static_cast<int>((size + 255) / 256);
        for (int f = pick(1, 3); f > 0; --f) {
            bootsim::LineFault fault;
            const int kind = pick(0, 9);
            fault.command = kind < 7 ? 0x31 : kind < 9 ? 0x11 : (pageMode ? 0x43 : 0x44);
            fault.occurrence = pick(1, fault.command == 0x31 ? blocks : 2);
            fault.strayAck = pick(0, 2) != 0;
            fault.strayNack = !fault.strayAck && pick(0, 3) == 0;
            fault.damagedByte = pick(0, 2) == 0 ? -1 : pick(0, 6 + 40);
            fault.damagedAnswerByte = pick(0, 3) == 0 ? pick(0, 8) : -1;
            rig.chip.AddLineFault(fault);
        }
        ASSERT_TRUE(rig.Download()) << "seed " << seed << " hangs";
        if (rig.host.SawStatus("上载完成！")) {
            ++successes;
            EXPECT_EQ(FlashPrefix(rig.chip, size), rig.host.image)
                << "seed " << seed << ": success reported over a wrong flash";
        }
    }
    EXPECT_GT(successes, 200) << "most sessions get the image through on a later attempt";
}

}  // namespace
}  // namespace vx
