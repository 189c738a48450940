#include "editor/CodeConv.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

CodeConvFields Typed(const std::string& decimal, bool enterKey = true, bool gray = false) {
    CodeConvFields f;
    f.gray = gray;
    f.decimal = decimal;
    DecimalEntered(f, enterKey);
    return f;
}

TEST(CodeConv, TheReadingsOfOneValue) {
    EXPECT_EQ(HexDigits(255, 4), "00FF");
    EXPECT_EQ(HexDigits(255, 1), "FF");
    EXPECT_EQ(HexDigits(99999, 4), "1869F");
    EXPECT_EQ(HexDigits(0, 1), "0");
    EXPECT_EQ(BinaryDigits(0x00FF), "0000000011111111");
    EXPECT_EQ(BinaryDigits(0x8001), "1000000000000001");
    EXPECT_EQ(GrayDecode(0x8000), 0xFFFF);
    EXPECT_EQ(GrayDecode(0b0011), 0b0010);
    EXPECT_EQ(GrayDecode(0), 0);
    EXPECT_EQ(DecimalFieldValue("65535"), 65535u);
    EXPECT_EQ(DecimalFieldValue(""), 0u);
    EXPECT_EQ(HexFieldValue("fF"), 255u);
    EXPECT_EQ(HexFieldValue(""), 0u);
}

TEST(CodeConv, TypingADecimalValue) {
    CodeConvFields f = Typed("255");
    EXPECT_EQ(f.hex, "00FF");
    EXPECT_EQ(f.bits, 0x00FF);
    EXPECT_EQ(f.binary, "0000000011111111");
    EXPECT_EQ(f.setClear, kClearAllCaption);
    EXPECT_EQ(Typed("255", false).hex, "FF") << "leaving the field";
    // Above 65535: every hexadecimal digit, the low 16 bits in the cells.
    f = Typed("99999");
    EXPECT_EQ(f.hex, "1869F");
    EXPECT_EQ(f.bits, 99999 & 0xFFFF);
    // Typed values are never Gray-encoded.
    f = Typed("2", true, true);
    EXPECT_EQ(f.bits, 0b10);
    EXPECT_EQ(f.decimal, "2");
}

TEST(CodeConv, TypingAHexadecimalValue) {
    CodeConvFields f;
    f.hex = "8000";
    HexEntered(f);
    EXPECT_EQ(f.decimal, "32768");
    EXPECT_EQ(f.bits, 0x8000);
    EXPECT_EQ(f.binary, "1000000000000000");
}

TEST(CodeConv, ClickedCellsReadPlainOrGray) {
    CodeConvFields f;
    BitClicked(f, 15);
    EXPECT_EQ(f.decimal, "32768");
    EXPECT_EQ(f.hex, "8000");
    EXPECT_EQ(f.setClear, kClearAllCaption);
    BitClicked(f, 15);
    EXPECT_EQ(f.decimal, "0");
    EXPECT_EQ(f.hex, "0000");
    EXPECT_EQ(f.setClear, kSetAllCaption);

    CodeConvFields g;
    g.gray = true;
    BitClicked(g, 15);
    EXPECT_EQ(g.decimal, "65535");
    EXPECT_EQ(g.hex, "FFFF");
    EXPECT_EQ(g.bits, 0x8000) << "the cells keep what was clicked";
}

TEST(CodeConv, SetClearAndShifts) {
    CodeConvFields f;
    EXPECT_EQ(f.setClear, kSetAllCaption);
    SetOrClear(f);
    EXPECT_EQ(f.decimal, "65535");
    EXPECT_EQ(f.hex, "FFFF");
    EXPECT_EQ(f.bits, 0xFFFF);
    EXPECT_EQ(f.setClear, kClearAllCaption);
    SetOrClear(f);
    EXPECT_EQ(f.decimal, "0");
    EXPECT_EQ(f.hex, "0");
    EXPECT_EQ(f.bits, 0);

    f = Typed("32768");
    ShiftLeft(f);
    EXPECT_EQ(f.decimal, "0") << "the top bit is shifted out";
    EXPECT_EQ(f.hex, "0000");
    EXPECT_EQ(f.setClear, kSetAllCaption);
    f = Typed("1");
    ShiftRight(f);
    EXPECT_EQ(f.decimal, "0");
    f = Typed("3");
    ShiftLeft(f);
    EXPECT_EQ(f.decimal, "6");
    EXPECT_EQ(f.binary, "0000000000000110");
    // In Gray mode the shifted cells are read back as Gray code.
    f = Typed("1", true, true);
    ShiftLeft(f);
    EXPECT_EQ(f.bits, 0b10);
    EXPECT_EQ(f.decimal, "3");
}

TEST(CodeConv, EmptyFieldsReadAsZero) {
    CodeConvFields f = Typed("255");
    f.decimal.clear();
    DecimalEntered(f, true);
    EXPECT_EQ(f.decimal, "0");
    EXPECT_EQ(f.hex, "0000");
    EXPECT_EQ(f.bits, 0);
    EXPECT_EQ(f.setClear, kSetAllCaption);
    f = Typed("7");
    f.hex.clear();
    HexEntered(f);
    EXPECT_EQ(f.hex, "0");
    EXPECT_EQ(f.decimal, "0");
    f = Typed("7");
    f.decimal.clear();
    ShiftLeft(f);
    EXPECT_EQ(f.decimal, "0");
}

}  // namespace
}  // namespace vx
