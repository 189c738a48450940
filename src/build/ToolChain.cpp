#include "build/ToolChain.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <sstream>
#include <system_error>

#include "build/CompileCommands.h"
#include "platform/FileIo.h"
#include "platform/SystemFolders.h"

namespace vx {
namespace {

std::vector<std::string> MakeKitFileList() {
    std::vector<std::string> files = {"ST.ld", "ST2.ld"};
    for (const char* suffix : {"", "2"}) {
        for (const char* variant : {"STFUN", "STFUNC", "STFUNCO"})
            files.push_back(std::string(variant) + suffix + ".d");
        files.push_back(std::string("STLIB") + suffix + ".a");
    }
    for (const std::string& model : ModelLibraryTable())
        files.push_back(model.substr(3));  // without "../"
    files.push_back(kEmptyImageTable);
    return files;
}

std::string WrapperText(const std::string& tool) {
    return "#!/bin/sh\n"
           "# Starts the GNU ARM tool under the name the compile command runs.\n"
           "exec " +
           DebianToolOf(tool) + " \"$@\"\n";
}

bool PlaceExecutable(const std::string& path, const std::string& text) {
    if (!WriteFileAtomically(path, text)) return false;
    std::error_code ec;
    std::filesystem::permissions(
        path,
        std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
            std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
            std::filesystem::perms::others_exec,
        ec);
    return !ec;
}

}  // namespace

std::string ToolChainFolder(const std::string& winDir) {
    return JoinPath(winDir, "system32");
}

std::string RuntimeKitFolder(const std::string& programFolder) {
    return JoinPath(programFolder, "Runtime");
}

const std::vector<std::string>& RuntimeKitFiles() {
    static const std::vector<std::string> files = MakeKitFileList();
    return files;
}

int EmptyImageSize(const std::string& winDir, const CompileValues& values) {
    const std::optional<std::string> table =
        ReadWholeFile(JoinPath(ToolChainFolder(winDir), kEmptyImageTable));
    if (!table) return 0;
    const std::string model = ModelObject(values.series, values.version).substr(3);
    const std::string variant = RuntimeVariant(values).substr(3) + LinkerSuffix(values) + ".d";
    std::istringstream lines(*table);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string m, v;
        long long bytes = 0;
        if (!(fields >> m >> v >> bytes)) continue;
        if (m == model && v == variant && bytes > 0 && bytes <= INT32_MAX)
            return static_cast<int>(bytes);
    }
    return 0;
}

std::string DebianToolOf(const std::string& tool) {
    const std::string prefix = "arm-eabi-";
    if (!tool.starts_with(prefix)) return tool;
    return "arm-none-eabi-" + tool.substr(prefix.size());
}

std::string InstallToolChain(const std::string& winDir, const std::string& programFolder) {
    const std::string folder = ToolChainFolder(winDir);
    MakeFolders(folder);
    std::string problems;
    auto problem = [&](const std::string& what) {
        problems += (problems.empty() ? "" : "\n") + what;
    };
    for (const char* tool : {kCompilerTool, kObjcopyTool}) {
        const std::string path = JoinPath(folder, tool);
        if (!FileExists(path) && !PlaceExecutable(path, WrapperText(tool))) {
            problem("cannot place " + path);
        }
    }
    const std::string kit = RuntimeKitFolder(programFolder);
    for (const std::string& name : RuntimeKitFiles()) {
        const std::string target = JoinPath(folder, name);
        const std::optional<std::string> shipped = ReadWholeFile(JoinPath(kit, name));
        if (!shipped) {
            if (!FileExists(target)) problem("missing " + JoinPath(kit, name));
            continue;
        }
        if (ReadWholeFile(target) == shipped) continue;
        if (!WriteFileAtomically(target, *shipped)) problem("cannot place " + target);
    }
    return problems;
}

bool ToolChainPresent(const std::string& winDir) {
    const std::string folder = ToolChainFolder(winDir);
    if (!FileExists(JoinPath(folder, kCompilerTool))) return false;
    for (const std::string& name : RuntimeKitFiles()) {
        if (!FileExists(JoinPath(folder, name))) return false;
    }
    return true;
}

std::string ToolChainMissingText(bool chinese) {
    return chinese ? "GNU ARM 编译工具链未安装或不完整，无法编译！\r\n"
                     "请安装 Debian 软件包: gcc-arm-none-eabi binutils-arm-none-eabi "
                     "libnewlib-arm-none-eabi\r\n"
                     "(sudo apt-get install gcc-arm-none-eabi binutils-arm-none-eabi "
                     "libnewlib-arm-none-eabi)"
                   : "The GNU ARM tool chain is missing or incomplete, nothing can be compiled!\r\n"
                     "Install the Debian packages: gcc-arm-none-eabi binutils-arm-none-eabi "
                     "libnewlib-arm-none-eabi\r\n"
                     "(sudo apt-get install gcc-arm-none-eabi binutils-arm-none-eabi "
                     "libnewlib-arm-none-eabi)";
}

}  // namespace vx
