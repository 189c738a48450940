// The compile road on the real main window: a saved project goes through F5
// into a controller image built by the GNU ARM tool chain; C block errors,
// warnings and unresolved symbols reach the message pane; the C block editor,
// the C library, the plug-in choice, the help pages and the password prompt
// hang on their menu items.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <thread>

#include "ClockTextCheck.h"
#include "build/CompileState.h"
#include "build/qt/Client_Opt.h"
#include "build/qt/MyPublicFrm.h"
#include "build/qt/PasswordIN.h"
#include "build/qt/Translate.h"
#include "editor/CBlockFile.h"
#include "editor/ClipCells.h"
#include "editor/DeviceComments.h"
#include "editor/GridCursor.h"
#include "editor/ProgramBlocks.h"
#include "editor/ProjectTree.h"
#include "editor/UndoHistory.h"
#include "editor/qt/Main.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "online/DeviceImage.h"
#include "online/EvaluateCell.h"
#include "online/LadderStakeout.h"
#include "online/LinkSettings.h"
#include "online/qt/F8setVal.h"
#include "outside/ModbusLink.h"
#include "outside/qt/HighlightEdit.h"
#include "platform/Launcher.h"
#include "platform/SystemFolders.h"
#include "platform/Text.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QemuBoard.h"
#include "support/QtWait.h"
#include "support/ScopedEnv.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"
#include "support/ToolButtonClick.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::MessageRecorder;
using test::ReadTestFile;
using test::ScopedEnv;
using test::TempFolder;
using test::WriteTestFile;

// Runs a command and returns what it printed.
std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

std::uint32_t WordAt(const std::string& bytes, std::size_t offset) {
    std::uint32_t w = 0;
    for (int i = 3; i >= 0; --i)
        w = (w << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return w;
}

class MainBuildTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!fs::exists(VX_RUNTIME_KIT_DIR "/ST.ld") || FindExecutable("arm-none-eabi-gcc").empty())
            GTEST_SKIP() << "the GNU ARM tool chain or the run-time kit is not there";
        test::ResetEditorRunState();
        CBlockBuffer() = kCBlockTemplate;
        TheCompileState() = CompileState();
        // The shipped kit lies in the program folder, as the build places it.
        std::error_code ec;
        fs::create_directory_symlink(VX_RUNTIME_KIT_DIR, JoinPath(ProgramFolder(), "Runtime"), ec);
        fs::remove(JoinPath(WindowsDirectory(), "system32/Clipboard.dat"), ec);
    }

    std::unique_ptr<TMainFrm> Started() { return test::StartedMainWindow(); }

    // A new project, saved under `name` in the test's folder.
    std::unique_ptr<TMainFrm> SavedProject(const std::string& name, int flags = 0) {
        auto frm = Started();
        frm->FileNewItemClick();
        if (flags != 0) {
            char digits[3];
            std::snprintf(digits, sizeof digits, "%02X", flags);
            TheProgram().sysParamString.replace(49, 2, digits);
        }
        const std::string path = dir_ / name;
        frm->Dialogs().saveFile = [path](const std::string&) {
            return std::optional<std::string>(path);
        };
        frm->FileSaveItemClick();
        EXPECT_EQ(frm->ProjectFile(), path + ".PSP");
        return frm;
    }

    static QPlainTextEdit* Memo2(TMainFrm& frm) {
        return frm.findChild<QPlainTextEdit*>(QStringLiteral("Memo2"));
    }
    static QWidget* Pane(TMainFrm& frm) {
        return frm.findChild<QWidget*>(QStringLiteral("WgSizePanel1"));
    }
    std::string TargetFile() const { return JoinPath(WindowsDirectory(), "Torvin.pin"); }

    // Two rungs: M0 -| |- (Y0), and M1 -|/|- to the given output of row 1.
    static void PutTwoRungs(std::uint8_t secondKind, const char* secondOutput) {
        LadderCells& cells = TheProgram().cells;
        auto put = [&](int column, int row, std::uint8_t kind, const char* text) {
            cells.Kind(column, row) = kind;
            cells.First(column, row) = text;
        };
        put(1, 0, CellKind::kOpenContact, "M0");
        put(1, 1, CellKind::kClosedContact, "M1");
        for (int row = 0; row < 2; ++row) {
            for (int c = 2; c <= kLastConditionColumn; ++c)
                put(c, row, CellKind::kLine, "");
        }
        put(12, 0, CellKind::kCoil, "Y0");
        put(12, 1, secondKind, secondOutput);
    }

    // F5, keeping the linked program (its symbols) as `elf`.
    static void CompileKeepingElf(TMainFrm& frm, const std::string& elf) {
        QTimer watch;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (auto* stage = frm.findChild<TTranslateFrm*>()) {
                stage->Stage().beforeCleanUp = [&](const std::string& scratch) {
                    fs::copy_file(JoinPath(scratch, "plc.elf"), elf);
                };
                watch.stop();
            }
        });
        watch.start();
        frm.Item("c1")->trigger();
    }

    // The image on the emulated controller, its COM1 the tool's COM1.
    void RunOnBoard(test::QemuBoard& board, const std::string& elf) {
        test::QemuBoard::Options options;
        options.serialPty = true;
        options.elfPath = elf;
        ASSERT_TRUE(board.Start(TargetFile(), options)) << board.Error();
        ASSERT_TRUE(board.Continue());
        com1_ = std::make_unique<ScopedEnv>("VXTORVIN_COM1", board.SerialDevice().c_str());
        TheLinkSettings().comPortIndex = 0;
    }

    static bool Energised(int column, int row) {
        return EvaluateCell(TheProgram().cells, column, row, TheDeviceImage(), WordDisplay::kSigned)
                   .state != 0;
    }

    MessageRecorder messages_;
    TempFolder dir_;
    std::unique_ptr<ScopedEnv> com1_;
};

TEST_F(MainBuildTest, F5TurnsASavedProjectIntoAThumbImage) {
    // Folders with blanks and Chinese names stay whole on the command lines.
    TempFolder windows;
    const std::string winDir = windows / "Windows dir";
    ScopedEnv env("VXTORVIN_WINDIR", winDir.c_str());
    auto frm = SavedProject("泵站 控制");
    ASSERT_EQ(frm->WinDir(), winDir);
    Pane(*frm)->show();

    // Keep the linked program for a look at its code before the clean-up.
    std::string elf;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* stage = frm->findChild<TTranslateFrm*>()) {
            stage->Stage().beforeCleanUp = [&](const std::string& scratch) {
                elf = ReadWholeFile(JoinPath(scratch, "plc.elf")).value_or("");
            };
            watch.stop();
        }
    });
    watch.start();
    frm->Item("c1")->trigger();

    ASSERT_TRUE(FileExists(JoinPath(winDir, "Torvin.pin")))
        << Memo2(*frm)->toPlainText().toStdString();
    const std::string image = *ReadWholeFile(JoinPath(winDir, "Torvin.pin"));
    ASSERT_GE(image.size(), 8u);
    const std::uint32_t stack = WordAt(image, 0);
    const std::uint32_t reset = WordAt(image, 4);
    EXPECT_GE(stack, 0x20000000u) << "the first word is the stack's top in RAM";
    EXPECT_LE(stack, 0x20010000u);
    EXPECT_EQ(reset & 1u, 1u) << "the reset vector is a Thumb address";
    EXPECT_GE(reset, 0x08000000u);
    EXPECT_LT(reset, 0x08000000u + image.size());

    ASSERT_FALSE(elf.empty());
    const std::string elfPath = dir_ / "plc.elf";
    WriteTestFile(elfPath, elf);
    const std::string disassembly = Output("arm-none-eabi-objdump -d '" + elfPath + "'");
    ASSERT_NE(disassembly.find("<Reset_Handler>:"), std::string::npos);
    ASSERT_NE(disassembly.find("<PLCact>:"), std::string::npos);
    // An ARM-mode instruction shows as one 32-bit word followed by its mnemonic.
    const std::regex armCode(R"(\n\s*[0-9a-f]+:\t[0-9a-f]{8} \t(?!\.word))");
    std::smatch found;
    EXPECT_FALSE(std::regex_search(disassembly, found, armCode)) << found.str();

    EXPECT_EQ(frm->StatusPanel(1)->text(), QString(" Compiler success: 1 use:0.0%"));
    EXPECT_EQ(frm->statusBar()->toolTip(), QString("0.0KB"));
    EXPECT_EQ(Memo2(*frm)->toPlainText(), QString("\nCompiler success: use:0.0%"));
    EXPECT_EQ(TheCompileState().compileResult, 60) << "the ready countdown";
    EXPECT_EQ(TheCompileState().targetImageSize, static_cast<int>(image.size()));
    EXPECT_FALSE(TheCompileState().targetStampAtCompile.empty());
    EXPECT_FALSE(TheCompileState().projectStampAtCompile.empty());
    EXPECT_EQ(frm->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText(),
              QString(";========== 主程序 ==========\nEND\n"))
        << "the converter's instruction list";
    // Nothing is left in the scratch folder.
    for (const auto& entry : fs::directory_iterator(JoinPath(winDir, "system32/systemtemp")))
        ADD_FAILURE() << "left behind: " << entry.path();
    EXPECT_TRUE(messages_.Messages().empty());
}

// The whole road: a ladder drawn in the window is compiled by F5, the image
// runs on the emulated controller with its COM1 on a pseudo-terminal, F8
// monitors it over Modbus RTU and a relay forced through the link drives
// its output.
TEST_F(MainBuildTest, F5ImageRunsAndF8MonitorsAndForcesIt) {
    if (!test::QemuBoard::Available()) GTEST_SKIP() << "no qemu-system-arm";
    auto frm = SavedProject("monitored");
    PutTwoRungs(CellKind::kCoil, "Y1");  // M1 -|/|- (Y1)
    const std::string elf = dir_ / "plc.elf";
    CompileKeepingElf(*frm, elf);
    ASSERT_TRUE(FileExists(TargetFile())) << Memo2(*frm)->toPlainText().toStdString();
    test::QemuBoard board;
    ASSERT_NO_FATAL_FAILURE(RunOnBoard(board, elf));

    frm->Item("NStakeoutON")->trigger();
    ASSERT_TRUE(frm->Monitoring());
    VX_WAIT_TRUE(Energised(12, 1), test::kStateWaitMs);
    EXPECT_TRUE(Energised(1, 1)) << "M1 is off: the closed contact conducts";
    EXPECT_FALSE(Energised(12, 0));
    EXPECT_TRUE(frm->StatusPanel(2)->text().startsWith(" COM1 "));

    // Force M0 on and M1 on through the link: the controller's outputs follow.
    EXPECT_TRUE(Modbus_Write_B_relay(1, 0, 5));
    EXPECT_TRUE(Modbus_Write_B_relay(1, 1, 5));
    VX_WAIT_TRUE(Energised(12, 0) && !Energised(12, 1), test::kStateWaitMs);
    EXPECT_EQ(board.Byte("Y", 0).value_or(0), 1);
    EXPECT_EQ(board.Byte("Y", 1).value_or(1), 0);

    frm->Item("NStakeoutON")->trigger();
    EXPECT_FALSE(frm->Monitoring());
    EXPECT_FALSE(TheModbusLink().IsOpen());
}

// Forcing and setting values on the running controller: a relay forced ON
// from the monitoring pop-up menu switches the output the ladder drives from
// it, and a value set with the set-value dialog is what the ladder's MOV copies.
TEST_F(MainBuildTest, ForceAndSetValueReachTheRunningLadder) {
    if (!test::QemuBoard::Available()) GTEST_SKIP() << "no qemu-system-arm";
    auto frm = SavedProject("forced");
    PutTwoRungs(CellKind::kFunctionBox, "MOV D100 D200");  // M1 -|/|- [MOV D100 D200]
    const std::string elf = dir_ / "plc.elf";
    CompileKeepingElf(*frm, elf);
    ASSERT_TRUE(FileExists(TargetFile())) << Memo2(*frm)->toPlainText().toStdString();
    test::QemuBoard board;
    ASSERT_NO_FATAL_FAILURE(RunOnBoard(board, elf));
    TheDeviceImage().Clear();
    frm->Item("NStakeoutON")->trigger();
    ASSERT_TRUE(frm->Monitoring());
    // The controller has answered (the spinner of status panel 2 turned).
    VX_WAIT_TRUE(!ThePollState().spinner.empty(), test::kStateWaitMs);

    // Force M0 ON from the pop-up menu, then OFF again.
    frm->LadderEdit()->SetCursor(1, 0);
    messages_.Answer(MsgAnswer::Yes);
    frm->Item("MenuItem4")->trigger();
    VX_WAIT_TRUE(Energised(12, 0), test::kStateWaitMs);
    EXPECT_EQ(board.Byte("Y", 0).value_or(0), 1);
    messages_.Answer(MsgAnswer::Yes);
    frm->Item("MenuItem6")->trigger();
    VX_WAIT_TRUE(!Energised(12, 0), test::kStateWaitMs);
    EXPECT_EQ(board.Byte("Y", 0).value_or(1), 0);

    // Set D100 from the dialog opened on the MOV: the ladder copies it to D200.
    frm->LadderEdit()->SetCursor(12, 1);
    TF8setValFrm* dialog = frm->F8setValFrm();
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (!dialog->isVisible()) return;
        answer.stop();
        dialog->Edit1()->setText(QStringLiteral("K-1234"));
        dialog->BitBtn1()->click();
        dialog->BitBtn3()->click();
    });
    answer.start();
    frm->Item("MenuItem8")->trigger();
    EXPECT_EQ(dialog->DTC()->currentText(), QString("D"));
    EXPECT_EQ(dialog->SpinEdit1()->value(), 100);
    VX_WAIT_EQ(TheDeviceImage().Word(DeviceKind::D, 200).value_or(0), 0xFFFF - 1233,
               test::kStateWaitMs);
    EXPECT_EQ(board.Word("D", 100).value_or(0), 0xFFFF - 1233);
    EXPECT_EQ(board.Word("D", 200).value_or(0), 0xFFFF - 1233);
    EXPECT_EQ(messages_.Count(), 2u) << "only the two questions";

    frm->Item("NStakeoutON")->trigger();
    EXPECT_FALSE(TheModbusLink().IsOpen());
}

// The size hint and the use figure count the program above the kit's own
// share, the image of a project with nothing in it.
// A minute after a compile status panel 1 says it is ready again, in the
// interface language; the one-second timer is fired rather than waited for.
TEST_F(MainBuildTest, StatusPanelOneIsReadyAMinuteAfterACompile) {
    auto frm = SavedProject("ready");
    for (const auto& [item, ready] : {std::pair{"English1", " Ready"}, {"Chinese1", " 就绪"}}) {
        SCOPED_TRACE(item);
        frm->Item(item)->trigger();
        frm->Item("c1")->trigger();
        ASSERT_TRUE(FileExists(TargetFile())) << Memo2(*frm)->toPlainText().toStdString();
        const QString report = frm->StatusPanel(1)->text();
        for (int second = 1; second < 60; ++second)
            QMetaObject::invokeMethod(&frm->Timer1(), "timeout");
        EXPECT_EQ(frm->StatusPanel(1)->text(), report) << "59 seconds on";
        QMetaObject::invokeMethod(&frm->Timer1(), "timeout");
        EXPECT_EQ(frm->StatusPanel(1)->text(), QString::fromUtf8(ready));
    }
}

TEST_F(MainBuildTest, TheReportShowsTheProgramsOwnSize) {
    auto frm = SavedProject("sized");
    Pane(*frm)->show();
    frm->Item("c1")->trigger();
    ASSERT_TRUE(FileExists(TargetFile())) << Memo2(*frm)->toPlainText().toStdString();
    const int empty = TheCompileState().targetImageSize;
    EXPECT_EQ(frm->statusBar()->toolTip(), QString("0.0KB"));
    EXPECT_EQ(frm->StatusPanel(1)->text(), QString(" Compiler success: 1 use:0.0%"));

    // 300 rungs: M n -| |- (M 1000+n).
    LadderCells& cells = TheProgram().cells;
    for (int row = 0; row < 300; ++row) {
        cells.Kind(1, row) = CellKind::kOpenContact;
        cells.First(1, row) = "M" + std::to_string(row);
        for (int c = 2; c <= kLastConditionColumn; ++c)
            cells.Kind(c, row) = CellKind::kLine;
        cells.Kind(12, row) = CellKind::kCoil;
        cells.First(12, row) = "M" + std::to_string(1000 + row);
    }
    frm->Item("c1")->trigger();
    ASSERT_TRUE(FileExists(TargetFile())) << Memo2(*frm)->toPlainText().toStdString();
    const int program = TheCompileState().targetImageSize - empty;
    ASSERT_GE(program, 2048) << "the rungs take room";
    const int tenths = program * 10 / 1024;
    const int use = tenths * 100 / 256;
    const QString useText = QString(" use:%1.%2%").arg(use / 10).arg(use % 10);
    EXPECT_EQ(frm->statusBar()->toolTip(), QString("%1.%2KB").arg(tenths / 10).arg(tenths % 10));
    EXPECT_EQ(frm->StatusPanel(1)->text(), " Compiler success: 1" + useText);
    VX_WAIT_TRUE(test::ShowsWhole(*frm->StatusPanel(1)), test::kStateWaitMs);
    EXPECT_EQ(Memo2(*frm)->toPlainText(), "\nCompiler success:" + useText);
}

TEST_F(MainBuildTest, CBlockErrorsShowInRedAndMakeNoImage) {
    auto frm = SavedProject("cblock", 0x01);
    const std::string cblock = CBlockPath(frm->ProjectFile());
    const QColor normal = Memo2(*frm)->palette().color(QPalette::Text);
    ASSERT_NE(normal, QColor(255, 0, 0));

    // An error: shown in red, no image, one attempt.
    WriteTestFile(cblock, Utf8ToGbk("void  function1(void)\r\n{\r\n  D[0] = 未定义;\r\n}\r\n"));
    frm->Item("c1")->trigger();
    EXPECT_FALSE(FileExists(TargetFile()));
    QPlainTextEdit* memo = Memo2(*frm);
    EXPECT_FALSE(Pane(*frm)->isHidden());
    EXPECT_GE(Pane(*frm)->height(), 118);
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(255, 0, 0));
    const QString text = memo->toPlainText();
    // The compiler's errors are headed in English, in the Chinese interface too.
    EXPECT_TRUE(text.startsWith("C Language [function1]\nPLCC.c:")) << text.toStdString();
    EXPECT_TRUE(text.contains("error:")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("Compilation fails!"));
    EXPECT_EQ(frm->StatusPanel(1)->text(), QString(" Compilation fails: 3"));
    VX_WAIT_TRUE(test::ShowsWhole(*frm->StatusPanel(1)), test::kStateWaitMs);

    // Warnings only: the image is made.
    WriteTestFile(cblock, "void  function1(void)\r\n{\r\n  int unused;\r\n  D[1] = 2;\r\n}\r\n");
    Pane(*frm)->show();
    frm->Item("c1")->trigger();
    EXPECT_TRUE(FileExists(TargetFile())) << memo->toPlainText().toStdString();
    EXPECT_TRUE(frm->StatusPanel(1)->text().startsWith(" Compiler success: 1"));
    EXPECT_TRUE(memo->toPlainText().startsWith("\nCompiler success: use:"));
    EXPECT_EQ(memo->palette().color(QPalette::Text), normal) << "only errors are red";

    // A call of a routine nobody defines.
    WriteTestFile(cblock,
                  "void Missing(void);\r\nvoid  function1(void)\r\n{\r\n  Missing();\r\n}\r\n");
    frm->Item("c1")->trigger();
    EXPECT_FALSE(FileExists(TargetFile()));
    const QStringList lines = memo->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], QString("高级语言 [function1]"));
    EXPECT_TRUE(lines[1].startsWith("undefined reference to `Missing'")) << lines[1].toStdString();
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST_F(MainBuildTest, TheCLibraryIsCompiledAloneAndLinkedInstead) {
    auto frm = SavedProject("library", 0x01);
    const std::string cblock = CBlockPath(frm->ProjectFile());
    WriteTestFile(cblock, "void  function1(void)\r\n{\r\n  int unused;\r\n  D[7] = 7;\r\n}\r\n");
    frm->Item("N39")->trigger();
    const std::string lib = frm->ProjectFile().substr(0, frm->ProjectFile().size() - 4) + ".Lib";
    ASSERT_TRUE(FileExists(lib)) << Memo2(*frm)->toPlainText().toStdString();
    EXPECT_EQ(Memo2(*frm)->palette().color(QPalette::Text), QColor(0, 0, 255))
        << "warnings only: blue";
    EXPECT_TRUE(Memo2(*frm)->toPlainText().startsWith("高级语言 [function1]\n"));
    EXPECT_EQ(frm->StatusPanel(1)->text(), QString(" 就绪")) << "the progress ends with the job";
    for (const auto& entry :
         fs::directory_iterator(JoinPath(WindowsDirectory(), "system32/systemtemp")))
        ADD_FAILURE() << "left behind: " << entry.path();

    // Library instead of C block: the object is linked as it is.
    TheProgram().sysParamString.replace(49, 2, "08");
    fs::remove(cblock);
    frm->Item("c1")->trigger();
    EXPECT_TRUE(FileExists(TargetFile())) << Memo2(*frm)->toPlainText().toStdString();

    // Without its library the project is not compiled.
    fs::remove(lib);
    frm->Item("c1")->trigger();
    EXPECT_FALSE(FileExists(TargetFile()));
    EXPECT_EQ(messages_.Last().text, "项目启用了 Lib功能，[" + lib + "]文件不存在！");
}

TEST_F(MainBuildTest, RefusalsBeforeTheToolChainRuns) {
    auto frm = Started();
    frm->FileNewItemClick();
    // An untitled project whose save is cancelled is left alone; the check
    // status panel 1 told of ends with the compile.
    frm->Dialogs().saveFile = [](const std::string&) { return std::optional<std::string>(); };
    frm->Item("c1")->trigger();
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_EQ(frm->StatusPanel(1)->text(), QString(" 就绪"));

    // A jump without its label.
    TheProgram().cells.Kind(12, 3) = 6;
    TheProgram().cells.First(12, 3) = "CJ  P5";
    frm->Item("c1")->trigger();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "主程序.Main - 行4, CJ \"P5\" 标签未放置！");
    TheProgram().cells.Kind(12, 3) = 0;

    // A missing plug-in.
    const std::string path = dir_ / "plugin";
    frm->Dialogs().saveFile = [path](const std::string&) {
        return std::optional<std::string>(path);
    };
    TheProgram().usePlugin = 1;
    TheProgram().pluginName = "RFID_232.dll";
    frm->Item("c1")->trigger();
    EXPECT_EQ(messages_.Last().text, "项目启用了特殊功能模块，[" +
                                         JoinPath(ProgramFolder(), "Plugins/RFID_232.dll") +
                                         "]文件不存在！");
    EXPECT_FALSE(frm->Item("FileSaveItem")->isEnabled()) << "the project was saved first";
    EXPECT_EQ(frm->StatusPanel(1)->text(), QString(" 就绪"));
    // A name from a received project that leaves the Plugins folder is none.
    WriteTestFile(JoinPath(ProgramFolder(), "outside.dll"), "");
    TheProgram().pluginName = "../outside.dll";
    frm->Item("c1")->trigger();
    EXPECT_EQ(messages_.Last().text, "项目启用了特殊功能模块，[../outside.dll]文件不存在！");

    // A contact that leads nowhere: the converter refuses, naming the line.
    TheProgram().usePlugin = 0;
    Pane(*frm)->show();
    TheProgram().cells.Kind(1, 6) = 1;
    TheProgram().cells.First(1, 6) = "X1";
    frm->Item("c1")->trigger();
    EXPECT_FALSE(FileExists(TargetFile()));
    EXPECT_TRUE(Memo2(*frm)->toPlainText().startsWith("主程序 第0007行: 元件没有连接到输出"))
        << Memo2(*frm)->toPlainText().toStdString();
    EXPECT_EQ(Memo2(*frm)->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(frm->StatusPanel(1)->text(), QString(" Compilation fails: 6"));
    TheProgram().cells.Kind(1, 6) = 0;

    // Without the run-time kit nothing is compiled.
    fs::remove(JoinPath(ProgramFolder(), "Runtime"));
    fs::remove(JoinPath(WindowsDirectory(), "system32/ST.ld"));
    frm->Item("c1")->trigger();
    EXPECT_TRUE(messages_.Last().text.starts_with(
        "System file is corrupt, please reinstall the software!"));
    EXPECT_FALSE(FileExists(TargetFile()));
}

// The compile refreshes the status clock while it runs; the clock keeps the
// short date and time formats of the user's locale, as between compiles.
TEST_F(MainBuildTest, TheStatusClockKeepsItsFormatWhileACompileRuns) {
    const QLocale german(QLocale::German, QLocale::Germany);
    test::ScopedLocale user(german);
    TempFolder windows;
    ScopedEnv env("VXTORVIN_WINDIR", windows.Path().c_str());
    auto frm = SavedProject("Uhr");
    // A compiler that takes a second gives the compile's polls time to write the clock.
    const std::string tools = JoinPath(windows.Path(), "system32");
    MakeFolders(tools);
    WriteTestFile(JoinPath(tools, "arm-eabi-gcc"),
                  "#!/bin/sh\nsleep 1\nexec arm-none-eabi-gcc \"$@\"\n");
    fs::permissions(JoinPath(tools, "arm-eabi-gcc"), fs::perms::owner_all);
    frm->StatusPanel(5)->clear();
    QStringList shown;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QString text = frm->StatusPanel(5)->text();
        if (!text.isEmpty() && (shown.isEmpty() || shown.last() != text)) shown += text;
    });
    watch.start();
    frm->Item("c1")->trigger();
    watch.stop();
    ASSERT_TRUE(FileExists(JoinPath(windows.Path(), "Torvin.pin")))
        << Memo2(*frm)->toPlainText().toStdString();
    ASSERT_FALSE(shown.isEmpty());
    for (const QString& text : shown)
        EXPECT_TRUE(test::IsClockText(text, german)) << "'" << text.toStdString() << "'";
}

TEST_F(MainBuildTest, TheCBlockEditorMarksTheProjectChangedOnlyWhenSaved) {
    auto frm = SavedProject("editor");
    const std::string cblock = CBlockPath(frm->ProjectFile());
    std::string caption;
    bool change = false;
    SetHighlightEditPresenter([&](QWidget*, const std::string& c, const std::string& path) {
        caption = c;
        if (change) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            WriteTestFile(path, "void  function1(void)\r\n{\r\n}\r\n");
        }
    });
    frm->Item("N38")->trigger();
    EXPECT_EQ(caption, "高级语言-[" + cblock + "]");
    EXPECT_EQ(GbkToUtf8(ReadTestFile(cblock)), kCBlockTemplate) << "made from the template first";
    EXPECT_FALSE(frm->Item("FileSaveItem")->isEnabled());

    change = true;
    frm->Item("N38")->trigger();
    EXPECT_TRUE(frm->Item("FileSaveItem")->isEnabled());

    // The tree's function1 node opens the editor too.
    caption.clear();
    frm->Dialogs().openNode(static_cast<int>(NodeAction::CBlockEditor));
    EXPECT_FALSE(caption.empty());
    SetHighlightEditPresenter({});
}

TEST_F(MainBuildTest, HelpPagesPluginChoiceAndPassword) {
    auto frm = SavedProject("misc");
    WriteTestFile(JoinPath(ProgramFolder(), "Cvb.htm"), "<html><body><h1>C</h1></body></html>");
    frm->Item("N40")->trigger();
    auto* help = frm->findChild<TMyPublicFrm*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QString("C语言简介"));
    EXPECT_TRUE(help->WebBrowser1()->source().toLocalFile().endsWith("/Cvb.htm"));

    // The plug-in choice, modal: pick the listed plug-in, tick it, confirm.
    fs::create_directories(JoinPath(ProgramFolder(), "Plugins"));
    WriteTestFile(JoinPath(ProgramFolder(), "Plugins/Scale.DLL"), "object");
    QTimer::singleShot(50, [] {
        auto* dialog = qobject_cast<TClient_OptFrm*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->FileListBox1()->setCurrentRow(0);
        dialog->Edit1()->setText(dialog->FileListBox1()->item(0)->text());
        dialog->CheckBox1()->setChecked(true);
        dialog->accept();
    });
    frm->Dialogs().openNode(static_cast<int>(NodeAction::PlugIn));
    EXPECT_EQ(TheProgram().usePlugin, 1);
    EXPECT_EQ(TheProgram().pluginName, "Scale.DLL");
    EXPECT_TRUE(frm->Item("FileSaveItem")->isEnabled());

    // The password prompt the open command uses.
    LadderProgram locked;
    locked.passwordText = "Secret";
    QTimer::singleShot(50, [] {
        auto* dialog = qobject_cast<TPasswordFrm*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->Edit1()->toolTip().isEmpty());
        dialog->Edit1()->setText("Secret");
        dialog->BitBtn1Click();
    });
    EXPECT_TRUE(frm->Dialogs().password(locked));
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> FolderBytes(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = ReadTestFile(entry.path().string());
    return files;
}

// The shipped examples, opened through the examples command as a user opens
// them, each compile with F5 into an image; F5's save asks where to keep the
// copy, and the shipped files stay byte for byte as they were.
TEST_F(MainBuildTest, EveryShippedExampleOpensAndCompilesAndStaysAsShipped) {
    const std::string examples = JoinPath(ProgramFolder(), "Examples");
    fs::create_directories(examples);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(VX_EXAMPLES_DIR)) {
        fs::copy_file(entry.path(), fs::path(examples) / entry.path().filename(),
                      fs::copy_options::overwrite_existing);
        if (entry.path().extension() == ".PSP") names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names, (std::vector<std::string>{"CounterReset.PSP", "MotorStartStop.PSP",
                                               "StepSequence.PSP"}));
    const std::map<std::string, std::string> shipped = FolderBytes(examples);
    const fs::path before = fs::current_path();
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        test::ResetEditorRunState();
        fs::remove(TargetFile());
        auto frm = Started();
        std::string preselected;
        frm->Dialogs().openFile = [&](const std::string&, const std::string& preselect) {
            preselected = preselect;
            return std::optional<std::string>(JoinPath(examples, name));
        };
        std::string offered;
        frm->Dialogs().saveFile = [&](const std::string& suggested) {
            offered = suggested;
            return std::optional<std::string>(dir_ / ("my" + name));
        };
        frm->Item("N63")->trigger();
        EXPECT_EQ(preselected, JoinPath(examples, "MotorStartStop.PSP"));
        ASSERT_FALSE(frm->CoverShown());
        ASSERT_EQ(frm->ProjectFile(), kUntitledProject);
        frm->Item("c1")->trigger();
        EXPECT_EQ(fs::path(offered).filename(), name) << "the example's name is offered";
        EXPECT_FALSE(InsideFolder(offered, examples));
        EXPECT_EQ(frm->ProjectFile(), dir_ / ("my" + name));
        EXPECT_TRUE(FileExists(TargetFile())) << Memo2(*frm)->toPlainText().toStdString();
        EXPECT_TRUE(frm->StatusPanel(1)->text().startsWith(" Compiler success: "))
            << frm->StatusPanel(1)->text().toStdString();
        EXPECT_TRUE(frm->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))
                        ->toPlainText()
                        .contains(QStringLiteral("X0")))
            << "the instruction list shows the example's first contact";
        EXPECT_TRUE(messages_.Messages().empty());
        // An edit and F5 again: the copy is saved, the example is not.
        frm->LadderEdit()->SetCursor(1, 40);
        test::ClickToolButton(frm->Button("FxToolBarButton9"));
        frm->Item("c1")->trigger();
        EXPECT_EQ(FolderBytes(examples), shipped);
    }
    fs::current_path(before);
}

}  // namespace
}  // namespace vx
