#include "build/ToolRunner.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string_view>
#include <thread>

#include "platform/SystemFolders.h"

extern char** environ;

namespace vx {
namespace {

constexpr int kToolMissingCode = 127;

void WriteAll(int fd, const char* text) {
    std::size_t left = std::strlen(text);
    while (left > 0) {
        ssize_t n = write(fd, text, left);
        if (n <= 0) return;
        text += n;
        left -= static_cast<std::size_t>(n);
    }
}

}  // namespace

CommandChain::~CommandChain() {
    if (state_ == State::Running) Stop();
}

bool CommandChain::Start(std::vector<ToolCommand> commands, const std::string& folder,
                         const std::string& toolFolder, std::string* problem) {
    if (state_ == State::Running) Stop();
    commands_ = std::move(commands);
    folder_ = folder;
    toolFolder_ = toolFolder;
    index_ = 0;
    exitCode_ = 0;
    if (commands_.empty()) {
        state_ = State::Succeeded;
        return true;
    }
    return StartCurrent(problem);
}

bool CommandChain::StartCurrent(std::string* problem) {
    const ToolCommand& command = commands_[index_];
    // Everything the child needs is prepared here: after fork it only calls
    // functions that are safe in the child of a threaded process.
    const std::string tool = JoinPath(toolFolder_, command.tool);
    std::vector<std::string> words;
    words.push_back(command.tool);
    words.insert(words.end(), command.arguments.begin(), command.arguments.end());
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    const std::string log =
        command.errorLog.empty() ? std::string("/dev/null") : JoinPath(folder_, command.errorLog);
    const std::string notFound = command.tool + ": not found\n";
    // The logs are read for the tools' English words ("error:"), so the tools
    // never translate their messages.
    std::vector<char*> envp;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string_view entry(*e);
        if (entry.starts_with("LC_ALL=") || entry.starts_with("LC_MESSAGES=") ||
            entry.starts_with("LANGUAGE=")) {
            continue;
        }
        envp.push_back(*e);
    }
    static char cLocale[] = "LC_ALL=C";
    envp.push_back(cLocale);
    envp.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) {
        if (problem) *problem = std::string("cannot start a tool: ") + std::strerror(errno);
        state_ = State::Failed;
        exitCode_ = -1;
        return false;
    }
    if (pid == 0) {
        setpgid(0, 0);
        const int null = open("/dev/null", O_RDWR);
        const int err = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
        }
        if (err >= 0) dup2(err, STDERR_FILENO);
        if (chdir(folder_.c_str()) != 0) _exit(126);
        execve(tool.c_str(), argv.data(), envp.data());
        WriteAll(STDERR_FILENO, notFound.c_str());
        _exit(kToolMissingCode);
    }
    setpgid(pid, pid);  // also here, so Stop() finds the group at once
    pid_ = pid;
    state_ = State::Running;
    return true;
}

void CommandChain::Finish(int status) {
    pid_ = -1;
    if (WIFEXITED(status)) {
        exitCode_ = WEXITSTATUS(status);
    } else {
        exitCode_ = 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    }
    if (exitCode_ == kToolMissingCode) {
        state_ = State::ToolMissing;
    } else if (exitCode_ != 0) {
        state_ = State::Failed;
    } else if (++index_ < commands_.size()) {
        if (!StartCurrent(nullptr)) state_ = State::Failed;
    } else {
        index_ = commands_.size() - 1;
        state_ = State::Succeeded;
    }
}

CommandChain::State CommandChain::Poll() {
    if (state_ != State::Running) return state_;
    int status = 0;
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) Finish(status);
    if (done < 0 && errno != EINTR) {
        pid_ = -1;
        exitCode_ = -1;
        state_ = State::Failed;
    }
    return state_;
}

void CommandChain::Stop() {
    if (state_ != State::Running || pid_ < 0) {
        if (state_ == State::Running) state_ = State::Stopped;
        return;
    }
    const pid_t group = pid_;
    kill(-group, SIGTERM);
    int status = 0;
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (pid_ >= 0) {
        kill(-group, SIGKILL);
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }
    // Whatever the tool left running in its group goes too.
    kill(-group, SIGKILL);
    state_ = State::Stopped;
}

}  // namespace vx
