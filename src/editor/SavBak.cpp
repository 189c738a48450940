#include "editor/SavBak.h"

#include "platform/Text.h"

namespace vx {

SavBakFields SavBakShown(const SavBakValues& values) {
    SavBakFields f;
    f.autoSave = values.autoSavBakFun == 1;
    f.interval = std::to_string(values.autoSavBakInterval);
    if (f.interval == "0") f.interval = "1";
    f.backup = values.autoTempBakFun == 1;
    f.passwordOn = values.passwordFlag == 1;
    f.password = values.password;
    f.confirm = values.password;
    return f;
}

std::string IntervalFieldText(const std::string& typed) {
    std::string digits;
    for (char c : typed) {
        if (c >= '0' && c <= '9' && digits.size() < kIntervalFieldDigits) digits += c;
    }
    return digits == "0" ? "1" : digits;
}

std::optional<int> IntervalMinutes(const std::string& text) {
    if (text.empty() || text.size() > kIntervalFieldDigits) return std::nullopt;
    int minutes = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        minutes = minutes * 10 + (c - '0');
    }
    if (minutes < kMinAutoSaveMinutes || minutes > kMaxAutoSaveMinutes) return std::nullopt;
    return minutes;
}

SavBakOutcome SavBakConfirm(const SavBakFields& fields, const SavBakValues& before) {
    SavBakOutcome outcome;
    outcome.values = before;
    const std::optional<int> minutes = IntervalMinutes(fields.interval);
    if (fields.autoSave && !minutes) {
        outcome.fault = SavBakFault::Interval;
        return outcome;
    }
    if (fields.passwordOn && fields.password != fields.confirm) {
        outcome.fault = SavBakFault::PasswordMismatch;
        return outcome;
    }
    if (fields.passwordOn && !GbkHolds(fields.password)) {
        outcome.fault = SavBakFault::PasswordText;
        return outcome;
    }
    SavBakValues& v = outcome.values;
    v.autoSavBakFun = fields.autoSave ? 1 : 0;
    if (minutes) v.autoSavBakInterval = *minutes;
    v.autoTempBakFun = fields.backup ? 1 : 0;
    if (fields.passwordOn) {
        v.password = fields.password;
        v.passwordFlag = 1;
    } else {
        v.passwordFlag = 0;
    }
    return outcome;
}

std::string SavBakMessage(SavBakFault fault, bool chinese) {
    switch (fault) {
        case SavBakFault::Interval:
            return chinese ? "自动保存间隔分钟数应为 1 ~ 99 ！"
                           : "The auto-save interval must be 1 to 99 minutes!";
        case SavBakFault::PasswordMismatch:
            return chinese ? "两次输入密码不一致！" : "The two input password does not match!";
        case SavBakFault::PasswordText:
            return chinese ? "密码中有项目文件不能保存的字符，请只用字母、数字、符号和汉字 ！"
                           : "The password has a character the project file cannot keep: "
                             "please use only Latin letters, digits, signs and Chinese "
                             "characters!";
        case SavBakFault::None:
            break;
    }
    return {};
}

}  // namespace vx
