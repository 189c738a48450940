// 16-bit, 32-bit and floating-point arithmetic and the conversions.
#include <climits>

#include "runtime/HostShim.h"

namespace vx::test {
namespace {

using Arithmetic16Test = RuntimeTest;
using Arithmetic32Test = RuntimeTest;
using FloatTest = RuntimeTest;
using ConversionTest = RuntimeTest;

TEST_F(Arithmetic16Test, ResultsWrapAtSixteenBits) {
    B00 = 1;
    D[0] = 32767;
    ADD(D[0], 1, 2);
    EXPECT_EQ(D[2], -32768);
    SUB(-5, 0x0001, 3);
    EXPECT_EQ(D[3], -6);
    MUL(D[0], 2, 4);
    EXPECT_EQ(D[4], -2);
    WAND(0x00FF, 0x0F0F, 5);
    WOR(0xF000, 0x000F, 6);
    WXOR(65535, 0, 7);
    EXPECT_EQ(D[5], 0x000F);
    EXPECT_EQ(static_cast<unsigned short>(D[6]), 0xF00F);
    EXPECT_EQ(D[7], -1);
    ADD(1, 1, 10000);  // not a register: skipped
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(Arithmetic16Test, DivisionGivesQuotientAndRemainder) {
    B00 = 1;
    D[10] = -7;
    DIV(D[10], 2, 20);
    EXPECT_EQ(D[20], -3);
    EXPECT_EQ(D[21], -1);
    DIV(-32768, -1, 30);
    EXPECT_EQ(D[30], -32768);
    EXPECT_EQ(D[31], 0);

    D[40] = 5;
    D[41] = 6;
    DIV(D[10], 0, 40);
    EXPECT_EQ(D[40], 5) << "division by zero leaves the destination";
    EXPECT_EQ(D[41], 6);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);

    DIV(9, 4, 9999);  // the remainder has no register: only the quotient
    EXPECT_EQ(D[9999], 2);
}

TEST_F(Arithmetic16Test, OneOperandInstructions) {
    B00 = 1;
    D[0] = 32767;
    INC(0);
    EXPECT_EQ(D[0], -32768);
    DEC(0);
    EXPECT_EQ(D[0], 32767);
    D[1] = -32768;
    NEG(1);
    EXPECT_EQ(D[1], -32768);
    D[2] = -300;
    ABS(2);
    EXPECT_EQ(D[2], 300);
    D[3] = 0x1234;
    SWAP(3);
    EXPECT_EQ(D[3], 0x3412);
    D[4] = static_cast<short>(0x8001);
    ROR(4, 1);
    EXPECT_EQ(static_cast<unsigned short>(D[4]), 0xC000);
    ROL(4, 2);
    EXPECT_EQ(static_cast<unsigned short>(D[4]), 0x0003);
    ROL(4, 16);
    EXPECT_EQ(D[4], 3);

    Z = 32767;
    VINC(Z);
    EXPECT_EQ(Z, -32768);
    V = 0x00FF;
    VSWAP(V);
    EXPECT_EQ(static_cast<unsigned short>(V), 0xFF00);
    V = -2;
    VABS(V);
    VNEG(V);
    EXPECT_EQ(V, -2);
}

TEST_F(Arithmetic32Test, PairsCarryAcrossTheirWords) {
    B00 = 1;
    SetPair(0, 0x0000FFFF);
    SetPair(2, 1);
    DADD(0, 2, 4);
    EXPECT_EQ(D[4], 0);
    EXPECT_EQ(D[5], 1);
    DSUB(2, 0, 6);
    EXPECT_EQ(Pair(6), 1 - 0xFFFF);
    SetPair(8, INT_MAX);
    DADD(8, 2, 10);
    EXPECT_EQ(Pair(10), INT_MIN);
    DINC(8);
    EXPECT_EQ(Pair(8), INT_MIN);
    DDEC(8);
    EXPECT_EQ(Pair(8), INT_MAX);
}

TEST_F(Arithmetic32Test, ProductKeepsItsLowThirtyTwoBits) {
    B00 = 1;
    SetPair(1, 70000);
    SetPair(3, -3);
    DMUL(1, 3, 5);
    EXPECT_EQ(Pair(5), -210000);
    SetPair(3, 70000);
    DMUL(1, 3, 5);
    EXPECT_EQ(Pair(5), static_cast<int>(4900000000LL & 0xFFFFFFFF));
    SetPair(1, INT_MIN);
    SetPair(3, -1);
    DMUL(1, 3, 5);
    EXPECT_EQ(Pair(5), INT_MIN);
}

TEST_F(Arithmetic32Test, DivisionQuotientRemainderAndZero) {
    B00 = 1;
    SetPair(0, -100001);
    SetPair(2, 1000);
    DDIV(0, 2, 10);
    EXPECT_EQ(Pair(10), -100);
    EXPECT_EQ(Pair(12), -1);
    SetPair(0, INT_MIN);
    SetPair(2, -1);
    DDIV(0, 2, 10);
    EXPECT_EQ(Pair(10), INT_MIN);
    EXPECT_EQ(Pair(12), 0);

    SetPair(2, 0);
    SetPair(10, 42);
    DDIV(0, 2, 10);
    EXPECT_EQ(Pair(10), 42);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);

    SetPair(2, 7);
    DDIV(2, 2, 9998);  // no room for the remainder
    EXPECT_EQ(Pair(9998), 1);
}

TEST_F(Arithmetic32Test, NegateAndAbsoluteOfTheSmallestValue) {
    B00 = 1;
    SetPair(2, INT_MIN);
    DNEG(2);
    EXPECT_EQ(Pair(2), INT_MIN);
    DABS(2);
    EXPECT_EQ(Pair(2), INT_MIN);
    SetPair(2, -70000);
    DABS(2);
    EXPECT_EQ(Pair(2), 70000);
}

TEST_F(Arithmetic32Test, CompareContactsReadPairs) {
    SetPair(0, -1);
    SetPair(2, 65535);
    LDV(0, 2);
    EXPECT_EQ(B00, 1) << "-1 < 65535 as 32-bit values";
    LDL(D[0], 0);
    EXPECT_EQ(B00, 0);
    LDO(D[2], D[0]);
    EXPECT_EQ(B00, 0) << "as 16-bit values both are -1";
}

TEST_F(FloatTest, OperationsOnFloatPairs) {
    B00 = 1;
    SetFloat(0, 1.5f);
    SetFloat(2, 2.25f);
    DEADD(0, 2, 4);
    DESUB(0, 2, 6);
    DEMUL(0, 2, 8);
    DEDIV(2, 0, 10);
    EXPECT_FLOAT_EQ(Float(4), 3.75f);
    EXPECT_FLOAT_EQ(Float(6), -0.75f);
    EXPECT_FLOAT_EQ(Float(8), 3.375f);
    EXPECT_FLOAT_EQ(Float(10), 1.5f);

    SetFloat(12, 0.0f);
    SetFloat(14, 9.0f);
    DEDIV(0, 12, 14);
    EXPECT_FLOAT_EQ(Float(14), 9.0f);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(FloatTest, CompareSetsThreeBitsAlsoAcrossOctalOutputs) {
    B00 = 1;
    SetFloat(0, -1.0f);
    SetFloat(2, 2.0f);
    DECMP(0, 2, M[0]);
    EXPECT_EQ(M[0], 0);
    EXPECT_EQ(M[1], 0);
    EXPECT_EQ(M[2], 1);
    DECMP(2, 0, Y[17]);  // Y17, Y20, Y21
    EXPECT_EQ(Y[17], 1);
    EXPECT_EQ(Y[20], 0);
    EXPECT_EQ(Y[21], 0);
    EXPECT_EQ(Y[18], 0);
    DECMP(0, 0, M[9998]);  // three bits pass M9999
    EXPECT_EQ(M[9998], 0);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(FloatTest, IntegerToFloatAndBack) {
    B00 = 1;
    SetPair(0, -70000);
    DFLT(0, 2);
    EXPECT_FLOAT_EQ(Float(2), -70000.0f);
    SetFloat(4, -2.75f);
    DINT(4, 6);
    EXPECT_EQ(Pair(6), -2) << "the fraction is cut off";
    SetFloat(4, 3e9f);
    DINT(4, 6);
    EXPECT_EQ(Pair(6), -2);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(ConversionTest, BcdAndBinaryWithTheirLimits) {
    B00 = 1;
    D[0] = 1234;
    BCD(0, 1);
    EXPECT_EQ(D[1], 0x1234);
    BIN(1, 2);
    EXPECT_EQ(D[2], 1234);
    D[3] = 10000;
    D[4] = 77;
    BCD(3, 4);
    EXPECT_EQ(D[4], 77);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
    M[M_OPERATION_ERROR] = 0;
    D[5] = 0x12A4;
    BIN(5, 4);
    EXPECT_EQ(D[4], 77);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(ConversionTest, BitCountAndBytes) {
    B00 = 1;
    D[0] = -1;
    SUM(0, 1);
    EXPECT_EQ(D[1], 16);
    D[10] = 0x1234;
    D[11] = 0x0056;
    WTOB(10, 20, 3);
    EXPECT_EQ(D[20], 0x34);
    EXPECT_EQ(D[21], 0x12);
    EXPECT_EQ(D[22], 0x56);
    D[31] = -1;
    BTOW(20, 30, 3);
    EXPECT_EQ(D[30], 0x1234);
    EXPECT_EQ(D[31], 0x0056) << "an odd last byte leaves its high byte 0";
}

}  // namespace
}  // namespace vx::test
