// firmware_source: writes the "PLC.c" that the compile writes for a new,
// empty project of one controller series and hardware version, for the
// updater's built-in firmware images.
//
//   firmware_source SERIES VERSION FOLDER
//
// Beside "PLC.c" it writes "link.cmake", which names the model object and
// the memory map the compile links such a project with (MODEL, SUFFIX), for
// FirmwareImage.cmake.
//
// The project is a new one (the parameter strings of a new project with the
// series and version set), converted by the ladder converter and put
// together by the compile's own source writer, so a controller flashed with
// the image behaves as one that was sent an empty project with F6: it
// answers on COM1 with the new project's station, baud rate and frame.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "build/CompileValues.h"
#include "build/PlcSource.h"
#include "build/SysParams.h"
#include "editor/ProjectFile.h"
#include "model/LadderProgram.h"
#include "outside/LadderConvert.h"
#include "platform/FileIo.h"
#include "platform/SystemFolders.h"
#include "platform/Text.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: firmware_source SERIES VERSION FOLDER\n");
    return 2;
}

bool ReadNumber(const char* text, int& value) {
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || number < 0 || number > 255) return false;
    value = static_cast<int>(number);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int series = 0;
    int version = 0;
    if (argc != 4 || !ReadNumber(argv[1], series) || !ReadNumber(argv[2], version)) return Usage();

    auto program = std::make_unique<vx::LadderProgram>();
    vx::SetDefaultParameters(*program);
    vx::SysParams params = vx::ParseSysParams(program->sysParamString);
    params.Set(vx::SysField::Series, series);
    params.Set(vx::SysField::Version, version);
    program->sysParamString = vx::FormatSysParams(params);

    vx::ConvertedProgram converted;
    std::string message;
    if (!vx::ConvertLadder(*program, converted, message)) {
        std::fprintf(stderr, "firmware_source: the empty program does not convert: %s\n",
                     message.c_str());
        return 1;
    }
    // The converter's files are GBK and go into "PLC.c" as they are.
    const vx::CompileValues values = vx::ReadCompileValues(program->sysParamString, false);
    const std::string source = vx::PlcSourceText(
        values, vx::SysIniTable(program->sysParamString, program->holdParamString),
        vx::Utf8ToGbk(converted.macro), vx::Utf8ToGbk(converted.sub));
    // "../MOD072.d" -> "MOD072".
    std::string model = vx::ModelObject(values.series, values.version);
    model = model.substr(3, model.size() - 5);
    const std::string link =
        "set(MODEL " + model + ")\nset(SUFFIX \"" + vx::LinkerSuffix(values) + "\")\n";
    const std::string folder = argv[3];
    for (const auto& [name, text] : {std::pair{"PLC.c", source}, std::pair{"link.cmake", link}}) {
        if (!vx::WriteFileAtomically(vx::JoinPath(folder, name), text)) {
            std::fprintf(stderr, "firmware_source: cannot write %s in %s\n", name, argv[3]);
            return 1;
        }
    }
    return 0;
}
