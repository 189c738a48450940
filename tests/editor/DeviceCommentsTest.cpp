#include "editor/DeviceComments.h"

#include <gtest/gtest.h>

#include "platform/Text.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

TEST(DeviceComments, RowsAreLabelledAsShown) {
    EXPECT_EQ(DeviceComments::RowLabel(DeviceKind::X, 0), " X0");
    EXPECT_EQ(DeviceComments::RowLabel(DeviceKind::X, 15), " X17");
    EXPECT_EQ(DeviceComments::RowLabel(DeviceKind::Y, 255), " Y377");
    EXPECT_EQ(DeviceComments::RowLabel(DeviceKind::M, 9999), " M9999");
    EXPECT_EQ(DeviceComments::RowLabel(DeviceKind::D, 100), " D100");
}

TEST(DeviceComments, DeviceCodesFindTheirRow) {
    DeviceComments comments;
    ASSERT_TRUE(comments.SetComment(DeviceKind::X, 8, "启动按钮"));
    ASSERT_TRUE(comments.SetComment(DeviceKind::T, 5, "延时"));
    ASSERT_TRUE(comments.SetComment(DeviceKind::C, 199, "last counter"));
    // X10 is written in octal: index 8.
    EXPECT_EQ(comments.CommentOf(MakeDeviceCode(DeviceKind::X, 10)), "启动按钮");
    EXPECT_EQ(comments.CommentOf(MakeDeviceCode(DeviceKind::T, 5)), "延时");
    EXPECT_EQ(comments.CommentOf(MakeDeviceCode(DeviceKind::TValue, 5)), "延时")
        << "a timer's current value shares the timer's comment";
    EXPECT_EQ(comments.CommentOf(MakeDeviceCode(DeviceKind::CValue, 199)), "last counter");
    EXPECT_EQ(comments.CommentOf(kNoDevice), "");
    EXPECT_EQ(comments.CommentOf(MakeDeviceCode(DeviceKind::C, 200)), "");
    EXPECT_EQ(comments.CommentOf(9 + 256), "") << "no such kind";
    EXPECT_FALSE(comments.SetComment(DeviceKind::S, 200, "beyond the table"));
    EXPECT_FALSE(comments.SetCommentOf(kNoDevice, "nothing"));
    EXPECT_TRUE(comments.SetCommentOf(MakeDeviceCode(DeviceKind::Y, 377), "last output"));
    EXPECT_EQ(comments.Comment(DeviceKind::Y, 255), "last output");

    const std::optional<CommentSlot> slot = CommentSlotOf(MakeDeviceCode(DeviceKind::Y, 17));
    ASSERT_TRUE(slot.has_value());
    EXPECT_EQ(slot->kind, DeviceKind::Y);
    EXPECT_EQ(slot->index, 15);
}

TEST(DeviceComments, SystemDefaultsFillOnlyEmptyComments) {
    DeviceComments comments;
    comments.SetComment(DeviceKind::M, 2000, "我的注释");
    SysRemark(comments);
    EXPECT_EQ(comments.Comment(DeviceKind::M, 2000), "我的注释");
    EXPECT_EQ(comments.Comment(DeviceKind::M, 2001), "RUN常开");
    EXPECT_EQ(comments.Comment(DeviceKind::M, 2003), "");
    EXPECT_EQ(comments.Comment(DeviceKind::M, 2025), "KT5");
    EXPECT_EQ(comments.Comment(DeviceKind::M, 2037), "E1KT11");
    EXPECT_EQ(comments.Comment(DeviceKind::M, 2050), "AD1使用");
    EXPECT_EQ(comments.Comment(DeviceKind::M, 2073), "编码器3归零");
    EXPECT_EQ(comments.Comment(DeviceKind::M, 2083), "DA4预调中");
    EXPECT_EQ(comments.Comment(DeviceKind::D, 2000), "温度K0");
    EXPECT_EQ(comments.Comment(DeviceKind::D, 2018), "温度E1K11");
    EXPECT_EQ(comments.Comment(DeviceKind::D, 2069), "DA10输出");
    EXPECT_EQ(comments.Comment(DeviceKind::D, 2079), "DA4反馈");
    EXPECT_EQ(comments.Comment(DeviceKind::D, 2099), "BEEP标志");
    EXPECT_EQ(comments.Comment(DeviceKind::D, 90), "RTC.时分");
    EXPECT_EQ(comments.Comment(DeviceKind::D, 97), "系统起始");

    DeviceComments fresh;
    SysRemark(fresh);
    int filled = 0;
    for (DeviceKind kind : kCommentTableKinds) {
        for (int i = 0; i < DeviceComments::Rows(kind); ++i)
            filled += fresh.Comment(kind, i).empty() ? 0 : 1;
    }
    EXPECT_EQ(filled, 169);
}

TEST(RcmFile, NameFollowsTheProject) {
    EXPECT_EQ(RcmPathOf("/home/u/工程/a.PSP"), "/home/u/工程/a.Rcm");
    EXPECT_EQ(RcmPathOf("/home/u.d/project"), "/home/u.d/project.Rcm");
    EXPECT_EQ(RcmPathOf("Torvin0"), "Torvin0.Rcm");
}

TEST(RcmFile, CommentsComeBackWithChineseTextInGbk) {
    TempFolder dir;
    const std::string path = dir / "a.Rcm";
    DeviceComments comments;
    comments.SetComment(DeviceKind::X, 15, "启动按钮");
    comments.SetComment(DeviceKind::Y, 0, "Motor on");
    comments.SetComment(DeviceKind::M, 9999, "最后");
    comments.SetComment(DeviceKind::S, 3, "步3");
    comments.SetComment(DeviceKind::T, 399, "T last");
    comments.SetComment(DeviceKind::C, 0, "计数");
    comments.SetComment(DeviceKind::D, 100, "速度设定");
    comments.SetComment(DeviceKind::M, 2000, "用户的");
    ASSERT_TRUE(SaveRcmFile(path, comments));

    const std::string bytes = ReadTestFile(path);
    EXPECT_NE(bytes.find("[Comment]\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nX17=" + Utf8ToGbk("启动按钮") + "\r\n"), std::string::npos)
        << "keys without the label's leading blank, values in GBK";
    EXPECT_EQ(bytes.find(" X17"), std::string::npos);
    EXPECT_EQ(bytes.find("X0="), std::string::npos) << "empty comments are not written";
    EXPECT_LT(bytes.find("X17="), bytes.find("Y0=")) << "tables in the order X, Y, M ...";
    EXPECT_LT(bytes.find("C0="), bytes.find("D100="));

    DeviceComments read;
    read.SetComment(DeviceKind::M, 7, "replaced by the file");
    ASSERT_TRUE(OpenRcmFile(path, read));
    EXPECT_EQ(read.Comment(DeviceKind::X, 15), "启动按钮");
    EXPECT_EQ(read.Comment(DeviceKind::M, 9999), "最后");
    EXPECT_EQ(read.Comment(DeviceKind::D, 100), "速度设定");
    EXPECT_EQ(read.Comment(DeviceKind::M, 7), "") << "a device the file does not name is emptied";
    EXPECT_EQ(read.Comment(DeviceKind::M, 2000), "用户的");
    EXPECT_EQ(read.Comment(DeviceKind::M, 2001), "RUN常开") << "then the system defaults";

    DeviceComments expected = comments;
    SysRemark(expected);
    EXPECT_TRUE(read == expected);
}

// What an edit stores is what the file gives back: nothing changes on save.
TEST(RcmFile, ATypedCommentIsStoredAsTheFileKeepsIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"启动按钮", "启动按钮"},
        {"  电机 正转\t ", "电机 正转"},         // blanks and tabs at the ends
        {"第一行\r\n第二行", "第一行  第二行"},  // one line
        {"温度\xF0\x9F\x98\x80", "温度?"},       // no GBK form
        {"a\xFF", "a?"},                         // not UTF-8
        {"\"quoted\" = ;x", "\"quoted\" = ;x"},
        {"   ", ""},
    };
    TempFolder dir;
    const std::string path = dir / "a.Rcm";
    DeviceComments comments;
    int row = 0;
    for (const auto& [typed, kept] : cases) {
        EXPECT_EQ(CommentAsKept(typed), kept) << typed;
        comments.SetComment(DeviceKind::D, row++, CommentAsKept(typed));
    }
    ASSERT_TRUE(SaveRcmFile(path, comments));
    DeviceComments read;
    ASSERT_TRUE(OpenRcmFile(path, read));
    for (int r = 0; r < row; ++r)
        EXPECT_EQ(read.Comment(DeviceKind::D, r), comments.Comment(DeviceKind::D, r));
}

TEST(RcmFile, MissingFileLeavesTheCommentsAsTheyWere) {
    TempFolder dir;
    DeviceComments comments;
    comments.SetComment(DeviceKind::D, 5, "kept");
    EXPECT_FALSE(OpenRcmFile(dir / "none.Rcm", comments));
    EXPECT_EQ(comments.Comment(DeviceKind::D, 5), "kept");
    EXPECT_EQ(comments.Comment(DeviceKind::M, 2000), "") << "no defaults either";
}

TEST(RcmFile, ReadsKeysWrittenWithTheLeadingBlank) {
    TempFolder dir;
    const std::string path = dir / "old.Rcm";
    WriteTestFile(path, "[Comment]\r\n X17=" + Utf8ToGbk("旧注释") + "\r\n m12 = lower case\r\n");
    DeviceComments comments;
    ASSERT_TRUE(OpenRcmFile(path, comments));
    EXPECT_EQ(comments.Comment(DeviceKind::X, 15), "旧注释");
    EXPECT_EQ(comments.Comment(DeviceKind::M, 12), "lower case");
}

TEST(RcmFile, SavingReplacesTheCommentSectionAndKeepsTheRest) {
    TempFolder dir;
    const std::string path = dir / "b.Rcm";
    WriteTestFile(path, "[Other]\r\nkey=value\r\n[Comment]\r\nM1=gone\r\n");
    DeviceComments comments;
    comments.SetComment(DeviceKind::M, 2, "two\r\nlines");
    ASSERT_TRUE(SaveRcmFile(path, comments));
    const std::string bytes = ReadTestFile(path);
    EXPECT_NE(bytes.find("[Other]\r\nkey=value\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("M1="), std::string::npos);

    DeviceComments read;
    ASSERT_TRUE(OpenRcmFile(path, read));
    EXPECT_EQ(read.Comment(DeviceKind::M, 1), "");
    EXPECT_EQ(read.Comment(DeviceKind::M, 2), "two  lines") << "a comment stays one line";
}

}  // namespace
}  // namespace vx
