// Whole firmware updates through the real serial port code, over a
// pseudo-terminal, into the simulated chip, with the system clock.
#include <gtest/gtest.h>

#include <future>
#include <memory>

#include "FakeLink.h"
#include "bootsim/PtyChip.h"
#include "support/MessageRecorder.h"
#include "support/PortHolder.h"
#include "support/ScopedEnv.h"
#include "updater/PosixSerialLink.h"
#include "updater/STM.h"

namespace vx {
namespace {

using bootsim::BootChip;
using bootsim::ChipMode;
using bootsim::ChipProfile;
using bootsim::PtyChip;

// The chip's reset and BOOT0 pins wired to the port's DTR and RTS.
struct PtyRig {
    // onCom1: the chip's port is COM1; otherwise the test points a port at it.
    explicit PtyRig(ChipProfile profile, std::vector<std::uint8_t> noise = {},
                    std::chrono::nanoseconds answerDelay = {}, bool onCom1 = true)
        : chip(std::move(profile),
               bootsim::PtyOptions{std::chrono::nanoseconds(0), false, answerDelay}) {
        chip.With([&](BootChip& c) {
            c.StartProgram();
            c.SetBootNoise(noise);
        });
        if (onCom1)
            env = std::make_unique<test::ScopedEnv>("VXTORVIN_COM1", chip.DevicePath().c_str());
        link.SetLineObserver([this](const LineChange& change) {
            if (change.line == ModemLine::Dtr) chip.SetReset(change.raised);
            if (change.line == ModemLine::Rts) chip.SetBoot0(change.raised);
        });
    }
    bool Download(int limitMs = 20000) {
        stm.AttemptCount = 0;
        stm.STM_ISP();
        return timers.RunUntil([this] { return !stm.Busy(); }, Millis(limitMs));
    }
    std::vector<std::uint8_t> Flash(std::size_t n) {
        return chip.With([n](BootChip& c) {
            return std::vector<std::uint8_t>(c.Flash().begin(), c.Flash().begin() + n);
        });
    }
    void ExpectDone(const std::vector<std::uint8_t>& image, bool pageMode) {
        EXPECT_EQ(host.statuses.back(), "上载完成！");
        EXPECT_EQ(host.closes, 1);
        EXPECT_EQ(chip.Received(), test::ExpectedTranscript(image, pageMode));
        EXPECT_EQ(Flash(image.size()), image);
        const std::size_t padded = (image.size() + 3) / 4 * 4;
        EXPECT_EQ(Flash(padded + 4).back(), 0xFF);
        EXPECT_EQ(chip.With([](BootChip& c) { return c.Mode(); }), ChipMode::Running);
        EXPECT_FALSE(link.IsOpen());
        EXPECT_EQ(messages.Count(), 0u);
    }

    PtyChip chip;
    std::unique_ptr<test::ScopedEnv> env;
    PosixSerialLink link;
    TimerSet timers{TheSystemClock()};
    test::RecordingHost host;
    TSTMForm stm{link, timers, host};
    test::MessageRecorder messages;
};

TEST(PtyUpdate, PageChipReceivesTheWholeImage) {
    PtyRig rig(ChipProfile::F10x());
    ASSERT_TRUE(rig.chip.Ok());
    rig.host.image = test::TestImage(5003, 7);
    ASSERT_TRUE(rig.Download());
    rig.ExpectDone(rig.host.image, true);
    EXPECT_TRUE(rig.host.SawStatus("F10x"));
    EXPECT_EQ(rig.chip.With([](BootChip& c) { return c.UnitsErased(); }), 3);
}

TEST(PtyUpdate, SectorChipReceivesTheWholeImage) {
    PtyRig rig(ChipProfile::F40x());
    ASSERT_TRUE(rig.chip.Ok());
    rig.host.image = test::TestImage(20000, 9);
    ASSERT_TRUE(rig.Download());
    rig.ExpectDone(rig.host.image, false);
    EXPECT_TRUE(rig.host.SawStatus("F40x"));
    EXPECT_EQ(rig.chip.With([](BootChip& c) { return c.UnitsErased(); }), 2);
}

TEST(PtyUpdate, NoiseFromTheChipAtResetDoesNotDisturbTheSearch) {
    PtyRig rig(ChipProfile::F10x(), {0x00, 0x79, 0x1F, 0x55, 0xAA, 0x79, 0x0D, 0x0A});
    ASSERT_TRUE(rig.chip.Ok());
    rig.host.image = test::TestImage(900, 3);
    ASSERT_TRUE(rig.Download());
    EXPECT_TRUE(rig.host.SawStatus("NACK")) << "the noise reached the command machine";
    rig.ExpectDone(rig.host.image, true);
}

// The port is opened afresh for every session and attempt: a pseudo-terminal
// must take the settings each time.
TEST(PtyUpdate, TwoUpdatesInARowAgainstOneChipBothFlash) {
    PtyRig rig(ChipProfile::F10x());
    ASSERT_TRUE(rig.chip.Ok());
    rig.host.image = test::TestImage(3000, 1);
    ASSERT_TRUE(rig.Download());
    rig.ExpectDone(rig.host.image, true);

    rig.chip.ClearReceived();
    rig.host.statuses.clear();
    rig.host.image = test::TestImage(2500, 2);
    ASSERT_TRUE(rig.Download());
    EXPECT_EQ(rig.messages.Count(), 0u) << (rig.messages.Count() ? rig.messages.Last().text : "");
    ASSERT_FALSE(rig.host.statuses.empty());
    EXPECT_EQ(rig.host.statuses.back(), "上载完成！");
    EXPECT_EQ(rig.host.closes, 2);
    EXPECT_EQ(rig.chip.Received(), test::ExpectedTranscript(rig.host.image, true));
    EXPECT_EQ(rig.Flash(2500), rig.host.image);
}

TEST(PtyUpdate, SilentPortFailsThreeAttemptsWithoutAPortErrorBox) {
    PtyChip chip(ChipProfile::F10x());
    ASSERT_TRUE(chip.Ok());
    chip.With([](BootChip& c) { c.SetSilent(true); });
    test::ScopedEnv env("VXTORVIN_COM1", chip.DevicePath().c_str());
    test::ManualClock clock;  // nothing answers, so no need to wait in earnest
    PosixSerialLink link(clock);
    TimerSet timers(clock);
    test::RecordingHost host;
    host.image = test::TestImage(100);
    TSTMForm stm(link, timers, host);
    test::MessageRecorder messages;
    stm.AttemptCount = 0;
    stm.STM_ISP();
    ASSERT_TRUE(timers.RunUntil([&] { return !stm.Busy(); }, Millis(60000)));
    EXPECT_EQ(stm.AttemptCount, 3);
    EXPECT_EQ(host.CountStatus("连机失败！请检查通信线。"), 3);
    EXPECT_EQ(host.statuses.back(), "连机失败！请检查通信线。");
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
    EXPECT_FALSE(link.IsOpen());
}

// A late chip, a stray ACK after the third Write Memory command and a damaged
// byte in its block, through the real port: never success over a wrong flash.
TEST(PtyUpdate, StrayAckAndDamagedBlockFromALateChipNeverEndInSuccessOverAWrongFlash) {
    PtyRig rig(ChipProfile::F10x(), {}, std::chrono::milliseconds(20));
    ASSERT_TRUE(rig.chip.Ok());
    bootsim::LineFault fault;
    fault.occurrence = 3;
    fault.strayAck = true;
    fault.damagedByte = 6 + 10;
    rig.chip.With([&](BootChip& c) { c.AddLineFault(fault); });
    rig.host.image = test::TestImage(2000, 8);
    ASSERT_TRUE(rig.Download());
    const bool flashRight = rig.Flash(2000) == rig.host.image;
    if (rig.host.SawStatus("上载完成！")) {
        EXPECT_TRUE(flashRight) << "success reported over a wrong flash";
    }
    EXPECT_EQ(rig.host.statuses.back(), "上载完成！") << "a later attempt writes it whole";
    EXPECT_TRUE(flashRight);
}

// A slow USB adapter: every answer 0, 150, 500 or 2000 ms late. The four
// side by side, on COM1 to COM4.
TEST(PtyUpdate, ALateChipIsUpdated) {
    const int delays[] = {0, 150, 500, 2000};
    std::vector<std::unique_ptr<PtyRig>> rigs;
    std::vector<std::unique_ptr<test::ScopedEnv>> ports;
    for (int i = 0; i < 4; ++i) {
        rigs.push_back(std::make_unique<PtyRig>(ChipProfile::F10x(), std::vector<std::uint8_t>{},
                                                std::chrono::milliseconds(delays[i]), false));
        ASSERT_TRUE(rigs.back()->chip.Ok());
        const std::string name = "VXTORVIN_COM" + std::to_string(i + 1);
        ports.push_back(std::make_unique<test::ScopedEnv>(name.c_str(),
                                                          rigs.back()->chip.DevicePath().c_str()));
        rigs.back()->host.port = i;
        rigs.back()->host.image = test::TestImage(256, 3);
    }
    std::vector<std::future<bool>> runs;
    for (auto& rig : rigs)
        runs.push_back(std::async(std::launch::async, [&rig] { return rig->Download(60000); }));
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(runs[i].get()) << delays[i] << " ms";
        PtyRig& rig = *rigs[i];
        EXPECT_EQ(rig.host.statuses.back(), "上载完成！") << delays[i] << " ms";
        EXPECT_EQ(rig.chip.Received(), test::ExpectedTranscript(rig.host.image, true))
            << delays[i] << " ms: one 0x7F, one attempt";
        EXPECT_EQ(rig.Flash(256), rig.host.image) << delays[i] << " ms";
    }
    // Each rig's message recorder hands back to the one before it.
    while (!rigs.empty())
        rigs.pop_back();
}

// Another program holds the port: told it is busy, and nothing reaches the
// chip.
TEST(PtyUpdate, APortAnotherProgramHoldsIsToldBusy) {
    PtyRig rig(ChipProfile::F10x());
    ASSERT_TRUE(rig.chip.Ok());
    rig.host.image = test::TestImage(600, 5);
    test::PortHolder other(rig.chip.DevicePath());
    ASSERT_TRUE(other.Held());
    ASSERT_TRUE(rig.Download());
    ASSERT_EQ(rig.messages.Count(), 1u);
    EXPECT_EQ(
        rig.messages.Last().text,
        "当前串口号 COM1 已经被占用，或其它错误 ！\r请选择其它串口，或检查串口设置是否正确。");
    EXPECT_TRUE(rig.chip.Received().empty());
    EXPECT_EQ(rig.chip.With([](BootChip& c) { return c.UnitsErased(); }), 0);
}

// The far end hangs up while the image is written (the adapter pulled): told
// at once, not after the idle watch, and not tried again.
TEST(PtyUpdate, AHangUpIsToldAtOnce) {
    PtyRig rig(ChipProfile::F10x());
    ASSERT_TRUE(rig.chip.Ok());
    rig.host.image = test::TestImage(2000, 5);
    // Up to the erase 19 bytes; the first block 265; into the second's address.
    rig.chip.HangUpAfter(19 + 265 + 3);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(rig.Download());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8))
        << "before the idle watch's 11 s";
    ASSERT_EQ(rig.messages.Count(), 1u);
    EXPECT_EQ(rig.messages.Last().text, "串口读写失败，通信已中断！请检查通信线和串口。");
    EXPECT_EQ(rig.host.statuses.back(), rig.messages.Last().text);
    EXPECT_FALSE(rig.link.IsOpen());
    EXPECT_EQ(rig.stm.AttemptCount, 0);
}

}  // namespace
}  // namespace vx
