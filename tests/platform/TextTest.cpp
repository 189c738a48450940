#include "platform/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

// "中文注释" in GBK.
const std::string kGbkComment = "\xD6\xD0\xCE\xC4\xD7\xA2\xCA\xCD";

TEST(GbkConversion, ChineseRoundTripsThroughGbk) {
    EXPECT_EQ(Utf8ToGbk("中文注释"), kGbkComment);
    EXPECT_EQ(GbkToUtf8(kGbkComment), "中文注释");
    EXPECT_EQ(GbkToUtf8(Utf8ToGbk("启动按钮 X0 (K100)")), "启动按钮 X0 (K100)");
}

TEST(GbkConversion, AsciiPassesUnchanged) {
    EXPECT_EQ(Utf8ToGbk("MOV D0 D1"), "MOV D0 D1");
    EXPECT_EQ(GbkToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(GbkConversion, CodePage936HasTheEuroSign) {
    EXPECT_EQ(Utf8ToGbk("€"), "\x80");
    EXPECT_EQ(GbkToUtf8("\x80"), "€");
}

TEST(GbkConversion, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToGbk("a😀b"), "a?b");
    EXPECT_EQ(Utf8ToGbk("x\xFFy"), "x?y");            // a broken UTF-8 byte
    EXPECT_EQ(Utf8ToGbk("中\xE4\xB8"), "\xD6\xD0?");  // a sequence cut off at the end
}

TEST(GbkConversion, InvalidGbkBecomesReplacementCharacter) {
    EXPECT_EQ(GbkToUtf8("a\xFF"
                        "b"),
              "a\xEF\xBF\xBD"
              "b");
    // A lead byte at the very end has no trail byte.
    EXPECT_EQ(GbkToUtf8("\xD6\xD0\xD6"), "中\xEF\xBF\xBD");
}

// A damaged or cut character keeps the byte after it when that byte cannot
// end a character: a line break after a lead byte stays a line break.
TEST(GbkConversion, ALeadByteNeverTakesALineBreakOrControlCharacter) {
    const std::string bad = "\xEF\xBF\xBD";
    EXPECT_EQ(GbkToUtf8("a\xD6\nb"), "a" + bad + "\nb");
    EXPECT_EQ(GbkToUtf8("a\xD6\r\nb"), "a" + bad + "\r\nb");
    EXPECT_EQ(GbkToUtf8("\xD6\x7F"), bad + "\x7F");
    EXPECT_EQ(GbkToUtf8("\xD6\xD0\xD6\xD0"), "中中") << "a true trail byte still belongs";
}

TEST(GbkLines, SplitOnTheBytesBeforeDecoding) {
    struct Case {
        std::string gbk;
        std::vector<std::string> lines;
    };
    const std::string bad = "\xEF\xBF\xBD";
    const Case cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"k=\xD6\nj=2\n", {"k=" + bad, "j=2"}},
        {"k=\xD6\r\nj=2", {"k=" + bad, "j=2"}},
        {"k=\xD6\xD0\n\xD6", {"k=中", bad}},
        {"a\rb\n", {"a\rb"}},
        {"a=1\r\r\nb\r\r", {"a=1", "b"}},  // a line end converted twice
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        ForEachGbkLine(c.gbk, [&lines](std::string_view line) { lines.emplace_back(line); });
        EXPECT_EQ(lines, c.lines) << c.gbk;
    }
}

TEST(GbkLength, CountsTwoBytesPerChineseCharacter) {
    EXPECT_EQ(GbkByteLength(""), 0u);
    EXPECT_EQ(GbkByteLength("X17"), 3u);
    EXPECT_EQ(GbkByteLength("启动X0"), 6u);
}

TEST(GbkCut, NeverCutsThroughACharacter) {
    EXPECT_EQ(CutToGbkBytes("ABCDEF", 4), "ABCD");
    EXPECT_EQ(CutToGbkBytes("A中文", 3), "A中");
    EXPECT_EQ(CutToGbkBytes("A中文", 4), "A中");  // 4 bytes would end inside 文
    EXPECT_EQ(CutToGbkBytes("中文", 1), "");
    EXPECT_EQ(CutToGbkBytes("中文", 10), "中文");
    // A 26-byte field: thirteen Chinese characters fit, a fourteenth does not.
    std::string many;
    for (int i = 0; i < 14; ++i)
        many += "电";
    EXPECT_EQ(GbkByteLength(CutToGbkBytes("A" + many, 26)), 25u);
}

TEST(TextHelpers, CaseAndBlanks) {
    EXPECT_EQ(AsciiUpper("mov d0 中"), "MOV D0 中");
    EXPECT_EQ(AsciiLower("Baud_Rate"), "baud_rate");
    EXPECT_TRUE(EqualsNoCase("Baud_rate", "BAUD_RATE"));
    EXPECT_FALSE(EqualsNoCase("Baud", "Bau"));
    EXPECT_EQ(TrimBlanks(" \t key \t"), "key");
    EXPECT_EQ(TrimBlanks("   "), "");
}

}  // namespace
}  // namespace vx
