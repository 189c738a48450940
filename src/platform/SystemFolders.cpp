#include "platform/SystemFolders.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vx {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// A folder given relative to the current folder, made absolute: the tool
// chain runs in the scratch folder and launched programs in folders of their
// own, where a relative name would point elsewhere, and a name such as
// "-w/Torvin.pin" would be read as an option of the program it is given to.
std::string Absolute(const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

}  // namespace

std::string WindowsDirectory() {
    std::string dir = Environment("VXTORVIN_WINDIR");
    if (dir.empty()) {
        std::string data = Environment("XDG_DATA_HOME");
        if (data.empty()) {
            std::string home = Environment("HOME");
            data = JoinPath(home.empty() ? std::string("/tmp") : home, ".local/share");
        }
        dir = JoinPath(data, "vxTorvin");
    }
    dir = WithoutTrailingSlash(Absolute(dir));
    MakeFolders(JoinPath(dir, "system32"));
    return dir;
}

std::string ProgramFolder() {
    std::string dir = Environment("VXTORVIN_PROGDIR");
    if (!dir.empty()) return WithoutTrailingSlash(Absolute(dir));
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return WithoutTrailingSlash(std::filesystem::current_path(ec).string());
    return WithoutTrailingSlash(exe.parent_path().string());
}

std::string JoinPath(std::string_view base, std::string_view rest) {
    std::string joined(base);
    joined += '/';
    joined += rest;
    std::string out;
    out.reserve(joined.size());
    for (char c : joined) {
        if (c == '\\') c = '/';
        if (c == '/' && !out.empty() && out.back() == '/') continue;
        out += c;
    }
    return out;
}

bool MakeFolders(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return std::filesystem::is_directory(path, ec);
}

}  // namespace vx
