#include "model/OperandCheck.h"

#include <cstdio>
#include <string>

#include "model/Devices.h"
#include "model/LadderProgram.h"
#include "model/MyPublic.h"
#include "platform/MessageBox.h"

namespace vx {
namespace {

void Tell(const std::string& text, MsgIcon icon) {
    ShowMessage({kProductTitle, text, icon, MsgButtons::Ok});
}

void TellUnreadable() {
    Tell("数值设置错误 ！", MsgIcon::Information);
}

std::string_view NumberPart(std::string_view operand) {
    return operand.empty() ? operand : operand.substr(1);
}

// Hexadecimal digits only; an empty text is 0. The value saturates instead of
// wrapping, so an absurdly long constant is simply "above the limit".
std::optional<std::int64_t> ParseHex(std::string_view text) {
    std::int64_t value = 0;
    for (char c : text) {
        int d = (c >= '0' && c <= '9')   ? c - '0'
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                         : -1;
        if (d < 0) return std::nullopt;
        value = value * 16 + d;
        if (value > 0xFFFFFFFFFFLL) value = 0xFFFFFFFFFFLL;
    }
    return value;
}

CheckedNumber CheckDevice(std::string_view operand, char letter, std::int32_t highest,
                          const char* prefix) {
    std::optional<std::int32_t> number = DecimalToInt(NumberPart(operand));
    if (!number) {
        TellUnreadable();
        return std::nullopt;
    }
    if (*number < 0 || *number > highest) {
        Tell(std::string(prefix) + letter + " 元件编号为 0-" + std::to_string(highest) + " ！",
             MsgIcon::Exclamation);
        return std::nullopt;
    }
    return number;
}

CheckedNumber CheckOctalDevice(std::string_view operand, const DeviceRange& range) {
    CheckedNumber number = CheckDevice(operand, range.letter, range.highest, "");
    if (!number) return number;
    if (operand.find_first_of("89") != std::string_view::npos) {
        Tell(std::string(1, range.letter) + " 元件编号不是 8 进制 ！", MsgIcon::Exclamation);
        return std::nullopt;
    }
    return number;
}

}  // namespace

CheckedNumber CheckXNumber(std::string_view operand) {
    return CheckOctalDevice(operand, kXRange);
}
CheckedNumber CheckYNumber(std::string_view operand) {
    return CheckOctalDevice(operand, kYRange);
}

CheckedNumber CheckPulseMNumber(std::string_view operand) {
    return CheckDevice(operand, 'M', kHighestPulseRelay, "脉冲指令: ");
}
CheckedNumber CheckMNumber(std::string_view operand) {
    return CheckDevice(operand, 'M', kMRange.highest, "");
}
CheckedNumber CheckSNumber(std::string_view operand) {
    return CheckDevice(operand, 'S', kSRange.highest, "");
}
CheckedNumber CheckTNumber(std::string_view operand) {
    return CheckDevice(operand, 'T', kTRange.highest, "");
}
CheckedNumber CheckCNumber(std::string_view operand) {
    return CheckDevice(operand, 'C', kCRange.highest, "");
}
CheckedNumber CheckDNumber(std::string_view operand) {
    return CheckDevice(operand, 'D', kDRange.highest, "");
}
CheckedNumber CheckD32Number(std::string_view operand) {
    return CheckDevice(operand, 'D', kHighestRegisterPair, "");
}

CheckedNumber CheckKValue(std::string_view operand, std::int32_t limit, std::int32_t lowest) {
    std::optional<std::int32_t> value = DecimalToInt(NumberPart(operand));
    if (!value) {
        TellUnreadable();
        return std::nullopt;
    }
    if (*value > limit) {
        Tell("设定值 K 超过 " + std::to_string(limit) + " ！", MsgIcon::Exclamation);
        return std::nullopt;
    }
    if (*value < lowest) {
        Tell("设定值 K 低于 " + std::to_string(lowest) + " ！", MsgIcon::Exclamation);
        return std::nullopt;
    }
    return value;
}

CheckedNumber CheckHValue(std::string_view operand, std::int32_t limit) {
    std::optional<std::int64_t> value = ParseHex(NumberPart(operand));
    if (!value) {
        TellUnreadable();
        return std::nullopt;
    }
    if (*value > limit) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(limit));
        Tell(std::string("设定值 H 超过 ") + hex + " ！", MsgIcon::Exclamation);
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*value);
}

}  // namespace vx
