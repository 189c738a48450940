#include "build/FirmwareLaunch.h"

#include "platform/Launcher.h"
#include "platform/Registry.h"

namespace vx {

FirmwareLaunchResult LaunchFirmwareUpdate(bool chinese) {
    Registry registry(RootKey::LocalMachine);
    if (registry.OpenKey(kUpdaterKey, true) != RegOutcome::Ok) {
        return {FirmwareLaunchOutcome::RegistryFailed, {}};
    }
    const bool written = registry.WriteInteger("Flag", 1) && registry.WriteBool("Chinese", chinese);
    registry.CloseKey();
    if (!written) return {FirmwareLaunchOutcome::RegistryFailed, {}};

    // The updater beside the tool (or the stand-in set for "Update.exe"),
    // not one found in the current folder.
    const LaunchResult launched = LaunchProgram("Update.exe", {});
    if (launched.started) return {};
    if (registry.OpenKey(kUpdaterKey, false) == RegOutcome::Ok) {
        registry.WriteInteger("Flag", 0);
        registry.CloseKey();
    }
    return {FirmwareLaunchOutcome::NotStarted, launched.problem};
}

}  // namespace vx
