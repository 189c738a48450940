#include "platform/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Language.h"

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

IoResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0)
        return IoResult::Failure(Describe("无法保存 ", "cannot create a file beside ", path));

    // Keep the permissions an existing file has; a new file gets the usual 0644
    // instead of mkstemp's 0600.
    struct stat old {};
    fchmod(fd, stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);

    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = write(fd, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            IoResult failure = IoResult::Failure(Describe("无法写入 ", "cannot write ", path));
            close(fd);
            unlink(temp.c_str());
            return failure;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    int synced = fsync(fd);
    int closed = close(fd);
    if (synced != 0 || closed != 0) {
        IoResult failure = IoResult::Failure(Describe("无法写入 ", "cannot write ", path));
        unlink(temp.c_str());
        return failure;
    }
    if (rename(temp.c_str(), path.c_str()) != 0) {
        IoResult failure = IoResult::Failure(Describe("无法替换 ", "cannot replace ", path));
        unlink(temp.c_str());
        return failure;
    }
    return {};
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace vx
