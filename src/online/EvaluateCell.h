// The cell evaluator: which controller devices a ladder cell watches and what
// the monitored grid shows for it.
//
// Ladder monitoring turns the device codes into its read requests, the grid
// draws the state and the two lines of live values, and the force and set
// actions take the main device of the cursor cell. Every value comes from the
// DeviceImage; the evaluator never talks to the controller and keeps no state.
//
// Values: D registers are 16-bit words or, for the 32-bit forms, the pair
// n, n + 1 with the low word first; T and C current values come from their
// value areas. 16-bit values are shown signed or unsigned as the view option
// asks, 32-bit values as signed decimals, floating-point forms (mnemonics
// beginning "DE") as single-precision numbers with 3 decimals. In a function
// box a K, H or E constant is shown as written.
//
// Whether the values are live comes with them: the image knows which of its
// entries were read since the link opened, and a record that uses one that
// was not is unread, so the grid draws it as it is drawn while editing.
//
// A cell whose text names a device outside the image, or an operand that is
// neither a device nor a constant where a value is shown, gives no device and
// an empty record: nothing is read for it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Devices.h"
#include "model/LadderCells.h"
#include "online/DeviceImage.h"

namespace vx {

// How 16-bit values are shown: the view option "显示16位为有符号数(&N)".
enum class WordDisplay { kUnsigned, kSigned };

struct MonitorRecord {
    DeviceCode code = kNoDevice;        // the cell's device
    DeviceCode extraCode1 = kNoDevice;  // its second device
    DeviceCode extraCode2 = kNoDevice;  // its third device
    std::uint8_t state = 0;             // 1: contact closed, comparison true, coil or step ON
    std::string line1{};                // live values of the operands
    std::string line2{};                // live value of the result, where there is one
    // Every image entry the state and the lines come from was read from the
    // controller (true when they come from none). An unread cell is not live.
    bool read = true;

    bool operator==(const MonitorRecord&) const = default;
};

// Evaluates a cell given by its kind byte (the link bits are ignored) and its
// first text. A cell without a device has code kNoDevice; whenever the main
// code is kNoDevice, so are both extra codes.
MonitorRecord EvaluateCell(std::uint8_t kind, std::string_view firstText, const DeviceImage& image,
                           WordDisplay display);

// The same for the cell at column (0-13) and absolute row of the program; a
// place outside the cells gives an empty record.
MonitorRecord EvaluateCell(const LadderCells& cells, int column, int row, const DeviceImage& image,
                           WordDisplay display);

}  // namespace vx
