#include "editor/SavBak.h"

#include <gtest/gtest.h>

#include <ostream>

#include "platform/Text.h"

namespace vx {

void PrintTo(const SavBakValues& v, std::ostream* out) {
    *out << "{auto-save " << v.autoSavBakFun << ", " << v.autoSavBakInterval << " min, backup "
         << v.autoTempBakFun << ", password \"" << v.password << "\" flag " << v.passwordFlag
         << "}";
}

namespace {

SavBakValues Stored() {
    SavBakValues v;
    v.autoSavBakFun = 1;
    v.autoSavBakInterval = 5;
    v.autoTempBakFun = 0;
    v.password = "Secret";
    v.passwordFlag = 1;
    return v;
}

TEST(SavBakFields, ShowTheSettingsAndTheStoredPasswordTwice) {
    const SavBakFields f = SavBakShown(Stored());
    EXPECT_TRUE(f.autoSave);
    EXPECT_EQ(f.interval, "5");
    EXPECT_FALSE(f.backup);
    EXPECT_TRUE(f.passwordOn);
    EXPECT_EQ(f.password, "Secret");
    EXPECT_EQ(f.confirm, "Secret");

    SavBakValues off;  // a settings file without the auto-save keys reads 0
    const SavBakFields g = SavBakShown(off);
    EXPECT_FALSE(g.autoSave);
    EXPECT_EQ(g.interval, "1") << "the field never shows a lone 0";
    EXPECT_FALSE(g.passwordOn);
    off.autoSavBakInterval = 150;
    EXPECT_EQ(SavBakShown(off).interval, "150") << "shown as stored, refused on OK";
}

TEST(SavBakFields, IntervalTakesTwoDigitsAndNeverALoneZero) {
    EXPECT_EQ(IntervalFieldText("0"), "1");
    EXPECT_EQ(IntervalFieldText("00"), "00") << "not a lone 0: refused on OK";
    EXPECT_EQ(IntervalFieldText("5a"), "5");
    EXPECT_EQ(IntervalFieldText("123"), "12");
    EXPECT_EQ(IntervalFieldText(""), "");

    EXPECT_EQ(IntervalMinutes("1"), 1);
    EXPECT_EQ(IntervalMinutes("01"), 1);
    EXPECT_EQ(IntervalMinutes("99"), 99);
    for (const char* bad : {"", "0", "00", "100", "-5", " 5", "x"}) {
        EXPECT_FALSE(IntervalMinutes(bad)) << '"' << bad << '"';
    }
    EXPECT_EQ(AutoSaveMilliseconds(5), 300000);
    EXPECT_EQ(AutoSaveMilliseconds(99), 5940000);
}

TEST(SavBakConfirm, StoresEveryField) {
    SavBakFields f = SavBakShown(Stored());
    f.autoSave = false;
    f.interval = "12";
    f.backup = true;
    f.password = f.confirm = "abc";
    const SavBakOutcome out = SavBakConfirm(f, Stored());
    EXPECT_EQ(out.fault, SavBakFault::None);
    EXPECT_EQ(out.values.autoSavBakFun, 0);
    EXPECT_EQ(out.values.autoSavBakInterval, 12);
    EXPECT_EQ(out.values.autoTempBakFun, 1);
    EXPECT_EQ(out.values.password, "abc");
    EXPECT_EQ(out.values.passwordFlag, 1);
}

TEST(SavBakConfirm, UntickingThePasswordClearsTheFlagAndKeepsTheText) {
    SavBakFields f = SavBakShown(Stored());
    f.passwordOn = false;
    f.password = "typed";
    f.confirm = "but different";
    const SavBakOutcome out = SavBakConfirm(f, Stored());
    EXPECT_EQ(out.fault, SavBakFault::None) << "unticked, the entries are not compared";
    EXPECT_EQ(out.values.passwordFlag, 0);
    EXPECT_EQ(out.values.password, "Secret");
}

TEST(SavBakConfirm, PasswordsDifferingInTheCaseOfOneLetterChangeNothing) {
    SavBakValues before = Stored();
    before.passwordFlag = 0;
    SavBakFields f = SavBakShown(before);
    f.autoSave = false;  // these would be applied by a dialog that stored before checking
    f.interval = "30";
    f.backup = true;
    f.passwordOn = true;
    f.password = "Plc2024";
    f.confirm = "plc2024";
    const SavBakOutcome out = SavBakConfirm(f, before);
    EXPECT_EQ(out.fault, SavBakFault::PasswordMismatch);
    EXPECT_EQ(out.values, before) << "nothing is applied before every field is checked";
}

TEST(SavBakConfirm, AnIntervalThatIsNoMinuteCountChangesNothing) {
    const SavBakValues before = Stored();
    for (const char* bad : {"", "00"}) {
        SCOPED_TRACE(bad);
        SavBakFields f = SavBakShown(before);
        f.interval = bad;
        f.backup = true;
        const SavBakOutcome out = SavBakConfirm(f, before);
        EXPECT_EQ(out.fault, SavBakFault::Interval) << "never a timer of 0 ms";
        EXPECT_EQ(out.values, before);
    }
    // With auto-save off the interval is not used: it stays as it was.
    SavBakFields f = SavBakShown(before);
    f.autoSave = false;
    f.interval = "00";
    const SavBakOutcome out = SavBakConfirm(f, before);
    EXPECT_EQ(out.fault, SavBakFault::None);
    EXPECT_EQ(out.values.autoSavBakFun, 0);
    EXPECT_EQ(out.values.autoSavBakInterval, 5);
}

TEST(SavBakConfirm, TheIntervalIsCheckedBeforeThePasswords) {
    SavBakFields f = SavBakShown(Stored());
    f.interval = "";
    f.confirm = "other";
    EXPECT_EQ(SavBakConfirm(f, Stored()).fault, SavBakFault::Interval);
}

TEST(SavBakConfirm, APasswordTheProjectFileCannotHoldIsRefused) {
    struct Case {
        const char* password;
        SavBakFault fault;
    } cases[] = {
        {"ß1", SavBakFault::PasswordText},
        {"ñandú", SavBakFault::PasswordText},
        {"pump\xF0\x9F\x98\x80", SavBakFault::PasswordText},  // an emoji
        {"Plc-2024?", SavBakFault::None},
        {"泵站密码", SavBakFault::None},
        {"lǘ", SavBakFault::None},  // a pinyin letter GBK holds
    };
    SavBakValues before = Stored();
    before.passwordFlag = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.password);
        SavBakFields f = SavBakShown(before);
        f.passwordOn = true;
        f.password = f.confirm = c.password;
        const SavBakOutcome out = SavBakConfirm(f, before);
        EXPECT_EQ(out.fault, c.fault);
        if (c.fault != SavBakFault::None) {
            EXPECT_EQ(out.values, before);
        }
        if (c.fault == SavBakFault::None) {
            EXPECT_EQ(out.values.password, c.password);
        }
    }
    SavBakFields off = SavBakShown(before);
    off.password = off.confirm = "ß1";
    EXPECT_EQ(SavBakConfirm(off, before).fault, SavBakFault::None) << "unticked: not stored";
}

TEST(SavBakMessages, InBothLanguages) {
    EXPECT_EQ(SavBakMessage(SavBakFault::PasswordMismatch, true), "两次输入密码不一致！");
    EXPECT_EQ(SavBakMessage(SavBakFault::PasswordMismatch, false),
              "The two input password does not match!");
    EXPECT_EQ(SavBakMessage(SavBakFault::Interval, true), "自动保存间隔分钟数应为 1 ~ 99 ！");
    EXPECT_EQ(SavBakMessage(SavBakFault::Interval, false),
              "The auto-save interval must be 1 to 99 minutes!");
    EXPECT_EQ(SavBakMessage(SavBakFault::PasswordText, true),
              "密码中有项目文件不能保存的字符，请只用字母、数字、符号和汉字 ！");
    EXPECT_TRUE(IsAscii(SavBakMessage(SavBakFault::PasswordText, false)));
    EXPECT_EQ(SavBakMessage(SavBakFault::None, true), "");
}

}  // namespace
}  // namespace vx
