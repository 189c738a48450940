#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

TEST(ProfileNames, SectionsAndKeysMatchWithoutRegardToCase) {
    IniFile ini = IniFile::Parse("[Configure]\r\nBaud_rate=5\r\n");
    EXPECT_EQ(ini.ReadInteger("configure", "Baud_Rate", 3), 5);
    EXPECT_EQ(ini.ReadInteger("CONFIGURE", "BAUD_RATE", 3), 5);
    ini.WriteInteger("configure", "Baud_Rate", 6);
    EXPECT_EQ(ini.Keys("configure"), std::vector<std::string>{"Baud_rate"}) << "one key, not two";
    EXPECT_EQ(ini.Serialise(), "[Configure]\r\nBaud_rate=6\r\n");
}

TEST(ProfileNames, BlanksAroundNamesAndValuesDoNotCount) {
    IniFile ini = IniFile::Parse("  [ Comment ]  \n   X0 =  start  \n\tY1\t=\tstop\t\n");
    EXPECT_EQ(ini.ReadString("comment", " X0", "?"), "start");
    EXPECT_EQ(ini.ReadString("comment", "Y1 ", "?"), "stop");
    EXPECT_TRUE(ini.SectionExists(" comment"));
}

TEST(ProfileNames, FirstOfRepeatedKeysWinsAndRepeatedSectionsJoin) {
    IniFile ini = IniFile::Parse("[a]\nk=1\nk=2\n[b]\nx=0\n[A]\nj=3\n");
    EXPECT_EQ(ini.ReadInteger("a", "k", 0), 1);
    EXPECT_EQ(ini.ReadInteger("a", "j", 0), 3);
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"a", "b"}));
}

TEST(ProfileValues, IntegersInTheFormsTheProfileReads) {
    IniFile ini = IniFile::Parse(
        "[n]\ndec=65280\nneg=-12\nplus=+7\nhex=$FF\nhex0x=0x1F\nall=$FFFFFFFF\n"
        "big=2147483648\nword=abc\nempty=\nmixed=12ab\nsmall=-2147483648\n");
    EXPECT_EQ(ini.ReadInteger("n", "dec", 0), 65280);
    EXPECT_EQ(ini.ReadInteger("n", "neg", 0), -12);
    EXPECT_EQ(ini.ReadInteger("n", "plus", 0), 7);
    EXPECT_EQ(ini.ReadInteger("n", "hex", 0), 255);
    EXPECT_EQ(ini.ReadInteger("n", "hex0x", 0), 31);
    EXPECT_EQ(ini.ReadInteger("n", "all", 0), -1);
    EXPECT_EQ(ini.ReadInteger("n", "small", 0), INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("n", "big", 9), 9) << "beyond 32 bits is not an integer";
    EXPECT_EQ(ini.ReadInteger("n", "word", 9), 9);
    EXPECT_EQ(ini.ReadInteger("n", "empty", 9), 9);
    EXPECT_EQ(ini.ReadInteger("n", "mixed", 9), 9);
    EXPECT_EQ(ini.ReadInteger("n", "missing", 9), 9);
}

TEST(ProfileValues, AnyNonZeroIntegerIsTrue) {
    IniFile ini = IniFile::Parse("[b]\none=1\ntwo=2\nneg=-1\nzero=0\ntext=True\n");
    EXPECT_TRUE(ini.ReadBool("b", "one", false));
    EXPECT_TRUE(ini.ReadBool("b", "two", false));
    EXPECT_TRUE(ini.ReadBool("b", "neg", false));
    EXPECT_FALSE(ini.ReadBool("b", "zero", true));
    EXPECT_FALSE(ini.ReadBool("b", "text", false)) << "a word is no integer: the fallback";
    EXPECT_TRUE(ini.ReadBool("b", "text", true));
}

TEST(ProfileValues, WrittenInDecimalAndAsOneOrZero) {
    IniFile ini;
    ini.WriteInteger("configure", "StakeoutColor", 0x00FF00);
    ini.WriteBool("configure", "RangeSelect", true);
    ini.WriteBool("configure", "ProColumn", false);
    EXPECT_EQ(ini.Serialise(),
              "[configure]\r\nStakeoutColor=65280\r\nRangeSelect=1\r\nProColumn=0\r\n");
}

// A value or name that would not read back as written is refused: the
// profile and its file stay as they were, and the caller is told.
TEST(ProfileValues, ALineBreakIsRefusedAndTheFileStaysWhole) {
    const std::string text = "[configure]\r\nLastFileOpenItem=&1 /p/old.PSP\r\nComPort=2\r\n";
    IniFile ini = IniFile::Parse(text);
    for (const char* value : {"&1 /p/a\nb.PSP", "&1 /p/a\r\nb.PSP", "&1 /p/a\rb.PSP", "\n",
                              "&1 /p/new.PSP\n[configure]\nComPort=7"}) {
        const IoResult written = ini.WriteString("configure", "LastFileOpenItem", value);
        EXPECT_FALSE(written.ok) << value;
        EXPECT_NE(written.error.find("LastFileOpenItem"), std::string::npos) << written.error;
        const IoResult added = ini.WriteString("configure", "Other", value);
        EXPECT_FALSE(added.ok) << value;
        EXPECT_EQ(ini.Serialise(), text) << "nothing written for " << value;
    }
    // Names that would read back as another name, another section or a comment.
    EXPECT_FALSE(ini.WriteString("configure", "a=b", "1").ok);
    EXPECT_FALSE(ini.WriteString("configure", "a\nb", "1").ok);
    EXPECT_FALSE(ini.WriteString("configure", "[x]", "1").ok);
    EXPECT_FALSE(ini.WriteString("configure", "; x", "1").ok);
    EXPECT_FALSE(ini.WriteString("configure", " ", "1").ok);
    EXPECT_FALSE(ini.WriteString("a]b", "k", "1").ok);
    EXPECT_FALSE(ini.WriteString("a\nb", "k", "1").ok);
    EXPECT_FALSE(ini.WriteInteger("configure", "k=1", 5).ok);
    EXPECT_FALSE(ini.WriteBool("configure", "k\r", true).ok);
    EXPECT_EQ(ini.Serialise(), text);

    // Everything else reads back as it was written.
    const std::string odd = "&1 /p/a=b;[c]\t\"d\".PSP";
    ASSERT_TRUE(ini.WriteString("configure", "LastFileOpenItem", odd).ok);
    ASSERT_TRUE(ini.WriteString("Key [1", "k.x", "v").ok);
    const IniFile again = IniFile::Parse(ini.Serialise());
    EXPECT_EQ(again.ReadString("configure", "LastFileOpenItem", ""), odd);
    EXPECT_EQ(again.ReadString("key [1", "K.X", ""), "v");
    EXPECT_EQ(again.ReadInteger("configure", "ComPort", 0), 2);
}

TEST(ProfileFile, ChineseCommentSurvivesWriteAndRead) {
    TempFolder dir;
    IniFile ini = IniFile::Load(dir / "p.Rcm");
    EXPECT_FALSE(ini.Existed());
    ASSERT_TRUE(ini.WriteString("Comment", "X0", "启动按钮"));
    ASSERT_TRUE(ini.WriteString("Comment", "D100", "温度设定值（℃）"));
    ASSERT_TRUE(ini.Save());

    const std::string bytes = ReadTestFile(dir / "p.Rcm");
    EXPECT_NE(bytes.find("X0=\xC6\xF4\xB6\xAF\xB0\xB4\xC5\xA5"), std::string::npos)
        << "stored in GBK";
    IniFile again = IniFile::Load(dir / "p.Rcm");
    EXPECT_TRUE(again.Existed());
    EXPECT_EQ(again.ReadString("comment", "x0", ""), "启动按钮");
    EXPECT_EQ(again.ReadString("comment", "d100", ""), "温度设定值（℃）");
}

TEST(ProfileFile, GarbageLinesAreIgnoredButKept) {
    // The second comment is UTF-8 with a character cut off: no GBK.
    const std::string text =
        "; made by hand\r\n[configure]\r\n; \xE4\xB8\xAD\xE6\x96\r\nthis line means nothing\r\n"
        "=no key\r\nComPort=2\r\n[broken\r\nx=1\r\r\n";
    IniFile ini = IniFile::Parse(text);
    EXPECT_EQ(ini.ReadInteger("configure", "ComPort", 0), 2);
    EXPECT_EQ(ini.Keys("configure"), std::vector<std::string>{"ComPort"});
    EXPECT_EQ(ini.ReadInteger("broken", "x", 0), 1)
        << "a header without its bracket still names, a line end converted twice still ends";
    std::string written = text;
    written.replace(written.find("\r\r\n"), 3, "\r\n");
    EXPECT_EQ(ini.Serialise(), written) << "everything else is written back byte for byte";
}

// A save writes only what the program changed: entries typed by another
// editor (UTF-8 values, blanks around "=", names in any case) and headers
// come back as they stood, and so does an entry written with its own value.
TEST(ProfileFile, ASaveKeepsEveryLineItDidNotChange) {
    const std::vector<std::string> lines = {
        "[Configure]",
        "LastFileOpenItem=&1 /home/\xE4\xB8\xAD\xE6\x96\x87.PSP",  // UTF-8, no GBK
        "ComDevice1 = /dev/ttyS0",
        "\tLTCPIP\t=192.168.1.7 ",
        "baud_RATE=5",
        "ComPort=2",
        "  [ \xE4\xB8\xAD ]  ",
        "X0 = \xC6\xF4\xB6\xAF",  // GBK with blanks
        "Y0=\xE5\x90\xAF\xE5\x8A\xA8",
        "[\xE4\xB8\xAD]",  // UTF-8: read as GBK, its last byte and "]" are one character
        "k=1",
        "[open \xE4\xB8\xAD",  // no "]", and a byte that is no GBK
        "k=2",
    };
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    TempFolder dir;
    WriteTestFile(dir / "KZ6-Quillary.ini", text);
    IniFile ini = IniFile::Load(dir / "KZ6-Quillary.ini");
    ASSERT_TRUE(ini.WriteInteger("configure", "ComPort", 7));
    ASSERT_TRUE(ini.WriteInteger("configure", "Baud_Rate", 5)) << "the value it holds";
    ASSERT_TRUE(ini.Save());

    std::string expected = text;
    expected.replace(expected.find("ComPort=2"), 9, "ComPort=7");
    EXPECT_EQ(ReadTestFile(dir / "KZ6-Quillary.ini"), expected);
    const IniFile again = IniFile::Load(dir / "KZ6-Quillary.ini");
    EXPECT_EQ(again.ReadInteger("configure", "comport", 0), 7);
    EXPECT_EQ(again.ReadString("configure", "ComDevice1", ""), "/dev/ttyS0");
    ASSERT_EQ(again.Sections().size(), 4u);
    EXPECT_EQ(again.ReadString(again.Sections()[1], "x0", ""), "启动");
    EXPECT_EQ(again.ReadInteger(again.Sections()[2], "k", 0), 1);
    EXPECT_EQ(again.ReadInteger(again.Sections()[3], "k", 0), 2);
}

TEST(ProfileFile, NewKeysGoAfterTheLastEntryOfTheirSection) {
    IniFile ini = IniFile::Parse("[a]\nk=1\n\n; about b\n[b]\nx=1\n");
    ASSERT_TRUE(ini.WriteString("a", "n", "2"));
    ASSERT_TRUE(ini.WriteString("c", "m", "3"));
    EXPECT_EQ(ini.Serialise(),
              "[a]\r\nk=1\r\nn=2\r\n\r\n; about b\r\n[b]\r\nx=1\r\n[c]\r\nm=3\r\n");
    EXPECT_EQ(ini.ReadString("a", "n", ""), "2");
}

// A damaged character at the end of a value, in a file with either line end:
// the entry after it is still there, and what was not understood is kept.
TEST(ProfileFile, ALeadByteAtALineEndLosesNoEntry) {
    for (const std::string end : {"\n", "\r\n"}) {
        const std::string text = "[Comment]" + end + "X0=\xC6\xF4\xB6" + end + "X1=b" + end +
                                 "\xB6" + end + "[next]" + end + "k=1" + end;
        const IniFile ini = IniFile::Parse(text);
        EXPECT_EQ(ini.ReadString("Comment", "X0", ""), "启\xEF\xBF\xBD");
        EXPECT_EQ(ini.ReadString("Comment", "X1", ""), "b");
        EXPECT_EQ(ini.ReadInteger("next", "k", 0), 1);
        EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"Comment", "next"}));
    }
}

TEST(ProfileFile, LinesBeforeAnySectionStayFirst) {
    IniFile ini = IniFile::Parse("MainFrm.Caption=Program\n[x]\n");
    EXPECT_EQ(ini.ReadString("", "mainfrm.caption", ""), "Program");
    IniFile written;
    ASSERT_TRUE(written.WriteString("configure", "a", "1"));
    ASSERT_TRUE(written.WriteString("", "MainFrm.N1.Caption", "文件"));
    EXPECT_EQ(IniFile::Parse(written.Serialise()).ReadString("", "mainfrm.n1.caption", ""), "文件");
    EXPECT_EQ(IniFile::Parse(written.Serialise()).ReadString("configure", "a", ""), "1");
}

TEST(ProfileFile, DeleteKeyAndEraseSection) {
    IniFile ini = IniFile::Parse("[Comment]\nX0=a\nX1=b\n[configure]\nc=1\n");
    ini.DeleteKey("comment", "x0");
    EXPECT_FALSE(ini.ValueExists("Comment", "X0"));
    EXPECT_EQ(ini.ReadString("Comment", "X1", ""), "b");
    ini.EraseSection("COMMENT");
    EXPECT_FALSE(ini.SectionExists("Comment"));
    EXPECT_EQ(ini.ReadInteger("configure", "c", 0), 1);
    ASSERT_TRUE(ini.WriteString("Comment", "Y0", "z"));
    EXPECT_EQ(ini.Serialise(), "[configure]\r\nc=1\r\n[Comment]\r\nY0=z\r\n");
}

TEST(ProfileFile, BinaryAndRandomBytesNeverCrash) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<std::size_t>(random() % 400), '\0');
        for (char& c : bytes) {
            int pick = static_cast<int>(random() % 10);
            c = pick < 2 ? "[]=\n\r; "[random() % 7] : static_cast<char>(random());
        }
        IniFile ini = IniFile::Parse(bytes);
        for (const std::string& section : ini.Sections()) {
            for (const std::string& key : ini.Keys(section)) {
                ini.ReadInteger(section, key, 0);
                ini.ReadString(section, key, "");
            }
        }
        ASSERT_TRUE(ini.WriteString("configure", "k", "v"));
        IniFile again = IniFile::Parse(ini.Serialise());
        EXPECT_EQ(again.ReadString("configure", "k", ""), "v");
    }
}

TEST(ProfileFile, FailedSaveLeavesTheOldFile) {
    TempFolder dir;
    WriteTestFile(dir / "blocked", "");
    IniFile ini = IniFile::Load(dir / "blocked/settings.ini");
    ini.WriteInteger("configure", "ComPort", 1);
    EXPECT_FALSE(ini.Save().ok);
    EXPECT_FALSE(IniFile().Save().ok) << "a profile without a file name cannot be saved";
}

}  // namespace
}  // namespace vx
