// What killed writes leave behind: every writer of a whole file removes the
// temporary files of earlier killed writes of the same file when it writes
// it next, keeps the one another process is writing at that moment, and
// leaves the file itself whole.
#include "platform/TemporaryFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/SerialPortLock.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

// A write of the target in a process of its own, stopped halfway: it holds
// its temporary file until it is killed, as a crash would, with nothing
// cleaned up.
class Writer {
  public:
    explicit Writer(const std::string& target) {
        int ready[2];
        if (pipe(ready) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            const TemporaryFile temp(target);
            const std::string path = temp.Ok() ? temp.Path() : std::string();
            if (temp.Ok() && write(temp.Fd(), "half a", 6) != 6) _exit(1);
            if (write(ready[1], path.c_str(), path.size() + 1) < 0) _exit(1);
            for (;;)
                pause();
        }
        close(ready[1]);
        char c = 0;
        while (read(ready[0], &c, 1) == 1 && c != '\0')
            path_ += c;
        close(ready[0]);
    }
    ~Writer() { Kill(); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void Kill() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    const std::string& Path() const { return path_; }

  private:
    pid_t pid_ = -1;
    std::string path_;
};

TEST(TemporaryFile, NamedAfterItsTarget) {
    const struct {
        const char* name;
        bool temporary;
    } cases[] = {
        {"big.PSP.vxtmp-rMinR8", true},
        {"big.PSP.vxtmp-000000", true},
        {"big.PSP", false},
        {"big.PSP.vxtmp-rMinR", false},
        {"big.PSP.vxtmp-rMinR8x", false},
        {"big.PSP.vxtmp-rMin.8", false},
        {"big.PSP.XXXXXX", false},
        {"big.PSP.bak", false},
        {"Big.PSP.vxtmp-rMinR8", false},
        {"other.PSP.vxtmp-rMinR8", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsTemporaryOf(c.name, "big.PSP"), c.temporary) << c.name;
    EXPECT_FALSE(IsTemporaryOf(".vxtmp-rMinR8", ""));
}

// Every writer of temporary files, each in a folder of its own.
TEST(TemporaryFile, TheNextWriteRemovesWhatKilledWritesLeftAndKeepsALiveOne) {
    TempFolder dir;
    const std::string program = dir / "Update";
    WriteTestFile(program, std::string(200000, 'U'));
    const std::string port = dir / "port";  // a file stands in for the device
    WriteTestFile(port, "");
    test::ScopedEnv locks("VXTORVIN_LOCKDIR", (dir / "locks").c_str());
    fs::create_directories(dir / "locks");
    char pid[16];
    std::snprintf(pid, sizeof pid, "%10d\n", static_cast<int>(getpid()));

    const struct {
        const char* writer;
        std::string target;
        // Writes the target and gives what it then holds.
        std::function<std::string(const std::string& target)> write;
        std::string holds;
    } rows[] = {
        {"whole file", dir / "files/big.PSP",
         [](const std::string& target) {
             EXPECT_TRUE(WriteFileAtomically(target, "new project"));
             return ReadTestFile(target);
         },
         "new project"},
        {"profile", dir / "settings/KZ6-Quillary.ini",
         [](const std::string& target) {
             IniFile ini = IniFile::Load(target);
             EXPECT_TRUE(ini.WriteString("configure", "ComPort", "2"));
             EXPECT_TRUE(ini.Save());
             return ReadTestFile(target);
         },
         "[configure]\r\nComPort=2\r\n"},
        {"program copy", dir / "package/Update.exe",
         [&program](const std::string& target) {
             EXPECT_TRUE(CopyFileAtomically(program, target));
             return ReadTestFile(target);
         },
         std::string(200000, 'U')},
        {"serial port lock", SerialLockFile(port),
         [&port](const std::string& target) {
             SerialPortLock lock;
             EXPECT_TRUE(lock.Acquire(port));
             return ReadTestFile(target);
         },
         pid},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.writer);
        const fs::path folder = fs::path(row.target).parent_path();
        fs::create_directories(folder);
        // Files that only look alike: another file's leftover, a backup.
        const std::string others[] = {(folder / "other.PSP.vxtmp-Ab12Cd").string(),
                                      row.target + ".bak", row.target + ".vxtmp-1234567"};
        for (const std::string& other : others)
            WriteTestFile(other, "kept");

        Writer first(row.target), second(row.target), live(row.target);
        first.Kill();
        second.Kill();
        for (const Writer* w : {&first, &second, &live})
            ASSERT_TRUE(fs::exists(w->Path())) << w->Path();
        ASSERT_TRUE(IsTemporaryOf(fs::path(live.Path()).filename().string(),
                                  fs::path(row.target).filename().string()));

        EXPECT_EQ(row.write(row.target), row.holds);
        EXPECT_FALSE(fs::exists(first.Path())) << "a killed write's leftover";
        EXPECT_FALSE(fs::exists(second.Path()));
        EXPECT_TRUE(fs::exists(live.Path())) << "the write under way is kept";
        EXPECT_EQ(ReadTestFile(live.Path()), "half a");
        for (const std::string& other : others)
            EXPECT_EQ(ReadTestFile(other), "kept") << other;

        // Killed in its turn, it goes with the next write.
        live.Kill();
        EXPECT_EQ(row.write(row.target), row.holds);
        EXPECT_FALSE(fs::exists(live.Path()));
    }
}

}  // namespace
}  // namespace vx
