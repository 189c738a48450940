#include "build/Plugins.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "build/ScratchFolder.h"
#include "editor/ProjectFile.h"
#include "platform/FileIo.h"
#include "platform/Language.h"
#include "platform/SystemFolders.h"
#include "platform/Text.h"

namespace vx {

std::string PluginFolder(const std::string& programFolder) {
    return JoinPath(programFolder, "Plugins");
}

bool IsPluginFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

std::vector<std::string> ListPlugins(const std::string& programFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(PluginFolder(programFolder), ec), end;
         !ec && it != end; it.increment(ec)) {
        std::error_code type;
        if (!it->is_regular_file(type)) continue;
        const std::filesystem::path& path = it->path();
        if (EqualsNoCase(path.extension().string(), ".dll"))
            names.push_back(path.filename().string());
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return AsciiUpper(a) < AsciiUpper(b);
    });
    return names;
}

std::string PluginDescription(const std::string& programFolder, const std::string& name) {
    if (name.empty()) return InterfaceText("请选择一个插件！", "Please choose a plug-in!");
    const std::string file =
        IsPluginFileName(name)
            ? FindFileNoCase(PluginFolder(programFolder), ChangeFileExtension(name, ".Txt"))
            : std::string();
    if (!file.empty()) {
        if (std::optional<std::string> text = ReadWholeFile(file)) return GbkToUtf8(*text);
    }
    return InterfaceText("说明信息不存在！", "No description found!");
}

}  // namespace vx
