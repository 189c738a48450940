// The downloader's transfer against the simulated boot loader: on a line and
// a clock moved by hand (every byte, the reset lines, no waits but the
// resets), and on a pseudo-terminal through the real serial port code. What
// the chip refuses, a silent line, a weak flash cell, line faults, cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <memory>
#include <random>

#include "FakeLink.h"
#include "bootsim/BootChip.h"
#include "bootsim/PtyChip.h"
#include "outside/BootDownload.h"
#include "outside/DownloadRequest.h"
#include "platform/SerialPortLock.h"
#include "support/PortHolder.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"
#include "updater/PosixSerialLink.h"

namespace vx {
namespace {

using bootsim::BootChip;
using bootsim::ChipMode;
using bootsim::ChipProfile;
using test::FakeLink;
using test::ManualClock;
using test::TestImage;

using Bytes = std::vector<std::uint8_t>;

// Notes the stages and progress; cancels when asked to at a stage and byte count.
class Recorder final : public DownloadObserver {
  public:
    void Stage(DownloadStage stage) override { stages.push_back(stage); }
    void Progress(std::size_t done, std::size_t total) override {
        last = done;
        this->total = total;
        if (cancelAt && stages.back() == cancelStage && done >= cancelAt) cancel = true;
    }
    bool CancelRequested() override { return cancel; }

    std::vector<DownloadStage> stages;
    std::size_t last = 0;
    std::size_t total = 0;
    DownloadStage cancelStage = DownloadStage::Writing;
    std::size_t cancelAt = 0;
    std::atomic<bool> cancel{false};
};

// A controller on the programming cable, running its program until the
// downloader resets it into the boot loader.
struct Rig {
    explicit Rig(ChipProfile profile = ChipProfile::F10x()) : chip(std::move(profile)) {
        chip.StartProgram();
        link.Attach(&chip, true);
    }
    DownloadOutcome Download(const Bytes& image) {
        BootDownload download(link, clock, times);
        return download.Run(0, image, &observer);
    }
    Bytes Flash(std::size_t n) const {
        return Bytes(chip.Flash().begin(), chip.Flash().begin() + n);
    }

    ManualClock clock;
    BootChip chip;
    FakeLink link{clock};
    DownloadTimes times;
    Recorder observer;
};

std::size_t Count(const Bytes& haystack, const Bytes& needle) {
    std::size_t n = 0;
    for (auto it = haystack.begin();
         (it = std::search(it, haystack.end(), needle.begin(), needle.end())) != haystack.end();
         ++it)
        ++n;
    return n;
}

TEST(BootProtocol, FramesAndReplies) {
    EXPECT_EQ(CommandFrame(0x31), (Bytes{0x31, 0xCE}));
    EXPECT_EQ(AddressFrame(0x08000100), (Bytes{0x08, 0x00, 0x01, 0x00, 0x09}));
    EXPECT_EQ(ReadLengthFrame(256), (Bytes{0xFF, 0x00}));
    // Five bytes go as two words, the last filled up with erased flash.
    const Bytes five{1, 2, 3, 4, 5};
    EXPECT_EQ(WriteBlockFrame(five.data(), 5),
              (Bytes{7, 1, 2, 3, 4, 5, 0xFF, 0xFF, 0xFF, 7 ^ 1 ^ 2 ^ 3 ^ 4 ^ 5 ^ 0xFF}));

    // Get replies with any number of commands, Get first.
    const Bytes get{0x79, 3, 0x31, 0x00, 0x02, 0x11, 0x79};
    EXPECT_EQ(ParseGetReply(get.data(), get.size()), std::optional<std::uint8_t>(0x31));
    EXPECT_FALSE(ParseGetReply(get.data(), get.size() - 1)) << "cut short";
    const Bytes getNack{0x79, 3, 0x31, 0x00, 0x02, 0x11, 0x1F};
    EXPECT_FALSE(ParseGetReply(getNack.data(), getNack.size()));
    const Bytes id{0x79, 1, 0x04, 0x13, 0x79};
    EXPECT_EQ(ParseGetIdReply(id.data(), id.size()), std::optional<std::uint16_t>(0x0413));
    EXPECT_EQ(ChipFamilyOf(0x0413).name, "F40x");
    EXPECT_FALSE(ChipFamilyOf(0x0413).pageMode);
    EXPECT_TRUE(ChipFamilyOf(0x0440).name.empty());
    EXPECT_TRUE(ChipFamilyOf(0x0440).pageMode) << "unknown chips are taken for page chips";
}

TEST(BootDownload, WritesReadsBackAndStartsThePageChip) {
    Rig rig;
    const Bytes image = TestImage(300, 4);
    const auto start = rig.clock.Now();
    const DownloadOutcome out = rig.Download(image);
    ASSERT_TRUE(out.Ok()) << DownloadMessage(out, false);
    EXPECT_EQ(out.chip, "F10x");
    EXPECT_EQ(out.attempts, 1);
    EXPECT_TRUE(out.started);
    EXPECT_EQ(rig.Flash(300), image);
    EXPECT_EQ(rig.Flash(308)[300], 0xFF);
    EXPECT_EQ(rig.chip.BlocksWritten(), 2);
    EXPECT_EQ(rig.chip.UnitsErased(), 1);
    EXPECT_EQ(rig.chip.LastGoAddress(), kFlashStart);
    EXPECT_EQ(rig.chip.Mode(), ChipMode::Running);
    EXPECT_FALSE(rig.link.IsOpen());

    // 115200 baud 8E1 on the port the word names.
    ASSERT_EQ(rig.link.settings.size(), 1u);
    EXPECT_EQ(rig.link.settings[0].baud, 115200);
    EXPECT_EQ(rig.link.settings[0].parity, LineParity::Even);
    EXPECT_EQ(rig.link.settings[0].dataBits, 8);

    const Bytes sent = rig.link.Written();
    const Bytes head{0x7F, 0x00, 0xFF, 0x02, 0xFD,                          // sync, Get, Get ID
                     0x11, 0xEE, 0x1F, 0xFF, 0xF7, 0xE0, 0xF7, 0x03, 0xFC,  // the protection check
                     0x43, 0xBC, 0x00, 0x00, 0x00};                         // erase page 0
    ASSERT_GE(sent.size(), head.size());
    EXPECT_EQ(Bytes(sent.begin(), sent.begin() + head.size()), head);
    EXPECT_EQ(Count(sent, {0x31, 0xCE, 0x08, 0x00, 0x00, 0x00, 0x08}), 1u);
    EXPECT_EQ(Count(sent, {0x31, 0xCE, 0x08, 0x00, 0x01, 0x00, 0x09, 0x2B}), 1u)
        << "the second block: 44 bytes";
    // Read back block by block, 256 and 44 bytes, then Go to the flash.
    EXPECT_EQ(Count(sent, {0x11, 0xEE, 0x08, 0x00, 0x00, 0x00, 0x08, 0xFF, 0x00}), 1u);
    EXPECT_EQ(Count(sent, {0x11, 0xEE, 0x08, 0x00, 0x01, 0x00, 0x09, 0x2B, 0xD4}), 1u);
    const Bytes go{0x21, 0xDE, 0x08, 0x00, 0x00, 0x00, 0x08};
    EXPECT_EQ(Bytes(sent.end() - 7, sent.end()), go);

    // The reset lines: into the boot loader, and at the end with BOOT0 low.
    std::vector<std::pair<ModemLine, bool>> lines;
    for (const LineChange& c : rig.link.lines)
        lines.emplace_back(c.line, c.raised);
    const std::vector<std::pair<ModemLine, bool>> expected{
        {ModemLine::Rts, true},  {ModemLine::Dtr, true}, {ModemLine::Dtr, false},
        {ModemLine::Rts, false}, {ModemLine::Dtr, true}, {ModemLine::Dtr, false},
        {ModemLine::Rts, false}, {ModemLine::Dtr, false}};
    EXPECT_EQ(lines, expected);

    // No wait but the two resets and the boot loader's start: every answer
    // is taken the moment it is there.
    EXPECT_EQ(rig.clock.Now() - start, rig.times.resetHold * 2 + rig.times.bootStart);
    EXPECT_EQ(rig.observer.stages,
              (std::vector<DownloadStage>{DownloadStage::Connecting, DownloadStage::Erasing,
                                          DownloadStage::Writing, DownloadStage::Verifying,
                                          DownloadStage::Starting}));
    EXPECT_EQ(rig.observer.last, 300u);
}

TEST(BootDownload, SectorChipsAreErasedBySector) {
    Rig rig(ChipProfile::F40x());
    const Bytes image = TestImage(20000, 2);
    const DownloadOutcome out = rig.Download(image);
    ASSERT_TRUE(out.Ok()) << DownloadMessage(out, false);
    EXPECT_EQ(out.chip, "F40x");
    EXPECT_EQ(rig.Flash(20000), image);
    EXPECT_EQ(rig.chip.UnitsErased(), 2);
    EXPECT_EQ(Count(rig.link.Written(), {0x44, 0xBB, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00}),
              1u);
}

// Read protection is told only when the chip refuses again after a fresh
// synchronisation; one refusal may be a stray byte on the line.
TEST(BootDownload, AReadProtectedChipIsToldWhenItRefusesAgainAndNeverErased) {
    Rig rig;
    rig.chip.SetReadProtection(true);
    rig.chip.Flash()[0] = 0x12;
    const DownloadOutcome out = rig.Download(TestImage(1000));
    EXPECT_EQ(out.error, DownloadError::ReadProtected);
    EXPECT_EQ(out.attempts, 2);
    EXPECT_EQ(Count(rig.link.Written(), {0x7F}), 2u) << "synchronised afresh";
    EXPECT_FALSE(out.flashTouched);
    EXPECT_EQ(rig.chip.Flash()[0], 0x12);
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_EQ(DownloadMessage(out, true), "PLC 芯片处于读保护状态，无法读写，不能下载 ！");

    Rig stray;
    bootsim::LineFault fault;
    fault.command = 0x11;
    fault.strayNack = true;
    stray.chip.AddLineFault(fault);
    const Bytes image = TestImage(1000, 3);
    const DownloadOutcome ok = stray.Download(image);
    ASSERT_TRUE(ok.Ok()) << DownloadMessage(ok, false);
    EXPECT_EQ(ok.attempts, 2);
    EXPECT_EQ(stray.Flash(1000), image);
}

// Line faults drawn from seeds: a stray NACK at the protection check, or a
// damaged byte anywhere in the chip's answers while the flash is read back
// (the first Read Memory is the protection check). Each is a fault of the
// line, never a verdict on the chip: the flash ends up holding the image.
TEST(BootDownload, SeededLineFaultsAreNeverTakenForProtectionOrMismatch) {
    const Bytes image = TestImage(1500, 11);
    const int blocks = 6;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 draw(seed);
        Rig rig;
        bootsim::LineFault fault;
        fault.command = 0x11;
        if (seed % 4 == 0) {
            fault.strayNack = true;
        } else {
            fault.occurrence = 2 + static_cast<int>(draw() % blocks);
            const int length = fault.occurrence == 1 + blocks ? 1500 - 5 * 256 : 256;
            fault.damagedAnswerByte = 3 + static_cast<int>(draw() % length);
        }
        rig.chip.AddLineFault(fault);
        const DownloadOutcome out = rig.Download(image);
        ASSERT_TRUE(out.Ok()) << "seed " << seed << ": " << DownloadMessage(out, false);
        EXPECT_EQ(rig.Flash(1500), image) << "seed " << seed;
        EXPECT_EQ(out.attempts, fault.strayNack ? 2 : 1) << "seed " << seed;
    }
}

TEST(BootDownload, ASilentLineFailsAfterThreeAttempts) {
    Rig rig;
    rig.chip.SetSilent(true);
    const DownloadOutcome out = rig.Download(TestImage(1000));
    EXPECT_EQ(out.error, DownloadError::NoAnswer);
    EXPECT_EQ(out.step, BootStep::Sync);
    EXPECT_EQ(out.attempts, 3);
    EXPECT_EQ(Count(rig.link.Written(), {0x7F}), rig.link.Written().size()) << "only searches";
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_EQ(DownloadMessage(out, false),
              "The PLC does not answer! Check the cable on COM1 and that the PLC is powered.");
}

TEST(BootDownload, AWeakFlashCellIsFoundByReadingBack) {
    Rig rig;
    rig.chip.AddWeakCell(700);
    const Bytes image = TestImage(1000, 5);
    const DownloadOutcome out = rig.Download(image);
    EXPECT_EQ(out.error, DownloadError::Mismatch);
    EXPECT_EQ(out.address, kFlashStart + 700);
    EXPECT_EQ(out.expected, image[700]);
    EXPECT_EQ(out.found, image[700] ^ 1);
    EXPECT_FALSE(out.started) << "a wrong program is not started";
    EXPECT_EQ(rig.chip.LastGoAddress(), 0u);
    char expected[160];
    std::snprintf(expected, sizeof expected,
                  "Verification failed: at 0x080002BC the PLC holds 0x%02X instead of 0x%02X!\n"
                  "The PLC's program has been erased: download it again.",
                  image[700] ^ 1, image[700]);
    EXPECT_EQ(DownloadMessage(out, false), expected);
}

TEST(BootDownload, ARefusedBlockStartsTheTransferOverFromTheReset) {
    Rig rig;
    bootsim::LineFault fault;
    fault.command = 0x31;
    fault.occurrence = 2;
    fault.damagedByte = 6 + 3;  // a data byte of the second block
    rig.chip.AddLineFault(fault);
    const Bytes image = TestImage(1500, 6);
    const DownloadOutcome out = rig.Download(image);
    ASSERT_TRUE(out.Ok()) << DownloadMessage(out, false);
    EXPECT_EQ(out.attempts, 2);
    EXPECT_EQ(rig.Flash(1500), image);
    EXPECT_EQ(rig.chip.UnitsErased(), 2) << "erased again";
}

TEST(BootDownload, ACommandRefusedEveryTimeIsToldAfterThreeAttempts) {
    // A chip that calls itself an F10x but takes only Extended Erase.
    ChipProfile odd = ChipProfile::F10x();
    odd.extendedErase = true;
    Rig rig(odd);
    const DownloadOutcome out = rig.Download(TestImage(1000));
    EXPECT_EQ(out.error, DownloadError::Refused);
    EXPECT_EQ(out.step, BootStep::Erase);
    EXPECT_EQ(out.attempts, 3);
    EXPECT_FALSE(out.flashTouched) << "the erase never began";
    EXPECT_EQ(DownloadMessage(out, false), "The PLC refused Erase (NACK)!");
    EXPECT_EQ(DownloadMessage(out, true), "PLC 拒绝了擦除（Erase）（NACK）！");
}

// A stray ACK after a command puts every later ACK one step behind; a damaged
// block then slips through unnoticed by the ACKs. Never success over a wrong
// flash, and the next attempt writes it whole.
TEST(BootDownload, AStrayAckNeverEndsInSuccessOverAWrongFlash) {
    Rig rig;
    bootsim::LineFault fault;
    fault.command = 0x31;
    fault.occurrence = 3;
    fault.strayAck = true;
    fault.damagedByte = 6 + 10;
    rig.chip.AddLineFault(fault);
    const Bytes image = TestImage(2000, 8);
    const DownloadOutcome out = rig.Download(image);
    ASSERT_TRUE(out.Ok()) << DownloadMessage(out, false);
    EXPECT_GE(out.attempts, 2) << "the stray byte was seen";
    EXPECT_EQ(rig.Flash(2000), image);
}

// Stops a transfer that has run longer than any transfer can: a hang.
class Watch final : public DownloadObserver {
  public:
    explicit Watch(const ManualClock& clock) : clock_(clock) {}
    void Stage(DownloadStage) override {}
    void Progress(std::size_t, std::size_t) override {}
    bool CancelRequested() override { return clock_.Now() - start_ > Millis(600000); }

  private:
    const ManualClock& clock_;
    Clock::TimePoint start_ = clock_.Now();
};

// Answers spoilt from seeds: a byte changed, cut short, a byte more, a stray
// ACK or NACK ahead, a burst of noise behind. And a line that never stops
// bringing noise from a deaf chip (a program talking at another rate). Every
// transfer ends, and never in success over a flash that differs from the image.
TEST(BootDownload, SpoiltAnswersAndEndlessNoiseNeverHangOrPassForSuccess) {
    for (unsigned seed = 0; seed <= 150; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 draw(seed);
        Rig rig(seed % 2 != 0 ? ChipProfile::F10x() : ChipProfile::F40x());
        const Bytes image = TestImage(100 + draw() % 400, seed);
        if (seed == 0) {
            rig.link.Attach(&rig.chip, false);  // the chip runs its program: deaf
            rig.link.SetByteHandler([&](std::uint8_t) { rig.link.Reply({0x55}); });
            rig.link.SetReadObserver([&](const Bytes&) {
                rig.clock.Advance(Millis(1));
                rig.link.Reply({0x55});
            });
        } else {
            const unsigned kind = seed % 5;
            rig.link.SetByteHandler([&, kind](std::uint8_t byte) {
                rig.chip.Receive(byte);
                rig.link.Reply(rig.chip.TakeStrayOutput());
                Bytes answer = rig.chip.TakeOutput();
                if (!answer.empty() && draw() % 20 == 0) {
                    const auto at = static_cast<std::ptrdiff_t>(draw() % answer.size());
                    const auto noise = static_cast<std::uint8_t>(draw());
                    if (kind == 0) answer[static_cast<std::size_t>(at)] = noise;
                    if (kind == 1) answer.resize(static_cast<std::size_t>(at));
                    if (kind == 2) answer.insert(answer.begin() + at, noise);
                    if (kind == 3) answer.insert(answer.begin(), noise % 2 ? kBootAck : kBootNack);
                    if (kind == 4) answer.insert(answer.end(), 300, noise);
                }
                rig.link.Reply(answer);
            });
        }
        Watch watch(rig.clock);
        BootDownload download(rig.link, rig.clock, rig.times);
        const DownloadOutcome out = download.Run(0, image, &watch);
        ASSERT_NE(out.error, DownloadError::Cancelled) << "the transfer hung";
        if (out.Ok()) {
            EXPECT_EQ(rig.Flash(image.size()), image);
        }
        if (seed == 0) {
            EXPECT_EQ(out.error, DownloadError::NoAnswer);
            EXPECT_EQ(out.step, BootStep::Sync);
            EXPECT_EQ(out.attempts, 3);
        }
    }
}

// A slow adapter: every answer up to 2 s late. One 0x7F, waited for.
TEST(BootDownload, ALateChipIsWaitedForWithoutMore) {
    for (const int late : {0, 30, 150, 500, 2000}) {
        Rig rig;
        rig.link.answerDelay = Millis(late);
        const Bytes image = TestImage(600, 3);
        const DownloadOutcome out = rig.Download(image);
        ASSERT_TRUE(out.Ok()) << late << " ms: " << DownloadMessage(out, false);
        EXPECT_EQ(out.attempts, 1) << late << " ms";
        EXPECT_EQ(rig.link.Written()[1], kBootGet) << late << " ms: one 0x7F";
        EXPECT_EQ(rig.Flash(600), image);
    }
}

// A 0x7F doubled on the line: the chip takes the second for a command and
// refuses the Get that follows. It is synchronised; one more 0x7F and the
// transfer goes on, without a reset (these lines are not wired).
TEST(BootDownload, AGetRefusedRightAfterSynchronisingIsUnderstood) {
    Rig rig;
    rig.link.Attach(&rig.chip, false);
    rig.chip.Boot();
    bool doubled = false;
    rig.link.SetByteHandler([&](std::uint8_t byte) {
        rig.link.FeedChip(byte);
        if (byte == kBootSync && !doubled) {
            doubled = true;
            rig.link.FeedChip(byte);
        }
    });
    const Bytes image = TestImage(700, 5);
    const DownloadOutcome out = rig.Download(image);
    ASSERT_TRUE(out.Ok()) << DownloadMessage(out, false);
    EXPECT_EQ(out.attempts, 1);
    EXPECT_EQ(rig.Flash(700), image);
}

// The chip falls silent while the image is written: the attempts after find
// no chip, and the message says where the line broke.
TEST(BootDownload, ALineThatBreaksWhileWritingIsToldWhereItBroke) {
    Rig rig;
    rig.link.SetByteHandler([&](std::uint8_t byte) {
        if (rig.chip.BlocksWritten() < 3) rig.link.FeedChip(byte);  // then the cable is pulled
    });
    const DownloadOutcome out = rig.Download(TestImage(2000, 4));
    EXPECT_EQ(out.error, DownloadError::NoAnswer);
    EXPECT_EQ(out.step, BootStep::Write);
    EXPECT_EQ(out.address, kFlashStart + 3 * 256);
    EXPECT_EQ(out.attempts, 3);
    EXPECT_EQ(DownloadMessage(out, true),
              "PLC 在写入 0x08000300（Write Memory）时无应答 ！请检查通信线。\n"
              "PLC 中的程序已被擦除，请重新下载。");
}

TEST(BootDownload, CancelStopsBetweenBlocksAndSaysTheProgramIsGone) {
    Rig rig;
    rig.observer.cancelAt = 512;
    const DownloadOutcome out = rig.Download(TestImage(4000, 1));
    EXPECT_EQ(out.error, DownloadError::Cancelled);
    EXPECT_EQ(out.attempts, 1);
    EXPECT_EQ(rig.chip.BlocksWritten(), 2);
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_EQ(DownloadMessage(out, true), "下载已取消 ！\nPLC 中的程序已被擦除，请重新下载。");

    // Before anything went to the chip, nothing is lost.
    Rig early;
    early.observer.cancel = true;
    const DownloadOutcome none = early.Download(TestImage(4000, 1));
    EXPECT_EQ(none.error, DownloadError::Cancelled);
    EXPECT_TRUE(early.link.opened.empty());
    EXPECT_EQ(DownloadMessage(none, false), "Download cancelled!");
}

TEST(BootDownload, ImagesTheChipCannotHoldAreRefusedBeforeTheErase) {
    Rig rig;
    // A page chip erases at most 127 pages (254 KB).
    const DownloadOutcome big = rig.Download(TestImage(300 * 1024));
    EXPECT_EQ(big.error, DownloadError::ImageTooLarge);
    EXPECT_EQ(big.reachable, 127u * 2048);
    EXPECT_EQ(rig.chip.UnitsErased(), 0);
    EXPECT_FALSE(big.flashTouched);

    const DownloadOutcome empty = rig.Download({});
    EXPECT_EQ(empty.error, DownloadError::ImageEmpty);
    EXPECT_EQ(DownloadMessage(empty, true), "下载文件为空，不能下载 ！");
}

TEST(BootDownload, PortsThatCannotBeOpenedAreToldApart) {
    test::ScopedEnv missing("VXTORVIN_COM2", "/nonexistent/ttyVX");
    ManualClock clock;
    FakeLink link(clock);
    link.refuseOpen = true;
    BootDownload download(link, clock);
    DownloadOutcome out = download.Run(1, TestImage(10));
    EXPECT_EQ(out.error, DownloadError::PortMissing);
    EXPECT_EQ(DownloadMessage(out, false),
              "The serial port COM2 (/nonexistent/ttyVX) does not exist! Check the communication "
              "settings.");

    // A port another program holds.
    bootsim::PtyChip chip(ChipProfile::F10x());
    ASSERT_TRUE(chip.Ok());
    test::ScopedEnv com1("VXTORVIN_COM1", chip.DevicePath().c_str());
    PosixSerialLink holder;
    ASSERT_TRUE(holder.Open(chip.DevicePath()));
    PosixSerialLink mine;
    out = BootDownload(mine, TheSystemClock()).Run(0, TestImage(10));
    EXPECT_EQ(out.error, DownloadError::PortBusy);
    EXPECT_EQ(DownloadMessage(out, true),
              "串口 COM1 (" + chip.DevicePath() + ") 已经被占用，或无法设置 ！");
    holder.Close();

    // Another process holds it, by flock() alone or by its lock file alone:
    // refused before a byte reaches the chip.
    {
        test::PortHolder other(chip.DevicePath());
        ASSERT_TRUE(other.Held());
        EXPECT_EQ(BootDownload(mine, TheSystemClock()).Run(0, TestImage(10)).error,
                  DownloadError::PortBusy);
    }
    {
        test::PortHolder other("/nonexistent");
        test::WriteTestFile(SerialLockFile(chip.DevicePath()), std::to_string(other.Pid()) + "\n");
        EXPECT_EQ(BootDownload(mine, TheSystemClock()).Run(0, TestImage(10)).error,
                  DownloadError::PortBusy);
        std::remove(SerialLockFile(chip.DevicePath()).c_str());
    }
    EXPECT_TRUE(chip.Received().empty()) << "nothing sent";
    chip.With([](BootChip& c) { EXPECT_EQ(c.UnitsErased(), 0); });
}

// Through the real serial port code on a pseudo-terminal, with the system
// clock: the boot loader starts when the port is opened (no reset lines).
TEST(BootDownloadPty, TheFlashHoldsTheImageAndTheProgramRuns) {
    bootsim::PtyChip chip(ChipProfile::F20x());
    ASSERT_TRUE(chip.Ok());
    test::ScopedEnv com3("VXTORVIN_COM3", chip.DevicePath().c_str());
    const Bytes image = TestImage(40000, 9);
    PosixSerialLink link;
    Recorder observer;
    const DownloadOutcome out = BootDownload(link, TheSystemClock()).Run(2, image, &observer);
    ASSERT_TRUE(out.Ok()) << DownloadMessage(out, false);
    EXPECT_EQ(out.chip, "F20x");
    chip.With([&](BootChip& c) {
        EXPECT_TRUE(std::equal(image.begin(), image.end(), c.Flash().begin()));
        EXPECT_EQ(c.Mode(), ChipMode::Running);
        EXPECT_EQ(c.LastGoAddress(), kFlashStart);
    });
    EXPECT_EQ(observer.total, image.size());
}

TEST(BootDownloadPty, NoiseAtTheStartAndALateChip) {
    bootsim::PtyChip chip(ChipProfile::F10x(), bootsim::PtyOptions{{}, true, Millis(15)});
    ASSERT_TRUE(chip.Ok());
    chip.With([](BootChip& c) { c.SetBootNoise({0x00, 0x79, 0x1F, 0x55, 0x0D, 0x0A}); });
    test::ScopedEnv com1("VXTORVIN_COM1", chip.DevicePath().c_str());
    const Bytes image = TestImage(700, 2);
    PosixSerialLink link;
    const DownloadOutcome out = BootDownload(link, TheSystemClock()).Run(0, image);
    ASSERT_TRUE(out.Ok()) << DownloadMessage(out, false);
    chip.With([&](BootChip& c) {
        EXPECT_TRUE(std::equal(image.begin(), image.end(), c.Flash().begin()));
    });
}

// A slow USB adapter: every answer 0, 150, 500 or 2000 ms late, through the
// real serial port code (the four side by side, on COM1 to COM4).
TEST(BootDownloadPty, ALateChipIsDownloadedInto) {
    const int delays[] = {0, 150, 500, 2000};
    std::vector<std::unique_ptr<bootsim::PtyChip>> chips;
    std::vector<std::unique_ptr<test::ScopedEnv>> ports;
    for (int i = 0; i < 4; ++i) {
        chips.push_back(std::make_unique<bootsim::PtyChip>(
            ChipProfile::F10x(), bootsim::PtyOptions{{}, true, Millis(delays[i])}));
        ASSERT_TRUE(chips.back()->Ok());
        const std::string name = "VXTORVIN_COM" + std::to_string(i + 1);
        ports.push_back(
            std::make_unique<test::ScopedEnv>(name.c_str(), chips.back()->DevicePath().c_str()));
    }
    const Bytes image = TestImage(256, 6);
    std::vector<std::future<DownloadOutcome>> runs;
    for (int i = 0; i < 4; ++i) {
        runs.push_back(std::async(std::launch::async, [i, &image] {
            PosixSerialLink link;
            return BootDownload(link, TheSystemClock()).Run(i, image);
        }));
    }
    for (int i = 0; i < 4; ++i) {
        const DownloadOutcome out = runs[i].get();
        EXPECT_TRUE(out.Ok()) << delays[i] << " ms: " << DownloadMessage(out, false);
        EXPECT_EQ(out.attempts, 1) << delays[i] << " ms";
        const Bytes sent = chips[i]->Received();
        ASSERT_GE(sent.size(), 2u);
        EXPECT_EQ(sent[1], kBootGet) << delays[i] << " ms: one 0x7F";
        chips[i]->With([&](BootChip& c) {
            EXPECT_TRUE(std::equal(image.begin(), image.end(), c.Flash().begin()))
                << delays[i] << " ms";
        });
    }
}

// The far end hangs up while the image is written (the adapter pulled): a
// line failure at once, at the step where it broke, not a wait for an
// answer and a retry that cannot reach the chip.
TEST(BootDownloadPty, AHangUpWhileWritingIsALineFailureToldAtOnce) {
    bootsim::PtyChip chip(ChipProfile::F10x());
    ASSERT_TRUE(chip.Ok());
    test::ScopedEnv com1("VXTORVIN_COM1", chip.DevicePath().c_str());
    const Bytes image = TestImage(2000, 7);
    // Sync, Get and Get ID 5 bytes, the protection check 9, the erase 5; each
    // block 2 + 5 + 1 + 256 + 1. The line goes in the third block's address.
    chip.HangUpAfter(5 + 9 + 5 + 2 * 265 + 3);
    DownloadTimes times;
    times.answer = Millis(20000);
    PosixSerialLink link;
    const auto start = std::chrono::steady_clock::now();
    const DownloadOutcome out = BootDownload(link, TheSystemClock(), times).Run(0, image);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(out.error, DownloadError::LineFailed);
    EXPECT_EQ(out.step, BootStep::Write);
    EXPECT_EQ(out.address, kFlashStart + 2 * 256);
    EXPECT_LT(took, times.answer / 2) << "not the answer's deadline";
    EXPECT_EQ(DownloadMessage(out, true), "串口 COM1 (" + chip.DevicePath() +
                                              ") 在写入 0x08000200（Write Memory）时读写失败 ！\n"
                                              "PLC 中的程序已被擦除，请重新下载。");
}

TEST(DownloadRequest, TheWordsFieldsComeApart) {
    const DownloadRequest r = UnpackDownloadWord(1 + 11 * 16 + 2 * 256 + 2 * 4096 + 1 * 1048576);
    EXPECT_EQ(r.port, 1);
    EXPECT_EQ(r.baudCode, 11);
    EXPECT_EQ(r.frame, 2);
    EXPECT_EQ(r.series, 2);
    EXPECT_EQ(r.station, 1);
    const DownloadRequest top = UnpackDownloadWord(0xFFFFFFFF);
    EXPECT_EQ(top.port, 15);
    EXPECT_EQ(top.series, 255);
    EXPECT_EQ(top.station, 255);
}

}  // namespace
}  // namespace vx
