#include "build/ToolChainJob.h"

#include <filesystem>
#include <system_error>

#include "build/ScratchFolder.h"
#include "build/ToolChain.h"
#include "model/LadderProgram.h"
#include "platform/FileIo.h"
#include "platform/MessageBox.h"
#include "platform/SystemFolders.h"
#include "platform/Text.h"

namespace vx {
namespace {

constexpr int kAttempts = 3;

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int follow = c < 0x80             ? 0
                           : (c & 0xE0) == 0xC0 ? 1
                           : (c & 0xF0) == 0xE0 ? 2
                           : (c & 0xF8) == 0xF0 ? 3
                                                : -1;
        if (follow < 0 || i + static_cast<std::size_t>(follow) >= text.size()) return false;
        for (int k = 0; k < follow; ++k) {
            if ((static_cast<unsigned char>(text[++i]) & 0xC0) != 0x80) return false;
        }
    }
    return true;
}

int FileSize(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? 0 : static_cast<int>(std::min<std::uintmax_t>(size, INT32_MAX));
}

}  // namespace

ToolChainJob::ToolChainJob(std::string winDir, bool chinese, StageView& view)
    : view_(view), winDir_(std::move(winDir)), scratch_(ScratchFolder(winDir_)), chinese_(chinese) {
    MakeFolders(scratch_);
}

std::string ToolChainJob::DamagedText() const {
    return chinese_ ? "系统文件被破坏,请重装软件！..."
                    : "The system file is damaged, please reinstall the software!...";
}

std::string ToolChainJob::CBlockHeading() const {
    return chinese_ ? "高级语言 [function1]" : "C Language [function1]";
}

std::string ToolChainJob::ReadLog(const std::string& name) const {
    const std::string path = FindFileNoCase(scratch_, name);
    if (path.empty()) return {};
    std::string text = ReadWholeFile(path).value_or(std::string());
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    text.erase(0, start == std::string::npos ? text.size() : start);
    // The last line end would show as one more empty line in the pane.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return IsUtf8(text) ? text : GbkToUtf8(text);
}

void ToolChainJob::FinishEarly(int result) {
    finished_ = true;
    result_ = result;
    productSize_ = 0;
}

void ToolChainJob::StartAttempt() {
    poll_ = 0;
    running_ = Commands();
    // Logs of an earlier attempt must not be judged as this one's.
    for (const ToolCommand& c : running_) {
        if (!c.errorLog.empty()) DeleteNamedFiles(scratch_, {c.errorLog});
    }
    std::string problem;
    attemptRunning_ = true;
    if (!chain_.Start(running_, scratch_, ToolChainFolder(winDir_), &problem)) {
        ShowMessage(
            {kProductTitle,
             (chinese_ ? "系统文件被破坏,请重装软件！....."
                       : "The system file is damaged, please reinstall the software!.....") +
                 std::string("\n") + problem,
             MsgIcon::Information, MsgButtons::Ok});
        stop_ = true;
    }
}

bool ToolChainJob::Poll() {
    if (finished_) return false;
    if (!attemptRunning_) {
        if (stop_) {  // stopped before an attempt began
            EndAttempt(false);
            return false;
        }
        StartAttempt();
    }

    ++poll_;
    static const char* const kDots[] = {"", ".", "..", "..."};
    const std::string progress = ProgressWord() + kDots[(poll_ % 20) / 5];
    view_.ShowProgress(poll_ % 50, progress);
    view_.ShowState(" " + progress);
    if (poll_ % 10 == 0) view_.RefreshClock();

    const CommandChain::State state = chain_.Poll();
    if (state == CommandChain::State::Running) return true;

    // The attempt's tools have all ended: now the logs are complete.
    if (!stop_ && !ToolChainBroken(state)) JudgeLogs(state);
    const bool made = FileSize(ProductPath()) > 0;
    if (made || stop_) {
        EndAttempt(made);
        return false;
    }
    if (attempt_ + 1 >= kAttempts) {
        // Nothing in the logs said why: show what the failing tool wrote.
        if (state == CommandChain::State::Failed && chain_.CommandIndex() < running_.size()) {
            const std::string log = ReadLog(running_[chain_.CommandIndex()].errorLog);
            if (!running_[chain_.CommandIndex()].errorLog.empty() && !log.empty()) {
                view_.SetMessages(log);
                view_.ShowMessagePane(PaneColour::Red);
            }
        }
        attempt_ = kAttempts;
        result_ = kAttempts;
        Finish();
        return false;
    }
    ++attempt_;
    attemptRunning_ = false;
    return true;
}

bool ToolChainJob::ToolChainBroken(CommandChain::State state) {
    std::string log;
    if (chain_.CommandIndex() < running_.size())
        log = ReadLog(running_[chain_.CommandIndex()].errorLog);
    const bool broken =
        state == CommandChain::State::ToolMissing ||
        (state == CommandChain::State::Failed && log.find("cannot execute") != std::string::npos);
    if (!broken) return false;
    view_.SetMessages(ToolChainMissingText(chinese_) + (log.empty() ? "" : "\r\n\r\n" + log));
    view_.ShowMessagePane(PaneColour::Red);
    stop_ = true;
    return true;
}

void ToolChainJob::EndAttempt(bool made) {
    view_.ShowProgress(made && !stop_ ? 50 : poll_ % 50, DoneLabel(stop_));
    result_ = stop_ ? 2 : attempt_;
    Finish();
}

void ToolChainJob::Stop() {
    stop_ = true;
    chain_.Stop();
}

void ToolChainJob::Finish() {
    finished_ = true;
    attemptRunning_ = false;
    productSize_ = FileSize(ProductPath());
    AfterAttempts();
    if (beforeCleanUp) beforeCleanUp(scratch_);
    std::vector<std::string> extensions = CleanUpExtensions();
    for (const std::string& e : extensions)
        DeleteFilesWithExtensions(scratch_, {e});
}

}  // namespace vx
