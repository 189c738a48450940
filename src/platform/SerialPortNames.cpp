#include "platform/SerialPortNames.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdlib>
#include <map>
#include <mutex>

#include "platform/IniFile.h"
#include "platform/Text.h"

namespace vx {
namespace {

// The settings overrides: read by the user-interface thread and by a link's
// worker, so guarded.
struct Overrides {
    std::mutex mutex;
    std::map<int, std::string> paths;
};

Overrides& TheOverrides() {
    static Overrides overrides;
    return overrides;
}

constexpr int kSettingsPorts = 32;  // keys looked for in the settings file

// Character majors 136-143 (Unix98 ptys) or 3 (the old BSD ones), after the
// Linux kernel's list of devices.
bool IsPseudoTerminalDevice(const struct stat& st) {
    if (!S_ISCHR(st.st_mode)) return false;
    const unsigned group = major(st.st_rdev);
    return group == 3 || (group >= 136 && group <= 143);
}

}  // namespace

std::string SerialPortName(int port) {
    return "COM" + std::to_string(port + 1);
}

std::string DefaultSerialPortPath(int port) {
    return "/dev/ttyUSB" + std::to_string(port);
}

std::string SerialPortPath(int port) {
    const std::string variable = "VXTORVIN_" + SerialPortName(port);
    if (const char* value = std::getenv(variable.c_str()); value && *value) return value;
    Overrides& overrides = TheOverrides();
    {
        std::lock_guard lock(overrides.mutex);
        auto found = overrides.paths.find(port);
        if (found != overrides.paths.end()) return found->second;
    }
    return DefaultSerialPortPath(port);
}

void LoadSerialPortSettings(const std::string& settingsFile) {
    IniFile settings = IniFile::Load(settingsFile);
    std::map<int, std::string> paths;
    for (int port = 0; port < kSettingsPorts; ++port) {
        std::string path(TrimBlanks(
            settings.ReadString("configure", "ComDevice" + std::to_string(port + 1), "")));
        if (!path.empty()) paths[port] = path;
    }
    Overrides& overrides = TheOverrides();
    std::lock_guard lock(overrides.mutex);
    overrides.paths = std::move(paths);
}

void SetSerialPortSetting(int port, const std::string& path) {
    Overrides& overrides = TheOverrides();
    std::lock_guard lock(overrides.mutex);
    if (path.empty()) {
        overrides.paths.erase(port);
    } else {
        overrides.paths[port] = path;
    }
}

bool IsPseudoTerminal(int fd) {
    struct stat st {};
    return fstat(fd, &st) == 0 && IsPseudoTerminalDevice(st);
}

bool IsPseudoTerminal(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && IsPseudoTerminalDevice(st);
}

}  // namespace vx
