// One float text, one value: the set-value dialog's E values (32 Float) and
// the register-write dialog's 32-bit float format read every text alike.
#include "online/FloatText.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>

#include "online/RegisterFormat.h"
#include "online/SetValue.h"

namespace vx {
namespace {

TEST(FloatText, BothValueDialogsReadEveryTextAlike) {
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const std::string huge = "1" + std::string(500, '0') + "E-10";
    struct Case {
        std::string text;
        FloatTextStatus status;
        std::uint32_t pattern;
    };
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
    for (const Case& c : cases) {
        const SetValueEntry set = ParseSetValue("E" + c.text, ValueWidth::k32Float);
        const ParsedWrite write = ParseRegisterWrite(DFormat::F32, "100", c.text);
        switch (c.status) {
            case FloatTextStatus::Ok:
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
    // With "16 bits" only the pattern of zero fits one word: an underflow to
    // +0 is written, to -0 refused like "E-0".
    EXPECT_EQ(ParseSetValue("E1E-400", ValueWidth::k16Bits).error, ValueError::None);
    EXPECT_EQ(ParseSetValue("E-1E-400", ValueWidth::k16Bits).error, ValueError::Range);
}

}  // namespace
}  // namespace vx
