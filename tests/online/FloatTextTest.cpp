// One float text, one value: the set-value dialog's E values (32 Float) and
// the register-write dialog's 32-bit float format read every text alike, to
// the nearest single.
#include "model/FloatText.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>

#include "online/RegisterFormat.h"
#include "online/SetValue.h"

namespace vx {
namespace {

struct Case {
    std::string text;
    FloatTextStatus status;
    std::uint32_t pattern;
};

void ExpectBothDialogs(const Case& c) {
    const FloatText f = ParseFloatText(c.text);
    EXPECT_EQ(f.status, c.status) << c.text;
    const SetValueEntry set = ParseSetValue("E" + c.text, ValueWidth::k32Float);
    const ParsedWrite write = ParseRegisterWrite(DFormat::F32, "100", c.text);
    switch (c.status) {
        case FloatTextStatus::Ok:
            EXPECT_EQ(std::bit_cast<std::uint32_t>(f.value), c.pattern) << c.text;
            EXPECT_EQ(set.error, ValueError::None) << c.text;
            EXPECT_EQ(set.pattern, c.pattern) << c.text;
            EXPECT_EQ(write.refusal, WriteRefusal::None) << c.text;
            EXPECT_EQ(write.write.words[0] | (write.write.words[1] << 16), c.pattern) << c.text;
            break;
        case FloatTextStatus::OutOfRange:
            EXPECT_EQ(set.error, ValueError::Range) << c.text;
            EXPECT_EQ(write.refusal, WriteRefusal::OutOfRange) << c.text;
            break;
        case FloatTextStatus::Malformed:
            EXPECT_EQ(set.error, ValueError::Input) << c.text;
            EXPECT_EQ(write.refusal, WriteRefusal::Malformed) << c.text;
            break;
    }
}

TEST(FloatText, BothValueDialogsReadEveryTextAlike) {
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const std::string huge = "1" + std::string(500, '0') + "E-10";
    const Case cases[] = {
        {"1.5", FloatTextStatus::Ok, 0x3FC00000},
        {"+2", FloatTextStatus::Ok, 0x40000000},
        {".5", FloatTextStatus::Ok, 0x3F000000},
        {"-1e5", FloatTextStatus::Ok, std::bit_cast<std::uint32_t>(-1e5f)},
        {"3.4E38", FloatTextStatus::Ok, std::bit_cast<std::uint32_t>(3.4e38f)},
        {"1E-45", FloatTextStatus::Ok, 0x00000001},  // the smallest single
        // Too small for single precision: zero, however it is written.
        {"1E-50", FloatTextStatus::Ok, 0},
        {"1E-400", FloatTextStatus::Ok, 0},
        {"1E-99999999999999999999", FloatTextStatus::Ok, 0},
        {tiny, FloatTextStatus::Ok, 0},
        {"-1E-400", FloatTextStatus::Ok, 0x80000000},
        // Beyond the largest single.
        {"3.5E38", FloatTextStatus::OutOfRange, 0},
        {"1E400", FloatTextStatus::OutOfRange, 0},
        {"1E99999999999999999999", FloatTextStatus::OutOfRange, 0},
        {huge, FloatTextStatus::OutOfRange, 0},
        // No number of the form.
        {"", FloatTextStatus::Malformed, 0},
        {".", FloatTextStatus::Malformed, 0},
        {"1E", FloatTextStatus::Malformed, 0},
        {"E5", FloatTextStatus::Malformed, 0},
        {"1.2.3", FloatTextStatus::Malformed, 0},
        {"1,5", FloatTextStatus::Malformed, 0},
        {" 1", FloatTextStatus::Malformed, 0},
        {"inf", FloatTextStatus::Malformed, 0},
        {"nan", FloatTextStatus::Malformed, 0},
        {"0x10", FloatTextStatus::Malformed, 0},
        {"--1", FloatTextStatus::Malformed, 0},
    };
    for (const Case& c : cases)
        ExpectBothDialogs(c);
    // With "16 bits" only the pattern of zero fits one word: an underflow to
    // +0 is written, to -0 refused like "E-0".
    EXPECT_EQ(ParseSetValue("E1E-400", ValueWidth::k16Bits).error, ValueError::None);
    EXPECT_EQ(ParseSetValue("E-1E-400", ValueWidth::k16Bits).error, ValueError::Range);
}

// Rounded once, from the text to the nearest single: read by way of a double,
// a text just past the midpoint of two singles came out on the near side.
TEST(FloatText, TextsNearTheMidpointOfTwoSinglesRoundOnce) {
    const Case cases[] = {
        // Between 1 and the next single up, 1.00000012.
        {"1.00000005960464477539062500001", FloatTextStatus::Ok, 0x3F800001},
        {"1.000000059604644775390625", FloatTextStatus::Ok, 0x3F800000},  // a tie: to the even one
        {"1.00000005960464477539062499999", FloatTextStatus::Ok, 0x3F800000},
        {"1.000000178813934326171875", FloatTextStatus::Ok, 0x3F800002},  // a tie, even above
        {"1.000000178813934326171874999", FloatTextStatus::Ok, 0x3F800001},
        // Between 21141180 and 21141182.
        {"21141181.000000000000000000000002", FloatTextStatus::Ok, 0x4BA14B5F},
        {"21141181", FloatTextStatus::Ok, 0x4BA14B5E},
        {"21141180.999999999999999999999998", FloatTextStatus::Ok, 0x4BA14B5E},
        {"21141183", FloatTextStatus::Ok, 0x4BA14B60},
        {"-21141181.000000000000000000000002", FloatTextStatus::Ok, 0xCBA14B5F},
        {"-1.00000005960464477539062500001", FloatTextStatus::Ok, 0xBF800001},
        // With exponents; a double holds these two texts as the midpoint itself.
        {"2.1141181000000000000000000000002E7", FloatTextStatus::Ok, 0x4BA14B5F},
        {"211411810000000000000000000000002e-25", FloatTextStatus::Ok, 0x4BA14B5F},
        {"3337579503303E6", FloatTextStatus::Ok, 0x5E3945DB},
        {"8175080333625E6", FloatTextStatus::Ok, 0x5EE2E771},
        // The smallest single and zero, around their midpoint 2^-150.
        {"7.00649232162408535461864791644958065640130970938257885878534141944895541342930300743319"
         "094181060791015625E-46",
         FloatTextStatus::Ok, 0x00000000},
        {"7.00649232162408535461864791644958065640130970938257885878534141944895541342930300743319"
         "094181060791015626E-46",
         FloatTextStatus::Ok, 0x00000001},
        {"-7.0064923216240854E-46", FloatTextStatus::Ok, 0x80000001},
        {"7.0064923216240853E-46", FloatTextStatus::Ok, 0x00000000},
        // The largest single and the midpoint past it, which rounds beyond it.
        {"3.4028235E38", FloatTextStatus::Ok, 0x7F7FFFFF},
        {"-3.4028235E38", FloatTextStatus::Ok, 0xFF7FFFFF},
        {"340282356779733661637539395458142568447.9", FloatTextStatus::Ok, 0x7F7FFFFF},
        {"340282356779733661637539395458142568448", FloatTextStatus::OutOfRange, 0},
        {"-3.40282357E38", FloatTextStatus::OutOfRange, 0},
    };
    for (const Case& c : cases)
        ExpectBothDialogs(c);
}

}  // namespace
}  // namespace vx
