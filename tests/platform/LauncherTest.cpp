#include "platform/Launcher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ScopedEnv;
using test::TempFolder;
using test::WriteTestFile;

// A shell script that records its folder and arguments in a file.
std::string MakeRecorder(const TempFolder& dir, const std::string& name) {
    const std::string path = dir / name;
    // The record appears whole (renamed into place), so a reader never sees
    // half of it.
    WriteTestFile(path,
                  "#!/bin/sh\n{ pwd; echo \"$@\"; } > \"$0.tmp\" && mv \"$0.tmp\" \"$0.out\"\n");
    chmod(path.c_str(), 0755);
    return path;
}

bool WaitForFile(const std::string& path) {
    for (int i = 0; i < 2000; ++i) {
        if (std::filesystem::exists(path) && std::filesystem::file_size(path) > 0) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(Launcher, ConfiguredCommandComesFirstAndGetsTheArguments) {
    TempFolder dir;
    const std::string calc = MakeRecorder(dir, "mycalc");
    ScopedEnv configured("VXTORVIN_LAUNCH_CALC", (calc + " --basic").c_str());
    LaunchResult result = LaunchProgram("calc.exe", {"x y"}, dir.Path());
    ASSERT_TRUE(result.started) << result.problem;
    ASSERT_TRUE(WaitForFile(calc + ".out"));
    EXPECT_EQ(test::ReadTestFile(calc + ".out"), dir.Path() + "\n--basic x y\n");
}

TEST(Launcher, NothingInstalledIsSaidClearly) {
    TempFolder dir;
    ScopedEnv path("PATH", dir.Path().c_str());
    ScopedEnv configured("VXTORVIN_LAUNCH_NOTEPAD", nullptr);
    LaunchResult result = LaunchProgram("Notepad.exe", {});
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.problem.find("Notepad.exe"), std::string::npos);
    EXPECT_NE(result.problem.find("VXTORVIN_LAUNCH_NOTEPAD"), std::string::npos);
    EXPECT_NE(result.problem.find("gedit"), std::string::npos) << "says what was tried";
}

TEST(Launcher, OwnProgramsAreLookedForBesideTheTool) {
    TempFolder dir;
    ScopedEnv prog("VXTORVIN_PROGDIR", dir.Path().c_str());
    const std::string update = MakeRecorder(dir, "Update");
    ASSERT_TRUE(LaunchProgram("Update.exe", {}).started);
    EXPECT_TRUE(WaitForFile(update + ".out"));
    EXPECT_EQ(CandidateCommands("PID.exe")[0][0], dir / "PID");
}

TEST(Launcher, MissingFolderOrProgramIsAFailure) {
    TempFolder dir;
    const std::string tool = MakeRecorder(dir, "tool");
    EXPECT_FALSE(StartDetached({tool}, dir / "missing").started);
    EXPECT_FALSE(StartDetached({dir / "none"}).started);
    EXPECT_FALSE(StartDetached({}).started);
    EXPECT_EQ(FindExecutable("sh").empty(), false);
    EXPECT_EQ(FindExecutable(dir / "none"), "");
}

}  // namespace
}  // namespace vx
