// The operand picker of the basic elements: the device rows it offers, how
// it splits the element text it is given and how it builds its result.
//
// The picker checks no number; the entry dialog validates what it receives.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx {

// The device rows: contacts take X, Y, M, S, T and C; coils Y, M, S, T and C.
std::vector<std::string> PickerDeviceRows(bool coilMode);
// The set-value rows of a timer or counter coil.
std::vector<std::string> PickerSetValueRows();

// The device a row puts into the device field: its letter and "0".
std::string PickerDeviceOfRow(std::string_view row);
// The set value a set-value row puts into its field: "D0" or "K0".
std::string PickerSetValueOfRow(int row);

// The element text split at its first blank: device and set value
// ("T5 K100" gives T5 and K100); without a blank the whole text is the device.
std::pair<std::string, std::string> SplitPickerText(std::string_view text);

// Whether a device takes a set value: timers and counters (T, C, either case).
bool PickerTakesSetValue(std::string_view device);

// The picker's result: the device, and for a timer or counter one blank and
// the set value when there is one; any other device drops the set value.
std::string PickerResult(std::string_view device, std::string_view setValue);

}  // namespace vx
