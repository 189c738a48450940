// Word tables: sums and means, word shifts, first-in tables.
#include "runtime/HostShim.h"

namespace vx::test {
namespace {

using TableTest = RuntimeTest;
using FifoTest = RuntimeTest;

TEST_F(TableTest, SumAndMeanOfSignedWords) {
    B00 = 1;
    D[0] = 32767;
    D[1] = 32767;
    D[2] = -4;
    WSUM(0, 10, 3);
    EXPECT_EQ(Pair(10), 65530) << "the sum does not wrap at 16 bits";
    MEAN(0, 12, 3);
    EXPECT_EQ(D[12], 21843);
    WSUM(9990, 20, 256);  // passes D9999
    EXPECT_EQ(Pair(20), 0);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(TableTest, WordShiftsBringNewWordsIn) {
    B00 = 1;
    for (int i = 0; i < 4; ++i)
        D[10 + i] = static_cast<short>(i + 1);  // 1 2 3 4
    D[0] = 8;
    D[1] = 9;
    WSFR(0, 10, 4, 2);
    EXPECT_EQ(D[10], 3);
    EXPECT_EQ(D[11], 4);
    EXPECT_EQ(D[12], 8);
    EXPECT_EQ(D[13], 9);
    WSFL(0, 10, 4, 1);
    EXPECT_EQ(D[10], 8);
    EXPECT_EQ(D[11], 3);
    EXPECT_EQ(D[13], 8);

    WSFL(0, 10, 1, 2);  // more new words than the table holds
    EXPECT_EQ(D[10], 8);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

TEST_F(FifoTest, FirstInFirstOutUntilFullAndEmpty) {
    B00 = 1;
    // Table at D10 of four words: the pointer and three entries.
    for (short value : {11, 22, 33}) {
        D[0] = value;
        SFWR(0, 10, 4);
    }
    EXPECT_EQ(D[10], 3);
    EXPECT_EQ(M[M_CARRY_FLAG], 1);
    D[0] = 44;
    SFWR(0, 10, 4);
    EXPECT_EQ(D[10], 3) << "a full table refuses the entry";
    EXPECT_EQ(D[13], 33);

    SFRD(10, 1, 4);
    EXPECT_EQ(D[1], 11);
    EXPECT_EQ(D[10], 2);
    EXPECT_EQ(D[11], 22);
    SFRD(10, 1, 4);
    SFRD(10, 1, 4);
    EXPECT_EQ(D[1], 33);
    EXPECT_EQ(M[M_ZERO_FLAG], 1);
    D[1] = 0;
    SFRD(10, 1, 4);
    EXPECT_EQ(D[1], 0) << "an empty table gives nothing";
    EXPECT_EQ(M[M_OPERATION_ERROR], 0);
}

TEST_F(FifoTest, PopTakesTheNewestAndABadPointerIsAnError) {
    B00 = 1;
    for (short value : {5, 6}) {
        D[0] = value;
        SFWR(0, 10, 10);
    }
    POP(10, 2, 10);
    EXPECT_EQ(D[2], 6);
    EXPECT_EQ(D[10], 1);
    EXPECT_EQ(M[M_CARRY_FLAG], 0);

    D[10] = 50;  // a pointer beyond the table
    SFWR(0, 10, 10);
    EXPECT_EQ(D[10], 50);
    EXPECT_EQ(M[M_OPERATION_ERROR], 1);
}

}  // namespace
}  // namespace vx::test
