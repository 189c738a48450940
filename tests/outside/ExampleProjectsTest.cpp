// The shipped example projects say what their names promise: the converter
// turns each into the instruction list of a self-holding motor with a timer,
// a counter with its reset, and a step sequence; written and read back they
// are the same projects.
#include "editor/ExampleProjects.h"

#include <gtest/gtest.h>

#include <cctype>

#include "editor/ProjectFile.h"
#include "outside/LadderConvert.h"
#include "platform/FileIo.h"
#include "platform/SystemFolders.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

// The instruction list's lines without the block and rung headings (the
// converter ends the main program with END).
std::vector<std::string> Instructions(const LadderProgram& program) {
    ConvertedProgram out;
    std::string message;
    EXPECT_TRUE(ConvertLadder(program, out, message)) << message;
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < out.list.size()) {
        std::size_t end = out.list.find("\r\n", start);
        if (end == std::string::npos) end = out.list.size();
        std::string line = out.list.substr(start, end - start);
        start = end + 2;
        if (line.empty() || line[0] == ';') continue;
        // Without the step number in front.
        if (line.size() > 5 && std::isdigit(static_cast<unsigned char>(line[0])) && line[4] == ' ')
            line.erase(0, 5);
        // One blank between the mnemonic and its operands.
        std::string compact;
        for (char c : line) {
            if (c != ' ' || (!compact.empty() && compact.back() != ' ')) compact += c;
        }
        while (!compact.empty() && compact.back() == ' ')
            compact.pop_back();
        lines.push_back(compact);
    }
    return lines;
}

const ExampleProject& Example(const std::vector<ExampleProject>& all, const std::string& name) {
    for (const ExampleProject& e : all) {
        if (e.fileName == name) return e;
    }
    ADD_FAILURE() << "no example " << name;
    return all.front();
}

TEST(ExampleProjectsTest, EachExampleIsTheProgramItsNamePromises) {
    const std::vector<ExampleProject> all = ExampleProjects();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all.front().fileName, kFirstExampleProject);

    const std::vector<std::string> motor = {"LD X0",      "OR Y0", "ANI X1", "OUT Y0", "LD Y0",
                                            "OUT T0 K50", "LD T0", "OUT Y1", "END"};
    EXPECT_EQ(Instructions(Example(all, "MotorStartStop.PSP").program), motor);
    const std::vector<std::string> counter = {"LD X0", "OUT C0 K10", "LD X1", "RST C0",
                                              "LD C0", "OUT Y0",     "END"};
    EXPECT_EQ(Instructions(Example(all, "CounterReset.PSP").program), counter);
    const std::vector<std::string> steps = {
        "LDP X0", "SET S20", "STL S20", "OUT Y0", "LD X1", "SET S21", "STL S21", "OUT T0 K30",
        "LD T0",  "SET S22", "STL S22", "OUT Y1", "LD X2", "RST S22", "RET",     "END"};
    EXPECT_EQ(Instructions(Example(all, "StepSequence.PSP").program), steps);

    // Each rung carries its block comment, each device its comment.
    const ExampleProject& motorProject = Example(all, "MotorStartStop.PSP");
    EXPECT_EQ(motorProject.program.cells.First(kCommentColumn, 0), "电机启停: 自锁回路");
    EXPECT_EQ(motorProject.comments.Comment(DeviceKind::X, 1), "停止按钮");
    for (const ExampleProject& e : all) {
        EXPECT_EQ(e.program.sysParamString, kDefaultSysParamString) << e.fileName;
        EXPECT_EQ(e.program.subroutineNames[31], "TIME_1ms") << e.fileName;
    }
}

TEST(ExampleProjectsTest, WrittenExamplesReadBackWithTheirComments) {
    test::TempFolder dir;
    const std::string folder = dir / "Examples";
    const std::vector<std::string> files = WriteExampleProjects(folder);
    ASSERT_EQ(files.size(), 6u) << "a project and its comments each";
    for (const ExampleProject& e : ExampleProjects()) {
        const std::string path = JoinPath(folder, e.fileName);
        LadderProgram read;
        ASSERT_EQ(ParseProject(*ReadWholeFile(path), read), ProjectReadResult::Ok) << path;
        EXPECT_EQ(SerialiseProject(read), SerialiseProject(e.program)) << path;
        DeviceComments comments;
        ASSERT_TRUE(OpenRcmFile(RcmPathOf(path), comments));
        EXPECT_EQ(comments.Comment(DeviceKind::X, 0), e.comments.Comment(DeviceKind::X, 0));
    }
}

}  // namespace
}  // namespace vx
