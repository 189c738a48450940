// The rules of the save and backup dialog "保存和备份": what it shows of the
// settings and the project, which field texts it takes, and what OK stores.
//
// OK checks every field before it changes anything: an auto-save interval
// outside 1 to 99 minutes, two password entries that differ, or a password
// with a character the project file's GBK cannot hold (it would be stored as
// "?" and then refuse the very text the user typed), leave the
// settings, the auto-save timer and the project as they were, and the dialog
// stays open with its message.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vx {

inline constexpr int kMinAutoSaveMinutes = 1;
inline constexpr int kMaxAutoSaveMinutes = 99;
inline constexpr int kIntervalFieldDigits = 2;
inline constexpr int kPasswordFieldLength = 12;

// What the dialog edits: the three auto-save settings and the project's
// password with its flag.
struct SavBakValues {
    std::int32_t autoSavBakFun = 0;       // 1: auto-save on
    std::int32_t autoSavBakInterval = 0;  // minutes
    std::int32_t autoTempBakFun = 0;      // 1: keep a ".BAK" copy on save
    std::string password;                 // the project's password, case-sensitive
    std::int32_t passwordFlag = 0;        // 1: the project asks for it when opened

    bool operator==(const SavBakValues&) const = default;
};

// The dialog's fields.
struct SavBakFields {
    bool autoSave = false;    // CheckBox1
    std::string interval;     // Edit1
    bool backup = false;      // CheckBox2
    bool passwordOn = false;  // CheckBox3
    std::string password;     // Edit2
    std::string confirm;      // Edit3
};

// The fields as the dialog shows them: the ticks from the values, the
// interval as its decimal text ("1" for 0: the field never shows a lone "0"),
// the stored password in both password fields.
SavBakFields SavBakShown(const SavBakValues& values);

// The interval field after an edit: digits only, at most two, and a lone
// "0" becomes "1" at once.
std::string IntervalFieldText(const std::string& typed);

// The interval a field text stands for: a number of 1 to 99, else nothing
// (empty, "0", "00", anything not a number).
std::optional<int> IntervalMinutes(const std::string& text);

enum class SavBakFault {
    None,
    Interval,          // auto-save on with no interval of 1 to 99 minutes
    PasswordMismatch,  // the two password entries differ
    PasswordText,      // a character of the password that the project file cannot keep
};

struct SavBakOutcome {
    SavBakFault fault = SavBakFault::None;
    SavBakValues values;  // what OK stores; the values before when there is a fault
};

// OK: every field checked first, then everything stored. With auto-save off
// an unusable interval is not a fault and the interval stays as it was.
// Unticking the password keeps its text and clears the flag.
SavBakOutcome SavBakConfirm(const SavBakFields& fields, const SavBakValues& before);

// The message of a fault, in Chinese or English; empty for None.
std::string SavBakMessage(SavBakFault fault, bool chinese);

// The auto-save timer's period for an interval in minutes.
constexpr std::int64_t AutoSaveMilliseconds(int minutes) {
    return static_cast<std::int64_t>(minutes) * 60000;
}

}  // namespace vx
