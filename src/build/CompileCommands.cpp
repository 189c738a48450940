#include "build/CompileCommands.h"

namespace vx {
namespace {

const std::vector<std::string> kCompileFlags = {
    "-mcpu=cortex-m3", "-mthumb", "-Wall", "-g", "-O3", "-I", ".", "-I", "lib/inc"};

ToolCommand CompileOf(const std::string& object, const std::string& source,
                      const std::string& log) {
    ToolCommand c{kCompilerTool, kCompileFlags, log};
    c.arguments.insert(c.arguments.end(), {"-c", "-o", object, source});
    return c;
}

// An object file for the linker, whatever its extension.
std::string LinkerInput(const std::string& file) {
    return "-Wl," + file;
}

std::string Quoted(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    return "\"" + argument + "\"";
}

}  // namespace

std::string ToolCommand::Text() const {
    std::string text = tool;
    for (const std::string& a : arguments)
        text += " " + Quoted(a);
    if (!errorLog.empty()) text += " >nul 2>" + errorLog;
    return text;
}

std::vector<ToolCommand> CompileCommandLines(const CompileValues& v,
                                             const std::string& targetFile) {
    std::vector<ToolCommand> commands;
    if (v.cBlock) commands.push_back(CompileOf("PCC.d", "PLCC.c", "P.Txt"));
    commands.push_back(CompileOf("plc.d", "PLC.c", "P.Txt"));

    const std::string suffix = LinkerSuffix(v);
    ToolCommand link{kCompilerTool,
                     {"-Wl,--gc-sections,-cref,-u,Reset_Handler", "-mcpu=cortex-m3", "-mthumb",
                      "-I", ".", "-I", "lib/inc", "-L", "lib", "-T", "../ST" + suffix + ".ld",
                      LinkerInput(ModelObject(v.series, v.version))},
                     "L.Txt"};
    if (v.plugin) link.arguments.push_back(LinkerInput("Ex.d"));
    if (v.cBlock || v.cLibrary) link.arguments.push_back(LinkerInput("PCC.d"));
    link.arguments.push_back(LinkerInput("plc.d"));
    link.arguments.push_back(LinkerInput(RuntimeVariant(v) + suffix + ".d"));
    link.arguments.push_back("../STLIB" + suffix + ".a");
    link.arguments.insert(link.arguments.end(), {"--output", "plc.elf"});
    commands.push_back(std::move(link));

    commands.push_back({kObjcopyTool, {"-O", "binary", "plc.elf", targetFile}, {}});
    return commands;
}

ToolCommand LibraryCommandLine() {
    return CompileOf("PLCC.d", "PLCC.c", "PLCCw.Txt");
}

}  // namespace vx
