// The CAN expansion modules as the calibration window sees them: 16 words
// read from D10520, where D10520 + n is nonzero while module n (1-14) is
// online and holds what the module reports; a new ID is given to the one
// module online by writing the command 192 and the ID to D10550-D10551.
//
// Module IDs map to the XY numbers of their inputs and outputs (0 = none):
// 0, 40, 60, 100, 120, 140, 160, 200, 220, 240, 260, 300, 320, 340, 360.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "online/DeviceImage.h"

namespace vx {

inline constexpr int kCanStart = 10520;
inline constexpr int kCanWords = 16;
inline constexpr int kCanModules = 14;
inline constexpr int kCanCommandRegister = 10550;
inline constexpr std::uint16_t kCanSetIdCommand = 192;
// Answers an update waits for its module to appear under the new ID before
// the command goes out again: more than this many.
inline constexpr int kCanRepeatAnswers = 50;

inline constexpr std::array<int, kCanModules + 1> kCanXyTable{
    0, 40, 60, 100, 120, 140, 160, 200, 220, 240, 260, 300, 320, 340, 360};

inline constexpr const char* kCanUpdateCaption = "更新到模块";
inline constexpr const char* kCanWaitCaption = "请稍后。。。";
inline constexpr const char* kCanConditionMessage = "更新到模块\n条件为: 在线模块数 == (1)";

// "XY:" + the module's XY number; "XY:0" for an ID outside 0-14.
std::string XyLabel(int moduleId);

inline constexpr int kCanIdUnknown = -1;

// The modules as read. A module whose register was not read is neither
// online nor offline: its cell is empty, and the current ID is unknown.
struct CanView {
    int currentId = 0;    // the first module online, 0 when none, kCanIdUnknown
    int onlineCount = 0;  // modules read online
    bool known = true;    // every module's register was read
    // Modules 1-14 in grid order (row 0: 1-7, row 1: 8-14): "n:value", "*" or "".
    std::array<std::string, kCanModules> cells;
};

CanView CanViewOf(const DeviceImage& image);

// The ID the new-ID field stands for: an empty text is 1, a number is kept
// within 1-14.
int ModuleIdOfText(std::string_view text);

// Only one module online may be given a new ID.
inline bool CanUpdateAllowed(int onlineCount) {
    return onlineCount == 1;
}

// An update command in progress: it ends when the module answers under the
// new ID, and goes out again after more than 50 answers without that.
class CanIdUpdate {
  public:
    enum class Step { None, Wait, Done, Resend };

    void Start(int requestedId);
    void Cancel() { pending_ = false; }
    bool Pending() const { return pending_; }
    int Requested() const { return requested_; }
    // One answer of the poller, with the current ID it shows.
    Step Answer(int currentId);

  private:
    bool pending_ = false;
    int requested_ = 0;
    int answers_ = 0;
};

}  // namespace vx
