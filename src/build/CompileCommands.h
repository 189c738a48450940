// The tool-chain command lines of a compile, in the order they run.
//
// Each command names its tool ("arm-eabi-gcc", "arm-eabi-objcopy", taken from
// the tool-chain folder), its arguments as a list (run without a shell, so
// paths with blanks stay whole) and the file its error output goes to; its
// normal output is discarded. The tools run in the scratch folder: the
// run-time kit lies in its parent folder ("../ST.ld").
//
// The compiler driver would read the kit's and our own ".d" object files as
// D-language sources, so they reach the linker as "-Wl,<file>"; the link also
// names the Cortex-M3 in Thumb mode, so the helper routines it takes from the
// compiler's and C library's multilibs are Thumb code like the rest.
#pragma once

#include <string>
#include <vector>

#include "build/CompileValues.h"

namespace vx {

inline constexpr const char* kCompilerTool = "arm-eabi-gcc";
inline constexpr const char* kObjcopyTool = "arm-eabi-objcopy";

struct ToolCommand {
    std::string tool;
    std::vector<std::string> arguments;
    std::string errorLog;  // file name in the scratch folder; empty: discarded

    // The command as a user would type it, with the redirections.
    std::string Text() const;
    bool operator==(const ToolCommand&) const = default;
};

// The compile of a project: the C block (when in use), PLC.c, the link and
// the image. Compiler messages go to "P.Txt", linker messages to "L.Txt".
std::vector<ToolCommand> CompileCommandLines(const CompileValues& values,
                                             const std::string& targetFile);

// The C library compile: the C block alone into "PLCC.d", messages to "PLCCw.Txt".
ToolCommand LibraryCommandLine();

}  // namespace vx
