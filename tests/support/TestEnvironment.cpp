#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/TempFolder.h"

namespace vx::test {

int RunAllTestsInTemporaryFolders(
    const std::function<void(const std::string& programFolder)>& prepare) {
    TempFolder windows;
    TempFolder program;
    TempFolder locks;
    setenv("VXTORVIN_WINDIR", windows.Path().c_str(), 1);
    setenv("VXTORVIN_LOCKDIR", locks.Path().c_str(), 1);
    setenv("VXTORVIN_PROGDIR", program.Path().c_str(), 1);
    if (prepare) prepare(program.Path());
    return RUN_ALL_TESTS();
}

}  // namespace vx::test
