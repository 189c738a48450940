#include "model/ApartInjunction.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

InstrFields Fields(std::string m, std::string o1 = "", std::string o2 = "", std::string o3 = "",
                   std::string o4 = "", std::string o5 = "") {
    return {m, o1, o2, o3, o4, o5};
}

TEST(InstructionSplit, MnemonicKeepsItsBlankAndBlanksBetweenOperandsFold) {
    EXPECT_EQ(ApartInjunction("mov  d0   d1"), Fields("MOV ", "D0", "D1"));
    EXPECT_EQ(ApartInjunction("D>= D0 K5"), Fields("D>= ", "D0", "K5"));
    EXPECT_EQ(ApartInjunction("bmov D0 D100 K10"), Fields("BMOV ", "D0", "D100", "K10"));
}

TEST(InstructionSplit, MnemonicAlone) {
    EXPECT_EQ(ApartInjunction("END"), Fields("END")) << "no blank, none added";
    EXPECT_EQ(ApartInjunction("end "), Fields("END "));
    EXPECT_EQ(ApartInjunction(""), Fields(""));
}

TEST(InstructionSplit, TrailingBlankLeavesTheNextOperandEmpty) {
    EXPECT_EQ(ApartInjunction("MOV D0 "), Fields("MOV ", "D0", ""));
    EXPECT_EQ(ApartInjunction("OUT T5  K100 "), Fields("OUT ", "T5", "K100", ""));
}

TEST(InstructionSplit, EverythingAfterTheFourthOperandIsTheFifth) {
    EXPECT_EQ(ApartInjunction("a b c d e f  g"), Fields("A ", "B", "C", "D", "E", "F  G"));
    EXPECT_EQ(ApartInjunction("a b c d e   "), Fields("A ", "B", "C", "D", "E", ""));
    EXPECT_EQ(ApartInjunction("a b c d    e"), Fields("A ", "B", "C", "D", "E"));
}

TEST(InstructionSplit, OnlyAsciiLettersAreUpperCased) {
    EXPECT_EQ(ApartInjunction("txt 启动abc"), Fields("TXT ", "启动ABC"));
    EXPECT_EQ(ApartInjunction("ld ä").operand1, "ä") << "bytes from 128 up stay as they are";
}

}  // namespace
}  // namespace vx
