// Running command chains without a shell, and the scratch folder's removals.
#include "build/ToolRunner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "build/FakeTools.h"
#include "build/ScratchFolder.h"
#include "platform/FileIo.h"
#include "platform/SystemFolders.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ReadTestFile;
using test::TempFolder;
using test::WriteScript;
using test::WriteTestFile;
using State = CommandChain::State;

State RunToEnd(CommandChain& chain) {
    State s;
    while ((s = chain.Poll()) == State::Running)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return s;
}

class ToolRunnerTest : public testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(work_);
        // Writes each argument on a line of its own, and a message to stderr.
        WriteScript(tools_ / "args",
                    "for a in \"$@\"; do echo \"$a\" >> args.out; done\n"
                    "echo \"warning: $1\" >&2\n");
        WriteScript(tools_ / "fail", "echo \"error: failed\" >&2\nexit 3\n");
        // Runs a child for 30 s, names it, and marks its own natural end.
        WriteScript(tools_ / "slow",
                    "sleep 30 & echo $! > child.pid\nwait\necho done > slow.done\n");
    }
    TempFolder tools_;
    TempFolder dir_;
    std::string work_ = dir_ / "work dir";
};

TEST_F(ToolRunnerTest, CommandsRunInOrderInTheFolderWithWholeArguments) {
    CommandChain chain;
    ASSERT_TRUE(chain.Start(
        {{"args", {"first", "with blank", "泵站"}, "one.Txt"}, {"args", {"second"}, "two.Txt"}},
        work_, tools_.Path()));
    EXPECT_EQ(RunToEnd(chain), State::Succeeded);
    EXPECT_EQ(ReadTestFile(JoinPath(work_, "args.out")), "first\nwith blank\n泵站\nsecond\n");
    EXPECT_EQ(ReadTestFile(JoinPath(work_, "one.Txt")), "warning: first\n");
    EXPECT_EQ(ReadTestFile(JoinPath(work_, "two.Txt")), "warning: second\n");
}

TEST_F(ToolRunnerTest, TheFirstFailureEndsTheChain) {
    CommandChain chain;
    ASSERT_TRUE(chain.Start({{"args", {"a"}, ""}, {"fail", {}, "P.Txt"}, {"args", {"b"}, ""}},
                            work_, tools_.Path()));
    EXPECT_EQ(RunToEnd(chain), State::Failed);
    EXPECT_EQ(chain.CommandIndex(), 1u);
    EXPECT_EQ(chain.ExitCode(), 3);
    EXPECT_EQ(ReadTestFile(JoinPath(work_, "args.out")), "a\n") << "b never ran";
    EXPECT_EQ(ReadTestFile(JoinPath(work_, "P.Txt")), "error: failed\n");
}

TEST_F(ToolRunnerTest, AMissingToolIsToldApart) {
    CommandChain chain;
    ASSERT_TRUE(chain.Start({{"arm-eabi-gcc", {"-c"}, "P.Txt"}}, work_, tools_.Path()));
    EXPECT_EQ(RunToEnd(chain), State::ToolMissing);
    EXPECT_EQ(chain.ExitCode(), 127);
    EXPECT_EQ(ReadTestFile(JoinPath(work_, "P.Txt")), "arm-eabi-gcc: not found\n");
}

// True while the process runs (a process that ended but was not yet reaped
// counts as ended).
bool ProcessRuns(int pid) {
    const std::string stat = ReadTestFile("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z' &&
           stat[close + 2] != 'X';
}

TEST_F(ToolRunnerTest, StopEndsTheRunningToolAndItsChildren) {
    CommandChain chain;
    ASSERT_TRUE(chain.Start({{"slow", {}, ""}, {"args", {"never"}, ""}}, work_, tools_.Path()));
    const std::string pidFile = JoinPath(work_, "child.pid");
    for (int i = 0; i < 2000 && ReadTestFile(pidFile).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const int child = std::atoi(ReadTestFile(pidFile).c_str());
    ASSERT_GT(child, 0) << "the tool started its child";
    EXPECT_EQ(chain.Poll(), State::Running);
    chain.Stop();
    EXPECT_FALSE(FileExists(JoinPath(work_, "slow.done"))) << "stopped before the tool's own end";
    EXPECT_EQ(chain.Poll(), State::Stopped);
    for (int i = 0; i < 2000 && ProcessRuns(child); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(ProcessRuns(child)) << "the tool's child ends with it";
    EXPECT_EQ(chain.Poll(), State::Stopped);
    EXPECT_FALSE(FileExists(JoinPath(work_, "args.out"))) << "the next command never starts";
}

TEST(ScratchFolderTest, RemovalsMatchWithoutCase) {
    TempFolder dir;
    for (const char* name : {"P.Txt", "L.TXT", "PLCCw.Txt", "LD.txt", "plc.c", "PLC.H", "Ex.D",
                             "project.Lib", "plc.elf"})
        WriteTestFile(dir / name, "x");
    DeleteNamedFiles(dir.Path(), {"p.txt", "l.txt"});
    EXPECT_FALSE(FileExists(dir / "P.Txt"));
    EXPECT_FALSE(FileExists(dir / "L.TXT"));
    EXPECT_TRUE(FileExists(dir / "LD.txt"));
    EXPECT_EQ(FindFileNoCase(dir.Path(), "plccw.txt"), dir / "PLCCw.Txt");
    EXPECT_EQ(FindFileNoCase(dir.Path(), "none.txt"), "");
    DeleteFilesWithExtensions(dir.Path(), {".txt", ".c", ".h", ".d"});
    for (const char* gone : {"PLCCw.Txt", "LD.txt", "plc.c", "PLC.H", "Ex.D"})
        EXPECT_FALSE(FileExists(dir / gone)) << gone;
    EXPECT_TRUE(FileExists(dir / "project.Lib"));
    EXPECT_TRUE(FileExists(dir / "plc.elf"));
    EXPECT_TRUE(DeleteWithRetries(dir / "plc.elf"));
    EXPECT_TRUE(DeleteWithRetries(dir / "never there"));
}

}  // namespace
}  // namespace vx
