// Test entry: every test program runs with its own Windows directory and
// program folder, so no test ever touches the user's real files.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/TempFolder.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    vx::test::TempFolder windows;
    vx::test::TempFolder program;
    setenv("VXTORVIN_WINDIR", windows.Path().c_str(), 1);
    setenv("VXTORVIN_PROGDIR", program.Path().c_str(), 1);
    return RUN_ALL_TESTS();
}
