#include "support/ImageBuild.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <thread>

#include "build/ScratchFolder.h"
#include "build/StageView.h"
#include "build/ToolChain.h"
#include "build/TranslateStage.h"
#include "editor/CBlockFile.h"
#include "editor/ProjectFile.h"
#include "model/MyPublic.h"
#include "outside/LadderConvert.h"
#include "platform/FileIo.h"
#include "platform/Launcher.h"
#include "platform/SystemFolders.h"
#include "platform/Text.h"

namespace vx::test {

namespace fs = std::filesystem;

bool CanBuildImages() {
    return fs::exists(VX_RUNTIME_KIT_DIR "/ST.ld") && !FindExecutable("arm-none-eabi-gcc").empty();
}

BuiltImage BuildImage(const LadderProgram& source, const std::string& folder,
                      const std::string& cBlock) {
    BuiltImage built;
    const std::string windows = JoinPath(folder, "windows");
    const std::string programFolder = JoinPath(folder, "program");
    std::error_code ec;
    fs::create_directories(windows, ec);
    fs::create_directories(programFolder, ec);
    fs::create_directory_symlink(VX_RUNTIME_KIT_DIR, RuntimeKitFolder(programFolder), ec);
    if (std::string why = InstallToolChain(windows, programFolder); !why.empty()) {
        built.messages = why;
        return built;
    }

    LadderProgram program = source;
    const std::string project = JoinPath(folder, "project.PSP");
    if (!cBlock.empty()) {
        // Bit 0 of the flag byte: the project's C block is in use.
        const int flags = HexFieldToInt(program.sysParamString, 50, 2) | 1;
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", flags);
        program.sysParamString.replace(49, 2, digits);
        WriteFileAtomically(CBlockPath(project), Utf8ToGbk(cBlock));
    }
    if (!WriteFileAtomically(project, SerialiseProject(program))) return built;
    const std::string scratch = ScratchFolder(windows);
    MakeFolders(scratch);
    if (!LadderConvert(project + "|" + scratch + "/")) {
        built.messages = LadderConvertMessage();
        return built;
    }

    TranslateInputs in;
    in.winDir = windows;
    in.programFolder = programFolder;
    in.projectFile = project;
    in.targetFile = JoinPath(windows, "Torvin.pin");
    in.sysParamString = program.sysParamString;
    in.holdParamString = program.holdParamString;
    CollectingView view;
    TranslateStage stage(in, view);
    built.elf = JoinPath(folder, "plc.elf");
    stage.beforeCleanUp = [&](const std::string& s) {
        fs::copy_file(JoinPath(s, "plc.elf"), built.elf, fs::copy_options::overwrite_existing, ec);
    };
    if (!stage.Begin()) return built;
    while (stage.Poll())
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    built.messages += view.messages;
    built.image = in.targetFile;
    built.ok = stage.Result() == 0 && FileExists(built.image) && FileExists(built.elf);
    return built;
}

}  // namespace vx::test
