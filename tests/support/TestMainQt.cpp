// Entry of the window and drawing tests: a Qt application on the offscreen
// platform unless another one is asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "support/TestEnvironment.h"

// Qt's font set-up leaves fontconfig's caches allocated at exit; they belong
// to the system library and are no leaks of the tool.
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    // The program folder holds the language files, as the build's does.
    return vx::test::RunAllTestsInTemporaryFolders([](const std::string& programFolder) {
        for (const char* file : {"kzchs.ini", "kzeng.ini"}) {
            std::error_code ec;
            std::filesystem::copy_file(std::filesystem::path(VX_DATA_DIR) / file,
                                       std::filesystem::path(programFolder) / file, ec);
        }
    });
}
