// Entry of the window and drawing tests: a Qt application on the offscreen
// platform unless another one is asked for. The plain offscreen platform
// gets a screen of 1200 x 800 (its own is 800 x 600): wider than the main
// window's three tool bars, so that no button goes to a bar's overflow only
// because the screen is small, and narrower than the 1280 pixels from which
// the main window shows its project tree at every start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/TestEnvironment.h"

// Drawing tests of libraries that need no window run on a Qt GUI
// application, so that nothing of Qt Widgets comes into them.
#ifdef VX_TEST_GUI_ONLY
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif

// Qt's font set-up leaves fontconfig's caches allocated at exit; they belong
// to the system library and are no leaks of the tool.
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

int main(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || std::string(platform) == "offscreen") {
        setenv("QT_QPA_PLATFORM", "offscreen:configfile=" VX_TEST_SCREEN_FILE, 1);
    }
    TestApplication app(argc, argv);
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
