// The application instructions whose operands follow the common pattern.
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
constexpr const char* kPairRange = "D 元件编号为 0-9998 ！";

TEST(WordInstructions, ComplementExchangeAndBlockMoves) {
    ExpectBoxes({
        BoxCase{"CML K5 D0", "CML K5 D0", "CML (5,D[0])"},
        {"CML H1F D1", "CML H001F D1", "CML (0x001F,D[1])"},
        {"CML D2 D3", "CML D2 D3", "CML (D[2],D[3])"},
        {"XCH D0 D1", "XCH D0 D1", "XCH (D[0],D[1])"},
        {"LADJ D0 D1 D2", "LADJ D0 D1 D2", "LADJ (0,1,2)"},
        {"FMOV K5 D100 K10", "FMOV K5 D100 K10", "FMOV (5,100,10)"},
        {"FMOV H1 D0 K99", "FMOV H0001 D0 K99", "FMOV (0x0001,0,99)"},
        {"FMOV D1 D2 K3", "FMOV D1 D2 K3", "FMOV (D[1],2,3)"},
        {"BMOV D0 D10 K5", "BMOV D0 D10 K5", "BMOV (0,10,5)"},
        {"ROR D0 K16", "ROR D0 K16", "ROR (0,16)"},
        {"ROL D5 K1", "ROL D5 K1", "ROL (5,1)"},
        {"ZRST M0 K10", "ZRST M0 K10", "ZRST (M[0],10)"},
        {"SFTR S5 K99", "SFTR S5 K99", "SFTR (S[5],99)"},
        {"SFTL M100 K1", "SFTL M100 K1", "SFTL (M[100],1)"},
        {"BON D0 M5 K15", "BON D0 M5 K15", "BON (0,M[5],15)"},
        {"BON D0 Y1 HF", "BON D0 Y1 H0F", "BON (0,Y[1],0x0F)"},
        {"BON D1 S2 D3", "BON D1 S2 D3", "BON (1,S[2],D[3])"},
        {"WSFR D0 D10 K256 K1", "WSFR D0 D10 K256 K1", "WSFR (0,10,256,1)"},
        {"WSFL D0 D10 K1 K256", "WSFL D0 D10 K1 K256", "WSFL (0,10,1,256)"},
        {"SFWR D0 D1 K10", "SFWR D0 D1 K10", "SFWR (0,1,10)"},
        {"SFRD D0 D1 K10", "SFRD D0 D1 K10", "SFRD (0,1,10)"},
        {"POP D0 D1 K2", "POP D0 D1 K2", "POP (0,1,2)"},
        {"WSUM D0 D1 K256", "WSUM D0 D1 K256", "WSUM (0,1,256)"},
        {"MEAN D0 D1 K64", "MEAN D0 D1 K64", "MEAN (0,1,64)"},
    });
    ExpectRefusals({
        RefusalCase{"CML K65536 D0", "设定值 K 超过 65535 ！"},
        {"CML D0 K1", kWrongOperand},
        {"CML M0 D0", kWrongOperand},
        {"XCH D0 K1", kWrongOperand},
        {"XCH D10000 D1", "D 元件编号为 0-9999 ！"},
        {"LADJ D0 D1 K2", kWrongOperand},
        {"FMOV K5 D100 K100", "设定值 K 超过 99 ！"},
        {"FMOV K5 K100 K1", kWrongOperand},
        {"FMOV K70000 K1 K1", kWrongOperand},  // letters of all operands first
        {"BMOV K0 D10 K5", kWrongOperand},
        {"ROL D0 K17", "设定值 K 超过 16 ！"},
        {"ROR D0 D1", kWrongOperand},
        {"ROR D0", kWrongOperand},
        {"ZRST D0 K10", kWrongOperand},
        {"ZRST Y0 K1", kWrongOperand},
        {"SFTL M0 K100", "设定值 K 超过 99 ！"},
        {"SFTR M10000 K1", "M 元件编号为 0-9999 ！"},
        {"BON D0 M5 K16", "设定值 K 超过 15 ！"},
        {"BON D0 M5 H10", "设定值 H 超过 000F ！"},
        {"BON D0 D5 K1", kWrongOperand},
        {"WSFL D0 D10 K1 K257", "设定值 K 超过 256 ！"},
        {"WSFR D0 D10 K1", kWrongOperand},
        {"MEAN D0 D1 K65", "设定值 K 超过 64 ！"},
        {"WSUM D0 D1 K257", "设定值 K 超过 256 ！"},
        {"POP D0 D1 D2", kWrongOperand},
    });
}

TEST(FloatingPointAndConversions, RegisterPairsOnly) {
    ExpectBoxes({
        BoxCase{"DFLT D0 D2", "DFLT  D0 D2", "DFLT (0,2)"},
        {"DINT D4 D6", "DINT  D4 D6", "DINT (4,6)"},
        {"DEADD D0 D2 D4", "DEADD D0 D2 D4", "DEADD (0,2,4)"},
        {"DESUB D10 D12 D14", "DESUB D10 D12 D14", "DESUB (10,12,14)"},
        {"DEMUL D1 D3 D5", "DEMUL D1 D3 D5", "DEMUL (1,3,5)"},
        {"DEDIV D0 D2 D9998", "DEDIV D0 D2 D9998", "DEDIV (0,2,9998)"},
        {"DECMP D0 D2 M0", "DECMP D0 D2 M0", "DECMP (0,2,M[0])"},
        {"HOUR D0 D2 Y17", "HOUR D0 D2 Y17", "HOUR (0,2,Y[17])"},
        {"WTOB D0 D10 K5", "WTOB D0 D10 K5", "WTOB (0,10,5)"},
        {"BTOW D0 D10 K99", "BTOW D0 D10 K99", "BTOW (0,10,99)"},
    });
    ExpectRefusals({
        RefusalCase{"DFLT D9999 D0", kPairRange},
        {"DINT D0 D9999", kPairRange},
        {"DINT K1 D0", kWrongOperand},
        {"DEDIV D0 D2 D9999", kPairRange},
        {"DEADD D0 K1 D4", kWrongOperand},
        {"DECMP D0 D2 K1", kWrongOperand},
        {"DECMP D0 D2 S0", kWrongOperand},
        {"DECMP D9999 D2 K1", kWrongOperand},
        {"HOUR D0 D2 Y8", "Y 元件编号不是 8 进制 ！"},
        {"HOUR D0 D2 M10000", "M 元件编号为 0-9999 ！"},
        {"WTOB D0 D10 M0", kWrongOperand},
        {"BTOW D0 D10 K100", "设定值 K 超过 99 ！"},
    });
}

TEST(PulseOutputAndPositioning, AcceptedFormsAndRefusals) {
    ExpectBoxes({
        BoxCase{"DUTY K10 D1 M8330", "DUTY K10 D1 M8330", "DUTY (10,D[1],8330)"},
        {"DUTY D0 K65535 M8334", "DUTY D0 K65535 M8334", "DUTY (D[0],65535,8334)"},
        {"DPLSV D0 Y0 M1", "DPLSV D0 Y0 M1", "DPLSV (0,0,M[1])"},
        {"DPLSV D2 Y1 S3", "DPLSV D2 Y1 S3", "DPLSV (2,1,S[3])"},
        {"DPLSV D2 Y1 Y7", "DPLSV D2 Y1 Y7", "DPLSV (2,1,Y[7])"},
        {"DDRVI D0 D2 Y0 Y4", "DDRVI D0 D2 Y0 Y4", "DDRVI (0,2,0,Y[4])"},
        {"DDRVA D0 D2 Y1 S0", "DDRVA D0 D2 Y1 S0", "DDRVA (0,2,1,S[0])"},
        {"DZRN D0 D2 X0 Y1", "DZRN D0 D2 X0 Y1", "DZRN (0,2,X[0],1)"},
        {"DZRN D0 D2 Y3 Y1", "DZRN D0 D2 Y3 Y1", "DZRN (0,2,Y[3],1)"},
        {"PLSR D0 D1 D2 K0", "PLSR D0 D1 D2 K0", "PLSR (0,1,2,0)"},
        {"PLSF D0 D1 D2 K2", "PLSF D0 D1 D2 K2", "PLSF (0,1,2,2)"},
        {"RAMP D0 D1 D2 K100", "RAMP D0 D1 D2 K100", "RAMP (0,1,2,100)"},
        {"PWM K50 Y0", "PWM K50 Y0", "PWM (50,0)"},
        {"PWM H32 Y1", "PWM H0032 Y1", "PWM (50,1)"},
        {"PWM D0 Y17", "PWM D0 Y17", "PWM (D[0],17)"},
        {"SPD X0 K100 D0", "SPD X0 K100 D0", "SPD (0,100,0)"},
        {"SPD X27 D1 D2", "SPD X27 D1 D2", "SPD (27,D[1],2)"},
    });
    ExpectRefusals({
        RefusalCase{"DUTY K1 K2 M8335", "设置范围 M8330~M8334 ！"},
        {"DUTY K1 K2 M0", "设置范围 M8330~M8334 ！"},
        {"DUTY K1 K2 M10000", "M 元件编号为 0-9999 ！"},
        {"DUTY H1 K2 M8330", kWrongOperand},
        {"DUTY K1 K2 Y0", kWrongOperand},
        {"DPLSV D0 M0 M1", kWrongOperand},
        {"DPLSV D9999 Y0 M1", kPairRange},
        {"DDRVI D0 D2 Y0 M0", kWrongOperand},
        {"DDRVA D0 D2 Y9 Y0", "Y 元件编号不是 8 进制 ！"},
        {"DDRVI D0 D9999 Y0 Y0", kPairRange},
        {"DZRN D0 D2 M0 Y1", kWrongOperand},
        {"DZRN D0 D2 X0 X1", kWrongOperand},
        {"PLSR D0 D1 D2 K3", "通道号设定范围 K0..K2  ！"},
        {"PLSR D0 D1 D2 K-1", "通道号设定范围 K0..K2  ！"},
        {"PLSF D0 D1 D2 D3", kWrongOperand},
        {"PLSR D0 D1 D2 KA", kUnreadable, kInfo},
        {"RAMP D0 D1 D2 K65536", "设定值 K 超过 65535 ！"},
        {"PWM K50 Y20", "Y 元件编号为 0-17 ！"},
        {"PWM K50 Y18", "Y 元件编号不是 8 进制 ！"},
        {"PWM K101 Y0", "设定值 K 超过 100 ！"},
        {"PWM H65 Y0", "设定值 H 超过 0064 ！"},
        {"PWM K50 M0", kWrongOperand},
        {"SPD X30 K1 D0", "X 元件编号为 0-27 ！"},
        {"SPD X8 K1 D0", "X 元件编号不是 8 进制 ！"},
        {"SPD Y0 K1 D0", kWrongOperand},
    });
}

TEST(ControlAndFilters, AcceptedFormsAndRefusals) {
    ExpectBoxes({
        BoxCase{"PID D0 D1 D5100 D3", "PID D0 D1 D5100 D3", "PID (0,1,5100,3)"},
        {"SCAD D0 K10 D1", "SCAD D0 K10 D1", "SCAD (0,10,1)"},
        {"FILT D0 D5 D1", "FILT D0 D5 D1", "FILT (0,D[5],1)"},
        {"REG K3 K7 D100 K55", "REG K3 K7 D100 K55", "REG (3,7,100,55)"},
        {"REG K0 K0 D0 K0", "REG K0 K0 D0 K0", "REG (0,0,0,0)"},
    });
    ExpectRefusals({
        RefusalCase{"PID D0 D1 D5101 D3", "参数值3设定范围 D0..D5100 ！"},
        {"PID D0 D1 D2 K3", kWrongOperand},
        {"PID D0 D1 D10000 D3", "D 元件编号为 0-9999 ！"},
        {"FILT D0 H5 D1", kWrongOperand},
        {"SCAD D0 K65536 D1", "设定值 K 超过 65535 ！"},
        {"REG K4 K0 D0 K0", "设定值 K 超过 3 ！"},
        {"REG K0 K8 D0 K0", "设定值 K 超过 7 ！"},
        {"REG K0 K0 D0 K56", "设定值 K 超过 55 ！"},
        {"REG K0 K0 K0 K0", kWrongOperand},
    });
}

TEST(CommunicationInstructions, ModbusCommandsAndSendReceive) {
    ExpectBoxes({
        BoxCase{"MODRD K1 K100 K10", "MODRD K1 K100 K10", "MODRD (1,100,10)"},
        {"MODWR V V D0", "MODWR V V D0", "MODWR (V,V,D[0])"},
        {"MODRB K255 H1F K16", "MODRB K255 H001F K16", "MODRB (255,31,16)"},
        {"MODWR K1 K2 K65535", "MODWR K1 K2 K65535", "MODWR (1,2,65535)"},
        {"MODRI K1 K2 D5", "MODRI K1 K2 D5", "MODRI (1,2,D[5])"},
        {"MODWB K1 HFFFF K0", "MODWB K1 HFFFF K0", "MODWB (1,65535,0)"},
        {"MODWL V K2 K3", "MODWL V K2 K3", "MODWL (V,2,3)"},
        {"RS1 K10 D0 K20 D1", "RS1 K10 D0 K20 D1", "RS1 (10,0,20,1)"},
        {"RS2 V D0 V D1", "RS2 V D0 V D1", "RS2 (V,0,V,1)"},
        {"RS3 K256 D9999 K0 D0", "RS3 K256 D9999 K0 D0", "RS3 (256,9999,0,0)"},
        {"RS4 K1 D2 V D3", "RS4 K1 D2 V D3", "RS4 (1,2,V,3)"},
    });
    ExpectRefusals({
        RefusalCase{"MODRD K1 K2 K17", "设定值 K 超过 16 ！"},
        {"MODWR K256 K2 K3", "设定值 K 超过 255 ！"},
        {"MODRB K1 H10000 K3", "设定值 H 超过 FFFF ！"},
        {"MODWL D0 K2 K3", kWrongOperand},
        {"MODRB K1 K2 V", kWrongOperand},
        {"MODRI K1 D2 K3", kWrongOperand},
        {"RS3 K257 D0 K1 D1", "设定值 K 超过 256 ！"},
        {"RS1 K1 D0 K257 D1", "设定值 K 超过 256 ！"},
        {"RS4 K1 K0 K1 D1", kWrongOperand},
        {"RS2 K1 D0 K1", kWrongOperand},
    });
}

}  // namespace
}  // namespace vx
