#include "editor/ProjectCommands.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "editor/CBlockFile.h"
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
    p.cells.Kind(12, 0) = CellKind::kCoil;
    p.cells.First(12, 0) = "Y0";
    return p;
}

ProjectHooks NamedSave(std::string name) {
    ProjectHooks hooks;
    hooks.askSaveName = [name](const std::string&) { return std::optional<std::string>(name); };
    return hooks;
}

std::size_t FilesIn(const std::string& folder) {
    auto entries = std::filesystem::directory_iterator(folder);
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

TEST(OpenProjectCommand, ReportsBadFilesInTheChosenLanguage) {
    MessageRecorder messages;
    TempFolder dir;
    ProjectNames names;
    LadderProgram p = SmallProgram();
    const std::string missing = dir / "missing.PSP";
    EXPECT_EQ(OpenProject(missing, names, p, {}, {.chinese = false}), ProjectOutcome::NotFound);
    EXPECT_EQ(messages.Last().text, "Not found：" + missing + "  ！");
    EXPECT_EQ(messages.Last().caption, "KZ6-Quillary");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(names.projectFile, missing);
    EXPECT_EQ(p.cells, LadderCells()) << "the store is emptied before the file is read";

    WriteTestFile(dir / "old.PSP", std::string(23 * 60, '\0'));
    EXPECT_EQ(OpenProject(dir / "old.PSP", names, p, {}, {}), ProjectOutcome::VersionError);
    EXPECT_EQ(messages.Last().text, "文件版本错误 ！");
    EXPECT_EQ(ProjectMessageText(ProjectOutcome::VersionError, "", false), "File version error!");

    WriteTestFile(dir / "short.PSP", SerialiseProject(SmallProgram()).substr(0, 3 * 60));
    EXPECT_EQ(OpenProject(dir / "short.PSP", names, p, {}, {}), ProjectOutcome::NotFound);
    EXPECT_EQ(messages.Last().text, "没有找到或只读格式的：" + dir / "short.PSP" + "  ！");
    EXPECT_EQ(messages.Count(), 3u);
}

// A copy that stopped half way opens with the cells it holds whole, and says
// so before a save could replace the whole file with them.
TEST(OpenProjectCommand, ACutShortFileOpensWhatItHoldsAndSaysItIsIncomplete) {
    MessageRecorder messages;
    TempFolder dir;
    LadderProgram saved = SmallProgram();
    for (int row = 1; row < 6; ++row) {
        saved.cells.Kind(12, row) = CellKind::kCoil;
        saved.cells.First(12, row) = "Y" + std::to_string(row);
    }
    const std::string whole = SerialiseProject(saved);
    const std::string path = dir / "cut.PSP";
    constexpr std::size_t kCells = 23 * 60;  // where the cell records start
    const struct {
        std::size_t size;
        int rowsKept;
    } rows[] = {
        {kCells + 1, 0},
        {kCells + 59, 0},
        {kCells + 2 * 60 + 30, 2},
        {whole.size() - 1, 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.size);
        messages.Clear();
        WriteTestFile(path, whole.substr(0, row.size));
        ProjectNames names;
        LadderProgram p;
        ASSERT_EQ(OpenProject(path, names, p, {}, {}), ProjectOutcome::Done);
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "文件不完整，只打开了能读出的部分：" + path + "  ！");
        EXPECT_EQ(messages.Last().icon, MsgIcon::Exclamation);
        LadderCells expected;
        for (int r = 0; r < row.rowsKept; ++r) {
            expected.Kind(12, r) = CellKind::kCoil;
            expected.First(12, r) = saved.cells.First(12, r);
        }
        EXPECT_EQ(p.cells, expected);
        EXPECT_EQ(p.sysParamString, saved.sysParamString);
    }
    WriteTestFile(path, whole.substr(0, whole.size() - 1));
    ProjectNames names;
    LadderProgram p;
    EXPECT_EQ(OpenProject(path, names, p, {}, {.chinese = false}), ProjectOutcome::Done);
    EXPECT_EQ(
        messages.Last().text,
        "The file is incomplete, only the part that could be read was opened: " + path + "  !");
    messages.Clear();
    WriteTestFile(path, whole);
    EXPECT_EQ(OpenProject(path, names, p, {}, {}), ProjectOutcome::Done);
    EXPECT_EQ(p.cells, saved.cells);
    EXPECT_EQ(messages.Count(), 0u) << "a whole file opens without a word";
}

TEST(OpenProjectCommand, ReadsCommentsAsksThePasswordAndMakesTheCBlockFile) {
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
    EXPECT_EQ(OpenProject(path, names, p, {}, {}), ProjectOutcome::PasswordRefused)
        << "without a prompt a protected project stays closed";

    hooks.askPassword = [](const LadderProgram&) { return true; };
    EXPECT_EQ(OpenProject(path, names, p, hooks, {}), ProjectOutcome::Done);
    EXPECT_EQ(p.cells.First(12, 0), "Y0");
    const std::string cblock = ReadTestFile(dir / "p.PLCC");
    EXPECT_NE(cblock.find("void  function1(void)\r\n{\r\n"), std::string::npos);
    EXPECT_EQ(std::count(cblock.begin(), cblock.end(), '\n'), 13);

    WriteTestFile(dir / "p.PLCC", "mine");
    EXPECT_EQ(OpenProject(path, names, p, hooks, {}), ProjectOutcome::Done);
    EXPECT_EQ(ReadTestFile(dir / "p.PLCC"), "mine") << "an existing C block is kept";
}

TEST(SaveProjectCommand, NamesAnUntitledProjectAndTakesTheCBlockAlong) {
    TempFolder dir;
    LadderProgram p = SmallProgram();
    ProjectNames names;
    EXPECT_EQ(SaveProject(names, p, {}, {}), ProjectOutcome::Cancelled);
    EXPECT_EQ(names.projectFile, "Torvin0");
    EXPECT_EQ(FilesIn(dir.Path()), 0u);

    EXPECT_EQ(SaveProject(names, p, NamedSave(dir / "pump"), {}), ProjectOutcome::Done);
    EXPECT_EQ(names.projectFile, dir / "pump.PSP");
    EXPECT_EQ(ReadTestFile(dir / "pump.PSP"), SerialiseProject(p));
    EXPECT_EQ(NameForSaving("a.psp"), "a.psp.PSP") << "the test is case-sensitive";

    // Save as, cancelled: the old name comes back.
    EXPECT_EQ(SaveProjectAs(names, p, {}, {}), ProjectOutcome::Cancelled);
    EXPECT_EQ(names.projectFile, dir / "pump.PSP");

    // Save as with a C block: the block is copied byte for byte, a byte GBK
    // does not decode too, and the buffer takes its text.
    p.sysParamString.replace(49, 2, "01");
    WriteTestFile(dir / "pump.PLCC", "void  function1(void)\r\n{ /* \xD6\xD0 \xFF */ }\r\n");
    ASSERT_EQ(SaveProjectAs(names, p, NamedSave(dir / "b.PSP"), {}), ProjectOutcome::Done);
    EXPECT_EQ(ReadTestFile(dir / "b.PLCC"), ReadTestFile(dir / "pump.PLCC"));
    EXPECT_EQ(CBlockBuffer(), "void  function1(void)\r\n{ /* 中 \xEF\xBF\xBD */ }\r\n");
    CBlockBuffer() = kCBlockTemplate;
}

TEST(SaveProjectCommand, KeepsTheFirstBackupAndWritesCommentsAfterTheProject) {
    TempFolder dir;
    LadderProgram p = SmallProgram();
    ProjectNames names{dir / "a.BAK", ""};  // opened from its backup
    std::vector<std::string> calls;
    ProjectHooks hooks;
    hooks.writeComments = [&](const std::string& file) {
        calls.push_back(file);
        EXPECT_TRUE(FileExists(file)) << "the project is written first";
        return IoResult{};
    };
    const ProjectOptions bak{.chinese = true, .autoTempBak = true};
    WriteTestFile(dir / "a.BAK", "old backup");
    ASSERT_EQ(SaveProject(names, p, hooks, bak), ProjectOutcome::Done);
    EXPECT_EQ(names.projectFile, dir / "a.PSP");
    EXPECT_EQ(ReadTestFile(dir / "a.BAK"), "old backup") << "a backup is never overwritten";

    ProjectNames other{dir / "b.PSP", ""};
    ASSERT_EQ(SaveProject(other, p, hooks, bak), ProjectOutcome::Done);
    EXPECT_EQ(ReadTestFile(dir / "b.BAK"), ReadTestFile(dir / "b.PSP"));
    EXPECT_EQ(calls, (std::vector<std::string>{dir / "a.PSP", dir / "b.PSP"}));

    MessageRecorder messages;
    hooks.writeComments = [](const std::string&) { return IoResult::Failure("comments full"); };
    EXPECT_EQ(SaveProject(names, p, hooks, bak), ProjectOutcome::WriteFailed);
    EXPECT_EQ(messages.Last().text, "comments full");

    // A backup that cannot be made is told; the project itself is saved.
    std::filesystem::create_directory(dir / "c.BAK");
    ProjectNames third{dir / "c.PSP", ""};
    EXPECT_EQ(SaveProject(third, p, {}, bak), ProjectOutcome::Done);
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_NE(messages.Last().text.find(dir / "c.BAK"), std::string::npos);
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

    // No file may grow beyond the good one's size (this works for root too).
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
    EXPECT_EQ(FilesIn(dir.Path()), 1u) << "no backup and no temporary file";

    // Save as over a name that cannot be replaced (a folder): the project
    // keeps its own name and the C block file already there stays.
    bigger.sysParamString.replace(49, 2, "01");
    WriteTestFile(dir / "a.PLCC", "mine");
    WriteTestFile(dir / "c.PLCC", "theirs");
    std::filesystem::create_directory(dir / "c.PSP");
    EXPECT_EQ(SaveProjectAs(names, bigger, NamedSave(dir / "c"), {}), ProjectOutcome::WriteFailed);
    EXPECT_EQ(names.projectFile, path) << "the name of the last good file";
    EXPECT_EQ(ReadTestFile(dir / "c.PLCC"), "theirs");
    ProjectNames copy{kUntitledProject, "", "/x/Examples/Motor.PSP"};
    EXPECT_EQ(SaveProject(copy, bigger, NamedSave(dir / "gone/d"), {}),
              ProjectOutcome::WriteFailed);
    EXPECT_EQ(copy.projectFile, kUntitledProject) << "the next save asks again";
    EXPECT_EQ(copy.exampleFile, "/x/Examples/Motor.PSP");
    EXPECT_EQ(messages.Count(), 3u);
}

// The shipped examples are read, never written: an example opens as an
// untitled copy, its first save asks where (never into the examples), and the
// C block and comments go with the copy.
TEST(ShippedExamples, OpenAsAnUntitledCopyWhoseSaveNeverWritesTheExamples) {
    TempFolder dir;
    const std::string examples = dir / "Examples";
    std::filesystem::create_directories(examples);
    const std::string example = examples + "/Motor.PSP";
    LadderProgram shipped = SmallProgram();
    shipped.sysParamString.replace(49, 2, "01");  // with a C block, but no ".PLCC" shipped
    WriteTestFile(example, SerialiseProject(shipped));
    const ProjectOptions options{.places = {examples, "", dir / "home"}};

    std::vector<std::string> comments;
    ProjectHooks hooks;
    hooks.readComments = [&](const std::string& file) { comments.push_back(file); };
    std::vector<std::string> offered;
    std::vector<std::string> answers = {examples + "/Mine", "", dir / "copy"};
    hooks.askSaveName = [&](const std::string& suggested) {
        offered.push_back(suggested);
        const std::string answer = answers.front();
        answers.erase(answers.begin());
        return answer.empty() ? std::nullopt : std::optional<std::string>(answer);
    };
    ProjectNames names;
    LadderProgram p;
    // Reached through a path that only leads into the folder.
    ASSERT_EQ(OpenProject(dir / "Examples/../Examples/Motor.PSP", names, p, hooks, options),
              ProjectOutcome::Done);
    EXPECT_EQ(names.projectFile, kUntitledProject);
    EXPECT_EQ(p.cells.First(12, 0), "Y0");
    EXPECT_EQ(comments.size(), 1u) << "the example's comments are read";
    EXPECT_EQ(FilesIn(examples), 1u) << "no C block file beside the example";

    MessageRecorder messages;
    EXPECT_EQ(SaveProject(names, p, hooks, options), ProjectOutcome::Cancelled)
        << "a name in the examples is refused";
    EXPECT_EQ(messages.Last().text, ExamplesReadOnlyText(true));
    EXPECT_EQ(names.projectFile, kUntitledProject);
    EXPECT_EQ(SaveProjectAs(names, p, hooks, options), ProjectOutcome::Cancelled);
    EXPECT_EQ(names.projectFile, kUntitledProject) << "a cancel leaves the copy untitled";
    WriteTestFile(examples + "/Motor.PLCC", "shipped C");  // now the example has its C block
    ASSERT_EQ(SaveProject(names, p, hooks, options), ProjectOutcome::Done);
    EXPECT_EQ(offered, std::vector<std::string>(3, dir / "home/Motor.PSP"))
        << "the example's name, in the user's folder";
    EXPECT_EQ(names.projectFile, dir / "copy.PSP");
    EXPECT_EQ(ReadTestFile(dir / "copy.PLCC"), "shipped C");
    EXPECT_EQ(ReadTestFile(example), SerialiseProject(shipped));
    EXPECT_EQ(FilesIn(examples), 2u);
    CBlockBuffer() = kCBlockTemplate;

    // A project that names a file in the examples is saved elsewhere too.
    ProjectNames stray{examples + "/Motor.PSP", ""};
    answers = {""};
    EXPECT_EQ(SaveProject(stray, p, hooks, options), ProjectOutcome::Cancelled);
    EXPECT_EQ(stray.projectFile, kUntitledProject);
    EXPECT_EQ(ReadTestFile(example), SerialiseProject(shipped));
}

TEST(ShippedExamples, DialogsStartInTheProjectsFolderElseTheLastOneElseHome) {
    const std::string examples = "/opt/vx/Examples";
    const DialogPlaces noLast{examples, "", "/home/u"};
    const DialogPlaces last{examples, "/work/plc", "/home/u"};
    const DialogPlaces lastInExamples{examples, examples, "/home/u"};
    struct Case {
        ProjectNames names;
        DialogPlaces places;
        std::string folder;
    } cases[] = {
        {{"/data/pump/a.PSP", ""}, last, "/data/pump"},
        {{"Torvin0", "/data/pump/a.PSP"}, last, "/data/pump"},  // during a save-as
        {{"Torvin0", ""}, last, "/work/plc"},
        {{"Torvin0", ""}, noLast, "/home/u"},
        {{"Torvin0", "Torvin0", examples + "/m.PSP"}, last, "/work/plc"},
        {{examples + "/m.PSP", ""}, noLast, "/home/u"},
        {{"Torvin0", ""}, lastInExamples, "/home/u"},
        {{"/opt/vx/Examples2/a.PSP", ""}, noLast, "/opt/vx/Examples2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.names.projectFile + " / " + c.names.previousProjectFile);
        EXPECT_EQ(DialogFolder(c.names, c.places), c.folder);
    }
    EXPECT_EQ(SaveSuggestion({"Torvin0", ""}, last), "/work/plc/Torvin0");
    EXPECT_TRUE(InsideFolder(examples + "/sub/../m.PSP", examples + "/"));
    EXPECT_FALSE(InsideFolder(examples, ""));
}

}  // namespace
}  // namespace vx
