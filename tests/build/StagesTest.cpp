// The compile stage and the C library stage against stand-in tools: sources,
// attempts, the log rules, stops and the clean-up.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "build/CompileReport.h"
#include "build/FakeTools.h"
#include "build/LibraryStage.h"
#include "build/PlcSource.h"
#include "build/Plugins.h"
#include "build/ScratchFolder.h"
#include "build/ToolChain.h"
#include "build/TranslateStage.h"
#include "editor/CBlockFile.h"
#include "editor/ProjectFile.h"
#include "platform/FileIo.h"
#include "platform/SystemFolders.h"
#include "platform/Text.h"
#include "support/MessageRecorder.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::MessageRecorder;
using test::ReadTestFile;
using test::ScopedEnv;
using test::TempFolder;
using test::WriteTestFile;

class RecordingView : public StageView {
  public:
    void ShowProgress(int gauge, const std::string& label) override {
        gauges.push_back(gauge);
        labels.push_back(label);
    }
    void ShowState(const std::string& text) override { status1.push_back(text); }
    void RefreshClock() override { ++clockRefreshes; }
    void SetMessages(const std::string& text) override { messages = text; }
    void AddMessage(const std::string& line) override {
        messages += (messages.empty() ? "" : "\n") + line;
    }
    void ShowMessagePane(PaneColour c) override {
        paneShown = true;
        colour = c;
    }
    void SetInstructionList(const std::string& text) override { instructionList = text; }

    std::vector<int> gauges;
    std::vector<std::string> labels, status1;
    int clockRefreshes = 0;
    std::string messages = "(untouched)";
    bool paneShown = false;
    PaneColour colour = PaneColour::Blue;
    std::string instructionList;
};

class StagesTest : public testing::Test {
  protected:
    void SetUp() override {
        winDir_ = windows_ / "win";
        scratch_ = ScratchFolder(winDir_);
        fs::create_directories(scratch_);
        test::InstallFakeTools(ToolChainFolder(winDir_));
        Converted();
        CBlockBuffer() = kCBlockTemplate;
    }

    // What the converter leaves in the scratch folder (a stage's clean-up removes it).
    void Converted() {
        WriteTestFile(JoinPath(scratch_, "LD.txt"), Utf8ToGbk("LD X0\r\nOUT Y0\r\n"));
        WriteTestFile(JoinPath(scratch_, "Macro.txt"), "  LD(X[0]);\r\n");
        WriteTestFile(JoinPath(scratch_, "Sub.txt"),
                      "void CALL_Sub(unsigned char n) { (void)n; }\r\n");
    }

    TranslateInputs Inputs(const char* flags = "00") {
        TranslateInputs in;
        in.winDir = winDir_;
        in.programFolder = program_.Path();
        in.projectFile = project_;
        in.targetFile = JoinPath(winDir_, "Torvin.pin");
        in.sysParamString = kDefaultSysParamString;
        in.sysParamString.replace(49, 2, flags);
        in.holdParamString = kDefaultHoldParamString;
        return in;
    }

    // Begins and polls the job to its end; returns the number of polls.
    static int Run(ToolChainJob& job) {
        int polls = 0;
        while (job.Poll()) {
            ++polls;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return polls;
    }

    std::string Calls() const {
        return ReadWholeFile(JoinPath(ToolChainFolder(winDir_), "calls.log")).value_or("");
    }
    static int Count(const std::string& text, const std::string& what) {
        int n = 0;
        for (std::size_t at = text.find(what); at != std::string::npos;
             at = text.find(what, at + 1))
            ++n;
        return n;
    }

    MessageRecorder messages_;
    TempFolder windows_;
    TempFolder program_;
    TempFolder projects_;
    std::string winDir_;
    std::string scratch_;
    std::string project_ = projects_ / "泵站 A.PSP";
    RecordingView view_;
};

TEST_F(StagesTest, APlainCompileMakesTheImageAndCleansUp) {
    TranslateStage stage(Inputs(), view_);
    std::string source, header;
    stage.beforeCleanUp = [&](const std::string& scratch) {
        source = ReadTestFile(JoinPath(scratch, "PLC.c"));
        header = ReadTestFile(JoinPath(scratch, "plc.h"));
    };
    stage.Show();
    EXPECT_EQ(view_.labels.back(), "程序检查完毕 ！");
    ASSERT_TRUE(stage.Begin());
    EXPECT_EQ(stage.CommandLines().size(), 3u);
    EXPECT_EQ(view_.instructionList, "LD X0\r\nOUT Y0\r\n");
    Run(stage);

    EXPECT_EQ(ReadTestFile(JoinPath(winDir_, "Torvin.pin")), "IMAGE-BYTES");
    EXPECT_EQ(stage.Result(), 0);
    EXPECT_EQ(stage.ProductSize(), 11);
    EXPECT_FALSE(stage.Stopped());
    EXPECT_EQ(view_.labels.back(), "编译成功 ！");
    EXPECT_EQ(view_.gauges.back(), 50);
    EXPECT_EQ(view_.messages, "") << "a success clears the message pane";
    EXPECT_EQ(Count(Calls(), "gcc "), 2);
    EXPECT_EQ(Count(Calls(), "objcopy "), 1);
    EXPECT_NE(source.find("  4000,2300,1,3,100"), std::string::npos);
    EXPECT_NE(source.find("  LD(X[0]);\r\n}\r\nvoid CALL_Sub"), std::string::npos);
    EXPECT_EQ(header, kPlcHeaderText);
    EXPECT_TRUE(fs::is_empty(scratch_)) << "sources, logs, objects and converter files are gone";
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(StagesTest, ACompileErrorEndsTheStageAtOnceInRed) {
    ScopedEnv mode("VX_FAKE_GCC", "cerror");
    TranslateInputs in = Inputs("01");
    in.chinese = false;
    WriteTestFile(CBlockPath(project_),
                  Utf8ToGbk("void  function1(void)\r\n{ x; /* 注释 */ }\r\n"));
    TranslateStage stage(in, view_);
    std::string cSource;
    stage.beforeCleanUp = [&](const std::string& s) {
        cSource = ReadTestFile(JoinPath(s, "PLCC.c"));
    };
    ASSERT_TRUE(stage.Begin());
    ASSERT_EQ(stage.CommandLines().size(), 4u);
    Run(stage);
    EXPECT_FALSE(FileExists(JoinPath(winDir_, "Torvin.pin")));
    EXPECT_EQ(view_.messages, "C Language [function1]\r\nPLCC.c:3:9: error: 'x' undeclared\r\n");
    EXPECT_TRUE(view_.paneShown);
    EXPECT_EQ(view_.colour, PaneColour::Red);
    EXPECT_TRUE(stage.Stopped());
    EXPECT_EQ(stage.Result(), 2);
    EXPECT_EQ(view_.labels.back(), "Terminated!");
    EXPECT_EQ(Count(Calls(), "gcc "), 1) << "one attempt, which ended at the C block";
    EXPECT_EQ(GbkToUtf8(cSource),
              "#include \"plc.h\"\r\nvoid  function1(void)\r\n{ x; /* 注释 */ }\r\n");
    EXPECT_EQ(CBlockBuffer(), "void  function1(void)\r\n{ x; /* 注释 */ }\r\n");
}

TEST_F(StagesTest, LogsAreJudgedOnceTheToolsHaveEnded) {
    ScopedEnv mode("VX_FAKE_GCC", "late");
    TranslateStage stage(Inputs(), view_);
    ASSERT_TRUE(stage.Begin());
    Run(stage);
    EXPECT_NE(view_.messages.find("error: late"), std::string::npos) << view_.messages;
    EXPECT_EQ(stage.Result(), 2);
    EXPECT_EQ(Count(Calls(), "gcc "), 1);
}

TEST_F(StagesTest, LinkerMessagesForMissingSymbols) {
    {
        ScopedEnv mode("VX_FAKE_GCC", "undefined");
        TranslateStage stage(Inputs("01"), view_);
        ASSERT_TRUE(stage.Begin());
        Run(stage);
        EXPECT_EQ(view_.messages,
                  "(untouched)\n高级语言 [function1]\nundefined reference to `Missing'");
        EXPECT_EQ(view_.colour, PaneColour::Red);
        EXPECT_EQ(stage.Result(), 2);
    }
    view_ = RecordingView();
    view_.messages.clear();
    Converted();
    {
        ScopedEnv mode("VX_FAKE_GCC", "aeabi");
        TranslateStage stage(Inputs("01"), view_);
        ASSERT_TRUE(stage.Begin());
        Run(stage);
        EXPECT_EQ(view_.messages,
                  "高级语言 [function1]\n编译错误！,可能原因:\n"
                  "1. 数学库输入变量未赋值, 比如x,y 未赋正确值: z=pow(x,y);\n"
                  "2. 数学库输入变量未赋值, 比如x,n 未赋正确值: y=ldexp(x,n);\n"
                  "3. 浮点数运算异常，请检查浮点数变量、表达式的合法性!");
        EXPECT_TRUE(stage.Stopped());
    }
}

TEST_F(StagesTest, AnImageOfTheThirdAttemptIsASuccess) {
    ScopedEnv mode("VX_FAKE_GCC", "third");
    TranslateStage stage(Inputs(), view_);
    ASSERT_TRUE(stage.Begin());
    Run(stage);
    EXPECT_EQ(stage.Result(), 2);
    EXPECT_FALSE(stage.Stopped());
    EXPECT_EQ(Count(Calls(), "objcopy "), 1);
    const CompileReport report =
        MakeCompileReport(stage.Result(), stage.ProductSize(), stage.Stopped(), 0);
    EXPECT_TRUE(report.success);
    EXPECT_EQ(report.statusText, " Compiler success: 3 use:0.0%");
}

TEST_F(StagesTest, ThreeFailedAttemptsShowWhatTheLinkerSaid) {
    ScopedEnv mode("VX_FAKE_GCC", "odd");
    TranslateStage stage(Inputs(), view_);
    ASSERT_TRUE(stage.Begin());
    Run(stage);
    EXPECT_EQ(stage.Result(), 3);
    EXPECT_FALSE(stage.Stopped());
    EXPECT_EQ(Count(Calls(), "--output plc.elf"), 3) << "each attempt after the last has ended";
    EXPECT_EQ(view_.messages, "ld: cannot open linker script file ../ST.ld");
    EXPECT_EQ(view_.colour, PaneColour::Red);
}

TEST_F(StagesTest, AToolThatCannotRunIsAToolChainProblem) {
    fs::remove(JoinPath(ToolChainFolder(winDir_), "arm-eabi-gcc"));
    {
        TranslateStage stage(Inputs(), view_);
        ASSERT_TRUE(stage.Begin());
        Run(stage);
        EXPECT_TRUE(view_.messages.starts_with(ToolChainMissingText(true))) << view_.messages;
        EXPECT_NE(view_.messages.find("arm-eabi-gcc: not found"), std::string::npos);
        EXPECT_EQ(view_.colour, PaneColour::Red);
        EXPECT_TRUE(stage.Stopped());
    }
    test::InstallFakeTools(ToolChainFolder(winDir_));
    ScopedEnv mode("VX_FAKE_GCC", "broken");
    Converted();
    view_ = RecordingView();
    TranslateInputs in = Inputs();
    in.chinese = false;
    TranslateStage stage(in, view_);
    ASSERT_TRUE(stage.Begin());
    Run(stage);
    EXPECT_TRUE(view_.messages.starts_with(ToolChainMissingText(false))) << view_.messages;
    EXPECT_EQ(Count(Calls(), "gcc "), 1);
}

TEST_F(StagesTest, TheStopButtonEndsTheRunningTools) {
    ScopedEnv mode("VX_FAKE_GCC", "hang");
    TranslateStage stage(Inputs(), view_);
    ASSERT_TRUE(stage.Begin());
    for (int i = 0; i < 25; ++i)
        ASSERT_TRUE(stage.Poll());
    // Poll n shows (n mod 20) div 5 dots.
    EXPECT_EQ(view_.labels[3], "编译进行中");
    EXPECT_EQ(view_.labels[4], "编译进行中.");
    EXPECT_EQ(view_.labels[9], "编译进行中..");
    EXPECT_EQ(view_.labels[14], "编译进行中...");
    EXPECT_EQ(view_.labels[19], "编译进行中");
    EXPECT_EQ(view_.gauges[19], 20);
    EXPECT_EQ(view_.status1[4], " 编译进行中.");
    EXPECT_EQ(view_.clockRefreshes, 2) << "the clock every tenth poll";
    stage.Stop();
    EXPECT_FALSE(stage.Poll());
    EXPECT_EQ(Calls().find("ended on its own"), std::string::npos) << "stopped, not waited for";
    EXPECT_EQ(stage.Result(), 2);
    EXPECT_EQ(view_.labels.back(), "编译终止 ！");
    EXPECT_TRUE(fs::is_empty(scratch_));
}

TEST_F(StagesTest, LibraryAndPluginObjectsAreCopiedBesideTheProgram) {
    WriteTestFile(LibFileOf(project_), "LIBRARY");
    fs::create_directories(JoinPath(program_.Path(), "Plugins"));
    WriteTestFile(JoinPath(program_.Path(), "Plugins/RFID_232.DLL"), "PLUGIN");
    TranslateInputs in = Inputs("08");
    in.usePlugin = true;
    in.pluginName = "rfid_232.dll";
    TranslateStage stage(in, view_);
    std::string lib, plugin, source;
    stage.beforeCleanUp = [&](const std::string& s) {
        lib = ReadTestFile(JoinPath(s, "PCC.d"));
        plugin = ReadTestFile(JoinPath(s, "Ex.d"));
        source = ReadTestFile(JoinPath(s, "PLC.c"));
    };
    ASSERT_TRUE(stage.Begin());
    Run(stage);
    EXPECT_EQ(lib, "LIBRARY");
    EXPECT_EQ(plugin, "PLUGIN");
    EXPECT_NE(source.find("  function1();\r\n  Plu_Handle();\r\n"), std::string::npos);
    EXPECT_EQ(stage.Result(), 0);
}

// The plug-in name comes from the project file: a received project cannot
// make the compile link an object from outside the Plugins folder.
TEST_F(StagesTest, APluginNameLeavingThePluginsFolderLinksNothing) {
    fs::create_directories(JoinPath(program_.Path(), "Plugins"));
    WriteTestFile(JoinPath(program_.Path(), "outside.dll"), "OUTSIDE");
    for (const std::string& name : {std::string("../outside.dll"), std::string("..\\outside.dll"),
                                    JoinPath(program_.Path(), "outside.dll")}) {
        TranslateInputs in = Inputs();
        in.usePlugin = true;
        in.pluginName = name;
        TranslateStage stage(in, view_);
        EXPECT_FALSE(stage.Begin()) << name;
        EXPECT_EQ(stage.Result(), 5) << name;
        EXPECT_FALSE(fs::exists(JoinPath(scratch_, "Ex.d"))) << name;
    }
    EXPECT_EQ(Calls(), "");
}

TEST_F(StagesTest, AMissingConverterFileOrObjectEndsTheStageBeforeTheTools) {
    fs::remove(JoinPath(scratch_, "Sub.txt"));
    TranslateStage stage(Inputs(), view_);
    EXPECT_FALSE(stage.Begin());
    EXPECT_EQ(stage.Result(), 5);
    EXPECT_FALSE(stage.Poll());
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "系统文件被破坏,请重装软件！...");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    EXPECT_EQ(Calls(), "");

    WriteTestFile(JoinPath(scratch_, "Sub.txt"), "");
    TranslateStage library(Inputs("08"), view_);  // its ".Lib" is missing
    EXPECT_FALSE(library.Begin());
    EXPECT_EQ(messages_.Count(), 2u);
}

TEST_F(StagesTest, TheLibraryKeepsWarningsInBlue) {
    ScopedEnv mode("VX_FAKE_GCC", "warn");
    WriteTestFile(CBlockPath(project_), "void  function1(void)\r\n{\r\n}\r\n");
    LibraryStage stage({winDir_, project_, true}, view_);
    stage.Show();
    EXPECT_EQ(view_.labels.back(), "编译开始。。。");
    ASSERT_TRUE(stage.Begin());
    Run(stage);
    EXPECT_TRUE(stage.LibraryMade());
    EXPECT_EQ(ReadTestFile(LibFileOf(project_)), "object\n");
    EXPECT_EQ(view_.messages, "高级语言 [function1]\r\nPLCC.c:3:7: warning: unused variable 'u'");
    EXPECT_EQ(view_.colour, PaneColour::Blue);
    EXPECT_EQ(view_.labels.back(), "编译成功 ！");
    EXPECT_EQ(stage.Result(), 0);
    EXPECT_TRUE(fs::is_empty(scratch_));
    EXPECT_NE(Calls().find("-c -o PLCC.d PLCC.c"), std::string::npos);
}

TEST_F(StagesTest, ALibraryWithAnErrorIsNotMade) {
    ScopedEnv mode("VX_FAKE_GCC", "cerror");
    WriteTestFile(CBlockPath(project_), "void  function1(void)\r\n{ x; }\r\n");
    LibraryStage stage({winDir_, project_, true}, view_);
    ASSERT_TRUE(stage.Begin());
    Run(stage);
    EXPECT_FALSE(stage.LibraryMade());
    EXPECT_FALSE(FileExists(LibFileOf(project_)));
    EXPECT_EQ(view_.colour, PaneColour::Red);
    EXPECT_EQ(view_.labels.back(), "编译终止 ！");
    EXPECT_EQ(stage.Result(), 2);

    fs::remove(CBlockPath(project_));
    LibraryStage missing({winDir_, project_, true}, view_);
    EXPECT_FALSE(missing.Begin());
    EXPECT_EQ(messages_.Last().text, "系统文件被破坏,请重装软件！...");
}

// A character of the CJK blocks or their punctuation (U+3000-U+9FFF) in UTF-8.
bool HasCjk(const std::string& text) {
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xE3 && lead <= 0xE9) return true;
    }
    return false;
}

// Every text both stages write (progress labels, status, the message pane
// and their boxes) is in the job's language: Chinese as given, and in English
// no CJK character (the given "Check Done ！" keeps its wide mark).
TEST_F(StagesTest, TheStagesWriteTheInterfaceLanguage) {
    struct Case {
        const char* name;
        const char* fakeGcc;
        bool library;
        bool removeSub;
        std::string chinese;  // a text the Chinese run writes
    };
    const Case cases[] = {
        {"library warning", "warn", true, false, "高级语言 [function1]"},
        {"library error", "cerror", true, false, "编译终止 ！"},
        {"library stopped", "hang", true, false, "编译进行中"},
        {"library without its C block", "", true, false, "系统文件被破坏,请重装软件！..."},
        {"compile error", "cerror", false, false, "C Language [function1]\r\nPLCC.c"},
        {"maths library", "aeabi", false, false, "编译错误！,可能原因:"},
        {"missing symbol", "undefined", false, false, "高级语言 [function1]"},
        {"stopped", "hang", false, false, "编译进行中"},
        {"converter file missing", "", false, true, "系统文件被破坏,请重装软件！..."},
    };
    for (const Case& c : cases) {
        for (const bool chinese : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (chinese ? " (Chinese)" : " (English)"));
            view_ = RecordingView();
            Converted();
            if (c.removeSub) fs::remove(JoinPath(scratch_, "Sub.txt"));
            const bool cBlock = c.library && std::string(c.fakeGcc) != "";
            if (cBlock) WriteTestFile(CBlockPath(project_), "void  function1(void)\r\n{\r\n}\r\n");
            if (!cBlock) fs::remove(CBlockPath(project_));
            const std::size_t boxesBefore = messages_.Count();
            ScopedEnv mode("VX_FAKE_GCC", c.fakeGcc);
            std::unique_ptr<ToolChainJob> job;
            bool began = false;
            if (c.library) {
                auto stage = std::make_unique<LibraryStage>(
                    LibraryInputs{winDir_, project_, chinese}, view_);
                stage->Show();
                began = stage->Begin();
                job = std::move(stage);
            } else {
                TranslateInputs in = Inputs("01");
                in.chinese = chinese;
                auto stage = std::make_unique<TranslateStage>(in, view_);
                stage->Show();
                began = stage->Begin();
                job = std::move(stage);
            }
            if (began) {
                // Only the hanging tool is stopped; the others run to their end,
                // however long a busy machine takes.
                const bool hangs = std::string(c.fakeGcc) == "hang";
                for (int polls = 0; job->Poll(); ++polls) {
                    if (hangs && polls == 25) job->Stop();
                    ASSERT_LT(polls, 30000) << "the stage never ended";  // 30 s at the most
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                }
            }
            std::vector<std::string> texts = view_.labels;
            texts.insert(texts.end(), view_.status1.begin(), view_.status1.end());
            texts.push_back(view_.messages);
            for (std::size_t i = boxesBefore; i < messages_.Count(); ++i)
                texts.push_back(messages_.Messages()[i].text);
            bool found = false;
            for (const std::string& text : texts) {
                if (chinese) {
                    found = found || text.find(c.chinese) != std::string::npos;
                } else {
                    EXPECT_FALSE(HasCjk(text)) << text;
                }
            }
            if (chinese) {
                EXPECT_TRUE(found) << c.chinese;
            }
        }
    }
}

TEST(PathsTest, LibraryAndPluginFiles) {
    EXPECT_EQ(LibFileOf("/p/泵站.PSP"), "/p/泵站.Lib");
    EXPECT_EQ(LibFileOf("abc"), ".Lib");
    EXPECT_EQ(PluginPathOf("/prog", "RFID.dll"), "/prog/Plugins/RFID.dll");
}

TEST(PathsTest, PluginNamesStayInThePluginsFolder) {
    TempFolder dir;
    const std::string prog = dir / "prog";
    fs::create_directories(prog + "/Plugins");
    WriteTestFile(prog + "/Plugins/RFID.dll", "");
    WriteTestFile(prog + "/Plugins/RFID.Txt", "RFID");
    WriteTestFile(prog + "/secret.Txt", "SECRET");
    const std::string none = PluginDescription(prog, "none.dll");
    const struct {
        std::string name;
        std::string path;  // "" when refused
        std::string description;
    } rows[] = {
        {"rfid.DLL", prog + "/Plugins/RFID.dll", "RFID"},
        {"a b 中文;&|$(x)`'\"%V%><.dll", prog + "/Plugins/a b 中文;&|$(x)`'\"%V%><.dll", none},
        {"-o.dll", prog + "/Plugins/-o.dll", none},
        {"C:x.dll", prog + "/Plugins/C:x.dll", none},
        {"../secret.dll", "", none},
        {"..\\secret.dll", "", none},
        {"sub/../../secret.dll", "", none},
        {prog + "/secret.dll", "", none},
        {"C:\\secret.dll", "", none},
        {"..", "", none},
        {".", "", none},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PluginPathOf(prog, row.name), row.path) << row.name;
        EXPECT_EQ(PluginDescription(prog, row.name), row.description) << row.name;
    }
    EXPECT_EQ(PluginPathOf(prog, ""), "");
}

}  // namespace
}  // namespace vx
