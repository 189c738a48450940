// The converter's contract: project path, "|", scratch folder; three files or false.
#include "outside/LadderConvert.h"

#include <gtest/gtest.h>

#include "editor/ProjectFile.h"
#include "platform/FileIo.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

TEST(LadderConvertTest, ASavedProjectGivesTheThreeFiles) {
    TempFolder dir;
    LadderProgram program;
    SetDefaultParameters(program);
    const std::string project = dir / "泵站 控制.PSP";
    WriteTestFile(project, SerialiseProject(program));
    const std::string scratch = dir / "system temp";
    ASSERT_TRUE(LadderConvert(project + "|" + scratch + "/"));
    EXPECT_EQ(ReadTestFile(scratch + "/LD.txt"), "END\r\n");
    EXPECT_EQ(ReadTestFile(scratch + "/Macro.txt"), "  /* main program */\r\n");
    EXPECT_NE(ReadTestFile(scratch + "/Sub.txt").find("void CALL_Sub(unsigned char n)"),
              std::string::npos);
    EXPECT_TRUE(LadderConvert(project + "|" + scratch)) << "with or without the separator";
}

TEST(LadderConvertTest, RefusesWhatIsNoProject) {
    TempFolder dir;
    WriteTestFile(dir / "bad.PSP", std::string(2000, 'x'));
    EXPECT_FALSE(LadderConvert(dir / "bad.PSP|" + dir.Path()));
    EXPECT_FALSE(LadderConvert(dir / "missing.PSP|" + dir.Path()));
    EXPECT_FALSE(LadderConvert(dir / "bad.PSP"));
    EXPECT_FALSE(LadderConvert("|" + dir.Path()));
    EXPECT_FALSE(FileExists(dir / "LD.txt"));
}

}  // namespace
}  // namespace vx
