#include "platform/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Language.h"
#include "platform/TemporaryFile.h"

namespace vx {
namespace {

// Why a file operation failed, in the interface language (the system's own
// words for the rarer reasons).
std::string Reason(int error) {
    if (InterfaceChinese()) {
        switch (error) {
            case EACCES:
            case EPERM:
                return "没有权限";
            case ENOENT:
                return "文件夹不存在";
            case ENOTDIR:
                return "路径中有一部分不是文件夹";
            case EISDIR:
                return "这是一个文件夹";
            case ENOSPC:
            case EDQUOT:
                return "磁盘空间不足";
            case EROFS:
                return "只读的文件系统";
            case ENAMETOOLONG:
                return "文件名太长";
            case EIO:
                return "读写错误";
            default:
                break;
        }
    }
    return std::strerror(error);
}

std::string Describe(const char* chinese, const char* english, const std::string& path) {
    const int error = errno;
    if (InterfaceChinese()) return chinese + path + "：" + Reason(error);
    return english + path + ": " + Reason(error);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return bytes;
}

namespace {

// Writes all the bytes to the descriptor; false, with errno set, when it fails.
bool WriteAll(int fd, const char* data, std::size_t left) {
    while (left > 0) {
        const ssize_t n = write(fd, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// The temporary file's bytes to disk and into the target's place.
IoResult PutInPlace(TemporaryFile& temp, const std::string& path) {
    if (fsync(temp.Fd()) != 0)
        return IoResult::Failure(Describe("无法写入 ", "cannot write ", path));
    if (!temp.RenameOverTarget())
        return IoResult::Failure(Describe("无法替换 ", "cannot replace ", path));
    return {};
}

}  // namespace

IoResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
    TemporaryFile temp(path);
    if (!temp.Ok()) {
        errno = temp.Error();
        return IoResult::Failure(Describe("无法保存 ", "cannot create a file beside ", path));
    }
    // Keep the permissions an existing file has; a new file gets the usual 0644
    // instead of mkstemp's 0600.
    struct stat old {};
    fchmod(temp.Fd(), stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    if (!WriteAll(temp.Fd(), bytes.data(), bytes.size()))
        return IoResult::Failure(Describe("无法写入 ", "cannot write ", path));
    return PutInPlace(temp, path);
}

IoResult CopyFileAtomically(const std::string& from, const std::string& to) {
    const int source = open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) return IoResult::Failure(Describe("无法读取 ", "cannot read ", from));
    struct stat st {};
    if (fstat(source, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (st.st_mode != 0) errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        IoResult failure = IoResult::Failure(Describe("无法读取 ", "cannot read ", from));
        close(source);
        return failure;
    }
    TemporaryFile temp(to);
    if (!temp.Ok()) {
        close(source);
        errno = temp.Error();
        return IoResult::Failure(Describe("无法保存 ", "cannot create a file beside ", to));
    }
    fchmod(temp.Fd(), st.st_mode & 07777);
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(source, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            IoResult failure = IoResult::Failure(Describe("无法读取 ", "cannot read ", from));
            close(source);
            return failure;
        }
        if (n == 0) break;
        if (!WriteAll(temp.Fd(), buffer, static_cast<std::size_t>(n))) {
            IoResult failure = IoResult::Failure(Describe("无法写入 ", "cannot write ", to));
            close(source);
            return failure;
        }
    }
    close(source);
    return PutInPlace(temp, to);
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace vx
