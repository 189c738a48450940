// The build's windows: the password prompt, the plug-in choice and the
// progress window with its stop button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "build/FakeTools.h"
#include "build/ScratchFolder.h"
#include "build/ToolChain.h"
#include "build/qt/Client_Opt.h"
#include "build/qt/PasswordIN.h"
#include "build/qt/Translate.h"
#include "editor/ProjectFile.h"
#include "platform/SystemFolders.h"
#include "platform/Text.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::MessageRecorder;
using test::TempFolder;
using test::WriteTestFile;

TEST(PasswordFrmTest, OnlyTheExactPasswordOpens) {
    MessageRecorder messages;
    TPasswordFrm frm;
    frm.SetExpectedPassword("Pump12");
    EXPECT_EQ(frm.windowTitle(), QString("密码"));
    EXPECT_EQ(frm.Edit1()->maxLength(), 12);
    EXPECT_EQ(frm.Edit1()->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(frm.Edit1()->toolTip().isEmpty()) << "the password is never shown";
    EXPECT_TRUE(frm.Edit1()->placeholderText().isEmpty());
    frm.show();

    frm.Edit1()->setText("pump12");
    frm.BitBtn1Click();
    EXPECT_TRUE(frm.isVisible()) << "a wrong password leaves the prompt open";
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "密码不正确！");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Exclamation);

    frm.SetChinese(false);
    frm.BitBtn1Click();
    EXPECT_EQ(messages.Last().text, "The password is incorrect!");

    frm.Edit1()->setText("Pump12");
    frm.BitBtn1Click();
    EXPECT_EQ(frm.result(), QDialog::Accepted);
    EXPECT_EQ(messages.Count(), 2u);
}

TEST(PasswordFrmTest, CancelRefuses) {
    TPasswordFrm frm;
    frm.SetExpectedPassword("x");
    QTimer::singleShot(0, [&] { frm.findChild<QPushButton*>("BitBtn2")->click(); });
    EXPECT_EQ(frm.exec(), QDialog::Rejected);
}

class Client_OptFrmTest : public testing::Test {
  protected:
    void SetUp() override {
        plugins_ = program_ / "Plugins";
        std::filesystem::create_directories(plugins_);
        WriteTestFile(plugins_ + "/RFID_232.dll", "obj");
        WriteTestFile(plugins_ + "/RFID_232.TXT", Utf8ToGbk("RFID 读卡器"));
        WriteTestFile(plugins_ + "/Scale.DLL", "obj");
        WriteTestFile(plugins_ + "/notes.txt", "not a plug-in");
    }
    TempFolder program_;
    std::string plugins_;
};

TEST_F(Client_OptFrmTest, ListsPluginsAndTheirDescriptions) {
    TClient_OptFrm frm(program_.Path());
    LadderProgram program;
    frm.FormShow(program);
    ASSERT_EQ(frm.FileListBox1()->count(), 2);
    EXPECT_EQ(frm.FileListBox1()->item(0)->text(), QString("RFID_232.dll"));
    EXPECT_EQ(frm.FileListBox1()->item(1)->text(), QString("Scale.DLL"));
    EXPECT_EQ(frm.Memo1()->toPlainText(), QString("请选择一个插件！"));
    EXPECT_FALSE(frm.CheckBox1()->isChecked());

    frm.FileListBox1()->setCurrentRow(0);
    EXPECT_EQ(frm.Memo1()->toPlainText(), QString("RFID 读卡器")) << "RFID_232.TXT, any case";
    frm.FileListBox1()->setCurrentRow(1);
    EXPECT_EQ(frm.Memo1()->toPlainText(), QString("说明信息不存在！"));
    emit frm.FileListBox1()->itemDoubleClicked(frm.FileListBox1()->item(1));
    EXPECT_EQ(frm.Edit1()->text(), QString("Scale.DLL"));

    frm.CheckBox1()->setChecked(true);
    frm.Commit(program);
    EXPECT_EQ(program.usePlugin, 1);
    EXPECT_EQ(program.pluginName, "Scale.DLL");
}

TEST_F(Client_OptFrmTest, UntickingKeepsTheName) {
    TClient_OptFrm frm(program_.Path());
    LadderProgram program;
    program.usePlugin = 1;
    program.pluginName = "RFID_232.dll";
    frm.FormShow(program);
    EXPECT_TRUE(frm.CheckBox1()->isChecked());
    EXPECT_EQ(frm.Memo1()->toPlainText(), QString("RFID 读卡器"));
    frm.CheckBox1()->setChecked(false);
    frm.Commit(program);
    EXPECT_EQ(program.usePlugin, 0);
    EXPECT_EQ(program.pluginName, "RFID_232.dll");
}

// Shown as the user opens it: the list takes the focus, and the memo still
// describes the project's plug-in, whose row is the current one.
TEST_F(Client_OptFrmTest, ShownItDescribesTheChosenPlugin) {
    struct Case {
        const char* name;
        const char* memo;
        int row;  // -1: no row chosen
    };
    const Case cases[] = {
        {"Scale.DLL", "说明信息不存在！", 1},
        {"", "请选择一个插件！", -1},
        {"Gone.dll", "说明信息不存在！", -1},
        {"rfid_232.DLL", "RFID 读卡器", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TClient_OptFrm frm(program_.Path());
        LadderProgram program;
        program.pluginName = c.name;
        frm.FormShow(program);
        frm.show();
        VX_WAIT_TRUE(frm.FileListBox1()->hasFocus(), test::kStateWaitMs);
        QCoreApplication::processEvents();
        EXPECT_EQ(frm.Memo1()->toPlainText(), QString::fromUtf8(c.memo));
        EXPECT_EQ(frm.Edit1()->text(), QString(c.name));
        const QList<QListWidgetItem*> selected = frm.FileListBox1()->selectedItems();
        EXPECT_EQ(selected.isEmpty() ? -1 : frm.FileListBox1()->row(selected.first()), c.row);
        if (c.row >= 0) {
            EXPECT_EQ(frm.FileListBox1()->currentRow(), c.row);
        }
    }
    // Moving in the list still describes the plug-in moved to.
    TClient_OptFrm frm(program_.Path());
    LadderProgram program;
    program.pluginName = "Scale.DLL";
    frm.FormShow(program);
    frm.show();
    VX_WAIT_TRUE(frm.FileListBox1()->hasFocus(), test::kStateWaitMs);
    QTest::keyClick(frm.FileListBox1(), Qt::Key_Up);
    EXPECT_EQ(frm.Memo1()->toPlainText(), QString("RFID 读卡器"));
    emit frm.FileListBox1()->itemDoubleClicked(frm.FileListBox1()->currentItem());
    EXPECT_EQ(frm.Edit1()->text(), QString("RFID_232.dll"));
}

class Host : public StageView {
  public:
    void ShowProgress(int, const std::string&) override {}
    void ShowState(const std::string& text) override { status = text; }
    void RefreshClock() override {}
    void SetMessages(const std::string&) override {}
    void AddMessage(const std::string&) override {}
    void ShowMessagePane(PaneColour) override {}
    void SetInstructionList(const std::string&) override {}
    std::string status;
};

TEST(TranslateFrmTest, TheStopButtonEndsALongCompile) {
    test::ScopedEnv mode("VX_FAKE_GCC", "hang");
    TempFolder windows;
    const std::string scratch = ScratchFolder(windows.Path());
    std::filesystem::create_directories(scratch);
    test::InstallFakeTools(ToolChainFolder(windows.Path()));
    WriteTestFile(scratch + "/Macro.txt", "");
    WriteTestFile(scratch + "/Sub.txt", "");
    TranslateInputs in;
    in.winDir = windows.Path();
    in.programFolder = windows.Path();
    in.projectFile = windows / "p.PSP";
    in.targetFile = windows / "Torvin.pin";
    in.sysParamString = kDefaultSysParamString;
    in.holdParamString = kDefaultHoldParamString;
    Host host;
    TTranslateFrm frm(in, host);
    EXPECT_EQ(frm.Gauge1()->maximum(), 50);
    EXPECT_EQ(frm.SpeedButton11()->toolTip(), QString("终止"));
    // The stop button is clicked once the fake compiler has started (it logs
    // its call, then hangs); a guard ends a window that never got that far.
    const std::string calls = windows / "system32/calls.log";
    bool clicked = false;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (clicked || !std::filesystem::exists(calls)) return;
        clicked = true;
        EXPECT_TRUE(frm.Label7()->text().startsWith("编译进行中"));
        EXPECT_TRUE(host.status.starts_with(" 编译进行中"));
        frm.SpeedButton11()->click();
    });
    watch.start();
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        ADD_FAILURE() << "the compile never started";
        frm.SpeedButton11()->click();
    });
    guard.start(60000);
    frm.exec();
    EXPECT_TRUE(clicked);
    EXPECT_EQ(test::ReadTestFile(calls).find("ended on its own"), std::string::npos)
        << "stopped, not waited for";
    EXPECT_EQ(frm.Label7()->text(), QString("编译终止 ！"));
    EXPECT_EQ(frm.Stage().Result(), 2);
    EXPECT_TRUE(frm.Stage().Stopped());
}

}  // namespace
}  // namespace vx
