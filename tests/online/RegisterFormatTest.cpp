// The six D register formats of the device memory monitor, and the register
// write dialog's value texts: each format's notation and range, nothing cut
// to fit, and the registers D0-D20000.
#include "online/RegisterFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace vx {
namespace {

std::uint32_t Pattern(float f) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

TEST(RegisterFormatTest, NamesCaptionsAndWidths) {
    const char* names[] = {"16bit-U", "16bit-S", "16bit-H", "32bit-S", "32bit-H", "32bit-F"};
    for (int i = 0; i < kDFormatCount; ++i) {
        const auto format = static_cast<DFormat>(i);
        EXPECT_STREQ(FormatName(format), names[i]);
        EXPECT_EQ(FormatOfName(names[i]), format);
        EXPECT_EQ(FormatWords(format), i < 3 ? 1 : 2);
    }
    EXPECT_STREQ(FormatCaption(DFormat::U16), "D监控格式: 16-bit Unsigned");
    EXPECT_STREQ(FormatCaption(DFormat::F32), "D监控格式: 32-bit Float");
    EXPECT_EQ(FormatOfName("16bit"), std::nullopt);
}

TEST(RegisterFormatTest, RegistersAreShownInEachFormat) {
    auto image = std::make_unique<DeviceImage>();
    image->SetWord(DeviceKind::D, 10, 65535);
    image->SetWord(DeviceKind::D, 11, 0x7FFF);
    EXPECT_EQ(FormatRegister(DFormat::U16, *image, 10), "65535");
    EXPECT_EQ(FormatRegister(DFormat::S16, *image, 10), "-1");
    EXPECT_EQ(FormatRegister(DFormat::H16, *image, 11), "7FFF");
    EXPECT_EQ(FormatRegister(DFormat::H16, *image, 12), "0000");
    EXPECT_EQ(FormatRegister(DFormat::S32, *image, 10), "2147483647");
    EXPECT_EQ(FormatRegister(DFormat::H32, *image, 10), "7FFFFFFF");
    image->SetRegisterPair(20, 0xFFFFFFFE);
    EXPECT_EQ(FormatRegister(DFormat::S32, *image, 20), "-2");
    image->SetRegisterPair(30, Pattern(1.5f));
    EXPECT_EQ(FormatRegister(DFormat::F32, *image, 30), "1.500000");
    EXPECT_EQ(FormatRegister(DFormat::U16, *image, 20000), "0");
    EXPECT_EQ(FormatRegister(DFormat::S32, *image, 20000), "") << "its pair passes the image";

    EXPECT_EQ(FormatFloat(0.1f), "0.100000");
    EXPECT_EQ(FormatFloat(-2.25f), "-2.250000");
    EXPECT_EQ(FormatFloat(123456.7f), "123456.700000") << "seven significant digits";
    EXPECT_EQ(FormatFloat(0.0000123456f), "0.000012");
    EXPECT_EQ(FormatFloat(1e10f), "1.000000E+10");
    EXPECT_EQ(FormatFloat(-0.0f), "0.000000");
    EXPECT_EQ(FormatFloat(std::numeric_limits<float>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatFloat(-std::numeric_limits<float>::infinity()), "-INF");
}

TEST(RegisterFormatTest, ValuesAreWrittenInTheFormatsRangeOnly) {
    auto ok = [](DFormat f, const char* reg, const char* value) {
        const ParsedWrite p = ParseRegisterWrite(f, reg, value);
        EXPECT_EQ(p.refusal, WriteRefusal::None) << FormatName(f) << " " << value;
        return p.write;
    };
    auto refused = [](DFormat f, const char* reg, const char* value) {
        return ParseRegisterWrite(f, reg, value).refusal;
    };
    EXPECT_EQ(ok(DFormat::U16, "100", "65535"), (RegisterWrite{100, 1, {65535, 0}}));
    EXPECT_EQ(ok(DFormat::S16, "100", "-32768"), (RegisterWrite{100, 1, {0x8000, 0}}));
    EXPECT_EQ(ok(DFormat::H16, "100", "beef"), (RegisterWrite{100, 1, {0xBEEF, 0}}));
    EXPECT_EQ(ok(DFormat::S32, "100", "-2"), (RegisterWrite{100, 2, {0xFFFE, 0xFFFF}}));
    EXPECT_EQ(ok(DFormat::S32, "0", "-2147483648"), (RegisterWrite{0, 2, {0, 0x8000}}));
    EXPECT_EQ(ok(DFormat::H32, "100", "12345678"), (RegisterWrite{100, 2, {0x5678, 0x1234}}));
    const std::uint32_t onePointFive = Pattern(1.5f);
    EXPECT_EQ(ok(DFormat::F32, "100", "1.5"),
              (RegisterWrite{100,
                             2,
                             {static_cast<std::uint16_t>(onePointFive & 0xFFFF),
                              static_cast<std::uint16_t>(onePointFive >> 16)}}));
    EXPECT_EQ(ok(DFormat::F32, "100", "-1E5").words[1], Pattern(-1e5f) >> 16);
    EXPECT_EQ(ok(DFormat::F32, "100", "1E-50").words, (std::array<std::uint16_t, 2>{0, 0}));

    // No silent wrap: 70000 is no 16-bit value.
    EXPECT_EQ(refused(DFormat::U16, "100", "70000"), WriteRefusal::OutOfRange);
    EXPECT_EQ(refused(DFormat::U16, "100", "-1"), WriteRefusal::OutOfRange);
    EXPECT_EQ(refused(DFormat::S16, "100", "32768"), WriteRefusal::OutOfRange);
    EXPECT_EQ(refused(DFormat::S16, "100", "-32769"), WriteRefusal::OutOfRange);
    EXPECT_EQ(refused(DFormat::H16, "100", "10000"), WriteRefusal::OutOfRange);
    EXPECT_EQ(refused(DFormat::S32, "100", "2147483648"), WriteRefusal::OutOfRange);
    EXPECT_EQ(refused(DFormat::S32, "100", "99999999999999999999"), WriteRefusal::OutOfRange);
    EXPECT_EQ(refused(DFormat::H32, "100", "100000000"), WriteRefusal::OutOfRange);
    EXPECT_EQ(refused(DFormat::F32, "100", "3.5E38"), WriteRefusal::OutOfRange);
    EXPECT_EQ(refused(DFormat::F32, "100", "1E400"), WriteRefusal::OutOfRange);

    // Texts that are no number of the format's notation.
    for (const char* text : {"", "-", "12A", "1.5", "1-2", "--1"})
        EXPECT_EQ(refused(DFormat::U16, "100", text), WriteRefusal::Malformed) << text;
    for (const char* text : {"", "-1", "G", "1.0"})
        EXPECT_EQ(refused(DFormat::H16, "100", text), WriteRefusal::Malformed) << text;
    for (const char* text : {"", "1.2.3", "E5", "1E", "-", ".", "inf", "nan", "0x10", "1,5"})
        EXPECT_EQ(refused(DFormat::F32, "100", text), WriteRefusal::Malformed) << text;

    // Registers D0-D20000; a pair needs its second register there too.
    EXPECT_EQ(ok(DFormat::U16, "20000", "1").number, 20000);
    EXPECT_EQ(ok(DFormat::S32, "19999", "1").number, 19999);
    EXPECT_EQ(refused(DFormat::U16, "20001", "1"), WriteRefusal::RegisterOutOfRange);
    EXPECT_EQ(refused(DFormat::S32, "20000", "1"), WriteRefusal::RegisterOutOfRange);
    EXPECT_EQ(refused(DFormat::U16, "-1", "1"), WriteRefusal::RegisterOutOfRange);
    EXPECT_EQ(refused(DFormat::U16, "99999999999999", "1"), WriteRefusal::RegisterOutOfRange);
    for (const char* text : {"", "1A", "1.0", "-"})
        EXPECT_EQ(refused(DFormat::U16, text, "1"), WriteRefusal::Malformed) << text;
}

}  // namespace
}  // namespace vx
