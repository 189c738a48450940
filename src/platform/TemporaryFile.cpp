#include "platform/TemporaryFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace vx {
namespace {

constexpr std::string_view kMark = ".vxtmp-";
constexpr std::size_t kUniqueLength = 6;  // the characters mkstemp fills in

enum class LockResult { Taken, Held, Unsupported };

// A lock of the whole file on the descriptor's open description: F_WRLCK
// for the writer, F_RDLCK for a look at a leftover.
LockResult LockWhole(int fd, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    if (fcntl(fd, F_OFD_SETLK, &lock) == 0) return LockResult::Taken;
    if (errno == EAGAIN || errno == EACCES) return LockResult::Held;
    return LockResult::Unsupported;
}

void SplitPath(const std::string& path, std::string& folder, std::string& name) {
    const std::size_t slash = path.rfind('/');
    folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    name = slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool IsUniqueCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

bool IsTemporaryOf(const std::string& name, const std::string& targetName) {
    if (targetName.empty() || name.size() != targetName.size() + kMark.size() + kUniqueLength ||
        name.compare(0, targetName.size(), targetName) != 0 ||
        name.compare(targetName.size(), kMark.size(), kMark) != 0) {
        return false;
    }
    for (std::size_t i = targetName.size() + kMark.size(); i < name.size(); ++i) {
        if (!IsUniqueCharacter(name[i])) return false;
    }
    return true;
}

int RemoveLeftoverTemporaries(const std::string& target) {
    std::string folder, targetName;
    SplitPath(target, folder, targetName);
    std::vector<std::string> found;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (IsTemporaryOf(entry->d_name, targetName)) found.emplace_back(entry->d_name);
        }
        closedir(dir);
    }
    int removed = 0;
    for (const std::string& name : found) {
        const std::string path = folder + "/" + name;
        const int fd =
            open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) continue;
        struct stat opened {};
        // Unlocked, it is a leftover: its writer has ended. The name is
        // checked to be the file that was looked at before it goes, since
        // a writer that ended just now may have renamed it into place.
        struct stat named {};
        if (fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
            LockWhole(fd, F_RDLCK) == LockResult::Taken && lstat(path.c_str(), &named) == 0 &&
            SameFile(opened, named) && unlink(path.c_str()) == 0) {
            ++removed;
        }
        close(fd);
    }
    return removed;
}

TemporaryFile::TemporaryFile(const std::string& target) : target_(target) {
    RemoveLeftoverTemporaries(target);
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string path = target + std::string(kMark) + std::string(kUniqueLength, 'X');
        const int fd = mkostemp(path.data(), O_CLOEXEC);
        if (fd < 0) {
            error_ = errno;
            return;
        }
        // Another write of the target may have looked at the new file before
        // it was locked, taken it for a leftover and removed it: then it is
        // made again.
        const LockResult locked = LockWhole(fd, F_WRLCK);
        struct stat st {};
        if (locked != LockResult::Held && fstat(fd, &st) == 0 && st.st_nlink > 0) {
            fd_ = fd;
            path_ = std::move(path);
            return;
        }
        close(fd);
        if (locked == LockResult::Held) unlink(path.c_str());
    }
    error_ = EAGAIN;
}

TemporaryFile::~TemporaryFile() {
    if (fd_ < 0) return;
    if (!placed_) unlink(path_.c_str());
    close(fd_);
}

bool TemporaryFile::RenameOverTarget() {
    if (fd_ < 0) {
        errno = error_;
        return false;
    }
    if (rename(path_.c_str(), target_.c_str()) != 0) return false;
    placed_ = true;
    return true;
}

}  // namespace vx
