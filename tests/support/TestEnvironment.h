// Gives the test program a Windows directory and program folder of its own,
// so no test ever touches the user's real files.
#pragma once

#include <functional>
#include <string>

namespace vx::test {

// Creates the temporary folders, points VXTORVIN_WINDIR, VXTORVIN_PROGDIR and
// VXTORVIN_LOCKDIR (the serial ports' lock files) at them, lets `prepare` fill the program folder,
// runs every test and removes the folders again.
int RunAllTestsInTemporaryFolders(
    const std::function<void(const std::string& programFolder)>& prepare = {});

}  // namespace vx::test
