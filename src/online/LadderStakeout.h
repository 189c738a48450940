// Ladder monitoring's poller: one step of the 10 ms timer that reads the
// request list round and round into the device image.
//
// A step either starts the next read (when no read is outstanding) or asks
// the link once whether the outstanding read's answer has come; after 50
// unanswered asks the read is given up and the next step starts the next
// one. The grid is repainted at most once every ten asks and only after fresh
// data. The poll state is shared with the device memory monitor, which polls
// the same link with it; each owner of the link resets it when it starts.
#pragma once

#include <cstdint>
#include <string>

#include "model/Devices.h"
#include "online/CommunicationsScheme.h"
#include "online/DeviceImage.h"
#include "outside/ModbusLink.h"

namespace vx {

// The link's calls as the pollers make them.
class ModbusCalls {
  public:
    virtual ~ModbusCalls() = default;
    virtual bool Open(const LinkParameters& parameters) = 0;
    virtual void Close() = 0;
    virtual void ReadBits(int start, int count, int areaCode) = 0;
    virtual void ReadWords(int start, int count, int areaCode) = 0;
    virtual bool RetakeBits(std::uint8_t* destination, int count) = 0;
    virtual bool RetakeWords(std::uint16_t* destination, int count) = 0;
};

// The calls on the tool's link.
ModbusCalls& TheModbusCalls();

// The read area code of a device kind: X 2, Y 105, M 1, S 12, T contacts 106,
// C contacts 107, D 3, T values 4, C values 101.
int ReadAreaCode(DeviceKind kind);

inline constexpr int kRetakeLimit = 51;  // asks before a read is given up, plus one
inline constexpr const char* kSpinnerOff = " ○";
inline constexpr const char* kSpinnerOn = " ●";

struct PollState {
    bool answerReady = true;   // no read outstanding
    std::size_t pollStep = 0;  // the next request
    // The outstanding read.
    bool isBit = false;
    DeviceKind kind = DeviceKind::X;
    int start = 0;
    int count = 0;
    int areaCode = 0;
    int retryCount = 0;
    std::string spinner;
    int ticksSinceRepaint = 0;
    int answersSinceRepaint = 0;

    // As at the start of a poller: nothing outstanding, from the first request.
    void Reset() { *this = PollState{}; }
};

// The poll state of the tool's link.
PollState& ThePollState();

struct TickResult {
    bool sent = false;      // a read was started
    bool answered = false;  // an answer was copied into the image; the spinner turned
    bool repaint = false;   // the grid should be repainted
    bool gaveUp = false;    // the outstanding read went unanswered; its entries are unread
};

// Asks the link once for the outstanding read's answer, copied into the
// image at its start and marked read there; true when it came.
bool RetakeOutstanding(const PollState& state, DeviceImage& image, ModbusCalls& calls);

// One step of the poller. Requests whose entries do not all lie in their
// area of the image are passed over; an empty list sends nothing.
TickResult LadderStakeoutTick(PollState& state, const ScanScheme& scheme, DeviceImage& image,
                              ModbusCalls& calls);

}  // namespace vx
