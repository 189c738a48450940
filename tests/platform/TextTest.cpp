#include "platform/Text.h"

#include <gtest/gtest.h>

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
