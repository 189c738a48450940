// Forcing a bit device of the controller ON or OFF from the monitored ladder.
//
// Y, M, S and T and C contacts can be forced; X (the inputs) and the word
// devices cannot. The device is named by its letter and number (X and Y by
// their octal-digit number, Y17 is 17), which is also its address on the link.
#pragma once

#include <optional>
#include <string>

#include "model/Devices.h"

namespace vx {

// The value written for ON and for OFF.
inline constexpr int kForceOn = 255;
inline constexpr int kForceOff = 0;

// The bit write code of a device kind: Y 109, M 5, S 14, T 110, C 111;
// nothing for X and for the word devices.
std::optional<int> BitWriteCode(DeviceKind kind);

// Whether the device is a bit device that can be forced (kinds Y to C).
bool Forceable(DeviceCode code);

// The device's letter and number: "M100" (T and C current values by T and C).
// Empty for no device.
std::string DeviceName(DeviceCode code);

// The question asked before forcing: "SET:  M100" or "RST:  M100".
std::string ForcePrompt(bool on, DeviceCode code);

}  // namespace vx
