#include "editor/ProjectCommands.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "editor/CBlockFile.h"
#include "editor/ClipCells.h"
#include "model/CellKind.h"
#include "support/MessageRecorder.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::MessageRecorder;
using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

LadderProgram SmallProgram() {
    LadderProgram p;
    SetDefaultParameters(p);
    p.cells.Kind(1, 0) = CellKind::kOpenContact;
    p.cells.First(1, 0) = "X0";
    p.cells.Kind(12, 0) = CellKind::kCoil;
    p.cells.First(12, 0) = "Y0";
    return p;
}

ProjectHooks NamedSave(std::string name) {
    ProjectHooks hooks;
    hooks.askSaveName = [name](const std::string&) { return std::optional<std::string>(name); };
    return hooks;
}

TEST(ProjectMessages, AreChosenByLanguage) {
    EXPECT_EQ(ProjectMessageText(ProjectOutcome::VersionError, "a.PSP", true), "文件版本错误 ！");
    EXPECT_EQ(ProjectMessageText(ProjectOutcome::VersionError, "a.PSP", false),
              "File version error!");
    EXPECT_EQ(ProjectMessageText(ProjectOutcome::NotFound, "/p/a.PSP", true),
              "没有找到或只读格式的：/p/a.PSP  ！");
    EXPECT_EQ(ProjectMessageText(ProjectOutcome::NotFound, "/p/a.PSP", false),
              "Not found：/p/a.PSP  ！");
    EXPECT_EQ(ProjectMessageText(ProjectOutcome::Done, "a", true), "");
}

TEST(ProjectRequests, ModesDecideBetweenLoadingAndHandingOver) {
    EXPECT_EQ(NewRequestAction(kProjectHeldMode), RequestAction::HandOver);
    EXPECT_EQ(NewRequestAction(kNewFileMode), RequestAction::LoadHere);
    EXPECT_EQ(NewRequestAction(kStartNewFileMode), RequestAction::LoadHere);
    EXPECT_EQ(NewRequestAction(""), RequestAction::Ignore);
    EXPECT_EQ(OpenRequestAction(kProjectHeldMode), RequestAction::HandOver);
    EXPECT_EQ(OpenRequestAction(kOpenFileMode), RequestAction::LoadHere);
    EXPECT_EQ(OpenRequestAction(kStartOpenFileMode), RequestAction::LoadHere);
    EXPECT_EQ(OpenRequestAction(kNewFileMode), RequestAction::Ignore);
}

TEST(NewProjectCommand, GivesDefaultsAndAnEmptyUntitledProgram) {
    ProjectNames names{"/p/old.PSP", ""};
    LadderProgram p = SmallProgram();
    p.sysParamString = "x";
    ProjectHooks hooks;
    hooks.editNewParameters = [](LadderProgram& program) {
        EXPECT_EQ(program.sysParamString, kDefaultSysParamString) << "the dialog sees the defaults";
        return false;
    };
    EXPECT_EQ(NewProject(names, p, hooks), ProjectOutcome::Cancelled);
    EXPECT_EQ(p.cells.Kind(1, 0), CellKind::kOpenContact) << "a cancelled dialog empties nothing";

    hooks.editNewParameters = [](LadderProgram&) { return true; };
    EXPECT_EQ(NewProject(names, p, hooks), ProjectOutcome::Done);
    EXPECT_EQ(p.cells, LadderCells());
    EXPECT_EQ(p.holdParamString, kDefaultHoldParamString);
    EXPECT_EQ(names.projectFile, "Torvin0");
}

TEST(OpenProjectCommand, ReportsBadFilesInTheChosenLanguage) {
    MessageRecorder messages;
    TempFolder dir;
    ProjectNames names;
    LadderProgram p = SmallProgram();
    const std::string missing = dir / "missing.PSP";
    EXPECT_EQ(OpenProject(missing, names, p, {}, {.chinese = false}), ProjectOutcome::NotFound);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Not found：" + missing + "  ！");
    EXPECT_EQ(messages.Last().caption, "KZ6-Quillary");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(names.projectFile, missing);
    EXPECT_EQ(p.cells, LadderCells()) << "the store is emptied before the file is read";

    WriteTestFile(dir / "old.PSP", std::string(23 * 60, '\0'));
    EXPECT_EQ(OpenProject(dir / "old.PSP", names, p, {}, {.chinese = true}),
              ProjectOutcome::VersionError);
    EXPECT_EQ(messages.Last().text, "文件版本错误 ！");

    // A good header, but only three records.
    std::string shortFile = SerialiseProject(SmallProgram()).substr(0, 3 * 60);
    WriteTestFile(dir / "short.PSP", shortFile);
    EXPECT_EQ(OpenProject(dir / "short.PSP", names, p, {}, {.chinese = true}),
              ProjectOutcome::NotFound);
    EXPECT_EQ(messages.Last().text, "没有找到或只读格式的：" + dir / "short.PSP" + "  ！");
}

TEST(OpenProjectCommand, ReadsCommentsAsksThePasswordAndMakesTheCBlockFile) {
    MessageRecorder messages;
    TempFolder dir;
    LadderProgram saved = SmallProgram();
    saved.passwordFlag = 1;
    saved.passwordText = "1234";
    saved.sysParamString.replace(49, 2, "01");  // C block on
    const std::string path = dir / "p.PSP";
    WriteTestFile(path, SerialiseProject(saved));

    std::vector<std::string> calls;
    ProjectHooks hooks;
    hooks.readComments = [&](const std::string& file) { calls.push_back("comments " + file); };
    hooks.askPassword = [&](const LadderProgram& program) {
        calls.push_back("password " + program.passwordText);
        return false;
    };
    ProjectNames names;
    LadderProgram p;
    EXPECT_EQ(OpenProject(path, names, p, hooks, {}), ProjectOutcome::PasswordRefused);
    EXPECT_EQ(calls, (std::vector<std::string>{"comments " + path, "password 1234"}));
    EXPECT_FALSE(FileExists(dir / "p.PLCC")) << "a refused project gets no C block file";

    hooks.askPassword = [](const LadderProgram&) { return true; };
    EXPECT_EQ(OpenProject(path, names, p, hooks, {}), ProjectOutcome::Done);
    EXPECT_EQ(p.cells.First(12, 0), "Y0");
    const std::string cblock = ReadTestFile(dir / "p.PLCC");
    EXPECT_NE(cblock.find("void  function1(void)\r\n{\r\n"), std::string::npos);
    EXPECT_EQ(std::count(cblock.begin(), cblock.end(), '\n'), 13);
    EXPECT_NE(
        cblock.find("\xB4\xCB\xBA\xAF\xCA\xFD\xC3\xFB\xB3\xC6\xB2\xBB\xBF\xC9\xB8\xFC\xB8\xC4"),
        std::string::npos)
        << "\"此函数名称不可更改\" in GBK";

    WriteTestFile(dir / "p.PLCC", "mine");
    EXPECT_EQ(OpenProject(path, names, p, hooks, {}), ProjectOutcome::Done);
    EXPECT_EQ(ReadTestFile(dir / "p.PLCC"), "mine") << "an existing C block is kept";

    EXPECT_EQ(OpenProject(path, names, p, {}, {}), ProjectOutcome::PasswordRefused)
        << "without a prompt a protected project stays closed";
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(SaveProjectCommand, NamesAnUntitledProjectAndRestoresTheNameOnCancel) {
    TempFolder dir;
    const LadderProgram p = SmallProgram();
    ProjectNames names;
    EXPECT_EQ(SaveProject(names, p, {}, {}), ProjectOutcome::Cancelled);
    EXPECT_EQ(names.projectFile, "Torvin0");

    EXPECT_EQ(SaveProject(names, p, NamedSave(dir / "pump"), {}), ProjectOutcome::Done);
    EXPECT_EQ(names.projectFile, dir / "pump.PSP");
    EXPECT_EQ(ReadTestFile(dir / "pump.PSP"), SerialiseProject(p));
    EXPECT_EQ(SavedCaption(names.projectFile), "KZ6-Quillary - [" + dir / "pump.PSP" + "]");

    EXPECT_EQ(NameForSaving("a.PSP"), "a.PSP");
    EXPECT_EQ(NameForSaving("a.psp"), "a.psp.PSP") << "the test is case-sensitive";

    ProjectHooks cancel;
    cancel.askSaveName = [](const std::string& suggested) {
        EXPECT_EQ(suggested, "Torvin0");
        return std::optional<std::string>();
    };
    EXPECT_EQ(SaveProjectAs(names, p, cancel, {}), ProjectOutcome::Cancelled);
    EXPECT_EQ(names.projectFile, dir / "pump.PSP");

    // A project opened from its backup is saved as the project file.
    names.projectFile = dir / "pump.BAK";
    EXPECT_EQ(SaveProject(names, p, {}, {}), ProjectOutcome::Done);
    EXPECT_EQ(names.projectFile, dir / "pump.PSP");
}

TEST(SaveProjectCommand, KeepsTheFirstBackupAndWritesCommentsAfterTheProject) {
    TempFolder dir;
    LadderProgram p = SmallProgram();
    ProjectNames names{dir / "a.PSP", ""};
    std::vector<std::string> calls;
    ProjectHooks hooks;
    hooks.writeComments = [&](const std::string& file) {
        calls.push_back(file);
        EXPECT_TRUE(FileExists(file)) << "the project is written first";
        return IoResult{};
    };
    const ProjectOptions bak{.chinese = true, .autoTempBak = true};
    ASSERT_EQ(SaveProject(names, p, hooks, bak), ProjectOutcome::Done);
    const std::string first = ReadTestFile(dir / "a.PSP");
    EXPECT_EQ(ReadTestFile(dir / "a.BAK"), first);

    p.cells.First(1, 0) = "X1";
    ASSERT_EQ(SaveProject(names, p, hooks, bak), ProjectOutcome::Done);
    EXPECT_NE(ReadTestFile(dir / "a.PSP"), first);
    EXPECT_EQ(ReadTestFile(dir / "a.BAK"), first) << "later saves leave the backup";
    EXPECT_EQ(calls, (std::vector<std::string>{dir / "a.PSP", dir / "a.PSP"}));

    ProjectNames other{dir / "b.PSP", ""};
    ASSERT_EQ(SaveProject(other, p, {}, {}), ProjectOutcome::Done);
    EXPECT_FALSE(FileExists(dir / "b.BAK")) << "no backup unless asked for";

    MessageRecorder messages;
    hooks.writeComments = [](const std::string&) { return IoResult::Failure("comments full"); };
    EXPECT_EQ(SaveProject(names, p, hooks, bak), ProjectOutcome::WriteFailed);
    EXPECT_EQ(messages.Last().text, "comments full");
}

TEST(SaveProjectCommand, AFailedWriteKeepsTheLastGoodFileAndSaysSo) {
    TempFolder dir;
    const std::string path = dir / "a.PSP";
    ProjectNames names{path, ""};
    ASSERT_EQ(SaveProject(names, SmallProgram(), {}, {}), ProjectOutcome::Done);
    const std::string good = ReadTestFile(path);

    LadderProgram bigger = SmallProgram();
    for (int row = 0; row < 500; ++row)
        bigger.cells.Kind(3, row) = CellKind::kLine;
    bool commentsWritten = false;
    ProjectHooks hooks;
    hooks.writeComments = [&](const std::string&) {
        commentsWritten = true;
        return IoResult{};
    };

    // Files may grow no larger than the good one: the new one cannot be written.
    MessageRecorder messages;
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = good.size();
    setrlimit(RLIMIT_FSIZE, &limited);
    const ProjectOutcome outcome =
        SaveProject(names, bigger, hooks, {.chinese = true, .autoTempBak = true});
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_EQ(outcome, ProjectOutcome::WriteFailed);
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(ReadTestFile(path), good);
    EXPECT_FALSE(commentsWritten);
    EXPECT_FALSE(FileExists(dir / "a.BAK"));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1u) << "no temporary file is left behind";
}

TEST(SaveProjectCommand, SaveAsTakesTheCBlockAlong) {
    TempFolder dir;
    LadderProgram p = SmallProgram();
    p.sysParamString.replace(49, 2, "01");
    ProjectNames names{dir / "a.PSP", ""};
    WriteTestFile(dir / "a.PLCC", "void  function1(void)\r\n{ /* \xD6\xD0 */ }\r\n");
    ASSERT_EQ(SaveProjectAs(names, p, NamedSave(dir / "b.PSP"), {}), ProjectOutcome::Done);
    EXPECT_EQ(names.projectFile, dir / "b.PSP");
    EXPECT_EQ(names.previousProjectFile, dir / "a.PSP");
    EXPECT_EQ(ReadTestFile(dir / "b.PLCC"), ReadTestFile(dir / "a.PLCC"));
    EXPECT_EQ(CBlockBuffer(), "void  function1(void)\r\n{ /* 中 */ }\r\n")
        << "the buffer holds the copied text";
    CBlockBuffer() = kCBlockTemplate;
}

}  // namespace
}  // namespace vx
