#include "build/PlcSource.h"

namespace vx {
namespace {

constexpr std::string_view kEol = "\r\n";

void AddLine(std::string& text, std::string_view line) {
    text += line;
    text += kEol;
}

void AddLines(std::string& text, std::string_view block) {
    for (const std::string& line : SplitLines(block))
        AddLine(text, line);
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::string PlcSourceText(const CompileValues& values, const std::vector<std::string>& sysIniTable,
                          std::string_view macroText, std::string_view subText) {
    std::string text;
    AddLine(text, "#include \"plc.h\"");
    AddLine(text, "");
    AddLine(text, "const INT16U SysIni_TAB[]=");
    AddLine(text, "{ ");
    std::string table = "  ";
    for (std::size_t i = 0; i < sysIniTable.size(); ++i) {
        if (i > 0) table += ',';
        table += sysIniTable[i];
    }
    AddLine(text, table);
    AddLine(text, "};");
    AddLine(text, "void LadderACT(void)");
    AddLine(text, "{");
    AddLine(text, "");
    AddLines(text, macroText);
    AddLine(text, "}");
    AddLines(text, subText);
    AddLine(text, "//==============================================");
    AddLine(text, "void  PLCact(void)");
    AddLine(text, "{");
    AddLine(text, "  LadderACT();");
    if (values.cBlock || values.cLibrary) AddLine(text, "  function1();");
    if (values.plugin) AddLine(text, "  Plu_Handle();");
    AddLine(text, "  Sec_CLK_ON=FALSE;");
    AddLine(text, "}");
    return text;
}

std::string CBlockSourceText(std::string_view cBlock) {
    std::string text = "#include \"plc.h\"\r\n";
    text += cBlock;
    return text;
}

}  // namespace vx
