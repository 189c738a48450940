// The firmware-update launch: the tool hands the update over to the updater
// through the registry (HKEY_LOCAL_MACHINE "Software\vxTorvin": "Flag" = 1,
// the updater is to send one of its built-in images; "Chinese", the tool's
// language) and starts "Update.exe", the updater beside the tool, which reads
// the flag once and writes 0 back.
//
// On a machine where the key is missing it is created and the launch goes on.
// When the updater cannot be started, "Flag" is set back to 0, so a later
// start of the updater by hand does not take the tool's hand-off.
#pragma once

#include <string>

namespace vx {

inline constexpr const char* kUpdaterKey = "Software\\vxTorvin";

enum class FirmwareLaunchOutcome {
    Started,
    RegistryFailed,  // the key could not be created or the values written
    NotStarted,      // no updater could be started
};

struct FirmwareLaunchResult {
    FirmwareLaunchOutcome outcome = FirmwareLaunchOutcome::Started;
    std::string problem;  // why the updater did not start, in words for the user
};

FirmwareLaunchResult LaunchFirmwareUpdate(bool chinese);

}  // namespace vx
