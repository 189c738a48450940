// Controller images for tests: a hand-written C file compiled and linked
// against the run-time kit exactly as the compile stage links a project
// (model object, the program, the run-time variant, the library, the linker
// script), then turned into the raw image qemu runs.
#pragma once

#include <string>

namespace vx::test {

// Whether the ARM tool chain and the built kit are there.
bool KitAvailable();

struct KitImage {
    std::string image;  // the raw image ("Torvin.pin")
    std::string elf;    // "plc.elf" beside it
    std::string log;    // the tool chain's output when it failed
    bool ok = false;
};

// Builds the program (a "PLC.c" that defines SysIni_TAB, PLCact and the
// rest a program provides) in the folder.
KitImage BuildKitImage(const std::string& folder, const std::string& programSource);

// A program source with the given SysIni_TAB numbers and scan body; it also
// defines LadderACT, CALL_Sub, function1 and Plu_Handle.
std::string ProgramSource(const std::string& sysIniNumbers, const std::string& scanBody,
                          const std::string& globals = "");

}  // namespace vx::test
