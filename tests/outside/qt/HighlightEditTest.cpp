// The C editor: GBK in and out, saving only when the user saves.
#include "outside/qt/HighlightEdit.h"

#include <gtest/gtest.h>

#include <QTest>

#include "platform/FileIo.h"
#include "platform/Text.h"
#include "support/MessageRecorder.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::MessageRecorder;
using test::ReadTestFile;
using test::TempFolder;
using test::WriteTestFile;

TEST(HighlightEditTest, LoadsAndSavesGbkWithCrLf) {
    TempFolder dir;
    const std::string path = dir / "泵站.PLCC";
    WriteTestFile(path, Utf8ToGbk("// 注释\r\nvoid  function1(void)\r\n{\r\n}\r\n"));
    THighlightEditFrm frm("高级语言-[" + QString::fromStdString(path) + "]", path);
    ASSERT_TRUE(frm.Load());
    EXPECT_EQ(frm.Editor()->toPlainText(), QString("// 注释\nvoid  function1(void)\n{\n}\n"));
    EXPECT_FALSE(frm.Modified());

    frm.Editor()->appendPlainText("/* 新 */");
    EXPECT_TRUE(frm.Modified());
    ASSERT_TRUE(frm.Save());
    EXPECT_FALSE(frm.Modified());
    EXPECT_EQ(GbkToUtf8(ReadTestFile(path)),
              "// 注释\r\nvoid  function1(void)\r\n{\r\n}\r\n\r\n/* 新 */");
}

TEST(HighlightEditTest, ClosingWritesOnlyWhatTheUserSaves) {
    TempFolder dir;
    const std::string path = dir / "a.PLCC";
    WriteTestFile(path, "void  function1(void)\r\n{\r\n}\r\n");
    MessageRecorder messages;
    {
        THighlightEditFrm frm("C Language-[a]", path);
        frm.Load();
        frm.show();
        frm.reject();
        EXPECT_TRUE(messages.Messages().empty()) << "nothing changed, nothing asked";
    }
    {
        THighlightEditFrm frm("C Language-[a]", path);
        frm.Load();
        frm.show();
        frm.Editor()->appendPlainText("x");
        messages.Answer(MsgAnswer::Cancel);
        frm.reject();
        EXPECT_TRUE(frm.isVisible()) << "cancel keeps editing";
        EXPECT_EQ(messages.Last().text, "The function has changed. Save it?");
        messages.Answer(MsgAnswer::No);
        frm.reject();
        EXPECT_FALSE(frm.isVisible());
    }
    EXPECT_EQ(ReadTestFile(path), "void  function1(void)\r\n{\r\n}\r\n");
    {
        THighlightEditFrm frm("高级语言-[a]", path);
        frm.Load();
        frm.show();
        frm.Editor()->selectAll();
        frm.Editor()->insertPlainText("int a;");
        messages.Answer(MsgAnswer::Yes);
        frm.reject();
        EXPECT_EQ(messages.Last().text, "函数已修改，是否保存 ？");
    }
    EXPECT_EQ(ReadTestFile(path), "int a;");
}

TEST(HighlightEditTest, ThePresenterStandsInForTheWindow) {
    std::string seen;
    HighlightEditPresenter old = SetHighlightEditPresenter(
        [&](QWidget*, const std::string& caption, const std::string&) { seen = caption; });
    ShowHighlightEdit(nullptr, "高级语言-[x]", "x");
    EXPECT_EQ(seen, "高级语言-[x]");
    SetHighlightEditPresenter(old);
}

}  // namespace
}  // namespace vx
