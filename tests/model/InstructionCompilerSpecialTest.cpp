// Register-pair moves and conversions, increments, REF and the display text TXT.
#include <gtest/gtest.h>

#include "InstructionCompilerCases.h"

namespace vx {
namespace {

using test::BoxCase;
using test::ExpectBox;
using test::ExpectBoxes;
using test::ExpectRefusals;
using test::kOnlyD;
using test::kUnreadable;
using test::kWrongOperand;
using test::MessageRecorder;
using test::RefusalCase;

constexpr MsgIcon kInfo = MsgIcon::Information;
constexpr const char* kPairRange = "D 元件编号为 0-9998 ！";

TEST(PairMoves, ConstantsAreStoredAsTheirTwoHalves) {
    ExpectBoxes({
        BoxCase{"DMOV D0 D2", "DMOV D0 D2", "DMOV(0,2)"},
        {"DEMOV D4 D6", "DEMOV D4 D6", "DMOV(4,6)"},
        {"DMOV K70000 D0", "DMOV K70000 D0", "KMOV(4464,1,0)"},
        {"DMOV K-2 D0", "DMOV K-2 D0", "KMOV(65534,65535,0)"},
        {"DMOV K-1 D0", "DMOV K-1 D0", "KMOV(65535,65535,0)"},
        {"DMOV K999999999 D10", "DMOV K999999999 D10", "KMOV(51711,15258,10)"},
        {"DMOV H1 D0", "DMOV H00000001 D0", "KMOV(1,0,0)"},
        {"DMOV H7FFFFFFF D2", "DMOV H7FFFFFFF D2", "KMOV(65535,32767,2)"},
        {"DEMOV K1 D0", "DEMOV K1 D0", "KMOV(1,0,0)"},
        {"DEMOV E1.5 D10", "DEMOV E1.5 D10", "KMOV(0,16320,10)"},
        {"DEMOV E-2 D0", "DEMOV E-2 D0", "KMOV(0,49152,0)"},
        {"DEMOV E1E3 D0", "DEMOV E1E3 D0", "KMOV(0,17530,0)"},
        {"DEMOV E0.1 D0", "DEMOV E0.1 D0", "KMOV(52429,15820,0)"},
        {"demov e+1.5 d9998", "DEMOV E+1.5 D9998", "KMOV(0,16320,9998)"},
        {"DMOV E0 D0", "DMOV E0 D0", "KMOV(0,0,0)"},
        // The nearest single, as the value dialogs read it: these two lie
        // just below and just above a midpoint of two singles; the largest
        // single; a magnitude too small for one.
        {"DEMOV E3337579503303E6 D0", "DEMOV E3337579503303E6 D0", "KMOV(17883,24121,0)"},
        {"DEMOV E8175080333625E6 D0", "DEMOV E8175080333625E6 D0", "KMOV(59249,24290,0)"},
        {"DEMOV E3.4028235E38 D0", "DEMOV E3.4028235E38 D0", "KMOV(65535,32639,0)"},
        {"DEMOV E-1E-400 D0", "DEMOV E-1E-400 D0", "KMOV(0,32768,0)"},
    });
}

TEST(PairMoves, ConversionsTakeARegisterAndInvokeTheirOwnMacro) {
    ExpectBoxes({
        BoxCase{"SUM D0 D1", "SUM D0 D1", "SUM(0,1)"},
        {"BCD D5 D9999", "BCD D5 D9999", "BCD(5,9999)"},
        {"BIN D9999 D0", "BIN D9999 D0", "BIN(9999,0)"},
    });
}

TEST(PairMoves, Refusals) {
    ExpectRefusals({
        RefusalCase{"SUM K5 D0", kOnlyD},
        {"BCD H1 D0", kOnlyD},
        {"BIN E1 D0", kOnlyD},
        {"SUM K5 M0", kWrongOperand},
        {"DMOV M0 D0", kWrongOperand},
        {"DMOV D0 K1", kWrongOperand},
        {"DMOV D0", kWrongOperand},
        {"DMOV ", kWrongOperand},
        {"SUM X1 D0", kWrongOperand},
        {"DMOV D9999 D0", kPairRange},
        {"DEMOV D0 D9999", kPairRange},
        {"DMOV K1 D9999", kPairRange},
        {"SUM D10000 D0", "D 元件编号为 0-9999 ！"},
        {"DMOV K1000000000 D0", "设定值 K 超过 999999999 ！"},
        {"DMOV H80000000 D0", "设定值 H 超过 7FFFFFFF ！"},
        {"DEMOV E1.5X D0", kUnreadable, kInfo},
        {"DEMOV E D0", kUnreadable, kInfo},
        {"DEMOV E1E D0", kUnreadable, kInfo},
        {"DEMOV E1E40 D0", kUnreadable, kInfo},
        {"DEMOV EINF D0", kUnreadable, kInfo},
        {"DEMOV ENAN D0", kUnreadable, kInfo},
        {"DEMOV E++1 D0", kUnreadable, kInfo},
    });
}

TEST(Increments, RegistersAndIndexRegisters) {
    ExpectBoxes({
        BoxCase{"INC D5", "INC   D5", "INC (5)"},
        {"DEC D0", "DEC   D0", "DEC (0)"},
        {"ABS D9999", "ABS   D9999", "ABS (9999)"},
        {"SWAP D1", "SWAP   D1", "SWAP (1)"},
        {"NEG D2", "NEG   D2", "NEG (2)"},
        {"INC D05", "INC   D05", "INC (5)"},  // shown as typed
        {"INC Z", "INC Z", "VINC (Z)"},
        {"DEC V", "DEC V", "VDEC (V)"},
        {"NEG Z", "NEG Z", "VNEG (Z)"},
        {"DINC D5", "DINC  D5", "DINC (5)"},
        {"DDEC D0", "DDEC  D0", "DDEC (0)"},
        {"DABS D9998", "DABS  D9998", "DABS (9998)"},
        {"DNEG D2", "DNEG  D2", "DNEG (2)"},
    });
    ExpectRefusals({
        RefusalCase{"INC V0", kWrongOperand},
        {"INC ZZ", kWrongOperand},
        {"INC M0", "元件设置错误,只可用 D,V,Z ！"},
        {"INC K1", "元件设置错误,只可用 D,V,Z ！"},
        {"INC ", "元件设置错误,只可用 D,V,Z ！"},
        {"INC D10000", "D 元件编号为 0-9999 ！"},
        {"DINC V", kOnlyD},
        {"DNEG Z", kOnlyD},
        {"DABS ", kOnlyD},
        {"DINC D9999", kPairRange},
        {"DDEC DX", kUnreadable, kInfo},
    });
}

TEST(Refresh, GroupsOfInputsOrOutputsInOctal) {
    ExpectBoxes({
        BoxCase{"REF WX0", "REF WX0", "REF (0,0)"},
        {"REF WY20", "REF WY20", "REF (1,20)"},
        {"REF WX17", "REF WX17", "REF (0,17)"},
        {"ref wx010", "REF WX10", "REF (0,10)"},
    });
    ExpectRefusals({
        RefusalCase{"REF WX21", "REF指令的元件编号为 0-20 ！"},
        {"REF WX-1", "REF指令的元件编号为 0-20 ！"},
        {"REF WY28", "REF指令的元件编号为 0-20 ！"},
        {"REF WX18", "XY 元件编号不是 8 进制 ！"},
        {"REF WY9", "XY 元件编号不是 8 进制 ！"},
        {"REF WM0", kWrongOperand},
        {"REF X0", kWrongOperand},
        {"REF WX", kUnreadable, kInfo},
        {"REF WXA", kUnreadable, kInfo},
    });
}

TEST(DisplayText, TheTextIsTheRestJoinedWithSingleBlanks) {
    ExpectBoxes({
        BoxCase{"TXT K0 K0 AB CD", "TXT K0 K0 AB CD ", "TXT (0,0,\"AB CD \")"},
        {"TXT K3 K7 HELLO", "TXT K3 K7 HELLO  ", "TXT (3,7,\"HELLO  \")"},
        {"txt k1 k2 ab", "TXT K1 K2 AB  ", "TXT (1,2,\"AB  \")"},
        {"TXT K0 K0 A B C D E", "TXT K0 K0 A B C D E", "TXT (0,0,\"A B C D E\")"},
        {"TXT K1 K2 温度", "TXT K1 K2 温度  ", "TXT (1,2,\"温度  \")"},
        {"TXT K0 K0 ABCDEFGHIJ", "TXT K0 K0 ABCDEFGHIJ  ", "TXT (0,0,\"ABCDEFGHIJ  \")"},
        {"TXT K0 K0 温度设定值", "TXT K0 K0 温度设定值  ", "TXT (0,0,\"温度设定值  \")"},
        {"TXT K0 K0 ＡＢ", "TXT K0 K0 ＡＢ  ", "TXT (0,0,\"ＡＢ  \")"},
    });
}

TEST(DisplayText, ALongerTextIsCutOnACharacterBoundaryAndTheUserIsTold) {
    struct Case {
        const char* text;
        const char* kept;
    };
    const Case cases[] = {
        {"TXT K0 K0 ABCDEFGHIJKLMN", "ABCDEFGHIJKL"},
        {"TXT K0 K0 ABCDEFGHIJK", "ABCDEFGHIJK "},
        // Each Chinese character takes two of the twelve places.
        {"TXT K0 K0 温度设定值上限报警", "温度设定值上"},
        // A character that does not fit whole leaves its place blank.
        {"TXT K0 K0 A温度设定值上限", "A温度设定值 "},
        {"TXT K0 K0 ABCDEFGHIJ 中X", "ABCDEFGHIJ  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        MessageRecorder recorder;
        std::optional<InstructionEntry> entry =
            CompileFunctionInstruction(c.text, 12, 3, test::EmptyCells());
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->writes[0].first, std::string("TXT K0 K0 ") + c.kept);
        EXPECT_EQ(entry->writes[0].second, std::string("TXT (0,0,\"") + c.kept + "\")");
        ASSERT_EQ(recorder.Count(), 1u);
        EXPECT_EQ(recorder.Last().text,
                  std::string("输入的文本内容长度 >12 ！\r只能保留:") + c.kept);
        EXPECT_EQ(recorder.Last().icon, MsgIcon::Exclamation);
        EXPECT_EQ(recorder.Last().caption, "KZ6-Quillary");
    }
}

// The converter derives a cell's C text afresh from its first text; the text
// the entry stored must give the same cell again.
TEST(DisplayText, TheStoredTextGivesTheSameCellAgain) {
    const char* const typed[] = {
        "TXT K0 K7 ABCDEFGHIJ 中X",
        "TXT K3 K0 A温度设定值上限",
        "TXT K0 K0 AB",
        "TXT K1 K2 A B ",
        "TXT K0 K0 ABCDEFGHI J KL",
        "TXT K0 K0 AB 中文中文中文",
        "TXT K2 K5 温度设定值上限报警",
        "TXT K0 K0 ABCDEFGHIJK",
        "TXT K0 K0 A  B",
        "TXT K0 K0",
        "TXT K0 K7 中 ABCDEFGHIJ",
        "TXT K3 K7 ABCDEFGHIJ   ",
    };
    for (const char* text : typed) {
        SCOPED_TRACE(text);
        MessageRecorder typing;
        std::optional<InstructionEntry> entry =
            CompileFunctionInstruction(text, 12, 3, test::EmptyCells());
        ASSERT_TRUE(entry) << (typing.Count() ? typing.Last().text : "");
        MessageRecorder again;
        std::optional<InstructionEntry> stored =
            CompileFunctionInstruction(entry->writes[0].first, 12, 3, test::EmptyCells());
        ASSERT_TRUE(stored) << (again.Count() ? again.Last().text : "");
        EXPECT_EQ(stored->writes[0], entry->writes[0]);
        // Joining the words again may add blanks beyond the twelve places,
        // which are cut off with the usual notice; nothing else is said.
        if (again.Count() > 0) {
            EXPECT_EQ(again.Count(), 1u);
            EXPECT_EQ(again.Last().text,
                      "输入的文本内容长度 >12 ！\r只能保留:" + entry->writes[0].first.substr(10));
        }
    }
}

TEST(DisplayText, Refusals) {
    constexpr const char* kUnusable = "输入的文本内容存在不能使用的字符 ！";
    ExpectRefusals({
        RefusalCase{"TXT K0 K0 A\"B", "输入的文本内容存在[“”]"},
        {"TXT K0 K0 \"", "输入的文本内容存在[“”]"},
        {"TXT K0 K0 A\\B", "输入的文本内容存在[\\]"},
        {"TXT K0 K0 C:\\N", "输入的文本内容存在[\\]"},
        {"TXT K0 K0 A\tB", kUnusable},
        {"TXT K0 K0 A\nB", kUnusable},
        {"TXT K0 K0 \xF0\x9F\x98\x80", kUnusable},  // no GBK form
        {"TXT K0 K0 \xFF\xFE", kUnusable},          // not UTF-8
        {"TXT K0 K0 誠", kUnusable},                // GBK D5 5C: a backslash in the C text
        {"TXT K0 K0 AB 衆人", kUnusable},           // GBK D0 5C
        {"TXT K4 K0 AB", "设定值 K 超过 3 ！"},
        {"TXT K0 K8 AB", "设定值 K 超过 7 ！"},
        {"TXT D0 K0 AB", kWrongOperand},
        {"TXT K0 D0 AB", kWrongOperand},
        {"TXT K0", kWrongOperand},
        {"TXT KX K0 AB", kUnreadable, kInfo},
        {"TXT K-100 K-100 ABCDEFGHIJKLMN", "设定值 K 低于 0 ！"},
    });
}

}  // namespace
}  // namespace vx
