// The device memory monitor's poller over a scripted link: which reads each
// tab sends, in what order, with the M and D windows and their clamps, and
// how unanswered reads are given up.
#include "ScriptedLink.h"
#include "online/MemoryPoll.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vx {
namespace {

using test::ScriptedLink;

using Read = ScriptedLink::Read;

class MemoryPollTest : public testing::Test {
  protected:
    // Ticks until `count` reads have been sent (each answered at once).
    std::vector<Read> Sweep(MonitorTab tab, int count) {
        const PollFlags flags = FlagsOfTab(tab);
        link_.reads.clear();
        for (int tick = 0; tick < 200 && static_cast<int>(link_.reads.size()) < count; ++tick)
            MemoryMonitorTick(state_, flags, windows_, *image_, link_);
        return link_.reads;
    }

    std::unique_ptr<DeviceImage> image_ = std::make_unique<DeviceImage>();
    // Every read is answered at once, its words counting up.
    ScriptedLink link_ = [] {
        ScriptedLink link;
        link.answerAlways = true;
        link.wordStep = 1;
        return link;
    }();
    PollState state_;
    PollWindows windows_;
};

TEST_F(MemoryPollTest, EachTabReadsItsOwnAreasRoundAndRound) {
    EXPECT_EQ(Sweep(MonitorTab::X, 2), (std::vector<Read>{{true, 0, 378, 2}, {true, 0, 378, 2}}));
    EXPECT_EQ(Sweep(MonitorTab::Y, 1), (std::vector<Read>{{true, 0, 378, 105}}));
    EXPECT_EQ(Sweep(MonitorTab::S, 1), (std::vector<Read>{{true, 0, 200, 12}}));

    state_.Reset();
    EXPECT_EQ(Sweep(MonitorTab::M, 5), (std::vector<Read>{{true, 0, 112, 1},
                                                          {true, 112, 112, 1},
                                                          {true, 224, 112, 1},
                                                          {true, 336, 112, 1},
                                                          {true, 0, 112, 1}}));

    state_.Reset();
    EXPECT_EQ(Sweep(MonitorTab::T, 6), (std::vector<Read>{{true, 0, 400, 106},
                                                          {false, 0, 100, 4},
                                                          {false, 100, 100, 4},
                                                          {false, 200, 100, 4},
                                                          {false, 300, 100, 4},
                                                          {true, 0, 400, 106}}));
    state_.Reset();
    EXPECT_EQ(Sweep(MonitorTab::C, 4), (std::vector<Read>{{true, 0, 200, 107},
                                                          {false, 0, 100, 101},
                                                          {false, 100, 100, 101},
                                                          {true, 0, 200, 107}}));
    state_.Reset();
    EXPECT_EQ(
        Sweep(MonitorTab::D, 4),
        (std::vector<Read>{
            {false, 0, 100, 3}, {false, 100, 100, 3}, {false, 200, 100, 3}, {false, 300, 100, 3}}));
    state_.Reset();
    link_.wordValue = 7;
    EXPECT_EQ(Sweep(MonitorTab::SD, 7), (std::vector<Read>{{false, 10000, 100, 3},
                                                           {false, 10100, 100, 3},
                                                           {false, 10200, 100, 3},
                                                           {false, 10300, 100, 3},
                                                           {false, 10400, 100, 3},
                                                           {false, 10500, 100, 3},
                                                           {false, 10000, 100, 3}}));
    // The system registers land in the D area at their own numbers.
    EXPECT_EQ(image_->Word(DeviceKind::D, 10500), 7);
    EXPECT_EQ(image_->Word(DeviceKind::D, 10599), 106);
    EXPECT_EQ(image_->Word(DeviceKind::D, 9999), 0);
}

TEST_F(MemoryPollTest, SwitchingTabsLeavesTheOldFlagsClear) {
    // T polled up to its second value step, then X is chosen: the rest of the
    // table holds no X step, so one tick sends nothing and the sweep starts
    // again at X.
    const PollFlags t = FlagsOfTab(MonitorTab::T);
    for (int i = 0; i < 4; ++i)
        MemoryMonitorTick(state_, t, windows_, *image_, link_);
    ASSERT_EQ(link_.reads.size(), 2u);
    ASSERT_EQ(state_.pollStep, 10u);
    const PollFlags x = FlagsOfTab(MonitorTab::X);
    EXPECT_EQ(x, PollFlags{.x = true});
    link_.reads.clear();
    EXPECT_FALSE(MemoryMonitorTick(state_, x, windows_, *image_, link_).sent);
    EXPECT_EQ(state_.pollStep, 0u);
    // X alone: a read, its answer, and a tick that finds the rest of the
    // table unflagged.
    for (int i = 0; i < 9; ++i)
        MemoryMonitorTick(state_, x, windows_, *image_, link_);
    for (const Read& r : link_.reads)
        EXPECT_EQ(r, (Read{true, 0, 378, 2}));
    EXPECT_EQ(link_.reads.size(), 3u);

    // The close tab reads nothing.
    link_.reads.clear();
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(
            MemoryMonitorTick(state_, FlagsOfTab(MonitorTab::Close), windows_, *image_, link_)
                .sent);
    EXPECT_TRUE(link_.reads.empty());
}

TEST_F(MemoryPollTest, TheWindowsFollowWhatWasDrawnAndStayInsideTheArea) {
    // Rows M5000-M5299 drawn: within one follow step the poller reads
    // M5000-M5447 in four requests of 112 bits.
    for (int m = 5000; m <= 5299; ++m)
        windows_.Drawn(DeviceKind::M, m);
    windows_.Follow(MonitorTab::D);
    EXPECT_EQ(windows_.mOffset, 0) << "only the tab shown follows";
    windows_.Follow(MonitorTab::M);
    EXPECT_EQ(windows_.mOffset, 5000);
    EXPECT_EQ(windows_.mMaxDrawn, 0);
    EXPECT_EQ(Sweep(MonitorTab::M, 4), (std::vector<Read>{{true, 5000, 112, 1},
                                                          {true, 5112, 112, 1},
                                                          {true, 5224, 112, 1},
                                                          {true, 5336, 112, 1}}));
    // Nothing drawn since: back to the start.
    windows_.Follow(MonitorTab::M);
    EXPECT_EQ(windows_.mOffset, 0);

    // Near the end a step reads the last 112 relays instead.
    windows_.mOffset = 9800;
    ASSERT_TRUE(PollStepRead(4, FlagsOfTab(MonitorTab::M), windows_));
    EXPECT_EQ(PollStepRead(4, FlagsOfTab(MonitorTab::M), windows_)->start, 9800);
    EXPECT_EQ(PollStepRead(5, FlagsOfTab(MonitorTab::M), windows_)->start, 9888);
    EXPECT_EQ(PollStepRead(7, FlagsOfTab(MonitorTab::M), windows_)->start, 9888);

    // D: a window start of 9950 reads D9900-D9999.
    windows_.dOffset = 9950;
    state_.Reset();
    EXPECT_EQ(Sweep(MonitorTab::D, 4), (std::vector<Read>(4, Read{false, 9900, 100, 3})));
    for (int d = 9700; d <= 9999; ++d)
        windows_.Drawn(DeviceKind::D, d);
    windows_.Follow(MonitorTab::D);
    EXPECT_EQ(windows_.dOffset, 9700);
    EXPECT_EQ(PollStepRead(18, FlagsOfTab(MonitorTab::D), windows_)->start, 9900);
    EXPECT_FALSE(PollStepRead(25, FlagsOfTab(MonitorTab::D), windows_));
}

TEST_F(MemoryPollTest, UnansweredReadsAreGivenUpAndAnswersTurnTheSpinner) {
    const PollFlags d = FlagsOfTab(MonitorTab::D);
    link_.answerAlways = false;
    ASSERT_TRUE(MemoryMonitorTick(state_, d, windows_, *image_, link_).sent);
    for (int i = 0; i < 50; ++i)
        EXPECT_FALSE(MemoryMonitorTick(state_, d, windows_, *image_, link_).sent);
    EXPECT_EQ(link_.retakes, 50);
    EXPECT_FALSE(state_.answerReady);
    image_->MarkRead(DeviceKind::D, 0, 100, true);
    // The 51st: given up; the read's registers are no longer live.
    EXPECT_TRUE(MemoryMonitorTick(state_, d, windows_, *image_, link_).gaveUp);
    EXPECT_FALSE(image_->WasRead(DeviceKind::D, 0));
    EXPECT_FALSE(image_->WasRead(DeviceKind::D, 99));
    EXPECT_EQ(link_.retakes, 50);
    EXPECT_TRUE(state_.answerReady);
    EXPECT_EQ(state_.retryCount, 0);
    EXPECT_TRUE(MemoryMonitorTick(state_, d, windows_, *image_, link_).sent);
    EXPECT_EQ(link_.reads.back(), (Read{false, 100, 100, 3})) << "the next step";

    // An answer lands at the read's start and turns the spinner.
    link_.answerAlways = true;
    link_.wordValue = 500;
    const TickResult answered = MemoryMonitorTick(state_, d, windows_, *image_, link_);
    EXPECT_TRUE(answered.answered);
    EXPECT_EQ(state_.spinner, ".");
    EXPECT_EQ(image_->Word(DeviceKind::D, 100), 500);
    EXPECT_TRUE(image_->WasRead(DeviceKind::D, 100));
    EXPECT_TRUE(image_->WasRead(DeviceKind::D, 199));
    EXPECT_EQ(image_->Word(DeviceKind::D, 199), 599);
    MemoryMonitorTick(state_, d, windows_, *image_, link_);
    MemoryMonitorTick(state_, d, windows_, *image_, link_);
    EXPECT_EQ(state_.spinner, " ");

    // A spinner left by ladder monitoring turns into the monitor's own.
    state_.spinner = kSpinnerOn;
    MemoryMonitorTick(state_, d, windows_, *image_, link_);
    MemoryMonitorTick(state_, d, windows_, *image_, link_);
    EXPECT_EQ(state_.spinner, ".");
}

}  // namespace
}  // namespace vx
