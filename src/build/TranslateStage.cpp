#include "build/TranslateStage.h"

#include <filesystem>
#include <system_error>

#include "build/PlcSource.h"
#include "build/Plugins.h"
#include "build/ScratchFolder.h"
#include "editor/CBlockFile.h"
#include "model/LadderProgram.h"
#include "platform/FileIo.h"
#include "platform/MessageBox.h"
#include "platform/SystemFolders.h"
#include "platform/Text.h"

namespace vx {
namespace {

// Copies a file, refusing to replace one that is there.
bool CopyNew(const std::string& from, const std::string& to) {
    if (FileExists(to)) return false;
    const std::optional<std::string> bytes = ReadWholeFile(from);
    return bytes && WriteFileAtomically(to, *bytes);
}

}  // namespace

std::string LibFileOf(const std::string& projectFile) {
    const std::size_t keep = projectFile.size() >= 4 ? projectFile.size() - 4 : 0;
    return projectFile.substr(0, keep) + ".Lib";
}

std::string PluginPathOf(const std::string& programFolder, const std::string& pluginName) {
    if (!IsPluginFileName(pluginName)) return {};
    const std::string folder = PluginFolder(programFolder);
    const std::string found = FindFileNoCase(folder, pluginName);
    return found.empty() ? JoinPath(folder, pluginName) : found;
}

TranslateStage::TranslateStage(TranslateInputs inputs, StageView& view)
    : ToolChainJob(inputs.winDir, inputs.chinese, view), inputs_(std::move(inputs)) {}

void TranslateStage::Show() {
    view_.ShowProgress(0, chinese_ ? "程序检查完毕 ！" : "Check Done ！");
}

bool TranslateStage::Begin() {
    stop_ = false;
    values_ = ReadCompileValues(inputs_.sysParamString, inputs_.usePlugin);
    std::error_code ec;
    std::filesystem::remove(inputs_.targetFile, ec);
    // What an earlier compile may have left; the converter's files stay.
    DeleteNamedFiles(scratch_, {"P.Txt", "L.Txt", "PCC.d", "Ex.d", "plc.d", "plc.elf", "PLC.c",
                                "PLCC.c", "plc.h"});
    if (Prepare()) return true;
    ShowMessage({kProductTitle, DamagedText(), MsgIcon::Information, MsgButtons::Ok});
    FinishEarly(5);
    return false;
}

bool TranslateStage::Prepare() {
    view_.SetInstructionList({});
    if (std::optional<std::string> ld = ReadWholeFile(FindFileNoCase(scratch_, "LD.txt")))
        view_.SetInstructionList(GbkToUtf8(*ld));
    const std::optional<std::string> macro = ReadWholeFile(FindFileNoCase(scratch_, "Macro.txt"));
    const std::optional<std::string> sub = ReadWholeFile(FindFileNoCase(scratch_, "Sub.txt"));
    if (!macro || !sub) return false;

    if (values_.cLibrary && !CopyNew(LibFileOf(inputs_.projectFile), JoinPath(scratch_, "PCC.d"))) {
        return false;
    }
    if (values_.plugin && !CopyNew(PluginPathOf(inputs_.programFolder, inputs_.pluginName),
                                   JoinPath(scratch_, "Ex.d"))) {
        return false;
    }
    if (values_.cBlock) {
        const std::string path = CBlockPath(inputs_.projectFile);
        if (std::optional<std::string> text = ReadWholeFile(path))
            CBlockBuffer() = GbkToUtf8(*text);
        if (!WriteFileAtomically(JoinPath(scratch_, "PLCC.c"),
                                 Utf8ToGbk(CBlockSourceText(CBlockBuffer())))) {
            return false;
        }
    }
    const std::string source = PlcSourceText(
        values_, SysIniTable(inputs_.sysParamString, inputs_.holdParamString), *macro, *sub);
    if (!WriteFileAtomically(JoinPath(scratch_, "plc.h"), kPlcHeaderText)) return false;
    if (!WriteFileAtomically(JoinPath(scratch_, "PLC.c"), source)) return false;
    commands_ = CompileCommandLines(values_, inputs_.targetFile);
    return true;
}

void TranslateStage::JudgeLogs(CommandChain::State) {
    const std::string compiler = ReadLog("P.Txt");
    if (compiler.find("error:") != std::string::npos) {
        // The compiler's errors are headed in English in either language;
        // the linker's and the library's headings follow the language.
        view_.SetMessages("C Language [function1]\r\n" + compiler + "\r\n");
        view_.ShowMessagePane(PaneColour::Red);
        stop_ = true;
    }
    const std::string linker = ReadLog("L.Txt");
    if (linker.find("__aeabi_") != std::string::npos) {
        view_.ShowMessagePane(PaneColour::Red);
        view_.AddMessage(CBlockHeading());
        const char* const kChinese[] = {
            "编译错误！,可能原因:", "1. 数学库输入变量未赋值, 比如x,y 未赋正确值: z=pow(x,y);",
            "2. 数学库输入变量未赋值, 比如x,n 未赋正确值: y=ldexp(x,n);",
            "3. 浮点数运算异常，请检查浮点数变量、表达式的合法性!"};
        const char* const kEnglish[] = {
            "Compile error! Possible causes:",
            "1. An input of the maths library has no value, e.g. x, y unset in z=pow(x,y);",
            "2. An input of the maths library has no value, e.g. x, n unset in y=ldexp(x,n);",
            "3. A floating-point operation fails: check the float variables and expressions!"};
        for (const char* line : chinese_ ? kChinese : kEnglish)
            view_.AddMessage(line);
        stop_ = true;
    } else if (std::size_t p = linker.find("undefined reference to "); p != std::string::npos) {
        view_.ShowMessagePane(PaneColour::Red);
        view_.AddMessage(CBlockHeading());
        view_.AddMessage(linker.substr(p));
        stop_ = true;
    }
}

std::string TranslateStage::ProgressWord() const {
    return chinese_ ? "编译进行中" : "Compiled Of";
}

std::string TranslateStage::DoneLabel(bool stopped) const {
    if (stopped) return chinese_ ? "编译终止 ！" : "Terminated!";
    return chinese_ ? "编译成功 ！" : "Successful!";
}

void TranslateStage::AfterAttempts() {
    if (!stop_ && ProductSize() > 0) view_.SetMessages({});
}

std::vector<std::string> TranslateStage::CleanUpExtensions() const {
    return {".txt", ".c", ".h", ".d", ".elf"};
}

}  // namespace vx
