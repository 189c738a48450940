#include "platform/Launcher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/Language.h"
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

TEST(Launcher, ConfiguredCommandsKeepQuotedPathsWhole) {
    using Words = std::vector<std::string>;
    const struct {
        const char* value;
        Words words;
    } rows[] = {
        {"gnome-calculator", {"gnome-calculator"}},
        {"  /opt/calc  --basic\t-x ", {"/opt/calc", "--basic", "-x"}},
        {"\"/opt/PLC tools/计算器\" --basic", {"/opt/PLC tools/计算器", "--basic"}},
        {"'/a b/c' \"\" 'x y'z", {"/a b/c", "", "x yz"}},
        {"/home/o'brien/calc $(id);`id`&|>%PATH%", {"/home/o'brien/calc", "$(id);`id`&|>%PATH%"}},
    };
    for (const auto& row : rows) {
        ScopedEnv configured("VXTORVIN_LAUNCH_CALC", row.value);
        EXPECT_EQ(CandidateCommands("calc.exe").front(), row.words) << row.value;
    }
    ScopedEnv blank("VXTORVIN_LAUNCH_CALC", "  ");
    EXPECT_EQ(CandidateCommands("calc.exe").front(), Words{"gnome-calculator"}) << "blank: none";
}

TEST(Launcher, NothingInstalledIsSaidClearly) {
    TempFolder dir;
    ScopedEnv path("PATH", dir.Path().c_str());
    ScopedEnv configured("VXTORVIN_LAUNCH_NOTEPAD", nullptr);
    ScopedEnv configuredHelp("VXTORVIN_LAUNCH_HH", nullptr);
    LaunchResult result = LaunchProgram("Notepad.exe", {});
    EXPECT_FALSE(result.started);
    EXPECT_EQ(
        result.problem.rfind("本机没有可用的文本编辑器（代替 Notepad.exe）。请用系统的软件包管理器"
                             "安装以下程序之一：gedit、gnome-text-editor、",
                             0),
        0u)
        << result.problem;
    EXPECT_NE(result.problem.find("或者把环境变量 VXTORVIN_LAUNCH_NOTEPAD 设为"),
              std::string::npos);

    SetInterfaceChinese(false);
    result = LaunchProgram("hh", {"index.html"});
    const std::string calc = LaunchProgram("calc.exe", {}).problem;
    const std::string pid = LaunchProgram("PID.exe", {}).problem;
    SetInterfaceChinese(true);
    EXPECT_EQ(result.problem.rfind("No web browser for the help pages is installed on this machine "
                                   "(to stand in for hh). Install one of these programs with the "
                                   "system's package manager: xdg-open (package xdg-utils), "
                                   "x-www-browser, firefox-esr",
                                   0),
              0u)
        << result.problem;
    EXPECT_NE(result.problem.find("set the environment variable VXTORVIN_LAUNCH_HH to the command"),
              std::string::npos);
    EXPECT_NE(calc.find("No calculator is installed"), std::string::npos) << calc;
    // The PID demonstration is no part of the tool: reinstalling it brings none.
    EXPECT_NE(pid.find("The program PID.exe was not found: it is an outside program, no part of "
                       "this tool"),
              std::string::npos)
        << pid;
    EXPECT_NE(pid.find("or set the environment variable VXTORVIN_LAUNCH_PID"), std::string::npos);
    EXPECT_EQ(pid.find("install the tool again"), std::string::npos);
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
