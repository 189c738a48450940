// Window tests of the online functions against the simulated controller
// (tools/plcsim) over Modbus TCP on the loopback.
#pragma once

#include <cstdint>
#include <string>

#include "editor/Settings.h"
#include "online/DeviceImage.h"
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

}  // namespace vx::test
