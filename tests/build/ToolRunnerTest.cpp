// Running command chains without a shell, and the scratch folder's removals.
#include "build/ToolRunner.h"

#include <gtest/gtest.h>

#include <chrono>
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
        WriteScript(tools_ / "slow", "sleep 30 & wait\n");
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

TEST_F(ToolRunnerTest, StopEndsTheRunningToolAndItsChildren) {
    CommandChain chain;
    ASSERT_TRUE(chain.Start({{"slow", {}, ""}, {"args", {"never"}, ""}}, work_, tools_.Path()));
    EXPECT_EQ(chain.Poll(), State::Running);
    const auto start = std::chrono::steady_clock::now();
    chain.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(chain.Poll(), State::Stopped);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(FileExists(JoinPath(work_, "args.out")));
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
