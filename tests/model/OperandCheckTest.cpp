#include "model/OperandCheck.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "support/MessageRecorder.h"

namespace vx {
namespace {

using Validator = std::function<CheckedNumber(std::string_view)>;

struct Case {
    const char* name;
    Validator check;
    const char* operand;
    std::optional<std::int32_t> result;
    const char* message;  // nullptr: nothing is shown
    MsgIcon icon = MsgIcon::Exclamation;
};

constexpr const char* kUnreadable = "数值设置错误 ！";

Validator K(std::int32_t limit, std::int32_t lowest) {
    return [=](std::string_view s) { return CheckKValue(s, limit, lowest); };
}
Validator H(std::int32_t limit) {
    return [limit](std::string_view s) { return CheckHValue(s, limit); };
}

void Expect(const Case& c) {
    SCOPED_TRACE(std::string(c.name) + " " + c.operand);
    test::MessageRecorder recorder;
    EXPECT_EQ(c.check(c.operand), c.result);
    if (c.message == nullptr) {
        EXPECT_EQ(recorder.Count(), 0u) << recorder.Last().text;
        return;
    }
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().text, c.message);
    EXPECT_EQ(recorder.Last().icon, c.icon);
    EXPECT_EQ(recorder.Last().caption, "KZ6-Quillary");
    EXPECT_EQ(recorder.Last().buttons, MsgButtons::Ok);
}

TEST(InputOutputValidators, OctalNumbersUpTo377) {
    const Case cases[] = {
        {"X", CheckXNumber, "X0", 0, nullptr},
        {"X", CheckXNumber, "X377", 377, nullptr},
        {"X", CheckXNumber, "X017", 17, nullptr},
        {"X", CheckXNumber, "X378", {}, "X 元件编号为 0-377 ！"},
        {"X", CheckXNumber, "X400", {}, "X 元件编号为 0-377 ！"},
        {"X", CheckXNumber, "X-1", {}, "X 元件编号为 0-377 ！"},
        {"X", CheckXNumber, "X8", {}, "X 元件编号不是 8 进制 ！"},
        {"X", CheckXNumber, "X19", {}, "X 元件编号不是 8 进制 ！"},
        {"X", CheckXNumber, "X280", {}, "X 元件编号不是 8 进制 ！"},
        {"X", CheckXNumber, "X", {}, kUnreadable, MsgIcon::Information},
        {"Y", CheckYNumber, "Y377", 377, nullptr},
        {"Y", CheckYNumber, "Y1000", {}, "Y 元件编号为 0-377 ！"},
        {"Y", CheckYNumber, "Y18", {}, "Y 元件编号不是 8 进制 ！"},
        {"Y", CheckYNumber, "Y1A", {}, kUnreadable, MsgIcon::Information},
    };
    for (const Case& c : cases)
        Expect(c);
}

TEST(DeviceValidators, EachRangeAndItsMessage) {
    const Case cases[] = {
        {"PulseM", CheckPulseMNumber, "M1999", 1999, nullptr},
        {"PulseM", CheckPulseMNumber, "M2000", {}, "脉冲指令: M 元件编号为 0-1999 ！"},
        {"M", CheckMNumber, "M9999", 9999, nullptr},
        {"M", CheckMNumber, "M10000", {}, "M 元件编号为 0-9999 ！"},
        {"M", CheckMNumber, "M18", 18, nullptr},
        {"S", CheckSNumber, "S199", 199, nullptr},
        {"S", CheckSNumber, "S200", {}, "S 元件编号为 0-199 ！"},
        {"T", CheckTNumber, "T399", 399, nullptr},
        {"T", CheckTNumber, "T400", {}, "T 元件编号为 0-399 ！"},
        {"C", CheckCNumber, "C0", 0, nullptr},
        {"C", CheckCNumber, "C200", {}, "C 元件编号为 0-199 ！"},
        {"D", CheckDNumber, "D9999", 9999, nullptr},
        {"D", CheckDNumber, "D-3", {}, "D 元件编号为 0-9999 ！"},
        {"D32", CheckD32Number, "D9998", 9998, nullptr},
        {"D32", CheckD32Number, "D9999", {}, "D 元件编号为 0-9998 ！"},
    };
    for (const Case& c : cases)
        Expect(c);
}

TEST(DeviceValidators, UnreadableNumbersAreToldWithTheInformationIcon) {
    const Case cases[] = {
        {"D", CheckDNumber, "D", {}, kUnreadable, MsgIcon::Information},
        {"D", CheckDNumber, "DX1", {}, kUnreadable, MsgIcon::Information},
        {"D", CheckDNumber, "D1 ", {}, kUnreadable, MsgIcon::Information},
        {"D", CheckDNumber, "", {}, kUnreadable, MsgIcon::Information},
        {"M", CheckMNumber, "M99999999999999999999", {}, kUnreadable, MsgIcon::Information},
        {"T", CheckTNumber, "T+", {}, kUnreadable, MsgIcon::Information},
        {"S", CheckSNumber, "S１", {}, kUnreadable, MsgIcon::Information},
    };
    for (const Case& c : cases)
        Expect(c);
}

TEST(ConstantValidators, DecimalFromTheLowestValueUpToTheLimit) {
    const Validator word = K(65535, kLowestWord);
    const Case cases[] = {
        {"K", word, "K65535", 65535, nullptr},
        {"K", word, "K65536", {}, "设定值 K 超过 65535 ！"},
        {"K", word, "K-5", -5, nullptr},
        {"K", word, "K-1", -1, nullptr},  // a number like any other, not a failure
        {"K", word, "K-32768", -32768, nullptr},
        {"K", word, "K-32769", {}, "设定值 K 低于 -32768 ！"},
        {"K", K(99, 0), "K100", {}, "设定值 K 超过 99 ！"},
        {"K", K(99, 0), "K0", 0, nullptr},
        {"K", K(99, 0), "K-1", {}, "设定值 K 低于 0 ！"},
        {"K", K(999999999, -999999999), "K-2147483648", {}, "设定值 K 低于 -999999999 ！"},
        {"K", K(999999999, INT32_MIN), "K-2147483648", INT32_MIN, nullptr},
        {"K", word, "K2147483648", {}, kUnreadable, MsgIcon::Information},
        {"K", word, "K", {}, kUnreadable, MsgIcon::Information},
        {"K", word, "K1.5", {}, kUnreadable, MsgIcon::Information},
    };
    for (const Case& c : cases)
        Expect(c);
}

TEST(ConstantValidators, HexadecimalUpToTheLimitShownWithFourDigitsOrMore) {
    const Case cases[] = {
        {"H", H(65535), "HFFFF", 0xFFFF, nullptr},
        {"H", H(65535), "Hffff", 0xFFFF, nullptr},
        {"H", H(65535), "H10000", {}, "设定值 H 超过 FFFF ！"},
        {"H", H(255), "H100", {}, "设定值 H 超过 00FF ！"},
        {"H", H(0x7FFFFFFF), "H7FFFFFFF", 0x7FFFFFFF, nullptr},
        {"H", H(65535), "H", 0, nullptr},
        {"H", H(65535), "HG1", {}, kUnreadable, MsgIcon::Information},
        {"H", H(65535), "H-1", {}, kUnreadable, MsgIcon::Information},
    };
    for (const Case& c : cases)
        Expect(c);
}

TEST(ConstantValidators, HexadecimalBeyond32BitsIsRefusedNotWrapped) {
    const std::string absurd = "H" + std::string(200, 'F');
    const Case cases[] = {
        {"H", H(0x7FFFFFFF), "H80000000", {}, "设定值 H 超过 7FFFFFFF ！"},
        {"H", H(0x7FFFFFFF), "HFFFFFFFF", {}, "设定值 H 超过 7FFFFFFF ！"},
        {"H", H(65535), "H100000000FFFF", {}, "设定值 H 超过 FFFF ！"},
        {"H", H(65535), "H000000000000000000000000001", 1, nullptr},
        {"H", H(65535), absurd.c_str(), {}, "设定值 H 超过 FFFF ！"},
    };
    for (const Case& c : cases)
        Expect(c);
}

}  // namespace
}  // namespace vx
