// Starting the outside programs the tool opens.
//
// The tool starts a few programs by their Windows names: "hh" for the help
// pages and manuals, "Notepad.exe", "calc.exe", "PID.exe", "Explorer.exe" for
// a folder, "devmgmt.msc", "Update.exe", and "mailto" for a mail link (the
// shell's open of a "mailto:" link). Each name maps to what this
// machine has: a command set in the environment variable
// VXTORVIN_LAUNCH_<NAME> (NAME upper-cased without its extension, e.g.
// VXTORVIN_LAUNCH_CALC; blanks part its words, quotes keep a path with
// blanks whole), else the first of the usual Linux programs for the
// job that is installed. The program runs on its own; the tool never waits
// for it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vx {

struct LaunchResult {
    bool started = false;
    std::string problem;  // why nothing was started, in words for the user
};

// Starts the program named the Windows way with the given arguments.
LaunchResult LaunchProgram(std::string_view windowsName, const std::vector<std::string>& args,
                           const std::string& workingFolder = {});

// Starts an executable (a path, or a name found on PATH) detached, with the
// given variables ("NAME=value") added to its environment.
LaunchResult StartDetached(const std::vector<std::string>& command,
                           const std::string& workingFolder = {},
                           const std::vector<std::string>& extraEnvironment = {});

// The full path of an executable found on PATH (or the path itself when it
// has a "/" and is executable); empty when there is none.
std::string FindExecutable(std::string_view name);

// The commands tried for a Windows program name, in order (for messages and tests).
std::vector<std::vector<std::string>> CandidateCommands(std::string_view windowsName);

}  // namespace vx
