// The word move MOV and the four-function and logic instructions.
#include <gtest/gtest.h>

#include "InstructionCompilerCases.h"

namespace vx {
namespace {

using test::BoxCase;
using test::ExpectBoxes;
using test::ExpectRefusals;
using test::kUnreadable;
using test::kWrongOperand;
using test::RefusalCase;

constexpr MsgIcon kInfo = MsgIcon::Information;

TEST(WordMove, RegistersConstantsAndCurrentValues) {
    ExpectBoxes({
        BoxCase{"MOV K10 D5", "MOV K10 D5", "MOV (10,D[5])"},
        {"mov  k10   d5", "MOV K10 D5", "MOV (10,D[5])"},
        {"MOV K007 D5", "MOV K7 D5", "MOV (7,D[5])"},
        {"MOV K65535 D0", "MOV K65535 D0", "MOV (65535,D[0])"},
        {"MOV K-1 D0", "MOV K-1 D0", "MOV (-1,D[0])"},
        {"MOV K-32768 D0", "MOV K-32768 D0", "MOV (-32768,D[0])"},
        {"MOV H1F D0", "MOV H001F D0", "MOV (0x001F,D[0])"},
        {"MOV HFFFF D9999", "MOV HFFFF D9999", "MOV (0xFFFF,D[9999])"},
        {"MOV H D1", "MOV H0000 D1", "MOV (0x0000,D[1])"},
        {"MOV D9999 D0", "MOV D9999 D0", "MOV (D[9999],D[0])"},
        {"MOV T5 D1", "MOV T5 D1", "MOV (T_Nonce[5],D[1])"},
        {"MOV T399 D1", "MOV T399 D1", "MOV (T_Nonce[399],D[1])"},
        {"MOV C199 D1", "MOV C199 D1", "MOV (C_Nonce[199],D[1])"},
    });
}

TEST(WordMove, IndexRegistersAndIndexedRegisters) {
    ExpectBoxes({
        BoxCase{"MOV D0Z D1", "MOV D0Z D1", "MOV (D[0+Z],D[1])"},
        {"MOV D1V D2Z", "MOV D1V D2Z", "MOV (D[1+V],D[2+Z])"},
        {"MOV K5 D7V", "MOV K5 D7V", "MOV (5,D[7+V])"},
        {"MOV D9999Z D0", "MOV D9999Z D0", "MOV (D[9999+Z],D[0])"},
        {"MOV V D1", "MOV V D1", "MOV (V,D[1])"},
        {"MOV V3 D1", "MOV V D1", "MOV (V,D[1])"},  // the index register has no number
        {"MOV Z D1", "MOV Z D1", "MOV (Z,D[1])"},
        {"MOV D1 V", "MOV D1 V", "MOV (D[1],V)"},
        {"MOV D1 Z", "MOV D1 Z", "MOV (D[1],Z)"},
        {"MOV K3 Z", "MOV K3 Z", "MOV (3,Z)"},
        {"MOV Z V", "MOV Z V", "MOV (Z,V)"},
    });
}

TEST(WordMove, WordViewsNameBothSidesInTheMacro) {
    ExpectBoxes({
        BoxCase{"MOV D0 WY0", "MOV D0 WY0", "XMOV (D[0],Y[0])"},
        {"MOV D0 WX0", "MOV D0 WX0", "XMOV (D[0],X[0])"},
        {"MOV D0 WM16", "MOV D0 WM16", "SMOV (D[0],M[16])"},
        {"MOV T0 WS0", "MOV T0 WS0", "SMOV (T_Nonce[0],S[0])"},
        {"MOV V WY1", "MOV V WY1", "XMOV (V,Y[1])"},
        {"MOV WX17 D0", "MOV WX17 D0", "XOV (X[17],D[0])"},
        {"MOV WX017 D0", "MOV WX17 D0", "XOV (X[17],D[0])"},
        {"MOV WY377 D0", "MOV WY377 D0", "XOV (Y[377],D[0])"},
        {"MOV WM9999 D0", "MOV WM9999 D0", "SOV (M[9999],D[0])"},
        {"MOV WS199 D0", "MOV WS199 D0", "SOV (S[199],D[0])"},
        {"MOV WX0 WY0", "MOV WX0 WY0", "XXOV (X[0],Y[0])"},
        {"MOV WX0 WM8", "MOV WX0 WM8", "SXOV (X[0],M[8])"},
        {"MOV WY0 WM0", "MOV WY0 WM0", "SXOV (Y[0],M[0])"},
        {"MOV WM0 WS0", "MOV WM0 WS0", "SSOV (M[0],S[0])"},
        {"MOV WS0 WX10", "MOV WS0 WX10", "XSOV (S[0],X[10])"},
        {"MOV WM0 D3Z", "MOV WM0 D3Z", "SOV (M[0],D[3+Z])"},
    });
}

TEST(WordMove, Refusals) {
    constexpr const char* kConstantToView =
        "常数不可直接传送至 WYn、WMn、WSn ！\r\r请先把常数传送至Dn,最后...";
    ExpectRefusals({
        RefusalCase{"MOV K65536 D0", "设定值 K 超过 65535 ！"},
        {"MOV HFFFFF D0", "设定值 H 超过 FFFF ！"},
        {"MOV D10000 D0", "D 元件编号为 0-9999 ！"},
        {"MOV D0 D10000", "D 元件编号为 0-9999 ！"},
        {"MOV D10000Z D0", "D 元件编号为 0-9999 ！"},
        {"MOV D0Z D10000", "D 元件编号为 0-9999 ！"},
        {"MOV DZ D1", kUnreadable, kInfo},
        {"MOV DX D1", kUnreadable, kInfo},
        {"MOV K1 WY0", kConstantToView},
        {"MOV H1 WM0", kConstantToView},
        {"MOV K1 WX0", kConstantToView},
        {"MOV K1 WS0", kConstantToView},
        {"MOV K70000 WY0", kConstantToView},  // the operands' letters come first
        {"MOV M0 D0", kWrongOperand},
        {"MOV X0 D0", kWrongOperand},
        {"MOV S0 D0", kWrongOperand},
        {"MOV WA0 D0", kWrongOperand},
        {"MOV W0 D0", kWrongOperand},
        {"MOV D0 K1", kWrongOperand},
        {"MOV D0 H1", kWrongOperand},
        {"MOV D0 T1", kWrongOperand},
        {"MOV D0 C1", kWrongOperand},
        {"MOV D0 Y0", kWrongOperand},
        {"MOV D0", kWrongOperand},
        {"MOV ", kWrongOperand},
        {"MOV M0 WY400", kWrongOperand},
        {"MOV D10000 M0", kWrongOperand},
        {"MOV D0 WX8", "X 元件编号不是 8 进制 ！"},
        {"MOV WY400 D0", "Y 元件编号为 0-377 ！"},
        {"MOV WM10000 D0", "M 元件编号为 0-9999 ！"},
        {"MOV WS200 D0", "S 元件编号为 0-199 ！"},
        {"MOV T400 D0", "T 元件编号为 0-399 ！"},
        {"MOV C200 D0", "C 元件编号为 0-199 ！"},
        {"MOV WX D0", kUnreadable, kInfo},
        {"MOV KA D0", kUnreadable, kInfo},
    });
}

TEST(Arithmetic, SixteenBitFormsPassTheDestinationAsANumber) {
    ExpectBoxes({
        BoxCase{"ADD D0 K5 D2", "ADD D0 K5 D2", "ADD(D[0],5,2)"},
        {"add d0 k5 d2", "ADD D0 K5 D2", "ADD(D[0],5,2)"},
        {"SUB K-5 H1 D9999", "SUB K-5 H0001 D9999", "SUB(-5,0x0001,9999)"},
        {"MUL D1 D2 D3", "MUL D1 D2 D3", "MUL(D[1],D[2],3)"},
        {"DIV D10 K3 D20", "DIV D10 K3 D20", "DIV(D[10],3,20)"},
        {"DIV D0 D1 D9998", "DIV D0 D1 D9998", "DIV(D[0],D[1],9998)"},
        {"WAND H00FF D1 D3", "WAND H00FF D1 D3", "WAND(0x00FF,D[1],3)"},
        {"WOR D1 HF0F0 D2", "WOR D1 HF0F0 D2", "WOR(D[1],0xF0F0,2)"},
        {"WXOR K65535 K0 D0", "WXOR K65535 K0 D0", "WXOR(65535,0,0)"},
        {"ADD D9999 D9999 D9999", "ADD D9999 D9999 D9999", "ADD(D[9999],D[9999],9999)"},
    });
}

TEST(Arithmetic, ThirtyTwoBitFormsWorkOnRegisterPairs) {
    ExpectBoxes({
        BoxCase{"DADD D0 D2 D4", "DADD D0 D2 D4", "DADD (0,2,4)"},
        {"DSUB D9998 D0 D2", "DSUB D9998 D0 D2", "DSUB (9998,0,2)"},
        {"DMUL D1 D3 D5", "DMUL D1 D3 D5", "DMUL (1,3,5)"},
        {"DDIV D0 D2 D9998", "DDIV D0 D2 D9998", "DDIV (0,2,9998)"},
        {"dadd d010 d2 d4", "DADD D10 D2 D4", "DADD (10,2,4)"},
    });
}

TEST(Arithmetic, Refusals) {
    constexpr const char* kConstant32 =
        "常数不可直接32bit双字数学运算 ！\r\r请先把常数传送至Dn,最后...";
    constexpr const char* kPairRange = "D 元件编号为 0-9998 ！";
    ExpectRefusals({
        RefusalCase{"DADD K1 D0 D2", kConstant32},
        {"DSUB D0 H1 D2", kConstant32},
        {"DMUL D10000 K1 D0", kConstant32},
        {"DADD D0 D2 K4", kWrongOperand},  // every letter before the constant rule
        {"ADD D0 D1 K2", kWrongOperand},
        {"ADD M0 D1 D2", kWrongOperand},
        {"ADD D0 X1 D2", kWrongOperand},
        {"ADD D0 D1", kWrongOperand},
        {"SUB D0 D1 V", kWrongOperand},
        {"WAND D10000 D1 M0", kWrongOperand},
        {"DADD D9999 D0 D2", kPairRange},
        {"DSUB D0 D9999 D2", kPairRange},
        {"DDIV D0 D2 D9999", kPairRange},
        {"DIV D0 D1 D9999", kPairRange},  // the remainder goes to the next register
        {"ADD D0 D1 D10000", "D 元件编号为 0-9999 ！"},
        {"MUL D10000 D1 D2", "D 元件编号为 0-9999 ！"},
        {"ADD K65536 D0 D1", "设定值 K 超过 65535 ！"},
        {"WAND H10000 D0 D1", "设定值 H 超过 FFFF ！"},
        {"ADD D0 KX D1", kUnreadable, kInfo},
        {"WOR D0 D1 D", kUnreadable, kInfo},
    });
}

}  // namespace
}  // namespace vx
