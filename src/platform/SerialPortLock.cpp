#include "platform/SerialPortLock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/TemporaryFile.h"

namespace vx {
namespace {

bool IsFolder(const char* path) {
    struct stat st {};
    return ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

// The process number a lock file names; 0 when it names none.
pid_t LockOwner(const std::string& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    char text[64] = {};
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n <= 0) return 0;
    // The old binary form: the number as a 4-byte integer.
    if (n == 4 && (text[0] < ' ' || text[0] > '9')) {
        int binary = 0;
        std::memcpy(&binary, text, sizeof binary);
        return binary > 0 ? binary : 0;
    }
    char* end = nullptr;
    const long pid = std::strtol(text, &end, 10);
    return end != text && pid > 0 && pid <= INT_MAX ? static_cast<pid_t>(pid) : 0;
}

bool Alive(pid_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

enum class LockFileResult { Taken, Held, Unwritable };

// Writes the lock file through a temporary file beside it and link(), which
// fails when the lock file is there: two programs can never both take it.
LockFileResult TakeLockFile(const std::string& file) {
    for (int round = 0; round < 2; ++round) {
        if (::access(file.c_str(), F_OK) == 0) {
            if (Alive(LockOwner(file))) return LockFileResult::Held;
            ::unlink(file.c_str());  // stale: its process has ended
        }
        const TemporaryFile temp(file);
        if (!temp.Ok()) return LockFileResult::Unwritable;
        char text[16];
        const int length = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(::getpid()));
        const bool written =
            ::fchmod(temp.Fd(), 0644) == 0 && ::write(temp.Fd(), text, length) == length;
        const bool linked = written && ::link(temp.Path().c_str(), file.c_str()) == 0;
        const int error = errno;
        if (linked) return LockFileResult::Taken;
        if (!written || error != EEXIST) return LockFileResult::Unwritable;
    }
    return LockFileResult::Held;
}

}  // namespace

std::string SerialLockFolder() {
    const char* own = std::getenv("VXTORVIN_LOCKDIR");
    if (own && *own) return own;
    return IsFolder("/run/lock") ? "/run/lock" : "/var/lock";
}

std::string SerialLockFile(const std::string& device) {
    std::string path = device;
    if (char* real = ::realpath(device.c_str(), nullptr)) {
        path = real;
        std::free(real);
    }
    if (path.rfind("/dev/", 0) == 0) path.erase(0, 5);
    while (!path.empty() && path.front() == '/')
        path.erase(0, 1);
    for (char& c : path) {
        if (c == '/') c = '_';
    }
    return SerialLockFolder() + "/LCK.." + path;
}

bool SerialPortLock::Acquire(const std::string& device) {
    Release();
    if (device.empty()) return false;
    const std::string file = SerialLockFile(device);
    const LockFileResult taken = TakeLockFile(file);
    if (taken == LockFileResult::Held) return false;
    if (taken == LockFileResult::Taken) lockFile_ = file;
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (fd >= 0) ::close(fd);
        Release();
        return false;
    }
    fd_ = fd;
    return true;
}

void SerialPortLock::Release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!lockFile_.empty() && LockOwner(lockFile_) == ::getpid()) ::unlink(lockFile_.c_str());
    lockFile_.clear();
}

}  // namespace vx
