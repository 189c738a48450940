#include "build/ScratchFolder.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <system_error>
#include <thread>

#include "platform/SystemFolders.h"
#include "platform/Text.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

void DeleteMatching(const std::string& folder, const std::function<bool(const fs::path&)>& match) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code type;
        if (!it->is_regular_file(type) && !it->is_symlink(type)) continue;
        if (match(it->path())) {
            std::error_code removed;
            fs::remove(it->path(), removed);
        }
    }
}

}  // namespace

std::string ScratchFolder(const std::string& winDir) {
    return JoinPath(winDir, "system32/systemtemp");
}

void DeleteFilesWithExtensions(const std::string& folder,
                               std::initializer_list<std::string_view> extensions) {
    DeleteMatching(folder, [&](const fs::path& path) {
        const std::string extension = path.extension().string();
        for (std::string_view e : extensions) {
            if (EqualsNoCase(extension, e)) return true;
        }
        return false;
    });
}

void DeleteNamedFiles(const std::string& folder, std::initializer_list<std::string_view> names) {
    DeleteMatching(folder, [&](const fs::path& path) {
        const std::string name = path.filename().string();
        for (std::string_view n : names) {
            if (EqualsNoCase(name, n)) return true;
        }
        return false;
    });
}

std::string FindFileNoCase(const std::string& folder, std::string_view name) {
    const std::string exact = JoinPath(folder, name);
    std::error_code ec;
    if (fs::is_regular_file(exact, ec)) return exact;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (EqualsNoCase(it->path().filename().string(), name)) return it->path().string();
    }
    return {};
}

bool DeleteWithRetries(const std::string& path) {
    for (int i = 0; i < 1000; ++i) {
        std::error_code ec;
        fs::remove(path, ec);
        if (!fs::exists(fs::symlink_status(path, ec))) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace vx
