// The main window's commands that leave the tool: the customer update
// package (F12), the firmware-update item, the text editor and the
// calculator, each started through the launcher's stand-ins.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>
#include <filesystem>
#include <sstream>

#include "editor/qt/Main.h"
#include "platform/Registry.h"
#include "platform/SystemFolders.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/ScopedEnv.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"
#include "support/ToolButtonClick.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::ReadTestFile;
using test::ScopedEnv;
using test::TempFolder;
using test::WriteTestFile;

// A shell script standing in for an outside program: each start appends a
// line with its arguments to the log and, when asked, copies a file first.
struct StandIn {
    StandIn(const TempFolder& dir, const std::string& name, const std::string& copyFirst = {})
        : path(dir / name), log(dir / (name + ".log")) {
        std::string script = "#!/bin/sh\n";
        if (!copyFirst.empty())
            script += "cp \"" + copyFirst + "\" \"" + log + ".copy\" 2>/dev/null\n";
        script += "echo \"$@\" >> \"" + log + "\"\n";
        WriteTestFile(path, script);
        chmod(path.c_str(), 0755);
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(fs::exists(log) ? ReadTestFile(log) : std::string());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    std::string path;
    std::string log;
};

std::string ImageBytes() {
    std::string bytes;
    for (int i = 0; i < 5000; ++i)
        bytes += static_cast<char>((i * 13 + 5) & 0xFF);
    return bytes;
}

class MainUpdateTest : public testing::Test {
  protected:
    void SetUp() override {
        test::ResetEditorRunState();
        std::error_code ec;
        fs::remove_all(JoinPath(WindowsDirectory(), "registry.ini"), ec);
        fs::remove(Target(), ec);
        fs::remove(JoinPath(ProgramFolder(), "Update"), ec);
    }
    void TearDown() override { SetUp(); }

    // A shown main window with a new project saved as "dir_/Demo.PSP".
    std::unique_ptr<TMainFrm> WithProject() {
        auto frm = test::StartedMainWindow();
        frm->FileNewItemClick();
        frm->Dialogs().saveFile = [this](const std::string&) {
            return std::optional<std::string>(dir_ / "Demo");
        };
        frm->FileSaveItemClick();
        EXPECT_EQ(frm->ProjectFile(), dir_ / "Demo.PSP");
        return frm;
    }
    static std::string Target() { return JoinPath(WindowsDirectory(), "Torvin.pin"); }
    // The updater in the program folder.
    static std::string WriteUpdater() {
        const std::string updater = JoinPath(ProgramFolder(), "Update");
        WriteTestFile(updater, "#!/bin/sh\n# the updater\n");
        chmod(updater.c_str(), 0755);
        return updater;
    }

    test::MessageRecorder messages_;
    TempFolder dir_;
    TempFolder tools_;
};

TEST_F(MainUpdateTest, PackageWithoutACompiledImageSaysToCompileFirst) {
    auto frm = WithProject();
    int dialogs = 0;
    frm->Dialogs().packageFolder = [&](const std::string&) {
        ++dialogs;
        return std::optional<std::string>(dir_ / "pkg");
    };
    QTest::keyClick(frm.get(), Qt::Key_F12);
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().caption, "错误");
    EXPECT_EQ(messages_.Last().text, "提取目标文件不存在！\r请用快捷键\"F5\"编译工程文件！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    frm->Item("English1")->trigger();
    frm->N44Click();
    EXPECT_EQ(messages_.Last().text,
              "Extraction of target file does not exist! \ruse the shortcut key \" F5 \" compile "
              "the project file!");
    EXPECT_EQ(dialogs, 0);
    EXPECT_FALSE(fs::exists(dir_ / "pkg"));
}

TEST_F(MainUpdateTest, PackageHoldsTheUpdaterAndTheImageAndIsOpened) {
    auto frm = WithProject();
    WriteTestFile(Target(), ImageBytes());
    const std::string updater = WriteUpdater();
    StandIn explorer(tools_, "explorer");
    ScopedEnv launch("VXTORVIN_LAUNCH_EXPLORER", explorer.path.c_str());
    std::string offered;
    frm->Dialogs().packageFolder = [&](const std::string& suggested) {
        offered = suggested;
        return std::optional<std::string>(dir_ / "客户包");
    };
    ASSERT_TRUE(frm->Item("N44")->isEnabled());
    frm->Item("N44")->trigger();
    EXPECT_EQ(offered, dir_ / "Demo") << "the project's name without its extension";
    EXPECT_EQ(messages_.Count(), 0u) << (messages_.Count() ? messages_.Last().text : "");
    EXPECT_TRUE(ReadTestFile(dir_ / "客户包/Update.Da2") == ImageBytes());
    EXPECT_EQ(ReadTestFile(dir_ / "客户包/Update.exe"), ReadTestFile(updater));
    VX_WAIT_EQ(explorer.Lines(), std::vector<std::string>{dir_ / "客户包"}, test::kStateWaitMs);

    // A folder with an updater of its own keeps it and gets the image.
    fs::create_directories(dir_ / "old");
    WriteTestFile(dir_ / "old/Update.exe", "the customer's updater");
    frm->Dialogs().packageFolder = [&](const std::string&) {
        return std::optional<std::string>(dir_ / "old");
    };
    frm->N44Click();
    EXPECT_EQ(ReadTestFile(dir_ / "old/Update.exe"), "the customer's updater");
    EXPECT_TRUE(ReadTestFile(dir_ / "old/Update.Da2") == ImageBytes());
    VX_WAIT_EQ(explorer.Lines().size(), 2u, test::kStateWaitMs);
}

// The old image was kept without a word and the folder opened as if the
// package had been made.
TEST_F(MainUpdateTest, ImageAlreadyInThePackageIsReplacedOnlyWhenTheUserSaysYes) {
    auto frm = WithProject();
    WriteTestFile(Target(), ImageBytes());
    WriteUpdater();
    StandIn explorer(tools_, "explorer");
    ScopedEnv launch("VXTORVIN_LAUNCH_EXPLORER", explorer.path.c_str());
    fs::create_directories(dir_ / "pkg");
    WriteTestFile(dir_ / "pkg/Update.Da2", "the image of last week");
    frm->Dialogs().packageFolder = [&](const std::string&) {
        return std::optional<std::string>(dir_ / "pkg");
    };

    messages_.Answer(MsgAnswer::No);
    frm->N44Click();
    ASSERT_EQ(messages_.Count(), 2u);
    EXPECT_EQ(messages_.Messages()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages_.Messages()[0].text,
              "文件夹中已有 Update.Da2，要用当前的目标文件替换它吗？");
    EXPECT_EQ(messages_.Last().text, "Update.Da2 没有被替换，文件夹中仍是原来的目标文件。");
    EXPECT_EQ(ReadTestFile(dir_ / "pkg/Update.Da2"), "the image of last week");

    messages_.Answer(MsgAnswer::Yes);
    frm->N44Click();
    EXPECT_EQ(messages_.Count(), 3u) << "only the question";
    EXPECT_TRUE(ReadTestFile(dir_ / "pkg/Update.Da2") == ImageBytes());
    VX_WAIT_EQ(explorer.Lines().size(), 1u, test::kStateWaitMs);
    EXPECT_EQ(explorer.Lines().size(), 1u) << "the folder is opened once, after the Yes";
}

TEST_F(MainUpdateTest, PackageWithoutAnUpdaterInTheProgramFolderIsAFailure) {
    auto frm = WithProject();
    WriteTestFile(Target(), ImageBytes());
    frm->Dialogs().packageFolder = [&](const std::string&) {
        return std::optional<std::string>(dir_ / "pkg");
    };
    frm->N44Click();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text,
              "程序文件夹中没有升级程序：\r" + JoinPath(ProgramFolder(), "Update"));
    EXPECT_FALSE(fs::exists(dir_ / "pkg/Update.Da2"));
}

TEST_F(MainUpdateTest, FirmwareUpdateOnAFreshMachineWritesTheHandOffAndStartsTheUpdater) {
    auto frm = WithProject();
    const std::string store = JoinPath(WindowsDirectory(), "registry.ini");
    ASSERT_FALSE(Registry(RootKey::LocalMachine).KeyExists("Software\\vxTorvin"));
    StandIn updater(tools_, "Update", store);
    fs::copy_file(updater.path, JoinPath(ProgramFolder(), "Update"));
    ScopedEnv configured("VXTORVIN_LAUNCH_UPDATE", nullptr);
    ASSERT_TRUE(frm->Item("FirmwareUpdateItem")->isEnabled());
    frm->Item("FirmwareUpdateItem")->trigger();
    VX_WAIT_EQ(updater.Lines().size(), 1u, test::kStateWaitMs);
    EXPECT_EQ(messages_.Count(), 0u);
    Registry atStart(RootKey::LocalMachine, updater.log + ".copy");
    ASSERT_EQ(atStart.OpenKey("Software\\vxTorvin", false), RegOutcome::Ok);
    EXPECT_EQ(atStart.ReadInteger("Flag"), 1);
    EXPECT_EQ(atStart.ReadBool("Chinese"), true);
}

TEST_F(MainUpdateTest, FirmwareUpdateWithARegistryThatCannotBeWrittenSaysSo) {
    auto frm = WithProject();
    fs::create_directory(JoinPath(WindowsDirectory(), "registry.ini"));
    frm->FirmwareUpdateItemClick();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().caption, "Torvin");
    EXPECT_EQ(messages_.Last().text, "未知的原因，创建注册信息失败！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Exclamation);
    EXPECT_TRUE(messages_.Last().topmost);
}

TEST_F(MainUpdateTest, TextEditorAndCalculatorAreStartedThroughTheLauncher) {
    auto frm = WithProject();
    StandIn notepad(tools_, "notepad");
    StandIn calc(tools_, "calc");
    ScopedEnv editor("VXTORVIN_LAUNCH_NOTEPAD", notepad.path.c_str());
    ScopedEnv calculator("VXTORVIN_LAUNCH_CALC", calc.path.c_str());
    EXPECT_EQ(frm->Item("N42")->text(), QStringLiteral("打开文本编辑器(&O)"));
    frm->Item("N42")->trigger();
    TFxToolBarButton* button = frm->Button("CalcToolButton");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Hint(), QStringLiteral("打开计算器"));
    test::ClickToolButton(button);
    VX_WAIT_EQ(notepad.Lines().size(), 1u, test::kStateWaitMs);
    VX_WAIT_EQ(calc.Lines().size(), 1u, test::kStateWaitMs);
    EXPECT_EQ(messages_.Count(), 0u);
}

}  // namespace
}  // namespace vx
