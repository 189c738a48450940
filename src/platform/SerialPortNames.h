// Where the serial ports are.
//
// The tool and the updater number their serial ports the way the controllers'
// manuals do, COM1 upwards; here port n (0 = COM1) is a device file. By default
// port n is "/dev/ttyUSB<n>", the name the usual USB serial adapter gets. A port
// can be put elsewhere (a built-in UART such as "/dev/ttyS0", the
// pseudo-terminal of a simulator) by the environment variable VXTORVIN_COM<n+1>
// or by the key "ComDevice<n+1>" in section "configure" of the settings file;
// the environment wins. The updater and the Modbus link both open ports through
// this one table.
#pragma once

#include <string>

namespace vx {

// "COM1" for port 0.
std::string SerialPortName(int port);

// "/dev/ttyUSB0" for port 0.
std::string DefaultSerialPortPath(int port);

// The device file of the port: the environment variable, else the settings
// key, else the default.
std::string SerialPortPath(int port);

// Takes the "ComDevice<n>" keys of the settings file (section "configure") as
// the settings overrides, replacing any taken before. A missing file or key
// leaves the default.
void LoadSerialPortSettings(const std::string& settingsFile);

// Sets or (with an empty path) clears the settings override of one port.
void SetSerialPortSetting(int port, const std::string& path);

// Whether the open descriptor, or the device file, is the slave side of a
// pseudo-terminal (a simulator's port): such a port has no line under it and
// refuses settings a real serial device takes, parity among them.
bool IsPseudoTerminal(int fd);
bool IsPseudoTerminal(const std::string& path);

}  // namespace vx
