// Gives the test program a Windows directory and program folder of its own,
// so no test ever touches the user's real files.
#pragma once

namespace vx::test {

// Creates the two temporary folders, points VXTORVIN_WINDIR and
// VXTORVIN_PROGDIR at them, runs every test and removes the folders again.
int RunAllTestsInTemporaryFolders();

}  // namespace vx::test
