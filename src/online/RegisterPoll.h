// The poll step the utility dialogs share: one window of D registers read
// round and round into the D area of the device image.
//
// When no read is outstanding the step starts the read of the window;
// otherwise it asks the link once whether the answer has come, and gives the
// read up after 50 unanswered asks (its registers are then unread: their
// values are no longer live). An answer lands in the D image at the
// start of the read it answers (not at a window chosen since), and turns the
// spinner (" " and "."). A window that does not lie wholly inside the D image
// (D0-D20000) is never read: the step sends nothing and nothing new is shown.
//
// The poll cells (answer ready, the outstanding read, the ask count, the
// spinner) are those ladder monitoring and the device memory monitor use: one
// owner holds the link at a time.
#pragma once

#include <string>

#include "online/DeviceImage.h"
#include "online/LadderStakeout.h"

namespace vx {

struct RegisterPollResult {
    bool sent = false;      // a read was started
    bool answered = false;  // an answer was copied into the image; the spinner turned
    bool refused = false;   // the window does not fit the image: nothing was sent
    bool gaveUp = false;    // the read went unanswered; its registers are unread
};

// Whether the count registers from D start all lie in the D image.
bool RegisterWindowFits(int start, int count);

// The spinner after an answer: "." becomes " ", anything else ".".
std::string NextDotSpinner(const std::string& spinner);

RegisterPollResult RegisterPollTick(PollState& state, int start, int count, DeviceImage& image,
                                    ModbusCalls& calls);

}  // namespace vx
