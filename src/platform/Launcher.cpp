#include "platform/Launcher.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/Language.h"
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

// The words of a configured command. Blanks part them; a part in double or
// single quotes keeps its blanks ("/opt/PLC tools/pid" --fast). A quote
// without a partner later in the text is an ordinary character (o'brien).
std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '"' || c == '\'') {
            if (const std::size_t close = text.find(c, i + 1); close != std::string_view::npos) {
                word.append(text.substr(i + 1, close - i - 1));
                i = close;
                continue;
            }
        }
        word += c;
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

// What a program name stands for, in words for the user.
struct Job {
    const char* chinese;
    const char* english;
};

Job JobOf(const std::string& key) {
    if (key == "HH") return {"浏览帮助页面的网页浏览器", "web browser for the help pages"};
    if (key == "EXPLORER") return {"文件管理器", "file manager"};
    if (key == "MAILTO") return {"邮件程序", "mail program"};
    if (key == "NOTEPAD") return {"文本编辑器", "text editor"};
    if (key == "CALC") return {"计算器", "calculator"};
    if (key == "DEVMGMT") return {"设备管理程序", "device manager"};
    return {nullptr, nullptr};
}

// A program as the user installs it: xdg-open comes with the xdg-utils package.
std::string Installable(const std::string& program) {
    if (program == "xdg-open")
        return InterfaceText("xdg-open（软件包 xdg-utils）", "xdg-open (package xdg-utils)");
    return program;
}

// Programs the tool starts that are no part of it and do not come with it:
// the user names one, or puts it beside the tool or on the PATH.
bool OutsideProgram(const std::string& key) {
    return key == "PID";
}

// Nothing was found for the program: what to install or set.
std::string NothingFound(std::string_view windowsName, const std::string& key,
                         const std::vector<std::string>& tried) {
    const std::string variable = "VXTORVIN_LAUNCH_" + key;
    const bool chinese = InterfaceChinese();
    const Job job = JobOf(key);
    if (OutsideProgram(key)) {
        std::string base(windowsName);
        if (std::size_t dot = base.rfind('.'); dot != std::string::npos) base.resize(dot);
        if (chinese) {
            return "没有找到程序 " + std::string(windowsName) +
                   "：它是本系统以外的程序，不随本工具提供。请把它以 " + base +
                   " 为名放在程序文件夹 " + ProgramFolder() + " 中或 PATH 上；或者把环境变量 " +
                   variable + " 设为启动它的命令。";
        }
        return "The program " + std::string(windowsName) +
               " was not found: it is an outside program, no part of this tool, and does not "
               "come with it. Put one named " +
               base + " in the program folder " + ProgramFolder() +
               " or on the PATH, or set the environment variable " + variable +
               " to the command that starts it.";
    }
    if (job.chinese == nullptr) {
        // One of the tool's own programs, which ship beside it.
        std::string base(windowsName);
        if (std::size_t dot = base.rfind('.'); dot != std::string::npos) base.resize(dot);
        if (chinese) {
            return "找不到程序 " + base + "（" + std::string(windowsName) +
                   "）：它应在工具所在的程序文件夹 " + ProgramFolder() +
                   " 中，请重新安装本工具；或者把环境变量 " + variable + " 设为启动它的命令。";
        }
        return "The program " + base + " (" + std::string(windowsName) +
               ") was not found: it belongs beside the tool, in the program folder " +
               ProgramFolder() + "; install the tool again, or set the environment variable " +
               variable + " to the command that starts it.";
    }
    std::string list;
    for (const std::string& program : tried)
        list += (list.empty() ? "" : chinese ? "、" : ", ") + Installable(program);
    if (chinese) {
        return std::string("本机没有可用的") + job.chinese + "（代替 " + std::string(windowsName) +
               "）。请用系统的软件包管理器安装以下程序之一：" + list + "；或者把环境变量 " +
               variable + " 设为要使用的程序的启动命令。";
    }
    return std::string("No ") + job.english + " is installed on this machine (to stand in for " +
           std::string(windowsName) + "). Install one of these programs with the system's " +
           "package manager: " + list + "; or set the environment variable " + variable +
           " to the command that starts the program to use.";
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
        // Our own programs (Update.exe) lie beside the tool, without the
        // extension; an outside one (PID.exe) is looked for there too.
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
    if (command.empty()) return {false, InterfaceText("没有指定程序", "no program given")};
    const std::string exe = FindExecutable(command[0]);
    if (exe.empty())
        return {false,
                InterfaceChinese() ? "没有安装 " + command[0] : command[0] + " is not installed"};

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
    if (child < 0) {
        return {false, InterfaceText("无法启动程序：", "cannot start a program: ") +
                           std::string(std::strerror(errno))};
    }
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
        return {false,
                InterfaceText("无法进入文件夹 ", "cannot change to the folder ") + workingFolder};
    }
    return {false, InterfaceText("无法启动 ", "cannot start ") + exe};
}

LaunchResult LaunchProgram(std::string_view windowsName, const std::vector<std::string>& args,
                           const std::string& workingFolder) {
    std::vector<std::string> tried;
    for (std::vector<std::string> command : CandidateCommands(windowsName)) {
        if (FindExecutable(command[0]).empty()) {
            tried.push_back(command[0]);
            continue;
        }
        command.insert(command.end(), args.begin(), args.end());
        return StartDetached(command, workingFolder);
    }
    return {false, NothingFound(windowsName, KeyOf(windowsName), tried)};
}

}  // namespace vx
