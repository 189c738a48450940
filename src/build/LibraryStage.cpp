#include "build/LibraryStage.h"

#include "build/PlcSource.h"
#include "build/ScratchFolder.h"
#include "build/TranslateStage.h"
#include "editor/CBlockFile.h"
#include "model/LadderProgram.h"
#include "platform/FileIo.h"
#include "platform/MessageBox.h"
#include "platform/SystemFolders.h"
#include "platform/Text.h"

namespace vx {

LibraryStage::LibraryStage(LibraryInputs inputs, StageView& view)
    : ToolChainJob(inputs.winDir, inputs.chinese, view), inputs_(std::move(inputs)) {}

void LibraryStage::Show() {
    view_.ShowProgress(0, chinese_ ? "编译开始。。。" : "Compile start...");
}

std::string LibraryStage::ProductPath() const {
    return JoinPath(scratch_, "PLCC.d");
}

bool LibraryStage::Begin() {
    stop_ = false;
    DeleteNamedFiles(scratch_, {"PLCC.d"});
    DeleteFilesWithExtensions(scratch_, {".txt"});
    const std::optional<std::string> text = ReadWholeFile(CBlockPath(inputs_.projectFile));
    bool written = false;
    if (text) {
        CBlockBuffer() = GbkToUtf8(*text);
        written = WriteFileAtomically(JoinPath(scratch_, "PLCC.c"),
                                      Utf8ToGbk(CBlockSourceText(CBlockBuffer()))) &&
                  WriteFileAtomically(JoinPath(scratch_, "plc.h"), kPlcHeaderText);
    }
    if (written) return true;
    ShowMessage({kProductTitle, DamagedText(), MsgIcon::Information, MsgButtons::Ok});
    FinishEarly(5);
    return false;
}

void LibraryStage::JudgeLogs(CommandChain::State) {
    const std::string log = ReadLog("PLCCw.Txt");
    if (log.empty()) return;
    view_.SetMessages(CBlockHeading() + "\r\n" + log);
    const bool made = FileExists(ProductPath());
    view_.ShowMessagePane(made ? PaneColour::Blue : PaneColour::Red);
    if (!made) stop_ = true;
}

std::string LibraryStage::DoneLabel(bool stopped) const {
    if (stopped) return chinese_ ? "编译终止 ！" : "Terminated!";
    return chinese_ ? "编译成功 ！" : "Successful!";
}

void LibraryStage::AfterAttempts() {
    if (stop_ || ProductSize() == 0) return;
    const std::optional<std::string> object = ReadWholeFile(ProductPath());
    if (!object) return;
    const IoResult written = WriteFileAtomically(LibFileOf(inputs_.projectFile), *object);
    libraryMade_ = written.ok;
    if (!written) ShowMessage({kProductTitle, written.error, MsgIcon::Exclamation, MsgButtons::Ok});
}

std::vector<std::string> LibraryStage::CleanUpExtensions() const {
    return {".txt", ".c", ".h", ".d"};
}

}  // namespace vx
