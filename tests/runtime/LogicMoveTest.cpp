// Contacts, blocks, edges and the data moves, through the macros the
// generated ladder program uses.
#include "runtime/HostShim.h"

namespace vx::test {
namespace {

using LogicTest = RuntimeTest;
using MoveTest = RuntimeTest;

TEST_F(LogicTest, BlocksCombineThroughTheBitStack) {
    // (X1 AND NOT M5) OR (X2 AND X3), then two branches of one output.
    X[1] = 1;
    X[3] = 1;
    LD(X[1]);
    ANI(M[5]);
    LD(X[2]);
    AND(X[3]);
    ORB();
    EXPECT_EQ(B00, 1);
    MPS();
    AND(X[4]);
    OUT(Y[0]);
    MPP();
    OUT(Y[1]);
    EXPECT_EQ(Y[0], 0);
    EXPECT_EQ(Y[1], 1);

    LD(X[1]);
    LD(X[2]);
    ANB();
    EXPECT_EQ(B00, 0);
}

TEST_F(LogicTest, EdgeContactsAndPulsesLastOneScan) {
    int rises = 0, falls = 0, pulses = 0;
    const int input[] = {0, 1, 1, 1, 0, 0, 1, 0};
    for (int level : input) {
        X[2] = static_cast<unsigned char>(level);
        LDUPp(X[2], M[100]);
        rises += B00;
        LDDNp(X[2], M[101]);
        falls += B00;
        LD(X[2]);
        PLS(M[10], MP[10]);
        pulses += M[10];
    }
    EXPECT_EQ(rises, 2);
    EXPECT_EQ(falls, 2);
    EXPECT_EQ(pulses, 2);
}

TEST_F(LogicTest, SetResetAlternateAndSubroutineActOnlyWhileTheRungHolds) {
    B00 = 0;
    SET(M[10]);
    CALLs(3);
    EXPECT_EQ(M[10], 0);
    EXPECT_EQ(SubroutineCalls(3), 0);
    B00 = 1;
    SET(M[10]);
    ALT(Y[7]);
    CALLs(3);
    EXPECT_EQ(M[10], 1);
    EXPECT_EQ(Y[7], 1);
    EXPECT_EQ(SubroutineCalls(3), 1);
    RST(M[10]);
    ALT(Y[7]);
    EXPECT_EQ(M[10], 0);
    EXPECT_EQ(Y[7], 0);
}

TEST_F(MoveTest, ConstantsRegistersTimersAndIndexRegisters) {
    B00 = 1;
    MOV(-5, D[0]);
    MOV(static_cast<short>(0xFFFF), D[1]);  // the bits of -1
    T_Nonce[5] = 77;
    MOV(T_Nonce[5], V);
    MOV(V, D[2]);
    EXPECT_EQ(D[0], -5);
    EXPECT_EQ(D[1], -1);
    EXPECT_EQ(D[2], 77);
    B00 = 0;
    MOV(10, D[2]);
    EXPECT_EQ(D[2], 77);
}

TEST_F(MoveTest, IndexedOperandsAreCheckedBeforeTheyAreTouched) {
    B00 = 1;
    D[7] = 123;
    Z = 7;
    MOV(D[0 + Z], D[1]);
    EXPECT_EQ(D[1], 123);
    V = -1;
    MOV(D[1], D[10 + V]);
    EXPECT_EQ(D[9], 123);
    EXPECT_EQ(M[M_OPERATION_ERROR], 0);

    Z = 30000;
    MOV(D[0 + Z], D[1]);
    V = -11;
    MOV(D[1], D[10 + V]);
    EXPECT_EQ(D[1], 123);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(MoveTest, WordViewsOfXAndYCountInOctal) {
    B00 = 1;
    D[0] = static_cast<short>(0x8003);
    XMOV(D[0], Y[16]);  // Y16, Y17, then Y20 ...; bit 15 is Y35
    EXPECT_EQ(Y[16], 1);
    EXPECT_EQ(Y[17], 1);
    EXPECT_EQ(Y[20], 0);
    EXPECT_EQ(Y[18], 0) << "Y18 is no device";
    EXPECT_EQ(Y[35], 1);
    XXOV(Y[16], X[0]);
    XOV(X[0], D[1]);
    EXPECT_EQ(static_cast<unsigned short>(D[1]), 0x8003);
    EXPECT_EQ(X[17], 1);
}

TEST_F(MoveTest, WordViewsOfMAndSStayInsideTheirDevice) {
    B00 = 1;
    D[0] = 0x0101;
    SMOV(D[0], M[16]);
    EXPECT_EQ(M[16], 1);
    EXPECT_EQ(M[24], 1);
    SSOV(M[16], S[0]);
    SOV(S[0], D[1]);
    EXPECT_EQ(D[1], 0x0101);

    SMOV(D[0], M[9990]);  // 16 bits would pass M9999
    EXPECT_EQ(M[9990], 0);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
    D[2] = 55;
    SOV(S[190], D[2]);
    EXPECT_EQ(D[2], 55);
}

TEST_F(MoveTest, ComplementExchangeAndPairs) {
    B00 = 1;
    CML(0x00FF, D[0]);
    EXPECT_EQ(static_cast<unsigned short>(D[0]), 0xFF00);
    D[1] = 1;
    D[2] = 2;
    XCH(D[1], D[2]);
    EXPECT_EQ(D[1], 2);
    EXPECT_EQ(D[2], 1);

    KMOV(4464, 1, 10);  // 70000, low word first
    EXPECT_EQ(static_cast<unsigned short>(D[10]), 4464);
    EXPECT_EQ(D[11], 1);
    DMOV(10, 20);
    EXPECT_EQ(Pair(20), 70000);
    KMOV(0, 16320, 30);
    EXPECT_FLOAT_EQ(Float(30), 1.5f);
    DEMOV(30, 32);
    EXPECT_FLOAT_EQ(Float(32), 1.5f);

    D[9999] = 9;
    KMOV(1, 2, 9999);  // the pair would pass D9999
    EXPECT_EQ(D[9999], 9);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(MoveTest, BlockMovesOverlapAndStayInside) {
    B00 = 1;
    for (int i = 0; i < 5; ++i)
        D[i] = static_cast<short>(i + 1);
    BMOV(0, 2, 5);  // overlapping upwards
    EXPECT_EQ(D[2], 1);
    EXPECT_EQ(D[6], 5);
    BMOV(2, 1, 5);  // and back down
    EXPECT_EQ(D[1], 1);
    EXPECT_EQ(D[5], 5);

    FMOV(7, 100, 3);
    EXPECT_EQ(D[100], 7);
    EXPECT_EQ(D[102], 7);
    EXPECT_EQ(D[103], 0);

    FMOV(7, 9990, 20);
    BMOV(0, 9995, 10);
    EXPECT_EQ(D[9990], 0);
    EXPECT_EQ(D[9995], 0);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(MoveTest, ZoneResetAndBitShifts) {
    B00 = 1;
    for (int i = 0; i < 12; ++i)
        M[i] = 1;
    ZRST(M[0], 10);
    EXPECT_EQ(M[9], 0);
    EXPECT_EQ(M[10], 1);

    S[5] = 1;
    S[7] = 1;
    SFTR(S[5], 3);  // towards S5: S5 falls out, S7 goes to S6
    EXPECT_EQ(S[5], 0);
    EXPECT_EQ(S[6], 1);
    EXPECT_EQ(S[7], 0);
    SFTL(S[5], 3);
    EXPECT_EQ(S[7], 1);
    EXPECT_EQ(S[6], 0);

    S[199] = 1;
    ZRST(S[190], 20);  // passes S199
    EXPECT_EQ(S[199], 1);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(MoveTest, BitOfAWord) {
    B00 = 1;
    D[0] = static_cast<short>(0x8000);
    BON(0, M[5], 15);
    BON(0, Y[17], 0);
    EXPECT_EQ(M[5], 1);
    EXPECT_EQ(Y[17], 0);
    D[3] = 16;
    BON(0, M[5], D[3]);
    EXPECT_EQ(M[5], 1);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

}  // namespace
}  // namespace vx::test
