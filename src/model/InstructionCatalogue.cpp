#include "model/InstructionCatalogue.h"

#include <iterator>

namespace vx {
namespace {

// Each mnemonic with its description, category by category.
constexpr CatalogueEntry kCategory1[] = {
    {"SET", "动作保持 (ON)", "Set and hold ON"},
    {"RST", "接点或计数器清除", "Reset a contact or counter"},
    {"PLF", "下微分输出", "Pulse on falling edge"},
    {"PLS", "上微分输出", "Pulse on rising edge"},
    {"ALT", "ON/OFF交替", "Alternate ON/OFF"},
};
constexpr CatalogueEntry kCategory2[] = {
    {"END", "程序结束", "End of program"},
    {"MC", "主控起始", "Master control start"},
    {"MCR", "主控结束", "Master control end"},
    {"INV", "取反", "Invert"},
    {"DUTY", "产生定时脉冲", "Generate timed pulses"},
    {"RAMP", "斜坡信号", "Ramp signal"},
};
constexpr CatalogueEntry kCategory3[] = {
    {"CJ", "条件跳转", "Conditional jump"},
    {"CALL", "调用子程序", "Call subroutine"},
    {"STL", "流程开始", "Step ladder start"},
    {"RET", "流程结束", "Step ladder end"},
    {"FEND", "首先结束", "End of main program"},
    {"FOR", "一个FOR-NEXT循环启动", "Start of a FOR-NEXT loop"},
    {"NEXT", "一个FOR-NEXT循环结束", "End of a FOR-NEXT loop"},
};
constexpr CatalogueEntry kCategory4[] = {
    {"BON", "指定位状态的检查", "Check the state of a bit"},
    {"ZCP", "区域比较", "Zone compare"},
    {"MOV", "数据传送", "Move data"},
    {"CML", "反转传送", "Complement and move"},
    {"XCH", "数据交换", "Exchange data"},
    {"DMOV", "数据传送", "Move data (32-bit)"},
    {"DEMOV", "浮点数传送", "Move a floating-point value"},
    {"BMOV", "全部传送", "Block move"},
    {"FMOV", "多点移动", "Fill move"},
    {"WSFR", "字右移", "Word shift right"},
    {"WSFL", "字左移", "Word shift left"},
    {"SFWR", "移位写入[先入先出/先入后出控制用]", "Shift write [for FIFO/LIFO control]"},
    {"SFRD", "移位读出[先入先出控制用]", "Shift read [for FIFO control]"},
    {"POP", "读取后入的数据[先入后出控制用]", "Read the last data written [for LIFO control]"},
};
constexpr CatalogueEntry kCategory5[] = {
    {"ADD", "BIN加法", "BIN addition"},
    {"DADD", "BIN加法", "BIN addition (32-bit)"},
    {"SUB", "BIN减法", "BIN subtraction"},
    {"DSUB", "BIN减法", "BIN subtraction (32-bit)"},
    {"MUL", "BIN乘法", "BIN multiplication"},
    {"DMUL", "BIN乘法", "BIN multiplication (32-bit)"},
    {"DIV", "BIN除法", "BIN division"},
    {"DDIV", "BIN除法", "BIN division (32-bit)"},
    {"INC", "BIN加一", "BIN increment"},
    {"DINC", "BIN加一", "BIN increment (32-bit)"},
    {"DEC", "BIN减一", "BIN decrement"},
    {"DDEC", "BIN减一", "BIN decrement (32-bit)"},
    {"WAND", "字逻辑和", "Word logical AND"},
    {"WOR", "字逻辑或", "Word logical OR"},
    {"WXOR", "排他逻辑或", "Word exclusive OR"},
    {"DEADD", "浮点数加法", "Floating-point addition"},
    {"DESUB", "浮点数减法", "Floating-point subtraction"},
    {"DEMUL", "浮点数乘法", "Floating-point multiplication"},
    {"DEDIV", "浮点数除法", "Floating-point division"},
    {"DECMP", "浮点数比较", "Floating-point compare"},
    {"HOUR", "计时表", "Hour meter"},
};
constexpr CatalogueEntry kCategory6[] = {
    {"SFTR", "位右移", "Bit shift right"},
    {"SFTL", "位左移", "Bit shift left"},
    {"ROR", "右旋转", "Rotate right"},
    {"ROL", "左旋转", "Rotate left"},
};
constexpr CatalogueEntry kCategory7[] = {
    {"BCD", "BIN->BCD变换", "BIN->BCD conversion"},
    {"BIN", "BCD->BIN变换", "BCD->BIN conversion"},
    {"ABS", "绝对值", "Absolute value"},
    {"DABS", "绝对值", "Absolute value (32-bit)"},
    {"SWAP", "字节交换", "Swap high and low bytes"},
    {"SUM", "有效位总数", "Count the bits that are ON"},
    {"ZRST", "区域复位", "Zone reset"},
    {"DECO", "译码", "Decode"},
    {"ENCO", "编码", "Encode"},
    {"DFLT", "整数->浮点数转换", "Integer->floating-point conversion"},
    {"DINT", "浮点数->整数转换", "Floating-point->integer conversion"},
    {"NEG", "求补码", "Two's complement negation"},
    {"DNEG", "求补码", "Two's complement negation (32-bit)"},
    {"WTOB", "字节分离", "Split words into bytes"},
    {"BTOW", "字节结合", "Join bytes into words"},
    {"MEAN", "计算数据的平均值", "Mean of the data"},
    {"WSUM", "计算数据的合计值", "Sum of the data"},
};
constexpr CatalogueEntry kCategory8[] = {
    {"REF", "IO立即刷新", "Immediate I/O refresh"},
    {"PLSR", "高速输出[脉冲数 速度 加减速 通道号]",
     "High-speed pulse output [pulses speed accel/decel channel]"},
    {"PLSF", "可变频率[脉冲数 速度 加减速 通道号]",
     "Variable-frequency output [pulses speed accel/decel channel]"},
    {"DPLSV", "可变频率[速度 输出Y 方向M/S/Y]",
     "Variable-frequency output [speed output Y direction M/S/Y]"},
    {"DDRVI", "相对定位[脉冲数 速度 输出 方向]",
     "Relative positioning [pulses speed output direction]"},
    {"DDRVA", "绝对定位[脉冲数 速度 输出 方向]",
     "Absolute positioning [pulses speed output direction]"},
    {"DZRN", "原点回归[速度 爬行 近点X/Y 输出Y]",
     "Return to origin [speed creep near point X/Y output Y]"},
    {"PWM", "脉宽调制[占空比 输出]", "Pulse-width modulation [duty output]"},
    {"SPD", "脉冲频率检测[输入端 接收时间 结果]",
     "Pulse frequency measurement [input time result]"},
    {"PID", "PID运算[SV PV 参数 输出]", "PID control [SV PV parameters output]"},
    {"SCAD", "AD线性变换", "Analog linear scaling"},
    {"FILT", "AD滤波器", "Analog input filter"},
    {"LADJ", "线性校准", "Linear calibration"},
};
constexpr CatalogueEntry kCategory9[] = {
    {"=", "比较 S1=S2 触点有效", "Contact ON when S1=S2"},
    {">", "比较 S1>S2 触点有效", "Contact ON when S1>S2"},
    {"<", "比较 S1<S2 触点有效", "Contact ON when S1<S2"},
    {"<>", "比较 S1<>S2 触点有效", "Contact ON when S1<>S2"},
    {">=", "比较 S1>=S2 触点有效", "Contact ON when S1>=S2"},
    {"<=", "比较 S1<=S2 触点有效", "Contact ON when S1<=S2"},
    {"D=", "比较 S1=S2 触点有效", "Contact ON when S1=S2 (32-bit)"},
    {"D>", "比较 S1>S2 触点有效", "Contact ON when S1>S2 (32-bit)"},
    {"D<", "比较 S1<S2 触点有效", "Contact ON when S1<S2 (32-bit)"},
    {"D<>", "比较 S1<>S2 触点有效", "Contact ON when S1<>S2 (32-bit)"},
    {"D>=", "比较 S1>=S2 触点有效", "Contact ON when S1>=S2 (32-bit)"},
    {"D<=", "比较 S1<=S2 触点有效", "Contact ON when S1<=S2 (32-bit)"},
};
constexpr CatalogueEntry kCategory10[] = {
    {"FROM", "扩充模块CR数据读出", "Read the buffer memory (CR) of an extension module"},
    {"TO", "扩充模块CR数据写入", "Write the buffer memory (CR) of an extension module"},
};
constexpr CatalogueEntry kCategory11[] = {
    {"MODRB", "MODBUS 01读取[站号 地址 长度]", "MODBUS 01 read coils [station address length]"},
    {"MODRD", "MODBUS 03读取[站号 地址 长度]",
     "MODBUS 03 read holding registers [station address length]"},
    {"MODRI", "MODBUS 04读取[站号 地址 长度]",
     "MODBUS 04 read input registers [station address length]"},
    {"MODWB", "MODBUS 05写入[站号 地址 数据]", "MODBUS 05 write a coil [station address data]"},
    {"MODWR", "MODBUS 06写入[站号 地址 数据]", "MODBUS 06 write a register [station address data]"},
    {"MODWL", "MODBUS 16写入[站号 地址 长度]",
     "MODBUS 16 write registers [station address length]"},
    {"RS1", "自由COM1[写长度 写数据 读长度 读数据]",
     "Free port COM1 [send length, data; receive length, data]"},
    {"RS2", "自由COM2[写长度 写数据 读长度 读数据]",
     "Free port COM2 [send length, data; receive length, data]"},
    {"RS3", "自由COM3[写长度 写数据 读长度 读数据]",
     "Free port COM3 [send length, data; receive length, data]"},
    {"RS4", "自由CAN [写长度 写数据 读长度 读数据]",
     "Free port CAN [send length, data; receive length, data]"},
};
constexpr CatalogueEntry kCategory12[] = {
    {"TXT", "文本显示[行Y  列X  字符串]", "Show text [row Y  column X  string]"},
    {"REG", "寄存器值[行Y  列X  寄存器  位数+小数]",
     "Show a register [row Y  column X  register  digits+decimals]"},
    {"CLR", "LCD清屏", "Clear the LCD"},
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
