// Placing the tool wrappers and the run-time kit in the tool-chain folder.
#include "build/ToolChain.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "build/CompileValues.h"
#include "platform/FileIo.h"
#include "platform/SystemFolders.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

class ToolChainTest : public testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(RuntimeKitFolder(program_.Path()));
        for (const std::string& name : RuntimeKitFiles())
            WriteTestFile(JoinPath(RuntimeKitFolder(program_.Path()), name), "kit " + name);
    }
    TempFolder windows_;
    TempFolder program_;
};

TEST_F(ToolChainTest, TheKitHasEveryFileTheCommandLinesName) {
    const auto& files = RuntimeKitFiles();
    EXPECT_EQ(files.size(), 2u + 8u + 33u + 1u);
    for (const char* name : {"ST.ld", "ST2.ld", "STFUN.d", "STFUNC2.d", "STFUNCO.d", "STLIB.a",
                             "STLIB2.a", "MOD000.d", "MOD102.d", "EmptyImage.txt"}) {
        EXPECT_NE(std::find(files.begin(), files.end(), name), files.end()) << name;
    }
}

TEST_F(ToolChainTest, WrappersAndKitArePlacedWhenMissing) {
    EXPECT_FALSE(ToolChainPresent(windows_.Path()));
    EXPECT_EQ(InstallToolChain(windows_.Path(), program_.Path()), "");
    EXPECT_TRUE(ToolChainPresent(windows_.Path()));
    const std::string gcc = JoinPath(ToolChainFolder(windows_.Path()), "arm-eabi-gcc");
    EXPECT_NE(ReadTestFile(gcc).find("exec arm-none-eabi-gcc \"$@\""), std::string::npos);
    EXPECT_EQ(access(gcc.c_str(), X_OK), 0);
    EXPECT_NE(ReadTestFile(JoinPath(ToolChainFolder(windows_.Path()), "arm-eabi-objcopy"))
                  .find("exec arm-none-eabi-objcopy"),
              std::string::npos);
    EXPECT_EQ(ReadTestFile(JoinPath(ToolChainFolder(windows_.Path()), "ST2.ld")), "kit ST2.ld");
}

TEST_F(ToolChainTest, AnOutdatedKitFileIsReplacedAPlacedToolIsKept) {
    const std::string folder = ToolChainFolder(windows_.Path());
    std::filesystem::create_directories(folder);
    WriteTestFile(JoinPath(folder, "arm-eabi-gcc"), "#!/bin/sh\n# my own\n");
    WriteTestFile(JoinPath(folder, "STLIB.a"), "old");
    EXPECT_EQ(InstallToolChain(windows_.Path(), program_.Path()), "");
    EXPECT_EQ(ReadTestFile(JoinPath(folder, "arm-eabi-gcc")), "#!/bin/sh\n# my own\n");
    EXPECT_EQ(ReadTestFile(JoinPath(folder, "STLIB.a")), "kit STLIB.a");
}

TEST_F(ToolChainTest, AMissingShippedKitIsTold) {
    std::filesystem::remove(JoinPath(RuntimeKitFolder(program_.Path()), "MOD050.d"));
    const std::string problems = InstallToolChain(windows_.Path(), program_.Path());
    EXPECT_NE(problems.find("MOD050.d"), std::string::npos) << problems;
    EXPECT_FALSE(ToolChainPresent(windows_.Path()));
    EXPECT_EQ(DebianToolOf("arm-eabi-objcopy"), "arm-none-eabi-objcopy");
    EXPECT_NE(ToolChainMissingText(false).find("gcc-arm-none-eabi"), std::string::npos);
    EXPECT_NE(ToolChainMissingText(true).find("libnewlib-arm-none-eabi"), std::string::npos);
}

TEST_F(ToolChainTest, TheKitsShareIsTheEmptyImageOfTheProjectsModelAndVariant) {
    WriteTestFile(JoinPath(RuntimeKitFolder(program_.Path()), "EmptyImage.txt"),
                  "MOD000.d STFUN.d 5432\n"
                  "MOD000.d STFUN2.d 5464\n"
                  "MOD061.d STFUN2.d 5470\n"
                  "MOD061.d STFUNCO2.d 5504\n"
                  "MOD030.d STFUNC.d 5476\n");
    EXPECT_EQ(EmptyImageSize(windows_.Path(), CompileValues{}), 0)
        << "nothing is known before the kit lies in the tool-chain folder";
    ASSERT_EQ(InstallToolChain(windows_.Path(), program_.Path()), "");

    CompileValues v;
    EXPECT_EQ(EmptyImageSize(windows_.Path(), v), 5432);
    v.series = 6;
    v.version = 1;  // the larger memory map
    EXPECT_EQ(EmptyImageSize(windows_.Path(), v), 5470);
    v.canFunction = 2;
    EXPECT_EQ(EmptyImageSize(windows_.Path(), v), 5504);
    v.cBlock = v.cLibrary = v.plugin = true;  // the user's code is the program's
    EXPECT_EQ(EmptyImageSize(windows_.Path(), v), 5504);
    v.series = 3;
    v.version = 0;
    v.canFunction = 1;
    EXPECT_EQ(EmptyImageSize(windows_.Path(), v), 5476);
    v.canFunction = 0;
    EXPECT_EQ(EmptyImageSize(windows_.Path(), v), 0) << "a model the table does not name";

    WriteTestFile(JoinPath(ToolChainFolder(windows_.Path()), "EmptyImage.txt"),
                  "MOD000.d STFUN.d\nMOD000.d STFUN.d many\n");
    EXPECT_EQ(EmptyImageSize(windows_.Path(), CompileValues{}), 0) << "a damaged table";
}

}  // namespace
}  // namespace vx
