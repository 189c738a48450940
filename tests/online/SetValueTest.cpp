// The set-value dialog's texts and the force rules, as data: what each text
// writes at each width, what is refused and why, the log line and the text
// the bit labels make.
#include "online/SetValue.h"

#include <gtest/gtest.h>

#include <ostream>

#include "online/ForceDevice.h"

namespace vx {
namespace {

constexpr ValueWidth k16 = ValueWidth::k16Bits;
constexpr ValueWidth k32 = ValueWidth::k32Bits;
constexpr ValueWidth kF = ValueWidth::k32Float;

struct Case {
    const char* text;
    ValueWidth width;
    ValueError error;
    std::uint32_t pattern;  // when read
    std::int64_t value;     // when accepted
};

std::ostream& operator<<(std::ostream& os, const Case& c) {
    return os << '"' << c.text << "\" at " << WidthBits(c.width) << " bits";
}

class Accepted : public testing::TestWithParam<Case> {};

TEST_P(Accepted, WritesThePatternLowWordFirst) {
    const Case& c = GetParam();
    const SetValueEntry e = ParseSetValue(c.text, c.width);
    ASSERT_EQ(e.error, ValueError::None);
    EXPECT_TRUE(e.parsed);
    EXPECT_EQ(e.pattern, c.pattern);
    EXPECT_EQ(e.value, c.value);
    EXPECT_EQ(e.words, WidthWords(c.width));
    EXPECT_EQ(e.low, c.pattern & 0xFFFFu);
    EXPECT_EQ(e.high, c.width == k16 ? 0u : c.pattern >> 16);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Accepted,
    testing::Values(
        // Decimal within the width's range.
        Case{"K100", k16, ValueError::None, 100, 100}, Case{"K0", k16, ValueError::None, 0, 0},
        Case{"K32767", k16, ValueError::None, 0x7FFF, 32767},
        Case{"K-32768", k16, ValueError::None, 0x8000, -32768},
        Case{"K+5", k16, ValueError::None, 5, 5}, Case{"K007", k16, ValueError::None, 7, 7},
        Case{"K32768", k32, ValueError::None, 0x8000, 32768},
        Case{"K2147483647", k32, ValueError::None, 0x7FFFFFFF, 2147483647},
        Case{"K-2147483647", k32, ValueError::None, 0x80000001, -2147483647},
        Case{"K-1", kF, ValueError::None, 0xFFFFFFFF, -1},
        // Hexadecimal: every pattern of the width, as the hints advertise;
        // H8000-HFFFF are the patterns of K-32768 to K-1.
        Case{"H7FFF", k16, ValueError::None, 0x7FFF, 32767},
        Case{"H8000", k16, ValueError::None, 0x8000, -32768},
        Case{"HFFFF", k16, ValueError::None, 0xFFFF, -1},
        Case{"H1a", k16, ValueError::None, 0x1A, 26},
        Case{"H0000000010", k16, ValueError::None, 0x10, 16},
        Case{"HFFFFFFFF", k32, ValueError::None, 0xFFFFFFFF, -1},
        Case{"H80000000", k32, ValueError::None, 0x80000000, -2147483648LL},
        Case{"H12345678", kF, ValueError::None, 0x12345678, 0x12345678},
        // Binary: the last digit is bit 0; the full width is accepted.
        Case{"B101", k16, ValueError::None, 5, 5}, Case{"B1", k16, ValueError::None, 1, 1},
        Case{"b0", k16, ValueError::None, 0, 0},
        Case{"B1111111111111111", k16, ValueError::None, 0xFFFF, -1},
        Case{"B1000000000000000", k16, ValueError::None, 0x8000, -32768},
        Case{"B11111111111111111111111111111111", k32, ValueError::None, 0xFFFFFFFF, -1},
        Case{"B10000000000000000", k32, ValueError::None, 0x10000, 65536},
        // Floating point: the single-precision pattern.
        Case{"E1.5", k32, ValueError::None, 0x3FC00000, 0x3FC00000},
        Case{"E1.5", kF, ValueError::None, 0x3FC00000, 0x3FC00000},
        Case{"e-2.5", kF, ValueError::None, 0xC0200000, -1071644672},
        Case{"E-3.4E38", kF, ValueError::None, 0xFF7FC99E, -8402530},
        Case{"E.5", kF, ValueError::None, 0x3F000000, 0x3F000000},
        Case{"E0", k16, ValueError::None, 0, 0}));

class Refused : public testing::TestWithParam<Case> {};

TEST_P(Refused, WithItsMessage) {
    const Case& c = GetParam();
    const SetValueEntry e = ParseSetValue(c.text, c.width);
    EXPECT_EQ(e.error, c.error);
    if (c.error == ValueError::Range && e.parsed) {
        EXPECT_EQ(e.pattern, c.pattern);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Refused,
    testing::Values(
        // Out of the width's range.
        Case{"K32768", k16, ValueError::Range, 0x8000, 0},
        Case{"K-32769", k16, ValueError::Range, 0xFFFF7FFF & 0xFFFF, 0},
        Case{"K70000", k16, ValueError::Range, 70000 & 0xFFFF, 0},
        Case{"K2147483648", k32, ValueError::Range, 0x80000000, 0},
        Case{"K-2147483648", k32, ValueError::Range, 0x80000000, 0},
        Case{"K99999999999999999999999", k32, ValueError::Range, 0, 0},
        Case{"H10000", k16, ValueError::Range, 0, 0},
        Case{"H100000000", kF, ValueError::Range, 0, 0},
        Case{"HFFFFFFFFFFFFFFFFFFFFF", k32, ValueError::Range, 0, 0},
        Case{"E1.5", k16, ValueError::Range, 0x3FC00000 & 0xFFFF, 0},
        Case{"E-0", k16, ValueError::Range, 0, 0}, Case{"E3.5E38", kF, ValueError::Range, 0, 0},
        Case{"E1e400", k32, ValueError::Range, 0, 0},
        // Malformed texts.
        Case{"", k16, ValueError::Input, 0, 0}, Case{"100", k16, ValueError::Input, 0, 0},
        Case{"X5", k16, ValueError::Input, 0, 0}, Case{" K5", k16, ValueError::Input, 0, 0},
        Case{"K", k16, ValueError::Input, 0, 0}, Case{"K12A", k16, ValueError::Input, 0, 0},
        Case{"K--1", k16, ValueError::Input, 0, 0}, Case{"K 5", k16, ValueError::Input, 0, 0},
        Case{"K1.5", k32, ValueError::Input, 0, 0}, Case{"K-", k32, ValueError::Input, 0, 0},
        Case{"H", k16, ValueError::Input, 0, 0}, Case{"HG", k16, ValueError::Input, 0, 0},
        Case{"H-1", k16, ValueError::Input, 0, 0}, Case{"H0x10", k16, ValueError::Input, 0, 0},
        Case{"B", k16, ValueError::Input, 0, 0}, Case{"B102", k16, ValueError::Input, 0, 0},
        Case{"B12", k32, ValueError::Input, 0, 0},
        Case{"B11111111111111111", k16, ValueError::Input, 0, 0},
        Case{"B00000000000000001", k16, ValueError::Input, 0, 0},
        Case{"B111111111111111111111111111111111", k32, ValueError::Input, 0, 0},
        Case{"E", kF, ValueError::Input, 0, 0}, Case{"E1.5.2", kF, ValueError::Input, 0, 0},
        Case{"Einf", kF, ValueError::Input, 0, 0}, Case{"ENAN", kF, ValueError::Input, 0, 0},
        Case{"E0x1p3", kF, ValueError::Input, 0, 0}, Case{"E1e", kF, ValueError::Input, 0, 0},
        Case{"E.", kF, ValueError::Input, 0, 0}, Case{"E1,5", kF, ValueError::Input, 0, 0}));

TEST(SetValueText, IsUpperCasedInAsciiOnly) {
    EXPECT_EQ(ParseSetValue("h1a", k16).text, "H1A");
    EXPECT_EQ(ParseSetValue("k10中", k16).text, "K10中");
    EXPECT_EQ(ParseSetValue("k10中", k16).error, ValueError::Input);
    EXPECT_EQ(ParseSetValue("xyz", k16).text, "XYZ");
}

TEST(SetValueText, ARangeRefusalStillShowsTheBitsRead) {
    const SetValueEntry e = ParseSetValue("K32768", k16);
    EXPECT_TRUE(e.parsed);
    EXPECT_EQ(e.pattern, 0x8000u);
    EXPECT_FALSE(ParseSetValue("K12A", k16).parsed);
}

TEST(SetValueText, LogLine) {
    EXPECT_EQ(SetValueLogLine(ValueFamily::D, 100, ParseSetValue("H10", k16), k16),
              "D100  --> H10 [ K16 ]");
    EXPECT_EQ(SetValueLogLine(ValueFamily::C, 3, ParseSetValue("hffff", k16), k16),
              "C3  --> HFFFF [ K-1 ]");
    EXPECT_EQ(SetValueLogLine(ValueFamily::T, 5, ParseSetValue("K100000", k32), k32),
              "T5  --> K100000 [ K100000 ]");
    EXPECT_EQ(SetValueLogLine(ValueFamily::D, 0, ParseSetValue("E1.5", kF), kF), "D0  --> E1.5");
}

TEST(SetValueText, BitLabelsMakeTheSignedValueOfTheWidth) {
    EXPECT_EQ(BitLabelsText(0, k16), "K0");
    EXPECT_EQ(BitLabelsText(5, k16), "K5");
    EXPECT_EQ(BitLabelsText(0x8000, k16), "K-32768");
    EXPECT_EQ(BitLabelsText(0xFFFF, k16), "K-1");
    EXPECT_EQ(BitLabelsText(0x10005, k16), "K5") << "bits above the width are not shown";
    EXPECT_EQ(BitLabelsText(0x8000, k32), "K32768");
    EXPECT_EQ(BitLabelsText(0xFFFFFFFF, kF), "K-1");
    // What the labels make is accepted back as the same bits.
    for (std::uint32_t bits : {0x0u, 0x7FFFu, 0x8000u, 0xFFFFu, 0x1234u}) {
        EXPECT_EQ(ParseSetValue(BitLabelsText(bits, k16), k16).pattern, bits);
    }
    for (std::uint32_t bits : {0x10000u, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000001u}) {
        EXPECT_EQ(ParseSetValue(BitLabelsText(bits, k32), k32).pattern, bits);
    }
}

TEST(SetValueFamilies, RangesAndWriteCodes) {
    EXPECT_EQ(FamilyHighest(ValueFamily::D), 9999);
    EXPECT_EQ(FamilyHighest(ValueFamily::T), 399);
    EXPECT_EQ(FamilyHighest(ValueFamily::C), 199);
    EXPECT_EQ(FamilyWriteCode(ValueFamily::D), 16);
    EXPECT_EQ(FamilyWriteCode(ValueFamily::T), 102);
    EXPECT_EQ(FamilyWriteCode(ValueFamily::C), 103);
    EXPECT_STREQ(FamilyLetter(ValueFamily::T), "T");
}

// A 32-bit value takes the device and the next: never one past the family.
TEST(SetValueFamilies, TwoWordsStayWithinTheFamily) {
    struct Case {
        ValueFamily family;
        int number;
        ValueWidth width;
        const char* refusal;
    };
    const ValueWidth k16 = ValueWidth::k16Bits, k32 = ValueWidth::k32Bits,
                     kFloat = ValueWidth::k32Float;
    const Case cases[] = {
        {ValueFamily::D, 9999, k16, ""},
        {ValueFamily::D, 9998, k32, ""},
        {ValueFamily::D, 9999, k32, "32 位数值占用两个元件, 起始编号最大为 D9998 ！"},
        {ValueFamily::D, 9999, kFloat, "32 位数值占用两个元件, 起始编号最大为 D9998 ！"},
        {ValueFamily::T, 398, kFloat, ""},
        {ValueFamily::T, 399, k32, "32 位数值占用两个元件, 起始编号最大为 T398 ！"},
        {ValueFamily::C, 199, k16, ""},
        {ValueFamily::C, 199, k32, "32 位数值占用两个元件, 起始编号最大为 C198 ！"},
        {ValueFamily::C, 200, k16, "元件编号超过范围 ！"},
        {ValueFamily::D, -1, k16, "元件编号超过范围 ！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << FamilyLetter(c.family) << c.number);
        EXPECT_EQ(WidthRefusal(c.family, c.number, c.width, true), c.refusal);
    }
    EXPECT_EQ(WidthRefusal(ValueFamily::D, 9999, k32, false),
              "A 32-bit value takes two devices: it starts at D9998 at most!");
}

TEST(ForceDevice, OnlyBitDevicesBeyondTheInputs) {
    EXPECT_EQ(BitWriteCode(DeviceKind::X), std::nullopt);
    EXPECT_EQ(BitWriteCode(DeviceKind::Y), 109);
    EXPECT_EQ(BitWriteCode(DeviceKind::M), 5);
    EXPECT_EQ(BitWriteCode(DeviceKind::S), 14);
    EXPECT_EQ(BitWriteCode(DeviceKind::T), 110);
    EXPECT_EQ(BitWriteCode(DeviceKind::C), 111);
    EXPECT_EQ(BitWriteCode(DeviceKind::D), std::nullopt);
    EXPECT_EQ(BitWriteCode(DeviceKind::TValue), std::nullopt);
    EXPECT_FALSE(Forceable(kNoDevice));
    EXPECT_FALSE(Forceable(MakeDeviceCode(DeviceKind::X, 0)));
    EXPECT_TRUE(Forceable(MakeDeviceCode(DeviceKind::C, 199)));
    EXPECT_FALSE(Forceable(MakeDeviceCode(DeviceKind::D, 0)));
    EXPECT_FALSE(Forceable(MakeDeviceCode(DeviceKind::CValue, 0)));
}

TEST(ForceDevice, PromptNamesTheDevice) {
    EXPECT_EQ(ForcePrompt(true, MakeDeviceCode(DeviceKind::M, 100)), "SET:  M100");
    EXPECT_EQ(ForcePrompt(false, MakeDeviceCode(DeviceKind::Y, 17)), "RST:  Y17");
    EXPECT_EQ(DeviceName(MakeDeviceCode(DeviceKind::M, 1000)), "M1000");
    EXPECT_EQ(DeviceName(MakeDeviceCode(DeviceKind::TValue, 5)), "T5");
    EXPECT_EQ(DeviceName(kNoDevice), "");
}

}  // namespace
}  // namespace vx
