#include "model/MyPublic.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(HexField, ReadsAFieldOfTheParameterString) {
    EXPECT_EQ(HexFieldToInt("0A1", 2, 2), 161);
    EXPECT_EQ(HexFieldToInt("0200000000136429200005", 1, 2), 2);
    EXPECT_EQ(HexFieldToInt("0200000000136429200005", 12, 1), 3);
    EXPECT_EQ(HexFieldToInt("0000213025700A90FA008FC000", 15, 4), 0x90FA);
    EXPECT_EQ(HexFieldToInt("abcdef", 1, 6), 0xABCDEF);
}

TEST(HexField, ZeroWhenTheFieldIsNoNumber) {
    EXPECT_EQ(HexFieldToInt("xyz", 1, 2), 0);
    EXPECT_EQ(HexFieldToInt("0A1", 9, 2), 0) << "past the end";
    EXPECT_EQ(HexFieldToInt("0A1", 3, 5), 1) << "a field cut by the end of the text";
    EXPECT_EQ(HexFieldToInt("", 1, 2), 0);
    EXPECT_EQ(HexFieldToInt("12", 1, 0), 0);
    EXPECT_EQ(HexFieldToInt("-1", 1, 2), 0);
    EXPECT_EQ(HexFieldToInt("1 2", 1, 3), 0);
    EXPECT_EQ(HexFieldToInt("FFFFFFFF", 1, 8), -1) << "all 32 bits";
    EXPECT_EQ(HexFieldToInt("100000000", 1, 9), 0) << "more than 32 bits";
}

TEST(Padding, ExtendsWithBlanksToTheWidth) {
    EXPECT_EQ(PadRight("AB", 5), "AB   ");
    EXPECT_EQ(PadRight("ABCDEF", 5), "ABCDEF");
    EXPECT_EQ(PadRight("", 3), "   ");
    EXPECT_EQ(PadRight("OUT", -1), "OUT");
    EXPECT_EQ(PadRight("启动", 6), "启动  ") << "a Chinese character is two columns wide";
}

TEST(OctalDigits, IndexToOctalDigitNumber) {
    EXPECT_EQ(IntToOctalDigits(0), 0);
    EXPECT_EQ(IntToOctalDigits(7), 7);
    EXPECT_EQ(IntToOctalDigits(8), 10);
    EXPECT_EQ(IntToOctalDigits(15), 17);
    EXPECT_EQ(IntToOctalDigits(255), 377);
    EXPECT_EQ(IntToOctalDigits(-4), 0);
    EXPECT_EQ(IntToOctalDigits(INT32_MAX), 17777777777LL) << "no overflow for any 32-bit index";
}

TEST(OctalDigits, OctalDigitNumberToIndex) {
    EXPECT_EQ(OctalDigitsToInt(0), 0);
    EXPECT_EQ(OctalDigitsToInt(7), 7);
    EXPECT_EQ(OctalDigitsToInt(10), 8);
    EXPECT_EQ(OctalDigitsToInt(17), 15);
    EXPECT_EQ(OctalDigitsToInt(377), 255);
    EXPECT_EQ(OctalDigitsToInt(18), 16) << "digits are not checked here";
    EXPECT_EQ(OctalDigitsToInt(65536 + 17), 15) << "only the low 16 bits count";
    EXPECT_EQ(OctalDigitsToInt(-1), 6 * 4096 + 5 * 512 + 5 * 64 + 3 * 8 + 5);
}

TEST(OctalDigits, RoundTripOverEveryInput) {
    for (int index = 0; index < 256; ++index) {
        EXPECT_EQ(OctalDigitsToInt(static_cast<std::int32_t>(IntToOctalDigits(index))), index);
    }
}

}  // namespace
}  // namespace vx
