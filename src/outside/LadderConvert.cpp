#include "outside/LadderConvert.h"

#include <string>

#include "editor/ProjectFile.h"
#include "model/LadderProgram.h"
#include "platform/FileIo.h"
#include "platform/SystemFolders.h"

namespace vx {

bool LadderConvert(std::string_view argument) {
    const std::size_t bar = argument.find('|');
    if (bar == std::string_view::npos) return false;
    const std::string project(argument.substr(0, bar));
    const std::string scratch(argument.substr(bar + 1));
    if (project.empty() || scratch.empty()) return false;

    const std::optional<std::string> bytes = ReadWholeFile(project);
    if (!bytes) return false;
    LadderProgram program;
    if (ParseProject(*bytes, program) != ProjectReadResult::Ok) return false;
    if (!MakeFolders(scratch)) return false;

    const std::string list = "END\r\n";
    const std::string macro = "  /* main program */\r\n";
    const std::string sub =
        "void CALL_Sub(unsigned char n)\r\n"
        "{\r\n"
        "  (void)n;\r\n"
        "}\r\n";
    return WriteFileAtomically(JoinPath(scratch, "LD.txt"), list) &&
           WriteFileAtomically(JoinPath(scratch, "Macro.txt"), macro) &&
           WriteFileAtomically(JoinPath(scratch, "Sub.txt"), sub);
}

}  // namespace vx
