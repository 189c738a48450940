// The link as the online utility dialogs use it (clock, controller
// information, analog and encoder monitor, pulse test, CAN modules): the
// pollers' calls and register writes, and the parameters every online function
// opens the link with.
#pragma once

#include <cstdint>

#include "online/LadderStakeout.h"
#include "online/LinkTexts.h"
#include "outside/ModbusLink.h"

namespace vx {

inline constexpr int kRegisterReadArea = 3;    // D and the system registers
inline constexpr int kRegisterWriteArea = 16;  // likewise

class RegisterCalls : public ModbusCalls {
  public:
    // Writes 1 to 3 words (the low word first) and waits for the controller's
    // confirmation; false when it did not come.
    virtual bool WriteWords(const std::uint16_t* source, int address, int count, int areaCode) = 0;
};

// The calls on the tool's link.
RegisterCalls& TheRegisterCalls();

// What ladder monitoring and every dialog open the link with: the link
// settings of this run and the loaded project's station, frame and baud field.
LinkParameters ToolLinkParameters();

}  // namespace vx
