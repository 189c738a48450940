// How the tool reaches the controller: the process-wide link settings that
// every online function opens the Modbus link with.
//
// The port (COM1-COM8 or Modbus TCP), the baud-rate index and the TCP address
// and port come from the settings file and the communication settings dialog.
// The baud rate is taken from the project's system parameters while the
// dialog's choice "PLC工程文件" stands (always for Modbus TCP, where it is
// ignored anyway), else from the baud-rate index; station and frame always
// come from the project.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "outside/ModbusLink.h"

namespace vx {

// Link baud codes by baud-rate index: 9600, 19200, 38400, 57600, 115200 (the
// last entry repeats 115200).
inline constexpr std::array<int, 6> BaudCodeTable{6, 8, 9, 11, 12, 12};

// The entry of BaudCodeTable; 0 (a code no link takes) outside the table.
int BaudCodeAt(int index);

inline constexpr std::uint8_t kEthernetPortIndex = 8;

struct LinkSettings {
    std::uint8_t comPortIndex = 0;  // 0-7: COM1-COM8; 8 (or more): Modbus TCP
    std::uint8_t baudIndex = 3;     // 0-4: 9600-115200
    std::string tcpAddress = "192.168.1.100";
    std::string tcpPortText = "502";
    bool fromProject = true;  // "PLC工程文件": the baud rate from the project

    bool Ethernet() const { return comPortIndex > 7; }
};

// The settings of this run.
LinkSettings& TheLinkSettings();

// What the link is opened with, for a project's system parameter string
// (station: field 10, 2 digits; baud index: field 12, 1 digit; frame: field
// 15, 1 digit).
LinkParameters LinkParametersFor(const LinkSettings& settings, std::string_view sysParamString);

// Why the communication settings dialog cannot keep a Modbus TCP address and
// port as typed, in the interface language; empty when it can. The address
// must be there, without blanks or control characters (the settings file
// would drop blanks at its ends, and no link could use them); the port is
// decimal digits from 1 to 65535. Anything else would make every link fail
// with no word on why.
std::string TcpSettingsProblem(std::string_view address, std::string_view portText, bool chinese);

// Why the link cannot reach the project's station, in the interface
// language; empty when it can. On a serial line station 0 is the broadcast,
// which the controller never answers; the project's system parameters must
// give it a station of its own.
std::string StationProblem(const LinkParameters& parameters, bool chinese);

// Status panel 2: " COM3" for a serial port, the TCP address for Ethernet,
// each followed by the spinner text.
std::string PortPanelText(const LinkSettings& settings, std::string_view spinner = {});

}  // namespace vx
