#include "editor/ClipboardFile.h"

#include <gtest/gtest.h>

#include <thread>

#include "RecordBytes.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::RawRecord;
using test::TempFolder;
using test::WriteTestFile;

// An empty clipboard file of hand-written records.
std::string HandMadeFile(const std::string& mode) {
    return RawRecord(0, mode, "ClipboardFile", 0) + std::string(1834 * 60, '\0');
}

void Put(std::string& file, int column, int row, const std::string& record) {
    file.replace((1 + static_cast<std::size_t>(row) * 14 + static_cast<std::size_t>(column)) * 60,
                 60, record);
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
    EXPECT_EQ(SerialiseClipboard("Copy", clip), expected);
}

TEST(ClipboardFileLayout, ReaderTakesAHandMadeFileAndRefusesAShortOne) {
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
}

TEST(ClipboardControlRow, AnAreaOutsideTheCopiedRowsIsAnEmptyBuffer) {
    const struct {
        int top, left, bottom, right;
        bool valid;
    } cases[] = {{1872, 0, 1999, 13, true}, {65000, 1, 65100, 2, true}, {0, 1, 128, 13, false},
                 {10, 1, 9, 13, false},     {0, 5, 3, 4, false},        {0, 1, 3, 14, false}};
    for (const auto& c : cases) {
        ClipCells clip;
        clip.SetArea({c.top, c.left, c.bottom, c.right});
        EXPECT_EQ(clip.Area().has_value(), c.valid) << c.top << "," << c.left;
    }
}

TEST(ClipboardHandOver, NamesTravelInPiecesOf26GbkBytesAndArriveWhole) {
    TempFolder dir;
    const std::string path = dir / "Clipboard.dat";
    ClipCells clip;
    auto arrives = [&](const std::string& name) {
        clip.SetHandOverName(name);
        EXPECT_TRUE(WriteClipboardFile(path, kOpenMode, clip));
        return ReadClipboardFile(path)->cells.HandOverName();
    };
    EXPECT_EQ(arrives("short.PSP"), "short.PSP");
    EXPECT_EQ(clip.First(1, 130), "");
    const std::string sixty = "/home/user/projects/pumping-station/line-3/main-program.PSPx";
    EXPECT_EQ(arrives(sixty), sixty);
    EXPECT_EQ(clip.First(1, 130), sixty.substr(26, 26));
    // A Chinese character is never split between two pieces.
    const std::string chinese = std::string(25, 'a') + "泵站/文件.PSP";
    EXPECT_EQ(arrives(chinese), chinese);
    EXPECT_EQ(clip.First(0, 130), std::string(25, 'a'));
    EXPECT_EQ(arrives(std::string(100, 'n')), std::string(78, 'n')) << "longer names arrive cut";
}

TEST(ClipboardHandOver, ARequestGoesToTheNewInstanceWhileThisOneKeepsItsProject) {
    TempFolder dir;
    const std::string path = dir / "Clipboard.dat";
    ClipCells fresh;
    EXPECT_FALSE(LoadClipboardAtStart(path, fresh).handedOver);
    EXPECT_EQ(ReadClipboardFile(path)->mode, "Create");
    EXPECT_EQ(ReadClipboardFile(path)->cells.OpenMode(), "StartOpenFile");
    EXPECT_EQ(ReadClipboardFile(path)->cells.NewMode(), "StartNewFile");

    ClipCells holder;
    holder.SetOpenMode(kProjectHeldMode);
    holder.SetNewMode(kProjectHeldMode);
    ASSERT_TRUE(WriteOpenRequest(path, holder, "/p/other.PSP"));
    EXPECT_EQ(holder.OpenMode(), "oooooo") << "the next Open here is handed over again";
    ClipCells started;
    const StartRequest start = LoadClipboardAtStart(path, started);
    EXPECT_TRUE(start.handedOver);
    EXPECT_EQ(start.projectName, "/p/other.PSP");
    EXPECT_EQ(started.OpenMode(), "OpenFile");

    ASSERT_TRUE(WriteNewRequest(path, holder));
    EXPECT_EQ(holder.NewMode(), "oooooo");
    ClipCells second;
    EXPECT_TRUE(LoadClipboardAtStart(path, second).handedOver);
    EXPECT_EQ(second.NewMode(), "NewFile");

    WriteTestFile(path, "broken");
    EXPECT_FALSE(LoadClipboardAtStart(path, second).handedOver);
    EXPECT_EQ(ReadClipboardFile(path)->mode, "Create") << "an unreadable file is replaced";
}

TEST(ClipboardWatch, ReloadsOnChangeAndKeepsThisInstancesModes) {
    TempFolder dir;
    const std::string path = dir / "Clipboard.dat";
    ClipboardWatch watch(path);
    ClipCells mine;
    mine.SetOpenMode(kProjectHeldMode);
    EXPECT_FALSE(watch.Poll(mine).reloaded) << "no file yet";

    ClipCells theirs;
    theirs.First(3, 0) = "X5";
    theirs.SetArea({4, 3, 4, 3});
    theirs.SetOpenMode(kStartOpenFileMode);
    ASSERT_TRUE(WriteClipboardFile(path, kCopyMode, theirs));
    ClipboardWatch::Result r = watch.Poll(mine);
    EXPECT_TRUE(r.reloaded && r.pasteAvailable);
    EXPECT_EQ(mine.First(3, 0), "X5");
    EXPECT_EQ(mine.OpenMode(), "oooooo") << "another instance's modes are not this one's";
    EXPECT_FALSE(watch.Poll(mine).reloaded) << "unchanged since the last look";

    const struct {
        CopiedArea area;
        const char* mode;
    } unpasteable[] = {{{0, 1, 200, 13}, kCopyMode}, {{0, 1, 0, 1}, kOpenMode}};
    for (const auto& u : unpasteable) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        theirs.SetArea(u.area);
        ASSERT_TRUE(WriteClipboardFile(path, u.mode, theirs));
        r = watch.Poll(mine);
        EXPECT_TRUE(r.reloaded);
        EXPECT_FALSE(r.pasteAvailable) << u.mode;
    }
}

}  // namespace
}  // namespace vx
