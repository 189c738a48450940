// The road from the tool to a controller through the real updater program:
// F12 makes a customer update package, and the "Update.exe" in it, started by
// its own path, writes the package's image into the simulated boot loader;
// the firmware-update item hands over to "Update" beside the tool, which
// writes its built-in image of the chosen family. The updater runs as its own
// process on a virtual display (Xvfb) and is driven by keys (xdotool), as a
// user drives it; the boot loader runs in this test on a pseudo-terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "bootsim/PtyChip.h"
#include "editor/qt/Main.h"
#include "platform/Launcher.h"
#include "platform/Registry.h"
#include "platform/SystemFolders.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/ScopedEnv.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"

extern char** environ;

namespace vx {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using test::ReadTestFile;
using test::ScopedEnv;
using test::TempFolder;
using test::WriteTestFile;

// Waits for the condition, checking every 50 ms, at most for the bound.
template <class Condition>
bool WaitFor(Condition condition, int ms = test::kStateWaitMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    while (!condition()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// Runs a command and returns what it printed.
std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

// Starts a program as a child of this test with variables added to its
// environment; 0 when it cannot start.
pid_t Spawn(const std::vector<std::string>& command, const std::vector<std::string>& extra,
            const std::string& folder = {}) {
    std::vector<char*> argv;
    for (const std::string& a : command)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> variables(extra);
    for (char** e = environ; *e != nullptr; ++e) {
        // A variable given anew replaces the inherited one.
        const std::string_view inherited(*e);
        const std::string_view name = inherited.substr(0, inherited.find('=') + 1);
        bool replaced = false;
        for (const std::string& added : extra)
            replaced |= added.starts_with(name);
        if (!replaced) variables.emplace_back(inherited);
    }
    std::vector<char*> envp;
    for (const std::string& v : variables)
        envp.push_back(const_cast<char*>(v.c_str()));
    envp.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(126);
        execve(command[0].c_str(), argv.data(), envp.data());
        _exit(127);
    }
    return child < 0 ? 0 : child;
}

// A virtual display of our own, for the updater's window.
class VirtualDisplay {
  public:
    VirtualDisplay() {
        const std::string xvfb = FindExecutable("Xvfb");
        if (xvfb.empty() || FindExecutable("xdotool").empty()) return;
        // The server picks a free display itself and names it on the pipe, so
        // tests that run at the same time never share one.
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) return;
        const std::string fd = std::to_string(pipeEnds[1]);
        const char* argv[] = {xvfb.c_str(),  "-displayfd", fd.c_str(), "-screen", "0",
                              "1280x900x24", "-nolisten",  "tcp",      nullptr};
        server_ = fork();
        if (server_ == 0) {
            close(pipeEnds[0]);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            execv(argv[0], const_cast<char* const*>(argv));
            _exit(127);
        }
        close(pipeEnds[1]);
        std::string number;
        const auto deadline = Clock::now() + std::chrono::milliseconds(test::kStateWaitMs);
        while (server_ > 0 && number.find('\n') == std::string::npos && Clock::now() < deadline) {
            pollfd p{pipeEnds[0], POLLIN, 0};
            if (poll(&p, 1, 100) <= 0) continue;
            char buffer[16];
            const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
            if (n <= 0) break;
            number.append(buffer, static_cast<std::size_t>(n));
        }
        close(pipeEnds[0]);
        if (number.find('\n') == std::string::npos) return;
        name_ = ":" + number.substr(0, number.find('\n'));
        ready_ = WaitFor([this] {
            return !Output("DISPLAY=" + name_ + " xdotool getdisplaygeometry 2>/dev/null").empty();
        });
    }
    ~VirtualDisplay() {
        if (server_ > 0) {
            kill(server_, SIGTERM);
            waitpid(server_, nullptr, 0);
        }
    }
    bool Ready() const { return ready_; }
    // The variables a program needs to show its window here.
    std::vector<std::string> Environment() const {
        return {"DISPLAY=" + name_, "QT_QPA_PLATFORM=xcb"};
    }
    // The window whose title holds the text, once it is there; empty when none came.
    std::string Window(const std::string& title) const {
        std::string id;
        WaitFor([&] {
            id = Output("DISPLAY=" + name_ + " xdotool search --name '" + title + "' 2>/dev/null");
            return !id.empty();
        });
        return id.substr(0, id.find('\n'));
    }
    // Focuses the window and types the keys, as a user would.
    void Keys(const std::string& window, const std::string& keys) const {
        const std::string xdotool = "DISPLAY=" + name_ + " xdotool ";
        Output(xdotool + "windowfocus --sync " + window + " 2>/dev/null");
        Output(xdotool + "key --delay 100 " + keys + " 2>/dev/null");
    }

  private:
    std::string name_;
    pid_t server_ = 0;
    bool ready_ = false;
};

// The boot loader on a pseudo-terminal as COM1; each open of the port starts
// it afresh, as a board whose adapter resets it on open.
struct Board {
    Board() : chip(bootsim::ChipProfile::F10x()) {
        chip.With([](bootsim::BootChip& c) { c.StartProgram(); });
    }
    std::string Flash(std::size_t n) {
        return chip.With([n](bootsim::BootChip& c) {
            return std::string(c.Flash().begin(), c.Flash().begin() + static_cast<long>(n));
        });
    }
    // The updater has written the image and let the port go.
    bool Holds(const std::string& image) {
        return WaitFor([&] { return Flash(image.size()) == image && !chip.HostIsOpen(); },
                       2 * test::kStateWaitMs);
    }

    bootsim::PtyChip chip;
    ScopedEnv com1{"VXTORVIN_COM1", chip.DevicePath().c_str()};
};

bool Gone(pid_t pid) {
    return kill(pid, 0) != 0;
}

class UpdateRoadTest : public testing::Test {
  protected:
    void SetUp() override {
        test::ResetEditorRunState();
        std::error_code ec;
        fs::remove_all(JoinPath(WindowsDirectory(), "registry.ini"), ec);
        if (!display_.Ready()) GTEST_SKIP() << "Xvfb or xdotool missing";
        ASSERT_TRUE(board_.chip.Ok());
    }

    // A shown main window with a new project saved as "Demo.PSP".
    std::unique_ptr<TMainFrm> WithProject() {
        auto frm = test::StartedMainWindow();
        frm->FileNewItemClick();
        frm->Dialogs().saveFile = [this](const std::string&) {
            return std::optional<std::string>(work_ / "Demo");
        };
        frm->FileSaveItemClick();
        return frm;
    }

    VirtualDisplay display_;
    Board board_;
    test::MessageRecorder messages_;
    TempFolder work_;
};

TEST_F(UpdateRoadTest, UpdaterOfACustomerPackageWritesThePackagesImage) {
    auto frm = WithProject();
    fs::copy_file(VX_UPDATE_PROGRAM, JoinPath(ProgramFolder(), "Update"),
                  fs::copy_options::overwrite_existing);
    std::string image;
    for (int i = 0; i < 6000; ++i)
        image += static_cast<char>((i * 31 + 7) & 0xFF);
    WriteTestFile(JoinPath(WindowsDirectory(), "Torvin.pin"), image);
    // Not the package's: an updater that looked here would send it.
    WriteTestFile(JoinPath(ProgramFolder(), "Update.Da2"), "the program folder's");
    ScopedEnv explorer("VXTORVIN_LAUNCH_EXPLORER", "/bin/true");
    frm->Dialogs().packageFolder = [this](const std::string&) {
        return std::optional<std::string>(work_ / "package");
    };
    frm->N44Click();
    ASSERT_EQ(messages_.Count(), 0u) << messages_.Last().text;
    ASSERT_TRUE(ReadTestFile(work_ / "package/Update.Da2") == image);

    // The customer starts the package's updater by its path from elsewhere.
    TempFolder elsewhere;
    const pid_t update =
        Spawn({work_ / "package/Update.exe"}, display_.Environment(), elsewhere.Path());
    ASSERT_GT(update, 0);
    const std::string window = display_.Window("下载");
    EXPECT_FALSE(window.empty()) << "the updater shows its file-mode window";
    display_.Keys(window, "Tab space");  // from the port list to the download button
    EXPECT_TRUE(board_.Holds(image)) << "the package's image is in the flash";
    const bool ended = WaitFor([&] { return waitpid(update, nullptr, WNOHANG) == update; });
    EXPECT_TRUE(ended) << "the updater ends itself after the transfer";
    if (!ended) {
        kill(update, SIGKILL);
        waitpid(update, nullptr, 0);
    }
    fs::remove(JoinPath(ProgramFolder(), "Update.Da2"));
    fs::remove(JoinPath(ProgramFolder(), "Update"));
}

#if VX_HAVE_FIRMWARE
TEST_F(UpdateRoadTest, FirmwareUpdateItemStartsTheUpdaterWhichWritesTheChosenBuiltInImage) {
    auto frm = WithProject();
    // "Update" beside the tool: notes the registry and its process number,
    // then becomes the real updater on the virtual display.
    const std::string record = work_ / "started";
    const std::string updater = JoinPath(ProgramFolder(), "Update");
    std::string script = "#!/bin/sh\ncp \"" + JoinPath(WindowsDirectory(), "registry.ini") +
                         "\" \"" + record + ".ini\"\necho $$ > \"" + record + ".pid\"\nexport";
    for (const std::string& variable : display_.Environment())
        script += " " + variable;
    script += std::string("\nexec \"") + VX_UPDATE_PROGRAM + "\"\n";
    WriteTestFile(updater, script);
    chmod(updater.c_str(), 0755);
    ScopedEnv configured("VXTORVIN_LAUNCH_UPDATE", nullptr);

    frm->Item("FirmwareUpdateItem")->trigger();
    EXPECT_EQ(messages_.Count(), 0u) << messages_.Last().text;
    ASSERT_TRUE(WaitFor([&] { return fs::exists(record + ".pid"); })) << "Update started";
    const pid_t update = std::stoi(ReadTestFile(record + ".pid"));
    Registry atStart(RootKey::LocalMachine, record + ".ini");
    ASSERT_EQ(atStart.OpenKey("Software\\vxTorvin", false), RegOutcome::Ok);
    EXPECT_EQ(atStart.ReadInteger("Flag"), 1);

    const std::string window = display_.Window("固件升级");
    EXPECT_FALSE(window.empty()) << "the updater shows its resource-mode window";
    // The model list from its second row to the first, then the download button.
    display_.Keys(window, "Tab Up Tab space");
    const std::string image = ReadTestFile(std::string(VX_FIRMWARE_DIR) + "/SRC1");
    EXPECT_TRUE(board_.Holds(image)) << "the standard family's built-in image is in the flash";
    EXPECT_TRUE(WaitFor([&] { return Gone(update); }))
        << "the updater ends itself after the transfer";
    Registry after(RootKey::LocalMachine);
    ASSERT_EQ(after.OpenKey("Software\\vxTorvin", false), RegOutcome::Ok);
    EXPECT_EQ(after.ReadInteger("Flag"), 0) << "the updater took the hand-off";
    if (!Gone(update)) kill(update, SIGKILL);
    fs::remove(updater);
}
#endif

}  // namespace
}  // namespace vx
