#include "editor/LanguageFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "editor/LanguageText.h"
#include "platform/Text.h"
#include "support/LanguageEntryPrinter.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

TEST(LanguageText, MarkersAreFoundWithoutRegardToCase) {
    EXPECT_EQ(TextBefore("MainFrm.Caption=Titel", "="), "MainFrm.Caption");
    EXPECT_EQ(TextBefore("Label1.CAPTION", ".caption"), "Label1");
    EXPECT_EQ(TextBefore("no marker here", "="), "");
    EXPECT_EQ(TextBefore("=starts with it", "="), "");
    EXPECT_EQ(TextBetween("QLabel(12).Caption", "(", ")"), "12");
    EXPECT_EQ(TextBetween("Items[3].Items[4]", "[", "]"), "3") << "the first pair";
    EXPECT_EQ(TextBetween("aXbxc", "x", "X"), "b") << "close is searched after open";
    EXPECT_EQ(TextBetween("Items[3", "[", "]"), "");
    EXPECT_EQ(TextBetween("Items3]", "[", "]"), "");
}

TEST(LanguageText, SplitKeepsTheLastPieceAndEveryEmptyOne) {
    EXPECT_EQ(SplitToStringList("a\\nb\\n", "\\n"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(SplitToStringList("", "\\n"), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitToStringList("a..b", "."), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitToStringList("C:\\N", "\\n"), (std::vector<std::string>{"C:\\N"}))
        << "the separator is matched exactly";
}

TEST(LanguageFile, NamesSplitIntoComponentsIndexesAndItems) {
    const std::vector<NamePart> parts =
        SplitEntryName("MainFrm.QLabel(3).FxMainMenu1.Items[12].Caption");
    ASSERT_EQ(parts.size(), 5u);
    EXPECT_EQ(parts[0].kind, NamePart::Kind::Name);
    EXPECT_EQ(parts[0].name, "MainFrm");
    EXPECT_EQ(parts[1].kind, NamePart::Kind::Owned);
    EXPECT_EQ(parts[1].name, "QLabel");
    EXPECT_EQ(parts[1].index, 3);
    EXPECT_EQ(parts[3].kind, NamePart::Kind::Item);
    EXPECT_EQ(parts[3].name, "Items");
    EXPECT_EQ(parts[3].index, 12);
    EXPECT_EQ(parts[4].name, "Caption");
    // Brackets that hold no number are plain names, which name nothing.
    for (const char* odd : {"QLabel(x)", "QLabel()", "(3)", "Items[-1]", "Items[3"}) {
        const std::vector<NamePart> one = SplitEntryName(odd);
        ASSERT_EQ(one.size(), 1u);
        EXPECT_EQ(one[0].kind, NamePart::Kind::Name) << odd;
    }
}

TEST(LanguageFile, AListValueEndsEveryLineWithTheMark) {
    EXPECT_EQ(JoinListLines({"first", "second"}), "first\\nsecond\\n");
    EXPECT_EQ(SplitListValue("first\\nsecond\\n"), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(SplitListValue("\\nV\\nZ\\n"), (std::vector<std::string>{"", "V", "Z"}));
    EXPECT_TRUE(SplitListValue("").empty());
    EXPECT_EQ(SplitListValue("no mark"), std::vector<std::string>{})
        << "the piece after the last mark is never a line";
}

TEST(LanguageFile, TextIsGbkWithCrLfAndReadsBackTheSame) {
    const std::vector<LanguageEntry> entries = {
        {"ForLookup.Caption", "元件名查找"},
        {"ForLookup.Label1.Caption", "a=b"},  // only the first "=" ends the name
        {"OUTF.ComboBox1.Items.Text", "输出\\n其它\\n"},
    };
    const std::string text = FormatLanguageText(entries);
    EXPECT_EQ(text, Utf8ToGbk("ForLookup.Caption=元件名查找\r\nForLookup.Label1.Caption=a=b\r\n"
                              "OUTF.ComboBox1.Items.Text=输出\\n其它\\n\r\n"));
    EXPECT_EQ(ParseLanguageText(text), entries);
}

TEST(LanguageFile, BlankLinesAndLinesWithoutEqualsAreNoEntries) {
    const std::string text = "  \r\nA.Caption=x\n\ngarbage\r\nB.Hint=\r\n\t\r\n";
    EXPECT_EQ(ParseLanguageText(text),
              (std::vector<LanguageEntry>{{"A.Caption", "x"}, {"B.Hint", ""}}));
}

TEST(LanguageFile, ALeadByteAtALineEndLosesNoEntry) {
    for (const std::string end : {"\n", "\r\n"}) {
        const std::vector<LanguageEntry> entries =
            ParseLanguageText("A.Caption=\xCE\xC4\xD6" + end + "B.Caption=x" + end);
        EXPECT_EQ(entries, (std::vector<LanguageEntry>{{"A.Caption", "文\xEF\xBF\xBD"},
                                                       {"B.Caption", "x"}}));
    }
}

TEST(LanguageFile, AMissingOrUnreadableFileSaysSoAndHasNoEntries) {
    TempFolder dir;
    LanguageFileRead read = ReadLanguageFile(dir / "kzeng.ini");
    EXPECT_EQ(read.status, LanguageFileStatus::Missing);
    EXPECT_TRUE(read.entries.empty());

    std::filesystem::create_directory(dir / "kzchs.ini");  // there, but no file to read
    read = ReadLanguageFile(dir / "kzchs.ini");
    EXPECT_EQ(read.status, LanguageFileStatus::Unreadable);
    EXPECT_TRUE(read.entries.empty());

    WriteTestFile(dir / "good.ini", Utf8ToGbk("MainFrm.N2.Caption=到顶(&T)\r\n"));
    read = ReadLanguageFile(dir / "good.ini");
    EXPECT_EQ(read.status, LanguageFileStatus::Ok);
    EXPECT_EQ(read.entries, (std::vector<LanguageEntry>{{"MainFrm.N2.Caption", "到顶(&T)"}}));
}

TEST(LanguageFile, WritingReplacesTheFileWholeAndAnEmptyListWritesNothing) {
    TempFolder dir;
    const std::string path = dir / "kzchs.ini";
    ASSERT_TRUE(WriteLanguageFile(path, {{"A.Caption", "一"}}));
    EXPECT_EQ(ReadTestFile(path), Utf8ToGbk("A.Caption=一\r\n"));
    ASSERT_TRUE(WriteLanguageFile(path, {}));
    EXPECT_EQ(ReadTestFile(path), Utf8ToGbk("A.Caption=一\r\n")) << "the old file stays";
    EXPECT_FALSE(WriteLanguageFile(dir / "no/such/folder/kzchs.ini", {{"A.Caption", "x"}}));
}

}  // namespace
}  // namespace vx
