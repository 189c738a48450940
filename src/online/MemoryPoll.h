// The device memory monitor's poller: a fixed table of 25 read steps over the
// whole device areas, of which only the steps of the tab on show are sent.
//
//   step   area       start                                   count  code
//   0      X          0                                       378    2
//   1      Y          0                                       378    105
//   2      T bits     0                                       400    106
//   3      C bits     0                                       200    107
//   4-7    M          (step - 4) x 112 + MOffset              112    1
//   8      S          0                                       200    12
//   9-12   T values   (step - 9) x 100                        100    4
//   13-14  C values   (step - 13) x 100                       100    101
//   15-18  D          (step - 15) x 100 + DOffset             100    3
//   19-24  SD         (step - 19) x 100 + 10000               100    3
//
// An M step whose end would pass M9999 reads M9888-M9999 instead, a D step
// whose end would pass D9999 reads D9900-D9999. MOffset and DOffset follow
// the grid every two seconds: the first of the last 300 devices drawn.
//
// The poll state (the outstanding read, the retry count, the spinner) is the
// one ladder monitoring uses: one link, one read outstanding at a time.
#pragma once

#include <optional>

#include "model/Devices.h"
#include "online/DeviceImage.h"
#include "online/LadderStakeout.h"

namespace vx {

// The monitor's tabs, in the page control's order; Close is the " 关 闭 " tab.
enum class MonitorTab { X = 0, Y, M, S, T, C, D, SD, Close };
inline constexpr int kMonitorGridTabs = 8;

// Which areas the poller reads.
struct PollFlags {
    bool x = false;
    bool y = false;
    bool tBits = false;
    bool cBits = false;
    bool m = false;
    bool s = false;
    bool tValues = false;
    bool cValues = false;
    bool d = false;
    bool sd = false;

    bool operator==(const PollFlags&) const = default;
};

// The flags of one tab: the T tab reads the timer contacts and values, the C
// tab the counter contacts and values, every other tab its own area; the
// close tab none.
PollFlags FlagsOfTab(MonitorTab tab);

inline constexpr int kLastPollStep = 24;
inline constexpr int kMWindowRead = 112;  // bits per M step
inline constexpr int kDWindowRead = 100;  // words per D, SD, T and C value step

// One read of the table.
struct PollRead {
    bool bits = false;
    DeviceKind kind = DeviceKind::X;  // the area of the device image it fills
    int start = 0;
    int count = 0;
    int areaCode = 0;

    bool operator==(const PollRead&) const = default;
};

// The M and D windows of the poller and what the grids drew since the last
// follow step.
struct PollWindows {
    int mOffset = 0;
    int dOffset = 0;
    int mMaxDrawn = 0;
    int dMaxDrawn = 0;

    // A drawn M or D cell raises the highest drawn number.
    void Drawn(DeviceKind kind, int number);
    // The two-second step on the tab shown: on the M or D tab the window
    // starts 299 below the highest number drawn (at 0 at the least), and the
    // highest drawn starts again from 0.
    void Follow(MonitorTab tab);
};

// The read of a step, nothing for a step whose flag is clear or that is no step.
std::optional<PollRead> PollStepRead(int step, const PollFlags& flags, const PollWindows& windows);

// One tick of the poller (the 10 ms timer). With no read outstanding it sends
// the first flagged step from PollStep on (PollStep past the last step starts
// at 0 again; when no step is flagged up to the last, nothing is sent and the
// next tick starts at 0). Otherwise it asks the link once for the answer,
// into the device image; on an answer the spinner turns between "." and " ".
// After 50 unanswered asks the read is given up.
TickResult MemoryMonitorTick(PollState& state, const PollFlags& flags, const PollWindows& windows,
                             DeviceImage& image, ModbusCalls& calls);

inline constexpr const char* kMemorySpinnerDot = ".";
inline constexpr const char* kMemorySpinnerBlank = " ";

}  // namespace vx
