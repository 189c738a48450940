#include "platform/Launcher.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/SystemFolders.h"
#include "platform/Text.h"

extern char** environ;

namespace vx {
namespace {

// "Notepad.exe" -> "NOTEPAD", "devmgmt.msc" -> "DEVMGMT".
std::string KeyOf(std::string_view windowsName) {
    std::string_view base = windowsName;
    if (std::size_t slash = base.find_last_of("/\\"); slash != std::string_view::npos) {
        base = base.substr(slash + 1);
    }
    if (std::size_t dot = base.find('.'); dot != std::string_view::npos) base = base.substr(0, dot);
    return AsciiUpper(base);
}

std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) words.push_back(std::move(word)), word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string FindExecutable(std::string_view name) {
    if (name.empty()) return {};
    if (name.find('/') != std::string_view::npos) {
        return IsExecutableFile(std::string(name)) ? std::string(name) : std::string();
    }
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!dirs.empty()) {
        std::size_t colon = dirs.find(':');
        std::string_view dir = dirs.substr(0, colon);
        dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
        std::string candidate = JoinPath(dir.empty() ? "." : dir, name);
        if (IsExecutableFile(candidate)) return candidate;
    }
    return {};
}

std::vector<std::vector<std::string>> CandidateCommands(std::string_view windowsName) {
    const std::string key = KeyOf(windowsName);
    std::vector<std::vector<std::string>> candidates;
    if (const char* configured = std::getenv(("VXTORVIN_LAUNCH_" + key).c_str())) {
        if (std::vector<std::string> words = SplitWords(configured); !words.empty()) {
            candidates.push_back(std::move(words));
        }
    }
    auto add = [&](std::initializer_list<const char*> names) {
        for (const char* n : names)
            candidates.push_back({n});
    };
    if (key == "HH") {
        // Help pages are HTML: the desktop's opener, else a web browser.
        add({"xdg-open", "x-www-browser", "firefox-esr", "firefox", "chromium"});
    } else if (key == "EXPLORER" || key == "MAILTO") {
        add({"xdg-open"});
    } else if (key == "NOTEPAD") {
        add({"gedit", "gnome-text-editor", "mousepad", "kate", "kwrite", "xed", "featherpad",
             "pluma", "leafpad"});
    } else if (key == "CALC") {
        add({"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "mate-calc", "xcalc"});
    } else if (key == "DEVMGMT") {
        add({"gnome-system-monitor", "lshw-gtk"});
    } else {
        // Programs of our own (Update.exe, PID.exe) lie beside the tool,
        // without the extension.
        std::string base(windowsName);
        if (std::size_t dot = base.rfind('.'); dot != std::string::npos) base.resize(dot);
        candidates.push_back({JoinPath(ProgramFolder(), base)});
        candidates.push_back({base});
    }
    return candidates;
}

LaunchResult StartDetached(const std::vector<std::string>& command,
                           const std::string& workingFolder,
                           const std::vector<std::string>& extraEnvironment) {
    if (command.empty()) return {false, "no program given"};
    const std::string exe = FindExecutable(command[0]);
    if (exe.empty()) return {false, command[0] + " is not installed"};

    std::vector<char*> argv;
    for (const std::string& a : command)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** e = environ; *e != nullptr; ++e) {
        // A variable given anew replaces the inherited one.
        const std::string_view inherited(*e);
        const std::string_view name = inherited.substr(0, inherited.find('=') + 1);
        bool replaced = false;
        for (const std::string& extra : extraEnvironment)
            replaced |= extra.starts_with(name);
        if (!replaced) envp.push_back(*e);
    }
    for (const std::string& e : extraEnvironment)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    // An intermediate child starts the program and exits at once, so the
    // program is never our zombie; its exit code carries the start's error.
    pid_t child = fork();
    if (child < 0) return {false, std::string("cannot start a program: ") + std::strerror(errno)};
    if (child == 0) {
        setsid();
        if (!workingFolder.empty() && chdir(workingFolder.c_str()) != 0) _exit(126);
        pid_t program = 0;
        int rc = posix_spawn(&program, exe.c_str(), nullptr, nullptr, argv.data(), envp.data());
        _exit(rc == 0 ? 0 : 127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {true, {}};
    if (WIFEXITED(status) && WEXITSTATUS(status) == 126) {
        return {false, "cannot change to the folder " + workingFolder};
    }
    return {false, "cannot start " + exe};
}

LaunchResult LaunchProgram(std::string_view windowsName, const std::vector<std::string>& args,
                           const std::string& workingFolder) {
    std::string tried;
    for (std::vector<std::string> command : CandidateCommands(windowsName)) {
        if (FindExecutable(command[0]).empty()) {
            tried += (tried.empty() ? "" : ", ") + command[0];
            continue;
        }
        command.insert(command.end(), args.begin(), args.end());
        return StartDetached(command, workingFolder);
    }
    return {false, "No program on this machine can stand in for " + std::string(windowsName) +
                       " (tried " + tried + "). Set VXTORVIN_LAUNCH_" + KeyOf(windowsName) +
                       " to the command to use."};
}

}  // namespace vx
