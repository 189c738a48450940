#include "platform/FileIo.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "platform/Language.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

// Makes every write beyond `bytes` fail with EFBIG for as long as it lives.
// Unlike a read-only folder this works for root too.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }

  private:
    rlimit previous_{};
    void (*previousSignal_)(int) = nullptr;
};

TEST(AtomicWrite, ReplacesTheFileWhole) {
    TempFolder dir;
    const std::string path = dir / "a.ini";
    WriteTestFile(path, "old contents that are longer");
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(ReadTestFile(path), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1)
        << "no temporary file is left behind";
}

TEST(AtomicWrite, FailedWriteLeavesTheOldFileIntact) {
    TempFolder dir;
    const std::string path = dir / "settings.ini";
    WriteTestFile(path, "[configure]\r\nComPort=2\r\n");
    IoResult result;
    {
        FileSizeLimit limit(16);
        result = WriteFileAtomically(path, std::string(4096, 'x'));
    }
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(path), std::string::npos) << result.error;
    EXPECT_EQ(ReadTestFile(path), "[configure]\r\nComPort=2\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(AtomicWrite, FolderThatCannotHoldFilesIsReportedInTheInterfaceLanguage) {
    TempFolder dir;
    WriteTestFile(dir / "plain", "");
    const std::string path = dir / "plain/inside.ini";
    IoResult result = WriteFileAtomically(path, "x");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "无法保存 " + path + "：路径中有一部分不是文件夹");
    SetInterfaceChinese(false);
    result = WriteFileAtomically(path, "x");
    SetInterfaceChinese(true);
    EXPECT_EQ(result.error, "cannot create a file beside " + path + ": Not a directory");
}

TEST(AtomicWrite, KeepsThePermissionsOfTheOldFile) {
    TempFolder dir;
    const std::string path = dir / "kept";
    WriteTestFile(path, "1");
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, "2"));
    struct stat st {};
    stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(WholeFileRead, MissingFileGivesNothing) {
    TempFolder dir;
    EXPECT_FALSE(ReadWholeFile(dir / "none").has_value());
    EXPECT_FALSE(FileExists(dir / "none"));
    EXPECT_FALSE(FileExists(dir.Path())) << "a folder is not a file";
    WriteTestFile(dir / "bin", std::string("\0\1\2", 3));
    EXPECT_EQ(ReadWholeFile(dir / "bin"), std::string("\0\1\2", 3));
}

}  // namespace
}  // namespace vx
