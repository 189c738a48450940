// The generated C sources: the whole PLC.c of a plain project, and how the C
// block, the C library and the plug-in change its scan entry.
#include "build/PlcSource.h"

#include <gtest/gtest.h>

#include <regex>

#include "editor/ProjectFile.h"
#include "platform/FileIo.h"

namespace vx {
namespace {

std::string Tail(const std::string& text, const std::string& from) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? std::string() : text.substr(at);
}

TEST(PlcSourceTest, PlcCOfAPlainProject) {
    const CompileValues values = ReadCompileValues(kDefaultSysParamString, false);
    const std::string text =
        PlcSourceText(values, SysIniTable(kDefaultSysParamString, kDefaultHoldParamString),
                      "  LD(X[0]);\n  OUT   (Y[0]);\n", "void CALL_Sub(unsigned char n)\r\n{\r\n}");
    EXPECT_EQ(text,
              "#include \"plc.h\"\r\n"
              "\r\n"
              "const INT16U SysIni_TAB[]=\r\n"
              "{ \r\n"
              "  4000,2300,1,3,100,2,9,2,0,0,0,5,0,0,1,0,100,100,101,102,103,200,201,0,0,0,0,0,"
              "0,1302,600,1355\r\n"
              "};\r\n"
              "void LadderACT(void)\r\n"
              "{\r\n"
              "\r\n"
              "  LD(X[0]);\r\n"
              "  OUT   (Y[0]);\r\n"
              "}\r\n"
              "void CALL_Sub(unsigned char n)\r\n"
              "{\r\n"
              "}\r\n"
              "//==============================================\r\n"
              "void  PLCact(void)\r\n"
              "{\r\n"
              "  LadderACT();\r\n"
              "  Sec_CLK_ON=FALSE;\r\n"
              "}\r\n");
}

TEST(PlcSourceTest, ScanEntryCallsTheCFunctionAndThePlugin) {
    auto entry = [](const char* flags, bool plugin) {
        std::string sys = kDefaultSysParamString;
        sys.replace(49, 2, flags);
        return Tail(PlcSourceText(ReadCompileValues(sys, plugin), {}, "", ""), "void  PLCact");
    };
    const std::string head = "void  PLCact(void)\r\n{\r\n  LadderACT();\r\n";
    const std::string end = "  Sec_CLK_ON=FALSE;\r\n}\r\n";
    EXPECT_EQ(entry("00", false), head + end);
    EXPECT_EQ(entry("01", false), head + "  function1();\r\n" + end) << "C block";
    EXPECT_EQ(entry("08", false), head + "  function1();\r\n" + end) << "C library";
    EXPECT_EQ(entry("00", true), head + "  Plu_Handle();\r\n" + end);
    EXPECT_EQ(entry("09", true), head + "  function1();\r\n  Plu_Handle();\r\n" + end);
}

TEST(PlcSourceTest, CBlockSourceAndLines) {
    EXPECT_EQ(CBlockSourceText("void  function1(void)\r\n{\r\n}\r\n"),
              "#include \"plc.h\"\r\nvoid  function1(void)\r\n{\r\n}\r\n");
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(PlcSourceTest, HeaderDeclaresWhatTheProgramUses) {
    const std::string header = kPlcHeaderText;
    for (const char* name :
         {"#define TRUE 0xff", "#define FALSE 0", "typedef volatile unsigned short INT16U;",
          "extern const INT16U SysIni_TAB[];", "void PLCact(void);", "void function1(void);",
          "void Plu_Handle(void);", "void CAN_Handle(void);", "void CALL_Sub(", "#define LDUPp(",
          "#define LD32CMP(", "#define LDL(", "#define LDZ(", "#define ORQ(", "#define TON(",
          "#define CALLs(", "#define KMOV("}) {
        EXPECT_NE(header.find(name), std::string::npos) << name;
    }
}

TEST(PlcSourceTest, TheReservedWordsPageNamesEveryMacroAndRoutine) {
    const std::string page = ReadWholeFile(VX_SOURCE_DIR "/data/KeyWord.htm").value_or("");
    ASSERT_FALSE(page.empty());
    const std::string header = kPlcHeaderText;
    const std::regex name(
        R"((?:#define|\n(?:void|unsigned char|unsigned short|int|float)\*?) +([A-Za-z_][A-Za-z_0-9]*))");
    int names = 0;
    for (auto it = std::sregex_iterator(header.begin(), header.end(), name);
         it != std::sregex_iterator(); ++it) {
        const std::string n = (*it)[1];
        if (n == "PLC_H" || n.starts_with("Ins_")) continue;
        ++names;
        EXPECT_TRUE(std::regex_search(page, std::regex("\\b" + n + "\\b"))) << n;
    }
    EXPECT_GT(names, 150);
}

}  // namespace
}  // namespace vx
