// The serial ports' lock: its lock file, another window of this program and
// other processes holding the port in either way, stale lock files, and a
// lock folder this program cannot write in.
#include "platform/SerialPortLock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/FileIo.h"
#include "support/PortHolder.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// A pseudo-terminal whose slave side stands in for a serial port.
struct Pty {
    Pty() {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) path = ptsname(master);
    }
    ~Pty() {
        if (master >= 0) ::close(master);
    }
    int master = -1;
    std::string path;
};

// The number of a process that has ended.
pid_t EndedProcess() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

TEST(SerialPortLock, LockFilesFollowTheConvention) {
    test::TempFolder locks;
    test::ScopedEnv env("VXTORVIN_LOCKDIR", locks.Path().c_str());
    EXPECT_EQ(SerialLockFolder(), locks.Path());
    EXPECT_EQ(SerialLockFile("/dev/ttyUSB9"), locks / "LCK..ttyUSB9");
    EXPECT_EQ(SerialLockFile("/dev/nonexistent/tty3"), locks / "LCK..nonexistent_tty3");
    {
        test::ScopedEnv none("VXTORVIN_LOCKDIR", nullptr);
        EXPECT_TRUE(SerialLockFolder() == "/run/lock" || SerialLockFolder() == "/var/lock");
    }

    Pty pty;
    ASSERT_FALSE(pty.path.empty());
    // Another name of the same port shares its lock.
    const std::string alias = locks / "alias";
    fs::create_symlink(pty.path, alias);
    EXPECT_EQ(SerialLockFile(alias), SerialLockFile(pty.path));

    SerialPortLock lock;
    ASSERT_TRUE(lock.Acquire(alias));
    const std::string file = SerialLockFile(pty.path);
    char pid[16];
    std::snprintf(pid, sizeof pid, "%10d\n", static_cast<int>(::getpid()));
    EXPECT_EQ(ReadWholeFile(file).value_or(""), pid) << "ten characters and a line break";
    lock.Release();
    EXPECT_FALSE(fs::exists(file));
}

TEST(SerialPortLock, APortHeldAnywhereElseIsRefused) {
    test::TempFolder locks;
    test::ScopedEnv env("VXTORVIN_LOCKDIR", locks.Path().c_str());
    Pty pty;
    ASSERT_FALSE(pty.path.empty());
    const std::string file = SerialLockFile(pty.path);

    {  // Another window of this program.
        SerialPortLock first;
        SerialPortLock second;
        ASSERT_TRUE(first.Acquire(pty.path));
        EXPECT_FALSE(second.Acquire(pty.path));
        EXPECT_FALSE(second.Held());
        EXPECT_TRUE(fs::exists(file)) << "the refused one leaves the holder's lock file alone";
        first.Release();
        EXPECT_TRUE(second.Acquire(pty.path));
    }
    {  // Another process with flock() alone.
        test::PortHolder holder(pty.path);
        ASSERT_TRUE(holder.Held());
        SerialPortLock lock;
        EXPECT_FALSE(lock.Acquire(pty.path));
        EXPECT_FALSE(fs::exists(file)) << "no lock file is left behind";
    }
    {  // Another process's lock file, living or stale.
        test::PortHolder living(locks / "not-a-device");
        test::WriteTestFile(file, std::to_string(living.Pid()) + "\n");
        SerialPortLock lock;
        EXPECT_FALSE(lock.Acquire(pty.path));
        EXPECT_TRUE(fs::exists(file));
        test::WriteTestFile(file, "     " + std::to_string(EndedProcess()) + "\n");
        EXPECT_TRUE(lock.Acquire(pty.path)) << "a stale lock file is taken over";
        char pid[16];
        std::snprintf(pid, sizeof pid, "%10d\n", static_cast<int>(::getpid()));
        EXPECT_EQ(ReadWholeFile(file).value_or(""), pid);
    }
    {  // A lock folder that cannot be written in: flock() still holds the port.
        test::ScopedEnv none("VXTORVIN_LOCKDIR", (locks / "missing").c_str());
        SerialPortLock first;
        SerialPortLock second;
        ASSERT_TRUE(first.Acquire(pty.path));
        EXPECT_FALSE(second.Acquire(pty.path));
    }
    SerialPortLock missing;
    EXPECT_FALSE(missing.Acquire(locks / "no-such-port"));
    EXPECT_FALSE(fs::exists(SerialLockFile(locks / "no-such-port")));
}

}  // namespace
}  // namespace vx
