// Damaged stored files: the project file, the clipboard file, the language
// file and the device comments. Each is read after random damage (bytes
// changed, length bytes at 0, 26, 27 or 255, records cut, invalid GBK, numbers
// at the edges of int); whatever was read, once saved, reads back as saved.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "editor/ClipboardFile.h"
#include "editor/DeviceComments.h"
#include "editor/LanguageFile.h"
#include "editor/ProjectFile.h"
#include "editor/ProjectRecord.h"
#include "platform/Text.h"
#include "support/FuzzInputs.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

// Texts of up to `longest` characters, Chinese and ASCII mixed, so that a cut
// at 26 GBK bytes often falls inside a two-byte character.
std::string RandomText(std::mt19937& random, std::size_t longest) {
    static constexpr std::array<const char*, 12> kPieces = {"X",  "7",  " ",  "=", "[", ";",
                                                            "中", "电", "机", "€", "·", "D100"};
    std::string text;
    for (std::size_t n = random() % (longest + 1); n > 0; --n)
        text += kPieces[random() % kPieces.size()];
    return text;
}

// A few changes of the kinds damage makes to a file of `unit`-byte records or lines.
std::string Damage(std::string bytes, std::mt19937& random, std::size_t unit) {
    static constexpr unsigned char kBytes[] = {0, 26, 27, 255, 0x80, 0x81, 0xFE, 0xFF, '\r', '\n'};
    for (int changes = 1 + static_cast<int>(random() % 4); changes > 0 && !bytes.empty();
         --changes) {
        const std::size_t at = random() % bytes.size();
        const std::size_t record = at / unit * unit;
        switch (random() % 6) {
            case 0:
                bytes[at] = static_cast<char>(kBytes[random() % sizeof kBytes]);
                break;
            case 1:  // a length byte
                if (record + 28 < bytes.size())
                    bytes[record + (random() % 2 ? 1 : 28)] =
                        static_cast<char>(kBytes[random() % 4]);
                break;
            case 2:  // a value at an edge of int
                if (record + 60 <= bytes.size()) {
                    const auto v = static_cast<std::uint32_t>(test::ExtremeInt(random));
                    for (std::size_t i = 0; i < 4; ++i)
                        bytes[record + 56 + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
                }
                break;
            case 3:  // cut
                bytes.resize(at);
                break;
            case 4:  // a lone GBK lead byte
                bytes[at] = static_cast<char>(0x81 + random() % 0x7E);
                break;
            default:  // a run of one byte put in
                bytes.insert(at, random() % 70, static_cast<char>(random()));
                break;
        }
    }
    return bytes;
}

// A record as a second read gives it: what the first read decoded, written
// again. Texts come back cut at 26 GBK bytes, and a byte GBK could not decode
// comes back as "?".
ProjectRecord RecordRead(ProjectRecord record) {
    for (std::string* text : {&record.text1, &record.text2})
        *text = GbkToUtf8(RecordFieldBytes(*text));
    return record;
}

TEST(StoredFilesFuzz, ProjectFileReadsBackAsSaved) {
    std::mt19937 random(20261210);
    // Records alone: every field of a damaged record, written again, reads back.
    for (int round = 0; round < 300; ++round) {
        std::string record;
        AppendRecord(record, static_cast<std::uint8_t>(random()), RandomText(random, 20),
                     RandomText(random, 20), test::ExtremeInt(random));
        record = Damage(record, random, kRecordSize);
        record.resize(kRecordSize, '\xB0');
        const ProjectRecord read = RecordView(record).Decode();
        std::string again;
        AppendRecord(again, read);
        ASSERT_EQ(RecordView(again).Decode(), RecordRead(read)) << "round " << round;
    }

    // Whole files, each a program with texts cut at 26 GBK bytes.
    LadderProgram sound;
    SetDefaultParameters(sound);
    sound.passwordText = RandomText(random, 20);
    for (std::string& name : sound.subroutineNames)
        name = RandomText(random, 20);
    for (int i = 0; i < 150; ++i) {
        const int column = 1 + static_cast<int>(random() % 12);
        const int row = static_cast<int>(random() % 40);
        sound.cells.Kind(column, row) = static_cast<std::uint8_t>(1 + random() % 255);
        sound.cells.First(column, row) = RandomText(random, 20);
        sound.cells.Second(column, row) = RandomText(random, 20);
    }
    const std::string saved = SerialiseProject(sound);
    LadderProgram read;
    ASSERT_EQ(ParseProject(saved, read), ProjectReadResult::Ok);
    for (int row = 0; row < 40; ++row) {
        for (int column = 1; column < 13; ++column) {
            ASSERT_EQ(read.cells.First(column, row),
                      CutToGbkBytes(sound.cells.First(column, row), kRecordTextBytes));
        }
    }
    EXPECT_EQ(read.subroutineNames[3], CutToGbkBytes(sound.subroutineNames[3], kRecordTextBytes));

    LadderProgram again;
    for (int round = 0; round < 8; ++round) {
        if (ParseProject(Damage(saved, random, kRecordSize), read) != ProjectReadResult::Ok)
            continue;
        const std::string once = SerialiseProject(read);
        ASSERT_EQ(ParseProject(once, again), ProjectReadResult::Ok);
        ASSERT_EQ(SerialiseProject(again), once) << "round " << round;
    }
}

TEST(StoredFilesFuzz, ClipboardFileReadsBackAsSaved) {
    std::mt19937 random(1835);
    ClipCells clip;
    for (int i = 0; i < 150; ++i) {
        const int column = static_cast<int>(random() % kColumns);
        const int row = static_cast<int>(random() % kClipRows);
        clip.Kind(column, row) = static_cast<std::uint8_t>(random());
        clip.First(column, row) = RandomText(random, 20);
    }
    const std::string saved = SerialiseClipboard(kCopyMode, clip);
    for (int round = 0; round < 60; ++round) {
        const std::optional<ClipboardContents> damaged =
            ParseClipboard(Damage(saved, random, kRecordSize));
        if (!damaged) continue;
        if (const std::optional<CopiedArea> area = damaged->cells.Area()) {
            ASSERT_TRUE(area->Rows() >= 1 && area->Rows() <= kClipCopyRows && area->left >= 0 &&
                        area->left <= area->right && area->right < kColumns);
        }
        const std::string once = SerialiseClipboard(damaged->mode, damaged->cells);
        const std::optional<ClipboardContents> again = ParseClipboard(once);
        ASSERT_TRUE(again);
        ASSERT_EQ(SerialiseClipboard(again->mode, again->cells), once) << "round " << round;
    }
}

TEST(StoredFilesFuzz, LanguageFileReadsBackAsSaved) {
    std::mt19937 random(936);
    std::vector<LanguageEntry> sound;
    for (int i = 0; i < 20; ++i) {
        sound.push_back(
            {"TMainFrm.QLabel(" + std::to_string(i) + ").Caption", RandomText(random, 12)});
    }
    sound.push_back({"TMainFrm.ListBox1.Items.Text", JoinListLines({"一", "two", ""})});
    const std::string saved = FormatLanguageText(sound);
    EXPECT_EQ(ParseLanguageText(saved), sound);
    for (int round = 0; round < 300; ++round) {
        const std::vector<LanguageEntry> damaged = ParseLanguageText(Damage(saved, random, 40));
        for (const LanguageEntry& e : damaged) {
            SplitEntryName(e.name);
            SplitListValue(e.value);
        }
        const std::string once = FormatLanguageText(damaged);
        ASSERT_EQ(FormatLanguageText(ParseLanguageText(once)), once) << "round " << round;
    }
}

TEST(StoredFilesFuzz, DeviceCommentsReadBackAsSaved) {
    std::mt19937 random(10000);
    test::TempFolder dir;
    const std::string path = dir / "p.Rcm";
    DeviceComments sound;
    for (int i = 0; i < 40; ++i) {
        const DeviceKind kind = kCommentTableKinds[random() % kCommentTableKinds.size()];
        sound.SetComment(kind, static_cast<int>(random() % 256), RandomText(random, 12));
    }
    ASSERT_TRUE(SaveRcmFile(path, sound));
    const std::string saved = test::ReadTestFile(path);
    for (int round = 0; round < 3; ++round) {
        test::WriteTestFile(path, Damage(saved, random, 20));
        DeviceComments damaged;
        ASSERT_TRUE(OpenRcmFile(path, damaged));
        ASSERT_TRUE(SaveRcmFile(path, damaged));
        const std::string once = test::ReadTestFile(path);
        DeviceComments again;
        ASSERT_TRUE(OpenRcmFile(path, again));
        ASSERT_TRUE(SaveRcmFile(path, again));
        ASSERT_EQ(test::ReadTestFile(path), once) << "round " << round;
    }
}

}  // namespace
}  // namespace vx
