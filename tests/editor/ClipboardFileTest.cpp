#include "editor/ClipboardFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "RecordBytes.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::RawRecord;
using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

constexpr std::size_t Offset(int column, int row) {
    return (1 + static_cast<std::size_t>(row) * 14 + static_cast<std::size_t>(column)) * 60;
}

// An empty clipboard file as hand-written records, with some cells set.
std::string HandMadeFile(const std::string& mode) {
    std::string bytes = RawRecord(0, mode, "ClipboardFile", 0);
    for (int i = 0; i < 1834; ++i)
        bytes += RawRecord(0, "", "", 0);
    return bytes;
}

void Put(std::string& file, int column, int row, const std::string& record) {
    file.replace(Offset(column, row), 60, record);
}

TEST(ClipboardFileLayout, WriterPutsEveryCellInItsRecord) {
    ClipCells clip;
    clip.Kind(1, 0) = 0x11;
    clip.First(1, 0) = "X0";
    clip.Second(1, 0) = "(X[0])";
    clip.Kind(13, 127) = 0xCD;
    clip.First(13, 127) = "电机";
    clip.SetArea({300, 1, 427, 13});
    clip.SetOpenMode(kProjectHeldMode);
    clip.SetNewMode(kStartNewFileMode);
    clip.SetHandOverName("/home/u/a.PSP");

    std::string expected = HandMadeFile("Copy");
    Put(expected, 1, 0, RawRecord(0x11, "X0", "(X[0])", 0));
    Put(expected, 13, 127, RawRecord(0xCD, "\xB5\xE7\xBB\xFA", "", 0));
    Put(expected, 0, 130, RawRecord(300 % 256, "/home/u/a.PSP", "", 0));
    Put(expected, 1, 130, RawRecord(1, "", "", 0));
    Put(expected, 2, 130, RawRecord(1, "", "", 0));
    Put(expected, 6, 130, RawRecord(427 % 256, "", "", 0));
    Put(expected, 7, 130, RawRecord(1, "", "", 0));
    Put(expected, 8, 130, RawRecord(13, "", "", 0));
    Put(expected, 11, 130, RawRecord(0, "oooooo", "", 0));
    Put(expected, 12, 130, RawRecord(0, "StartNewFile", "", 0));

    const std::string bytes = SerialiseClipboard("Copy", clip);
    ASSERT_EQ(bytes.size(), 1835u * 60u);
    EXPECT_EQ(bytes, expected);
}

TEST(ClipboardFileLayout, ReaderTakesAHandMadeFile) {
    std::string file = HandMadeFile("Open");
    Put(file, 12, 5, RawRecord(0x04, "Y7", "Y[7]", 0));
    Put(file, 0, 130, RawRecord(5, std::string(26, 'a'), "", 0));
    Put(file, 1, 130, RawRecord(0, std::string(26, 'b'), "", 0));
    Put(file, 2, 130, RawRecord(2, "c.PSP", "", 0));
    Put(file, 6, 130, RawRecord(9, "", "", 0));
    Put(file, 8, 130, RawRecord(12, "", "", 0));
    Put(file, 11, 130, RawRecord(0, "OpenFile", "", 0));
    const auto contents = ParseClipboard(file + "partial");
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->mode, "Open");
    EXPECT_EQ(contents->cells.Kind(12, 5), 4);
    EXPECT_EQ(contents->cells.Second(12, 5), "Y[7]");
    EXPECT_EQ(contents->cells.Area(), (CopiedArea{5, 2, 9, 12}));
    EXPECT_EQ(contents->cells.OpenMode(), "OpenFile");
    EXPECT_EQ(contents->cells.HandOverName(),
              std::string(26, 'a') + std::string(26, 'b') + "c.PSP");

    EXPECT_FALSE(ParseClipboard(file.substr(0, 1834 * 60))) << "a file one record short";
    EXPECT_FALSE(ParseClipboard(""));
}

TEST(ClipboardControlRow, AnAreaOutsideTheCopiedRowsIsAnEmptyBuffer) {
    struct Case {
        int top, left, bottom, right;
        bool valid;
    };
    const Case cases[] = {
        {0, 1, 0, 1, true},    {1872, 0, 1999, 13, true},  {0, 1, 128, 13, false},
        {10, 1, 9, 13, false}, {0, 5, 3, 4, false},        {0, 1, 3, 14, false},
        {0, 0, 127, 13, true}, {65000, 1, 65100, 2, true}, {256, 1, 255, 1, false},
    };
    for (const Case& c : cases) {
        ClipCells clip;
        clip.SetArea({c.top, c.left, c.bottom, c.right});
        EXPECT_EQ(clip.Area().has_value(), c.valid)
            << c.top << "," << c.left << " to " << c.bottom << "," << c.right;
    }
}

TEST(ClipboardHandOver, NamesTravelInPiecesOf26GbkBytes) {
    ClipCells clip;
    clip.SetHandOverName("short.PSP");
    EXPECT_EQ(clip.First(0, 130), "short.PSP");
    EXPECT_EQ(clip.First(1, 130), "");
    EXPECT_EQ(clip.First(2, 130), "");

    const std::string sixty = "/home/user/projects/pumping-station/line-3/main-program.PSP";
    ASSERT_EQ(sixty.size(), 59u);
    clip.SetHandOverName(sixty + "x");
    EXPECT_EQ(clip.First(0, 130), sixty.substr(0, 26));
    EXPECT_EQ(clip.First(1, 130), sixty.substr(26, 26));
    EXPECT_EQ(clip.First(2, 130), sixty.substr(52) + "x");
    TempFolder dir;
    const std::string path = dir / "Clipboard.dat";
    ASSERT_TRUE(WriteClipboardFile(path, kOpenMode, clip));
    EXPECT_EQ(ReadClipboardFile(path)->cells.HandOverName(), sixty + "x") << "arrives whole";

    clip.SetHandOverName("27-byte-name-of-a-project.P");
    EXPECT_EQ(clip.First(1, 130), "P");
    EXPECT_EQ(clip.First(2, 130), "");

    // A Chinese character is never split between two pieces.
    const std::string chinese = std::string(25, 'a') + "泵站/文件.PSP";
    clip.SetHandOverName(chinese);
    EXPECT_EQ(clip.First(0, 130), std::string(25, 'a'));
    ASSERT_TRUE(WriteClipboardFile(path, kOpenMode, clip));
    EXPECT_EQ(ReadClipboardFile(path)->cells.HandOverName(), chinese);

    clip.SetHandOverName(std::string(100, 'n'));
    ASSERT_TRUE(WriteClipboardFile(path, kOpenMode, clip));
    EXPECT_EQ(ReadClipboardFile(path)->cells.HandOverName(), std::string(78, 'n'))
        << "a name beyond three pieces arrives cut";
}

TEST(ClipboardStart, AFreshStartWritesTheStartModesAndAHandOverIsPickedUp) {
    TempFolder dir;
    const std::string path = dir / "Clipboard.dat";
    ClipCells clip;
    StartRequest start = LoadClipboardAtStart(path, clip);
    EXPECT_FALSE(start.handedOver);
    const auto written = ReadClipboardFile(path);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->mode, "Create");
    EXPECT_EQ(written->cells.OpenMode(), "StartOpenFile");
    EXPECT_EQ(written->cells.NewMode(), "StartNewFile");

    // Another instance hands a project over.
    ClipCells other;
    other.SetOpenMode(kOpenFileMode);
    other.SetNewMode(kProjectHeldMode);
    other.SetHandOverName("/p/b.PSP");
    ASSERT_TRUE(WriteClipboardFile(path, kOpenMode, other));
    ClipCells mine;
    start = LoadClipboardAtStart(path, mine);
    EXPECT_TRUE(start.handedOver);
    EXPECT_EQ(start.projectName, "/p/b.PSP");
    EXPECT_EQ(mine.OpenMode(), "OpenFile");

    WriteTestFile(path, "broken");
    start = LoadClipboardAtStart(path, mine);
    EXPECT_FALSE(start.handedOver);
    EXPECT_EQ(ReadClipboardFile(path)->mode, "Create") << "an unreadable file is replaced";
}

TEST(ClipboardWatch, ReloadsOnChangeAndKeepsThisInstancesModes) {
    TempFolder dir;
    const std::string path = dir / "Clipboard.dat";
    ClipboardWatch watch(path);
    ClipCells mine;
    mine.SetOpenMode(kProjectHeldMode);
    mine.SetNewMode(kProjectHeldMode);
    EXPECT_FALSE(watch.Poll(mine).reloaded) << "no file yet";

    ClipCells theirs;
    theirs.Kind(3, 0) = 1;
    theirs.First(3, 0) = "X5";
    theirs.SetArea({4, 3, 4, 3});
    theirs.SetOpenMode(kStartOpenFileMode);
    theirs.SetNewMode(kStartNewFileMode);
    ASSERT_TRUE(WriteClipboardFile(path, kCopyMode, theirs));
    ClipboardWatch::Result r = watch.Poll(mine);
    EXPECT_TRUE(r.reloaded);
    EXPECT_TRUE(r.pasteAvailable);
    EXPECT_EQ(mine.First(3, 0), "X5");
    EXPECT_EQ(mine.Area(), (CopiedArea{4, 3, 4, 3}));
    EXPECT_EQ(mine.OpenMode(), "oooooo") << "another instance's modes are not this one's";
    EXPECT_EQ(mine.NewMode(), "oooooo");
    EXPECT_FALSE(watch.Poll(mine).reloaded) << "unchanged since the last look";

    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    theirs.SetArea({0, 1, 200, 13});  // points outside the copied rows
    ASSERT_TRUE(WriteClipboardFile(path, kCopyMode, theirs));
    r = watch.Poll(mine);
    EXPECT_TRUE(r.reloaded);
    EXPECT_FALSE(r.pasteAvailable) << "counts as an empty clipboard";

    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    theirs.SetArea({0, 1, 0, 1});
    ASSERT_TRUE(WriteClipboardFile(path, kOpenMode, theirs));
    r = watch.Poll(mine);
    EXPECT_TRUE(r.reloaded);
    EXPECT_FALSE(r.pasteAvailable) << "only a copy makes paste available";
}

TEST(ClipboardFileWrite, GoesThroughATemporaryFileAndFailsQuietly) {
    TempFolder dir;
    ClipCells clip;
    ASSERT_TRUE(WriteClipboardFile(dir / "Clipboard.dat", kCopyMode, clip));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1u);
    EXPECT_FALSE(WriteClipboardFile(dir / "no/such/Clipboard.dat", kCopyMode, clip).ok);
    EXPECT_EQ(ClipboardFilePath(),
              std::string(std::getenv("VXTORVIN_WINDIR")) + "/system32/Clipboard.dat");
}

}  // namespace
}  // namespace vx
