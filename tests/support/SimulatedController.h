// Window tests of the online functions against the simulated controller
// (tools/plcsim) over Modbus TCP on the loopback.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "editor/Settings.h"
#include "online/DeviceImage.h"
#include "online/LadderStakeout.h"
#include "online/LinkSettings.h"
#include "support/EditorRunState.h"

namespace vx::test {

// The editor's run state as at a fresh start, the device image empty and the
// link settings at their defaults.
inline void ResetOnlineRunState() {
    ResetEditorRunState();
    TheDeviceImage().Clear();
    TheLinkSettings() = LinkSettings{};
}

// The device image empty, no poll in flight, and the tool's link pointed at
// the simulator's Modbus TCP port on the loopback.
inline void UseSimulatorLink(int tcpPort) {
    TheDeviceImage().Clear();
    ThePollState().Reset();
    LinkSettings& link = TheLinkSettings();
    link = LinkSettings{};
    link.comPortIndex = kEthernetPortIndex;
    link.tcpAddress = "127.0.0.1";
    link.tcpPortText = std::to_string(tcpPort);
}

// Writes the settings file a main window starts with: the port (8 and up is
// Modbus TCP) and the simulator's address on the loopback; no auto-save.
inline bool UseSimulatorSettings(int tcpPort, int comPort = 8) {
    Settings s;
    s.comPort = static_cast<std::uint8_t>(comPort);
    s.ltcpip = "127.0.0.1";
    s.ltcpport = std::to_string(tcpPort);
    s.autoSavBakFun = 0;
    return static_cast<bool>(SaveSettings(SettingsFilePath(), s, "Torvin0"));
}

// A TCP port on the loopback where nothing listens: a connection is refused.
// The port is taken from the system and given back at once.
inline int RefusedTcpPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0) ::close(fd);
    return port;
}

}  // namespace vx::test
