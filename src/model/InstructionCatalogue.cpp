#include "model/InstructionCatalogue.h"

#include <iterator>

namespace vx {
namespace {

// Each mnemonic with its description, category by category.
constexpr CatalogueEntry kCategory1[] = {
    {"SET", "动作保持 (ON)"}, {"RST", "接点或计数器清除"}, {"PLF", "下微分输出"},
    {"PLS", "上微分输出"},    {"ALT", "ON/OFF交替"},
};
constexpr CatalogueEntry kCategory2[] = {
    {"END", "程序结束"}, {"MC", "主控起始"},       {"MCR", "主控结束"},
    {"INV", "取反"},     {"DUTY", "产生定时脉冲"}, {"RAMP", "斜坡信号"},
};
constexpr CatalogueEntry kCategory3[] = {
    {"CJ", "条件跳转"},
    {"CALL", "调用子程序"},
    {"STL", "流程开始"},
    {"RET", "流程结束"},
    {"FEND", "首先结束"},
    {"FOR", "一个FOR-NEXT循环启动"},
    {"NEXT", "一个FOR-NEXT循环结束"},
};
constexpr CatalogueEntry kCategory4[] = {
    {"BON", "指定位状态的检查"},
    {"ZCP", "区域比较"},
    {"MOV", "数据传送"},
    {"CML", "反转传送"},
    {"XCH", "数据交换"},
    {"DMOV", "数据传送"},
    {"DEMOV", "浮点数传送"},
    {"BMOV", "全部传送"},
    {"FMOV", "多点移动"},
    {"WSFR", "字右移"},
    {"WSFL", "字左移"},
    {"SFWR", "移位写入[先入先出/先入后出控制用]"},
    {"SFRD", "移位读出[先入先出控制用]"},
    {"POP", "读取后入的数据[先入后出控制用]"},
};
constexpr CatalogueEntry kCategory5[] = {
    {"ADD", "BIN加法"},      {"DADD", "BIN加法"},     {"SUB", "BIN减法"},
    {"DSUB", "BIN减法"},     {"MUL", "BIN乘法"},      {"DMUL", "BIN乘法"},
    {"DIV", "BIN除法"},      {"DDIV", "BIN除法"},     {"INC", "BIN加一"},
    {"DINC", "BIN加一"},     {"DEC", "BIN减一"},      {"DDEC", "BIN减一"},
    {"WAND", "字逻辑和"},    {"WOR", "字逻辑或"},     {"WXOR", "排他逻辑或"},
    {"DEADD", "浮点数加法"}, {"DESUB", "浮点数减法"}, {"DEMUL", "浮点数乘法"},
    {"DEDIV", "浮点数除法"}, {"DECMP", "浮点数比较"}, {"HOUR", "计时表"},
};
constexpr CatalogueEntry kCategory6[] = {
    {"SFTR", "位右移"},
    {"SFTL", "位左移"},
    {"ROR", "右旋转"},
    {"ROL", "左旋转"},
};
constexpr CatalogueEntry kCategory7[] = {
    {"BCD", "BIN->BCD变换"},
    {"BIN", "BCD->BIN变换"},
    {"ABS", "绝对值"},
    {"DABS", "绝对值"},
    {"SWAP", "字节交换"},
    {"SUM", "有效位总数"},
    {"ZRST", "区域复位"},
    {"DECO", "译码"},
    {"ENCO", "编码"},
    {"DFLT", "整数->浮点数转换"},
    {"DINT", "浮点数->整数转换"},
    {"NEG", "求补码"},
    {"DNEG", "求补码"},
    {"WTOB", "字节分离"},
    {"BTOW", "字节结合"},
    {"MEAN", "计算数据的平均值"},
    {"WSUM", "计算数据的合计值"},
};
constexpr CatalogueEntry kCategory8[] = {
    {"REF", "IO立即刷新"},
    {"PLSR", "高速输出[脉冲数 速度 加减速 通道号]"},
    {"PLSF", "可变频率[脉冲数 速度 加减速 通道号]"},
    {"DPLSV", "可变频率[速度 输出Y 方向M/S/Y]"},
    {"DDRVI", "相对定位[脉冲数 速度 输出 方向]"},
    {"DDRVA", "绝对定位[脉冲数 速度 输出 方向]"},
    {"DZRN", "原点回归[速度 爬行 近点X/Y 输出Y]"},
    {"PWM", "脉宽调制[占空比 输出]"},
    {"SPD", "脉冲频率检测[输入端 接收时间 结果]"},
    {"PID", "PID运算[SV PV 参数 输出]"},
    {"SCAD", "AD线性变换"},
    {"FILT", "AD滤波器"},
    {"LADJ", "线性校准"},
};
constexpr CatalogueEntry kCategory9[] = {
    {"=", "比较 S1=S2 触点有效"},    {">", "比较 S1>S2 触点有效"},
    {"<", "比较 S1<S2 触点有效"},    {"<>", "比较 S1<>S2 触点有效"},
    {">=", "比较 S1>=S2 触点有效"},  {"<=", "比较 S1<=S2 触点有效"},
    {"D=", "比较 S1=S2 触点有效"},   {"D>", "比较 S1>S2 触点有效"},
    {"D<", "比较 S1<S2 触点有效"},   {"D<>", "比较 S1<>S2 触点有效"},
    {"D>=", "比较 S1>=S2 触点有效"}, {"D<=", "比较 S1<=S2 触点有效"},
};
constexpr CatalogueEntry kCategory10[] = {
    {"FROM", "扩充模块CR数据读出"},
    {"TO", "扩充模块CR数据写入"},
};
constexpr CatalogueEntry kCategory11[] = {
    {"MODRB", "MODBUS 01读取[站号 地址 长度]"},
    {"MODRD", "MODBUS 03读取[站号 地址 长度]"},
    {"MODRI", "MODBUS 04读取[站号 地址 长度]"},
    {"MODWB", "MODBUS 05写入[站号 地址 数据]"},
    {"MODWR", "MODBUS 06写入[站号 地址 数据]"},
    {"MODWL", "MODBUS 16写入[站号 地址 长度]"},
    {"RS1", "自由COM1[写长度 写数据 读长度 读数据]"},
    {"RS2", "自由COM2[写长度 写数据 读长度 读数据]"},
    {"RS3", "自由COM3[写长度 写数据 读长度 读数据]"},
    {"RS4", "自由CAN [写长度 写数据 读长度 读数据]"},
};
constexpr CatalogueEntry kCategory12[] = {
    {"TXT", "文本显示[行Y  列X  字符串]"},
    {"REG", "寄存器值[行Y  列X  寄存器  位数+小数]"},
    {"CLR", "LCD清屏"},
};

constexpr CatalogueCategory kCategories[] = {
    {"输出", kCategory1},         {"其它", kCategory2},      {"程序流", kCategory3},
    {"移动,比较等", kCategory4},  {"数学,逻辑", kCategory5}, {"旋转变化", kCategory6},
    {"数据", kCategory7},         {"高速处理", kCategory8},  {"比较触点", kCategory9},
    {"外部I/O端口", kCategory10}, {"通讯指令", kCategory11}, {"LCD终端指令", kCategory12},
};

constexpr const char* kAllInstructions = "所有应用指令";

// Letters and their ranges.
constexpr OperandChoice M{"M", "M0...M9999"};
constexpr OperandChoice S{"S", "S0...S199"};
constexpr OperandChoice Y{"Y", "Y0...Y377"};
constexpr OperandChoice C{"C", "C0...C199"};
constexpr OperandChoice T{"T", "T0...T399"};
constexpr OperandChoice D{"D", "D0...D9999"};
constexpr OperandChoice D9998{"D", "D0...D9998"};
constexpr OperandChoice D8999{"D", "D0...D8999"};
constexpr OperandChoice K{"K", "K0...K65535"};
constexpr OperandChoice H{"H", "H0...HFFFF"};
constexpr OperandChoice V{"V", "V"};
constexpr OperandChoice Z{"Z", "Z"};
constexpr OperandChoice WX{"WX", "WX0...WX377"};
constexpr OperandChoice WY{"WY", "WY0...WY377"};
constexpr OperandChoice WM{"WM", "WM0...WM9999"};
constexpr OperandChoice WS{"WS", "WS0...WS199"};
constexpr OperandChoice K0To99{"K", "K0...K99"};
constexpr OperandChoice K1To256{"K", "K1...K256"};
constexpr OperandChoice K0To255{"K", "K0...K255"};
constexpr OperandChoice K0To256{"K", "K0...K256"};

// The operand panels, group by group; each mnemonic stands in one group.
constexpr OperandLayout kLayouts[] = {
    {"SET ALT", 1, {{{M, S, Y}}}},
    {"RST", 1, {{{M, S, Y, C}}}},
    {"PLS PLF", 1, {{{M, S}}}},
    {"REF", 1, {{{OperandChoice{"WX", "WX0...WX20"}, OperandChoice{"WY", "WY0...WY20"}}}}},
    {"STL", 1, {{{S}}}},
    {"INC DEC ABS SWAP NEG DNEG", 1, {{{D, V, Z}}}},
    {"DINC DDEC DABS", 1, {{{D}}}},
    {"MOV", 2, {{{WX, WY, WM, WS, T, C, D, K, H, V, Z}, {WX, WY, WM, WS, D, V, Z}}}},
    {"CML", 2, {{{D, K, H}, {D}}}},
    {"ADD SUB MUL DIV WAND WOR WXOR", 3, {{{K, H, D}, {K, H, D}, {D}}}},
    {"MC MCR", 1, {{{OperandChoice{"N", "N0...N1"}}}}},
    {"CJ", 1, {{{OperandChoice{"P", "P0...P255"}}}}},
    {"CALL", 1, {{{OperandChoice{"S", "S0...S31"}}}}},
    {"DADD DSUB DMUL DDIV LADJ DEADD DESUB DEMUL DEDIV", 3, {{{D9998}, {D9998}, {D9998}}}},
    {"DMOV DEMOV",
     2,
     {{{OperandChoice{"K", "K0...K999999999"}, OperandChoice{"H", "H0...H7FFFFFFF"}, D9998},
       {D9998}}}},
    {"SUM BCD BIN", 2, {{{D9998}, {D9998}}}},
    {"BON",
     3,
     {{{D}, {M, S, Y}, {OperandChoice{"K", "K0...K15"}, OperandChoice{"H", "H0...H0F"}, D}}}},
    {"PLSR PLSF",
     4,
     {{{OperandChoice{"D", "D0...D9996"}}, {D9998}, {D}, {OperandChoice{"K", "K0...K7"}}}}},
    {"RAMP", 4, {{{D9998}, {D9998}, {D9998}, {OperandChoice{"K", "K1...K65535"}}}}},
    {"DPLSV", 3, {{{D}, {Y}, {M, S, Y}}}},
    {"DDRVI DDRVA", 4, {{{D9998}, {D9998}, {Y}, {S, Y}}}},
    {"DZRN", 4, {{{D9998}, {D9998}, {OperandChoice{"X", "X0...X377"}, Y}, {Y}}}},
    {"WSFR WSFL", 4, {{{D8999}, {D8999}, {K1To256}, {K1To256}}}},
    {"SFWR SFRD POP WSUM", 3, {{{D8999}, {D8999}, {K1To256}}}},
    {"MEAN", 3, {{{D8999}, {D8999}, {OperandChoice{"K", "K1...K64"}}}}},
    {"PWM",
     2,
     {{{D, OperandChoice{"K", "K0...K100"}, OperandChoice{"H", "H0...H64"}},
       {OperandChoice{"Y", "Y0...Y17"}}}}},
    {"SPD", 3, {{{OperandChoice{"X", "X0...X27"}}, {K, D}, {D}}}},
    {"PID", 4, {{{D}, {D}, {OperandChoice{"D", "D0...D9900"}}, {D}}}},
    {"SCAD FILT", 3, {{{D}, {K, D}, {D}}}},
    {"= > < <> >= <=", 2, {{{K, H, D}, {K, H, D}}}},
    {"D= D> D< D<> D>= D<= XCH DFLT DINT", 2, {{{D9998}, {D9998}}}},
    {"ROR ROL", 2, {{{D9998}, {OperandChoice{"K", "K1...K16"}}}}},
    {"FMOV", 3, {{{K, H, D9998}, {D9998}, {K0To99}}}},
    {"BMOV WTOB BTOW", 3, {{{D9998}, {D9998}, {K0To99}}}},
    {"DECMP HOUR", 3, {{{D9998}, {D9998}, {M, Y}}}},
    {"DUTY", 3, {{{D, K}, {D, K}, {OperandChoice{"M", "M8330...M8334"}}}}},
    {"ZRST SFTR SFTL", 2, {{{M, S}, {K0To99}}}},
    {"MODRB MODRD MODRI MODWB MODWL",
     3,
     {{{K0To255, V}, {K, H, V}, {OperandChoice{"K", "K0...K16"}, D}}}},
    {"MODWR", 3, {{{K0To255, V}, {K, H, V}, {K, D}}}},
    {"RS1 RS2 RS3 RS4", 4, {{{K0To256, V}, {D8999}, {K0To256, V}, {D8999}}}},
    {"TXT", 3, {{{OperandChoice{"K", "K0...K3"}}, {OperandChoice{"K", "K0...K7"}}, {}}}},
    {"REG",
     4,
     {{{OperandChoice{"K", "K0...K3"}},
       {OperandChoice{"K", "K0...K7"}},
       {D},
       {OperandChoice{"K", "K0...K55"}}}}},
};

bool WordListHolds(std::string_view words, std::string_view word) {
    while (!words.empty()) {
        const std::size_t blank = words.find(' ');
        if (words.substr(0, blank) == word) return true;
        if (blank == std::string_view::npos) break;
        words.remove_prefix(blank + 1);
    }
    return false;
}

}  // namespace

std::span<const CatalogueCategory> CatalogueCategories() {
    return kCategories;
}

std::vector<std::string> CatalogueCategoryNames() {
    std::vector<std::string> names{kAllInstructions};
    for (const CatalogueCategory& category : kCategories)
        names.emplace_back(category.name);
    return names;
}

std::vector<CatalogueEntry> CatalogueListing(int categoryEntry) {
    std::vector<CatalogueEntry> listing;
    const int count = static_cast<int>(std::size(kCategories));
    for (int k = 0; k < count; ++k) {
        if (categoryEntry != 0 && categoryEntry != k + 1) continue;
        for (const CatalogueEntry& entry : kCategories[k].entries)
            listing.push_back(entry);
    }
    return listing;
}

const OperandLayout* FindOperandLayout(std::string_view mnemonic) {
    if (mnemonic.empty()) return nullptr;
    for (const OperandLayout& layout : kLayouts) {
        if (WordListHolds(layout.mnemonics, mnemonic)) return &layout;
    }
    return nullptr;
}

int ChoiceForOperand(const OperandChoices& choices, std::string_view operand) {
    for (int i = 0; i < choices.count; ++i) {
        if (operand.find(choices.choices[i].letter) != std::string_view::npos) return i;
    }
    return 0;
}

std::string TakeIndexRegister(std::string& operand) {
    std::string index;
    for (char letter : {'V', 'Z'}) {
        if (operand.size() > 1 && operand.back() == letter) {
            operand.pop_back();
            index = std::string(1, letter);
        }
    }
    return index;
}

bool OffersIndexRegister(std::string_view mnemonicAsTyped, std::string_view letter) {
    return letter == "D" && (mnemonicAsTyped == "MOV" || mnemonicAsTyped == "mov");
}

std::string BuildCatalogueText(std::string_view mnemonicAsTyped,
                               const std::array<CatalogueOperand, kOperandPanels>& operands,
                               bool keepHandedOperands) {
    std::string text(mnemonicAsTyped);
    for (const CatalogueOperand& operand : operands) {
        if (!(operand.shown || keepHandedOperands) || operand.text.empty()) continue;
        text += ' ';
        text += operand.text;
        if (operand.shown) text += operand.index;
    }
    return text;
}

}  // namespace vx
